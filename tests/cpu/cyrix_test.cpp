#include "cpu/cyrix.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cpu_machines.h"

namespace {

SimMachineDesc CyrixMachine(bool present, uint8_t ccr3, uint8_t ccr4, bool mapping_locked) {
  SimMachineDesc desc = ProcessorMachine("CyrixInstead", 0x0520, 0x00000105, 133.33);
  desc.cpu.cpuid_gated_by_cyrix = true;
  desc.cyrix = SimCyrix{present, ccr3, ccr4, mapping_locked};
  return desc;
}

PortAccess Index(uint8_t reg) {
  return PortAccess{'o', 0x22, reg};
}
PortAccess DataIn(uint8_t value) {
  return PortAccess{'i', 0x23, value};
}
PortAccess DataOut(uint8_t value) {
  return PortAccess{'o', 0x23, value};
}

using Trace = std::vector<PortAccess>;

class CyrixRegisters : public ::testing::Test {
 protected:
  void Use(SimMachine* machine) {
    StartCpuRun(machine);
    machine->trace.clear();
    testing::internal::CaptureStdout();
    capturing_ = true;
  }
  std::string Printed() {
    capturing_ = false;
    return testing::internal::GetCapturedStdout();
  }
  void TearDown() override {
    if (capturing_)
      testing::internal::GetCapturedStdout();
  }

 private:
  bool capturing_ = false;
};

TEST_F(CyrixRegisters, AbsentRegistersCostOnlyThePresenceTest) {
  SimMachine sim(CyrixMachine(false, 0, 0, false));
  Use(&sim);
  EXPECT_EQ(CyrixPresent(), 0);
  EXPECT_EQ(Printed(), "");
  // Reads give FFh; the test write is FFh with bits 7-5 cleared, bit 4 flipped.
  EXPECT_EQ(sim.trace, (Trace{Index(0xC3), DataIn(0xFF), Index(0xC3), DataOut(0x0F), Index(0xC3),
                              DataIn(0xFF)}));
}

TEST_F(CyrixRegisters, PresenceTestPutsTheFirstValueBack) {
  SimMachine sim(CyrixMachine(true, 0x05, 0x00, false));
  Use(&sim);
  EXPECT_EQ(CyrixPresent(), 1);
  EXPECT_EQ(sim.trace, (Trace{Index(0xC3), DataIn(0x05), Index(0xC3), DataOut(0x15), Index(0xC3),
                              DataIn(0x15), Index(0xC3), DataOut(0x05)}));
  EXPECT_EQ(sim.ccr3, 0x05);
  EXPECT_EQ(Printed(), "");
}

TEST_F(CyrixRegisters, MappingOnAlreadyIsNotPutBack) {
  for (uint8_t start : {uint8_t{0x10}, uint8_t{0x30}, uint8_t{0x3A}}) {
    SCOPED_TRACE(start);
    SimMachine sim(CyrixMachine(true, start, 0x80, false));
    Use(&sim);
    EXPECT_EQ(EnableRegisterMapping(), -1);
    // Bits 7-4 end as 0001b, bits 3-0 as first read.
    EXPECT_EQ(sim.ccr3, 0x10 | (start & 0x0F));
    EXPECT_EQ(sim.trace.back(), DataOut(0x10 | (start & 0x0F)));
    sim.trace.clear();
    EXPECT_EQ(RestoreRegisterMapping(-1), 0);
    EXPECT_TRUE(sim.trace.empty());
    EXPECT_EQ(Printed(), "M1 Register I/O Mapping is enabled already.\n");
  }
}

TEST_F(CyrixRegisters, SwitchedOffCpuidIsEnabledAndPutBackWithItsOtherBits) {
  SimMachine sim(CyrixMachine(true, 0x02, 0x15, false));
  Use(&sim);
  EXPECT_EQ(CyrixPresent(), 1);
  const int saved_mapping = EnableRegisterMapping();
  EXPECT_EQ(saved_mapping, 0x02);
  EXPECT_EQ(sim.ccr3, 0x12);

  sim.trace.clear();
  const int saved_cpuid = EnableCyrixCpuid();
  EXPECT_EQ(saved_cpuid, 0x15);
  EXPECT_EQ(sim.trace, (Trace{Index(0xE8), DataIn(0x15), Index(0xE8), DataOut(0x95), Index(0xE8),
                              DataIn(0x95), Index(0xE8), DataOut(0x95)}));
  EXPECT_EQ(IdFlagChangeable(), 1);

  sim.trace.clear();
  EXPECT_EQ(RestoreCyrixCpuid(saved_cpuid), 1);
  EXPECT_EQ(RestoreRegisterMapping(saved_mapping), 1);
  // CPUID first, while the mapping still opens E8h; the mapping last.
  EXPECT_EQ(sim.trace, (Trace{Index(0xE8), DataOut(0x15), Index(0xC3), DataOut(0x02)}));
  EXPECT_EQ(sim.ccr4, 0x15);
  EXPECT_EQ(sim.ccr3, 0x02);
  EXPECT_EQ(Printed(),
            "M1 Register I/O Mapping enabled.\n"
            "M1 CPUID enabled.\n"
            "M1 CPUID is set back to original value (disabled).\n"
            "M1 Register I/O Mapping is set back to original value (disabled).\n");
}

TEST_F(CyrixRegisters, CpuidOnAlreadyIsNotPutBack) {
  SimMachine sim(CyrixMachine(true, 0x10, 0x81, false));
  Use(&sim);
  EXPECT_EQ(EnableCyrixCpuid(), -1);
  EXPECT_EQ(sim.ccr4, 0x81);
  EXPECT_EQ(Printed(), "M1 CPUID is enabled already.\n");
}

TEST_F(CyrixRegisters, MappingThatCannotBeSwitchedOnFailsBothSteps) {
  // Bits 7-4 of C3h ignore writes: E8h stays closed and answers nothing.
  SimMachine sim(CyrixMachine(true, 0x00, 0x00, true));
  Use(&sim);
  EXPECT_EQ(EnableRegisterMapping(), -1);
  EXPECT_EQ(EnableCyrixCpuid(), -1);
  // No write after a test write that did not take.
  EXPECT_EQ(sim.trace, (Trace{Index(0xC3), DataIn(0x00), Index(0xC3), DataOut(0x10), Index(0xC3),
                              DataIn(0x00), Index(0xE8), DataIn(0xFF), Index(0xE8), DataOut(0x7F),
                              Index(0xE8), DataIn(0xFF)}));
  EXPECT_EQ(sim.ccr3, 0x00);
  EXPECT_EQ(sim.ccr4, 0x00);
  EXPECT_EQ(Printed(),
            "Failed to enable M1 Register I/O Mapping.\n"
            "Failed to enable M1 CPUID.\n");
}

}  // namespace
