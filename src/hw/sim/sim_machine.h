// A deterministic model of a Pentium-era PC.  One virtual cycle counter is the
// time-stamp counter; every port access, CPUID, loop and memory operation
// advances it by a cost from the description, and every device derives its
// time from it, so a whole run takes no real waiting and repeats exactly.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "hw/device_models.h"
#include "hw/machine.h"
#include "hw/sim/bridges/bridge_images.h"

struct SimCpu {
  bool has_cpuid;             // EFLAGS ID bit changeable (when not gated)
  bool cpuid_gated_by_cyrix;  // CPUID and the ID bit only while CCR4 (E8h) bit 7 is set
  char vendor[13];            // leaf 0 EBX, EDX, ECX as text
  uint32_t max_leaf;          // leaf 0 EAX
  uint32_t signature;         // leaf 1 EAX
  uint32_t features_edx;      // leaf 1 EDX
  bool fdiv_flaw;
  double clock_mhz;       // the true core clock
  double inc_per_clock;   // INC EAX retired per clock (1.0 on these processors)
  bool tsc_stands_still;  // the counter never advances
};

struct SimCaches {
  uint32_t l1_bytes;   // 0: none
  uint32_t l2_bytes;   // 0: none
  double l1_read_clk;  // clocks per 16-byte burst, reading from L1
  double l2_read_clk;
  double mem_read_clk;
  double l1_write_clk;
  double l2_write_clk;
  double mem_write_clk;
};

struct SimCyrix {
  bool present;       // configuration registers answer on 22h/23h
  uint8_t ccr3;       // C3h power-on value (bits 7-4: MAPEN)
  uint8_t ccr4;       // E8h power-on value (bit 7: CPUID enable)
  bool mapen_locked;  // writes to C3h bits 7-4 are ignored
};

// Which PCI configuration mechanisms the board's chipset answers.
enum SimConfigMechanisms {
  SIM_MECHANISM_1,       // 0CF8h as a 32-bit address, data at 0CFCh-0CFFh
  SIM_MECHANISM_2_ONLY,  // enable 0CF8h, forward 0CFAh, window C000h-CFFFh
  SIM_MECHANISMS_BOTH,   // either, as some 486 chipsets answer
};

struct SimMachineDesc {
  const char* name;
  const char* description;  // one line, shown in the list of names
  SimCpu cpu;
  SimCaches caches;
  const SimBridgeImage* bridge;  // nullptr: no PCI bus, every access reads all ones
  SimCyrix cyrix;
  double port_access_us;          // cost of one port access (about 1 on ISA)
  double rtc_seconds_per_second;  // 1.0 exact; 1.02: an RTC second lasts 1.02 s
  bool rtc_dead;                  // seconds register never changes
  bool timer_dead;                // 8254 count never changes
  bool allocation_fails;          // the benchmark buffer is refused
  uint8_t bridge_device;          // the bridge's device number on bus 0
  SimConfigMechanisms mechanisms;
};

// One port access as a test sees it: 'i' byte in, 'o' byte out, 'd' dword out.
struct PortAccess {
  char kind;
  uint16_t port;
  uint32_t value;
  bool operator==(const PortAccess& other) const {
    return kind == other.kind && port == other.port && value == other.value;
  }
};

class SimMachine : public Machine {
 public:
  explicit SimMachine(const SimMachineDesc& desc);

  uint8_t InByte(uint16_t port) override;
  void OutByte(uint16_t port, uint8_t value) override;
  void OutDword(uint16_t port, uint32_t value) override;
  CpuidRegs Cpuid(uint32_t leaf) override;
  int IdFlagChangeable() override;
  uint64_t ReadTimeStampCounter() override;
  void InterruptsOff() override;
  void InterruptsOn() override;
  double FdivResidue(double x) override;
  void RunIncGroup(unsigned block_length) override;
  void RunReadBursts(const void* block, uint32_t trips) override;
  void RunWriteBursts(void* block, uint32_t trips) override;
  void RunEmptyBursts(const void* block, uint32_t trips) override;
  void ClearBlock(void* block, size_t bytes) override;
  void* AllocateTestBuffer(size_t bytes) override;
  void ReleaseTestBuffer(void* buffer, size_t bytes) override;

  // For tests: every port access in order, and the machine's state.
  std::vector<PortAccess> trace;
  uint8_t config[256];
  uint8_t write_mask[256];
  uint8_t ccr3;
  uint8_t ccr4;
  bool interrupts_enabled = true;
  // A whole run makes millions of port accesses; the program turns the
  // record off, tests keep it.
  bool tracing = true;

  // The true virtual time in clocks, also while the counter stands still.
  uint64_t Cycles() const { return cycles_; }

 private:
  // One address range touched by a sweep, low addresses touched first.
  struct TouchedRange {
    uintptr_t begin;
    uintptr_t end;
  };
  // Bytes of a sweep served by each level of the memory system.
  struct SweepSplit {
    uint64_t l1;
    uint64_t l2;
    uint64_t memory;
  };

  void Record(char kind, uint16_t port, uint32_t value);
  void Spend(uint64_t clocks) { cycles_ += clocks; }
  uint64_t ClocksForMicroseconds(double us) const;
  int IdFlagAllowed() const;

  // Devices (sim_devices.cpp).
  uint64_t TimerTicks() const;
  uint8_t CmosRead() const;
  void CmosWrite(uint8_t value);
  bool AnswersMechanism1() const;
  bool AnswersMechanism2() const;
  int BridgeRegister(const PciTarget& target) const;
  int PciBridgeRegister(uint16_t port) const;
  uint8_t PciRead(uint16_t port) const;
  void PciWrite(uint16_t port, uint8_t value);
  void WriteBridgeRegister(int reg, uint8_t value);
  bool CyrixIndexAnswers(uint8_t index) const;
  uint8_t CyrixRead();
  void CyrixWrite(uint8_t value);

  // Caches (sim_cache.cpp).
  SweepSplit SweepMemory(const void* block, uint64_t bytes);
  uint64_t SweepClocks(const void* block, uint64_t bytes, bool write);

  SimMachineDesc desc_;
  uint64_t cycles_ = 0;
  uint64_t clock_hz_;
  uint64_t port_clocks_;

  PciMechanismModel pci_{};
  uint8_t enable_register_ = 0;   // mechanism #2 at 0CF8h: key and function
  uint8_t forward_register_ = 0;  // mechanism #2 at 0CFAh: the bus
  TimerChannelModel timer_{};

  uint8_t cmos_index_ = 0;
  uint8_t cmos_ram_[128] = {};

  int cyrix_index_ = -1;  // -1: no index written since the last data access
  uint8_t cyrix_regs_[256] = {};

  std::vector<TouchedRange> touched_;  // most recent first
};

// The machines users can name with KORVALT_MACHINE, ending with a row whose
// name is nullptr.
extern const SimMachineDesc sim_catalogue[];
const SimMachineDesc* FindSimMachine(const char* name);
