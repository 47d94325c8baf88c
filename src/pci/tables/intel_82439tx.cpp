// Register fields of the Intel 82439TX system controller (MTXC, 430TX).
#include "pci/tables/tables.h"

namespace {

// bit_spec of an ordinary field and of a field fixed by the hardware.
constexpr uint32_t Field(unsigned high, unsigned low) {
  return 0xC0u | (((high - low + 1) % 8) << 3) | low;
}
constexpr uint32_t Fixed(unsigned high, unsigned low) {
  return 0x40u | (((high - low + 1) % 8) << 3) | low;
}
// The reserved upper bits of the command register carry no access class.
constexpr uint32_t RESERVED_SPAN = 0x32;

constexpr char RESERVED[] = "Reserved; reads 0.";

// Every attribute nibble of 59h-5Fh: bit 0 read enable, bit 1 write enable,
// bit 2 cache enable, bit 3 unused.  Disabled ranges are left to PCI.
constexpr char PAM[] =
    "xx00 ROM\rx001 Read only, non-cacheable\rx101 Read only, L1 cacheable for execute only.\r"
    "x010 Write only\rx110 (undefined)\rx011 Read/Write, non-cacheable\rx111 Read/Write, cacheable";

constexpr char BOUNDARY_NOTE[] =
    "DRAM in this row and all rows below it, in 4 MB units; the row itself holds this value "
    "minus the one before.\rAn empty row repeats the value of the row before it.\rDefault 02h.";

// A row's type is a pair of bits: the SDRAM bit above the EDO/FPM bit.
constexpr char IS_SDRAM[] = "0 EDO or fast page mode DRAM, as its EDO/FPM bit says\r1 SDRAM";
constexpr char IS_EDO[] =
    "0 Fast page mode DRAM\r1 EDO DRAM\rApplies while the row's SDRAM bit is 0; both bits set "
    "is reserved.";

}  // namespace

