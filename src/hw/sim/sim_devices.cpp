// The devices of a simulated PC behind their ports: 8254 channel 0, the
// CMOS clock, PCI configuration mechanism #1 and the Cyrix configuration
// registers.  Each takes its time from the machine's virtual clock count.
#include <cmath>

#include "hw/sim/sim_machine.h"

namespace {

constexpr uint64_t TIMER_INPUT_HZ = 1193182;

// The clock starts part-way into a second, at 12:34:56.3, so that the
// first tick does not fall on the first read.
constexpr double RTC_START_SECOND = 12 * 3600 + 34 * 60 + 56.3;
constexpr long SECONDS_PER_DAY = 86400;

uint8_t ToBcd(long value) {
  return static_cast<uint8_t>((value / 10) * 16 + value % 10);
}

}  // namespace

// ---- 8254 channel 0 ---------------------------------------------------------

uint64_t SimMachine::TimerTicks() const {
  if (desc_.timer_dead)
    return 0;
  // Split so that the product cannot overflow however long the run.
  return (cycles_ / clock_hz_) * TIMER_INPUT_HZ +
         (cycles_ % clock_hz_) * TIMER_INPUT_HZ / clock_hz_;
}

// The counting element as a latch would see it.  Mode 3 steps down by two
// and reloads every half period (an odd count counts as the even one below
// it); the other modes are taken as mode 2, one step per input clock.
uint32_t SimMachine::TimerCount() const {
  if (!timer_counting_)
    return timer_hold_;
  const uint64_t elapsed = TimerTicks() - timer_load_tick_;
  uint32_t count;
  if (timer_mode_ == 3) {
    uint32_t even = timer_reload_ & ~1u;
    if (even < 2)
      even = 2;
    count = even - 2 * static_cast<uint32_t>(elapsed % (even / 2));
  } else {
    count = timer_reload_ - static_cast<uint32_t>(elapsed % timer_reload_);
  }
  return count & 0xFFFF;
}

void SimMachine::TimerControl(uint8_t value) {
  if ((value >> 6) != 0)
    return;  // channels 1 and 2 and read-back are not modelled
  const uint8_t access = (value >> 4) & 3;
  if (access == 0) {
    // Counter latch; a second latch before the first is read changes nothing.
    if (!timer_latched_) {
      timer_latch_ = static_cast<uint16_t>(TimerCount());
      timer_latched_ = true;
    }
    return;
  }
  // A new mode stops the count until the new reload has been written.
  timer_hold_ = TimerCount();
  timer_counting_ = false;
  timer_access_ = access;
  const uint8_t mode = (value >> 1) & 7;
  timer_mode_ = static_cast<uint8_t>(mode >= 6 ? mode - 4 : mode);
  timer_latched_ = false;
  timer_read_high_ = false;
  timer_write_high_ = false;
}

void SimMachine::TimerWrite(uint8_t value) {
  uint32_t reload;
  if (timer_access_ == 1) {
    reload = value;
  } else if (timer_access_ == 2) {
    reload = uint32_t{value} << 8;
  } else if (!timer_write_high_) {
    timer_low_written_ = value;
    timer_write_high_ = true;
    return;
  } else {
    reload = timer_low_written_ | uint32_t{value} << 8;
    timer_write_high_ = false;
  }
  timer_reload_ = reload == 0 ? 65536 : reload;
  timer_load_tick_ = TimerTicks();
  timer_counting_ = true;
}

uint8_t SimMachine::TimerRead() {
  const uint16_t count = timer_latched_ ? timer_latch_ : static_cast<uint16_t>(TimerCount());
  uint8_t value;
  bool done;
  if (timer_access_ == 1) {
    value = static_cast<uint8_t>(count);
    done = true;
  } else if (timer_access_ == 2) {
    value = static_cast<uint8_t>(count >> 8);
    done = true;
  } else {
    value = static_cast<uint8_t>(timer_read_high_ ? count >> 8 : count);
    done = timer_read_high_;
    timer_read_high_ = !timer_read_high_;
  }
  if (done)
    timer_latched_ = false;
  return value;
}

// ---- CMOS real-time clock -----------------------------------------------------

