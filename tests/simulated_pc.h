// The simulated PCs that tests build for themselves, the run state a test
// starts from, and the way tests take a report apart.
#pragma once

#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "console/console.h"
#include "cpu/cpu.h"
#include "cpu/cpu_info.h"
#include "hw/hw.h"
#include "hw/sim/sim_machine.h"
#include "pci/host_bridge.h"

// A PC with nothing on its board but the given processor (leaves 0 and 1,
// one INC EAX per clock) and the given host bridge (nullptr: no PCI bus): no
// caches, no Cyrix registers, 1 us port accesses, a real-time clock that
// keeps time.
inline SimMachineDesc BarePc(const char* vendor, uint32_t signature, uint32_t features_edx,
                             double clock_mhz, const SimBridgeImage* bridge = nullptr) {
  SimMachineDesc desc;
  std::memset(&desc, 0, sizeof desc);
  desc.name = "test";
  desc.description = "test machine";
  desc.cpu.has_cpuid = true;
  std::memcpy(desc.cpu.vendor, vendor, 13);
  desc.cpu.max_leaf = 1;
  desc.cpu.signature = signature;
  desc.cpu.features_edx = features_edx;
  desc.cpu.clock_mhz = clock_mhz;
  desc.cpu.inc_per_clock = 1.0;
  desc.bridge = bridge;
  desc.port_access_us = 1.0;
  desc.rtc_seconds_per_second = 1.0;
  return desc;
}

// A 100 MHz Pentium with 8 KB of L1 and 256 KB of L2, and no bridge.
inline SimMachineDesc CachedPentium() {
  SimMachineDesc desc = BarePc("GenuineIntel", 0x052C, 0x000003BF, 100.0);
  desc.caches = {8 * 1024, 256 * 1024, 2.0, 6.0, 20.0, 3.0, 8.0, 24.0};
  return desc;
}

// A bare PC with a Cyrix 6x86 (133 MHz, no time-stamp counter) whose CPUID
// and ID flag answer only while CCR4 bit 7 is set.
inline SimMachineDesc Cyrix6x86Pc(SimCyrix registers) {
  SimMachineDesc desc = BarePc("CyrixInstead", 0x0520, 0x00000105, 133.33);
  desc.cpu.cpuid_gated_by_cyrix = true;
  desc.cyrix = registers;
  return desc;
}

// As at the start of a run: nothing detected, no chipset, a fresh screen,
// and quiet options that never pause.
inline void ResetRunState() {
  cpu_info = CpuInfo{};
  fdiv_check = 0;
  current_chipset = nullptr;
  SetConsoleSwitches(false, false);
  pager_line = 0;
  pager_column = 0;
}

// The same, on sim.
inline void StartRunOn(SimMachine* sim) {
  ResetRunState();
  UseMachine(sim, false);
}

// Every line of a text, without its line end.
inline std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos)
      end = text.size();
    out.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return out;
}
