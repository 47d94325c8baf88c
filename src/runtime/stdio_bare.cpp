// The standard streams of the bare machine: standard output and standard
// error both go, unbuffered, to the writer the boot code set (the screen and
// COM1); both are "terminals", since they are the console.  Formatting is the
// program's own formatter.  There is no file system: every file is missing,
// and standard input (keys come through the console) is always at its end.
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "runtime/bare.h"
#include "runtime/printf_family.h"

namespace {

FILE standard_input;
FILE standard_output;
FILE standard_error;
int error_number = 0;
RuntimeWriter writer = nullptr;

}  // namespace

void RuntimeSetOutput(RuntimeWriter output) {
  writer = output;
}

extern "C" {

FILE* stdin = &standard_input;
FILE* stdout = &standard_output;
FILE* stderr = &standard_error;

int* __errno_location() {
  return &error_number;
}

FILE* fopen(const char*, const char*) {
  errno = ENOENT;
  return nullptr;
}

size_t fread(void*, size_t, size_t, FILE*) {
  return 0;
}

int ferror(FILE*) {
  return 0;
}

int fclose(FILE*) {
  return 0;
}

size_t fwrite(const void* data, size_t size, size_t count, FILE* stream) {
  if (stream != stdout && stream != stderr)
    return 0;
  if (writer != nullptr)
    writer(static_cast<const char*>(data), size * count);
  return count;
}

int fputc(int c, FILE* stream) {
  char byte = static_cast<char>(c);
  return fwrite(&byte, 1, 1, stream) == 1 ? static_cast<unsigned char>(byte) : EOF;
}

int putc(int c, FILE* stream) {
  return fputc(c, stream);
}

int putchar(int c) {
  return fputc(c, stdout);
}

int fputs(const char* text, FILE* stream) {
  size_t length = 0;
  while (text[length] != '\0')
    ++length;
  return fwrite(text, 1, length, stream) == length ? 0 : EOF;
}

int puts(const char* text) {
  return fputs(text, stdout) == 0 && fputc('\n', stdout) != EOF ? 0 : EOF;
}

int fflush(FILE*) {
  return 0;
}

int fileno(FILE* stream) {
  return stream == stdout ? 1 : stream == stderr ? 2 : -1;
}

int isatty(int fd) {
  return fd == 1 || fd == 2;
}

}  // extern "C"

KORVALT_PRINTF_FAMILY()
