// Register fields of the Intel 82439HX system controller (TXC, 430HX "Triton II").
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/intel_descriptions.h"
#include "pci/tables/tables.h"

const RegisterField fields_82439hx[] = {
    // PCI configuration header, RBIL 00878; power-on values and write masks
    // from 86Box, which clears bits 6-4 of 07h on a 1 and keeps 05h bit 0.
    {0x05, RESERVED_COMMAND_SPAN, 0, "Reserved", RESERVED_READS_0},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Fast back-to-back cycles to different targets are not run\r"
     "Not implemented by the TXC; reads 0."},
    {0x05, Field(0, 0), 0, "SERR# Enable",
     "0 SERR# is never driven\r1 SERR# is driven for the errors enabled in the error "
     "command register (90h)"},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping", ADDRESS_DATA_STEPPING},
    {0x04, Field(6, 6), 0, "Parity Error Response",
     "0 PCI parity errors are not reported\rHardwired to 0 on the TXC."},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop", VGA_PALETTE_SNOOP},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command", MEMORY_WRITE_INVALIDATE},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring", SPECIAL_CYCLE_MONITORING},
    {0x04, Fixed(2, 2), 1, "Bus Master",
     "1 Bus master enabled\rThe TXC always runs PCI cycles for the CPU; hardwired to 1."},
    {0x04, Fixed(1, 1), 1, "Memory Space", MEMORY_SPACE},
    {0x04, Fixed(0, 0), 0, "PCI I/O Space", PCI_IO_SPACE},
    {0x07, Field(7, 7), 0, "Detected Parity Error",
     "0 No parity error detected\rNot implemented by the TXC; reads 0."},
    {0x07, Field(6, 6), 0, "Signaled System Error",
     "Write 1 to clear\r0 SERR# not asserted\r1 The TXC asserted SERR#"},
    {0x07, Field(5, 5), 0, "Received Master Abort",
     "Write 1 to clear\r0 No master abort\r1 A PCI cycle run by the TXC ended in master abort"},
    {0x07, Field(4, 4), 0, "Received Target Abort", RECEIVED_TARGET_ABORT},
    {0x07, Field(3, 3), 0, "Signaled Target Abort",
     "0 The TXC never ends a cycle with target abort\rHardwired to 0."},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing",
     "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the TXC decodes at medium speed."},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected",
     "0 No data parity error\rNot implemented by the TXC; reads 0."},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable", FAST_BACK_TO_BACK_CAPABLE},
    {0x06, Fixed(6, 6), 0, "Reserved", RESERVED_READS_0},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable", PCI_66MHZ_CAPABLE},
    {0x06, Fixed(3, 0), 0, "Reserved", RESERVED_READS_0},
    {0x08, Fixed(7, 0), 0, "Revision ID Code", REVISION_NOTE},  // RBIL 01098
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_CODE},
    {0x0D, Field(7, 0), 0, "PCI latency timer",
     "PCI clocks the TXC may keep the bus as a master after its grant is removed.\r"
     "Bits 2-0 read as 0, resulting in a granularity of 8 clocks.\rDefault 00h."},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", HEADER_TYPE_CODE},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", BIST_SUPPORTED},
    {0x0F, Fixed(6, 6), 0, "Start Test",
     "0 No test running\r1 Test requested\rThe TXC has no self-test; the bit only holds "
     "what was written."},
    {0x0F, Fixed(5, 4), 0, "Reserved", RESERVED_READS_0},
    {0x0F, Fixed(3, 0), 0, "Response Code", RESPONSE_CODE},

    // 50h PCI control, RBIL 01110.  86Box's write mask F7h leaves bit 3
    // read-only; RBIL, written from Intel's pages, gives the bit to all
    // three chips and is followed.
    {0x50, Field(7, 7), 0, "DRAM ECC/Parity Select",
     "0 Parity: byte parity is generated and checked\r1 ECC: single-bit errors are "
     "corrected, multi-bit errors detected\rNeeds 72-bit wide DRAM rows."},
    {0x50, Field(6, 6), 0, "ECC Test Mode",
     "0 Normal operation\r1 ECC test mode\rRBIL names the bit only. Must be 0 in normal "
     "operation."},
    {0x50, Field(5, 5), 0, "Shutdown to Port 92",
     "0 No port 92h write on shutdown\r1 A host bus shutdown cycle makes the TXC write 01h to "
     "port 92h (CPU reset)"},
    {0x50, Field(4, 4), 0, "Dual Processor NA# Enable",
     "0 Disabled\r1 NA# (address pipelining) is also used with two processors on the bus\r"
     "RBIL names the bit only; the choices are unconfirmed."},
    {0x50, Field(3, 3), 0, "PCI Concurrency Enable", PCI_CONCURRENCY_ENABLE},
    {0x50, Field(2, 2), 0, "SERR# Output Type",
     "0 Open-drain output, as PCI requires\r1 Driven high when negated"},
    {0x50, Field(0, 0), 0, "Global TXC Enabled",
     "0 The enhanced features of the 82439HX are off\r1 The enhanced features of the 82439HX "
     "are on\rSet by the BIOS while it configures the chip."},

    // 52h cache control, RBIL 01112; asynchronous SRAM is not an 82439HX choice.
    {0x52, Field(7, 6), 0, "L2 Cache Size", L2_CACHE_SIZE},
    {0x52, Field(5, 4), 0, "L2 SRAM Type",
     "00 Pipelined burst SRAM\r01 Reserved\r10 Reserved\r11 Two banks of pipelined burst SRAM"},
    {0x52, Field(3, 3), 0, "NA Disable", NA_DISABLE},
    {0x52, Field(2, 2), 0, "Extended Cacheability",
     "0 Main memory cacheable up to 64 MB\r1 Main memory cacheable up to 512 MB"},
    {0x52, Field(1, 1), 1, "L2 Force Miss", L2_FORCE_MISS},
    {0x52, Field(0, 0), 0, "L1 Enable", L1_ENABLE},

    // 56h DRAM extended control, RBIL 01115.
    {0x56, Field(4, 4), 0, "DRAM Speculative Leadoff", DRAM_SPECULATIVE_LEADOFF},
    {0x56, Field(3, 3), 0, "Turn Around Insertion",
     "0 No extra turnaround clock\r1 One extra clock of turnaround after MWE# is asserted"},
    {0x56, Field(2, 1), 0, "Memory Address Drive Strength",
     "00 8 mA\r01 8 mA on MAA, 12 mA on MWE#\r10 12 mA on MAA, 8 mA on MWE#\r11 12 mA"},
    {0x56, Field(0, 0), 0, "64Mbit Memory",
     "0 DRAM devices of up to 16 Mbit\r1 Rows may hold 64-Mbit DRAM devices"},

    // 57h DRAM control, RBIL 01116; the hole as MAME decodes it.
    {0x57, Field(7, 6), 0, "Memory Hole", MEMORY_HOLE},
    {0x57, Field(3, 3), 0, "EDO Detect Mode", EDO_DETECT_MODE},
    {0x57, Field(2, 0), 1, "DRAM Refresh Rate", DRAM_REFRESH_RATE},

    // 58h DRAM timing, RBIL 01117.  Bit 2 (RAS#-to-CAS# delay in RBIL) has no
    // row here.
    {0x58, Field(7, 7), 0, "Turbo Read Leadoff",
     "0 Normal read leadoff\r1 Read leadoff one clock shorter\r"
     "Valid only with the L2 cache disabled."},
    {0x58, Field(6, 5), 0, "EDO/FPM Read Burst Timing", EDO_FPM_READ_BURST_TIMING},
    {0x58, Field(4, 3), 0, "EDO/FPM Write Burst Timing", EDO_FPM_WRITE_BURST_TIMING},
    {0x58, Field(1, 0), 0, "EDO/FPM Leadoff Timing",
     "00 Read leadoff 7, write leadoff 6, RAS# precharge 3 clocks\r"
     "01 Read leadoff 6, write leadoff 5, RAS# precharge 3 clocks\r"
     "10 Read leadoff 7, write leadoff 6, RAS# precharge 4 clocks\r"
     "11 Read leadoff 6, write leadoff 5, RAS# precharge 4 clocks"},

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
    // RBIL 01098.  The chip has two more rows, at 66h and 67h.
    {0x60, Field(6, 0), 0, "DRAM Size Row 0 (4M unit)", ROW_0_SIZE},
    {0x61, Field(6, 0), 0, "DRAM Size Row 1-0 (4M unit)", BOUNDARY_NOTE},
    {0x62, Field(6, 0), 0, "DRAM Size Row 2-0 (4M unit)", BOUNDARY_NOTE},
    {0x63, Field(6, 0), 0, "DRAM Size Row 3-0 (4M unit)", BOUNDARY_NOTE},
    {0x64, Field(6, 0), 0, "DRAM Size Row 4-0 (4M unit)", BOUNDARY_NOTE},
    {0x65, Field(6, 0), 0, "DRAM Size Row 5-0 (4M unit)", BOUNDARY_NOTE},

    // 68h DRAM row type, one bit per row: RBIL 01098.
    {0x68, Field(0, 0), 0, "Row 0 Memory Type", FPM_EDO},
    {0x68, Field(1, 1), 0, "Row 1 Memory Type", FPM_EDO},
    {0x68, Field(2, 2), 0, "Row 2 Memory Type", FPM_EDO},
    {0x68, Field(3, 3), 0, "Row 3 Memory Type", FPM_EDO},
    {0x68, Field(4, 4), 0, "Row 4 Memory Type", FPM_EDO},
    {0x68, Field(5, 5), 0, "Row 5 Memory Type", FPM_EDO},

    {0, 0, 0, nullptr, nullptr},
};
