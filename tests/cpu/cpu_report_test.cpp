#include <gtest/gtest.h>

#include <string>

#include "cpu/cpu.h"
#include "cpu/cpu_info.h"
#include "cpu_machines.h"

namespace {

// EDX of a Pentium with its on-chip APIC, plus two bits without a line.
const uint32_t EDX_P54C_PLUS = 0x000003BFu | 0x80000800u;
// The complement of it among the lines: TSC PAE MTRR PGE MCA CMOV MMX, with
// two bits without a line.
const uint32_t EDX_OTHER_HALF = 0x0080F050u | 0x40010000u;

const char CAPABILITIES_P54C[] =
    "| Extensions to V-x86 mode:supported     |\n"
    "| I/O Break Point:         supported     |\n"
    "| Timestamp Counter:       supported     |\n"
    "| Physical Addr. extension:not supported |\n"
    "| Paging mode extension:   supported     |\n"
    "| Memory Type Range Regs.: not supported |\n"
    "| Machine Check function:  not supported |\n"
    "| Machine Check exception: supported     |\n"
    "| PTE global bit:          not supported |\n"
    "| APIC support:            supported     |\n"
    "| CMPXCHG8B instruction:   supported     |\n"
    "| CMOV instruction:        not supported |\n"
    "| ---------- other CPUID bits ---------- |\n"
    "| Reserved bits of EAX:    00001000      |\n"
    "|   00000000:00000000:0001----:--------  |\n"
    "| Reserved bits of EBX:    00000000      |\n"
    "|   00000000:00000000:00000000:00000000  |\n"
    "| Reserved bits of ECX:    00000000      |\n"
    "|   00000000:00000000:00000000:00000000  |\n"
    "| Reserved bits of EDX:    80000800      |\n"
    "|   10000000:-0000000:----10--:--------  |\n";

const char HEAD_P54C[] =
    "|CPU: P54C [GenuineIntel Fam5 Mdl2 Stp 5]|\n"
    "|----------------------------------------|\n"
    "| CPU Frequency (by RDTWR)  : 100.00[MHz]|\n"
    "| CPU Frequency (by INC EAX): 100.00[MHz]|\n"
    "|----------------------------------------|\n"
    "| ---------- CPU Capabilities ---------- |\n"
    "| Pentium-class CPU:       yes           |\n"
    "| Built-in FPU:            present       |\n"
    "| MMX capable:             no            |\n";

TEST(ProcessorSection, FlawedPentiumShowsTheFlawLineAfterTheMmxLine) {
  SimMachineDesc desc = ProcessorMachine("GenuineIntel", 0x1525, EDX_P54C_PLUS, 100.0);
  desc.cpu.fdiv_flaw = true;
  SimMachine sim(desc);
  EXPECT_EQ(
      DetectAndReport(&sim),
      std::string(HEAD_P54C) + "| !!This Pentium CPU has BUGGY FPU!!     |\n" + CAPABILITIES_P54C);
}

TEST(ProcessorSection, SoundPentiumHasNoFlawLine) {
  SimMachine sim(ProcessorMachine("GenuineIntel", 0x1525, EDX_P54C_PLUS, 100.0));
  EXPECT_EQ(DetectAndReport(&sim), std::string(HEAD_P54C) + CAPABILITIES_P54C);
}

TEST(ProcessorSection, EveryCapabilityLineFollowsItsOwnBit) {
  SimMachine sim(ProcessorMachine("CyrixInstead", 0x360C, EDX_OTHER_HALF, 150.0));
  EXPECT_EQ(DetectAndReport(&sim),
            "|CPU:6x86MX[CyrixInstead Fam6 Mdl0 Stp12]|\n"
            "|----------------------------------------|\n"
            "| CPU Frequency (by RDTWR)  : 150.00[MHz]|\n"
            "| CPU Frequency (by INC EAX): 150.00[MHz]|\n"
            "|----------------------------------------|\n"
            "| ---------- CPU Capabilities ---------- |\n"
            "| Pentium-class CPU:       no            |\n"
            "| Built-in FPU:            not present   |\n"
            "| MMX capable:             yes           |\n"
            "| Extensions to V-x86 mode:not supported |\n"
            "| I/O Break Point:         not supported |\n"
            "| Timestamp Counter:       supported     |\n"
            "| Physical Addr. extension:supported     |\n"
            "| Paging mode extension:   not supported |\n"
            "| Memory Type Range Regs.: supported     |\n"
            "| Machine Check function:  supported     |\n"
            "| Machine Check exception: not supported |\n"
            "| PTE global bit:          supported     |\n"
            "| APIC support:            not supported |\n"
            "| CMPXCHG8B instruction:   not supported |\n"
            "| CMOV instruction:        supported     |\n"
            "| ---------- other CPUID bits ---------- |\n"
            "| Reserved bits of EAX:    00003000      |\n"
            "|   00000000:00000000:0011----:--------  |\n"
            "| Reserved bits of EBX:    00000000      |\n"
            "|   00000000:00000000:00000000:00000000  |\n"
            "| Reserved bits of ECX:    00000000      |\n"
            "|   00000000:00000000:00000000:00000000  |\n"
            "| Reserved bits of EDX:    40010000      |\n"
            "|   01000000:-0000001:----00--:--------  |\n");
  EXPECT_EQ(cpu_info.model, 0);
  EXPECT_EQ(cpu_info.stepping, 12);
}

TEST(ProcessorSection, WithoutTimeStampCounterOneLoopClockLine) {
  // A 6x86 is never tested for the flaw, whatever its divider does.
  SimMachineDesc desc = ProcessorMachine("CyrixInstead", 0x0520, 0x00000105, 133.33);
  desc.cpu.fdiv_flaw = true;
  SimMachine sim(desc);
  const std::string report = DetectAndReport(&sim);
  EXPECT_EQ(report.substr(0, 215),
            "|CPU: 6x86 [CyrixInstead Fam5 Mdl2 Stp 0]|\n"
            "|----------------------------------------|\n"
            "| CPU Frequency: 133.33[MHz]             |\n"
            "|----------------------------------------|\n"
            "| ---------- CPU Capabilities ---------- |\n");
  EXPECT_EQ(report.find("BUGGY"), std::string::npos);
  EXPECT_EQ(cpu_info.loop_clock_mhz, 0.0);
  EXPECT_NEAR(cpu_info.clock_mhz, 133.33, 0.13);
}

TEST(ProcessorSection, WithoutCpuidOnlyTheApologyAndNothingMeasured) {
  SimMachineDesc desc = ProcessorMachine("GenuineIntel", 0x0435, 0x1, 66.67);
  desc.cpu.has_cpuid = false;
  SimMachine sim(desc);
  EXPECT_EQ(DetectAndReport(&sim), "Sorry, this CPU does not have CPUID.\n");
  EXPECT_TRUE(sim.trace.empty());
  EXPECT_EQ(cpu_info.has_tsc, false);
  EXPECT_EQ(cpu_info.clock_mhz, 0.0);
  EXPECT_EQ(cpu_info.vendor[0], '\0');
}

// Notes whether the clocks were read while interrupts were on.
class WatchedSim : public SimMachine {
 public:
  using SimMachine::SimMachine;
  long clock_reads_with_interrupts_on = 0;
  uint8_t InByte(uint16_t port) override {
    if ((port == 0x40 || port == 0x71) && interrupts_enabled)
      ++clock_reads_with_interrupts_on;
    return SimMachine::InByte(port);
  }
};

TEST(Detection, MeasuresWithInterruptsOffAndLeavesTheTimerStandard) {
  WatchedSim sim(ProcessorMachine("GenuineIntel", 0x0543, 0x008001BF, 166.0));
  StartCpuRun(&sim);
  EXPECT_EQ(DetectCpu(), 1);
  EXPECT_EQ(sim.clock_reads_with_interrupts_on, 0);
  EXPECT_TRUE(sim.interrupts_enabled);
  ASSERT_GE(sim.trace.size(), 3u);
  const size_t n = sim.trace.size();
  EXPECT_EQ(sim.trace[n - 3], (PortAccess{'o', 0x43, 0x36}));
  EXPECT_EQ(sim.trace[n - 2], (PortAccess{'o', 0x40, 0x00}));
  EXPECT_EQ(sim.trace[n - 1], (PortAccess{'o', 0x40, 0x00}));
  EXPECT_STREQ(cpu_info.vendor, "GenuineIntel");
  EXPECT_TRUE(cpu_info.has_mmx);
  EXPECT_NEAR(cpu_info.clock_mhz, 166.0, 0.166);
  EXPECT_NEAR(cpu_info.loop_clock_mhz, 166.0, 0.166);
}

}  // namespace
