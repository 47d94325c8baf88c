// The C library's printf family, defined on the program's own formatter.  A
// build that replaces its library's formatter names the entry points once:
// KORVALT_PRINTF_FAMILY(__mingw_) defines __mingw_printf and the rest,
// KORVALT_PRINTF_FAMILY() printf itself.  The unbounded forms trust the
// caller's buffer, as their standard counterparts do.
#pragma once

#include <climits>
#include <cstdarg>
#include <cstdio>

#include "runtime/format.h"

#define KORVALT_PRINTF_FAMILY(prefix)                                                  \
  extern "C" {                                                                         \
  int prefix##vsnprintf(char* buffer, size_t size, const char* format, va_list args) { \
    return FormatToBuffer(buffer, size, format, args);                                 \
  }                                                                                    \
  int prefix##snprintf(char* buffer, size_t size, const char* format, ...) {           \
    va_list args;                                                                      \
    va_start(args, format);                                                            \
    int length = FormatToBuffer(buffer, size, format, args);                           \
    va_end(args);                                                                      \
    return length;                                                                     \
  }                                                                                    \
  int prefix##vsprintf(char* buffer, const char* format, va_list args) {               \
    return FormatToBuffer(buffer, INT_MAX, format, args);                              \
  }                                                                                    \
  int prefix##sprintf(char* buffer, const char* format, ...) {                         \
    va_list args;                                                                      \
    va_start(args, format);                                                            \
    int length = FormatToBuffer(buffer, INT_MAX, format, args);                        \
    va_end(args);                                                                      \
    return length;                                                                     \
  }                                                                                    \
  int prefix##vfprintf(FILE* stream, const char* format, va_list args) {               \
    return FormatToStream(stream, format, args);                                       \
  }                                                                                    \
  int prefix##fprintf(FILE* stream, const char* format, ...) {                         \
    va_list args;                                                                      \
    va_start(args, format);                                                            \
    int length = FormatToStream(stream, format, args);                                 \
    va_end(args);                                                                      \
    return length;                                                                     \
  }                                                                                    \
  int prefix##vprintf(const char* format, va_list args) {                              \
    return FormatToStream(stdout, format, args);                                       \
  }                                                                                    \
  int prefix##printf(const char* format, ...) {                                        \
    va_list args;                                                                      \
    va_start(args, format);                                                            \
    int length = FormatToStream(stdout, format, args);                                 \
    va_end(args);                                                                      \
    return length;                                                                     \
  }                                                                                    \
  }
