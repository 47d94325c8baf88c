// Register fields of the Intel 82437FX system controller (430FX "Triton").
// Sources: RBIL INTERRUP.E tables 01107 (register map), 01111, 01112, 01116,
// 01117, 01118, 01121 and 01123; FreeBSD sys/pci/pcisupport.c (conf82437fx);
// 86Box src/chipset/intel_4x0.c (write masks and power-on values).
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/intel_descriptions.h"
#include "pci/tables/tables.h"

namespace {

// 58h bits 1-0, RBIL 01117 (82437FX/MX column).
constexpr char FX_LEADOFF_TIMING[] =
    "00 Read leadoff 8, write leadoff 6, RAS# precharge 3 clocks\r"
    "01 Read leadoff 7, write leadoff 5, RAS# precharge 3 clocks\r"
    "10 Read leadoff 8, write leadoff 6, RAS# precharge 4 clocks\r"
    "11 Read leadoff 7, write leadoff 5, RAS# precharge 4 clocks";

// 50h bits 2-0 turn features off: 0 leaves them on.  RBIL 01111; FreeBSD
// prints these bits as "enabled" when they read 0.
constexpr char FX_ON_UNLESS_SET[] = "0 Enabled\r1 Disabled";

}  // namespace

const RegisterField fields_82437fx[] = {
    // PCI configuration header.  Writable bits per 86Box intel_4x0.c: only
    // 04h bit 1, 07h bits 5-4 (write 1 to clear), 0Dh bits 7-3, 0Fh bit 6.
    {0x05, RESERVED_COMMAND_SPAN, 0, "Reserved", RESERVED_READS_0},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Fast back-to-back cycles to different targets are not run\r"
     "Not implemented by the 82437FX; reads 0."},
    {0x05, Field(0, 0), 0, "SERR# Enable",
     "0 SERR# is never driven\rNot implemented by the 82437FX; reads 0."},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping", ADDRESS_DATA_STEPPING},
    {0x04, Field(6, 6), 0, "Parity Error Response",
     "0 PCI parity errors are not reported\rHardwired to 0 on the 82437FX."},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop", VGA_PALETTE_SNOOP},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command", MEMORY_WRITE_INVALIDATE},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring", SPECIAL_CYCLE_MONITORING},
    {0x04, Fixed(2, 2), 1, "Bus Master",
     "1 Bus master enabled\rThe 82437FX always runs PCI cycles for the CPU; hardwired to 1."},
    {0x04, Fixed(1, 1), 1, "Memory Space", MEMORY_SPACE},
    {0x04, Fixed(0, 0), 0, "PCI I/O Space", PCI_IO_SPACE},
    {0x07, Field(7, 7), 0, "Detected Parity Error",
     "0 No parity error detected\rNot implemented by the 82437FX; reads 0."},
    {0x07, Field(6, 6), 0, "Signaled System Error",
     "0 SERR# not asserted\rNot implemented by the 82437FX; reads 0."},
    {0x07, Field(5, 5), 0, "Received Master Abort",
     "Write 1 to clear\r0 No master abort\r1 A PCI cycle run by the 82437FX ended in master abort"},
    {0x07, Field(4, 4), 0, "Received Target Abort", RECEIVED_TARGET_ABORT},
    {0x07, Field(3, 3), 0, "Signaled Target Abort",
     "0 The 82437FX never ends a cycle with target abort\rHardwired to 0."},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing",
     "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the 82437FX decodes at medium speed."},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected",
     "0 No data parity error\rNot implemented by the 82437FX; reads 0."},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable", FAST_BACK_TO_BACK_CAPABLE},
    {0x06, Fixed(6, 6), 0, "Reserved", RESERVED_READS_0},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable", PCI_66MHZ_CAPABLE},
    {0x06, Fixed(3, 0), 0, "Reserved", RESERVED_READS_0},
    {0x08, Fixed(7, 0), 0, "Revision ID Code",
     "Silicon revision of the 82437FX.\rRead only; 86Box models revisions 00h and 02h."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_CODE},
    {0x0D, Field(7, 0), 0, "PCI latency timer",
     "PCI clocks the 82437FX may keep the bus as a master after its grant is removed.\r"
     "Bits 2-0 read as 0, resulting in a granularity of 8 clocks.\rDefault 00h."},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", HEADER_TYPE_CODE},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", BIST_SUPPORTED},
    {0x0F, Fixed(6, 6), 0, "Start Test",
     "0 No test running\r1 Test requested\rThe 82437FX has no self-test; the bit only holds "
     "what was written."},
    {0x0F, Fixed(5, 4), 0, "Reserved", RESERVED_READS_0},
    {0x0F, Fixed(3, 0), 0, "Response Code", RESPONSE_CODE},

    // 50h PCI control.  RBIL 01111; FreeBSD conf82437fx; bit 4 is reserved
    // (86Box write mask EFh).
    {0x50, Field(7, 5), 0, "CPU Inactivity Timer",
     "000 1 PCI clock\r001 2 PCI clocks\r010 3 PCI clocks\r011 4 PCI clocks\r"
     "100 5 PCI clocks\r101 6 PCI clocks\r110 7 PCI clocks\r111 8 PCI clocks\r"
     "The code is the count in PCI clocks less 1."},
    {0x50, Field(3, 3), 0, "PCI Peer Concurrency Enable", PCI_CONCURRENCY_ENABLE},
    {0x50, Field(2, 2), 0, "PCI Bursting Disable", FX_ON_UNLESS_SET},
    {0x50, Field(1, 1), 0, "PCI Streaming Disable", FX_ON_UNLESS_SET},
    {0x50, Field(0, 0), 0, "Bus Concurrency Disable", FX_ON_UNLESS_SET},

    // 52h cache control.  RBIL 01112 and FreeBSD conf82437fx agree on the
    // sizes; bit 2 is reserved (86Box write mask FBh).
    {0x52, Field(7, 6), 0, "L2 Cache Size", L2_CACHE_SIZE},
    // RBIL 01112 calls code 01 reserved, FreeBSD decodes it as burst SRAM;
    // RBIL follows Intel's register list more closely, so 01 stays reserved.
    {0x52, Field(5, 4), 0, "L2 SRAM Type",
     "00 Pipelined burst SRAM\r01 Reserved\r10 Asynchronous SRAM\r"
     "11 Two banks of pipelined burst SRAM\rFreeBSD reads code 01 as burst SRAM."},
    {0x52, Field(3, 3), 0, "NA Disable", NA_DISABLE},
    {0x52, Field(1, 1), 1, "L2 Force Miss", L2_FORCE_MISS},  // 86Box power-on 1
    {0x52, Field(0, 0), 0, "L1 Enable", L1_ENABLE},          // FreeBSD: 1 = L1 on

    // 57h DRAM control.  RBIL 01116 (FX/VX/HX refresh column); FreeBSD
    // conf82437fx names the same holes and refresh clocks.  Bits 5-4 are
    // reserved (86Box write mask CFh).
    {0x57, Field(7, 6), 0, "Memory Hole", MEMORY_HOLE},
    {0x57, Field(3, 3), 0, "EDO Detect Mode", EDO_DETECT_MODE},
    {0x57, Field(2, 0), 0, "DRAM Refresh Rate", DRAM_REFRESH_RATE},

    // 58h DRAM timing.  RBIL 01117; FreeBSD conf82437fx for bits 6-2.  Bit 7
    // is reserved (86Box write mask 7Fh).
    {0x58, Field(6, 5), 0, "EDO/FPM Read Burst Timing", EDO_FPM_READ_BURST_TIMING},
    {0x58, Field(4, 3), 0, "EDO/FPM Write Burst Timing", EDO_FPM_WRITE_BURST_TIMING},
    {0x58, Field(2, 2), 0, "RAS to CAS Delay", "0 Three clocks\r1 Two clocks"},
    {0x58, Field(1, 0), 0, "EDO/FPM Leadoff Timing", FX_LEADOFF_TIMING},

    // 59h-5Fh programmable attribute map, low nibble before high nibble.
    // RBIL 01118; 86Box masks 70h for 59h and 77h for 5Ah-5Fh.
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

    // 60h-64h DRAM row boundaries: five rows, the running total in 4 MB.
    // RBIL 01107; six bits wide per 86Box (write mask 3Fh, power-on 02h).
    {0x60, Field(5, 0), 0, "DRAM Size Row 0 (4M unit)", ROW_0_SIZE},
    {0x61, Field(5, 0), 0, "DRAM Size Row 1-0 (4M unit)", BOUNDARY_NOTE},
    {0x62, Field(5, 0), 0, "DRAM Size Row 2-0 (4M unit)", BOUNDARY_NOTE},
    {0x63, Field(5, 0), 0, "DRAM Size Row 3-0 (4M unit)", BOUNDARY_NOTE},
    {0x64, Field(5, 0), 0, "DRAM Size Row 4-0 (4M unit)", BOUNDARY_NOTE},

    // 68h DRAM row type, one bit per row.  RBIL 01121 lists bits 3-0; 86Box
    // also keeps bit 4 (write mask 1Fh) for the fifth row that 64h bounds.
    {0x68, Field(0, 0), 0, "Row 0 Memory Type", FPM_EDO},
    {0x68, Field(1, 1), 0, "Row 1 Memory Type", FPM_EDO},
    {0x68, Field(2, 2), 0, "Row 2 Memory Type", FPM_EDO},
    {0x68, Field(3, 3), 0, "Row 3 Memory Type", FPM_EDO},
    {0x68, Field(4, 4), 0, "Row 4 Memory Type", FPM_EDO},

    // 72h system management RAM control.  RBIL 01123; 86Box writes bits 6-3
    // only and holds the base segment at 010.
    {0x72, Field(6, 6), 0, "SMM Space Open", SMM_SPACE_OPEN},
    {0x72, Field(5, 5), 0, "SMM Space Closed", SMM_SPACE_CLOSED},
    {0x72, Field(4, 4), 0, "SMM Space Locked", SMM_SPACE_LOCKED},
    {0x72, Field(3, 3), 0, "SMRAM Enable", SMRAM_ENABLE},
    {0x72, Fixed(2, 0), 2, "SMM Space Base Segment", "010 A0000-BFFFF\rHardwired."},

    {0, 0, 0, nullptr, nullptr},
};
