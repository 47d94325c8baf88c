// A bare simulated PC carrying one host bridge, and the configuration
// accesses of its trace, for the tests of configuration access, the chipset
// section and the set command.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "simulated_pc.h"

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

// The bridge tests' PC: a 133 MHz Pentium carrying the given bridge.
inline SimMachineDesc BareMachine(const SimBridgeImage* bridge) {
  return BarePc("GenuineIntel", 0x052C, 0x000001BF, 133.0, bridge);
}

// The accesses to the ports of both configuration mechanisms: 0CF8h-0CFFh
// and the mechanism #2 window C000h-CFFFh.
inline std::vector<PortAccess> PciAccesses(const std::vector<PortAccess>& trace) {
  std::vector<PortAccess> out;
  for (const PortAccess& a : trace) {
    if ((a.port >= 0xCF8 && a.port <= 0xCFF) || (a.port >= 0xC000 && a.port <= 0xCFFF))
      out.push_back(a);
  }
  return out;
}

// The trace with the values of byte reads left out, as "d CF8 80000050",
// "i CFC", "o CFE 1F", "o CFA 0", "i C003": what was selected, where it was
// read and what was written.
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
