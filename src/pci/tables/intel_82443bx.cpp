// Register fields of the Intel 82443BX host bridge (440BX), device 7190h with
// its AGP port on and 7192h with it off.  The 82443ZX (440ZX) answers with
// the same ids and registers, less ECC and registered SDRAM.  Sources: RBIL
// INTERRUP.E tables 01142 (register map) to 01163, 01118 and 01123;
// coreboot src/northbridge/intel/i440bx (raminit.c and i440bx.h quote the
// datasheet's names, codes and defaults); 86Box src/chipset/intel_4x0.c
// (write masks and power-on values of the BX and ZX).
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/intel_82443bx_descriptions.h"
#include "pci/tables/intel_descriptions.h"
#include "pci/tables/intel_p6_descriptions.h"
#include "pci/tables/tables.h"

namespace {

constexpr char BX_ONLY_CHOICE[] = "0 Disabled\r1 Enabled\r82443BX only; the 82443ZX has no ECC.";

}  // namespace

const RegisterField fields_82443bx[] = {
    // PCI configuration header, RBIL 00878.  86Box writes 04h bits 6 and 1
    // and 05h bit 0 (04h reads 06h at power-on), clears 07h bits 7-4 on a
    // 1, and keeps 0Dh bits 7-3; coreboot gives 06h 0210h or 0200h.
    {0x05, RESERVED_COMMAND_SPAN, 0, "Reserved", RESERVED_READS_0},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Fast back-to-back cycles to different targets are not run\r"
     "Not implemented by the 82443BX; reads 0."},
    {0x05, Field(0, 0), 0, "SERR# Enable", P6_SERR_ENABLE},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping", ADDRESS_DATA_STEPPING},
    {0x04, Field(6, 6), 0, "Parity Error Response", P6_PARITY_ERROR_RESPONSE},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop", VGA_PALETTE_SNOOP},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command", MEMORY_WRITE_INVALIDATE},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring", SPECIAL_CYCLE_MONITORING},
    {0x04, Fixed(2, 2), 1, "Bus Master", P6_BUS_MASTER},
    {0x04, Fixed(1, 1), 1, "Memory Space", MEMORY_SPACE},
    {0x04, Fixed(0, 0), 0, "PCI I/O Space", P6_PCI_IO_SPACE},
    {0x07, Field(7, 7), 0, "Detected Parity Error", WRITE_1_TO_CLEAR_STATUS},
    {0x07, Field(6, 6), 0, "Signaled System Error", WRITE_1_TO_CLEAR_STATUS},
    {0x07, Field(5, 5), 0, "Received Master Abort", WRITE_1_TO_CLEAR_STATUS},
    {0x07, Field(4, 4), 0, "Received Target Abort", RECEIVED_TARGET_ABORT},
    {0x07, Field(3, 3), 0, "Signaled Target Abort", WRITE_1_TO_CLEAR_STATUS},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing", P6_DEVSEL_TIMING},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected", WRITE_1_TO_CLEAR_STATUS},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable", FAST_BACK_TO_BACK_CAPABLE},
    {0x06, Fixed(6, 6), 0, "Reserved", RESERVED_READS_0},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable", PCI_66MHZ_CAPABLE},
    {0x06, Fixed(4, 4), 0, "Capabilities List", CAPABILITIES_LIST},
    {0x06, Fixed(3, 0), 0, "Reserved", RESERVED_READS_0},
    {0x08, Fixed(7, 0), 0, "Revision ID Code",
     "Silicon revision.\rcoreboot lists 00h, 01h and 02h; 86Box gives 02h with the AGP port "
     "on and 03h with it off.\rRead only."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_CODE},
    {0x0D, Field(7, 0), 0, "PCI latency timer", P6_LATENCY_TIMER},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", HEADER_TYPE_CODE},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", BIST_SUPPORTED},
    {0x0F, Fixed(6, 6), 0, "Start Test", "0 No test running\rThe 82443BX has no self-test."},
    {0x0F, Fixed(5, 4), 0, "Reserved", RESERVED_READS_0},
    {0x0F, Fixed(3, 0), 0, "Response Code", RESPONSE_CODE},

    // 10h-13h graphics aperture base, RBIL 01142; 34h the capability
    // pointer (86Box: 10h 08h, 34h A0h with the AGP port on, 00h with it off).
    {0x10, Fixed(3, 3), 1, "Aperture Prefetchable", APERTURE_PREFETCHABLE},
    {0x10, Fixed(2, 1), 0, "Aperture Addressing Type", APERTURE_TYPE},
    {0x10, Fixed(0, 0), 0, "Aperture Memory Space Indicator", APERTURE_MEMORY_SPACE},
    {0x12, Field(7, 6), 0, "Aperture Base A23-A22", APERTURE_BASE},
    {0x13, Field(7, 0), 0, "Aperture Base A31-A24", APERTURE_BASE},
    {0x34, Fixed(7, 0), 0, "Capabilities Pointer", CAPABILITY_POINTER_AGP},

    // 50h-53h NBX configuration, RBIL 01144 and coreboot; its bits 8-7
    // straddle 51h and 50h.  86Box writes 50h bits 7-5, 3 and 1-0, 51h bits
    // 7 and 3-0 (the frequency in bits 5-4 is strapped), 52h bits 2-0 and
    // all of 53h.
    {0x53, Field(7, 0), 0, "SDRAM Rows Without ECC", BX_SDRAM_ROWS_WITHOUT_ECC},
    {0x52, Field(2, 2), 0, "Host Bus Fast Data Ready", BX_HOST_BUS_FAST_DATA_READY},
    {0x52, Field(1, 1), 0, "ECC Signals Always Driven for EDO",
     "0 Normal mode\r1 ECC signals always driven\r82443BX only."},
    {0x52, Field(0, 0), 0, "IDSEL Redirection", BX_IDSEL_REDIRECTION},
    {0x51, Field(7, 7), 0, "WSC# Handshake Disable", WSC_HANDSHAKE_DISABLE},
    {0x51, Field(5, 4), 0, "Host/DRAM Frequency",
     "00 100 MHz\r01 Reserved\r10 66 MHz\r11 Reserved\rLatched from a strap at reset."},
    {0x51, Field(3, 3), 0, "AGP-to-PCI Access Enable", BX_AGP_TO_PCI_ACCESS_ENABLE},
    {0x51, Field(2, 2), 0, "PCI Agent to Aperture Access Disable", PCI_TO_APERTURE_DISABLE},
    {0x51, Field(1, 1), 0, "Aperture Access Global Enable", APERTURE_GLOBAL_ENABLE},
    {0x51, Field(0, 0), 0, "DRAM Data Integrity Mode Bit 8",
     "0 No ECC: non-ECC, or EC-only when 50h bit 7 is 1\r"
     "1 ECC mode: with hardware scrubbing when 50h bit 7 is 1\r82443BX only."},
    {0x50, Field(7, 7), 0, "DRAM Data Integrity Mode Bit 7",
     "0 Non-ECC, or ECC without scrubbing when 51h bit 0 is 1\r"
     "1 EC-only, or ECC with hardware scrubbing when 51h bit 0 is 1\r82443BX only."},
    {0x50, Field(6, 6), 0, "ECC Diagnostic Mode", BX_ONLY_CHOICE},
    {0x50, Field(5, 5), 0, "MDA Present", MDA_PRESENT},
    {0x50, Field(3, 3), 0, "USWC Write Post During I/O Bridge Access", DISABLED_ENABLED},
    {0x50, Field(2, 2), 0, "In-Order Queue Depth", BX_IN_ORDER_QUEUE_DEPTH},

    // 57h DRAM control, RBIL 01145 and coreboot; 86Box writes bits 5-0
    // (bits 3-0 on the 82443ZX) and powers it on as 28h.
    {0x57, Fixed(5, 5), 1, "Module Mode Configuration", BX_MODULE_MODE_CONFIGURATION},
    {0x57, Field(4, 3), 1, "DRAM Type",
     "00 EDO\r01 SDRAM\r10 Registered SDRAM, 82443BX only\r11 Reserved\r"
     "The types cannot be mixed."},
    {0x57, Field(2, 0), 0, "DRAM Refresh Rate", BX_DRAM_REFRESH_RATE},

    // 58h DRAM timing for EDO, RBIL 01146; 86Box writes bits 1-0, default 03h.
    {0x58, Field(1, 1), 1, "EDO RASx# Wait State",
     "0 One RASx# wait state on row misses\r1 Two: one more RASx# wait state on row misses"},
    {0x58, Field(0, 0), 1, "EDO CASx# Wait State",
     "0 One wait state to the first CASx# on page hits\r1 Two: one more wait state to the "
     "first CASx# on page hits"},

    // 59h-5Fh programmable attribute map, RBIL 01118 and coreboot; 86Box
    // masks 70h and 77h.
    {0x59, Field(3, 0), 0, "Reserved", RESERVED_READS_0},
    {0x59, Field(7, 4), 0, "BIOS ROM (F0000-FFFFF) Control", P6_PAM},
    {0x5A, Field(3, 0), 0, "C0000-C3FFF Control", P6_PAM},
    {0x5A, Field(7, 4), 0, "C4000-C7FFF Control", P6_PAM},
    {0x5B, Field(3, 0), 0, "C8000-CBFFF Control", P6_PAM},
    {0x5B, Field(7, 4), 0, "CC000-CFFFF Control", P6_PAM},
    {0x5C, Field(3, 0), 0, "D0000-D3FFF Control", P6_PAM},
    {0x5C, Field(7, 4), 0, "D4000-D7FFF Control", P6_PAM},
    {0x5D, Field(3, 0), 0, "D8000-DBFFF Control", P6_PAM},
    {0x5D, Field(7, 4), 0, "DC000-DFFFF Control", P6_PAM},
    {0x5E, Field(3, 0), 0, "E0000-E3FFF Control", P6_PAM},
    {0x5E, Field(7, 4), 0, "E4000-E7FFF Control", P6_PAM},
    {0x5F, Field(3, 0), 0, "E8000-EBFFF Control", P6_PAM},
    {0x5F, Field(7, 4), 0, "EC000-EFFFF Control", P6_PAM},

    // 60h-67h DRAM row boundaries, RBIL 01142 and coreboot: eight rows in 8 MB.
    {0x60, Field(7, 0), 0, "DRAM Size Row 0 (8M unit)", P6_ROW_0_SIZE},
    {0x61, Field(7, 0), 0, "DRAM Size Row 1-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x62, Field(7, 0), 0, "DRAM Size Row 2-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x63, Field(7, 0), 0, "DRAM Size Row 3-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x64, Field(7, 0), 0, "DRAM Size Row 4-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x65, Field(7, 0), 0, "DRAM Size Row 5-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x66, Field(7, 0), 0, "DRAM Size Row 6-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x67, Field(7, 0), 0, "DRAM Size Row 7-0 (8M unit)", P6_BOUNDARY_NOTE},

    // 68h fixed DRAM hole control, RBIL 01147 and coreboot.
    {0x68, Field(7, 6), 0, "Memory Hole", MEMORY_HOLE},

    // 72h system management RAM control, RBIL 01123; 86Box writes bits 6-3
    // and holds the base segment at 010.
    {0x72, Field(6, 6), 0, "SMM Space Open", SMM_SPACE_OPEN},
    {0x72, Field(5, 5), 0, "SMM Space Closed", SMM_SPACE_CLOSED},
    {0x72, Field(4, 4), 0, "SMM Space Locked", SMM_SPACE_LOCKED},
    {0x72, Field(3, 3), 0, "SMRAM Enable", SMRAM_ENABLE},
    {0x72, Fixed(2, 0), 2, "SMM Space Base Segment", "010 A0000-BFFFF\rHardwired."},

    // 73h extended SMRAM control, RBIL 01149; 86Box writes bits 7-6 and 2-0
    // and holds bits 5-3 at 1 (power-on 38h).
    {0x73, Field(7, 7), 0, "High SMRAM Enable", BX_HIGH_SMRAM_ENABLE},
    {0x73, Field(6, 6), 0, "Extended SMRAM Access Error", BX_EXTENDED_SMRAM_ACCESS_ERROR},
    {0x73, Fixed(5, 5), 1, "SMRAM Write-Through Caching", BX_HARDWIRED_ENABLED},
    {0x73, Fixed(4, 4), 1, "SMRAM L1 Caching", BX_HARDWIRED_ENABLED},
    {0x73, Fixed(3, 3), 1, "SMRAM L2 Caching", BX_HARDWIRED_ENABLED},
    {0x73, Field(2, 1), 0, "TSEG Size", BX_TSEG_SIZE},
    {0x73, Field(0, 0), 0, "TSEG Enable", BX_TSEG_ENABLE},

    // 74h-75h SDRAM row page size, two bits per row, RBIL 01150.
    {0x74, Field(1, 0), 0, "Row 0 SDRAM Page Size", ROW_PAGE_SIZE},
    {0x74, Field(3, 2), 0, "Row 1 SDRAM Page Size", ROW_PAGE_SIZE},
    {0x74, Field(5, 4), 0, "Row 2 SDRAM Page Size", ROW_PAGE_SIZE},
    {0x74, Field(7, 6), 0, "Row 3 SDRAM Page Size", ROW_PAGE_SIZE},
    {0x75, Field(1, 0), 0, "Row 4 SDRAM Page Size", ROW_PAGE_SIZE},
    {0x75, Field(3, 2), 0, "Row 5 SDRAM Page Size", ROW_PAGE_SIZE},
    {0x75, Field(5, 4), 0, "Row 6 SDRAM Page Size", ROW_PAGE_SIZE},
    {0x75, Field(7, 6), 0, "Row 7 SDRAM Page Size", ROW_PAGE_SIZE},

    // 76h-77h SDRAM control, RBIL 01151 and coreboot; 86Box writes 76h and
    // 77h bits 1-0.
    {0x77, Field(1, 0), 0, "Idle/Pipeline DRAM Leadoff Timing",
     "00 Illegal\r01 One clock added to the leadoff\r10 Illegal\r11 Illegal"},
    {0x76, Field(7, 5), 0, "SDRAM Mode Select", BX_SDRAM_MODE_SELECT},
    {0x76, Field(4, 4), 0, "SDRAMPWR", BX_SDRAMPWR},
    {0x76, Field(3, 3), 0, "Leadoff Command Timing", BX_LEADOFF_COMMAND_TIMING},
    {0x76, Field(2, 2), 0, "SDRAM CAS# Latency", BX_SDRAM_CAS_LATENCY},
    {0x76, Field(1, 1), 0, "SDRAM RAS# to CAS# Delay", TWO_OR_THREE_CLOCKS},
    {0x76, Field(0, 0), 0, "SDRAM RAS# Precharge", TWO_OR_THREE_CLOCKS},

    // 78h-79h paging policy, RBIL 01152 and coreboot; 86Box writes 78h bits
    // 3-0 and all of 79h.
    {0x78, Field(3, 0), 0, "DRAM Idle Timer", BX_DRAM_IDLE_TIMER},
    {0x79, Field(0, 0), 0, "Row 0 Banks", BANKS_PER_ROW},
    {0x79, Field(1, 1), 0, "Row 1 Banks", BANKS_PER_ROW},
    {0x79, Field(2, 2), 0, "Row 2 Banks", BANKS_PER_ROW},
    {0x79, Field(3, 3), 0, "Row 3 Banks", BANKS_PER_ROW},
    {0x79, Field(4, 4), 0, "Row 4 Banks", BANKS_PER_ROW},
    {0x79, Field(5, 5), 0, "Row 5 Banks", BANKS_PER_ROW},
    {0x79, Field(6, 6), 0, "Row 6 Banks", BANKS_PER_ROW},
    {0x79, Field(7, 7), 0, "Row 7 Banks", BANKS_PER_ROW},

    // 7Ah power management control, RBIL 01153 and coreboot; 86Box keeps
    // bits 3 and 1 read-only.
    {0x7A, Field(7, 7), 0, "SDRAM Power-Down for Idle Rows", DISABLED_ENABLED},
    {0x7A, Field(6, 6), 0, "ACPI Control Register Enable", BX_ACPI_CONTROL_REGISTER_ENABLE},
    // coreboot reads 1 as self refresh, as RBIL does for the 82439TX's bit of
    // the same name; RBIL's 82443BX table has it the other way round.
    {0x7A, Field(5, 5), 0, "Suspend Refresh Type", BX_SUSPEND_REFRESH_TYPE},
    {0x7A, Field(4, 4), 0, "Normal Refresh Enable", BX_NORMAL_REFRESH_ENABLE},
    {0x7A, Fixed(3, 3), 0, "Quick Start Mode", BX_QUICK_START_MODE},
    {0x7A, Field(2, 2), 0, "Gated Clock Enable", BX_GATED_CLOCK_ENABLE},
    {0x7A, Fixed(1, 1), 0, "AGP Disable",
     "0 AGP port on (device 7190h)\r1 AGP port off (device 7192h)\rRead only."},
    {0x7A, Field(0, 0), 0, "CPU Reset Without PCIRST", DISABLED_ENABLED},

    // 7Bh-7Ch suspend CBR refresh rate, RBIL 01154; 86Box writes 7Bh and 7Ch,
    // default 0038h.
    {0x7C, Field(4, 4), 0, "Suspend CBR Refresh Auto-Adjust", BX_SUSPEND_CBR_REFRESH_AUTO_ADJUST},
    {0x7C, Field(3, 0), 0, "Suspend CBR Refresh Rate Bits 11-8", SCRR_RATE},
    {0x7B, Field(7, 0), 0, "Suspend CBR Refresh Rate Bits 7-0", SCRR_RATE},

    // 80h-83h error address pointer, RBIL 01155; 86Box clears 80h bits 1-0
    // on a 1.
    {0x83, Field(7, 0), 0, "Error Address A31-A24", ERROR_ADDRESS},
    {0x82, Field(7, 0), 0, "Error Address A23-A16", ERROR_ADDRESS},
    {0x81, Field(7, 4), 0, "Error Address A15-A12", ERROR_ADDRESS},
    {0x80, Field(1, 1), 0, "Error Address Multiple-Bit Error", WRITE_1_TO_CLEAR_STATUS},
    {0x80, Field(0, 0), 0, "Error Address Single-Bit Error", WRITE_1_TO_CLEAR_STATUS},

    // 90h error command, RBIL 01156 (82443BX part); 86Box writes the byte and
    // powers it on as 80h.
    {0x90, Field(7, 7), 1, "SERR# on Non-Snoop Access Outside Aperture", SERR_ON_ERROR_P6},
    {0x90, Field(6, 6), 0, "SERR# on Invalid AGP DRAM Access", SERR_ON_ERROR_P6},
    {0x90, Field(5, 5), 0, "SERR# on Invalid Translation Table Entry", SERR_ON_ERROR_P6},
    {0x90, Field(4, 4), 0, "SERR# on Received Target Abort", SERR_ON_ERROR_P6},
    {0x90, Field(3, 3), 0, "SERR# on Thermal DRAM Throttling", SERR_ON_ERROR_P6},
    {0x90, Field(2, 2), 0, "SERR# Mode", BX_SERR_MODE},
    {0x90, Field(1, 1), 0, "SERR# on Multiple-Bit DRAM Error", BX_SERR_ON_MULTIPLE_BIT_DRAM_ERROR},
    {0x90, Field(0, 0), 0, "SERR# on Single-Bit ECC Error", BX_SERR_ON_SINGLE_BIT_ECC_ERROR},

    // 91h-92h error status, RBIL 01157; 86Box clears 91h bits 4 and 0 and
    // 92h bits 4-0 on a 1.
    {0x92, Field(4, 4), 0, "DRAM Read Thermal Throttling", WRITE_1_TO_CLEAR_STATUS},
    {0x92, Field(3, 3), 0, "DRAM Write Thermal Throttling", WRITE_1_TO_CLEAR_STATUS},
    {0x92, Field(2, 2), 0, "Non-Snoop Access Outside Aperture", WRITE_1_TO_CLEAR_STATUS},
    {0x92, Field(1, 1), 0, "Invalid AGP Non-Snoop DRAM Read", WRITE_1_TO_CLEAR_STATUS},
    {0x92, Field(0, 0), 0, "Invalid Translation Table Entry", WRITE_1_TO_CLEAR_STATUS},
    {0x91, Field(7, 5), 0, "Multiple-Bit Error First Row", FIRST_ERROR_ROW},
    {0x91, Field(4, 4), 0, "Multiple-Bit Error Detected", WRITE_1_TO_CLEAR_STATUS},
    {0x91, Field(3, 1), 0, "Single-Bit Error First Row", FIRST_ERROR_ROW},
    {0x91, Field(0, 0), 0, "Single-Bit Error Detected", WRITE_1_TO_CLEAR_STATUS},

    // A0h-A7h AGP capability and status, RBIL 01158 and 01159; coreboot gives
    // 00100002h (00000000h with the AGP port off) and 1F000203h.
    {0xA0, Fixed(7, 0), 0, "AGP Capability ID", AGP_CAPABILITY_ID},
    {0xA1, Fixed(7, 0), 0, "AGP Next Capability", AGP_NEXT_CAPABILITY},
    {0xA2, Fixed(7, 4), 0, "AGP Major Revision", AGP_MAJOR_VERSION},
    {0xA2, Fixed(3, 0), 0, "AGP Minor Revision", AGP_MINOR_VERSION},
    {0xA4, Fixed(1, 0), 3, "AGP Data Rates Supported", AGP_RATES_SUPPORTED},
    {0xA5, Fixed(1, 1), 1, "AGP Sideband Addressing Supported", AGP_SIDEBAND_SUPPORTED},
    {0xA7, Fixed(7, 0), 0, "AGP Request Queue Depth", AGP_REQUEST_DEPTH},

    // A8h-A9h AGP command, RBIL 01160.
    {0xA9, Field(1, 1), 0, "AGP Sideband Addressing Enable", AGP_SIDEBAND_ENABLE},
    {0xA9, Field(0, 0), 0, "AGP Enable", AGP_ENABLE},
    {0xA8, Field(1, 0), 0, "AGP Data Rate", AGP_DATA_RATE},

    // B0h-B1h AGP control, RBIL 01161 (82443BX part); 86Box writes B0h bit 7
    // and B1h bits 7 and 5.
    {0xB0, Field(7, 7), 0, "GTLB Enable", GTLB_ENABLE},
    {0xB1, Field(7, 7), 0, "Snoopable Write/AGP Read Ordering Disable",
     BX_SNOOPABLE_WRITE_AGP_READ_ORDERING_DISABLE},
    {0xB1, Field(5, 5), 0, "Aperture Write-AGP Read Synchronization", APERTURE_WRITE_SYNC},

    // B4h aperture size, RBIL 01162; 86Box writes bits 5-0.
    {0xB4, Field(5, 0), 0, "Graphics Aperture Size", APERTURE_SIZE},

    // B8h-BBh aperture translation table base, RBIL 01163.
    {0xB9, Field(7, 4), 0, "Translation Table Base A15-A12", TRANSLATION_TABLE_BASE},
    {0xBA, Field(7, 0), 0, "Translation Table Base A23-A16", TRANSLATION_TABLE_BASE},
    {0xBB, Field(7, 0), 0, "Translation Table Base A31-A24", TRANSLATION_TABLE_BASE},

    {0, 0, 0, nullptr, nullptr},
};
