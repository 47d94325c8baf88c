// The devices of a simulated PC behind their ports: 8254 channel 0, the
// CMOS clock, PCI configuration mechanisms #1 and #2 and the Cyrix configuration
// registers.  Each takes its time from the machine's virtual clock count.
#include <cmath>

#include "hw/sim/sim_machine.h"

namespace {

// The clock starts part-way into a second, at 12:34:56.3, so that the
// first tick does not fall on the first read.
constexpr double RTC_START_SECOND = 12 * 3600 + 34 * 60 + 56.3;
constexpr long SECONDS_PER_DAY = 86400;

}  // namespace

// ---- 8254 channel 0 ---------------------------------------------------------

// The timer's input clocks so far on the virtual clock count; none while the
// timer is dead.
uint64_t SimMachine::TimerTicks() const {
  return desc_.timer_dead ? 0 : ScaleCount(cycles_, TIMER_INPUT_HZ, clock_hz_);
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
      return ToBcd(static_cast<unsigned>(second_of_day % 60));
    case 0x02:
      return ToBcd(static_cast<unsigned>(second_of_day / 60 % 60));
    case 0x04:
      return ToBcd(static_cast<unsigned>(second_of_day / 3600));
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

// ---- PCI configuration mechanisms #1 and #2 ------------------------------------

// Only the bridge exists, at function 0 of its device on bus 0; everything
// else reads as all ones, as an empty slot on a PCI bus does.  Each
// mechanism's ports answer only on a board whose chipset has it; elsewhere
// they are empty ISA ports.  A 32-bit write to 0CF8h on a board with
// mechanism #2 alone is dropped, as 86Box does (src/pci.c).
bool SimMachine::AnswersMechanism1() const {
  return desc_.bridge != nullptr && desc_.mechanisms != SIM_MECHANISM_2_ONLY;
}

bool SimMachine::AnswersMechanism2() const {
  return desc_.bridge != nullptr && desc_.mechanisms != SIM_MECHANISM_1;
}

// The bridge's register a decoded access reaches, or -1.
int SimMachine::BridgeRegister(const PciTarget& target) const {
  if (!target.enabled || target.bus != 0 || target.device != desc_.bridge_device ||
      target.function != 0) {
    return -1;
  }
  return static_cast<int>(target.reg);
}

// The bridge's register behind a mechanism #1 data port or a port of the
// mechanism #2 window, or -1 when the access reaches nothing.  The window
// (PCI 2.0, 3.7.4.1.2) is open while the key in bits 7-4 of the enable
// register is not 0; bits 3-1 give the function, the forward register the
// bus, and the port's bits 11-8 the device and 7-0 the register.
int SimMachine::PciBridgeRegister(uint16_t port) const {
  if (port >= 0xCFC && port <= 0xCFF)
    return AnswersMechanism1() ? BridgeRegister(DecodePciAccess(&pci_, port)) : -1;
  if (port < 0xC000 || port > 0xCFFF || !AnswersMechanism2())
    return -1;
  PciTarget target;
  target.enabled = (enable_register_ & 0xF0) != 0;
  target.bus = forward_register_;
  target.device = (port >> 8) & 0xF;
  target.function = (enable_register_ >> 1) & 7;
  target.reg = port & 0xFF;
  return BridgeRegister(target);
}

uint8_t SimMachine::PciRead(uint16_t port) const {
  if (AnswersMechanism2()) {
    // The enable register keeps the key and the function, as 86Box's does.
    if (port == 0xCF8)
      return static_cast<uint8_t>(enable_register_ & 0xFE);
    if (port == 0xCFA)
      return forward_register_;
  }
  const int reg = PciBridgeRegister(port);
  return reg < 0 ? 0xFF : config[reg];
}

void SimMachine::PciWrite(uint16_t port, uint8_t value) {
  if (AnswersMechanism2() && port == 0xCF8) {
    enable_register_ = value;
    return;
  }
  if (AnswersMechanism2() && port == 0xCFA) {
    forward_register_ = value;
    return;
  }
  WriteBridgeRegister(PciBridgeRegister(port), value);
}

void SimMachine::WriteBridgeRegister(int reg, uint8_t value) {
  if (reg < 0)
    return;
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
