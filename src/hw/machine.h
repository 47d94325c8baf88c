// The one run-time seam of the program: every instruction or port access that
// touches the machine goes through a Machine.  Subsystems never call a Machine
// directly; they use the free operations of hw.h, which dispatch to the
// machine chosen once in main.
#pragma once

#include <cstddef>
#include <cstdint>

struct CpuidRegs {
  uint32_t eax;
  uint32_t ebx;
  uint32_t ecx;
  uint32_t edx;
};

class Machine {
 public:
  virtual ~Machine() = default;

  // Port I/O, exactly one bus access per call, never merged or reordered.
  virtual uint8_t InByte(uint16_t port) = 0;
  virtual void OutByte(uint16_t port, uint8_t value) = 0;
  virtual void OutDword(uint16_t port, uint32_t value) = 0;

  virtual CpuidRegs Cpuid(uint32_t leaf) = 0;
  // Whether the ID flag (EFLAGS bit 21) can be changed; EFLAGS is left as found.
  virtual int IdFlagChangeable() = 0;

  // The full 64-bit time-stamp counter.  The native machine's counter is read
  // inline by hw.h instead, so that a stopwatch start and stop cost the same.
  virtual uint64_t ReadTimeStampCounter() = 0;

  virtual void InterruptsOff() = 0;
  virtual void InterruptsOn() = 0;

  // 1 - (1/x)*x computed on the FPU at run time (nonzero on a flawed FDIV).
  virtual double FdivResidue(double x) = 0;

  // 256 blocks of block_length INC EAX (256, 128 or 64), each block followed
  // only by the counter decrement and the branch back.
  virtual void RunIncGroup(unsigned block_length) = 0;

  // trips times: 32 four-byte loads at offsets 0..124 (alternating two
  // registers), the pointer step by 128, the decrement and the branch.
  virtual void RunReadBursts(const void* block, uint32_t trips) = 0;
  // The same with 32 four-byte stores.
  virtual void RunWriteBursts(void* block, uint32_t trips) = 0;
  // Only the pointer step, the decrement and the branch.
  virtual void RunEmptyBursts(const void* block, uint32_t trips) = 0;

  // Fills bytes with zero in a way the compiler cannot drop.
  virtual void ClearBlock(void* block, size_t bytes) = 0;

  // The benchmark's executable read-write buffer; nullptr when refused.
  virtual void* AllocateTestBuffer(size_t bytes) = 0;
  virtual void ReleaseTestBuffer(void* buffer, size_t bytes) = 0;
  // A machine whose RAM is the program's alone, however little of it there
  // is (the bare machine, which must also serve a PC of 8 MB), gives the
  // benchmark one stretch for its buffer and its flush area together: as
  // much of wanted bytes as it has, the length in *granted, given back with
  // ReleaseTestBuffer.  nullptr elsewhere: the buffer then comes from
  // AllocateTestBuffer and the flush area is the program's static storage.
  virtual void* AllocateBenchMemory(size_t wanted, size_t* granted) {
    (void)wanted;
    *granted = 0;
    return nullptr;
  }

  // How many configuration bytes of bus 0, the given device, function 0,
  // counted from offset 0, this machine really reads; reads beyond them
  // answer FFh.  An operating system may show an ordinary user only the
  // first 64.
  virtual unsigned HostBridgeBytesReadable(unsigned /*device*/) { return 256; }

  // Whether the operating system refused a port write made since the last
  // call, which clears it.  A chip ignoring a write is not a refusal; only a
  // machine that reaches a device through the system can be refused.
  virtual bool TakeWriteRefusal() { return false; }

  // Nanoseconds, counted from any fixed point, during which the program was
  // not running although the machine's time went on: descheduled by the
  // operating system, or the processor taken by a hypervisor.  A timed
  // interval across which this grew was disturbed.  0 on a machine that is
  // the program's alone.
  virtual uint64_t ProcessorTimeAway() { return 0; }

  // Whether the operating system can still take the processor away inside a
  // stretch with interrupts "off" (native Linux and Windows), so that one
  // short timed pass may be disturbed.  Where interrupts really are off (the
  // bare machine, the simulated PCs) one pass is exact.
  virtual bool TimedPassesDisturbable() { return false; }
};
