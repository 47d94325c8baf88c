// A machine whose timer and real-time clock follow scripts, for tests that
// need to know exactly which reading sees which value.  The time-stamp
// counter advances by a fixed cost per port access and per INC EAX group, so
// counts of reads and counts of cycles translate into each other exactly.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "hw/machine.h"

struct ScriptedAccess {
  char kind;  // 'i' in, 'o' out
  uint16_t port;
  uint32_t value;
};

class ScriptedClocks : public Machine {
 public:
  // The timer's n-th latched reading, given the counter at the latch.
  std::function<int(long reading, uint64_t tsc)> timer = [](long, uint64_t) { return 0; };
  // The n-th read of the seconds register, given the counter at the read.
  std::function<uint8_t(long read, uint64_t tsc)> rtc = [](long, uint64_t) { return 0; };
  // Cycles one INC EAX group of the given block length takes.
  std::function<uint64_t(unsigned block_length)> inc_group_cycles = [](unsigned k) {
    return 256ull * k;
  };

  uint64_t tsc = 1000;
  uint64_t cycles_per_access = 1;
  uint64_t cycles_per_counter_read = 0;
  long timer_readings = 0;
  long rtc_reads = 0;
  long inc_groups = 0;
  // Holes in the machine's time: at counter value first, the counter jumps
  // by second, as when the system takes the processor away.  In order.
  std::vector<std::pair<uint64_t, uint64_t>> stalls;
  std::vector<ScriptedAccess> trace;
  bool keep_trace = true;

  uint8_t InByte(uint16_t port) override {
    Advance(cycles_per_access);
    uint8_t value = 0xFF;
    if (port == 0x40) {
      value = static_cast<uint8_t>(high_next_ ? latched_ >> 8 : latched_ & 0xFF);
      high_next_ = !high_next_;
    } else if (port == 0x71) {
      value = rtc(rtc_reads++, tsc);
    }
    Record('i', port, value);
    return value;
  }
  void OutByte(uint16_t port, uint8_t value) override {
    Advance(cycles_per_access);
    if (port == 0x43 && value == 0x00) {
      latched_ = timer(timer_readings++, tsc) & 0xFFFF;
      high_next_ = false;
    }
    Record('o', port, value);
  }
  void OutDword(uint16_t port, uint32_t value) override {
    Advance(cycles_per_access);
    Record('d', port, value);
  }
  CpuidRegs Cpuid(uint32_t) override { return CpuidRegs{0, 0, 0, 0}; }
  int IdFlagChangeable() override { return 0; }
  uint64_t ReadTimeStampCounter() override {
    tsc += cycles_per_counter_read;
    return tsc;
  }
  void InterruptsOff() override {}
  void InterruptsOn() override {}
  double FdivResidue(double) override { return 0.0; }
  void RunIncGroup(unsigned block_length) override {
    ++inc_groups;
    tsc += inc_group_cycles(block_length);
  }
  void RunReadBursts(const void*, uint32_t) override {}
  void RunWriteBursts(void*, uint32_t) override {}
  void RunEmptyBursts(const void*, uint32_t) override {}
  void ClearBlock(void*, size_t) override {}
  void* AllocateTestBuffer(size_t) override { return nullptr; }
  void ReleaseTestBuffer(void*, size_t) override {}

 private:
  void Advance(uint64_t cycles) {
    tsc += cycles;
    while (next_stall_ < stalls.size() && tsc >= stalls[next_stall_].first) {
      tsc += stalls[next_stall_++].second;
    }
  }
  void Record(char kind, uint16_t port, uint32_t value) {
    if (keep_trace)
      trace.push_back(ScriptedAccess{kind, port, value});
  }
  size_t next_stall_ = 0;
  int latched_ = 0;
  bool high_next_ = false;
};

// A free-running 8254 channel 0 in mode 3 with count 65536 on a processor of
// clock_hz: the reading falls by 2 at every 1.193182 MHz input clock.
inline int SquareWaveReading(uint64_t tsc, double clock_hz) {
  const double seconds = static_cast<double>(tsc) / clock_hz;
  const uint64_t input_clocks = static_cast<uint64_t>(seconds * 1193182.0);
  return static_cast<int>((65536 - (input_clocks * 2) % 65536) % 65536);
}
