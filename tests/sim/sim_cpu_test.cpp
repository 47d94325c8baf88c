// The processor of a simulated PC: CPUID, the counter, the FPU check, the
// loops and the buffer.
#include <gtest/gtest.h>

#include <cmath>

#include "sim_test_support.h"

namespace {

constexpr double FLAWED_DIVISOR = 824633702449.0;

TEST(SimCpu, CpuidLeavesAndHigherLeaves) {
  SimMachine m(CachedPentium());
  const CpuidRegs leaf0 = m.Cpuid(0);
  EXPECT_EQ(leaf0.eax, 1u);
  EXPECT_EQ(leaf0.ebx, 0x756E6547u);  // "Genu"
  EXPECT_EQ(leaf0.edx, 0x49656E69u);  // "ineI"
  EXPECT_EQ(leaf0.ecx, 0x6C65746Eu);  // "ntel"
  const CpuidRegs leaf1 = m.Cpuid(1);
  EXPECT_EQ(leaf1.eax, 0x052Cu);
  EXPECT_EQ(leaf1.edx, 0x3BFu);
  const CpuidRegs leaf5 = m.Cpuid(5);  // above the highest: the highest again
  EXPECT_EQ(leaf5.eax, leaf1.eax);
  EXPECT_EQ(leaf5.edx, leaf1.edx);

  SimMachineDesc old = CachedPentium();
  old.cpu.has_cpuid = false;
  SimMachine m486(old);
  EXPECT_EQ(m486.IdFlagChangeable(), 0);
}

TEST(SimCpu, FdivResidueOnSoundAndFlawedUnits) {
  SimMachine sound(CachedPentium());
  EXPECT_EQ(sound.FdivResidue(FLAWED_DIVISOR), 0.0);

  SimMachineDesc desc = CachedPentium();
  desc.cpu.fdiv_flaw = true;
  SimMachine flawed(desc);
  const double r = flawed.FdivResidue(FLAWED_DIVISOR);
  EXPECT_GT(std::fabs(r), 1e-14);
  EXPECT_LT(std::fabs(r), 1e-6);  // a few digits lost, not a wild answer
  // Divisors that cannot reach the missing table entries divide correctly.
  EXPECT_LT(std::fabs(flawed.FdivResidue(3.0)), 1e-15);
  EXPECT_LT(std::fabs(flawed.FdivResidue(1000.0)), 1e-15);
}

TEST(SimCpu, CounterReadsCostTheSameEveryTime) {
  SimMachine m(CachedPentium());
  const uint64_t a = m.ReadTimeStampCounter();
  const uint64_t b = m.ReadTimeStampCounter();
  m.RunIncGroup(64);
  const uint64_t c = m.ReadTimeStampCounter();
  const uint64_t d = m.ReadTimeStampCounter();
  EXPECT_GT(b, a);
  EXPECT_EQ(d - c, b - a);
}

TEST(SimCpu, StandingCounterStillLetsTimePass) {
  SimMachineDesc desc = CachedPentium();
  desc.cpu.tsc_stands_still = true;
  SimMachine m(desc);
  const uint64_t first = m.ReadTimeStampCounter();
  const uint8_t second = RtcSeconds(m);
  const unsigned count = LatchedCount(m);
  for (int i = 0; i < 5000; ++i)
    m.RunIncGroup(256);  // about 0.35 s at 100 MHz
  EXPECT_EQ(m.ReadTimeStampCounter(), first);
  EXPECT_NE(LatchedCount(m), count);
  EXPECT_NE(RtcSeconds(m), second);
}

// The INC EAX groups cost their instruction counts: 256 blocks of k
// increments plus the same loop control whatever k is.
TEST(SimCpu, IncGroupsScaleWithBlockLengthAndRate) {
  for (double rate : {1.0, 2.0}) {
    SimMachineDesc desc = CachedPentium();
    desc.cpu.inc_per_clock = rate;
    SimMachine m(desc);
    uint64_t cost[3];
    const unsigned lengths[3] = {256, 128, 64};
    for (int i = 0; i < 3; ++i) {
      const uint64_t before = m.Cycles();
      m.RunIncGroup(lengths[i]);
      cost[i] = m.Cycles() - before;
    }
    EXPECT_EQ(cost[0] - cost[1], static_cast<uint64_t>(256 * 128 / rate)) << rate;
    EXPECT_EQ(cost[0] - cost[2], static_cast<uint64_t>(256 * 192 / rate)) << rate;
  }
}

TEST(SimCpu, InterruptFlagAndBuffer) {
  SimMachine m(CachedPentium());
  EXPECT_TRUE(m.interrupts_enabled);
  m.InterruptsOff();
  EXPECT_FALSE(m.interrupts_enabled);
  m.InterruptsOn();
  EXPECT_TRUE(m.interrupts_enabled);

  unsigned char* buffer = static_cast<unsigned char*>(m.AllocateTestBuffer(8650752));
  ASSERT_NE(buffer, nullptr);
  buffer[0] = 1;
  buffer[8650751] = 2;
  m.ReleaseTestBuffer(buffer, 8650752);

  SimMachineDesc refusing = CachedPentium();
  refusing.allocation_fails = true;
  SimMachine r(refusing);
  EXPECT_EQ(r.AllocateTestBuffer(8650752), nullptr);
}

}  // namespace
