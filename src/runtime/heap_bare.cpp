// malloc and free for the bare machine: first fit over one area that the
// boot code hands over, each block with a small header; a freed block joins
// the free blocks after it.  The program allocates little (a few texts that
// grow), so a simple list is enough.
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "runtime/bare.h"

namespace {

struct Block {
  size_t size;  // bytes after the header
  bool free;
  Block* next;
};

const size_t ALIGNMENT = 16;
const size_t HEADER = (sizeof(Block) + ALIGNMENT - 1) / ALIGNMENT * ALIGNMENT;

Block* first = nullptr;

size_t RoundUp(size_t bytes) {
  return (bytes + ALIGNMENT - 1) / ALIGNMENT * ALIGNMENT;
}

Block* HeaderOf(void* payload) {
  return reinterpret_cast<Block*>(static_cast<char*>(payload) - HEADER);
}

void* PayloadOf(Block* block) {
  return reinterpret_cast<char*>(block) + HEADER;
}

void JoinFollowing(Block* block) {
  while (block->next != nullptr && block->next->free) {
    block->size += HEADER + block->next->size;
    block->next = block->next->next;
  }
}

}  // namespace

void RuntimeSetHeap(void* start, size_t bytes) {
  uintptr_t at = (reinterpret_cast<uintptr_t>(start) + ALIGNMENT - 1) / ALIGNMENT * ALIGNMENT;
  bytes -= at - reinterpret_cast<uintptr_t>(start);
  first = reinterpret_cast<Block*>(at);
  first->size = (bytes - HEADER) / ALIGNMENT * ALIGNMENT;
  first->free = true;
  first->next = nullptr;
}

extern "C" {

void* malloc(size_t bytes) {
  if (bytes > SIZE_MAX / 2)
    return nullptr;
  bytes = RoundUp(bytes == 0 ? 1 : bytes);
  for (Block* block = first; block != nullptr; block = block->next) {
    if (!block->free)
      continue;
    JoinFollowing(block);
    if (block->size < bytes)
      continue;
    if (block->size >= bytes + HEADER + ALIGNMENT) {
      auto* rest = reinterpret_cast<Block*>(static_cast<char*>(PayloadOf(block)) + bytes);
      rest->size = block->size - bytes - HEADER;
      rest->free = true;
      rest->next = block->next;
      block->next = rest;
      block->size = bytes;
    }
    block->free = false;
    return PayloadOf(block);
  }
  return nullptr;
}

void free(void* payload) {
  if (payload == nullptr)
    return;
  Block* block = HeaderOf(payload);
  block->free = true;
  JoinFollowing(block);
}

void* calloc(size_t count, size_t size) {
  if (size != 0 && count > SIZE_MAX / size)
    return nullptr;
  void* payload = malloc(count * size);
  if (payload != nullptr)
    memset(payload, 0, count * size);
  return payload;
}

void* realloc(void* payload, size_t bytes) {
  if (payload == nullptr)
    return malloc(bytes);
  Block* block = HeaderOf(payload);
  if (block->size >= bytes)
    return payload;
  void* moved = malloc(bytes);
  if (moved != nullptr) {
    memcpy(moved, payload, block->size);
    free(payload);
  }
  return moved;
}

}  // extern "C"
