// The loops are inline assembly so that no compiler can unroll, vectorise,
// merge or drop what they execute: each timed loop has exactly the
// instructions its measurement subtracts away with a twin of the same trip
// count.  The same text assembles for x86 and x86-64 (operand sizes follow
// the registers the compiler picks).
#include "hw/loops_x86.h"

#include <cpuid.h>

#include <cstring>

#if !defined(__i386__) && !defined(__x86_64__)
#error "the native machine needs an x86 or x86-64 processor"
#endif

CpuidRegs NativeCpuid(uint32_t leaf) {
  unsigned a, b, c, d;
  __cpuid_count(leaf, 0, a, b, c, d);
  return CpuidRegs{a, b, c, d};
}

int NativeIdFlagChangeable() {
  uintptr_t found, toggled;
#if defined(__x86_64__)
  // The pushes would land in the red zone below the stack pointer, where the
  // compiler may keep locals of this function; step over it first.
  asm volatile(
      "sub $128, %%rsp\n\t"
      "pushfq\n\t"
      "popq %0\n\t"
      "movq %0, %1\n\t"
      "xorq $0x200000, %1\n\t"
      "pushq %1\n\t"
      "popfq\n\t"
      "pushfq\n\t"
      "popq %1\n\t"
      "pushq %0\n\t"
      "popfq\n\t"
      "add $128, %%rsp"
      : "=&r"(found), "=&r"(toggled)
      :
      : "cc");
#else
  asm volatile(
      "pushfl\n\t"
      "popl %0\n\t"
      "movl %0, %1\n\t"
      "xorl $0x200000, %1\n\t"
      "pushl %1\n\t"
      "popfl\n\t"
      "pushfl\n\t"
      "popl %1\n\t"
      "pushl %0\n\t"
      "popfl"
      : "=&r"(found), "=&r"(toggled)
      :
      : "cc");
#endif
  return ((found ^ toggled) & 0x200000) != 0 ? 1 : 0;
}

double NativeFdivResidue(double x) {
  // The division flaw lives in the x87 divider; compiled division would use
  // SSE on x86-64 and could be folded when x is known.
  double residue;
  asm volatile(
      "fld1\n\t"
      "fdivl %[x]\n\t"
      "fmull %[x]\n\t"
      "fld1\n\t"
      "fsub %%st(1), %%st\n\t"
      "fstpl %[r]\n\t"
      "fstp %%st(0)"
      : [r] "=m"(residue)
      : [x] "m"(x)
      : "st", "st(1)");
  return residue;
}

namespace {

template <unsigned BLOCK_LENGTH>
void IncBlocks() {
  uint32_t blocks = 256;
  asm volatile(
      "1:\n\t"
      ".rept %c[k]\n\t"
      "incl %%eax\n\t"
      ".endr\n\t"
      "decl %[n]\n\t"
      "jnz 1b"
      : [n] "+r"(blocks)
      : [k] "i"(BLOCK_LENGTH)
      : "eax", "cc");
}

}  // namespace

void NativeIncGroup(unsigned block_length) {
  switch (block_length) {
    case 256:
      IncBlocks<256>();
      break;
    case 128:
      IncBlocks<128>();
      break;
    case 64:
      IncBlocks<64>();
      break;
    default:
      break;
  }
}

// A decrement from zero would run the loops 2^32 times.
void NativeReadBursts(const void* block, uint32_t trips) {
  if (trips == 0)
    return;
  const char* p = static_cast<const char*>(block);
  asm volatile(
      "1:\n\t"
      ".irp o,0,8,16,24,32,40,48,56,64,72,80,88,96,104,112,120\n\t"
      "movl \\o(%[p]), %%eax\n\t"
      "movl \\o+4(%[p]), %%edx\n\t"
      ".endr\n\t"
      "add $128, %[p]\n\t"
      "decl %[n]\n\t"
      "jnz 1b"
      : [p] "+r"(p), [n] "+r"(trips)
      :
      : "eax", "edx", "cc", "memory");
}

void NativeWriteBursts(void* block, uint32_t trips) {
  if (trips == 0)
    return;
  char* p = static_cast<char*>(block);
  asm volatile(
      "xorl %%eax, %%eax\n\t"
      "xorl %%edx, %%edx\n\t"
      "1:\n\t"
      ".irp o,0,8,16,24,32,40,48,56,64,72,80,88,96,104,112,120\n\t"
      "movl %%eax, \\o(%[p])\n\t"
      "movl %%edx, \\o+4(%[p])\n\t"
      ".endr\n\t"
      "add $128, %[p]\n\t"
      "decl %[n]\n\t"
      "jnz 1b"
      : [p] "+r"(p), [n] "+r"(trips)
      :
      : "eax", "edx", "cc", "memory");
}

void NativeEmptyBursts(const void* block, uint32_t trips) {
  if (trips == 0)
    return;
  const char* p = static_cast<const char*>(block);
  asm volatile(
      "1:\n\t"
      "add $128, %[p]\n\t"
      "decl %[n]\n\t"
      "jnz 1b"
      : [p] "+r"(p), [n] "+r"(trips)
      :
      : "cc");
}

void NativeClearBlock(void* block, size_t bytes) {
  memset(block, 0, bytes);
  // Tell the compiler the bytes are used, so the stores stay.
  asm volatile("" : : "r"(block) : "memory");
}
