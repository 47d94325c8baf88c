// Detection of the host bridge (bus 0, device 0, function 0) and the chipset
// section of the report.
#pragma once

#include <cstdint>

#include "pci/tables/tables.h"

extern const ChipsetEntry* current_chipset;
extern uint16_t host_vendor_id;
extern uint16_t host_device_id;

void DetectHostBridge();
void PrintHostBridgeReport();
void PrintFieldLine(const RegisterField& field, uint8_t value, const char* prefix);
const char* TranslateField(const RegisterField& field, uint8_t field_value);
const char* FormatBinary(uint8_t field_value, unsigned width_code);
