// The bare machine's memory beyond the loaded image: the heap, then the
// benchmark buffer, both in RAM the memory map names and below 64 MB, the
// most the 430 chipsets cache.
#pragma once

#include <cstddef>

// Gives the runtime its heap; false when the RAM after the image is too
// small even for that.
bool PlaceHeap();
// The benchmark buffer of that many bytes after the heap, or nullptr when
// the RAM there is too small or the buffer is already taken.
void* TakeTestBuffer(size_t bytes);
void GiveBackTestBuffer(void* buffer);
