// The simulator's own tests: a PC whose timer ticks every 1000 clocks,
// virtual time moved on at will, and the two clocks read as a program does.
#pragma once

#include "simulated_pc.h"

// Clock of 1193.182 MHz with free port accesses: one 8254 input clock is
// exactly 1000 processor clocks, and only Advance moves time.
inline SimMachineDesc TimerExactDesc() {
  SimMachineDesc desc = CachedPentium();
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
