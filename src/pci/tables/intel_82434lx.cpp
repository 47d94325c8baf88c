// Register fields of the Intel 82434LX and 82434NX cache and memory
// controllers (PCMC; 430LX "Mercury" and 430NX "Neptune"), which share the
// device id 04A3h and differ by revision.  Sources: RBIL INTERRUP.E tables
// 01055 (register map) to 01062 and 01118; FreeBSD sys/pci/pcisupport.c
// (conf82434lx); 86Box src/chipset/intel_4x0.c (write masks and power-on
// values of both chips).
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/intel_descriptions.h"
#include "pci/tables/tables.h"

namespace {

// 60h-67h: RBIL 01055 counts the row boundaries in 1 MB; the 82434LX has six
// rows, the 82434NX eight, with four more bits each in 68h-6Bh.
constexpr char LX_ROW_0_SIZE[] = "DRAM in row 0, in 1 MB units.\rDefault 02h.";
constexpr char LX_BOUNDARY_NOTE[] =
    "DRAM in this row and all rows below it, in 1 MB units; the row itself holds this value "
    "minus the one before.\rAn empty row repeats the value of the row before it.\r"
    "On the 82434NX, 68h-6Bh hold the boundary's upper bits.";
constexpr char LX_NX_ONLY_ROW[] =
    "DRAM in this row and all rows below it, in 1 MB units.\r82434NX only; the 82434LX has six "
    "rows.";
// 68h-6Bh, RBIL 01055: a nibble per row, row 0 in the low nibble of 68h
// (86Box intel_4x0.c packs them so).
constexpr char NX_BOUNDARY_EXTENSION[] =
    "Bits 11-8 of the row's boundary, above its byte in 60h-67h; only bits 9-8 are used.\r"
    "82434NX only.";

// 70h, RBIL 01060.
constexpr char SERR_ON_ERROR[] =
    "0 No SERR# for this error\r1 SERR# asserted\rNeeds the SERR# Enable bit of the command "
    "register (05h bit 0).";
constexpr char NX_SERR_ON_ERROR[] =
    "0 No SERR# for this error\r1 SERR# asserted\r82434NX only; needs the SERR# Enable bit of "
    "the command register (05h bit 0).";

// 71h, RBIL 01061.
constexpr char ERROR_SEEN[] = "Write 1 to clear\r0 Not detected\r1 Detected";
constexpr char NX_ERROR_SEEN[] = "Write 1 to clear\r0 Not detected\r1 Detected\r82434NX only.";

// 78h-79h and 7Ch, RBIL 01055 and 01062: a size in MB less 1, a power of 2.
constexpr char MB_LESS_ONE_3[] =
    "000 1 MB\r001 2 MB\r011 4 MB\r111 8 MB\rThe other codes are not powers of 2 and not "
    "allowed.";
constexpr char MB_LESS_ONE_4[] =
    "0000 1 MB\r0001 2 MB\r0011 4 MB\r0111 8 MB\r1111 16 MB\rThe other codes are not powers "
    "of 2 and not allowed.";

}  // namespace

