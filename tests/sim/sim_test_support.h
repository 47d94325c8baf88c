// Small machines for the simulator's own tests.
#pragma once

#include "hw/sim/sim_machine.h"

// A plain Pentium-class PC: 100 MHz, 8 KB L1, 256 KB L2, no bridge, no
// Cyrix registers, 1 us port accesses.
inline SimMachineDesc PlainDesc() {
  SimMachineDesc desc = {};
  desc.name = "test";
  desc.description = "test machine";
  desc.cpu = {true, false, "GenuineIntel", 1, 0x052C, 0x000003BF, false, 100.0, 1.0, false};
  desc.caches = {8 * 1024, 256 * 1024, 2.0, 6.0, 20.0, 3.0, 8.0, 24.0};
  desc.bridge = nullptr;
  desc.cyrix = {false, 0, 0, false};
  desc.port_access_us = 1.0;
  desc.rtc_seconds_per_second = 1.0;
  return desc;
}

// Clock of 1193.182 MHz with free port accesses: one 8254 input clock is
// exactly 1000 processor clocks, and only Advance moves time.
inline SimMachineDesc TimerExactDesc() {
  SimMachineDesc desc = PlainDesc();
  desc.cpu.clock_mhz = 1193.182;
  desc.port_access_us = 0.0;
  return desc;
}

// Moves virtual time on by an even number of clocks (the empty loop costs
// exactly two per trip).
inline void Advance(SimMachine& m, uint64_t clocks) {
  while (clocks >= 2) {
    const uint64_t trips = clocks / 2 > 0x40000000u ? 0x40000000u : clocks / 2;
    m.RunEmptyBursts(nullptr, static_cast<uint32_t>(trips));
    clocks -= trips * 2;
  }
}

// Latch and read channel 0, low byte then high byte.
inline unsigned LatchedCount(SimMachine& m) {
  m.OutByte(0x43, 0x00);
  const unsigned low = m.InByte(0x40);
  const unsigned high = m.InByte(0x40);
  return high * 256 + low;
}

inline uint8_t RtcSeconds(SimMachine& m) {
  m.OutByte(0x70, 0x00);
  return m.InByte(0x71);
}
