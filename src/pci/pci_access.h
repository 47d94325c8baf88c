// PCI configuration access, one byte at a time: select, access, release.
// Mechanism #1 (address port 0CF8h, data ports 0CFCh-0CFFh) is the one every
// board of the era answers but the oldest; mechanism #2 (the enable register
// at 0CF8h, the forward register at 0CFAh and the window C000h-CFFFh) serves
// those that answer only it.
#pragma once

#include <cstdint>

extern uint32_t pci_address;

void PciSelect(unsigned bus, unsigned device, unsigned function, unsigned reg);
uint8_t PciReadByte();
void PciWriteByte(uint8_t value);
void PciRelease();

// Mechanism #2: only devices 0-15 can be reached.
void Mechanism2Select(unsigned bus, unsigned device, unsigned function, unsigned reg);
uint8_t Mechanism2ReadByte();
void Mechanism2WriteByte(uint8_t value);
void Mechanism2Release();
// Whether the enable and forward registers of mechanism #2 hold what is
// written to them; both are put back as they were found.
bool Mechanism2Present();

// Where a function of bus 0 is reached: by which mechanism, at which device.
struct ConfigPlace {
  unsigned mechanism;  // 1 or 2
  unsigned device;
};

// Where the host bridge was found; mechanism #1, device 0 until detection
// finds it elsewhere.
extern ConfigPlace host_place;

// One configuration byte of function 0 at place, selected, made and released
// on its own.
uint8_t ReadConfigByte(ConfigPlace place, unsigned reg);
void WriteConfigByte(ConfigPlace place, unsigned reg, uint8_t value);

// One byte of the host bridge, wherever it was found.
uint8_t ReadHostRegister(unsigned reg);
void WriteHostRegister(unsigned reg, uint8_t value);