const RegisterField fields_82434lx[] = {
    // PCI configuration header.  RBIL 01055: the command register has bits 8,
    // 6, 2, 1 and 0.  86Box intel_4x0.c writes 04h bits 6 and 1, 05h bit 0,
    // clears 07h bits 6-4 on a 1, and keeps 0Dh bits 7-4.
    {0x05, RESERVED_COMMAND_SPAN, 0, "Reserved", RESERVED_READS_0},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Fast back-to-back cycles to different targets are not run\r"
     "Not implemented by the 82434LX/NX; reads 0."},
    {0x05, Field(0, 0), 0, "SERR# Enable",
     "0 SERR# is never driven\r1 SERR# is driven for the errors enabled in the error "
     "command register (70h)"},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping", ADDRESS_DATA_STEPPING},
    {0x04, Field(6, 6), 0, "Parity Error Response",
     "0 PCI parity errors are ignored\r1 PCI parity errors are reported\r"
     "Also needed by bit 3 of the error command register (70h)."},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop", VGA_PALETTE_SNOOP},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command", MEMORY_WRITE_INVALIDATE},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring", SPECIAL_CYCLE_MONITORING},
    {0x04, Fixed(2, 2), 1, "Bus Master",
     "1 Bus master enabled\rThe PCMC always runs PCI cycles for the CPU; reads 1."},
    {0x04, Fixed(1, 1), 1, "Memory Space", MEMORY_SPACE},
    // RBIL lists bit 0 among the implemented ones; 86Box holds it at 0.
    {0x04, Fixed(0, 0), 0, "PCI I/O Space",
     "0 No I/O space claimed as a PCI target\r1 I/O space claimed\r"
     "86Box holds this bit at 0."},
    {0x07, Field(7, 7), 0, "Detected Parity Error",
     "0 No parity error detected\r86Box holds this bit at 0; the chip's own behaviour is "
     "unconfirmed."},
    {0x07, Field(6, 6), 0, "Signaled System Error",
     "Write 1 to clear\r0 SERR# not asserted\r1 The PCMC asserted SERR#"},
    {0x07, Field(5, 5), 0, "Received Master Abort",
     "Write 1 to clear\r0 No master abort\r1 A PCI cycle run by the PCMC ended in master abort"},
    {0x07, Field(4, 4), 0, "Received Target Abort", RECEIVED_TARGET_ABORT},
    {0x07, Field(3, 3), 0, "Signaled Target Abort",
     "0 The PCMC never ends a cycle with target abort\rReads 0."},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing",
     "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the PCMC decodes at medium speed."},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected",
     "0 No data parity error\r86Box holds this bit at 0."},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable", FAST_BACK_TO_BACK_CAPABLE},
    {0x06, Fixed(6, 6), 0, "Reserved", "Reserved.\rReads 1 on both chips in 86Box."},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable", PCI_66MHZ_CAPABLE},
    {0x06, Fixed(3, 0), 0, "Reserved", RESERVED_READS_0},
    // RBIL 01055: revisions 01h and 03h are the 82434LX, 1xh the 82434NX.
    {0x08, Fixed(7, 0), 0, "Revision ID Code",
     "00000001 82434LX\r00000011 82434LX\r0001xxxx 82434NX\rRead only; it tells the two chips "
     "apart."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_CODE},
    {0x0D, Field(7, 0), 0, "PCI latency timer",
     "PCI clocks the PCMC may keep the bus as a master after its grant is removed.\r"
     "Bits 3-0 read as 0, resulting in a granularity of 16 clocks.\rDefault 20h."},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", HEADER_TYPE_CODE},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", BIST_SUPPORTED},
    {0x0F, Fixed(6, 6), 0, "Start Test", "0 No test running\rNo self-test; reads 0."},
    {0x0F, Fixed(5, 4), 0, "Reserved", RESERVED_READS_0},
    {0x0F, Fixed(3, 0), 0, "Response Code", RESPONSE_CODE},

    // 50h host CPU selection.  RBIL 01056; FreeBSD conf82434lx reads 82h/83h
    // as a Pentium at 60/66 MHz and A2h/A3h as one at 90/100 MHz, where RBIL
    // calls the 82434NX's type code reserved (101 on its author's board).
    {0x50, Field(7, 5), 0, "Host CPU Type",
     "100 Pentium (60 or 66 MHz)\r101 Pentium at 90 or 100 MHz (82434NX)\r"
     "Hardwired to 100 on the 82434LX."},
    {0x50, Field(2, 2), 0, "L1 Cache Enable", "0 CPU L1 cache disabled\r1 CPU L1 cache enabled"},
    {0x50, Field(1, 0), 0, "Host Operating Frequency",
     "00 Reserved\r01 50 MHz (82434NX only)\r10 60 MHz\r11 66 MHz\r"
     "Set to the host bus clock."},

    // 51h deturbo frequency control, RBIL 01055: only bits 7-6 are writable
    // (86Box write mask C0h, power-on 80h).
    {0x51, Field(7, 6), 0, "Deturbo Frequency Control",
     "01 Memory bus held 3/4 of the time\r10 Memory bus held 1/2 of the time\r"
     "11 Memory bus held 1/4 of the time\rOnly while deturbo mode is selected at port CF9h. "
     "Code 00 is not documented."},

    // 52h secondary cache control.  RBIL 01057; FreeBSD conf82434lx agrees on
    // size, type, write policy and enable.  86Box holds bits 7-5 as strapped.
    {0x52, Field(7, 6), 0, "L2 Cache Size", "00 No L2 cache\r01 Reserved\r10 256 KB\r11 512 KB"},
    {0x52, Field(5, 5), 0, "L2 SRAM Type",
     "0 Standard asynchronous SRAM: 3-2-2-2 or 4-2-2-2 bursts\r1 Burst SRAM: 3-1-1-1 bursts"},
    {0x52, Field(4, 4), 0, "L2 Cache Allocation",
     "0 Only CPU reads with CACHE# asserted are cached\r"
     "1 All CPU reads of cacheable memory are cached"},
    {0x52, Field(3, 3), 0, "Cache Byte Control",
     "0 One write enable with per-byte select lines\r1 A write enable per byte"},
    {0x52, Field(2, 2), 0, "SRAM Connectivity",
     "0 CCS# functions disabled\r1 CCS# functions enabled\r"
     "Asynchronous SRAMs are deselected into low-power standby; with burst SRAMs CCS1# marks "
     "the lack of an external address latch. 82434NX only."},
    {0x52, Field(1, 1), 0, "L2 Cache Write Policy",
     "0 Write-through\r1 Write-back\rThe 82434NX always writes back."},
    {0x52, Field(0, 0), 0, "L2 Cache Enable", "0 L2 cache disabled\r1 L2 cache enabled"},

    // 53h host read/write buffer control, RBIL 01058; FreeBSD conf82434lx.
    {0x53, Field(3, 3), 0, "Read-Around-Write", DISABLED_ENABLED},
    {0x53, Field(1, 1), 0, "CPU-to-PCI Posted Writes", DISABLED_ENABLED},
    {0x53, Field(0, 0), 0, "CPU-to-Memory Posted Writes",
     "0 Disabled\r1 Enabled\rThe 82434NX always posts memory writes."},

    // 54h PCI read/write buffer control.  RBIL 01055; FreeBSD conf82434lx
    // gives the burst timing of bit 2.
    {0x54, Field(2, 2), 0, "LBXs Connected to TRDY#",
     "0 PCI bursts at 2-2-2-2 clocks\r1 PCI bursts at 2-1-1-1 clocks"},
    {0x54, Field(1, 1), 0, "PCI Burst Writes", DISABLED_ENABLED},
    {0x54, Field(0, 0), 0, "PCI-to-Memory Posted Writes", DISABLED_ENABLED},

    // 57h DRAM control.  RBIL 01059; FreeBSD conf82434lx pairs the burst
    // codes with 70, 60 and 50 ns DRAM and reads bit 4 at 0 as page mode.
    {0x57, Field(7, 6), 0, "DRAM Burst Timing",
     "00 x-4-4-4 reads and writes\r01 x-4-4-4 reads, x-3-3-3 writes\r10 Reserved\r"
     "11 x-3-3-3 reads and writes\r82434NX only; reads 00 on the 82434LX."},
    {0x57, Field(5, 5), 0, "DRAM Parity Error Mask",
     "0 DRAM parity errors are reported\r1 DRAM parity errors are masked"},
    {0x57, Field(4, 4), 0, "0-Active RAS# Mode",
     "0 Page mode: RAS# stays active after a cycle\r1 0-active RAS# mode"},
    {0x57, Field(3, 3), 0, "SMRAM Enable",
     "0 SMRAM disabled\r1 SMRAM enabled: register 72h takes effect"},
    {0x57, Field(2, 2), 0, "Burst-of-Four Refresh",
     "0 One refresh cycle at a time\r1 Refresh cycles in bursts of four"},
    {0x57, Field(1, 1), 0, "Refresh Type", "0 RAS#-only refresh\r1 CAS#-before-RAS# refresh"},
    {0x57, Field(0, 0), 0, "DRAM Refresh Enable", "0 Refresh disabled\r1 Refresh enabled"},

    // 58h DRAM timing, RBIL 01055; FreeBSD conf82434lx.
    {0x58, Field(1, 1), 0, "RAS# Wait State",
     "0 No RAS# wait state\r1 RAS# wait state inserted\r82434NX only."},
    {0x58, Field(0, 0), 0, "CAS# Wait State",
     "0 No wait state\r1 One extra wait state before CAS# within a burst"},

    // 59h-5Fh programmable attribute map, low nibble before high nibble.
    // RBIL 01118: on the 82434 the low nibble of 59h controls 80000-9FFFF;
    // 86Box maps it so (write mask 77h).
    {0x59, Field(3, 0), 0, "80000-9FFFF Control", PAM},
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

    // 60h-67h DRAM row boundaries, RBIL 01055; 86Box power-on 02h.
    {0x60, Field(7, 0), 0, "DRAM Size Row 0 (1M unit)", LX_ROW_0_SIZE},
    {0x61, Field(7, 0), 0, "DRAM Size Row 1-0 (1M unit)", LX_BOUNDARY_NOTE},
    {0x62, Field(7, 0), 0, "DRAM Size Row 2-0 (1M unit)", LX_BOUNDARY_NOTE},
    {0x63, Field(7, 0), 0, "DRAM Size Row 3-0 (1M unit)", LX_BOUNDARY_NOTE},
    {0x64, Field(7, 0), 0, "DRAM Size Row 4-0 (1M unit)", LX_BOUNDARY_NOTE},
    {0x65, Field(7, 0), 0, "DRAM Size Row 5-0 (1M unit)", LX_BOUNDARY_NOTE},
    {0x66, Field(7, 0), 0, "DRAM Size Row 6-0 (1M unit)", LX_NX_ONLY_ROW},
    {0x67, Field(7, 0), 0, "DRAM Size Row 7-0 (1M unit)", LX_NX_ONLY_ROW},

    // 68h-6Bh row boundary extensions of the 82434NX, RBIL 01055.
    {0x68, Field(3, 0), 0, "Row 0 Boundary Bits 11-8", NX_BOUNDARY_EXTENSION},
    {0x68, Field(7, 4), 0, "Row 1 Boundary Bits 11-8", NX_BOUNDARY_EXTENSION},
    {0x69, Field(3, 0), 0, "Row 2 Boundary Bits 11-8", NX_BOUNDARY_EXTENSION},
    {0x69, Field(7, 4), 0, "Row 3 Boundary Bits 11-8", NX_BOUNDARY_EXTENSION},
    {0x6A, Field(3, 0), 0, "Row 4 Boundary Bits 11-8", NX_BOUNDARY_EXTENSION},
    {0x6A, Field(7, 4), 0, "Row 5 Boundary Bits 11-8", NX_BOUNDARY_EXTENSION},
    {0x6B, Field(3, 0), 0, "Row 6 Boundary Bits 11-8", NX_BOUNDARY_EXTENSION},
    {0x6B, Field(7, 4), 0, "Row 7 Boundary Bits 11-8", NX_BOUNDARY_EXTENSION},

    // 70h error command, RBIL 01060; 86Box write mask C7h on the 82434LX,
    // FFh on the 82434NX.  FreeBSD conf82434lx warns when bit 2 is 0.
    {0x70, Field(7, 7), 0, "SERR# on Received Target Abort", SERR_ON_ERROR},
    {0x70, Field(6, 6), 0, "SERR# on PCI Write Parity Error", SERR_ON_ERROR},
    {0x70, Field(5, 5), 0, "SERR# on PCI Read Parity Error", NX_SERR_ON_ERROR},
    {0x70, Field(4, 4), 0, "SERR# on Address Parity Error", NX_SERR_ON_ERROR},
    {0x70, Field(3, 3), 0, "PERR# on Data Parity Error",
     "0 No PERR# for data parity errors\r1 PERR# asserted\r82434NX only; needs the Parity "
     "Error Response bit (04h bit 6)."},
    {0x70, Field(2, 2), 0, "L2 Cache Parity Enable",
     "0 L2 cache parity not checked\r1 L2 cache parity checked"},
    {0x70, Field(1, 1), 0, "SERR# on DRAM/L2 Parity Error", SERR_ON_ERROR},
    {0x70, Field(0, 0), 0, "CPU Parity Checking",
     "0 Off\r1 PEN# asserted on data reads, so that the CPU reports parity errors on PCHK#\r"
     "Bits 1-0 may not be 10."},

    // 71h error status, RBIL 01061: written 1 to clear.
    {0x71, Field(6, 6), 0, "PCI Write Parity Error", ERROR_SEEN},
    {0x71, Field(5, 5), 0, "PCI Read Parity Error", NX_ERROR_SEEN},
    {0x71, Field(4, 4), 0, "PCI Address Parity Error", NX_ERROR_SEEN},
    {0x71, Field(3, 3), 0, "Main Memory Parity Error", ERROR_SEEN},
    {0x71, Field(2, 2), 0, "L2 Cache Parity Error", ERROR_SEEN},
    {0x71, Field(0, 0), 0, "Shutdown Cycle Detected", ERROR_SEEN},

    // 72h system management RAM control, RBIL 01055; 86Box writes bits 5-0.
    {0x72, Field(5, 5), 0, "SMRAM Open",
     "0 SMM memory hidden outside SMM\r1 The 64 KB of SMM memory appear in the address space\r"
     "Takes effect while bits 2-0 are 010."},
    {0x72, Field(4, 4), 0, "SMRAM Close",
     "0 Data accesses in SMM go to SMRAM\r1 Data accesses in SMM go to PCI"},
    {0x72, Field(3, 3), 0, "SMRAM Lock",
     "0 Not locked\r1 SMRAM space locked: software cannot clear it"},
    {0x72, Field(2, 0), 0, "SMRAM Address", "010 A0000-AFFFF\r011 B0000-BFFFF"},

    // 78h-79h memory space gap, RBIL 01055 (the ISA hole).
    {0x78, Field(7, 4), 0, "ISA Hole Bottom (1M unit)",
     "Start of the ISA memory hole in MB; a multiple of its size."},
    {0x79, Field(7, 7), 0, "ISA Hole Enable", "0 No ISA memory hole\r1 ISA memory hole enabled"},
    {0x79, Field(6, 4), 0, "ISA Hole Size", MB_LESS_ONE_3},

    // 7Ch-7Fh frame buffer range, RBIL 01062; 86Box write masks 8Fh, 32h,
    // FFh, FFh.
    {0x7C, Field(7, 7), 0, "Transparent Buffer Writes", DISABLED_ENABLED},
    {0x7C, Field(3, 0), 0, "Frame Buffer Size", MB_LESS_ONE_4},
    {0x7D, Field(5, 5), 0, "Frame Buffer Byte Merging", DISABLED_ENABLED},
    {0x7D, Field(4, 4), 0, "VGA Range Attributes",
     "0 The frame buffer bits apply to the frame buffer only\r"
     "1 Byte merging, no-lock and transparent writes apply to A0000-BFFFF too"},
    {0x7D, Field(1, 1), 0, "No Lock Requests", DISABLED_ENABLED},
    {0x7E, Field(7, 4), 0, "Frame Buffer Offset A23-A20",
     "Frame buffer address in MB, a multiple of its size.\r"
     "With 7Fh it forms bits 31-20; 0 turns the frame buffer off."},
    {0x7F, Field(7, 0), 0, "Frame Buffer Offset A31-A24",
     "Upper byte of the frame buffer address; see 7Eh."},

    {0, 0, 0, nullptr, nullptr},
};
