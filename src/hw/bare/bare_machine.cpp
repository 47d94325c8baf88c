// The bare machine behind the seam: the processor's instructions, the
// ports, the interrupt flag and the memory are all the real ones, with
// nothing in between.
#include <cstdint>

#include "hw/bare/memory.h"
#include "hw/bare/ports.h"
#include "hw/hw.h"
#include "hw/loops_x86.h"
#include "hw/select.h"

namespace {

class BareMachine : public NativeProcessorMachine {
 public:
  uint8_t InByte(uint16_t port) override { return InPort(port); }
  void OutByte(uint16_t port, uint8_t value) override { OutPort(port, value); }
  void OutDword(uint16_t port, uint32_t value) override { OutPortDword(port, value); }

  // Interrupts stay off until the outermost of nested requests ends.
  void InterruptsOff() override {
    if (depth_++ == 0)
      asm volatile("cli" : : : "memory");
  }
  void InterruptsOn() override {
    if (depth_ > 0 && --depth_ == 0)
      asm volatile("sti" : : : "memory");
  }

  // The benchmark's buffer and flush area share the RAM after the program,
  // so that a PC of 8 or 16 MB still has a memory section; there is no
  // buffer on its own.
  void* AllocateBenchMemory(size_t wanted, size_t* granted) override {
    return TakeBenchMemory(wanted, granted);
  }
  void* AllocateTestBuffer(size_t) override { return nullptr; }
  void ReleaseTestBuffer(void* buffer, size_t) override { GiveBackBenchMemory(buffer); }

 private:
  int depth_ = 0;
};

}  // namespace

Machine* CreateNativeMachine() {
  static BareMachine machine;
  return &machine;
}

// There is no environment to choose a simulated PC from: the machine is
// the PC itself.  Its time-stamp counter is read through the machine, so
// that RDTSC sits in one function, which runs only once CPUID has shown the
// counter.
void SelectMachineFromEnvironment() {
  UseMachine(CreateNativeMachine(), false);
}
