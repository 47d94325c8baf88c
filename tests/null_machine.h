// The base of the tests' own machines: an empty board whose ports float high,
// whose processor answers nothing and whose operations take no time.  A test
// machine overrides only what its test watches.
#pragma once

#include "hw/machine.h"

class NullMachine : public Machine {
 public:
  uint8_t InByte(uint16_t) override { return 0xFF; }
  void OutByte(uint16_t, uint8_t) override {}
  void OutDword(uint16_t, uint32_t) override {}
  CpuidRegs Cpuid(uint32_t) override { return CpuidRegs{0, 0, 0, 0}; }
  int IdFlagChangeable() override { return 0; }
  uint64_t ReadTimeStampCounter() override { return 0; }
  void InterruptsOff() override {}
  void InterruptsOn() override {}
  double FdivResidue(double) override { return 0.0; }
  void RunIncGroup(unsigned) override {}
  void RunReadBursts(const void*, uint32_t) override {}
  void RunWriteBursts(void*, uint32_t) override {}
  void RunEmptyBursts(const void*, uint32_t) override {}
  void ClearBlock(void*, size_t) override {}
  void* AllocateTestBuffer(size_t) override { return nullptr; }
  void ReleaseTestBuffer(void*, size_t) override {}
};
