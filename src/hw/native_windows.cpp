// The real machine under 32-bit Windows.  The processor's own instructions
// run directly.  Port I/O and CLI/STI are tried directly too, as Windows 9x
// allows; the NT family (and Wine) refuse them, and the first refusal is
// final: from then on the ports are served with the answers an empty or
// modelled device would give, and the interrupt flag is never touched again.
#include <windows.h>

#include "hw/device_models.h"
#include "hw/loops_x86.h"
#include "hw/native_windows_guard.h"
#include "hw/select.h"

namespace {

constexpr uint64_t NANOSECONDS_PER_SECOND = 1000000000;

// The performance counter in nanoseconds; the millisecond tick count where a
// system has no performance counter.
int64_t MonotonicNanoseconds() {
  static LARGE_INTEGER rate = {};
  static bool rate_known = false;
  if (!rate_known) {
    if (!QueryPerformanceFrequency(&rate))
      rate.QuadPart = 0;
    rate_known = true;
  }
  LARGE_INTEGER count;
  if (rate.QuadPart <= 0 || !QueryPerformanceCounter(&count))
    return static_cast<int64_t>(GetTickCount()) * 1000000;
  return static_cast<int64_t>(ScaleCount(static_cast<uint64_t>(count.QuadPart),
                                         NANOSECONDS_PER_SECOND,
                                         static_cast<uint64_t>(rate.QuadPart)));
}

// The timer's input clocks counted on the performance counter.
uint64_t TimerInputClocksNow() {
  return ScaleCount(static_cast<uint64_t>(MonotonicNanoseconds()), TIMER_INPUT_HZ,
                    NANOSECONDS_PER_SECOND);
}

// The system clock's time within the minute, in milliseconds, and the
// performance counter at the same moment.
struct ClockAnchor {
  int64_t counter_ns;
  int64_t minute_ms;
};

ClockAnchor AnchorSystemClock() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return ClockAnchor{MonotonicNanoseconds(), now.wSecond * 1000 + now.wMilliseconds};
}

// The seconds register of the CMOS clock: the system clock's seconds, carried
// forward on the performance counter.  The system time itself only moves at
// the system's clock tick (10 to 16 ms on the NT family), which would put
// each change of the seconds up to a tick late and make the timed second
// that much long or short.
uint8_t RtcSecondsBcd(const ClockAnchor& anchor) {
  int64_t elapsed_ms = (MonotonicNanoseconds() - anchor.counter_ns) / 1000000;
  if (elapsed_ms < 0)
    elapsed_ms = 0;
  return ToBcd(static_cast<unsigned>((anchor.minute_ms + elapsed_ms) / 1000 % 60));
}

// Thread calls that not every Windows has (Windows 9x lacks them); looked up
// by name so that the program still loads there.
typedef DWORD_PTR(WINAPI* SetThreadAffinityMaskCall)(HANDLE, DWORD_PTR);
typedef BOOL(WINAPI* GetProcessAffinityMaskCall)(HANDLE, PDWORD_PTR, PDWORD_PTR);
typedef DWORD(WINAPI* GetCurrentProcessorNumberCall)();

FARPROC Kernel32Call(const char* name) {
  HMODULE kernel = GetModuleHandleA("kernel32.dll");
  return kernel == nullptr ? nullptr : GetProcAddress(kernel, name);
}

// The one processor this thread runs on now, as an affinity mask; 0 when the
// system cannot say.
DWORD_PTR CurrentProcessorMask() {
  auto current = reinterpret_cast<GetCurrentProcessorNumberCall>(
      reinterpret_cast<void*>(Kernel32Call("GetCurrentProcessorNumber")));
  if (current != nullptr) {
    DWORD number = current();
    if (number < 8 * sizeof(DWORD_PTR))
      return static_cast<DWORD_PTR>(1) << number;
  }
  auto process_mask = reinterpret_cast<GetProcessAffinityMaskCall>(
      reinterpret_cast<void*>(Kernel32Call("GetProcessAffinityMask")));
  DWORD_PTR allowed = 0;
  DWORD_PTR system = 0;
  if (process_mask == nullptr || !process_mask(GetCurrentProcess(), &allowed, &system))
    return 0;
  return allowed & (~allowed + 1);
}

// What the program wants from CLI is an undisturbed stretch of work; where
// CLI is refused, the thread instead stays on one processor (one time-stamp
// counter) and runs above every ordinary thread while the stretch lasts.
struct HeldProcessor {
  DWORD saved_class;  // 0: the class was not changed
  int saved_priority;
  bool priority_raised;
  DWORD_PTR saved_affinity;  // 0: the affinity was not changed
};

