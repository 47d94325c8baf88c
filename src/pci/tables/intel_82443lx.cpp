// Register fields of the Intel 82443LX and 82443EX PCI/AGP controllers (PAC,
// 440LX and 440EX), which share the device id 7180h; RBIL counts revision 03h
// and later as the 82443EX.  Its AGP bridge, 7181h, is device 1 and never the
// host bridge.  Sources: RBIL INTERRUP.E tables 01129 (register map), 01131
// to 01141, 01147, 01156, 01158 to 01163, 01118, 01123 and 01239; 86Box
// src/chipset/intel_4x0.c (write masks and power-on values of both chips).
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/intel_descriptions.h"
#include "pci/tables/intel_p6_descriptions.h"
#include "pci/tables/tables.h"

namespace {

constexpr char LX_ONLY_CHOICE[] = "0 Disabled\r1 Enabled\r82443LX only; reserved on the 82443EX.";

// 58h DRAM timing, RBIL 01135: SDRAM timings in bits 7-5, EDO in bits 4-1.
constexpr char TWO_OR_THREE_CLOCKS[] = "0 3 clocks\r1 2 clocks";
constexpr char EDO_BURST_RATE[] = "0 x-3-3-3\r1 x-2-2-2";

// 91h error status 0, RBIL 01138: ECC, so 82443LX only.
constexpr char LX_ERROR_FLAG[] = "Write 1 to clear\r0 Not detected\r1 Detected\r82443LX only.";
constexpr char LX_FIRST_ERROR_ROW[] =
    "Number of the DRAM row that held the first such error, 0 to 7.\rRead only; 82443LX only.";

}  // namespace

