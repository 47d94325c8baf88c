// printf-style formatting written out in full: the conversions of the C
// standard (d i u o x X c s p f F e E g G %) with every flag, width,
// precision and length modifier, floating-point values rounded exactly
// (ties to even, as the C library of every other system does).  The Pentium
// builds print through it: the formatter of the prebuilt Windows runtime
// holds instructions that Pentium-era processors lack, and the bare machine
// has no C library.  Other systems use their C library's.
#pragma once

#include <cstdarg>
#include <cstddef>
#include <cstdio>

// Formats into buffer, of which at most size - 1 characters and the
// terminating NUL are written (nothing at all when size is 0); returns the
// length the whole text has, as vsnprintf does.
int FormatToBuffer(char* buffer, size_t size, const char* format, va_list args);
// Formats straight onto the stream, in pieces, whatever the length; returns
// the number of characters written, or -1 when the stream failed.
int FormatToStream(FILE* stream, const char* format, va_list args);
