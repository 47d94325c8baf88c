#include "cpu/cyrix.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "cpu_machines.h"

namespace {

struct Steps {
  std::string ports;  // "C3>05" read 05h from C3h, "C3<15" wrote 15h to it
  std::string printed;
};

// Runs steps on the machine; every access to 23h must follow its own index.
template <typename F>
Steps RunSteps(SimMachine* sim, F steps) {
  StartRunOn(sim);
  sim->trace.clear();
  testing::internal::CaptureStdout();
  steps();
  Steps result{"", testing::internal::GetCapturedStdout()};
  for (size_t i = 0; i < sim->trace.size(); i += 2) {
    const PortAccess& index = sim->trace[i];
    EXPECT_TRUE(index.kind == 'o' && index.port == 0x22 && i + 1 < sim->trace.size());
    if (i + 1 >= sim->trace.size())
      break;
    const PortAccess& data = sim->trace[i + 1];
    EXPECT_EQ(data.port, 0x23);
    char text[16];
    std::snprintf(text, sizeof text, "%s%02X%c%02X", result.ports.empty() ? "" : " ",
                  static_cast<unsigned>(index.value), data.kind == 'i' ? '>' : '<',
                  static_cast<unsigned>(data.value));
    result.ports += text;
  }
  return result;
}

TEST(CyrixRegisters, AbsentRegistersCostOnlyThePresenceTest) {
  SimMachine sim(Cyrix6x86Pc({false, 0, 0, false}));
  const Steps steps = RunSteps(&sim, [] { EXPECT_EQ(CyrixPresent(), 0); });
  // The test write is the FFh read with bits 7-5 cleared and bit 4 flipped.
  EXPECT_EQ(steps.ports, "C3>FF C3<0F C3>FF");
  EXPECT_EQ(steps.printed, "");
}

TEST(CyrixRegisters, MappingOnAlreadyIsLeftAtOneAndNotPutBack) {
  const struct {
    uint8_t start;
    const char* ports;  // presence test, then the enabling
  } cases[] = {{0x10, "C3>10 C3<00 C3>00 C3<10 C3>10 C3<00 C3>00 C3<10"},
               {0x30, "C3>30 C3<00 C3>00 C3<30 C3>30 C3<00 C3>00 C3<10"},
               {0x3A, "C3>3A C3<0A C3>0A C3<3A C3>3A C3<0A C3>0A C3<1A"}};
  for (const auto& c : cases) {
    SimMachine sim(Cyrix6x86Pc({true, c.start, 0x80, false}));
    const Steps steps = RunSteps(&sim, [] {
      EXPECT_EQ(CyrixPresent(), 1);
      EXPECT_EQ(EnableRegisterMapping(), -1);
      EXPECT_EQ(RestoreRegisterMapping(-1), 0);
    });
    EXPECT_EQ(steps.ports, c.ports);
    EXPECT_EQ(steps.printed, "M1 Register I/O Mapping is enabled already.\n");
  }
}

TEST(CyrixRegisters, SwitchedOffCpuidIsEnabledThenPutBackWithItsOtherBits) {
  SimMachine sim(Cyrix6x86Pc({true, 0x02, 0x15, false}));
  int mapping = -1;
  int cpuid = -1;
  Steps steps = RunSteps(&sim, [&] {
    mapping = EnableRegisterMapping();
    cpuid = EnableCyrixCpuid();
  });
  EXPECT_EQ(mapping, 0x02);
  EXPECT_EQ(cpuid, 0x15);
  EXPECT_EQ(steps.ports,
            "C3>02 C3<12 C3>12 C3<12 "
            "E8>15 E8<95 E8>95 E8<95");
  EXPECT_EQ(steps.printed, "M1 Register I/O Mapping enabled.\nM1 CPUID enabled.\n");
  EXPECT_EQ(IdFlagChangeable(), 1);

  steps = RunSteps(&sim, [&] {
    EXPECT_EQ(RestoreCyrixCpuid(cpuid), 1);
    EXPECT_EQ(RestoreRegisterMapping(mapping), 1);
  });
  // CPUID first, while the mapping still opens E8h.
  EXPECT_EQ(steps.ports, "E8<15 C3<02");
  EXPECT_EQ(steps.printed,
            "M1 CPUID is set back to original value (disabled).\n"
            "M1 Register I/O Mapping is set back to original value (disabled).\n");
  EXPECT_EQ(sim.ccr4, 0x15);
}

TEST(CyrixRegisters, CpuidOnAlreadyIsNotPutBack) {
  SimMachine sim(Cyrix6x86Pc({true, 0x10, 0x81, false}));
  const Steps steps = RunSteps(&sim, [] { EXPECT_EQ(EnableCyrixCpuid(), -1); });
  EXPECT_EQ(steps.ports, "E8>81 E8<01 E8>01 E8<81");
  EXPECT_EQ(steps.printed, "M1 CPUID is enabled already.\n");
}

TEST(CyrixRegisters, MappingThatCannotBeSwitchedOnFailsBothSteps) {
  // Bits 7-4 of C3h ignore writes, so E8h stays closed and reads FFh.
  SimMachine sim(Cyrix6x86Pc({true, 0x00, 0x00, true}));
  const Steps steps = RunSteps(&sim, [] {
    EXPECT_EQ(EnableRegisterMapping(), -1);
    EXPECT_EQ(EnableCyrixCpuid(), -1);
  });
  EXPECT_EQ(steps.ports, "C3>00 C3<10 C3>00 E8>FF E8<7F E8>FF");
  EXPECT_EQ(steps.printed,
            "Failed to enable M1 Register I/O Mapping.\nFailed to enable M1 CPUID.\n");
}

}  // namespace