const RegisterField fields_82443lx[] = {
    // PCI configuration header, RBIL 00878.  86Box writes 04h bit 6 and 05h
    // bit 0 (04h reads 06h at power-on), clears 07h bits 7-4 and 0 on a 1,
    // keeps 0Dh bits 7-3, and powers 06h on as 90h.
    {0x05, RESERVED_COMMAND_SPAN, 0, "Reserved", RESERVED_READS_0},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Fast back-to-back cycles to different targets are not run\r"
     "Not implemented by the 82443LX/EX; reads 0."},
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
    {0x06, Fixed(7, 7), 1, "Fast Back-to-Back Capable",
     "1 Capable of fast back-to-back cycles as a target\rRead only."},
    {0x06, Fixed(6, 6), 0, "Reserved", RESERVED_READS_0},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable", PCI_66MHZ_CAPABLE},
    {0x06, Fixed(4, 4), 1, "Capabilities List", CAPABILITIES_LIST},
    {0x06, Fixed(3, 0), 0, "Reserved", RESERVED_READS_0},
    {0x08, Fixed(7, 0), 0, "Revision ID Code",
     "Silicon revision.\rRBIL 01129: revision 03h and later is the 82443EX, earlier ones the "
     "82443LX; 86Box gives both chips 03h.\rRead only."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_CODE},
    {0x0D, Field(7, 0), 0, "PCI latency timer", P6_LATENCY_TIMER},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", HEADER_TYPE_CODE},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", BIST_SUPPORTED},
    {0x0F, Fixed(6, 6), 0, "Start Test", "0 No test running\rThe 82443LX/EX has no self-test."},
    {0x0F, Fixed(5, 4), 0, "Reserved", RESERVED_READS_0},
    {0x0F, Fixed(3, 0), 0, "Response Code", RESPONSE_CODE},

    // 10h-13h graphics aperture base; 34h the capability pointer (86Box
    // powers 10h on as 08h and 34h as A0h).
    {0x10, Fixed(3, 3), 1, "Aperture Prefetchable", APERTURE_PREFETCHABLE},
    {0x10, Fixed(2, 1), 0, "Aperture Addressing Type", APERTURE_TYPE},
    {0x10, Fixed(0, 0), 0, "Aperture Memory Space Indicator", APERTURE_MEMORY_SPACE},
    {0x12, Field(7, 6), 0, "Aperture Base A23-A22", APERTURE_BASE},
    {0x13, Field(7, 0), 0, "Aperture Base A31-A24", APERTURE_BASE},
    {0x34, Fixed(7, 0), 0, "Capabilities Pointer", CAPABILITY_POINTER_AGP},

    // 50h-51h PAC configuration, RBIL 01131; its bits 8-7 straddle the two
    // bytes.  86Box writes 50h bits 6-4 and 51h bits 7 and 2-0.
    {0x51, Field(7, 7), 0, "WSC# Handshake Disable", WSC_HANDSHAKE_DISABLE},
    {0x51, Fixed(6, 6), 0, "Host Frequency",
     "0 66 MHz\r1 60 MHz\rRead only; 82443LX only, reserved on the 82443EX."},
    {0x51, Field(2, 2), 0, "PCI Agent to Aperture Access Disable", PCI_TO_APERTURE_DISABLE},
    {0x51, Field(1, 1), 0, "Aperture Access Global Enable", APERTURE_GLOBAL_ENABLE},
    {0x51, Field(0, 0), 0, "DRAM Data Integrity Mode Bit 8",
     "0 No correction: non-ECC, or EC-only when 50h bit 7 is 1\r"
     "1 ECC, checked and corrected, when 50h bit 7 is 1; reserved when it is 0\r"
     "82443LX only."},
    {0x50, Field(7, 7), 0, "DRAM Data Integrity Mode Bit 7",
     "0 Non-ECC, no checking (reserved when 51h bit 0 is 1)\r"
     "1 Errors checked: EC-only, or full ECC when 51h bit 0 is 1\r82443LX only."},
    {0x50, Field(6, 6), 0, "ECC Test Diagnostic Mode", LX_ONLY_CHOICE},
    {0x50, Field(5, 5), 0, "MDA Present", MDA_PRESENT},

    // 53h data buffer control, RBIL 01132; 86Box writes bits 6-5 and powers
    // it on as 83h.
    {0x53, Field(6, 6), 0, "CPU-to-PCI Posting", DISABLED_ENABLED},
    {0x53, Field(5, 5), 0, "Write Post During I/O Bridge Access", DISABLED_ENABLED},

    // 55h-56h DRAM row type, two bits per row, RBIL 01133.
    {0x55, Field(1, 0), 0, "Row 0 DRAM Type", LX_ROW_TYPE},
    {0x55, Field(3, 2), 0, "Row 1 DRAM Type", LX_ROW_TYPE},
    {0x55, Field(5, 4), 0, "Row 2 DRAM Type", LX_ROW_TYPE},
    {0x55, Field(7, 6), 0, "Row 3 DRAM Type", LX_ROW_TYPE},
    {0x56, Field(1, 0), 0, "Row 4 DRAM Type", LX_ROW_TYPE},
    {0x56, Field(3, 2), 0, "Row 5 DRAM Type", LX_ROW_TYPE},
    {0x56, Field(5, 4), 0, "Row 6 DRAM Type", LX_ROW_TYPE},
    {0x56, Field(7, 6), 0, "Row 7 DRAM Type", LX_ROW_TYPE},

    // 57h DRAM control, RBIL 01134; 86Box writes bits 5-4 and 2-0, power-on
    // 01h.
    {0x57, Field(5, 5), 0, "EDO Auto-Detect Mode",
     "0 Normal operation\r1 EDO detect mode: lets the BIOS find the rows that hold EDO DRAM"},
    {0x57, Field(4, 4), 0, "SDRAM Power Management", DISABLED_ENABLED},
    {0x57, Field(2, 0), 1, "DRAM Refresh Rate",
     "000 Refresh disabled\r001 Normal, for the host frequency in 51h bit 6\r01x Reserved\r"
     "1xx Reserved\rDefault 001."},

    // 58h DRAM timing, RBIL 01135; 86Box writes the whole byte.
    {0x58, Field(7, 7), 0, "SDRAM RAS# to CAS# Delay", TWO_OR_THREE_CLOCKS},
    {0x58, Field(6, 6), 0, "SDRAM CAS# Latency", TWO_OR_THREE_CLOCKS},
    {0x58, Field(5, 5), 0, "SDRAM RAS# Precharge", TWO_OR_THREE_CLOCKS},
    {0x58, Field(4, 4), 0, "EDO Read Burst Timing", EDO_BURST_RATE},
    {0x58, Field(3, 3), 0, "EDO Write Burst Timing", EDO_BURST_RATE},
    {0x58, Field(2, 2), 0, "EDO RAS# Precharge", "0 4 clocks\r1 3 clocks"},
    {0x58, Field(1, 1), 0, "EDO RAS# to CAS# Delay", TWO_OR_THREE_CLOCKS},
    {0x58, Field(0, 0), 0, "MA Wait State",
     "0 Slow: one wait state for SDRAM, one clock more on every EDO timing\r"
     "1 Fast: no wait state for SDRAM, EDO timings as set"},

    // 59h-5Fh programmable attribute map, RBIL 01118; 86Box masks 70h and
    // 77h.
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

    // 60h-67h DRAM row boundaries, RBIL 01129: eight rows in 8 MB.
    {0x60, Field(7, 0), 0, "DRAM Size Row 0 (8M unit)", P6_ROW_0_SIZE},
    {0x61, Field(7, 0), 0, "DRAM Size Row 1-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x62, Field(7, 0), 0, "DRAM Size Row 2-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x63, Field(7, 0), 0, "DRAM Size Row 3-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x64, Field(7, 0), 0, "DRAM Size Row 4-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x65, Field(7, 0), 0, "DRAM Size Row 5-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x66, Field(7, 0), 0, "DRAM Size Row 6-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x67, Field(7, 0), 0, "DRAM Size Row 7-0 (8M unit)", P6_BOUNDARY_NOTE},

    // 68h fixed DRAM hole control, RBIL 01147; 86Box writes bits 7-6.
    {0x68, Field(7, 6), 0, "Memory Hole", MEMORY_HOLE},

    // 6Ah DRAM extended mode select, RBIL 01136; 86Box writes bits 7-5 and
    // 3-0.
    {0x6A, Field(7, 5), 0, "SDRAM Mode Select",
     "000 Normal operation\r001 NOP command on every DRAM cycle\r"
     "010 All-banks precharge on every DRAM cycle\r011 Mode register set on every DRAM cycle\r"
     "100 CBR cycle on every DRAM cycle\r101 Reserved\r11x Reserved\r"
     "The special modes serve SDRAM initialization by the BIOS."},
    {0x6A, Field(3, 2), 0, "Page Timeout", "00 16 clocks\r01 Reserved\r1x Reserved"},
    {0x6A, Field(1, 0), 0, "Close Both Banks Control",
     "00 Both banks closed on a page miss\r01 Reserved\r1x Reserved"},

    // 70h multi-transaction timer, RBIL 01140; 86Box writes bits 7-3.
    {0x70, Field(7, 3), 0, "Multi-Transaction Timer", MULTI_TRANSACTION_TIMER},

    // 72h system management RAM control, RBIL 01123; 86Box writes bits 6-0.
    {0x72, Field(6, 6), 0, "SMM Space Open", SMM_SPACE_OPEN},
    {0x72, Field(5, 5), 0, "SMM Space Closed", SMM_SPACE_CLOSED},
    {0x72, Field(4, 4), 0, "SMM Space Locked", SMM_SPACE_LOCKED},
    {0x72, Field(3, 3), 0, "SMRAM Enable", SMRAM_ENABLE},
    {0x72, Field(2, 0), 2, "SMM Space Base Segment",
     "010 A0000-BFFFF\r100 C0000-CFFFF, 82443EX only\rOther codes are reserved. Default 010."},

    // 90h error command, RBIL 01156 (82443EX/LX part); 86Box writes bits 7-3
    // and 1-0 on the 82443LX, 7-3 on the EX.
    {0x90, Field(7, 7), 0, "SERR# on Non-Snoop Access Outside Aperture", SERR_ON_ERROR_P6},
    {0x90, Field(6, 6), 0, "SERR# on Non-Snoop Access Outside DRAM", SERR_ON_ERROR_P6},
    {0x90, Field(5, 5), 0, "SERR# on Invalid Translation Table Entry", SERR_ON_ERROR_P6},
    {0x90, Field(4, 4), 0, "SERR# on Received Target Abort", SERR_ON_ERROR_P6},
    {0x90, Field(3, 3), 0, "SERR# on PCI Parity Error", SERR_ON_ERROR_P6},

    // 91h error status 0, RBIL 01138; 92h error status 1, RBIL 01139.
    {0x91, Field(7, 5), 0, "Multiple-Bit Error First Row", LX_FIRST_ERROR_ROW},
    {0x91, Field(4, 4), 0, "Multiple-Bit ECC Error", LX_ERROR_FLAG},
    {0x91, Field(3, 1), 0, "Single-Bit Error First Row", LX_FIRST_ERROR_ROW},
    {0x91, Field(0, 0), 0, "Single-Bit ECC Error", LX_ERROR_FLAG},
    {0x92, Field(2, 2), 0, "Non-Snoop Access Outside Aperture", WRITE_1_TO_CLEAR_STATUS},
    {0x92, Field(1, 1), 0, "Non-Snoop Access Outside DRAM and Aperture", WRITE_1_TO_CLEAR_STATUS},
    {0x92, Field(0, 0), 0, "Invalid Translation Table Entry", WRITE_1_TO_CLEAR_STATUS},

    // 93h reset control, RBIL 01239; 86Box writes bits 3-1.
    {0x93, Field(3, 3), 0, "BIST on Hard Reset", BIST_ON_HARD_RESET},
    {0x93, Field(2, 2), 0, "Reset CPU", RESET_CPU},
    {0x93, Field(1, 1), 0, "Reset Mode", RESET_MODE},

    // A0h-A7h AGP capability and status, RBIL 01158 and 01159; 86Box powers
    // them on as 00100002h and 1F000203h.
    {0xA0, Fixed(7, 0), 2, "AGP Capability ID", AGP_CAPABILITY_ID},
    {0xA1, Fixed(7, 0), 0, "AGP Next Capability", AGP_NEXT_CAPABILITY},
    {0xA2, Fixed(7, 4), 1, "AGP Major Revision", AGP_MAJOR_VERSION},
    {0xA2, Fixed(3, 0), 0, "AGP Minor Revision", AGP_MINOR_VERSION},
    {0xA4, Fixed(1, 0), 3, "AGP Data Rates Supported", AGP_RATES_SUPPORTED},
    {0xA5, Fixed(1, 1), 1, "AGP Sideband Addressing Supported", AGP_SIDEBAND_SUPPORTED},
    {0xA7, Fixed(7, 0), 0, "AGP Request Queue Depth", AGP_REQUEST_DEPTH},

    // A8h-A9h AGP command, RBIL 01160.
    {0xA9, Field(1, 1), 0, "AGP Sideband Addressing Enable", AGP_SIDEBAND_ENABLE},
    {0xA9, Field(0, 0), 0, "AGP Enable", AGP_ENABLE},
    {0xA8, Field(1, 0), 0, "AGP Data Rate", AGP_DATA_RATE},

    // B0h-B1h AGP control, RBIL 01161 (82443EX/LX part); 86Box writes B0h
    // bit 7 and B1h bits 5 and 1.
    {0xB0, Field(7, 7), 0, "GTLB Enable", GTLB_ENABLE},
    {0xB1, Field(5, 5), 0, "Aperture Write-AGP Read Synchronization", APERTURE_WRITE_SYNC},
    {0xB1, Field(1, 0), 0, "Expedite Transaction Throttle Timer",
     "00 No throttling\r01 Reserved\r10 192 clocks on, 64 clocks off\r11 Reserved"},

    // B4h aperture size, RBIL 01162; 86Box writes bits 5-0.
    {0xB4, Field(5, 0), 0, "Graphics Aperture Size", APERTURE_SIZE},

    // B8h-BBh aperture translation table base, RBIL 01163; 86Box writes B9h
    // bits 7-4, BAh and BBh.
    {0xB9, Field(7, 4), 0, "Translation Table Base A15-A12", TRANSLATION_TABLE_BASE},
    {0xBA, Field(7, 0), 0, "Translation Table Base A23-A16", TRANSLATION_TABLE_BASE},
    {0xBB, Field(7, 0), 0, "Translation Table Base A31-A24", TRANSLATION_TABLE_BASE},

    // BCh AGP multi-transaction timer and BDh low priority transaction timer,
    // RBIL 01140 and 01141.
    {0xBC, Field(7, 3), 0, "AGP Multi-Transaction Timer",
     "AGP clocks granted to the current AGP master, in units of 8.\rRBIL gives no more."},
    {0xBD, Field(7, 3), 0, "Low Priority Transaction Timer",
     "Count of the AGP low priority transaction timer, in units of 8.\rRBIL gives no more."},

    {0, 0, 0, nullptr, nullptr},
};
