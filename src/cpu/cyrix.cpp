#include "cpu/cyrix.h"

#include "console/console.h"
#include "hw/hw.h"

namespace {

const uint16_t CYRIX_INDEX_PORT = 0x22;
const uint16_t CYRIX_DATA_PORT = 0x23;
const uint8_t CCR3 = 0xC3;  // bits 7-4: register mapping; 0001b opens CCR4
const uint8_t CCR4 = 0xE8;  // bit 7: CPUID instruction enabled
const uint8_t MAPPING_BIT = 0x10;
const uint8_t CPUID_BIT = 0x80;

// A test write to CCR3: bits 7-5 cleared, bit 4 inverted, bits 3-0 kept.
uint8_t MappingProbe(uint8_t value) {
  return static_cast<uint8_t>((value & 0x1F) ^ MAPPING_BIT);
}

}  // namespace

uint8_t CyrixRead(uint8_t index) {
  PortOutByte(CYRIX_INDEX_PORT, index);
  return PortInByte(CYRIX_DATA_PORT);
}

void CyrixWrite(uint8_t index, uint8_t value) {
  PortOutByte(CYRIX_INDEX_PORT, index);
  PortOutByte(CYRIX_DATA_PORT, value);
}

int CyrixPresent() {
  const uint8_t first = CyrixRead(CCR3);
  CyrixWrite(CCR3, MappingProbe(first));
  const uint8_t second = CyrixRead(CCR3);
  // Without the registers the data port gives back the same byte whatever is
  // written, so any difference means something answered.
  if (second == first)
    return 0;
  CyrixWrite(CCR3, first);
  return 1;
}

int EnableRegisterMapping() {
  const uint8_t first = CyrixRead(CCR3);
  CyrixWrite(CCR3, MappingProbe(first));
  const uint8_t second = CyrixRead(CCR3);
  if (((first ^ second) & MAPPING_BIT) == 0) {
    PagedPrint("Failed to enable M1 Register I/O Mapping.\n");
    return -1;
  }
  CyrixWrite(CCR3, static_cast<uint8_t>((first & 0x0F) | MAPPING_BIT));
  if ((first & MAPPING_BIT) != 0) {
    PagedPrint("M1 Register I/O Mapping is enabled already.\n");
    return -1;
  }
  PagedPrint("M1 Register I/O Mapping enabled.\n");
  return first;
}

int EnableCyrixCpuid() {
  const uint8_t first = CyrixRead(CCR4);
  CyrixWrite(CCR4, static_cast<uint8_t>(first ^ CPUID_BIT));
  const uint8_t second = CyrixRead(CCR4);
  if (((first ^ second) & CPUID_BIT) == 0) {
    PagedPrint("Failed to enable M1 CPUID.\n");
    return -1;
  }
  CyrixWrite(CCR4, static_cast<uint8_t>(first | CPUID_BIT));
  if ((first & CPUID_BIT) != 0) {
    PagedPrint("M1 CPUID is enabled already.\n");
    return -1;
  }
  PagedPrint("M1 CPUID enabled.\n");
  return first;
}

int RestoreCyrixCpuid(int saved) {
  if (saved < 0)
    return 0;
  CyrixWrite(CCR4, static_cast<uint8_t>(saved));
  PagedPrint("M1 CPUID is set back to original value (disabled).\n");
  return 1;
}

int RestoreRegisterMapping(int saved) {
  if (saved < 0)
    return 0;
  CyrixWrite(CCR3, static_cast<uint8_t>(saved));
  PagedPrint("M1 Register I/O Mapping is set back to original value (disabled).\n");
  return 1;
}
