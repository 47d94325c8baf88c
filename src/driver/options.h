// The command-line flags of one run: all off at start, set only by the
// option scan, fixed afterwards.
#pragma once

struct Options {
  int batch;
  int verbose;
  int no_cpu;
  int no_chipset;
  int no_memory;
  int no_beep;
  int force;
  // -decode=FILE: the saved host bridge dump to report instead of the
  // machine's own (the last one given counts); nullptr for a hardware run.
  const char* decode_file;
  // -compare=FILE: the saved dump to compare the reported host bridge with
  // (the last one given counts); nullptr for no comparison.
  const char* compare_file;
};

extern Options options;
