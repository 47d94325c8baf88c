#include "hw/bare/keyboard.h"

#include <cstdint>

#include "hw/bare/ports.h"

namespace {

const uint16_t DATA = 0x60;
const uint16_t STATUS = 0x64;
const uint16_t COMMAND = 0x64;
const uint8_t OUTPUT_FULL = 0x01;
const uint8_t INPUT_FULL = 0x02;
const uint8_t FROM_MOUSE = 0x20;
const uint8_t PULSE_RESET = 0xFE;
// Bounds every wait on the controller, which may be absent or stuck.
const unsigned CONTROLLER_TRIES = 100000;

// Scan code set 1 (the controller translates to it for the BIOS), make codes
// 00h to 39h: the characters of an unshifted US keyboard.
const char SCAN_CODES[] =
    "\0\x1b"
    "1234567890-=\b\t"
    "qwertyuiop[]\r\0"
    "asdfghjkl;'`\0\\"
    "zxcvbnm,./\0*\0 ";

bool IsShiftOrLock(uint8_t code) {
  switch (code) {
    case 0x1D:  // control
    case 0x2A:  // left shift
    case 0x36:  // right shift
    case 0x38:  // alt
    case 0x3A:  // caps lock
    case 0x45:  // num lock
    case 0x46:  // scroll lock
      return true;
    default:
      return false;
  }
}

}  // namespace

void KeyboardInit() {
  for (int i = 0; i < 32 && (InPort(STATUS) & OUTPUT_FULL); ++i)
    InPort(DATA);
}

int KeyboardPollKey() {
  uint8_t status = InPort(STATUS);
  // No controller at all reads as FFh: nothing to take.
  if (status == 0xFF || !(status & OUTPUT_FULL))
    return -1;
  uint8_t code = InPort(DATA);
  if (status & FROM_MOUSE)
    return -1;
  // Prefixes, releases and the controller's own answers (FAh, FEh, FFh...)
  // are no key presses.
  if (code >= 0x80 || code == 0xE0 || code == 0xE1 || IsShiftOrLock(code))
    return -1;
  if (code < sizeof SCAN_CODES - 1)
    return static_cast<unsigned char>(SCAN_CODES[code]);
  return 0;
}

void RestartMachine() {
  asm volatile("cli");
  for (unsigned i = 0; i < CONTROLLER_TRIES && (InPort(STATUS) & INPUT_FULL); ++i) {
  }
  OutPort(COMMAND, PULSE_RESET);
  for (unsigned i = 0; i < CONTROLLER_TRIES; ++i)
    InPort(0x80);  // about a microsecond each on an ISA bus
  // The reset control register of PCI chipsets: a hard reset.
  OutPort(0xCF9, 0x02);
  OutPort(0xCF9, 0x06);
  for (unsigned i = 0; i < CONTROLLER_TRIES; ++i)
    InPort(0x80);
  // An empty interrupt table turns the next exception into a shutdown,
  // which the board answers with a reset.
  struct __attribute__((packed)) {
    uint16_t limit;
    uint32_t base;
  } empty = {0, 0};
  asm volatile("lidt %0\n\tint3" : : "m"(empty));
  for (;;)
    asm volatile("hlt");
}
