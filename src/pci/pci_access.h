// PCI configuration mechanism #1, one byte at a time: select, access, release.
#pragma once

#include <cstdint>

extern uint32_t pci_address;

void PciSelect(unsigned bus, unsigned device, unsigned function, unsigned reg);
uint8_t PciReadByte();
void PciWriteByte(uint8_t value);
void PciRelease();

// One byte of the host bridge (bus 0, device 0, function 0), each access
// selected, made and released on its own.
uint8_t ReadHostRegister(unsigned reg);
void WriteHostRegister(unsigned reg, uint8_t value);
