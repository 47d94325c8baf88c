// Saved dumps for the runs that read them: a file that lives as long as the
// test, a report's dump rows as lspci prints them, and a run without a
// terminal.
#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "wholerun/run_program.h"

// A run on saved dumps alone must never choose the environment's machine:
// this one would end it with status 2.
inline constexpr char NO_MACHINE[] = "KORVALT_MACHINE=no-such-machine";

inline ProgramResult RunKorvalt(std::vector<std::string> args, std::vector<std::string> env) {
  RunRequest request;
  request.args = std::move(args);
  request.env = std::move(env);
  return RunWithoutTerminal(request);
}

// A run that must end before the banner with status 2, nothing on standard
// output, and standard error naming `said`.
struct RefusedRun {
  std::vector<std::string> args;
  std::string said;
};

inline void ExpectRefusedBeforeTheBanner(const RefusedRun& run, const std::string& env) {
  SCOPED_TRACE(run.args.front());
  ProgramResult result = RunKorvalt(run.args, {env});
  EXPECT_FALSE(result.timed_out);
  EXPECT_EQ(result.exit_status, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err.find(run.said), std::string::npos) << result.err;
}

class TempFile {
 public:
  explicit TempFile(const std::string& text) {
    char name[] = "/tmp/korvalt-dump-XXXXXX";
    int fd = mkstemp(name);
    EXPECT_GE(fd, 0);
    close(fd);
    path_ = name;
    std::ofstream(path_, std::ios::binary) << text;
  }
  ~TempFile() { unlink(path_.c_str()); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

// The report's dump rows as lspci -xxxx prints them, with another device
// ahead of the host bridge's block.
inline std::string AsLspci(const std::string& report) {
  std::string text =
      "00:07.0 ISA bridge: Intel Corporation 82371AB PIIX4 ISA (rev 01)\n"
      "00: 86 80 10 71 0f 00 80 02 01 00 01 06 00 00 80 00\n\n"
      "00:00.0 Host bridge: Some Corporation Some bridge\n";
  size_t at = report.find("\n00  ");
  for (unsigned row = 0; row < 16; ++row) {
    std::string line = report.substr(at + 1, 51);
    at += 52;
    std::string out = line.substr(0, 2) + ":";
    for (size_t i = 3; i < line.size(); ++i) {
      char c = line[i] == ':' ? ' ' : line[i];
      out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    text += out + "\n";
  }
  // lspci -xxxx goes on through the extended space, offsets in three
  // digits.
  for (unsigned offset = 0x100; offset < 0x1000; offset += 16) {
    char row[8];
    std::snprintf(row, sizeof row, "%03x:", offset);
    text += row;
    for (int i = 0; i < 16; ++i)
      text += " 00";
    text += "\n";
  }
  return text;
}
