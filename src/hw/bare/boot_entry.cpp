// Where the Multiboot loader hands over: the header that makes korvalt.elf a
// Multiboot image, the first instructions (a clean .bss, a table of
// segments of the program's own, a stack) and the start of the C++ program
// with the loader's command line as its arguments.
#include <cstdint>
#include <cstdlib>

#include "hw/bare/boot_info.h"
#include "hw/bare/devices.h"
#include "hw/bare/end.h"
#include "hw/bare/interrupts.h"
#include "hw/bare/memory.h"
#include "hw/bare/ports.h"
#include "runtime/bare.h"

// Flags: modules page aligned, memory information wanted.
asm(R"(
  .section .multiboot, "a"
  .align 4
  .long 0x1BADB002
  .long 0x00000003
  .long -(0x1BADB002 + 0x00000003)

  .section .data
  .align 8
boot_segments:
  .quad 0
  .quad 0x00CF9A000000FFFF
  .quad 0x00CF92000000FFFF
boot_segments_pointer:
  .word 23
  .long boot_segments

  .section .bss
  .align 16
boot_stack:
  .skip 65536
boot_stack_top:

  .text
  .globl _start
_start:
  cli
  cld
  movl %eax, %edx
  movl $__bss_start, %edi
  movl $_end, %ecx
  subl %edi, %ecx
  xorl %eax, %eax
  rep stosb
  lgdt boot_segments_pointer
  ljmp $0x08, $1f
1:
  movw $0x10, %ax
  movw %ax, %ds
  movw %ax, %es
  movw %ax, %fs
  movw %ax, %gs
  movw %ax, %ss
  movl $boot_stack_top, %esp
  pushl %ebx
  pushl %edx
  call BootMain
2:
  cli
  hlt
  jmp 2b
)");

extern "C" void (*__init_array_start[])();
extern "C" void (*__init_array_end[])();

int main(int argc, char* argv[]);

namespace {

const int MAX_ARGUMENTS = 64;
char* arguments[MAX_ARGUMENTS + 1];

// x87: 53-bit precision, as double arithmetic has on every other system the
// program runs on, rounding to nearest, every exception masked.
const uint16_t FPU_CONTROL = 0x027F;

void Say(const char* text) {
  size_t length = 0;
  while (text[length] != '\0')
    ++length;
  DevicesWrite(text, length);
}

// The x87 unit on (CR0: EM off, MP and NE on), or false where there is none
// (a 486SX without its 487): the status word of FNINIT then never arrives.
bool StartFpu() {
  uint32_t cr0;
  asm volatile("movl %%cr0, %0" : "=r"(cr0));
  cr0 = (cr0 & ~(1u << 2 | 1u << 3)) | 1u << 1 | 1u << 5;
  asm volatile("movl %0, %%cr0" : : "r"(cr0));
  uint16_t status = 0xFFFF;
  asm volatile("fninit\n\tfnstsw %0" : "+m"(status));
  if (status != 0)
    return false;
  asm volatile("fldcw %0" : : "m"(FPU_CONTROL));
  return true;
}

// The words of the command line, the first standing for the program's name;
// the test-only exit word goes to the end instead.
int SplitCommandLine(char* line) {
  int count = 0;
  char* p = line;
  while (*p != '\0' && count < MAX_ARGUMENTS) {
    while (*p == ' ' || *p == '\t')
      *p++ = '\0';
    if (*p == '\0')
      break;
    char* word = p;
    while (*p != '\0' && *p != ' ' && *p != '\t')
      ++p;
    if (*p != '\0')
      *p++ = '\0';
    if (!TakeTestExitWord(word))
      arguments[count++] = word;
  }
  if (count == 0)
    arguments[count++] = const_cast<char*>("korvalt");
  arguments[count] = nullptr;
  return count;
}

// The BIOS switches the floppy drive's motor off on its timer interrupt a
// few seconds after the last read; with that interrupt masked it would spin
// for the whole run.  Digital output register: controller enabled, DMA on,
// every motor off.
void StopFloppyMotor() {
  OutPort(0x3F2, 0x0C);
}

}  // namespace

extern "C" __attribute__((used, noreturn)) void BootMain(uint32_t magic, uint32_t info) {
  DevicesInit();
  SetupInterrupts();
  StopFloppyMotor();
  RuntimeSetOutput(DevicesWrite);
  RuntimeSetEnd(EndRun);
  if (!ReadBootInfo(magic, info)) {
    Say("korvalt: not started by a Multiboot loader\n");
    EndRun(1);
  }
  if (!StartFpu()) {
    Say("korvalt: this processor has no floating-point unit\n");
    EndRun(1);
  }
  if (!PlaceHeap()) {
    Say("korvalt: not enough memory after the program\n");
    EndRun(1);
  }
  for (void (**constructor)() = __init_array_start; constructor != __init_array_end; ++constructor)
    (*constructor)();
  int argc = SplitCommandLine(boot_info.command_line);
  exit(main(argc, arguments));
}
