// Register fields of the Intel 82441FX PCI and memory controller (PMC, 440FX
// "Natoma"), the Pentium Pro and Pentium II bridge that QEMU's pc machine and
// Bochs also model.  Sources: RBIL INTERRUP.E tables 01229 (register map) to
// 01239, 01118 and 01123; 86Box src/chipset/intel_4x0.c (write masks and
// power-on values).  QEMU keeps its RAM size in 57h; the rows below describe
// the real chip.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/intel_descriptions.h"
#include "pci/tables/intel_p6_descriptions.h"
#include "pci/tables/tables.h"

namespace {

// 50h-51h PMC configuration, RBIL 01230.  RBIL prints the integrity mode's
// code 10 twice; the second, with correction enabled, is 11.
constexpr char FX_DATA_INTEGRITY[] =
    "00 No parity or ECC\r01 Parity generated and checked\r"
    "10 ECC generated and checked, correction disabled\r"
    "11 ECC generated and checked, correction enabled";

// 53h DBX buffer control, RBIL 01231: each bit turns its feature on.
constexpr char FX_FEATURE_ON[] = "0 Disabled\r1 Enabled";

// 58h DRAM timing, RBIL 01235: burst rates by DRAM type.
constexpr char FX_READ_BURST[] =
    "00 x-3-3-3 burst EDO, x-4-4-4 EDO and fast page mode\r"
    "01 x-2-2-2 burst EDO, x-3-3-3 EDO, x-4-4-4 fast page mode\r"
    "10 x-2-2-2 burst EDO and EDO, x-3-3-3 fast page mode\r11 Reserved";
constexpr char FX_WRITE_BURST[] =
    "00 x-4-4-4 for all DRAM types\r01 x-3-3-3 EDO and burst EDO, x-4-4-4 fast page mode\r"
    "10 x-3-3-3 for all DRAM types\r11 x-2-2-2 EDO and burst EDO, x-3-3-3 fast page mode";

}  // namespace

