// The -set command: a check pass that validates every spec, then an apply
// pass that changes the host bridge's register bits.
#pragma once

enum SetMode { SET_CHECK, SET_APPLY };
enum SetResult { SET_CONTINUE, SET_ABORT };

// Set when the system refused a write of the apply pass, or a register could
// not be read to be changed; the run then ends with its own status.
extern bool set_write_refused;

// One set spec taken apart, before anything touches the machine.
enum SetSpecForm { SPEC_EMPTY, SPEC_BITS, SPEC_ERROR };
struct ParsedSetSpec {
  SetSpecForm form;
  unsigned reg;       // 00h-FFh
  unsigned low;       // the span of bits, 0-7
  unsigned high;      // low <= high
  unsigned value;     // fits the span
  int position;       // SPEC_ERROR: where the caret goes; else the end of the set spec
  const char* error;  // SPEC_ERROR: the message
};

// Reads "XX=BBBBBBBB", "XX:S=B" or "XX:S-E=BBB" (nullptr reads as empty).
ParsedSetSpec ParseSetSpec(const char* spec);

// Checks one set spec (SET_CHECK) or carries it out (SET_APPLY).  force
// lets a span that no table row names be changed; verbose is the field
// lines' form.
SetResult ApplySetSpec(const char* spec, SetMode mode, bool force, bool verbose);
SetResult ReportSetError(const char* spec, int position, const char* message, SetMode mode);
