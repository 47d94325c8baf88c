#include "pci/pci_access.h"

#include "hw/hw.h"

namespace {

constexpr uint16_t CONFIG_ADDRESS_PORT = 0xCF8;
constexpr uint16_t CONFIG_DATA_PORT = 0xCFC;
constexpr uint32_t CONFIG_ENABLE = 0x80000000u;

// Mechanism #2 (PCI Local Bus 2.0, 3.7.4.1.2): the configuration space enable
// register at 0CF8h holds a key in bits 7-4 (non-zero maps the configuration
// space of the selected bus into the I/O window) and the function number in
// bits 3-1; the forward register at 0CFAh holds the bus number.  With the
// window open, port C000h | device << 8 | register reaches one byte.  Both
// registers reset to 0, and key 0 gives the window back to ordinary I/O.
constexpr uint16_t ENABLE_PORT = 0xCF8;
constexpr uint16_t FORWARD_PORT = 0xCFA;
constexpr uint16_t WINDOW_BASE = 0xC000;
constexpr uint8_t WINDOW_KEY = 0xF0;

// The byte lane inside the selected configuration dword is picked by the data
// port, so the register's two low bits stay in the address as well.
uint16_t DataPort() {
  return static_cast<uint16_t>(CONFIG_DATA_PORT + (pci_address & 3));
}

// The window port of the byte selected through mechanism #2.
uint16_t window_port = WINDOW_BASE;

}  // namespace

uint32_t pci_address = 0;
ConfigPlace host_place = {1, 0};

void PciSelect(unsigned bus, unsigned device, unsigned function, unsigned reg) {
  pci_address = CONFIG_ENABLE | ((bus & 0xFFu) << 16) | ((device & 0x1Fu) << 11) |
                ((function & 0x7u) << 8) | (reg & 0xFFu);
  PortOutDword(CONFIG_ADDRESS_PORT, pci_address);
}

uint8_t PciReadByte() {
  return PortInByte(DataPort());
}

void PciWriteByte(uint8_t value) {
  PortOutByte(DataPort(), value);
}

void PciRelease() {
  // All zeros, not just the enable bit cleared: nothing stays addressed.
  pci_address = 0;
  PortOutDword(CONFIG_ADDRESS_PORT, 0);
}

void Mechanism2Select(unsigned bus, unsigned device, unsigned function, unsigned reg) {
  // The same order as Linux's mechanism #2 access: the enable register,
  // then the bus, then the byte in the window.
  PortOutByte(ENABLE_PORT, static_cast<uint8_t>(WINDOW_KEY | (function & 7u) << 1));
  PortOutByte(FORWARD_PORT, static_cast<uint8_t>(bus & 0xFFu));
  window_port = static_cast<uint16_t>(WINDOW_BASE | (device & 0xFu) << 8 | (reg & 0xFFu));
}

uint8_t Mechanism2ReadByte() {
  return PortInByte(window_port);
}

void Mechanism2WriteByte(uint8_t value) {
  PortOutByte(window_port, value);
}

void Mechanism2Release() {
  // Key 0: the window is ordinary I/O again.
  window_port = WINDOW_BASE;
  PortOutByte(ENABLE_PORT, 0);
}

bool Mechanism2Present() {
  // Linux's probe (arch/x86/pci/direct.c): both registers take 00h and read
  // it back, which an empty bus, floating high, cannot do.  Unlike Linux it
  // leaves 0CFBh alone: on chips that offer both mechanisms that port
  // chooses between them, and this probe runs only where mechanism #1 found
  // nothing, so there is nothing to switch.  The bytes found are put back,
  // the enable register last, so that a window someone left open is open
  // again and one left shut stays shut.
  const uint8_t enable_found = PortInByte(ENABLE_PORT);
  const uint8_t forward_found = PortInByte(FORWARD_PORT);
  PortOutByte(ENABLE_PORT, 0);
  PortOutByte(FORWARD_PORT, 0);
  const bool present = PortInByte(ENABLE_PORT) == 0 && PortInByte(FORWARD_PORT) == 0;
  PortOutByte(FORWARD_PORT, forward_found);
  PortOutByte(ENABLE_PORT, enable_found);
  return present;
}

uint8_t ReadConfigByte(ConfigPlace place, unsigned reg) {
  uint8_t value;
  if (place.mechanism == 2) {
    Mechanism2Select(0, place.device, 0, reg);
    value = Mechanism2ReadByte();
    Mechanism2Release();
  } else {
    PciSelect(0, place.device, 0, reg);
    value = PciReadByte();
    PciRelease();
  }
  return value;
}

void WriteConfigByte(ConfigPlace place, unsigned reg, uint8_t value) {
  if (place.mechanism == 2) {
    Mechanism2Select(0, place.device, 0, reg);
    Mechanism2WriteByte(value);
    Mechanism2Release();
  } else {
    PciSelect(0, place.device, 0, reg);
    PciWriteByte(value);
    PciRelease();
  }
}

uint8_t ReadHostRegister(unsigned reg) {
  return ReadConfigByte(host_place, reg);
}

void WriteHostRegister(unsigned reg, uint8_t value) {
  WriteConfigByte(host_place, reg, value);
}
