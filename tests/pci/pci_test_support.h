// A bare simulated PC carrying one host bridge, and the run state the PCI
// code reads, for the tests of configuration access, the chipset section and
// the set command.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "console/console.h"
#include "driver/options.h"
#include "hw/hw.h"
#include "hw/sim/sim_machine.h"
#include "pci/host_bridge.h"

// Bridge contents as the tests want them: every byte and write mask listed.
struct BridgeBytes {
  std::vector<SimRegInit> regs;
  SimBridgeImage image{nullptr, 0};

  BridgeBytes(uint16_t vendor, uint16_t device, std::vector<SimRegInit> extra = {}) {
    regs = {{0x00, static_cast<uint8_t>(vendor & 0xFF), 0x00},
            {0x01, static_cast<uint8_t>(vendor >> 8), 0x00},
            {0x02, static_cast<uint8_t>(device & 0xFF), 0x00},
            {0x03, static_cast<uint8_t>(device >> 8), 0x00}};
    regs.insert(regs.end(), extra.begin(), extra.end());
    image = {regs.data(), regs.size()};
  }
};

inline SimMachineDesc BareMachine(const SimBridgeImage* bridge) {
  SimMachineDesc desc;
  std::memset(&desc, 0, sizeof desc);
  desc.name = "pci-test";
  desc.description = "bare PC for PCI tests";
  desc.cpu.has_cpuid = true;
  std::memcpy(desc.cpu.vendor, "GenuineIntel", 13);
  desc.cpu.max_leaf = 1;
  desc.cpu.signature = 0x52C;
  desc.cpu.features_edx = 0x1BF;
  desc.cpu.clock_mhz = 133.0;
  desc.cpu.inc_per_clock = 1.0;
  desc.bridge = bridge;
  desc.port_access_us = 1.0;
  desc.rtc_seconds_per_second = 1.0;
  return desc;
}

// Quiet, pause-free options, a fresh screen and no chipset, as at the start
// of a run.
inline void ResetRunState() {
  std::memset(&options, 0, sizeof options);
  pager_line = 0;
  pager_column = 0;
  options.batch = 1;
  options.no_beep = 1;
  current_chipset = nullptr;
}

inline std::vector<PortAccess> PciAccesses(const std::vector<PortAccess>& trace) {
  std::vector<PortAccess> out;
  for (const PortAccess& a : trace) {
    if (a.port == 0xCF8 || (a.port >= 0xCFC && a.port <= 0xCFF))
      out.push_back(a);
  }
  return out;
}

// The trace with the values of byte reads left out, as "d CF8 80000050",
// "i CFC", "o CFE 1F": what was selected, where it was read and what was written.
inline std::vector<std::string> Describe(const std::vector<PortAccess>& trace) {
  std::vector<std::string> out;
  char text[40];
  for (const PortAccess& a : PciAccesses(trace)) {
    if (a.kind == 'i') {
      std::snprintf(text, sizeof text, "i %X", a.port);
    } else {
      std::snprintf(text, sizeof text, "%c %X %X", a.kind, a.port, a.value);
    }
    out.push_back(text);
  }
  return out;
}

inline std::vector<std::string> ReadSequence(unsigned reg) {
  char select[40];
  char read[16];
  std::snprintf(select, sizeof select, "d CF8 %X", 0x80000000u | reg);
  std::snprintf(read, sizeof read, "i %X", 0xCFCu + (reg & 3));
  return {select, read, "d CF8 0"};
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
