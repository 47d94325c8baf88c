// Every 32-bit Windows, 9x and NT alike, finds the handlers of a thread
// through the chain of registration records that FS:[0] points to.  Each
// guarded instruction pushes a record of its own for exactly that one
// instruction: if the system raises an exception there, the handler marks
// the instruction refused and resumes right after it.  This needs nothing
// from the compiler's own exception scheme and nothing Windows 9x lacks.
#include "hw/native_windows_guard.h"

#include <windows.h>

#include <cstddef>

#if !defined(__i386__)
#error "the guarded instructions are written for 32-bit x86"
#endif

namespace {

struct GuardFrame;
typedef EXCEPTION_DISPOSITION(__cdecl* GuardHandler)(EXCEPTION_RECORD*, void*, CONTEXT*, void*);

// The first two words are the registration record the system walks; the
// rest is this frame's own.  The assembly below uses the offsets.
struct GuardFrame {
  GuardFrame* next;
  GuardHandler handler;
  uint32_t fault_at;   // the guarded instruction
  uint32_t resume_at;  // the instruction after it
  uint32_t refused;
};
static_assert(offsetof(GuardFrame, next) == 0, "registration record layout");
static_assert(offsetof(GuardFrame, handler) == 4, "registration record layout");
static_assert(offsetof(GuardFrame, fault_at) == 8, "guard frame layout");
static_assert(offsetof(GuardFrame, resume_at) == 12, "guard frame layout");

// Only a fault of the guarded instruction itself is ours; anything else,
// and every unwind, goes on to the handlers further down the chain.
EXCEPTION_DISPOSITION __cdecl SkipRefusedInstruction(EXCEPTION_RECORD* record, void* establisher,
                                                     CONTEXT* context, void*) {
  if ((record->ExceptionFlags & (EXCEPTION_UNWINDING | EXCEPTION_EXIT_UNWIND)) != 0)
    return ExceptionContinueSearch;
  GuardFrame* frame = static_cast<GuardFrame*>(establisher);
  if (context->Eip != frame->fault_at)
    return ExceptionContinueSearch;
  frame->refused = 1;
  context->Eip = frame->resume_at;
  return ExceptionContinueExecution;
}

GuardFrame NewFrame() {
  GuardFrame frame = {};
  frame.handler = SkipRefusedInstruction;
  return frame;
}

}  // namespace

// Links the frame in, marks the guarded instruction (label 1) and the one
// after it (label 2), and unlinks the frame again after it.
#define GUARD_ENTER             \
  "movl $1f, 8(%[frame])\n\t"   \
  "movl $2f, 12(%[frame])\n\t"  \
  "movl %%fs:0, %%ecx\n\t"      \
  "movl %%ecx, 0(%[frame])\n\t" \
  "movl %[frame], %%fs:0\n"     \
  "1:\n\t"
#define GUARD_LEAVE             \
  "\n2:\n\t"                    \
  "movl 0(%[frame]), %%ecx\n\t" \
  "movl %%ecx, %%fs:0"

bool GuardedInByte(uint16_t port, uint8_t* value) {
  GuardFrame frame = NewFrame();
  // A refused read leaves the register as it was: an empty bus.
  uint8_t read = 0xFF;
  asm volatile(GUARD_ENTER "inb %w[port], %%al" GUARD_LEAVE
               : "+a"(read)
               : [port] "Nd"(port), [frame] "r"(&frame)
               : "ecx", "memory");
  *value = read;
  return frame.refused == 0;
}

bool GuardedOutByte(uint16_t port, uint8_t value) {
  GuardFrame frame = NewFrame();
  asm volatile(GUARD_ENTER "outb %%al, %w[port]" GUARD_LEAVE
               :
               : "a"(value), [port] "Nd"(port), [frame] "r"(&frame)
               : "ecx", "memory");
  return frame.refused == 0;
}

bool GuardedOutDword(uint16_t port, uint32_t value) {
  GuardFrame frame = NewFrame();
  asm volatile(GUARD_ENTER "outl %%eax, %w[port]" GUARD_LEAVE
               :
               : "a"(value), [port] "Nd"(port), [frame] "r"(&frame)
               : "ecx", "memory");
  return frame.refused == 0;
}

bool GuardedDisableInterrupts() {
  GuardFrame frame = NewFrame();
  asm volatile(GUARD_ENTER "cli" GUARD_LEAVE : : [frame] "r"(&frame) : "ecx", "memory");
  return frame.refused == 0;
}

bool GuardedEnableInterrupts() {
  GuardFrame frame = NewFrame();
  asm volatile(GUARD_ENTER "sti" GUARD_LEAVE : : [frame] "r"(&frame) : "ecx", "memory");
  return frame.refused == 0;
}
