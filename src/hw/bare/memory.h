// The bare machine's memory beyond the loaded image: the heap, then the
// benchmark's memory, both in RAM the memory map names and below 64 MB, the
// most the 430 chipsets cache.
#pragma once

#include <cstddef>

// Gives the runtime its heap; false when the RAM after the image is too
// small even for that.
bool PlaceHeap();
// The benchmark's memory after the heap: as much of wanted bytes as the RAM
// there holds, its length in *granted; nullptr when there is none or it is
// already taken.
void* TakeBenchMemory(size_t wanted, size_t* granted);
void GiveBackBenchMemory(void* memory);
