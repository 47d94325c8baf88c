// Shared pieces of the fuzz targets: text held in buffers of exactly its own
// size (so that a read one byte past the end is caught), the standard streams
// caught in memory around one call, and a check that stops the run loudly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace fuzz {

// Stops the fuzzer with the reason; libFuzzer keeps the input as a finding.
[[noreturn]] inline void Fail(const char* what, const std::string& detail) {
  std::fprintf(stderr, "\nFUZZ CHECK FAILED: %s\n%s\n", what, detail.c_str());
  std::fflush(stderr);
  std::abort();
}

// The detail is built only when the check fails: building it for every
// input would cost more than the code under test.
template <typename Detail>
void Check(bool ok, const char* what, Detail detail) {
  if (!ok)
    Fail(what, detail());
}

inline void Check(bool ok, const char* what) {
  if (!ok)
    Fail(what, std::string());
}

// A NUL-terminated copy with no spare bytes after the terminator.
inline std::unique_ptr<char[]> ExactCopy(const char* text, size_t length) {
  std::unique_ptr<char[]> copy(new char[length + 1]);
  if (length > 0)
    std::memcpy(copy.get(), text, length);
  copy[length] = '\0';
  return copy;
}

// The bytes up to the first NUL, as the program would see a C string.
inline std::string UpToNul(const uint8_t* data, size_t size) {
  const void* nul = size > 0 ? std::memchr(data, 0, size) : nullptr;
  size_t length =
      nul != nullptr ? static_cast<size_t>(static_cast<const uint8_t*>(nul) - data) : size;
  return std::string(reinterpret_cast<const char*>(data), length);
}

// Makes stdout and stderr memory streams until Finish; the program writes
// through the global stream pointers, so it lands here unchanged.  The two
// memory streams live for the whole fuzzing run and are rewound after each
// capture: opening and closing streams would cost more than the code under
// test.
class StreamCapture {
 public:
  StreamCapture() {
    static Sink out_sink;
    static Sink err_sink;
    out_sink_ = &out_sink;
    err_sink_ = &err_sink;
    out_sink_->Open();
    err_sink_->Open();
    saved_out_ = stdout;
    saved_err_ = stderr;
    stdout = out_sink_->stream;
    stderr = err_sink_->stream;
  }
  StreamCapture(const StreamCapture&) = delete;
  StreamCapture& operator=(const StreamCapture&) = delete;
  ~StreamCapture() { Finish(); }

  void Finish() {
    if (finished_)
      return;
    finished_ = true;
    stdout = saved_out_;
    stderr = saved_err_;
    out = out_sink_->TakeText();
    err = err_sink_->TakeText();
  }

  std::string out;
  std::string err;

 private:
  struct Sink {
    FILE* stream = nullptr;
    char* buffer = nullptr;
    size_t size = 0;

    void Open() {
      if (stream == nullptr)
        stream = open_memstream(&buffer, &size);
      if (stream == nullptr)
        Fail("open_memstream", "");
    }
    std::string TakeText() {
      std::fflush(stream);
      std::string text(buffer, size);
      std::fseek(stream, 0, SEEK_SET);
      return text;
    }
  };

  Sink* out_sink_;
  Sink* err_sink_;
  FILE* saved_out_;
  FILE* saved_err_;
  bool finished_ = false;
};

inline std::string Printable(const std::string& text) {
  std::string out;
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\') {
      out += static_cast<char>(c);
    } else {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
      out += escaped;
    }
  }
  return out;
}

}  // namespace fuzz
