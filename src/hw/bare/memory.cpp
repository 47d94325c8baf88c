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
bool memory_taken = false;

uint64_t RoundUpToPage(uint64_t address) {
  return (address + PAGE - 1) / PAGE * PAGE;
}

// How many bytes of RAM the map names from start on, without a gap and
// below 64 MB; 0 when start itself is not such RAM.
uint64_t UsableFrom(uint64_t start) {
  if (start >= CACHEABLE_LIMIT)
    return 0;
  for (int i = 0; i < boot_info.usable_count; ++i) {
    const MemoryRegion& region = boot_info.usable[i];
    uint64_t end = region.base + region.length;
    if (start >= region.base && start < end)
      return (end < CACHEABLE_LIMIT ? end : CACHEABLE_LIMIT) - start;
  }
  return 0;
}

}  // namespace

bool PlaceHeap() {
  uint64_t heap = RoundUpToPage(reinterpret_cast<uintptr_t>(_end));
  if (UsableFrom(heap) < HEAP_SIZE)
    return false;
  RuntimeSetHeap(reinterpret_cast<void*>(static_cast<uintptr_t>(heap)), HEAP_SIZE);
  after_heap = heap + HEAP_SIZE;
  return true;
}

void* TakeBenchMemory(size_t wanted, size_t* granted) {
  *granted = 0;
  if (memory_taken || after_heap == 0)
    return nullptr;
  uint64_t there = UsableFrom(after_heap);
  if (there == 0)
    return nullptr;
  memory_taken = true;
  *granted = static_cast<size_t>(there < wanted ? there : wanted);
  return reinterpret_cast<void*>(static_cast<uintptr_t>(after_heap));
}

void GiveBackBenchMemory(void* memory) {
  if (memory != nullptr)
    memory_taken = false;
}
