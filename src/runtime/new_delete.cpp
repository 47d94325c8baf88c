// operator new and delete over the C library's malloc and free, for the
// Pentium builds: the prebuilt C++ runtime's own are compiled for later
// processors (mingw-w64's execute CMOV), and the bare machine has none.
#include <cstdlib>
#include <new>

void* operator new(size_t size) {
  if (size == 0)
    size = 1;
  for (;;) {
    void* block = malloc(size);
    if (block != nullptr)
      return block;
#if defined(__cpp_exceptions)
    std::new_handler handler = std::get_new_handler();
    if (handler == nullptr)
      throw std::bad_alloc();
    handler();
#else
    // The bare machine: no exceptions, no handler, nothing to free.
    abort();
#endif
  }
}

void* operator new[](size_t size) {
  return operator new(size);
}
void operator delete(void* block) noexcept {
  free(block);
}
void operator delete[](void* block) noexcept {
  free(block);
}
void operator delete(void* block, size_t) noexcept {
  free(block);
}
void operator delete[](void* block, size_t) noexcept {
  free(block);
}
