// Reading a host bridge's configuration bytes saved on some other machine:
// the output of lspci -x, -xxx or -xxxx (the block of device 00:00.0, else
// the first block), or the dump rows of a saved korvalt report.
#pragma once

#include <cstddef>
#include <cstdint>

struct ConfigDump {
  uint8_t bytes[256];  // bytes past count are FFh, as an unread byte reads
  unsigned count;      // how many bytes from offset 0 the text holds (16..256)
};

struct DumpError {
  unsigned line;      // the line at fault, counted from 1; 0 for the whole text
  char message[120];  // what is wrong with it
};

// Reads text (length bytes, not necessarily NUL-terminated).  Returns 1 with
// dump filled, or 0 with error filled.
int ParseConfigDump(const char* text, size_t length, ConfigDump* dump, DumpError* error);
