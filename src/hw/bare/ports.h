// The processor's port instructions, for the bare machine's own devices
// (screen, keyboard, serial port, speaker, interrupt controllers).
#pragma once

#include <cstdint>

inline uint8_t InPort(uint16_t port) {
  uint8_t value;
  asm volatile("inb %1, %0" : "=a"(value) : "Nd"(port));
  return value;
}

inline void OutPort(uint16_t port, uint8_t value) {
  asm volatile("outb %0, %1" : : "a"(value), "Nd"(port));
}

inline void OutPortDword(uint16_t port, uint32_t value) {
  asm volatile("outl %0, %1" : : "a"(value), "Nd"(port));
}
