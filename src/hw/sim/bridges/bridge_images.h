// Configuration-space images of the host bridges the simulated PCs carry:
// what a BIOS of the time leaves in each chip, and which bits software can
// change.  Registers not listed read 00h and are read-only.
#pragma once

#include <cstddef>
#include <cstdint>

struct SimRegInit {
  uint8_t reg;
  uint8_t value;
  uint8_t write_mask;  // 1 = the bit takes what is written
};

struct SimBridgeImage {
  const SimRegInit* regs;
  size_t count;
};

// The image of a whole list of registers.
template <size_t N>
constexpr SimBridgeImage ImageOf(const SimRegInit (&regs)[N]) {
  return {regs, N};
}

extern const SimBridgeImage SIM_BRIDGE_82439HX;
extern const SimBridgeImage SIM_BRIDGE_82439VX;
extern const SimBridgeImage SIM_BRIDGE_82439TX;
extern const SimBridgeImage SIM_BRIDGE_82437FX;
extern const SimBridgeImage SIM_BRIDGE_82434LX;
extern const SimBridgeImage SIM_BRIDGE_82441FX;
extern const SimBridgeImage SIM_BRIDGE_82443LX;
extern const SimBridgeImage SIM_BRIDGE_82443BX;
extern const SimBridgeImage SIM_BRIDGE_SIS5571;
extern const SimBridgeImage SIM_BRIDGE_SIS5591;
extern const SimBridgeImage SIM_BRIDGE_SIS5596;
extern const SimBridgeImage SIM_BRIDGE_SIS5597;
extern const SimBridgeImage SIM_BRIDGE_M1531;
extern const SimBridgeImage SIM_BRIDGE_M1541;
extern const SimBridgeImage SIM_BRIDGE_VT82C595;
extern const SimBridgeImage SIM_BRIDGE_VT82C580VPX;
extern const SimBridgeImage SIM_BRIDGE_VT82C598;
extern const SimBridgeImage SIM_BRIDGE_VT82C694X;
extern const SimBridgeImage SIM_BRIDGE_UMC8881;
