#include "hw/bare/interrupts.h"

#include <cstdint>
#include <cstdio>

#include "hw/bare/devices.h"
#include "hw/bare/end.h"
#include "hw/bare/ports.h"

// One entry stub per exception: those for which the processor pushes no
// error code push a zero in its place, so that the handler always finds
// the vector, the error code and then EIP on the stack.  Lines of the
// interrupt controllers land on a bare IRET: all of them are masked, and a
// spurious one needs no acknowledgement.
asm(R"(
  .text
  .macro EXCEPTION_STUB vector, pushes_error
  .globl exception_stub_\vector
exception_stub_\vector:
  .if \pushes_error == 0
  pushl $0
  .endif
  pushl $\vector
  jmp exception_common
  .endm

  EXCEPTION_STUB 0, 0
  EXCEPTION_STUB 1, 0
  EXCEPTION_STUB 2, 0
  EXCEPTION_STUB 3, 0
  EXCEPTION_STUB 4, 0
  EXCEPTION_STUB 5, 0
  EXCEPTION_STUB 6, 0
  EXCEPTION_STUB 7, 0
  EXCEPTION_STUB 8, 1
  EXCEPTION_STUB 9, 0
  EXCEPTION_STUB 10, 1
  EXCEPTION_STUB 11, 1
  EXCEPTION_STUB 12, 1
  EXCEPTION_STUB 13, 1
  EXCEPTION_STUB 14, 1
  EXCEPTION_STUB 15, 0
  EXCEPTION_STUB 16, 0
  EXCEPTION_STUB 17, 1
  EXCEPTION_STUB 18, 0
  EXCEPTION_STUB 19, 0
  EXCEPTION_STUB 20, 0
  EXCEPTION_STUB 21, 1
  EXCEPTION_STUB 22, 0
  EXCEPTION_STUB 23, 0
  EXCEPTION_STUB 24, 0
  EXCEPTION_STUB 25, 0
  EXCEPTION_STUB 26, 0
  EXCEPTION_STUB 27, 0
  EXCEPTION_STUB 28, 0
  EXCEPTION_STUB 29, 1
  EXCEPTION_STUB 30, 1
  EXCEPTION_STUB 31, 0

exception_common:
  cld
  pushl %esp
  call ExceptionTaken

  .globl ignored_interrupt_stub
ignored_interrupt_stub:
  iret

  .section .rodata
  .align 4
  .globl exception_stubs
exception_stubs:
  .irp vector, 0,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31
  .long exception_stub_\vector
  .endr
  .text
)");

extern "C" const uint32_t exception_stubs[32];
extern "C" void ignored_interrupt_stub();

namespace {

const int EXCEPTIONS = 32;
// The 8259s' lines go to vectors 20h to 2Fh, past the exceptions.
const int CONTROLLER_BASE = 0x20;
const int VECTORS = CONTROLLER_BASE + 16;
const uint16_t CODE_SELECTOR = 0x08;

struct __attribute__((packed)) Gate {
  uint16_t offset_low;
  uint16_t selector;
  uint8_t zero;
  uint8_t type;  // present, ring 0, 32-bit interrupt gate
  uint16_t offset_high;
};

Gate table[VECTORS];

// What the stub left on the stack, lowest address first.
struct ExceptionFrame {
  uint32_t vector;
  uint32_t error_code;
  uint32_t eip;
  uint32_t cs;
  uint32_t eflags;
};

const char* const EXCEPTION_NAMES[EXCEPTIONS] = {
    "divide error",
    "debug",
    "non-maskable interrupt",
    "breakpoint",
    "overflow",
    "bound range exceeded",
    "invalid opcode",
    "device not available",
    "double fault",
    "coprocessor segment overrun",
    "invalid TSS",
    "segment not present",
    "stack fault",
    "general protection",
    "page fault",
    "reserved",
    "floating-point error",
    "alignment check",
    "machine check",
    "SIMD floating-point",
    "virtualisation",
    "control protection",
    "reserved",
    "reserved",
    "reserved",
    "reserved",
    "reserved",
    "reserved",
    "reserved",
    "reserved",
    "security",
    "reserved",
};

void SetGate(int vector, uint32_t handler) {
  table[vector] = Gate{static_cast<uint16_t>(handler), CODE_SELECTOR, 0, 0x8E,
                       static_cast<uint16_t>(handler >> 16)};
}

// ICW1 to ICW4 for one controller, then every line masked.
void ProgramController(uint16_t command, uint16_t data, uint8_t base, uint8_t cascade) {
  OutPort(command, 0x11);  // edge triggered, cascaded, ICW4 follows
  OutPort(data, base);
  OutPort(data, cascade);
  OutPort(data, 0x01);  // 8086 mode
  OutPort(data, 0xFF);
}

bool ending = false;

}  // namespace

extern "C" __attribute__((used, noreturn)) void ExceptionTaken(const ExceptionFrame* frame) {
  // An exception while the end itself runs: nothing is left to try.
  if (ending) {
    for (;;)
      asm volatile("cli; hlt");
  }
  ending = true;
  if (DevicesColumn() != 0)
    DevicesWrite("\n", 1);
  char line[128];
  int length = snprintf(
      line, sizeof line, "korvalt: processor exception %u (%s) at EIP %08X, error code %X\n",
      static_cast<unsigned>(frame->vector), EXCEPTION_NAMES[frame->vector % EXCEPTIONS],
      static_cast<unsigned>(frame->eip), static_cast<unsigned>(frame->error_code));
  DevicesWrite(line, static_cast<size_t>(length));
  EndRun(1);
}

void SetupInterrupts() {
  for (int vector = 0; vector < EXCEPTIONS; ++vector)
    SetGate(vector, exception_stubs[vector]);
  for (int vector = EXCEPTIONS; vector < VECTORS; ++vector)
    SetGate(vector, reinterpret_cast<uint32_t>(&ignored_interrupt_stub));
  struct __attribute__((packed)) {
    uint16_t limit;
    uint32_t base;
  } pointer = {sizeof table - 1, reinterpret_cast<uint32_t>(table)};
  asm volatile("lidt %0" : : "m"(pointer));
  ProgramController(0x20, 0x21, CONTROLLER_BASE, 0x04);      // slave on line 2
  ProgramController(0xA0, 0xA1, CONTROLLER_BASE + 8, 0x02);  // its cascade identity
}
