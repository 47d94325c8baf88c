// The real machine under Linux.  The processor's own instructions run
// directly; the ports are used directly only where the kernel grants them,
// and otherwise each device is served through the operating system with the
// answers the device itself would give.
#include "hw/native_linux.h"

#include <fcntl.h>
#include <glob.h>
#include <linux/rtc.h>
#include <sched.h>
#include <sys/io.h>
#include <sys/ioctl.h>
#include <sys/mman.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "hw/device_models.h"
#include "hw/loops_x86.h"
#include "hw/select.h"

namespace {

// The port ranges the program uses; everything else is an empty ISA bus.
// PCI_WINDOW_RANGE is the I/O window of configuration mechanism #2, whose
// enable and forward registers lie in PCI_RANGE.
enum PortRangeId {
  CYRIX_RANGE,
  TIMER_RANGE,
  RTC_RANGE,
  PCI_RANGE,
  PCI_WINDOW_RANGE,
  PORT_RANGE_COUNT
};

struct PortRange {
  uint16_t first;
  uint16_t last;
};

constexpr PortRange PORT_RANGES[PORT_RANGE_COUNT] = {
    {0x22, 0x23}, {0x40, 0x43}, {0x70, 0x71}, {0xCF8, 0xCFF}, {0xC000, 0xCFFF}};

int FindPortRange(uint16_t port) {
  for (int i = 0; i < PORT_RANGE_COUNT; ++i) {
    if (port >= PORT_RANGES[i].first && port <= PORT_RANGES[i].last)
      return i;
  }
  return -1;
}

uint8_t DirectInByte(uint16_t port) {
  uint8_t value;
  asm volatile("inb %w1, %b0" : "=a"(value) : "Nd"(port));
  return value;
}

void DirectOutByte(uint16_t port, uint8_t value) {
  asm volatile("outb %b0, %w1" : : "a"(value), "Nd"(port));
}

void DirectOutDword(uint16_t port, uint32_t value) {
  asm volatile("outl %0, %w1" : : "a"(value), "Nd"(port));
}

// The timer's input clocks counted on the monotonic clock.
uint64_t TimerInputClocksNow() {
  timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return static_cast<uint64_t>(now.tv_sec) * TIMER_INPUT_HZ +
         ScaleCount(static_cast<uint64_t>(now.tv_nsec), TIMER_INPUT_HZ, 1000000000);
}

// The first real-time clock device that answers, or -1.
int OpenRtcDevice() {
  glob_t found;
  int fd = -1;
  if (glob("/dev/rtc*", 0, nullptr, &found) == 0) {
    for (size_t i = 0; i < found.gl_pathc && fd < 0; ++i) {
      fd = open(found.gl_pathv[i], O_RDONLY | O_CLOEXEC);
      rtc_time probe;
      if (fd >= 0 && ioctl(fd, RTC_RD_TIME, &probe) != 0) {
        close(fd);
        fd = -1;
      }
    }
  }
  globfree(&found);
  return fd;
}

class NativeLinuxMachine : public NativeProcessorMachine {
 public:
  explicit NativeLinuxMachine(bool try_direct_ports) {
    for (int i = 0; i < PORT_RANGE_COUNT; ++i) {
      const PortRange& r = PORT_RANGES[i];
      direct_[i] = try_direct_ports && ioperm(r.first, r.last - r.first + 1u, 1) == 0;
    }
    // Tests that stand files in for configuration space must reach them.
    // Served, configuration space answers only mechanism #1: the system
    // reaches every function, whichever mechanism it found them by.
    if (std::getenv(TEST_SYSFS_PCI_VARIABLE) != nullptr || !direct_[PCI_RANGE]) {
      direct_[PCI_RANGE] = false;
      direct_[PCI_WINDOW_RANGE] = false;
    }
    TimerReset(&timer_, TimerInputClocksNow());
    pci_.address = 0;
    rtc_fd_ = direct_[RTC_RANGE] ? -1 : OpenRtcDevice();
  }

  uint8_t InByte(uint16_t port) override {
    int range = FindPortRange(port);
    if (range >= 0 && direct_[range])
      return DirectInByte(port);
    if (port == 0x40)
      return TimerReadCount(&timer_, TimerInputClocksNow());
    if (port == 0x71)
      return (cmos_index_ & 0x7F) == 0 ? RtcSecondsBcd() : 0xFF;
    if (port >= 0xCFC && port <= 0xCFF) {
      PciTarget t = DecodePciAccess(&pci_, port);
      uint8_t value;
      if (t.enabled && OsPciReadByte(t.bus, t.device, t.function, t.reg, &value))
        return value;
    }
    return 0xFF;
  }

  void OutByte(uint16_t port, uint8_t value) override {
    int range = FindPortRange(port);
    if (range >= 0 && direct_[range]) {
      DirectOutByte(port, value);
    } else if (port == 0x43) {
      TimerWriteControl(&timer_, value, TimerInputClocksNow());
    } else if (port == 0x40) {
      TimerWriteCount(&timer_, value, TimerInputClocksNow());
    } else if (port == 0x70) {
      cmos_index_ = value;
    } else if (port >= 0xCFC && port <= 0xCFF) {
      PciTarget t = DecodePciAccess(&pci_, port);
      if (t.enabled && !OsPciWriteByte(t.bus, t.device, t.function, t.reg, value))
        write_refused_ = true;
    }
  }

