#include "hw/bare/boot_info.h"

BootInfo boot_info;

namespace {

// The Multiboot information structure (version 1), as far as it is used.
struct __attribute__((packed)) MultibootInfo {
  uint32_t flags;
  uint32_t mem_lower;  // KB below 640 KB
  uint32_t mem_upper;  // KB from 1 MB on
  uint32_t boot_device;
  uint32_t command_line;
  uint32_t module_count;
  uint32_t module_address;
  uint32_t symbols[4];
  uint32_t map_length;
  uint32_t map_address;
};

struct __attribute__((packed)) MapEntry {
  uint32_t size;  // of the rest of the entry
  uint64_t base;
  uint64_t length;
  uint32_t type;
};

const uint32_t HAS_MEMORY_SIZES = 1u << 0;
const uint32_t HAS_COMMAND_LINE = 1u << 2;
const uint32_t HAS_MEMORY_MAP = 1u << 6;
const uint32_t RAM = 1;

void AddRegion(uint64_t base, uint64_t length) {
  if (boot_info.usable_count < MAX_REGIONS && length > 0)
    boot_info.usable[boot_info.usable_count++] = MemoryRegion{base, length};
}

}  // namespace

bool ReadBootInfo(uint32_t magic, uint32_t info_address) {
  boot_info.command_line[0] = '\0';
  boot_info.usable_count = 0;
  if (magic != MULTIBOOT_MAGIC || info_address == 0)
    return false;
  const auto* info = reinterpret_cast<const MultibootInfo*>(info_address);

  if (info->flags & HAS_COMMAND_LINE) {
    const char* text = reinterpret_cast<const char*>(info->command_line);
    unsigned i = 0;
    for (; i + 1 < sizeof boot_info.command_line && text[i] != '\0'; ++i)
      boot_info.command_line[i] = text[i];
    boot_info.command_line[i] = '\0';
  }

  if (info->flags & HAS_MEMORY_MAP) {
    uint32_t at = info->map_address;
    uint32_t end = info->map_address + info->map_length;
    while (at + sizeof(MapEntry) <= end) {
      const auto* entry = reinterpret_cast<const MapEntry*>(at);
      if (entry->type == RAM)
        AddRegion(entry->base, entry->length);
      at += entry->size + sizeof entry->size;
    }
  } else if (info->flags & HAS_MEMORY_SIZES) {
    AddRegion(0x100000, static_cast<uint64_t>(info->mem_upper) * 1024);
  }
  return true;
}