const RegisterField fields_82441fx[] = {
    // PCI configuration header, RBIL 00878.  86Box writes 04h bit 1 and 05h
    // bit 0, clears 07h bits 7-3 and 0 on a 1, and keeps 0Dh bits 7-3.
    {0x05, RESERVED_COMMAND_SPAN, 0, "Reserved", RESERVED_READS_0},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Fast back-to-back cycles to different targets are not run\r"
     "Not implemented by the 82441FX; reads 0."},
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
    {0x06, Fixed(3, 0), 0, "Reserved", RESERVED_READS_0},
    {0x08, Fixed(7, 0), 0, "Revision ID Code",
     "Silicon revision of the 82441FX.\rRead only; 86Box models revision 02h."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_CODE},
    {0x0D, Field(7, 0), 0, "PCI latency timer", P6_LATENCY_TIMER},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", HEADER_TYPE_CODE},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", BIST_SUPPORTED},
    {0x0F, Fixed(6, 6), 0, "Start Test", "0 No test running\rThe 82441FX has no self-test."},
    {0x0F, Fixed(5, 4), 0, "Reserved", RESERVED_READS_0},
    {0x0F, Fixed(3, 0), 0, "Response Code", RESPONSE_CODE},

    // 50h-51h PMC configuration, RBIL 01230; 86Box writes 50h bits 7-4 and 2
    // and 51h bits 7-6 and 1-0.
    {0x50, Field(6, 6), 0, "ECC/Parity Test Enable", DISABLED_ENABLED},
    {0x50, Field(5, 4), 0, "DRAM Data Integrity Mode", FX_DATA_INTEGRITY},
    {0x50, Field(2, 2), 0, "In-Order Queue Size",
     "0 One: no pipelining on the processor bus\r1 Four"},
    {0x51, Field(7, 7), 0, "WSC# Protocol Enable", DISABLED_ENABLED},
    {0x51, Fixed(6, 6), 0, "Row Select/Extra Copy Select",
     "0 Pins carry an extra copy of the two lowest memory address bits\r"
     "1 Pins carry the row selects of rows 6 and 7\rRead only."},
    {0x51, Field(1, 0), 0, "Host Frequency",
     "00 Reserved\r01 60 MHz\r10 66 MHz\r11 Reserved\rSets the refresh rate that 57h's "
     "normal setting uses."},

    // 52h deturbo counter, RBIL 01229.
    {0x52, Field(7, 0), 0, "Deturbo Counter Control",
     "In deturbo mode (93h bit 0) the PMC holds the memory bus for a share of the time that "
     "falls as this value rises: C0h 1/4, 80h 1/2, 40h 3/4, 20h 7/8, as RBIL gives them."},

    // 53h DBX buffer control, RBIL 01231.  86Box powers it on as 80h and
    // takes no write to it; the chip's bits are enables.
    {0x53, Field(7, 7), 0, "Delayed Transactions", FX_FEATURE_ON},
    {0x53, Field(6, 6), 0, "CPU-to-PCI IDE Posting", FX_FEATURE_ON},
    {0x53, Field(5, 5), 0, "USWC Write Post During I/O Bridge Access", FX_FEATURE_ON},
    {0x53, Field(4, 4), 0, "PCI Delayed Transaction Timer Disable", "0 Timer on\r1 Timer off"},
    {0x53, Field(3, 3), 0, "CPU-to-PCI Write Posting", FX_FEATURE_ON},
    {0x53, Field(2, 2), 0, "PCI-to-DRAM Pipeline", FX_FEATURE_ON},
    {0x53, Field(1, 1), 0, "PCI Burst Write Combining", FX_FEATURE_ON},
    {0x53, Field(0, 0), 0, "Read-Around-Write", FX_FEATURE_ON},

    // 54h auxiliary control, RBIL 01232; 86Box writes bits 7 and 1.
    {0x54, Field(7, 7), 0, "RAS Precharge Enable", DISABLED_ENABLED},
    {0x54, Field(1, 1), 0, "Lower Memory Address Buffer Set A", "0 8 mA drive\r1 12 mA drive"},

    // 55h-56h DRAM row type, two bits per row, RBIL 01233.
    {0x55, Field(1, 0), 0, "Row 0 DRAM Type", FX_ROW_TYPE},
    {0x55, Field(3, 2), 0, "Row 1 DRAM Type", FX_ROW_TYPE},
    {0x55, Field(5, 4), 0, "Row 2 DRAM Type", FX_ROW_TYPE},
    {0x55, Field(7, 6), 0, "Row 3 DRAM Type", FX_ROW_TYPE},
    {0x56, Field(1, 0), 0, "Row 4 DRAM Type", FX_ROW_TYPE},
    {0x56, Field(3, 2), 0, "Row 5 DRAM Type", FX_ROW_TYPE},
    {0x56, Field(5, 4), 0, "Row 6 DRAM Type", FX_ROW_TYPE},
    {0x56, Field(7, 6), 0, "Row 7 DRAM Type", FX_ROW_TYPE},

    // 57h DRAM control, RBIL 01234; 86Box writes bits 6-4 and 2-0 and powers
    // it on as 01h.  QEMU stores its RAM size here instead, in 8 MB.
    {0x57, Field(6, 6), 0, "DRAM Refresh Queue", DISABLED_ENABLED},
    {0x57, Field(5, 5), 0, "EDO Auto-Detect Mode",
     "0 Normal operation\r1 EDO detect mode: lets the BIOS find the rows that hold EDO DRAM"},
    {0x57, Field(4, 4), 0, "DRAM Refresh Type", "0 CAS#-before-RAS#\r1 RAS#-only"},
    {0x57, Field(2, 0), 1, "DRAM Refresh Rate",
     "000 Refresh disabled\r001 Normal, for the host frequency in 51h\r01x Reserved\r"
     "10x Reserved\r110 Reserved\r111 Fast refresh, every 32 host clocks\rDefault 001."},

    // 58h DRAM timing, RBIL 01235; 86Box writes bits 6-0 and powers it on as
    // 10h.
    {0x58, Field(6, 6), 0, "WCBR Mode", DISABLED_ENABLED},
    {0x58, Field(5, 4), 1, "DRAM Read Burst Timing", FX_READ_BURST},
    {0x58, Field(3, 2), 0, "DRAM Write Burst Timing", FX_WRITE_BURST},
    {0x58, Field(1, 1), 0, "RAS-to-CAS Delay", "0 Zero clocks\r1 One clock"},
    {0x58, Field(0, 0), 0, "MA Wait State", "0 No wait state\r1 One MA wait state inserted"},

    // 59h-5Fh programmable attribute map, RBIL 01118; 86Box masks 70h for
    // 59h and 77h for 5Ah-5Fh.
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

    // 60h-67h DRAM row boundaries, RBIL 01229: eight rows in 8 MB.
    {0x60, Field(7, 0), 0, "DRAM Size Row 0 (8M unit)", P6_ROW_0_SIZE},
    {0x61, Field(7, 0), 0, "DRAM Size Row 1-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x62, Field(7, 0), 0, "DRAM Size Row 2-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x63, Field(7, 0), 0, "DRAM Size Row 3-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x64, Field(7, 0), 0, "DRAM Size Row 4-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x65, Field(7, 0), 0, "DRAM Size Row 5-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x66, Field(7, 0), 0, "DRAM Size Row 6-0 (8M unit)", P6_BOUNDARY_NOTE},
    {0x67, Field(7, 0), 0, "DRAM Size Row 7-0 (8M unit)", P6_BOUNDARY_NOTE},

    // 68h fixed DRAM hole control: RBIL 01229 names the register only, and
    // 86Box writes bits 7-6 as on the 82443 chips, whose codes RBIL 01147
    // gives.  The codes are not confirmed for the 82441FX.
    {0x68, Field(7, 6), 0, "Memory Hole",
     "Unconfirmed: RBIL names this register Fixed DRAM Hole Control without its codes; on "
     "the 82443LX and BX 01 is the 512-640 KB hole and 10 the 15-16 MB hole."},

    // 70h multi-transaction timer, RBIL 01229; 86Box writes bits 7-3.
    {0x70, Field(7, 3), 0, "Multi-Transaction Timer", MULTI_TRANSACTION_TIMER},
    // 71h CPU latency timer, RBIL 01236; 86Box powers it on as 10h.
    {0x71, Field(4, 0), 16, "Snoop Stall Count",
     "The CPU latency timer's count of snoop stalls.\rRBIL gives no unit. Default 10000."},

    // 72h system management RAM control, RBIL 01123; 86Box writes bits 6-3
    // and holds the base segment at 010.
    {0x72, Field(6, 6), 0, "SMM Space Open", SMM_SPACE_OPEN},
    {0x72, Field(5, 5), 0, "SMM Space Closed", SMM_SPACE_CLOSED},
    {0x72, Field(4, 4), 0, "SMM Space Locked", SMM_SPACE_LOCKED},
    {0x72, Field(3, 3), 0, "SMRAM Enable", SMRAM_ENABLE},
    {0x72, Fixed(2, 0), 2, "SMM Space Base Segment", "010 A0000-BFFFF\rHardwired."},

    // 90h error command, RBIL 01237; 86Box writes bits 4-3 and 1-0.
    {0x90, Field(4, 4), 0, "SERR# on Received Target Abort", SERR_ON_ERROR_P6},
    {0x90, Field(3, 3), 0, "SERR# on PCI Parity Error", SERR_ON_ERROR_P6},
    {0x90, Field(1, 1), 0, "SERR# on Multiple-Bit DRAM Error", SERR_ON_ERROR_P6},
    {0x90, Field(0, 0), 0, "SERR# on Single-Bit ECC Error", SERR_ON_ERROR_P6},
    // 91h error status, RBIL 01238; 86Box clears bits 4 and 0 on a 1.
    {0x91, Field(7, 5), 0, "Multiple-Bit Error First Row", FIRST_ERROR_ROW},
    {0x91, Field(4, 4), 0, "Multiple-Bit Error Detected", WRITE_1_TO_CLEAR_STATUS},
    {0x91, Field(3, 1), 0, "Single-Bit Error First Row", FIRST_ERROR_ROW},
    {0x91, Field(0, 0), 0, "Single-Bit Error Detected", WRITE_1_TO_CLEAR_STATUS},

    // 93h turbo reset control, RBIL 01239; 86Box writes bits 3-0.
    {0x93, Field(3, 3), 0, "BIST on Hard Reset", BIST_ON_HARD_RESET},
    {0x93, Field(2, 2), 0, "Reset CPU", RESET_CPU},
    {0x93, Field(1, 1), 0, "Reset Mode", RESET_MODE},
    {0x93, Field(0, 0), 0, "Deturbo Mode",
     "0 Normal speed\r1 Deturbo: the memory bus is held for the share that 52h sets"},

    {0, 0, 0, nullptr, nullptr},
};
