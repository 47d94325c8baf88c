#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cpu/cpu.h"
#include "cpu/cpu_info.h"
#include "cpu_machines.h"

namespace {

// EDX of a Pentium with its on-chip APIC, plus two bits without a line.
const uint32_t EDX_P54C_PLUS = 0x000003BFu | 0x80000800u;

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
  SimMachineDesc desc = BarePc("GenuineIntel", 0x1525, EDX_P54C_PLUS, 100.0);
  desc.cpu.fdiv_flaw = true;
  SimMachine sim(desc);
  EXPECT_EQ(
      DetectAndReport(&sim),
      std::string(HEAD_P54C) + "| !!This Pentium CPU has BUGGY FPU!!     |\n" + CAPABILITIES_P54C);
}

TEST(ProcessorSection, SoundPentiumHasNoFlawLine) {
  SimMachine sim(BarePc("GenuineIntel", 0x1525, EDX_P54C_PLUS, 100.0));
  EXPECT_EQ(DetectAndReport(&sim), std::string(HEAD_P54C) + CAPABILITIES_P54C);
}

TEST(ProcessorSection, EveryCapabilityLineFollowsItsOwnBit) {
  const struct {
    int bit;
    const char* label;
  } lines[] = {{5, "Pentium-class CPU:"},
               {0, "Built-in FPU:"},
               {23, "MMX capable:"},
               {1, "Extensions to V-x86 mode:"},
               {2, "I/O Break Point:"},
               {4, "Timestamp Counter:"},
               {6, "Physical Addr. extension:"},
               {3, "Paging mode extension:"},
               {12, "Memory Type Range Regs.:"},
               {14, "Machine Check function:"},
               {7, "Machine Check exception:"},
               {13, "PTE global bit:"},
               {9, "APIC support:"},
               {8, "CMPXCHG8B instruction:"},
               {15, "CMOV instruction:"}};
  for (const auto& line : lines) {
    SCOPED_TRACE(line.label);
    SimMachine sim(BarePc("AuthenticAMD", 0x0580, 1u << line.bit, 100.0));
    const std::string report = DetectAndReport(&sim);
    // Exactly one line says yes, and it is this bit's line.
    std::string said;
    std::istringstream lines_of(report);
    for (std::string text; std::getline(lines_of, text);) {
      const std::string value = text.size() > 27 ? text.substr(27, 9) : "";
      if (value.rfind("yes", 0) == 0 || value.rfind("present", 0) == 0 ||
          value.rfind("supported", 0) == 0) {
        said += text.substr(2, text.find(':') - 1);
      }
    }
    EXPECT_EQ(said, line.label);
  }
}

TEST(ProcessorSection, WithoutTimeStampCounterOneLoopClockLine) {
  // A 6x86 is never tested for the flaw, whatever its divider does.
  SimMachineDesc desc = BarePc("CyrixInstead", 0x0520, 0x00000105, 133.33);
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

TEST(ProcessorSection, CounterClockAloneWhenTheLoopGivesNothing) {
  // A stopped timer leaves the loop method without a figure; the counter's
  // clock then stands on the single-line form.
  SimMachineDesc desc = BarePc("GenuineIntel", 0x0543, 0x008001BF, 166.0);
  desc.timer_dead = true;
  SimMachine sim(desc);
  testing::internal::CaptureStderr();
  const std::string report = DetectAndReport(&sim);
  testing::internal::GetCapturedStderr();
  EXPECT_EQ(report.substr(43, 86),
            "|----------------------------------------|\n"
            "| CPU Frequency: 166.00[MHz]             |\n");
}

TEST(ProcessorSection, WithoutCpuidOnlyTheApologyAndNothingMeasured) {
  SimMachineDesc desc = BarePc("GenuineIntel", 0x0435, 0x1, 66.67);
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
  WatchedSim sim(BarePc("GenuineIntel", 0x0543, 0x008001BF, 166.0));
  StartRunOn(&sim);
  EXPECT_EQ(DetectCpu(), 1);
  EXPECT_EQ(sim.clock_reads_with_interrupts_on, 0);
  EXPECT_TRUE(sim.interrupts_enabled);
  const std::vector<PortAccess> standard = {{'o', 0x43, 0x36}, {'o', 0x40, 0}, {'o', 0x40, 0}};
  EXPECT_EQ(std::vector<PortAccess>(sim.trace.end() - 3, sim.trace.end()), standard);
}

}  // namespace
