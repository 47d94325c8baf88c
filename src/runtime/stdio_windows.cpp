// Formatted printing for the Windows build.  mingw-w64 routes every printf
// of C++ code to its own formatter, whose prebuilt code uses CMOV and FCOMI
// (instructions of the Pentium Pro and later); the program defines those
// entry points itself, on its own formatter, so that korvalt.exe prints on
// a Pentium and rounds exactly as the C library of other systems does.
#include <climits>
#include <cstdarg>
#include <cstdio>

#include "runtime/format.h"

extern "C" {

int __cdecl __mingw_vsnprintf(char* buffer, size_t size, const char* format, va_list args) {
  return FormatToBuffer(buffer, size, format, args);
}

int __cdecl __mingw_snprintf(char* buffer, size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = FormatToBuffer(buffer, size, format, args);
  va_end(args);
  return length;
}

// The unbounded forms trust the caller's buffer, as their standard
// counterparts do.
int __cdecl __mingw_vsprintf(char* buffer, const char* format, va_list args) {
  return FormatToBuffer(buffer, INT_MAX, format, args);
}

int __cdecl __mingw_sprintf(char* buffer, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = FormatToBuffer(buffer, INT_MAX, format, args);
  va_end(args);
  return length;
}

int __cdecl __mingw_vfprintf(FILE* stream, const char* format, va_list args) {
  return FormatToStream(stream, format, args);
}

int __cdecl __mingw_fprintf(FILE* stream, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = FormatToStream(stream, format, args);
  va_end(args);
  return length;
}

int __cdecl __mingw_vprintf(const char* format, va_list args) {
  return FormatToStream(stdout, format, args);
}

int __cdecl __mingw_printf(const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = FormatToStream(stdout, format, args);
  va_end(args);
  return length;
}

}  // extern "C"
