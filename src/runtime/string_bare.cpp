// The string and memory functions of the C library, for the bare machine.
// The compiler also calls memset, memcpy and memmove on its own.
#include <strings.h>

#include <cerrno>
#include <cstddef>
#include <cstdint>

// Declared here rather than taken from <cstring>, whose C++ overloads of
// memchr would clash with the C definition.
extern "C" {
void* memset(void* block, int value, size_t bytes);
void* memcpy(void* to, const void* from, size_t bytes);
void* memmove(void* to, const void* from, size_t bytes);
int memcmp(const void* a, const void* b, size_t bytes);
void* memchr(const void* block, int value, size_t bytes);
size_t strlen(const char* text);
int strncmp(const char* a, const char* b, size_t count);
int strcmp(const char* a, const char* b);
char* strerror(int number);

// String instructions: the benchmark clears megabytes between its rows, and
// a byte loop would take seconds of it on a slow machine.
void* memset(void* block, int value, size_t bytes) {
  uint32_t pattern = static_cast<unsigned char>(value) * 0x01010101u;
  void* to = block;
  size_t words = bytes / 4;
  size_t rest = bytes % 4;
  asm volatile("rep stosl\n\tmovl %3, %%ecx\n\trep stosb"
               : "+D"(to), "+c"(words)
               : "a"(pattern), "r"(rest)
               : "memory");
  return block;
}

void* memcpy(void* to, const void* from, size_t bytes) {
  void* d = to;
  size_t words = bytes / 4;
  size_t rest = bytes % 4;
  asm volatile("rep movsl\n\tmovl %3, %%ecx\n\trep movsb"
               : "+D"(d), "+S"(from), "+c"(words)
               : "r"(rest)
               : "memory");
  return to;
}

void* memmove(void* to, const void* from, size_t bytes) {
  auto* d = static_cast<unsigned char*>(to);
  const auto* s = static_cast<const unsigned char*>(from);
  if (d <= s || d >= s + bytes)
    return memcpy(to, from, bytes);
  for (size_t i = bytes; i > 0; --i)
    d[i - 1] = s[i - 1];
  return to;
}

int memcmp(const void* a, const void* b, size_t bytes) {
  const auto* p = static_cast<const unsigned char*>(a);
  const auto* q = static_cast<const unsigned char*>(b);
  for (size_t i = 0; i < bytes; ++i) {
    if (p[i] != q[i])
      return p[i] < q[i] ? -1 : 1;
  }
  return 0;
}

void* memchr(const void* block, int value, size_t bytes) {
  const auto* p = static_cast<const unsigned char*>(block);
  for (size_t i = 0; i < bytes; ++i) {
    if (p[i] == static_cast<unsigned char>(value))
      return const_cast<unsigned char*>(p + i);
  }
  return nullptr;
}

size_t strlen(const char* text) {
  size_t length = 0;
  while (text[length] != '\0')
    ++length;
  return length;
}

int strncmp(const char* a, const char* b, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    unsigned char p = static_cast<unsigned char>(a[i]);
    unsigned char q = static_cast<unsigned char>(b[i]);
    if (p != q)
      return p < q ? -1 : 1;
    if (p == '\0')
      break;
  }
  return 0;
}

int strcmp(const char* a, const char* b) {
  return strncmp(a, b, static_cast<size_t>(-1));
}

static unsigned char LowerCase(char c) {
  unsigned char u = static_cast<unsigned char>(c);
  return (u >= 'A' && u <= 'Z') ? static_cast<unsigned char>(u + ('a' - 'A')) : u;
}

int strncasecmp(const char* a, const char* b, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    unsigned char p = LowerCase(a[i]);
    unsigned char q = LowerCase(b[i]);
    if (p != q)
      return p < q ? -1 : 1;
    if (p == '\0')
      break;
  }
  return 0;
}

int strcasecmp(const char* a, const char* b) {
  return strncasecmp(a, b, static_cast<size_t>(-1));
}

// The one error the bare runtime reports is a missing file.
char* strerror(int number) {
  static char no_file[] = "No such file or directory";
  static char other[] = "Unknown error";
  return number == ENOENT ? no_file : other;
}

}  // extern "C"
