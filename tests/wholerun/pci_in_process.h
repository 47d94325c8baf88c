// Whole runs of the program inside the test, on a simulated PC the test
// builds, so that every port access of the run can be looked at afterwards.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "driver/driver.h"
#include "hw/hw.h"
#include "pci/pci_test_support.h"
#include "wholerun/run_program.h"

struct InProcessRun {
  int status;
  std::string out;
  std::string err;
};

// Runs the main sequence with the given arguments, with no console at all,
// as from a pipe.
inline InProcessRun RunInProcess(SimMachine& sim, const std::vector<std::string>& args) {
  std::vector<std::string> texts = {"korvalt"};
  texts.insert(texts.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& text : texts)
    argv.push_back(&text[0]);
  argv.push_back(nullptr);

  StartRunOn(&sim);
  UseConsoleDescriptors(-1, -1);
  sim.trace.clear();

  testing::internal::CaptureStdout();
  testing::internal::CaptureStderr();
  int status = RunMainSequence(static_cast<int>(texts.size()), argv.data());
  std::string out = testing::internal::GetCapturedStdout();
  return {status, out, testing::internal::GetCapturedStderr()};
}

inline bool DataPortWritten(const std::vector<PortAccess>& trace) {
  for (const PortAccess& a : trace) {
    if (a.kind != 'd' && a.kind != 'i' && a.port >= 0xCFC && a.port <= 0xCFF)
      return true;
  }
  return false;
}

// The dump as the chipset section prints it, from the bytes the test expects.
inline std::string ExpectedDump(const uint8_t bytes[256]) {
  std::string text =
      "-----PCI HostBridge raw data----------------------\n"
      "   +0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F";
  char cell[8];
  for (int i = 0; i < 256; ++i) {
    if (i % 16 == 0) {
      std::snprintf(cell, sizeof cell, "\n%02X ", i);
      text += cell;
    }
    std::snprintf(cell, sizeof cell, "%c%02X", i % 16 == 8 ? ':' : ' ', bytes[i]);
    text += cell;
  }
  return text + "\n";
}