  void OutDword(uint16_t port, uint32_t value) override {
    int range = FindPortRange(port);
    if (range >= 0 && direct_[range]) {
      DirectOutDword(port, value);
    } else if (port == 0xCF8) {
      pci_.address = value;
    }
  }

  // CLI and STI fault or are ignored in user mode, so they are never run.
  // What the program wants from them is an undisturbed stretch of work: keep
  // the thread on the processor it is on (the time-stamp counter stays one
  // counter) and above every ordinary task.
  void InterruptsOff() override {
    if (interrupt_depth_++ > 0)
      return;
    affinity_saved_ = sched_getaffinity(0, sizeof saved_affinity_, &saved_affinity_) == 0;
    int cpu = sched_getcpu();
    if (affinity_saved_ && cpu >= 0) {
      cpu_set_t one;
      CPU_ZERO(&one);
      CPU_SET(cpu, &one);
      sched_setaffinity(0, sizeof one, &one);
    }
    saved_policy_ = sched_getscheduler(0);
    policy_changed_ = false;
    if (saved_policy_ >= 0 && sched_getparam(0, &saved_param_) == 0) {
      // The lowest real-time priority is above every ordinary task and still
      // below the kernel's own real-time threads.
      sched_param fifo{};
      fifo.sched_priority = sched_get_priority_min(SCHED_FIFO);
      policy_changed_ = sched_setscheduler(0, SCHED_FIFO, &fifo) == 0;
    }
  }

  void InterruptsOn() override {
    if (interrupt_depth_ == 0 || --interrupt_depth_ > 0)
      return;
    if (policy_changed_)
      sched_setscheduler(0, saved_policy_, &saved_param_);
    if (affinity_saved_)
      sched_setaffinity(0, sizeof saved_affinity_, &saved_affinity_);
    policy_changed_ = false;
    affinity_saved_ = false;
  }

  unsigned HostBridgeBytesReadable(unsigned device) override {
    if (direct_[PCI_RANGE])
      return 256;
    if (bridge_bytes_readable_ == 0 || bridge_device_ != device) {
      bridge_bytes_readable_ = OsPciBytesReadable(0, device, 0);
      bridge_device_ = device;
    }
    return bridge_bytes_readable_;
  }

  // The wall-clock time less the time this thread ran: what grows while the
  // kernel runs something else, or (with steal time accounted) while the
  // hypervisor does.
  uint64_t ProcessorTimeAway() override {
    timespec wall;
    timespec ran;
    if (clock_gettime(CLOCK_MONOTONIC, &wall) != 0 ||
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ran) != 0) {
      return 0;
    }
    const int64_t away = (static_cast<int64_t>(wall.tv_sec) - ran.tv_sec) * 1000000000 +
                         (wall.tv_nsec - ran.tv_nsec);
    // The two clocks are read one after the other, so the difference
    // jitters by a little; it is kept from ever going back.
    if (away > away_so_far_)
      away_so_far_ = away;
    return static_cast<uint64_t>(away_so_far_);
  }

  // The kernel and the hypervisor run their own work inside any stretch.
  bool TimedPassesDisturbable() override { return true; }

  bool TakeWriteRefusal() override {
    bool refused = write_refused_;
    write_refused_ = false;
    return refused;
  }

  void* AllocateTestBuffer(size_t bytes) override {
    // Committed up front, as the benchmark expects its buffer to be; some
    // systems refuse writable and executable memory, and the loops never
    // execute from it, so read-write serves as well.
    const int flags = MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE;
    void* buffer = mmap(nullptr, bytes, PROT_READ | PROT_WRITE | PROT_EXEC, flags, -1, 0);
    if (buffer == MAP_FAILED)
      buffer = mmap(nullptr, bytes, PROT_READ | PROT_WRITE, flags, -1, 0);
    return buffer == MAP_FAILED ? nullptr : buffer;
  }

  void ReleaseTestBuffer(void* buffer, size_t bytes) override {
    if (buffer != nullptr)
      munmap(buffer, bytes);
  }

 private:
  // The seconds register of the CMOS clock, from the kernel's real-time
  // clock device when there is one, else from the system clock.
  uint8_t RtcSecondsBcd() {
    if (rtc_fd_ >= 0) {
      rtc_time now;
      if (ioctl(rtc_fd_, RTC_RD_TIME, &now) == 0)
        return ToBcd(static_cast<unsigned>(now.tm_sec));
      close(rtc_fd_);
      rtc_fd_ = -1;
    }
    timespec now;
    clock_gettime(CLOCK_REALTIME, &now);
    return ToBcd(static_cast<unsigned>(now.tv_sec % 60));
  }

  bool direct_[PORT_RANGE_COUNT] = {};
  TimerChannelModel timer_{};
  PciMechanismModel pci_{};
  uint8_t cmos_index_ = 0;
  int rtc_fd_ = -1;
  unsigned bridge_bytes_readable_ = 0;  // 0: not yet found out
  unsigned bridge_device_ = 0;          // the device it was found out for
  bool write_refused_ = false;
  int64_t away_so_far_ = 0;

  int interrupt_depth_ = 0;
  bool affinity_saved_ = false;
  cpu_set_t saved_affinity_{};
  int saved_policy_ = 0;
  sched_param saved_param_{};
  bool policy_changed_ = false;
};

}  // namespace

Machine* CreateNativeMachine() {
  static NativeLinuxMachine machine(true);
  return &machine;
}

Machine* CreateServedPortsMachine() {
  static NativeLinuxMachine machine(false);
  return &machine;
}