const RegisterField fields_82439tx[] = {
    // PCI configuration header.
    {0x05, RESERVED_SPAN, 0, "Reserved", RESERVED},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Fast back-to-back cycles to different targets are not run\r"
     "Not implemented by the MTXC; reads 0."},
    {0x05, Field(0, 0), 0, "SERR# Enable",
     "0 SERR# is never driven\rNot implemented by the MTXC; reads 0."},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping",
     "0 No address or data stepping\rHardwired to 0."},
    {0x04, Field(6, 6), 0, "Parity Error Response",
     "0 PCI parity errors are not reported\rHardwired to 0 on the MTXC."},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop",
     "0 Palette writes are not snooped\rHardwired to 0."},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command",
     "0 Memory Write and Invalidate is never generated\rHardwired to 0."},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring",
     "0 PCI special cycles are ignored\rHardwired to 0."},
    {0x04, Fixed(2, 2), 1, "Bus Master",
     "1 Bus master enabled\rThe MTXC always runs PCI cycles for the CPU; hardwired to 1."},
    {0x04, Fixed(1, 1), 1, "Memory Space",
     "0 PCI masters cannot reach main memory\r1 PCI master accesses to main memory are "
     "claimed\rDefault 1."},
    {0x04, Fixed(0, 0), 0, "PCI I/O Space",
     "0 No I/O space claimed as a PCI target\rHardwired to 0."},
    {0x07, Field(7, 7), 0, "Detected Parity Error",
     "0 No parity error detected\rNot implemented by the MTXC; reads 0."},
    {0x07, Field(6, 6), 0, "Signaled System Error",
     "0 SERR# not asserted\rThe MTXC has no SERR# output; reads 0."},
    {0x07, Field(5, 5), 0, "Received Master Abort",
     "Write 1 to clear\r0 No master abort\r1 A PCI cycle run by the MTXC ended in master abort"},
    {0x07, Field(4, 4), 0, "Received Target Abort",
     "Write 1 to clear\r0 No abort received\r1 Transaction aborted by the target."},
    {0x07, Field(3, 3), 0, "Signaled Target Abort",
     "0 The MTXC never ends a cycle with target abort\rHardwired to 0."},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing",
     "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the MTXC decodes at medium speed."},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected",
     "0 No data parity error\rNot implemented by the MTXC; reads 0."},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable",
     "0 Not capable of fast back-to-back cycles as a target\rHardwired to 0."},
    {0x06, Fixed(6, 6), 0, "Reserved", RESERVED},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable", "0 33 MHz PCI bus\rRead only."},
    {0x06, Fixed(3, 0), 0, "Reserved", RESERVED},
    {0x08, Fixed(7, 0), 0, "Revision ID Code", "Silicon revision of the MTXC.\rRead only."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier",
     "00000000 No register-level programming interface"},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", "00000000 Host bridge"},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", "00000110 Bridge Device"},
    {0x0D, Field(7, 0), 0, "PCI latency timer",
     "PCI clocks the MTXC may keep the bus as a master after its grant is removed.\r"
     "Bits 2-0 read as 0, resulting in a granularity of 8 clocks.\rDefault 00h."},
    {0x0E, Fixed(7, 0), 0, "Header Type Code",
     "00000000 Single-function device, standard header layout"},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", "0 No built-in self-test\rHardwired to 0."},
    {0x0F, Fixed(6, 6), 0, "Start Test",
     "0 No test running\r1 Test requested\rThe MTXC has no self-test; the bit only holds "
     "what was written."},
    {0x0F, Fixed(5, 4), 0, "Reserved", RESERVED},
    {0x0F, Fixed(3, 0), 0, "Response Code", "0000 Passed\rNo self-test; always reads 0."},

    // 50h PCI control: only the concurrency bit is implemented.
    {0x50, Field(3, 3), 0, "PCI Concurrency Enable",
     "0 The CPU is kept off DRAM and L2 during every PCI master cycle\r"
     "1 The CPU may use DRAM and L2 while a PCI master other than the PIIX4 owns the bus"},

    // 52h cache control.
    {0x52, Field(7, 6), 0, "L2 Cache Size", "00 No L2 cache\r01 256 KB\r10 512 KB\r11 Reserved"},
    {0x52, Field(5, 4), 0, "L2 SRAM Type",
     "00 Pipelined burst SRAM or DRAM cache SRAM\r01 Reserved\r10 Reserved\r"
     "11 Two banks of pipelined burst SRAM"},
    {0x52, Field(3, 3), 0, "NA Disable",
     "0 NA# asserted: the CPU may pipeline its bus cycles\r1 NA# never asserted"},
    {0x52, Field(2, 2), 0, "Reserved", RESERVED},
    {0x52, Field(1, 1), 1, "L2 Force Miss",
     "0 Normal L2 operation\r1 L2 reads miss and writes invalidate\r"
     "Used by the BIOS to size and test the cache. Default 1."},
    {0x52, Field(0, 0), 0, "L1 Enable",
     "0 CPU L1 cache disabled: KEN# stays inactive\r1 CPU L1 cache enabled for cacheable "
     "memory"},

    // 53h cache control extended: DRAM cache SRAMs need refreshing.
    {0x53, Field(5, 5), 0, "L2 Cache Present", "0 No L2 cache present\r1 L2 cache present"},
    {0x53, Field(3, 0), 4, "L2 Refresh Timer",
     "Refresh interval of DRAM cache SRAMs in the L2.\rThe unit of the count is not "
     "documented here. Default 0100."},

    // 55h and 54h SDRAM control.
    {0x55, Field(0, 0), 0, "SDRAM CBR Cycle Enabled",
     "0 Normal SDRAM cycles\r1 Every DRAM cycle becomes a CBR refresh cycle\r"
     "Used by the BIOS while it initializes SDRAM."},
    {0x54, Field(7, 6), 0, "Special SDRAM Mode Select",
     "00 Normal operation\r01 Every DRAM cycle becomes a NOP command\r"
     "10 Every DRAM cycle becomes an all-banks precharge\r"
     "11 Every DRAM cycle becomes a mode register set command\r"
     "The special modes serve SDRAM initialization by the BIOS."},
    {0x54, Field(5, 5), 0, "SDRAM RAS# to CAS# Override",
     "Overrides the RAS#-to-CAS# delay chosen by SDRAM RAS# Timing.\r"
     "The resulting delay is not documented here."},
    {0x54, Field(4, 4), 0, "SDRAM CAS# Latency",
     "0 3 clocks CAS# latency\r1 2 clocks CAS# latency"},
    {0x54, Field(3, 3), 0, "SDRAM RAS# Timing",
     "0 3 clocks of RAS#-to-CAS# delay and RAS# precharge\r"
     "1 2 clocks of RAS#-to-CAS# delay and RAS# precharge"},
    {0x54, Field(1, 1), 0, "64-MBit SDRAM", "0 16-Mbit SDRAM devices\r1 64-Mbit SDRAM devices"},

    // 56h DRAM extended control.
    {0x56, Field(6, 6), 0, "Refresh RAS# Assertion",
     "Length of the RAS# pulse in refresh cycles.\rThe clock counts of each setting are not "
     "documented here. Default 1."},
    {0x56, Field(5, 5), 0, "Fast EDO Leadoff",
     "0 Normal EDO read leadoff\r1 Fast EDO read leadoff path"},
    {0x56, Field(4, 4), 0, "DRAM Speculative Leadoff",
     "0 Disabled\r1 Enabled: DRAM reads start before the L2 lookup completes\r"
     "Saves a clock of leadoff on L2 misses."},
    {0x56, Field(2, 1), 0, "Memory Address Drive Strength",
     "Output current of the MA and MWE# drivers, chosen by the BIOS for the DRAM loading.\r"
     "The current of each code is not documented here."},

    // 57h DRAM control.
    {0x57, Field(7, 6), 0, "Memory Hole",
     "00 No memory hole\r01 Hole from 512 KB to 640 KB\r10 Hole from 15 MB to 16 MB\r"
     "11 Reserved\rAccesses inside the hole go to PCI."},
    {0x57, Field(4, 4), 0, "DRAM Enhanced Paging",
     "0 Disabled\r1 Enabled\rRaises the DRAM page hit rate by keeping rows open."},
    {0x57, Field(3, 3), 0, "EDO Detect Mode",
     "0 Normal operation\r1 EDO detect mode: lets the BIOS find the rows that hold EDO DRAM\r"
     "Must be 0 once the rows are typed."},
    {0x57, Field(2, 0), 1, "DRAM Refresh Rate",
     "000 Refresh disabled\r001 50 MHz host clock\r010 60 MHz host clock\r"
     "011 66 MHz host clock\r1xx Reserved\rMatch the host bus clock so that a row is refreshed "
     "every 15.6 us. Default 001."},

    // 58h DRAM timing, for EDO and fast page mode rows.
    {0x58, Field(6, 5), 0, "EDO/FPM Read Burst Timing",
     "00 x-4-4-4\r01 x-3-3-3\r10 x-2-2-2 for EDO, x-3-3-3 for fast page mode\r11 Reserved"},
    {0x58, Field(4, 3), 0, "EDO/FPM Write Burst Timing",
     "00 x-4-4-4\r01 x-3-3-3\r10 x-2-2-2\r11 Reserved"},
    {0x58, Field(1, 0), 0, "EDO/FPM Leadoff Timing",
     "Leadoff of the first DRAM read and write of a burst and the RAS# precharge time.\r"
     "The clock counts of each code are not documented here."},

    // 59h-5Fh programmable attribute map, low nibble before high nibble.
    {0x59, Field(3, 0), 0, "Reserved", RESERVED},
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

    // 60h-65h DRAM row boundaries: the running total of the rows, in 4 MB.
    // Row 0 is shown without a description: its value is plainly its size.
    {0x60, Field(6, 0), 0, "DRAM Size Row 0 (4M unit)", ""},
    {0x61, Field(6, 0), 0, "DRAM Size Row 1-0 (4M unit)", BOUNDARY_NOTE},
    {0x62, Field(6, 0), 0, "DRAM Size Row 2-0 (4M unit)", BOUNDARY_NOTE},
    {0x63, Field(6, 0), 0, "DRAM Size Row 3-0 (4M unit)", BOUNDARY_NOTE},
    {0x64, Field(6, 0), 0, "DRAM Size Row 4-0 (4M unit)", BOUNDARY_NOTE},
    {0x65, Field(6, 0), 0, "DRAM Size Row 5-0 (4M unit)", BOUNDARY_NOTE},

    // 67h DRAM control high; its row type bits stand after 68h.
    {0x67, Field(7, 7), 0, "Host Frequency Detection",
     "0 60 MHz host bus\r1 66 MHz host bus\rLatched from a strap at reset."},
    {0x67, Field(2, 2), 0, "Memory Address Select Enable",
     "0 Disabled\r1 CKE and CKEB carry a second copy of MA0 and MA1\r"
     "Needed for 5-2-2-2 EDO reads with more than two rows."},

    // 68h DRAM row type, rows 0-3.
    {0x68, Field(4, 4), 0, "DRAM Row 0 is SDRAM", IS_SDRAM},
    {0x68, Field(0, 0), 0, "DRAM Row 0 is EDO/FPM", IS_EDO},
    {0x68, Field(5, 5), 0, "DRAM Row 1 is SDRAM", IS_SDRAM},
    {0x68, Field(1, 1), 0, "DRAM Row 1 is EDO/FPM", IS_EDO},
    {0x68, Field(6, 6), 0, "DRAM Row 2 is SDRAM", IS_SDRAM},
    {0x68, Field(2, 2), 0, "DRAM Row 2 is EDO/FPM", IS_EDO},
    {0x68, Field(7, 7), 0, "DRAM Row 3 is SDRAM", IS_SDRAM},
    {0x68, Field(3, 3), 0, "DRAM Row 3 is EDO/FPM", IS_EDO},

    // 67h row type, rows 4-5.
    {0x67, Field(4, 4), 0, "DRAM Row 4 is SDRAM", IS_SDRAM},
    {0x67, Field(0, 0), 0, "DRAM Row 4 is EDO/FPM", IS_EDO},
    {0x67, Field(5, 5), 0, "DRAM Row 5 is SDRAM", IS_SDRAM},
    {0x67, Field(1, 1), 0, "DRAM Row 5 is EDO/FPM", IS_EDO},

    {0, 0, 0, nullptr, nullptr},
};
