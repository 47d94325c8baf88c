#include "hw/bare/memory.h"

#include <cstdint>

#include "hw/bare/boot_info.h"
#include "runtime/bare.h"

extern "C" char _end[];

namespace {

const uint64_t CACHEABLE_LIMIT = 64ull << 20;
const uint64_t PAGE = 4096;
// Texts the program builds, a few kilobytes at most.
const uint64_t HEAP_SIZE = 256 * 1024;

uint64_t after_heap = 0;
bool buffer_taken = false;

uint64_t RoundUpToPage(uint64_t address) {
  return (address + PAGE - 1) / PAGE * PAGE;
}

// Whether [start, start + length) is RAM the map names, below 64 MB.
bool IsUsable(uint64_t start, uint64_t length) {
  if (start + length > CACHEABLE_LIMIT)
    return false;
  for (int i = 0; i < boot_info.usable_count; ++i) {
    const MemoryRegion& region = boot_info.usable[i];
    if (start >= region.base && start + length <= region.base + region.length)
      return true;
  }
  return false;
}

}  // namespace

bool PlaceHeap() {
  uint64_t heap = RoundUpToPage(reinterpret_cast<uintptr_t>(_end));
  if (!IsUsable(heap, HEAP_SIZE))
    return false;
  RuntimeSetHeap(reinterpret_cast<void*>(static_cast<uintptr_t>(heap)), HEAP_SIZE);
  after_heap = heap + HEAP_SIZE;
  return true;
}

void* TakeTestBuffer(size_t bytes) {
  if (buffer_taken || after_heap == 0 || !IsUsable(after_heap, bytes))
    return nullptr;
  buffer_taken = true;
  return reinterpret_cast<void*>(static_cast<uintptr_t>(after_heap));
}

void GiveBackTestBuffer(void* buffer) {
  if (buffer != nullptr)
    buffer_taken = false;
}
