#include "hw/device_models.h"

void TimerReset(TimerChannelModel* timer, uint64_t now) {
  *timer = TimerChannelModel{};
  timer->reload = 65536;
  timer->mode = 3;
  timer->access = 3;
  timer->counting = true;
  timer->loaded_at = now;
}

uint16_t TimerCountAt(const TimerChannelModel* timer, uint64_t now) {
  if (!timer->counting)
    return timer->held;
  const uint64_t clocks = now > timer->loaded_at ? now - timer->loaded_at : 0;
  uint32_t value;
  if (timer->mode == 3) {
    // The square wave mode loads an even count and takes two off at every
    // input clock, so the count passes through its range twice per output
    // period (an odd count behaves as the even one below it).
    uint32_t even = timer->reload & ~1u;
    if (even < 2)
      even = 2;
    value = even - 2 * static_cast<uint32_t>(clocks % (even / 2));
  } else {
    value = timer->reload - static_cast<uint32_t>(clocks % timer->reload);
  }
  // 65536 is held as 0, as the chip's 16-bit counting element holds it.
  return static_cast<uint16_t>(value & 0xFFFF);
}

void TimerWriteControl(TimerChannelModel* timer, uint8_t value, uint64_t now) {
  if ((value >> 6) != 0)
    return;
  unsigned access = (value >> 4) & 3;
  if (access == 0) {
    // A second latch before the first is read leaves the first in place.
    if (!timer->latched) {
      timer->latch_value = TimerCountAt(timer, now);
      timer->latched = true;
    }
    return;
  }
  // A new mode stops the count until the new count has been written.
  timer->held = TimerCountAt(timer, now);
  timer->counting = false;
  timer->access = static_cast<uint8_t>(access);
  unsigned mode = (value >> 1) & 7;
  timer->mode = static_cast<uint8_t>(mode >= 6 ? mode - 4 : mode);
  timer->latched = false;
  timer->read_high_next = false;
  timer->write_high_next = false;
}

void TimerWriteCount(TimerChannelModel* timer, uint8_t value, uint64_t now) {
  uint32_t count;
  if (timer->access == 1) {
    count = value;
  } else if (timer->access == 2) {
    count = static_cast<uint32_t>(value) << 8;
  } else if (!timer->write_high_next) {
    timer->pending_low = value;
    timer->write_high_next = true;
    return;
  } else {
    count = timer->pending_low | static_cast<uint32_t>(value) << 8;
    timer->write_high_next = false;
  }
  timer->reload = count == 0 ? 65536 : count;
  timer->loaded_at = now;
  timer->counting = true;
}

uint8_t TimerReadCount(TimerChannelModel* timer, uint64_t now) {
  uint16_t count = timer->latched ? timer->latch_value : TimerCountAt(timer, now);
  uint8_t low = static_cast<uint8_t>(count & 0xFF);
  uint8_t high = static_cast<uint8_t>(count >> 8);
  if (timer->access == 3 && !timer->read_high_next) {
    timer->read_high_next = true;
    return low;
  }
  timer->read_high_next = false;
  timer->latched = false;
  return timer->access == 2 || timer->access == 3 ? high : low;
}

uint8_t ToBcd(unsigned value) {
  value %= 100;
  return static_cast<uint8_t>((value / 10) << 4 | value % 10);
}

PciTarget DecodePciAccess(const PciMechanismModel* pci, uint16_t data_port) {
  uint32_t a = pci->address;
  PciTarget target;
  target.enabled = (a & 0x80000000u) != 0;
  target.bus = (a >> 16) & 0xFF;
  target.device = (a >> 11) & 0x1F;
  target.function = (a >> 8) & 7;
  target.reg = (a & 0xFC) + ((data_port - 0xCFCu) & 3);
  return target;
}
