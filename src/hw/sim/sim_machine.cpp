// The processor side of a simulated PC: port dispatch, CPUID, the counter,
// the interrupt flag, the FPU and the timed loops.  Every operation costs
// clocks on the one virtual counter; the devices read their time from it.
#include "hw/sim/sim_machine.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

// Costs in processor clocks of the operations that are not port accesses or
// memory sweeps, roughly as a Pentium-class processor spends them.
constexpr uint64_t CPUID_CLOCKS = 40;
constexpr uint64_t ID_FLAG_TEST_CLOCKS = 20;
// Constant, so that a stopwatch start followed by a stop always costs the same.
constexpr uint64_t COUNTER_READ_CLOCKS = 6;
constexpr uint64_t INTERRUPT_FLAG_CLOCKS = 7;
constexpr uint64_t FPU_CHECK_CLOCKS = 45;
// Per group block: the counter decrement and the branch back.
constexpr double BLOCK_CONTROL_CLOCKS = 2.0;
// Per 128-byte trip: the pointer step, the decrement and the branch; the same
// in the empty loop and in the bursts, so that the difference is the memory.
constexpr uint64_t TRIP_CONTROL_CLOCKS = 2;
constexpr uint64_t ALLOCATION_CLOCKS = 2000;

// The flawed Pentium divider lacks the top entries of five columns of its
// quotient-digit table; only divisors whose mantissa starts 1.0001, 1.0100,
// 1.0111, 1.1010 or 1.1101 followed by six ones can reach them.
bool DivisorHitsFlawedTable(double x) {
  uint64_t bits;
  std::memcpy(&bits, &x, sizeof bits);
  const uint64_t mantissa = bits & 0x000FFFFFFFFFFFFFull;
  const unsigned column = static_cast<unsigned>(mantissa >> 48);  // 4 bits after the 1.
  if (column != 0x1 && column != 0x4 && column != 0x7 && column != 0xA && column != 0xD) {
    return false;
  }
  return ((mantissa >> 42) & 0x3F) == 0x3F;
}

// The ports of the two configuration mechanisms: 0CF8h-0CFFh and the
// window C000h-CFFFh.
bool IsPciPort(uint16_t port) {
  return (port >= 0xCF8 && port <= 0xCFF) || (port >= 0xC000 && port <= 0xCFFF);
}

}  // namespace

SimMachine::SimMachine(const SimMachineDesc& desc) : desc_(desc) {
  clock_hz_ = static_cast<uint64_t>(std::llround(desc.cpu.clock_mhz * 1e6));
  if (clock_hz_ == 0)
    clock_hz_ = 1;
  port_clocks_ = ClocksForMicroseconds(desc.port_access_us);
  std::memset(config, 0, sizeof config);
  std::memset(write_mask, 0, sizeof write_mask);
  if (desc.bridge != nullptr) {
    for (size_t i = 0; i < desc.bridge->count; ++i) {
      const SimRegInit& reg = desc.bridge->regs[i];
      config[reg.reg] = reg.value;
      write_mask[reg.reg] = reg.write_mask;
    }
  }
  TimerReset(&timer_, TimerTicks());
  ccr3 = desc.cyrix.ccr3;
  ccr4 = desc.cyrix.ccr4;
}

uint64_t SimMachine::ClocksForMicroseconds(double us) const {
  if (!(us > 0.0))
    return 0;
  return static_cast<uint64_t>(std::llround(us * static_cast<double>(clock_hz_) / 1e6));
}

void SimMachine::Record(char kind, uint16_t port, uint32_t value) {
  if (tracing)
    trace.push_back(PortAccess{kind, port, value});
}

uint8_t SimMachine::InByte(uint16_t port) {
  Spend(port_clocks_);
  uint8_t value = 0xFF;
  if (port == 0x23) {
    value = CyrixRead();
  } else {
    cyrix_index_ = -1;
    if (port == 0x40) {
      value = TimerReadCount(&timer_, TimerTicks());
    } else if (port == 0x71) {
      value = CmosRead();
    } else if (IsPciPort(port)) {
      value = PciRead(port);
    }
  }
  Record('i', port, value);
  return value;
}

void SimMachine::OutByte(uint16_t port, uint8_t value) {
  Spend(port_clocks_);
  Record('o', port, value);
  if (port == 0x22) {
    cyrix_index_ = desc_.cyrix.present ? value : -1;
    return;
  }
  if (port == 0x23) {
    CyrixWrite(value);
    return;
  }
  cyrix_index_ = -1;
  if (port == 0x43) {
    TimerWriteControl(&timer_, value, TimerTicks());
  } else if (port == 0x40) {
    TimerWriteCount(&timer_, value, TimerTicks());
  } else if (port == 0x70) {
    cmos_index_ = value & 0x7F;  // bit 7 is the NMI mask, not part of the index
  } else if (port == 0x71) {
    CmosWrite(value);
  } else if (IsPciPort(port)) {
    PciWrite(port, value);
  }
}

