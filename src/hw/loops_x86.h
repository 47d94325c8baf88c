// The processor's own instructions, run directly: CPUID, the ID-flag test,
// the FPU division check and the timed machine-code loops whose instruction
// counts are fixed.  The native machine is built on these; they need an x86
// or x86-64 processor.
#pragma once

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
