// Detection of the host bridge (bus 0, device 0, function 0) and the chipset
// section of the report.
#pragma once

#include <cstdint>

#include "pci/tables/tables.h"

extern const ChipsetEntry* current_chipset;
extern uint16_t host_vendor_id;
extern uint16_t host_device_id;

// Where the configuration bytes come from, which decides what a short read
// is put down to: the system's permissions, or a dump that was saved short.
enum ConfigSource { BYTES_FROM_HARDWARE, BYTES_FROM_SAVED_DUMP };

void DetectHostBridge();
// verbose: every choice and note of each field, the matching one marked.
void PrintHostBridgeReport(bool verbose, ConfigSource source);
// The register and the four-character bit span that start a field line.
void PrintFieldPlace(const RegisterField& field, const char* prefix);
void PrintFieldLine(const RegisterField& field, uint8_t value, const char* prefix, bool verbose);
const char* TranslateField(const RegisterField& field, uint8_t field_value, bool verbose);
const char* FormatBinary(uint8_t field_value, unsigned width_code);
