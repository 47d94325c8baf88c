// Models of the PC devices that a machine serves itself instead of reaching
// real ports: the 8254 interval timer's channel 0, the BCD digits of the
// CMOS clock and the decoding of PCI configuration mechanism #1.  The
// simulated PCs are built on them, and so is the native machine wherever the
// system keeps the real ports to itself.  Every model is plain state plus
// operations; time comes in as an argument, counted in the timer's input
// clocks, so that the models can be driven without real waiting.
#pragma once

#include <cstdint>

// The 8254's input clock: the 14.31818 MHz oscillator divided by 12.
constexpr uint64_t TIMER_INPUT_HZ = 1193182;

// A count of ticks at from_hz as whole ticks at to_hz, split so that the
// product cannot overflow however large the count (to_hz times from_hz must
// fit in 64 bits).
inline uint64_t ScaleCount(uint64_t count, uint64_t to_hz, uint64_t from_hz) {
  return count / from_hz * to_hz + count % from_hz * to_hz / from_hz;
}

// Channel 0 of the 8254.  Every operation is given the input clocks counted
// so far on a scale of the caller's choosing that never runs backwards.
struct TimerChannelModel {
  uint32_t reload;       // 1..65536 (a written 0 means 65536)
  uint8_t mode;          // 0..5; mode 3 steps by 2, every other mode by 1
  uint8_t access;        // 1 low byte only, 2 high byte only, 3 low then high
  bool counting;         // false from a mode change until the new count is written
  uint16_t held;         // the count shown while counting is stopped
  uint64_t loaded_at;    // when the current count was loaded
  bool latched;          // a latch command holds latch_value
  uint16_t latch_value;  // the count frozen by the latch command
  bool read_high_next;   // the read flip-flop of the low/high access mode
  bool write_high_next;  // the write flip-flop of the low/high access mode
  uint8_t pending_low;   // the low byte of a count being written
};

// The PC's standard setting: mode 3, low/high access, count 65536, counting
// from now.
void TimerReset(TimerChannelModel* timer, uint64_t now);
// A byte written to the control port 43h.  Only channel 0 is modelled: other
// channels and the read-back command are ignored.
void TimerWriteControl(TimerChannelModel* timer, uint8_t value, uint64_t now);
// A byte written to the channel 0 data port 40h.
void TimerWriteCount(TimerChannelModel* timer, uint8_t value, uint64_t now);
// A byte read from the channel 0 data port 40h.
uint8_t TimerReadCount(TimerChannelModel* timer, uint64_t now);
// The counting element at now, as a latch would freeze it.
uint16_t TimerCountAt(const TimerChannelModel* timer, uint64_t now);

// A value below 100 as the CMOS clock keeps it: two BCD digits.
uint8_t ToBcd(unsigned value);

// The 32-bit address port 0CF8h of configuration mechanism #1 and the byte
// lanes 0CFCh..0CFFh behind it.
struct PciMechanismModel {
  uint32_t address;  // the last word written to 0CF8h
};

struct PciTarget {
  bool enabled;  // bit 31 of the address word
  unsigned bus;
  unsigned device;
  unsigned function;
  unsigned reg;  // the byte within the function's 256 configuration bytes
};

// Which configuration byte a byte access at data_port (0CFCh..0CFFh) reaches.
PciTarget DecodePciAccess(const PciMechanismModel* pci, uint16_t data_port);
