// Detection and the processor section on a simulated PC whose processor the
// test describes.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "simulated_pc.h"

// Detection and the processor section, as the run prints them.
inline std::string DetectAndReport(SimMachine* sim) {
  StartRunOn(sim);
  testing::internal::CaptureStdout();
  DetectCpu();
  PrintCpuReport();
  return testing::internal::GetCapturedStdout();
}
