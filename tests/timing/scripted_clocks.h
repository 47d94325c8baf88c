// A machine whose timer and real-time clock follow scripts, so that a test
// knows which reading sees which value.  The counter advances by a fixed
// cost per port access and per INC EAX group, and jumps at given stalls (the
// system taking the processor away).
#pragma once

#include <functional>
#include <utility>
#include <vector>

#include "null_machine.h"

class ScriptedClocks : public NullMachine {
 public:
  std::function<int(uint64_t tsc)> timer = [](uint64_t) { return 0; };
  std::function<uint8_t(long read, uint64_t tsc)> rtc = [](long, uint64_t) { return 0; };
  std::function<uint64_t(unsigned k)> inc_group_cycles = [](unsigned k) { return 256ull * k; };
  std::vector<std::pair<uint64_t, uint64_t>> stalls;  // at counter value, jump by; in order
  uint64_t tsc = 1000, cycles_per_access = 1, cycles_per_counter_read = 0;
  double ns_per_cycle = 0.0;  // turns the stalls into time away from the program
  long timer_readings = 0, rtc_reads = 0, inc_groups = 0, square_wave_setups = 0;
  bool interrupts_on = true;

  uint8_t InByte(uint16_t port) override {
    Advance(cycles_per_access);
    if (port == 0x71)
      return rtc(rtc_reads++, tsc);
    const bool high = low_given_;
    low_given_ = !low_given_;
    return static_cast<uint8_t>(high ? latched_ >> 8 : latched_ & 0xFF);
  }
  void OutByte(uint16_t port, uint8_t value) override {
    Advance(cycles_per_access);
    if (port == 0x43 && value == 0x36)
      ++square_wave_setups;
    if (port == 0x43 && value == 0x00) {
      ++timer_readings;
      latched_ = timer(tsc) & 0xFFFF;
      low_given_ = false;
    }
  }
  uint64_t ReadTimeStampCounter() override { return tsc += cycles_per_counter_read; }
  void InterruptsOff() override { interrupts_on = false; }
  void InterruptsOn() override { interrupts_on = true; }
  void RunIncGroup(unsigned k) override {
    ++inc_groups;
    Advance(inc_group_cycles(k));
  }
  uint64_t ProcessorTimeAway() override {
    return static_cast<uint64_t>(static_cast<double>(stalled_) * ns_per_cycle);
  }

 private:
  void Advance(uint64_t cycles) {
    tsc += cycles;
    while (next_stall_ < stalls.size() && tsc >= stalls[next_stall_].first) {
      stalled_ += stalls[next_stall_].second;
      tsc += stalls[next_stall_++].second;
    }
  }
  size_t next_stall_ = 0;
  uint64_t stalled_ = 0;
  int latched_ = 0;
  bool low_given_ = false;
};

// A running 8254 channel 0 in mode 3, count 65536, on a processor of clock_hz.
inline int SquareWaveReading(uint64_t tsc, double clock_hz) {
  const auto input_clocks = static_cast<uint64_t>(static_cast<double>(tsc) / clock_hz * 1193182.0);
  return static_cast<int>((65536 - (input_clocks * 2) % 65536) % 65536);
}

// The seconds of a clock whose second lasts `length` seconds of the processor.
inline uint8_t SecondsAt(uint64_t tsc, double clock_hz, double length = 1.0) {
  return static_cast<uint8_t>(static_cast<uint64_t>(static_cast<double>(tsc) / clock_hz / length) %
                              60);
}