// Time, date and status registers answer; the clock keeps its own time and
// ignores writes to them.  The battery-backed bytes from 0Eh on are memory.
uint8_t SimMachine::CmosRead() const {
  double true_seconds = 0.0;
  if (!desc_.rtc_dead) {
    const double rate = desc_.rtc_seconds_per_second > 0.0 ? desc_.rtc_seconds_per_second : 1.0;
    true_seconds = static_cast<double>(cycles_) / static_cast<double>(clock_hz_) / rate;
  }
  const long second_of_day =
      static_cast<long>(std::floor(RTC_START_SECOND + true_seconds)) % SECONDS_PER_DAY;
  switch (cmos_index_) {
    case 0x00:
      return ToBcd(second_of_day % 60);
    case 0x02:
      return ToBcd(second_of_day / 60 % 60);
    case 0x04:
      return ToBcd(second_of_day / 3600);
    case 0x06:
      return 0x05;  // Thursday
    case 0x07:
      return 0x12;
    case 0x08:
      return 0x06;
    case 0x09:
      return 0x97;
    case 0x0A:
      return 0x26;  // 32.768 kHz time base, 1024 Hz rate
    case 0x0B:
      return 0x02;  // 24-hour, BCD
    case 0x0D:
      return 0x80;  // battery good
    default:
      return cmos_index_ >= 0x0E ? cmos_ram_[cmos_index_] : 0x00;
  }
}

void SimMachine::CmosWrite(uint8_t value) {
  if (cmos_index_ >= 0x0E)
    cmos_ram_[cmos_index_] = value;
}

// ---- PCI configuration mechanism #1 ------------------------------------------

// Only bus 0, device 0, function 0 exists; everything else reads as all ones,
// as an empty slot on a PCI bus does.
bool SimMachine::PciTargetsBridge() const {
  if (desc_.bridge == nullptr)
    return false;
  if ((pci_address_ & 0x80000000u) == 0)
    return false;
  return ((pci_address_ >> 8) & 0xFFFF) == 0;  // bus, device and function
}

uint8_t SimMachine::PciRead(uint16_t port) const {
  if (!PciTargetsBridge())
    return 0xFF;
  return config[(pci_address_ & 0xFC) + (port - 0xCFC)];
}

void SimMachine::PciWrite(uint16_t port, uint8_t value) {
  if (!PciTargetsBridge())
    return;
  const unsigned reg = (pci_address_ & 0xFC) + (port - 0xCFC);
  config[reg] = static_cast<uint8_t>((config[reg] & ~write_mask[reg]) | (value & write_mask[reg]));
}

// ---- Cyrix configuration registers --------------------------------------------

// C0h-CFh and the device identification FEh-FFh always answer; the further
// registers (CCR4 at E8h among them) only while CCR3 bits 7-4 hold 0001b.
// An index the processor does not own goes out to the bus like any port.
bool SimMachine::CyrixIndexAnswers(uint8_t index) const {
  if ((index >= 0xC0 && index <= 0xCF) || index >= 0xFE)
    return true;
  const bool mapped = (ccr3 >> 4) == 1;
  if (!mapped)
    return false;
  return (index >= 0xD0 && index <= 0xE3) || index == 0xE8 || index == 0xE9;
}

// The index written to 22h serves exactly one data access on 23h; a data
// access without it reaches nothing.
uint8_t SimMachine::CyrixRead() {
  const int index = cyrix_index_;
  cyrix_index_ = -1;
  if (index < 0 || !CyrixIndexAnswers(static_cast<uint8_t>(index)))
    return 0xFF;
  switch (index) {
    case 0xC3:
      return ccr3;
    case 0xE8:
      return ccr4;
    case 0xFE:  // DIR0: 6x86 3xh, 6x86MX 5xh
      return (desc_.cpu.signature >> 8 & 0xF) >= 6 ? 0x51 : 0x31;
    case 0xFF:  // DIR1: stepping and revision
      return 0x14;
    default:
      return cyrix_regs_[index];
  }
}

void SimMachine::CyrixWrite(uint8_t value) {
  const int index = cyrix_index_;
  cyrix_index_ = -1;
  if (index < 0 || !CyrixIndexAnswers(static_cast<uint8_t>(index)))
    return;
  switch (index) {
    case 0xC3:
      ccr3 =
          desc_.cyrix.mapen_locked ? static_cast<uint8_t>((ccr3 & 0xF0) | (value & 0x0F)) : value;
      break;
    case 0xE8:
      ccr4 = value;
      break;
    case 0xFE:
    case 0xFF:
      break;  // identification is read-only
    default:
      cyrix_regs_[index] = value;
      break;
  }
}
