// Descriptions that tables of more than one maker share word for word.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
#pragma once

// PCI configuration header.
constexpr char RESERVED_READS_0[] = "Reserved; reads 0.";
constexpr char INTERFACE_IDENTIFIER[] = "00000000 No register-level programming interface";
constexpr char SUB_CLASS_CODE[] = "00000000 Host bridge";
constexpr char SERR_OUTPUT_ENABLE[] = "0 SERR# output disabled\r1 SERR# output enabled";
constexpr char PARITY_ERROR_RESPONSE[] = "0 Parity errors ignored\r1 Parity errors reported";

// Chip-specific registers.
constexpr char DISABLED_ENABLED[] = "0 Disabled\r1 Enabled";
constexpr char FPM_EDO[] = "0 Fast page mode DRAM\r1 EDO DRAM";
