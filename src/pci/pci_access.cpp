#include "pci/pci_access.h"

#include "hw/hw.h"

namespace {

constexpr uint16_t CONFIG_ADDRESS_PORT = 0xCF8;
constexpr uint16_t CONFIG_DATA_PORT = 0xCFC;
constexpr uint32_t CONFIG_ENABLE = 0x80000000u;

// The byte lane inside the selected configuration dword is picked by the data
// port, so the register's two low bits stay in the address as well.
uint16_t DataPort() {
  return static_cast<uint16_t>(CONFIG_DATA_PORT + (pci_address & 3));
}

}  // namespace

uint32_t pci_address = 0;

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

uint8_t ReadHostRegister(unsigned reg) {
  PciSelect(0, 0, 0, reg);
  uint8_t value = PciReadByte();
  PciRelease();
  return value;
}

void WriteHostRegister(unsigned reg, uint8_t value) {
  PciSelect(0, 0, 0, reg);
  PciWriteByte(value);
  PciRelease();
}
