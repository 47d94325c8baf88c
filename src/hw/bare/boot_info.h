// What the Multiboot loader tells the program: its command line and the
// memory map.  Both are copied at once, since the loader may have put them
// where the program's memory will go.
#pragma once

#include <cstdint>

const uint32_t MULTIBOOT_MAGIC = 0x2BADB002;

struct MemoryRegion {
  uint64_t base;
  uint64_t length;
};

const int MAX_REGIONS = 32;

struct BootInfo {
  char command_line[1024];
  MemoryRegion usable[MAX_REGIONS];  // ordinary RAM only
  int usable_count;
};

extern BootInfo boot_info;

// Copies what info holds; false when the loader is not a Multiboot one.
bool ReadBootInfo(uint32_t magic, uint32_t info_address);
