// Configuration mechanism #1 and the Cyrix configuration registers.
#include <gtest/gtest.h>

#include "sim_test_support.h"

namespace {

const SimRegInit TEST_BRIDGE_REGS[] = {
    {0x00, 0x86, 0x00}, {0x01, 0x80, 0x00}, {0x02, 0x00, 0x00}, {0x03, 0x71, 0x00},
    {0x50, 0xA5, 0x0F}, {0x53, 0x3C, 0xFF}, {0xFE, 0x12, 0x00},
};
const SimBridgeImage TEST_BRIDGE = ImageOf(TEST_BRIDGE_REGS);

uint8_t ReadAt(SimMachine& m, uint32_t address, uint16_t port) {
  m.OutDword(0xCF8, address);
  return m.InByte(port);
}

void WriteAt(SimMachine& m, uint32_t address, uint16_t port, uint8_t value) {
  m.OutDword(0xCF8, address);
  m.OutByte(port, value);
}

TEST(SimPci, DataPortPicksTheByteOfTheSelectedDword) {
  SimMachineDesc desc = CachedPentium();
  desc.bridge = &TEST_BRIDGE;
  SimMachine m(desc);
  EXPECT_EQ(ReadAt(m, 0x80000003, 0xCFF), 0x71);
  EXPECT_EQ(ReadAt(m, 0x80000003, 0xCFC), 0x86);  // the address's low bits do not pick the lane
  EXPECT_EQ(ReadAt(m, 0x80000000, 0xCFD), 0x80);
  EXPECT_EQ(ReadAt(m, 0x800000FE, 0xCFE), 0x12);
  EXPECT_EQ(ReadAt(m, 0x80000080, 0xCFC), 0x00);  // a register the image leaves out

  // Nothing but bus 0, device 0, function 0 answers, and only while enabled.
  EXPECT_EQ(ReadAt(m, 0x00000000, 0xCFC), 0xFF);
  EXPECT_EQ(ReadAt(m, 0x00000003, 0xCFF), 0xFF);
  EXPECT_EQ(ReadAt(m, 0x80000800, 0xCFC), 0xFF);  // device 1
  EXPECT_EQ(ReadAt(m, 0x80000100, 0xCFC), 0xFF);  // function 1
  EXPECT_EQ(ReadAt(m, 0x80010000, 0xCFC), 0xFF);  // bus 1
  EXPECT_EQ(m.InByte(0xCF8), 0xFF);               // the address port is dword-only

  const std::vector<PortAccess> expected_tail = {
      {'d', 0xCF8, 0x80010000}, {'i', 0xCFC, 0xFF}, {'i', 0xCF8, 0xFF}};
  ASSERT_GE(m.trace.size(), 3u);
  EXPECT_EQ(std::vector<PortAccess>(m.trace.end() - 3, m.trace.end()), expected_tail);
}

TEST(SimPci, WritesKeepReadOnlyBits) {
  SimMachineDesc desc = CachedPentium();
  desc.bridge = &TEST_BRIDGE;
  SimMachine m(desc);
  WriteAt(m, 0x80000050, 0xCFC, 0xFF);
  EXPECT_EQ(m.config[0x50], 0xAF);
  WriteAt(m, 0x80000050, 0xCFC, 0x00);
  EXPECT_EQ(ReadAt(m, 0x80000050, 0xCFC), 0xA0);
  WriteAt(m, 0x80000053, 0xCFF, 0x81);  // fully writable register, lane 3 of dword 50h
  EXPECT_EQ(m.config[0x53], 0x81);
  EXPECT_EQ(m.config[0x50], 0xA0);
  WriteAt(m, 0x80000000, 0xCFC, 0x00);  // identification is read-only
  EXPECT_EQ(m.config[0x00], 0x86);
  WriteAt(m, 0x80000850, 0xCFC, 0xFF);  // device 1: nobody takes it
  WriteAt(m, 0x00000050, 0xCFC, 0xFF);  // disabled: nobody takes it
  EXPECT_EQ(m.config[0x50], 0xA0);
}

uint8_t CyrixRead(SimMachine& m, uint8_t index) {
  m.OutByte(0x22, index);
  return m.InByte(0x23);
}

void CyrixWrite(SimMachine& m, uint8_t index, uint8_t value) {
  m.OutByte(0x22, index);
  m.OutByte(0x23, value);
}

TEST(SimCyrix, CcrFourIsReachableOnlyWhileTheMappingIsOpen) {
  SimMachine m(Cyrix6x86Pc({true, 0x00, 0x00, false}));
  EXPECT_EQ(CyrixRead(m, 0xC3), 0x00);
  EXPECT_EQ(CyrixRead(m, 0xE8), 0xFF);  // mapping closed: E8h is not there
  CyrixWrite(m, 0xE8, 0x80);
  EXPECT_EQ(m.ccr4, 0x00);

  CyrixWrite(m, 0xC3, 0x10);  // MAPEN = 0001b
  EXPECT_EQ(CyrixRead(m, 0xC3), 0x10);
  EXPECT_EQ(CyrixRead(m, 0xE8), 0x00);
  CyrixWrite(m, 0xE8, 0x80);
  EXPECT_EQ(CyrixRead(m, 0xE8), 0x80);

  CyrixWrite(m, 0xC3, 0x30);  // another MAPEN value closes it again
  EXPECT_EQ(CyrixRead(m, 0xE8), 0xFF);
  EXPECT_EQ(m.ccr4, 0x80);  // what was set stays set
}

TEST(SimCyrix, IndexServesOneDataAccessWithNothingBetween) {
  SimMachine m(Cyrix6x86Pc({true, 0x10, 0x80, false}));
  m.OutByte(0x22, 0xC3);
  EXPECT_EQ(m.InByte(0x23), 0x10);
  EXPECT_EQ(m.InByte(0x23), 0xFF);  // the index was used up
  m.OutByte(0x22, 0xC3);
  m.OutByte(0x23, 0x00);
  m.OutByte(0x23, 0x10);  // goes nowhere
  EXPECT_EQ(m.ccr3, 0x00);
  m.OutByte(0x22, 0xC3);
  m.OutByte(0x80, 0x00);  // any other access in between loses the index
  EXPECT_EQ(m.InByte(0x23), 0xFF);
}

TEST(SimCyrix, CpuidAndIdFlagFollowCcrFourBitSeven) {
  SimMachine m(Cyrix6x86Pc({true, 0x00, 0x00, false}));
  EXPECT_EQ(m.IdFlagChangeable(), 0);
  const CpuidRegs off = m.Cpuid(0);
  EXPECT_EQ(off.eax | off.ebx | off.ecx | off.edx, 0u);

  CyrixWrite(m, 0xC3, 0x10);
  CyrixWrite(m, 0xE8, 0x80);
  CyrixWrite(m, 0xC3, 0x00);
  EXPECT_EQ(m.IdFlagChangeable(), 1);
  const CpuidRegs on = m.Cpuid(0);
  EXPECT_EQ(on.ebx, 0x69727943u);  // "Cyri"
  EXPECT_EQ(on.edx, 0x736E4978u);  // "xIns"
  EXPECT_EQ(on.ecx, 0x64616574u);  // "tead"
  EXPECT_EQ(m.Cpuid(1).eax, 0x0520u);
}

TEST(SimCyrix, LockedMappingAndAbsentRegisters) {
  SimMachineDesc locked = Cyrix6x86Pc({true, 0x00, 0x00, false});
  locked.cyrix.mapen_locked = true;
  SimMachine m(locked);
  CyrixWrite(m, 0xC3, 0x1F);
  EXPECT_EQ(m.ccr3, 0x0F);  // low bits take the write, MAPEN does not

  SimMachine plain(CachedPentium());
  EXPECT_EQ(CyrixRead(plain, 0xC3), 0xFF);
  CyrixWrite(plain, 0xC3, 0x10);
  EXPECT_EQ(CyrixRead(plain, 0xC3), 0xFF);
  EXPECT_EQ(plain.IdFlagChangeable(), 1);  // an ungated processor ignores all of it
}

}  // namespace
