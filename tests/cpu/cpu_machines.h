// Simulated processors for the identification and Cyrix tests: a bare PC
// without a PCI bus, whose processor the test describes.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "console/console.h"
#include "cpu/cpu.h"
#include "cpu/cpu_info.h"
#include "driver/options.h"
#include "hw/hw.h"
#include "hw/sim/sim_machine.h"

inline SimMachineDesc ProcessorMachine(const char* vendor, uint32_t signature,
                                       uint32_t features_edx, double clock_mhz) {
  SimMachineDesc desc;
  std::memset(&desc, 0, sizeof desc);
  desc.name = "cpu-test";
  desc.description = "bare PC for processor tests";
  desc.cpu.has_cpuid = true;
  std::memcpy(desc.cpu.vendor, vendor, 13);
  desc.cpu.max_leaf = 1;
  desc.cpu.signature = signature;
  desc.cpu.features_edx = features_edx;
  desc.cpu.clock_mhz = clock_mhz;
  desc.cpu.inc_per_clock = 1.0;
  desc.port_access_us = 1.0;
  desc.rtc_seconds_per_second = 1.0;
  return desc;
}

// A fresh run: nothing detected yet, no pauses, no flaw test asked for.
inline void StartCpuRun(SimMachine* sim) {
  cpu_info = CpuInfo{};
  fdiv_check = 0;
  std::memset(&options, 0, sizeof options);
  options.batch = 1;
  pager_line = 0;
  pager_column = 0;
  UseMachine(sim, false);
}

// Detection and the processor section, as the run prints them.
inline std::string DetectAndReport(SimMachine* sim) {
  StartCpuRun(sim);
  testing::internal::CaptureStdout();
  DetectCpu();
  PrintCpuReport();
  return testing::internal::GetCapturedStdout();
}
