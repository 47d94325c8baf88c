// Register fields of the Intel 430VX system controller (82437VX TVX, device 7030h),
// which the catalogue lists as the Triton VX.  RBIL 01108 lays out its
// registers; the 82437VX has five DRAM rows, so 65h and the row 5 and
// host-clock bits of 67h, which the 82439TX has, are not documented for it.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/intel_descriptions.h"
#include "pci/tables/tables.h"

// What the sources say of the sixth row, which the 82439TX has.
constexpr char NO_ROW_5[] = "The 82437VX has five DRAM rows; RBIL documents no row 5.";

const RegisterField fields_82439vx[] = {
    // PCI configuration header, RBIL 00878; power-on values and write masks
    // from 86Box, which takes no write to 05h and clears only bits 5-4 of 07h
    // on a 1.
    {0x05, RESERVED_COMMAND_SPAN, 0, "Reserved", RESERVED_READS_0},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Fast back-to-back cycles to different targets are not run\r"
     "Not implemented by the TVX; reads 0."},
    {0x05, Field(0, 0), 0, "SERR# Enable",
     "0 SERR# is never driven\rNot implemented by the TVX; reads 0."},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping", ADDRESS_DATA_STEPPING},
    {0x04, Field(6, 6), 0, "Parity Error Response",
     "0 PCI parity errors are not reported\rHardwired to 0 on the TVX."},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop", VGA_PALETTE_SNOOP},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command", MEMORY_WRITE_INVALIDATE},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring", SPECIAL_CYCLE_MONITORING},
    {0x04, Fixed(2, 2), 1, "Bus Master",
     "1 Bus master enabled\rThe TVX always runs PCI cycles for the CPU; hardwired to 1."},
    {0x04, Fixed(1, 1), 1, "Memory Space", MEMORY_SPACE},
    {0x04, Fixed(0, 0), 0, "PCI I/O Space", PCI_IO_SPACE},
    {0x07, Field(7, 7), 0, "Detected Parity Error",
     "0 No parity error detected\rNot implemented by the TVX; reads 0."},
    {0x07, Field(6, 6), 0, "Signaled System Error",
     "0 SERR# not asserted\rNever set by the TVX; reads 0."},
    {0x07, Field(5, 5), 0, "Received Master Abort",
     "Write 1 to clear\r0 No master abort\r1 A PCI cycle run by the TVX ended in master abort"},
    {0x07, Field(4, 4), 0, "Received Target Abort", RECEIVED_TARGET_ABORT},
    {0x07, Field(3, 3), 0, "Signaled Target Abort",
     "0 The TVX never ends a cycle with target abort\rHardwired to 0."},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing",
     "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the TVX decodes at medium speed."},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected",
     "0 No data parity error\rNot implemented by the TVX; reads 0."},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable", FAST_BACK_TO_BACK_CAPABLE},
    {0x06, Fixed(6, 6), 0, "Reserved", RESERVED_READS_0},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable", PCI_66MHZ_CAPABLE},
    {0x06, Fixed(3, 0), 0, "Reserved", RESERVED_READS_0},
    {0x08, Fixed(7, 0), 0, "Revision ID Code", REVISION_NOTE},  // RBIL 01108
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_CODE},
    {0x0D, Field(7, 0), 0, "PCI latency timer",
     "PCI clocks the TVX may keep the bus as a master after its grant is removed.\r"
     "Bits 2-0 read as 0, resulting in a granularity of 8 clocks.\rDefault 00h."},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", HEADER_TYPE_CODE},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", BIST_SUPPORTED},
    {0x0F, Fixed(6, 6), 0, "Start Test",
     "0 No test running\r1 Test requested\rThe TVX has no self-test; the bit only holds "
     "what was written."},
    {0x0F, Fixed(5, 4), 0, "Reserved", RESERVED_READS_0},
    {0x0F, Fixed(3, 0), 0, "Response Code", RESPONSE_CODE},

    // 50h PCI control: only the concurrency bit is implemented (RBIL 01110;
    // 86Box's write mask 08h).
    {0x50, Field(3, 3), 0, "PCI Concurrency Enable", PCI_CONCURRENCY_ENABLE},

    // 52h cache control, RBIL 01112.
    {0x52, Field(7, 6), 0, "L2 Cache Size", L2_CACHE_SIZE},
    {0x52, Field(5, 4), 0, "L2 SRAM Type", L2_SRAM_TYPE},
    {0x52, Field(3, 3), 0, "NA Disable", NA_DISABLE},
    {0x52, Field(1, 1), 1, "L2 Force Miss", L2_FORCE_MISS},
    {0x52, Field(0, 0), 0, "L1 Enable", L1_ENABLE},

    // 53h cache control extensions, RBIL 01113: DRAM cache SRAMs need refreshing.
    {0x53, Field(5, 5), 0, "DRAM Cache Detect",
     "0 No DRAM cache SRAMs detected in the L2\r1 DRAM cache SRAMs detected in the L2\r"
     "Read only in RBIL; 86Box lets it be written."},
    {0x53, Field(3, 0), 4, "DRAM Cache Refresh Timer", DRAM_CACHE_REFRESH_TIMER},

    // 55h and 54h SDRAM control, RBIL 01114; 54h bits 5 and 1 are reserved.
    {0x55, Field(0, 0), 0, "SDRAM CBR Cycle Enabled", SDRAM_CBR_CYCLE_ENABLED},
    {0x54, Field(7, 6), 0, "Special SDRAM Mode Select", SPECIAL_SDRAM_MODE_SELECT},
    {0x54, Field(4, 4), 0, "SDRAM CAS# Latency", SDRAM_CAS_LATENCY},
    {0x54, Field(3, 3), 0, "SDRAM RAS# Timing", SDRAM_RAS_TIMING},

    // 56h DRAM extended control, RBIL 01115; 86Box powers it on as 52h.
    {0x56, Field(6, 6), 1, "Refresh RAS# Assertion", REFRESH_RAS_ASSERTION},
    {0x56, Field(5, 5), 0, "Fast EDO Leadoff", FAST_EDO_LEADOFF},
    {0x56, Field(4, 4), 0, "DRAM Speculative Leadoff", DRAM_SPECULATIVE_LEADOFF},
    {0x56, Field(2, 1), 0, "Memory Address Drive Strength",
     "00 Reserved\r01 10 mA\r10 16 mA\r11 Reserved\rDefault 01."},
    {0x56, Field(0, 0), 0, "DRAM Symmetry Detect Mode",
     "0 Normal operation\r1 Symmetry detect mode, for the BIOS to learn how each row is "
     "addressed\rMust be 0 in normal operation."},

    // 57h DRAM control, RBIL 01116.  FreeBSD's 82437VX decode, a copy of its
    // 82437FX one, knows only 00-10; RBIL adds 11 for this chip.
    {0x57, Field(7, 6), 0, "Memory Hole",
     "00 No memory hole\r01 Hole from 512 KB to 640 KB\r10 Hole from 15 MB to 16 MB\r"
     "11 Hole from 14 MB to 16 MB\rAccesses inside the hole go to PCI."},
    {0x57, Field(3, 3), 0, "EDO Detect Mode", EDO_DETECT_MODE},
    {0x57, Field(2, 0), 1, "DRAM Refresh Rate", DRAM_REFRESH_RATE},

    // 58h DRAM timing, RBIL 01117.  RBIL makes bit 7 of the 82437VX the
    // MA-to-RAS# delay; Turbo Read Leadoff is the 82439HX bit in that place.
    {0x58, Field(7, 7), 0, "Turbo Read Leadoff",
     "0 Two clocks of MA-to-RAS# delay\r1 One clock of MA-to-RAS# delay\r"
     "RBIL documents this bit of the 82437VX as MA-to-RAS# Delay, not as turbo read "
     "leadoff."},
    {0x58, Field(6, 5), 0, "EDO/FPM Read Burst Timing",
     "00 x-4-4-4 for EDO and fast page mode\r01 x-3-3-3 for EDO, x-4-4-4 for fast page mode\r"
     "10 x-2-2-2 for EDO, x-3-3-3 for fast page mode\r"
     "11 x-3-2-2 for EDO, x-3-3-3 for fast page mode"},
    {0x58, Field(4, 3), 0, "EDO/FPM Write Burst Timing", EDO_FPM_WRITE_BURST_TIMING},
    {0x58, Field(2, 2), 0, "Fast RAS to CAS Delay",
     "0 3 clocks of RAS#-to-CAS# delay\r1 2 clocks of RAS#-to-CAS# delay"},  // and FreeBSD
    {0x58, Field(1, 0), 0, "EDO/FPM Leadoff Timing", LEADOFF_TIMING_VX_TX},

    // 59h-5Fh programmable attribute map, low nibble before high nibble,
    // RBIL 01118; 59h bits 3-0 are reserved there and in 86Box's mask (70h).
    {0x59, Field(3, 0), 0, "Reserved", RESERVED_READS_0},
    {0x59, Field(7, 4), 0, "BIOS ROM (F0000-FFFFF) Control", PAM},
    {0x5A, Field(3, 0), 0, "C0000-C3FFF Control", PAM},
    {0x5A, Field(7, 4), 0, "C4000-C7FFF Control", PAM},
    {0x5B, Field(3, 0), 0, "C8000-CBFFF Control", PAM},
    {0x5B, Field(7, 4), 0, "CC000-CFFFF Control", PAM},
    {0x5C, Field(3, 0), 0, "D0000-D3FFF Control", PAM},
    {0x5C, Field(7, 4), 0, "D4000-D7FFF Control", PAM},
    {0x5D, Field(3, 0), 0, "D8000-DBFFF Control", PAM},
    {0x5D, Field(7, 4), 0, "DC000-DFFFF Control", PAM},
    {0x5E, Field(3, 0), 0, "E0000-E3FFF Control", PAM},
    {0x5E, Field(7, 4), 0, "E4000-E7FFF Control", PAM},
    {0x5F, Field(3, 0), 0, "E8000-EBFFF Control", PAM},
    {0x5F, Field(7, 4), 0, "EC000-EFFFF Control", PAM},

    // 60h-64h DRAM row boundaries: the running total of the rows, in 4 MB,
    // RBIL 01108.
    {0x60, Field(6, 0), 0, "DRAM Size Row 0 (4M unit)", ROW_0_SIZE},
    {0x61, Field(6, 0), 0, "DRAM Size Row 1-0 (4M unit)", BOUNDARY_NOTE},
    {0x62, Field(6, 0), 0, "DRAM Size Row 2-0 (4M unit)", BOUNDARY_NOTE},
    {0x63, Field(6, 0), 0, "DRAM Size Row 3-0 (4M unit)", BOUNDARY_NOTE},
    {0x64, Field(6, 0), 0, "DRAM Size Row 4-0 (4M unit)",
     "All DRAM of rows 0-4, in 4 MB units: the total memory, at most 128 MB; row 4 holds "
     "this value minus the one before, 8 or 16 MB when it is used.\rAn empty row repeats "
     "the value of the row before it.\rDefault 02h."},
    {0x65, Field(6, 0), 0, "DRAM Size Row 5-0 (4M unit)", NO_ROW_5},  // RBIL 01108: reserved

    // 67h DRAM row type high; its row type bits stand after 68h.  RBIL 01108
    // and 86Box's write mask (11h) give the 82437VX only row 4's two bits.
    {0x67, Field(7, 7), 0, "Host Frequency Detection",
     "Undocumented for the 82437VX; on the 82439TX this bit is the strap for a 66 MHz host "
     "bus. 86Box reads it as 0 here."},
    {0x67, Field(2, 2), 0, "Memory Address Select Enable",
     "Undocumented for the 82437VX; on the 82439TX this bit puts a second copy of MA0 and "
     "MA1 on CKE and CKEB. 86Box reads it as 0 here."},

    // 68h DRAM row type, rows 0-3: RBIL 01119.
    {0x68, Field(4, 4), 0, "DRAM Row 0 is SDRAM", IS_SDRAM},
    {0x68, Field(0, 0), 0, "DRAM Row 0 is EDO/FPM", IS_EDO},
    {0x68, Field(5, 5), 0, "DRAM Row 1 is SDRAM", IS_SDRAM},
    {0x68, Field(1, 1), 0, "DRAM Row 1 is EDO/FPM", IS_EDO},
    {0x68, Field(6, 6), 0, "DRAM Row 2 is SDRAM", IS_SDRAM},
    {0x68, Field(2, 2), 0, "DRAM Row 2 is EDO/FPM", IS_EDO},
    {0x68, Field(7, 7), 0, "DRAM Row 3 is SDRAM", IS_SDRAM},
    {0x68, Field(3, 3), 0, "DRAM Row 3 is EDO/FPM", IS_EDO},

    // 67h row type, rows 4-5: RBIL 01108 and 01119 for row 4.
    {0x67, Field(4, 4), 0, "DRAM Row 4 is SDRAM", IS_SDRAM},
    {0x67, Field(0, 0), 0, "DRAM Row 4 is EDO/FPM", IS_EDO},
    {0x67, Field(5, 5), 0, "DRAM Row 5 is SDRAM", NO_ROW_5},
    {0x67, Field(1, 1), 0, "DRAM Row 5 is EDO/FPM", NO_ROW_5},

    {0, 0, 0, nullptr, nullptr},
};
