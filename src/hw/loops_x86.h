// The processor's own instructions, run directly: CPUID, the ID-flag test,
// the FPU division check and the timed machine-code loops whose instruction
// counts are fixed.  The native machine is built on these; they need an x86
// or x86-64 processor.
#pragma once

#include <x86intrin.h>

#include <cstddef>
#include <cstdint>

#include "hw/machine.h"

CpuidRegs NativeCpuid(uint32_t leaf);
// Whether EFLAGS bit 21 can be toggled; EFLAGS is left as found.
int NativeIdFlagChangeable();
// 1 - (1/x)*x on the x87 unit, where the division flaw of early Pentiums sits.
double NativeFdivResidue(double x);

// 256 blocks of block_length INC EAX, each closed by the counter decrement
// and the branch back.  Block lengths other than 256, 128 and 64 run nothing.
void NativeIncGroup(unsigned block_length);
// Per trip: 32 four-byte loads at offsets 0..124 alternating two registers
// (read), 32 four-byte stores of zero (write), or nothing (empty); then the
// pointer step by 128, the decrement and the branch.  Zero trips run nothing.
void NativeReadBursts(const void* block, uint32_t trips);
void NativeWriteBursts(void* block, uint32_t trips);
void NativeEmptyBursts(const void* block, uint32_t trips);

// memset that the compiler cannot drop although nothing reads the bytes.
void NativeClearBlock(void* block, size_t bytes);

// The half of a native machine that is the processor itself, the same under
// every system; a native machine adds its ports, its interrupt flag and its
// memory.  Only the inline read of hw.h bypasses ReadTimeStampCounter.
class NativeProcessorMachine : public Machine {
 public:
  CpuidRegs Cpuid(uint32_t leaf) override { return NativeCpuid(leaf); }
  int IdFlagChangeable() override { return NativeIdFlagChangeable(); }
  uint64_t ReadTimeStampCounter() override { return __rdtsc(); }
  double FdivResidue(double x) override { return NativeFdivResidue(x); }
  void RunIncGroup(unsigned block_length) override { NativeIncGroup(block_length); }
  void RunReadBursts(const void* block, uint32_t trips) override { NativeReadBursts(block, trips); }
  void RunWriteBursts(void* block, uint32_t trips) override { NativeWriteBursts(block, trips); }
  void RunEmptyBursts(const void* block, uint32_t trips) override {
    NativeEmptyBursts(block, trips);
  }
  void ClearBlock(void* block, size_t bytes) override { NativeClearBlock(block, bytes); }
};
