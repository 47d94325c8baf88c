// Register fields of the Intel 82439TX system controller (MTXC, 430TX).
// RBIL 01099 lays out its registers; the 82439TX datasheet is quoted by
// section where its pages are published.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/intel_descriptions.h"
#include "pci/tables/tables.h"

const RegisterField fields_82439tx[] = {
    // PCI configuration header, RBIL 00878; power-on values and write masks
    // from 86Box, which takes no write to 05h and clears only bits 5-4 of 07h
    // on a 1.
    {0x05, RESERVED_COMMAND_SPAN, 0, "Reserved", RESERVED_READS_0},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Fast back-to-back cycles to different targets are not run\r"
     "Not implemented by the MTXC; reads 0."},
    {0x05, Field(0, 0), 0, "SERR# Enable",
     "0 SERR# is never driven\rNot implemented by the MTXC; reads 0."},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping", ADDRESS_DATA_STEPPING},
    {0x04, Field(6, 6), 0, "Parity Error Response",
     "0 PCI parity errors are not reported\rHardwired to 0 on the MTXC."},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop", VGA_PALETTE_SNOOP},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command", MEMORY_WRITE_INVALIDATE},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring", SPECIAL_CYCLE_MONITORING},
    {0x04, Fixed(2, 2), 1, "Bus Master",
     "1 Bus master enabled\rThe MTXC always runs PCI cycles for the CPU; hardwired to 1."},
    {0x04, Fixed(1, 1), 1, "Memory Space", MEMORY_SPACE},
    {0x04, Fixed(0, 0), 0, "PCI I/O Space", PCI_IO_SPACE},
    {0x07, Field(7, 7), 0, "Detected Parity Error",
     "0 No parity error detected\rNot implemented by the MTXC; reads 0."},
    {0x07, Field(6, 6), 0, "Signaled System Error",
     "0 SERR# not asserted\rNever set by the MTXC; reads 0."},
    {0x07, Field(5, 5), 0, "Received Master Abort",
     "Write 1 to clear\r0 No master abort\r1 A PCI cycle run by the MTXC ended in master abort"},
    {0x07, Field(4, 4), 0, "Received Target Abort", RECEIVED_TARGET_ABORT},
    {0x07, Field(3, 3), 0, "Signaled Target Abort",
     "0 The MTXC never ends a cycle with target abort\rHardwired to 0."},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing",
     "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the MTXC decodes at medium speed."},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected",
     "0 No data parity error\rNot implemented by the MTXC; reads 0."},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable", FAST_BACK_TO_BACK_CAPABLE},
    {0x06, Fixed(6, 6), 0, "Reserved", RESERVED_READS_0},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable", PCI_66MHZ_CAPABLE},
    {0x06, Fixed(3, 0), 0, "Reserved", RESERVED_READS_0},
    {0x08, Fixed(7, 0), 0, "Revision ID Code", REVISION_NOTE},  // RBIL 01099
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_CODE},
    {0x0D, Field(7, 0), 0, "PCI latency timer",
     "PCI clocks the MTXC may keep the bus as a master after its grant is removed.\r"
     "Bits 2-0 read as 0, resulting in a granularity of 8 clocks.\rDefault 00h."},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", HEADER_TYPE_CODE},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", BIST_SUPPORTED},
    {0x0F, Fixed(6, 6), 0, "Start Test",
     "0 No test running\r1 Test requested\rThe MTXC has no self-test; the bit only holds "
     "what was written."},
    {0x0F, Fixed(5, 4), 0, "Reserved", RESERVED_READS_0},
    {0x0F, Fixed(3, 0), 0, "Response Code", RESPONSE_CODE},

    // 50h PCI control: only the concurrency bit is implemented (RBIL 01110;
    // 86Box's write mask 08h).
    {0x50, Field(3, 3), 0, "PCI Concurrency Enable",
     "0 The CPU is kept off DRAM and L2 during every PCI master cycle\r"
     "1 The CPU may use DRAM and L2 while a PCI master other than the PIIX4 owns the bus"},

    // 52h cache control, RBIL 01112; 86Box keeps bit 2 read-only.
    {0x52, Field(7, 6), 0, "L2 Cache Size", L2_CACHE_SIZE},
    {0x52, Field(5, 4), 0, "L2 SRAM Type", L2_SRAM_TYPE},
    {0x52, Field(3, 3), 0, "NA Disable", NA_DISABLE},
    {0x52, Field(2, 2), 0, "Reserved", RESERVED_READS_0},
    {0x52, Field(1, 1), 1, "L2 Force Miss", L2_FORCE_MISS},
    {0x52, Field(0, 0), 0, "L1 Enable", L1_ENABLE},

    // 53h cache control extensions, RBIL 01113: DRAM cache SRAMs need refreshing.
    {0x53, Field(5, 5), 0, "L2 Cache Present",
     "0 No DRAM cache SRAMs detected in the L2\r1 DRAM cache SRAMs detected in the L2\r"
     "RBIL documents this bit as DRAM cache detected, read only, for the 82437VX and "
     "82439TX alike; it does not tell whether any L2 is fitted. 86Box lets it be written."},
    {0x53, Field(3, 0), 4, "L2 Refresh Timer", DRAM_CACHE_REFRESH_TIMER},

    // 55h and 54h SDRAM control, RBIL 01114.
    {0x55, Field(0, 0), 0, "SDRAM CBR Cycle Enabled", SDRAM_CBR_CYCLE_ENABLED},
    {0x54, Field(7, 6), 0, "Special SDRAM Mode Select", SPECIAL_SDRAM_MODE_SELECT},
    {0x54, Field(5, 5), 0, "SDRAM RAS# to CAS# Override",
     "0 RAS#-to-CAS# delay set by the CAS# latency alone\r"
     "1 With CAS# latency 3 (bit 4 at 0), RAS#-to-CAS# delay of 2 HCLKs"},
    {0x54, Field(4, 4), 0, "SDRAM CAS# Latency", SDRAM_CAS_LATENCY},
    {0x54, Field(3, 3), 0, "SDRAM RAS# Timing", SDRAM_RAS_TIMING},
    {0x54, Field(1, 1), 0, "64-MBit SDRAM",
     "0 64-Mbit devices supported in EDO and fast page mode rows only\r"
     "1 64-Mbit SDRAM devices supported"},

    // 56h DRAM extended control, RBIL 01115; 86Box powers it on as 52h.
    {0x56, Field(6, 6), 0, "Refresh RAS# Assertion", REFRESH_RAS_ASSERTION},
    {0x56, Field(5, 5), 0, "Fast EDO Leadoff", FAST_EDO_LEADOFF},
    {0x56, Field(4, 4), 0, "DRAM Speculative Leadoff", DRAM_SPECULATIVE_LEADOFF},
    {0x56, Field(2, 1), 0, "Memory Address Drive Strength",
     "00 10 mA on MA, 10 mA on MWE#\r01 10 mA on MA, 16 mA on MWE#\r"
     "10 16 mA on MA, 10 mA on MWE#\r11 16 mA on MA, 16 mA on MWE#"},

    // 57h DRAM control, RBIL 01116.  RBIL gives code 10 of the hole to the
    // 82437FX/MX/VX only; MAME's i82439tx, copied from its i82439hx, decodes
    // it as the 15-16 MB hole.  RBIL is followed.  The refresh field counts
    // time, not host clocks; 86Box and MAME power it on as 001.
    {0x57, Field(7, 6), 0, "Memory Hole",
     "00 No memory hole\r01 Hole from 512 KB to 640 KB\r10 Reserved\r"
     "11 Hole from 14 MB to 16 MB\rAccesses inside the hole go to PCI."},
    {0x57, Field(4, 4), 0, "DRAM Enhanced Paging",
     "0 Enhanced paging enabled\r1 Enhanced paging disabled"},
    {0x57, Field(3, 3), 0, "EDO Detect Mode", EDO_DETECT_MODE},
    {0x57, Field(2, 0), 1, "DRAM Refresh Rate",
     "000 Refresh disabled\r001 Every 15.6 us\r010 Every 31.2 us\r011 Every 64.4 us\r"
     "100 Every 125 us\r101 Every 256 us\r11x Reserved\r"
     "Periods as RBIL prints them; 011 breaks the doubling and may be 62.4 us. Default 001."},

    // 58h DRAM timing, for EDO and fast page mode rows, RBIL 01117; bits 7 and
    // 2 are reserved there and in 86Box's write mask (7Bh).
    {0x58, Field(6, 5), 0, "EDO/FPM Read Burst Timing", EDO_FPM_READ_BURST_TIMING},
    {0x58, Field(4, 3), 0, "EDO/FPM Write Burst Timing", EDO_FPM_WRITE_BURST_TIMING},
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

    // 60h-65h DRAM row boundaries: the running total of the rows, in 4 MB,
    // 82439TX datasheet 3.1.22 (seven bits, default 02h).
    // Row 0 is shown without a description: its value is plainly its size.
    {0x60, Field(6, 0), 0, "DRAM Size Row 0 (4M unit)", ""},
    {0x61, Field(6, 0), 0, "DRAM Size Row 1-0 (4M unit)", BOUNDARY_NOTE},
    {0x62, Field(6, 0), 0, "DRAM Size Row 2-0 (4M unit)", BOUNDARY_NOTE},
    // A write to 63h or 64h also lands in the boundaries above it.
    {0x63, Field(6, 0), 0, "DRAM Size Row 3-0 (4M unit)",
     "DRAM in this row and all rows below it, in 4 MB units; the row itself holds this value "
     "minus the one before.\rAn empty row repeats the value of the row before it.\r"
     "Writing this register also writes its value into 64h and 65h. Default 02h."},
    {0x64, Field(6, 0), 0, "DRAM Size Row 4-0 (4M unit)",
     "DRAM in this row and all rows below it, in 4 MB units; the row itself holds this value "
     "minus the one before.\rAn empty row repeats the value of the row before it.\r"
     "Writing this register also writes its value into 65h. Default 02h."},
    {0x65, Field(6, 0), 0, "DRAM Size Row 5-0 (4M unit)", BOUNDARY_NOTE},

    // 67h DRAM row type high, RBIL 01213; its row type bits stand after 68h.
    {0x67, Field(7, 7), 0, "Host Frequency Detection",
     "0 60 MHz host bus\r1 66 MHz host bus\rLatched from a strap at reset."},  // and 86Box
    // 82439TX datasheet, DRAM population rules.
    {0x67, Field(2, 2), 0, "Memory Address Select Enable",
     "0 Disabled\r1 CKE and CKEB carry a second copy of MA0 and MA1\r"
     "Needed for 5-2-2-2 EDO reads with more than two rows."},

    // 68h DRAM row type, rows 0-3: RBIL 01119.
    {0x68, Field(4, 4), 0, "DRAM Row 0 is SDRAM", IS_SDRAM},
    {0x68, Field(0, 0), 0, "DRAM Row 0 is EDO/FPM", IS_EDO},
    {0x68, Field(5, 5), 0, "DRAM Row 1 is SDRAM", IS_SDRAM},
    {0x68, Field(1, 1), 0, "DRAM Row 1 is EDO/FPM", IS_EDO},
    {0x68, Field(6, 6), 0, "DRAM Row 2 is SDRAM", IS_SDRAM},
    {0x68, Field(2, 2), 0, "DRAM Row 2 is EDO/FPM", IS_EDO},
    {0x68, Field(7, 7), 0, "DRAM Row 3 is SDRAM", IS_SDRAM},
    {0x68, Field(3, 3), 0, "DRAM Row 3 is EDO/FPM", IS_EDO},

    // 67h row type, rows 4-5: RBIL 01213.
    {0x67, Field(4, 4), 0, "DRAM Row 4 is SDRAM", IS_SDRAM},
    {0x67, Field(0, 0), 0, "DRAM Row 4 is EDO/FPM", IS_EDO},
    {0x67, Field(5, 5), 0, "DRAM Row 5 is SDRAM", IS_SDRAM},
    {0x67, Field(1, 1), 0, "DRAM Row 5 is EDO/FPM", IS_EDO},

    {0, 0, 0, nullptr, nullptr},
};
