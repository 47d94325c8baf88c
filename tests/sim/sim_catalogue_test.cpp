// The named machines, their selection by environment, and repeatability.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

#include "hw/hw.h"
#include "hw/select.h"
#include "sim_test_support.h"

namespace {

const char* const NAMES[] = {"p55c-430tx",    "p54c-430hx",   "p54c-430vx",       "k6-sis5571",
                             "k6-2-sis5591",  "p54c-sis5596", "6x86-sis5597",     "p55c-ali1531",
                             "k6-2-ali1541",  "k6-vp2",       "6x86mx-vpx",       "486dx2-nocpuid",
                             "p54c-430fx",    "p5-60-lx",     "ppro-440fx",       "p2-440lx",
                             "p3-440bx",      "k6-2-mvp3",    "p3-apollo-pro133", "p5-66-lx-mech2",
                             "486dx4-umc8881"};

uint32_t BridgeIds(SimMachine& m) {
  uint32_t ids = 0;
  for (uint32_t reg = 0; reg < 4; ++reg) {
    m.OutDword(0xCF8, 0x80000000 | reg);
    ids |= uint32_t{m.InByte(static_cast<uint16_t>(0xCFC + reg))} << (8 * reg);
  }
  return ids;  // device << 16 | vendor
}

TEST(SimCatalogue, ExactlyTheNamedMachines) {
  size_t count = 0;
  std::set<std::string> seen;
  for (const SimMachineDesc* d = sim_catalogue; d->name != nullptr; ++d) {
    ++count;
    EXPECT_TRUE(seen.insert(d->name).second) << d->name;
    ASSERT_NE(d->description, nullptr);
    EXPECT_GT(std::strlen(d->description), 10u) << d->name;
    EXPECT_EQ(std::strchr(d->description, '\n'), nullptr) << d->name;
  }
  EXPECT_EQ(count, sizeof NAMES / sizeof NAMES[0]);
  for (const char* name : NAMES) {
    const SimMachineDesc* d = FindSimMachine(name);
    ASSERT_NE(d, nullptr) << name;
    EXPECT_STREQ(d->name, name);
  }
  EXPECT_EQ(FindSimMachine("p55c"), nullptr);
  EXPECT_EQ(FindSimMachine(""), nullptr);
  EXPECT_EQ(FindSimMachine(nullptr), nullptr);
}

// What the report will see of each machine: processor family and model,
// the ids of its host bridge, the flaws it is there to show.
TEST(SimCatalogue, MachinesShowWhatTheyStandFor) {
  struct Expect {
    const char* name;
    const char* vendor;
    unsigned family_model;
    uint32_t bridge_ids;
  };
  const Expect expected[] = {
      {"p55c-430tx", "GenuineIntel", 0x54, 0x71008086},
      {"p54c-430hx", "GenuineIntel", 0x52, 0x12508086},
      {"p54c-430vx", "GenuineIntel", 0x52, 0x70308086},
      {"k6-sis5571", "AuthenticAMD", 0x56, 0x55711039},
      {"k6-2-sis5591", "AuthenticAMD", 0x58, 0x55911039},
      {"p54c-sis5596", "GenuineIntel", 0x52, 0x55961039},
      {"p55c-ali1531", "GenuineIntel", 0x54, 0x153110B9},
      {"k6-2-ali1541", "AuthenticAMD", 0x58, 0x154110B9},
      {"k6-vp2", "AuthenticAMD", 0x56, 0x05951106},
      {"6x86mx-vpx", "CyrixInstead", 0x60, 0x05851106},
      {"p54c-430fx", "GenuineIntel", 0x52, 0x122D8086},
      {"p5-60-lx", "GenuineIntel", 0x51, 0x04A38086},
      {"ppro-440fx", "GenuineIntel", 0x61, 0x12378086},
      {"p2-440lx", "GenuineIntel", 0x63, 0x71808086},
      {"p3-440bx", "GenuineIntel", 0x67, 0x71908086},
      {"k6-2-mvp3", "AuthenticAMD", 0x58, 0x05981106},
      {"p3-apollo-pro133", "GenuineIntel", 0x68, 0x06911106},
  };
  for (const Expect& e : expected) {
    SimMachine m(*FindSimMachine(e.name));
    ASSERT_EQ(m.IdFlagChangeable(), 1) << e.name;
    const CpuidRegs leaf0 = m.Cpuid(0);
    char vendor[13] = {};
    std::memcpy(vendor, &leaf0.ebx, 4);
    std::memcpy(vendor + 4, &leaf0.edx, 4);
    std::memcpy(vendor + 8, &leaf0.ecx, 4);
    EXPECT_STREQ(vendor, e.vendor) << e.name;
    const CpuidRegs leaf1 = m.Cpuid(1);
    EXPECT_EQ((leaf1.eax >> 4) & 0xFF, e.family_model) << e.name;
    EXPECT_NE(leaf1.edx & 0x10, 0u) << e.name << ": time-stamp counter";
    EXPECT_EQ(BridgeIds(m), e.bridge_ids) << e.name;
  }

  const SimMachineDesc* tx = FindSimMachine("p55c-430tx");
  EXPECT_DOUBLE_EQ(tx->cpu.clock_mhz, 233.33);
  EXPECT_EQ(tx->caches.l1_bytes, 16u * 1024);
  EXPECT_EQ(tx->caches.l2_bytes, 512u * 1024);

  SimMachine vx(*FindSimMachine("p54c-430vx"));
  EXPECT_GT(vx.FdivResidue(824633702449.0), 1e-14);

  const SimMachineDesc* lx = FindSimMachine("p5-60-lx");
  EXPECT_EQ(lx->cpu.clock_mhz, 60.0);
  EXPECT_TRUE(lx->cpu.fdiv_flaw);
  EXPECT_EQ(lx->rtc_seconds_per_second, 1.02);

  // The 6x86 comes up with CPUID and the register mapping off, and shows no
  // time-stamp counter once CPUID is on.
  SimMachine cx(*FindSimMachine("6x86-sis5597"));
  EXPECT_EQ(cx.IdFlagChangeable(), 0);
  EXPECT_EQ(cx.ccr3 >> 4, 0);
  EXPECT_EQ(BridgeIds(cx), 0x55971039u);
  cx.OutByte(0x22, 0xC3);
  cx.OutByte(0x23, 0x10);
  cx.OutByte(0x22, 0xE8);
  cx.OutByte(0x23, 0x80);
  ASSERT_EQ(cx.IdFlagChangeable(), 1);
  EXPECT_EQ(cx.Cpuid(1).eax >> 4, 0x52u);
  EXPECT_EQ(cx.Cpuid(1).edx & 0x10, 0u);

  SimMachine old(*FindSimMachine("486dx2-nocpuid"));
  EXPECT_EQ(old.IdFlagChangeable(), 0);
  EXPECT_EQ(BridgeIds(old), 0xFFFFFFFFu);

  // The 430LX board that answers only mechanism #2: nothing behind 0CFCh,
  // the ids in the window once the key is in the enable register.
  SimMachine mech2(*FindSimMachine("p5-66-lx-mech2"));
  EXPECT_EQ(BridgeIds(mech2), 0xFFFFFFFFu);
  EXPECT_EQ(mech2.InByte(0xC002), 0xFF);
  mech2.OutByte(0xCF8, 0xF0);
  EXPECT_EQ(mech2.InByte(0xC002), 0xA3);
  EXPECT_EQ(mech2.InByte(0xC003), 0x04);
  EXPECT_EQ(mech2.InByte(0xC102), 0xFF);
  mech2.OutByte(0xCF8, 0x00);
  EXPECT_EQ(mech2.InByte(0xC002), 0xFF);

  // The UMC board: device 0 is empty, the bridge answers at device 10h.
  SimMachine umc(*FindSimMachine("486dx4-umc8881"));
  EXPECT_EQ(BridgeIds(umc), 0xFFFFFFFFu);
  umc.OutDword(0xCF8, 0x80008002);
  EXPECT_EQ(umc.InByte(0xCFE), 0x81);
  umc.OutDword(0xCF8, 0x8000800B);
  EXPECT_EQ(umc.InByte(0xCFF), 0x06);
  EXPECT_EQ(umc.InByte(0xCF8), 0xFF);  // no mechanism #2 here
}

// A little of everything a run does, polled the way the program polls.
std::vector<PortAccess> ScriptedRun(const SimMachineDesc& desc, uint64_t* cycles) {
  SimMachine m(desc);
  m.OutByte(0x22, 0xC3);
  m.InByte(0x23);
  m.OutByte(0x43, 0x36);
  m.OutByte(0x40, 0x00);
  m.OutByte(0x40, 0x00);
  unsigned previous = LatchedCount(m);
  for (int i = 0; i < 20000; ++i) {
    const unsigned now = LatchedCount(m);
    if (now > previous)
      break;
    previous = now;
  }
  const uint8_t second = RtcSeconds(m);
  for (int i = 0; i < 400000 && RtcSeconds(m) == second; ++i) {
  }
  for (uint32_t reg = 0; reg < 256; ++reg) {
    m.OutDword(0xCF8, 0x80000000 | reg);
    m.InByte(static_cast<uint16_t>(0xCFC + (reg & 3)));
  }
  for (unsigned k : {256u, 128u, 64u})
    m.RunIncGroup(k);
  *cycles = m.Cycles();
  return m.trace;
}

TEST(SimCatalogue, IdenticalRunsGiveIdenticalTraces) {
  for (const char* name : {"p55c-430tx", "6x86-sis5597", "p5-60-lx"}) {
    uint64_t first_cycles = 0;
    uint64_t second_cycles = 0;
    const std::vector<PortAccess> first = ScriptedRun(*FindSimMachine(name), &first_cycles);
    const std::vector<PortAccess> second = ScriptedRun(*FindSimMachine(name), &second_cycles);
    EXPECT_GT(first.size(), 1000u) << name;
    EXPECT_TRUE(first == second) << name;
    EXPECT_EQ(first_cycles, second_cycles) << name;
  }
}

// The descriptions hold regular-expression characters.
std::string Literal(const char* text) {
  std::string escaped;
  for (const char* c = text; *c != '\0'; ++c) {
    if (std::strchr(".()+*?[]{}|\\^$", *c) != nullptr)
      escaped += '\\';
    escaped += *c;
  }
  return escaped;
}

TEST(SimSelectDeathTest, UnknownNameListsEveryMachineAndEndsWithTwo) {
  std::string pattern = Literal("korvalt: unknown machine 'pentium-pro'; simulated machines:");
  for (const SimMachineDesc* d = sim_catalogue; d->name != nullptr; ++d) {
    pattern += ".*" + Literal(d->name) + " +" + Literal(d->description);
  }
  setenv("KORVALT_MACHINE", "pentium-pro", 1);
  EXPECT_EXIT(SelectMachineFromEnvironment(), testing::ExitedWithCode(2), pattern);
  unsetenv("KORVALT_MACHINE");
}

TEST(SimSelect, KnownNameInstallsThatMachine) {
  setenv("KORVALT_MACHINE", "p54c-430vx", 1);
  SelectMachineFromEnvironment();
  unsetenv("KORVALT_MACHINE");
  ASSERT_NE(current_machine, nullptr);
  EXPECT_FALSE(tsc_is_native);
  EXPECT_EQ(ExecuteCpuid(1).eax, 0x0522u);
  SimMachine* sim = dynamic_cast<SimMachine*>(current_machine);
  ASSERT_NE(sim, nullptr);
  EXPECT_FALSE(sim->tracing);
  delete current_machine;
  UseMachine(nullptr, false);
}

}  // namespace