void HoldProcessor(HeldProcessor* held) {
  HANDLE process = GetCurrentProcess();
  HANDLE thread = GetCurrentThread();
  held->saved_class = GetPriorityClass(process);
  if (held->saved_class != 0 && !SetPriorityClass(process, REALTIME_PRIORITY_CLASS))
    held->saved_class = 0;
  // In the real-time class the lowest thread priority is already above
  // every ordinary thread and below the system's own real-time work; a user
  // the system keeps out of that class gets the highest ordinary priority.
  int priority = GetPriorityClass(process) == REALTIME_PRIORITY_CLASS
                     ? THREAD_PRIORITY_IDLE
                     : THREAD_PRIORITY_TIME_CRITICAL;
  held->saved_priority = GetThreadPriority(thread);
  held->priority_raised =
      held->saved_priority != THREAD_PRIORITY_ERROR_RETURN && SetThreadPriority(thread, priority);
  auto set_mask = reinterpret_cast<SetThreadAffinityMaskCall>(
      reinterpret_cast<void*>(Kernel32Call("SetThreadAffinityMask")));
  DWORD_PTR one = CurrentProcessorMask();
  held->saved_affinity = (set_mask != nullptr && one != 0) ? set_mask(thread, one) : 0;
}

void ReleaseProcessor(HeldProcessor* held) {
  HANDLE thread = GetCurrentThread();
  if (held->saved_affinity != 0) {
    auto set_mask = reinterpret_cast<SetThreadAffinityMaskCall>(
        reinterpret_cast<void*>(Kernel32Call("SetThreadAffinityMask")));
    if (set_mask != nullptr)
      set_mask(thread, held->saved_affinity);
  }
  if (held->priority_raised)
    SetThreadPriority(thread, held->saved_priority);
  if (held->saved_class != 0)
    SetPriorityClass(GetCurrentProcess(), held->saved_class);
  *held = HeldProcessor{};
}

class NativeWindowsMachine : public NativeProcessorMachine {
 public:
  NativeWindowsMachine() : clock_(AnchorSystemClock()) {
    TimerReset(&timer_, TimerInputClocksNow());
  }

  uint8_t InByte(uint16_t port) override {
    uint8_t value;
    if (ports_direct_) {
      if (GuardedInByte(port, &value))
        return value;
      ports_direct_ = false;
    }
    if (port == 0x40)
      return TimerReadCount(&timer_, TimerInputClocksNow());
    if (port == 0x71)
      return (cmos_index_ & 0x7F) == 0 ? RtcSecondsBcd(clock_) : 0xFF;
    // Configuration space, the Cyrix registers and every other port are
    // out of reach: an empty bus.
    return 0xFF;
  }

  void OutByte(uint16_t port, uint8_t value) override {
    if (ports_direct_) {
      if (GuardedOutByte(port, value))
        return;
      ports_direct_ = false;
    }
    if (port == 0x43) {
      TimerWriteControl(&timer_, value, TimerInputClocksNow());
    } else if (port == 0x40) {
      TimerWriteCount(&timer_, value, TimerInputClocksNow());
    } else if (port == 0x70) {
      cmos_index_ = value;
    }
  }

  void OutDword(uint16_t port, uint32_t value) override {
    if (ports_direct_) {
      if (GuardedOutDword(port, value))
        return;
      ports_direct_ = false;
    }
  }

  void InterruptsOff() override {
    if (depth_++ > 0)
      return;
    if (interrupts_direct_) {
      if (GuardedDisableInterrupts()) {
        interrupts_disabled_ = true;
        return;
      }
      interrupts_direct_ = false;
    }
    HoldProcessor(&held_);
  }

  void InterruptsOn() override {
    if (depth_ == 0 || --depth_ > 0)
      return;
    if (interrupts_disabled_) {
      interrupts_disabled_ = false;
      GuardedEnableInterrupts();
      return;
    }
    ReleaseProcessor(&held_);
  }

  // Even where CLI is accepted (Windows 9x), the system decides what it
  // does: a timed stretch may still be interrupted.
  bool TimedPassesDisturbable() override { return true; }

  void* AllocateTestBuffer(size_t bytes) override {
    // Committed up front; a system that refuses executable memory still
    // serves, since the loops never execute from the buffer.
    const DWORD kind = MEM_COMMIT | MEM_RESERVE;
    void* buffer = VirtualAlloc(nullptr, bytes, kind, PAGE_EXECUTE_READWRITE);
    if (buffer == nullptr)
      buffer = VirtualAlloc(nullptr, bytes, kind, PAGE_READWRITE);
    return buffer;
  }

  void ReleaseTestBuffer(void* buffer, size_t) override {
    if (buffer != nullptr)
      VirtualFree(buffer, 0, MEM_RELEASE);
  }

 private:
  bool ports_direct_ = true;
  bool interrupts_direct_ = true;
  TimerChannelModel timer_{};
  ClockAnchor clock_;
  uint8_t cmos_index_ = 0;

  int depth_ = 0;
  bool interrupts_disabled_ = false;
  HeldProcessor held_{};
};

}  // namespace

Machine* CreateNativeMachine() {
  static NativeWindowsMachine machine;
  return &machine;
}