void SimMachine::OutDword(uint16_t port, uint32_t value) {
  Spend(port_clocks_);
  Record('d', port, value);
  cyrix_index_ = -1;
  if (port == 0xCF8) {
    if (AnswersMechanism1())
      pci_.address = value;
  } else if (port == 0xCFC) {
    for (uint16_t lane = 0; lane < 4; ++lane) {
      PciWrite(static_cast<uint16_t>(0xCFC + lane), static_cast<uint8_t>(value >> (8 * lane)));
    }
  }
}

// A processor without CPUID, or a Cyrix with the instruction switched off,
// would fault; the model answers zeros, which no caller can take for a
// processor.  Leaves above the highest one repeat the highest, as the
// Pentium-era processors do.
CpuidRegs SimMachine::Cpuid(uint32_t leaf) {
  Spend(CPUID_CLOCKS);
  CpuidRegs regs = {0, 0, 0, 0};
  if (IdFlagAllowed() == 0)
    return regs;
  if (leaf > desc_.cpu.max_leaf)
    leaf = desc_.cpu.max_leaf;
  if (leaf == 0) {
    uint32_t words[3] = {0, 0, 0};
    std::memcpy(words, desc_.cpu.vendor, 12);
    regs.eax = desc_.cpu.max_leaf;
    regs.ebx = words[0];
    regs.edx = words[1];
    regs.ecx = words[2];
  } else if (leaf == 1) {
    regs.eax = desc_.cpu.signature;
    regs.edx = desc_.cpu.features_edx;
  }
  return regs;
}

int SimMachine::IdFlagAllowed() const {
  if (!desc_.cpu.has_cpuid)
    return 0;
  if (desc_.cpu.cpuid_gated_by_cyrix && (ccr4 & 0x80) == 0)
    return 0;
  return 1;
}

int SimMachine::IdFlagChangeable() {
  Spend(ID_FLAG_TEST_CLOCKS);
  return IdFlagAllowed();
}

uint64_t SimMachine::ReadTimeStampCounter() {
  // A counter that stands still keeps its power-on value.
  const uint64_t value = desc_.cpu.tsc_stands_still ? 0 : cycles_;
  Spend(COUNTER_READ_CLOCKS);
  return value;
}

void SimMachine::InterruptsOff() {
  Spend(INTERRUPT_FLAG_CLOCKS);
  interrupts_enabled = false;
}

void SimMachine::InterruptsOn() {
  Spend(INTERRUPT_FLAG_CLOCKS);
  interrupts_enabled = true;
}

// A flawed divider returns reciprocals of the affected divisors about 2^-28
// too small, as 1/824633702441 came out on the first Pentiums.
double SimMachine::FdivResidue(double x) {
  Spend(FPU_CHECK_CLOCKS);
  volatile double one = 1.0;
  volatile double divisor = x;
  volatile double quotient = one / divisor;
  if (desc_.cpu.fdiv_flaw && DivisorHitsFlawedTable(x)) {
    quotient = quotient * (1.0 - std::ldexp(1.0, -28));
  }
  volatile double product = quotient * divisor;
  return one - product;
}

void SimMachine::RunIncGroup(unsigned block_length) {
  const double per_clock = desc_.cpu.inc_per_clock > 0.0 ? desc_.cpu.inc_per_clock : 1.0;
  Spend(static_cast<uint64_t>(
      std::llround(256.0 * (block_length / per_clock + BLOCK_CONTROL_CLOCKS))));
}

void SimMachine::RunReadBursts(const void* block, uint32_t trips) {
  Spend(uint64_t{trips} * TRIP_CONTROL_CLOCKS);
  Spend(SweepClocks(block, uint64_t{trips} * 128, false));
}

void SimMachine::RunWriteBursts(void* block, uint32_t trips) {
  Spend(uint64_t{trips} * TRIP_CONTROL_CLOCKS);
  Spend(SweepClocks(block, uint64_t{trips} * 128, true));
}

void SimMachine::RunEmptyBursts(const void*, uint32_t trips) {
  Spend(uint64_t{trips} * TRIP_CONTROL_CLOCKS);
}

void SimMachine::ClearBlock(void* block, size_t bytes) {
  if (bytes == 0)
    return;
  std::memset(block, 0, bytes);
  Spend(SweepClocks(block, bytes, true));
}

void* SimMachine::AllocateTestBuffer(size_t bytes) {
  Spend(ALLOCATION_CLOCKS);
  if (desc_.allocation_fails)
    return nullptr;
  return std::malloc(bytes == 0 ? 1 : bytes);
}

void SimMachine::ReleaseTestBuffer(void* buffer, size_t) {
  Spend(ALLOCATION_CLOCKS);
  std::free(buffer);
}
