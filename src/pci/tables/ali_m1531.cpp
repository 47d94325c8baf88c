// Register fields of the ALi M1531 (Aladdin IV) host bridge: the PCI header,
// cache and DRAM control, SDRAM timing, drive strengths and the shadow RAM
// segments of C0000h-FFFFFh.
//
// ALi's datasheet is not published on the web.  The header rows follow the
// PCI Local Bus 2.1 header layout with 86Box's power-on values; the chip's
// own rows follow 86Box ali1531.c where it acts on a bit (L1 and L2 enable,
// memory holes, shadow RAM), and its write masks confirm which bits exist.
// Every other text offers only what the field's name states and its note
// says it is unconfirmed, or says that the coding is not documented, so that
// nobody is led to write a value on the strength of a guess.
#include "pci/tables/ali_descriptions.h"
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/tables.h"

namespace {

// 76h: 86Box keeps all eight bits writable.
const char DRIVE_UNKNOWN[] =
    "Output drive strength of these pins.\r"
    "Which value gives the stronger drive is not documented here.";

// 4Ch-4Dh: where reads of each 16 KB segment go (86Box ali1531.c).
const char SHADOW_READ[] =
    "0 Reads go to the PCI/ISA bus (ROM)\r"
    "1 Reads come from shadow DRAM";
// 4Eh-4Fh: where writes of each 16 KB segment go (86Box ali1531.c).
const char SHADOW_WRITE[] =
    "0 Writes go to the PCI/ISA bus\r"
    "1 Writes go to shadow DRAM";
// 50h-51h: a third bit per segment; 86Box stores it and gives it no function.
const char SHADOW_THIRD[] =
    "Third control bit of this 16 KB segment, beside its read (4Ch-4Dh) and write (4Eh-4Fh) "
    "enables.\r"
    "Its effect is not documented here.";

const char ROW_WIDTH[] =
    "0 64-bit row\r"
    "1 32-bit row (half of a SIMM pair)\r"
    "Unconfirmed: no public register reference describes this bit.";

// 47h: 86Box ali1531.c sends a range with its bit set to the PCI bus.
const char MEMORY_HOLE[] =
    "0 Main memory (DRAM)\r"
    "1 Hole: accesses go to the PCI bus";

}  // namespace

const RegisterField fields_m1531[] = {
    // PCI command register, upper byte first: PCI Local Bus 2.1; 86Box
    // power-on 0006h, and only bit 0 of 05h takes a write.
    {0x05, RESERVED_COMMAND_SPAN, 0, "Reserved", RESERVED_READS_0},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Fast back-to-back only to the same target\r"
     "1 Fast back-to-back to different targets\r"
     "The bridge does not implement it; reads 0."},
    {0x05, Field(0, 0), 0, "SERR# Enable", SERR_OUTPUT_ENABLE},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping",
     "0 No address/data stepping\r"
     "1 Stepping used\r"
     "Fixed at 0."},
    {0x04, Field(6, 6), 0, "Parity Error Response", PARITY_ERROR_RESPONSE},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop",
     "0 Palette writes treated like other accesses\r"
     "1 Palette writes snooped\r"
     "Not used by a host bridge; reads 0."},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command",
     "0 Memory Write only\r"
     "1 Memory Write and Invalidate allowed\r"
     "The bridge never issues it; reads 0."},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring",
     "0 Special cycles ignored\r"
     "1 Special cycles monitored\r"
     "Reads 0."},
    {0x04, Fixed(2, 2), 1, "Bus Master",
     "0 Cannot master the PCI bus\r"
     "1 Masters the PCI bus\r"
     "Always 1: the bridge runs the CPU's cycles on PCI."},
    {0x04, Fixed(1, 1), 1, "Memory Space",
     "0 Ignores PCI memory cycles\r"
     "1 Responds to PCI memory cycles\r"
     "Always 1: PCI masters reach main memory through the bridge."},
    {0x04, Fixed(0, 0), 0, "PCI I/O Space",
     "0 Ignores PCI I/O cycles\r"
     "1 Responds to PCI I/O cycles\r"
     "Reads 0: the bridge claims no PCI I/O space."},

    // PCI status register, upper byte first: PCI 2.1; 86Box power-on 0400h
    // (DEVSEL# slow), bits 7-3 of 07h cleared by writing 1.
    {0x07, Field(7, 7), 0, "Detected Parity Error",
     "0 No parity error detected\r"
     "1 Parity error detected\r"
     "Write 1 to clear."},
    {0x07, Field(6, 6), 0, "Signaled System Error",
     "0 SERR# not asserted\r"
     "1 SERR# asserted\r"
     "Write 1 to clear."},
    {0x07, Field(5, 5), 0, "Signaled Master Abort",
     "0 No master abort\r"
     "1 A transaction of the bridge ended with master abort\r"
     "Write 1 to clear."},
    {0x07, Field(4, 4), 0, "Received Target Abort",
     "0 No target abort received\r"
     "1 A target aborted a transaction of the bridge\r"
     "Write 1 to clear."},
    {0x07, Field(3, 3), 0, "Signaled Target Abort",
     "0 No target abort signaled\r"
     "1 The bridge ended a transaction with target abort\r"
     "Write 1 to clear."},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing",
     "00 Fast\r"
     "01 Medium\r"
     "10 Slow\r"
     "11 Reserved\r"
     "Read only.\r"
     "86Box's M1531 reads 10 (slow)."},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected",
     "0 No data parity error\r"
     "1 Data parity error while the bridge was master\r"
     "Not implemented; reads 0."},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable",
     "0 Not capable of fast back-to-back transactions as a target\r"
     "1 Capable of fast back-to-back transactions as a target\r"
     "Read only."},
    {0x06, Fixed(6, 6), 0, "Reserved", RESERVED_READS_0},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable",
     "0 33 MHz PCI bus\r"
     "1 66 MHz capable\r"
     "Read only."},
    {0x06, Fixed(3, 0), 0, "Reserved", RESERVED_READS_0},

    // Identification, class and header: PCI 2.1; 86Box power-on values.
    {0x08, Fixed(7, 0), 0xB0, "Chip Revision Code",
     "Silicon revision of the chip; read only.\r"
     "86Box's model of the M1531B reads B0h."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier",
     "00000000 No register-level programming interface\r"
     "Read only."},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code",
     "00000000 Host bridge\r"
     "Read only."},
    {0x0B, Fixed(7, 0), 0x06, "Base Class Code",
     "00000110 Bridge device\r"
     "Read only."},
    {0x0D, Field(7, 0), 0x20, "PCI latency timer",
     "00100000 default\rBits 0-2 are fixed, resulting in a granularity of 8 clocks."},
    {0x0E, Fixed(7, 0), 0, "Header Type Code",
     "00000000 Single-function device, standard header layout\r"
     "Read only."},
    {0x0F, Fixed(7, 7), 0, "BIST Supported",
     "0 No built-in self-test\r"
     "1 Built-in self-test supported\r"
     "Reads 0 on this bridge."},
    {0x0F, Fixed(6, 6), 0, "Start Test",
     "0 No self-test running\r"
     "1 Start the self-test; cleared when it completes\r"
     "Without a self-test this bit stays 0."},
    {0x0F, Fixed(5, 4), 0, "Reserved", "0 always reads 0"},
    {0x0F, Fixed(3, 0), 0, "Response Code",
     "0000 Self-test passed\r"
     "Any other value is a failure code of the device."},

    // 40h: cache control.  86Box write mask F1h; no public source gives the
    // codings.
    {0x40, Field(7, 6), 0, "L2 Cacheable Memory Size",
     "Upper limit of the main memory that the L2 cache serves; memory above it is not cached in "
     "L2.\r"
     "The size that each value selects is not documented here."},
    {0x40, Field(5, 5), 0, "Fast NAJ assertion",
     "0 Disable\r"
     "1 Enable\r"
     "Drives NA# (next address) early, so that the CPU can pipeline its next bus cycle.\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x40, Field(4, 4), 0, "L1 Snoop HITMJ Check Pont", SNOOP_CHECK_POINT},
    {0x40, Field(0, 0), 0, "HitMiss Check Point", TAG_CHECK_POINT},

    // 41h: L2 cache organisation.  86Box: write mask D6h, bit 3 always 1.
    {0x41, Field(7, 7), 0, "L2 Bank", L2_BANKS},
    {0x41, Field(6, 6), 0, "L2 Cache Type",
     "Kind of SRAM fitted for the L2 cache (asynchronous or pipelined burst).\r"
     "The value of each kind is not documented here."},
    {0x41, Field(4, 4), 0, "Internal MESI Software Test Mode",
     "0 Normal operation\r"
     "1 Test mode: software reaches the internal MESI state bits\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x41, Field(3, 3), 0, "Reserved", "Reserved; reads 1."},
    {0x41, Field(2, 1), 0, "L2 Cache Size",
     "Amount of SRAM fitted for the L2 cache.\r"
     "The size that each value selects is not documented here."},
    {0x41, Field(0, 0), 0, "Reserved", RESERVED_READS_0},

    // 42h: L2 cache control.  86Box write mask F7h; 86Box takes the L2 enable
    // from bit 0.
    {0x42, Field(7, 7), 0, "L2 Tag Outpt Delay",
     "Delays the output of the L2 tag SRAM for slower parts.\r"
     "The delay of each value is not documented here."},
    {0x42, Field(6, 6), 0, "L2 Cache Fill on non-burst CPU Read", L2_FILL_ON_SINGLE_READ},
    {0x42, Field(5, 5), 0, "A0000-BFFFF Cacheable", A0000_BFFFF_CACHEABLE},
    {0x42, Field(4, 4), 0, "L2 Dirty Bit Settng", L2_DIRTY_BIT},
    {0x42, Field(2, 2), 0, "Force L2 Cache Miss or Invalid", FORCE_L2_MISS},
    {0x42, Field(1, 1), 0, "L2 Cache ON/OFF", L2_CACHE_ON_OFF},

    // 43h: row widths, read around write and the CPU's own cache; the row
    // bits are listed from row 0 upwards.  86Box takes the L1 enable from bit 0.
    {0x43, Field(2, 2), 0, "Row 0 is 32-bit DRAM", ROW_WIDTH},
    {0x43, Field(3, 3), 0, "Row 1 is 32-bit DRAM", ROW_WIDTH},
    {0x43, Field(4, 4), 0, "Row 2 is 32-bit DRAM", ROW_WIDTH},
    {0x43, Field(5, 5), 0, "Row 3 is 32-bit DRAM", ROW_WIDTH},
    {0x43, Field(6, 6), 0, "Row 4 is 32-bit DRAM", ROW_WIDTH},
    {0x43, Field(7, 7), 0, "Row 5 is 32-bit DRAM", ROW_WIDTH},
    {0x43, Field(1, 1), 0, "DRAM Read around Write",
     "0 Disable\r"
     "1 Enable: reads may go ahead of buffered writes\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x43, Field(0, 0), 0, "L1 Cache ON/OFF",
     "0 CPU L1 cache off\r"
     "1 CPU L1 cache on"},

    // 44h-46h: EDO detection, fast page / EDO timing, paging, refresh and
    // write-back; 86Box keeps every bit writable.  No public source gives the
    // codings.
    // 44h: EDO detection and fast page / EDO timing.
    {0x44, Field(7, 6), 0, "EDO Detection Timer", EDO_DETECTION_TIMER},
    {0x44, Field(5, 5), 0, "EDO Detection Mode", EDO_DETECTION_MODE},
    {0x44, Field(4, 4), 0, "EDO Read Burst Timing", TIMING_UNKNOWN},
    {0x44, Field(3, 3), 0, "RAS to CAS Delay", TIMING_UNKNOWN},
    {0x44, Field(2, 2), 0, "RAS Precharge & Refresh RAS Assertion", TIMING_UNKNOWN},
    {0x44, Field(1, 1), 0, "FPM Read Burst Timing", TIMING_UNKNOWN},
    {0x44, Field(0, 0), 0, "EDO/FPM Write Burst Timing", TIMING_UNKNOWN},

    // 45h: paging and refresh.
    {0x45, Field(7, 7), 0, "Enhanced DRAM Paging", ENHANCED_PAGING},
    {0x45, Field(6, 6), 0, "DRAM Mank Miss Detection", DISABLE_ENABLE},
    {0x45, Field(5, 5), 0, "Read Speculative Leadoff",
     "0 Disable\r"
     "1 Enable: DRAM reads start before the cycle is fully decoded\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x45, Field(4, 4), 0, "DRAM Refresh Mode",
     "Selects the DRAM refresh method.\r"
     "The method of each value is not documented here."},
    {0x45, Field(3, 3), 0, "CPU/PCI Master to DRAM Mode",
     "Selects how CPU and PCI master cycles share the DRAM controller.\r"
     "The meaning of each value is not documented here."},
    {0x45, Field(2, 0), 0, "Refresh Cycle Time", REFRESH_INTERVAL},

    // 46h: page idle timer, write-back and pipelining.
    {0x46, Field(7, 6), 0, "Page Idle Timer (RASJ deassert)",
     "Idle clocks after which an open DRAM page is closed (RAS# deasserted).\r"
     "The count of each value is not documented here."},
    {0x46, Field(5, 5), 0, "Dynamic Write-Back for Burst Write", DISABLE_ENABLE},
    {0x46, Field(4, 4), 0, "Dynamic Write-Back for Single Write", DISABLE_ENABLE},
    {0x46, Field(3, 3), 0, "Fast DRAM Line Fill in L2 Write Back", DISABLE_ENABLE},
    {0x46, Field(2, 2), 0, "DRAM Pipeline", DISABLE_ENABLE},
    {0x46, Field(1, 1), 0, "L2 Pipeline", DISABLE_ENABLE},
    {0x46, Field(0, 0), 0, "Flush DRAM Buffer in CPU Bus Idle",
     "0 Disable\r"
     "1 Enable: the DRAM write buffer is emptied while the CPU bus is idle\r"
     "Unconfirmed: no public register reference describes this bit."},

    // 47h: Cyrix and AMD burst support, memory holes.  86Box write mask FCh;
    // the holes of bits 5-2 as 86Box ali1531.c maps them.
    {0x47, Field(7, 7), 0, "M1/M2 1+4 Burst and K6 Write Allocate", CYRIX_BURST_K6_ALLOCATE},
    {0x47, Field(6, 6), 0, "M1/M2 LinearBurst", CYRIX_LINEAR_BURST},
    {0x47, Field(5, 5), 0, "14M-15M Memory", MEMORY_HOLE},
    {0x47, Field(4, 4), 0, "15M-16M Memory", MEMORY_HOLE},
    {0x47, Field(3, 3), 0, "A0000-BFFFF Memory",
     "0 Accesses go to the PCI bus (video memory)\r"
     "1 Main memory (DRAM)"},
    {0x47, Field(2, 2), 0, "80000-9FFFF Memory", MEMORY_HOLE},

    // 52h: strapped results and the first concurrency switch.  86Box powers
    // it up as F0h and does not model the straps.
    {0x52, Field(7, 3), 0, "SRAM Module Detection Result",
     "Latched at reset from the cache module detection pins.\r"
     "The module that each value stands for is not documented here."},
    {0x52, Fixed(2, 1), 0, "CPU Bus Frequency",
     "Set by strap pins at reset.\r"
     "The frequency of each value is not documented here."},
    {0x52, Field(0, 0), 0, "PCI/CPU Concurrency #1", DISABLE_ENABLE},

    // 58h: concurrency and passive release.  86Box write mask 86h.
    {0x58, Field(3, 3), 0, "PCI/CPU Concurrency #2",
     "0 Disable\r"
     "1 Enable\r"
     "Unconfirmed: no public register reference describes this bit, and 86Box keeps it "
     "read-only."},
    {0x58, Field(2, 2), 0, "CPU Access PCI During Passive Release",
     "0 Disable\r"
     "1 Enable: the CPU may use PCI while an ISA master holds the bus in passive release\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x58, Field(1, 1), 0, "PCI Passive Release", DISABLE_ENABLE},

    // 5Ch-5Dh: SDRAM.  86Box write masks FFh and 53h.
    {0x5C, Field(7, 5), 0, "SDRAM Operation Mode", SDRAM_OPERATION_MODE},
    {0x5C, Field(4, 4), 0, "SDRAM CAS Latency", SDRAM_CAS_LATENCY},
    {0x5C, Field(3, 3), 0, "SDRAM RAS to Rrad/Write Delay", SDRAM_RAS_TO_READ_WRITE},
    {0x5C, Field(2, 1), 0, "SDRAM RAS Related Timings",
     "RAS# active and precharge times of SDRAM.\r"
     "The clock counts of each value are not documented here."},
    {0x5C, Field(0, 0), 0, "8 Row DRAM Support",
     "0 Disable: six rows\r"
     "1 Enable: eight rows\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x5D, Field(6, 6), 0, "SDRAM Speculative Read", DISABLE_ENABLE},
    {0x5D, Field(4, 4), 0, "SDRAM Internal Page Hit Detecton", DISABLE_ENABLE},
    {0x5D, Field(1, 1), 0, "Fifth PCI Master Support", DISABLE_ENABLE},
    {0x5D, Field(0, 0), 0, "JEDEC \"2n rule\" Respect",
     "0 Rule not kept\r"
     "1 Commands keep to the JEDEC 2n rule\r"
     "Unconfirmed: no public register reference describes this bit."},

    // Registers placed before 4Ch in the list.  86Box write masks: 83h 10h,
    // 74h 2Bh, 80h 84h, 76h FFh.
    {0x83, Field(4, 4), 0, "SDRAM Command Drive Period",
     "Length of time the SDRAM command lines are driven.\r"
     "The clocks of each value are not documented here."},
    {0x74, Field(5, 5), 0, "SDRAM Speculative Read", DISABLE_ENABLE},
    {0x74, Field(3, 3), 0, "Fast L2 Write Back", DISABLE_ENABLE},
    {0x74, Field(1, 1), 0, "PCI to DRAM Specilative Read", DISABLE_ENABLE},
    {0x74, Field(0, 0), 0, "Refresh Queue", REFRESH_QUEUE},
    {0x80, Field(2, 2), 0, "RASJ Assertion Point in Row Miss Cycle",
     "Clock at which RAS# is asserted after a row miss.\r"
     "The timing of each value is not documented here."},
    {0x76, Field(7, 7), 0, "MWEJ Driving Strength", DRIVE_UNKNOWN},
    {0x76, Field(6, 6), 0, "MAA[1:0]/MAB[1:0] Driving Strength", DRIVE_UNKNOWN},
    {0x76, Field(5, 5), 0, "MA[11:2] Driving Strength", DRIVE_UNKNOWN},
    {0x76, Field(4, 4), 0, "CAS[7:0] Driving Strength", DRIVE_UNKNOWN},
    {0x76, Field(3, 3), 0, "RAS[5:0] Driving Strength", DRIVE_UNKNOWN},
    {0x76, Field(2, 2), 0, "RASJ[7:6]/SRASJ[7:0] Driving Strength", DRIVE_UNKNOWN},
    {0x76, Field(1, 1), 0, "MD[63:0]/MPD[7:0] Driving Strength", DRIVE_UNKNOWN},
    {0x76, Field(0, 0), 0, "HD[63:0] Driving Strength", DRIVE_UNKNOWN},

    // 4Ch-4Dh: shadow read enables, one bit per 16 KB segment, lowest first
    // (86Box ali1531.c).
    {0x4C, Field(0, 0), 0, "C0000-C3FFF Shadow Region", SHADOW_READ},
    {0x4C, Field(1, 1), 0, "C4000-C7FFF Shadow Region", SHADOW_READ},
    {0x4C, Field(2, 2), 0, "C8000-CBFFF Shadow Region", SHADOW_READ},
    {0x4C, Field(3, 3), 0, "CC000-CFFFF Shadow Region", SHADOW_READ},
    {0x4C, Field(4, 4), 0, "D0000-D3FFF Shadow Region", SHADOW_READ},
    {0x4C, Field(5, 5), 0, "D4000-D7FFF Shadow Region", SHADOW_READ},
    {0x4C, Field(6, 6), 0, "D8000-DBFFF Shadow Region", SHADOW_READ},
    {0x4C, Field(7, 7), 0, "DC000-DFFFF Shadow Region", SHADOW_READ},
    {0x4D, Field(0, 0), 0, "E0000-E3FFF Shadow Region", SHADOW_READ},
    {0x4D, Field(1, 1), 0, "E4000-E7FFF Shadow Region", SHADOW_READ},
    {0x4D, Field(2, 2), 0, "E8000-EBFFF Shadow Region", SHADOW_READ},
    {0x4D, Field(3, 3), 0, "EC000-EFFFF Shadow Region", SHADOW_READ},
    {0x4D, Field(4, 4), 0, "F0000-F3FFF Shadow Region", SHADOW_READ},
    {0x4D, Field(5, 5), 0, "F4000-F7FFF Shadow Region", SHADOW_READ},
    {0x4D, Field(6, 6), 0, "F8000-FBFFF Shadow Region", SHADOW_READ},
    {0x4D, Field(7, 7), 0, "FC000-FFFFF Shadow Region", SHADOW_READ},

    // 4Eh-4Fh: shadow write enables (86Box ali1531.c).
    {0x4E, Field(0, 0), 0, "C0000-C3FFF Shadow Region", SHADOW_WRITE},
    {0x4E, Field(1, 1), 0, "C4000-C7FFF Shadow Region", SHADOW_WRITE},
    {0x4E, Field(2, 2), 0, "C8000-CBFFF Shadow Region", SHADOW_WRITE},
    {0x4E, Field(3, 3), 0, "CC000-CFFFF Shadow Region", SHADOW_WRITE},
    {0x4E, Field(4, 4), 0, "D0000-D3FFF Shadow Region", SHADOW_WRITE},
    {0x4E, Field(5, 5), 0, "D4000-D7FFF Shadow Region", SHADOW_WRITE},
    {0x4E, Field(6, 6), 0, "D8000-DBFFF Shadow Region", SHADOW_WRITE},
    {0x4E, Field(7, 7), 0, "DC000-DFFFF Shadow Region", SHADOW_WRITE},
    {0x4F, Field(0, 0), 0, "E0000-E3FFF Shadow Region", SHADOW_WRITE},
    {0x4F, Field(1, 1), 0, "E4000-E7FFF Shadow Region", SHADOW_WRITE},
    {0x4F, Field(2, 2), 0, "E8000-EBFFF Shadow Region", SHADOW_WRITE},
    {0x4F, Field(3, 3), 0, "EC000-EFFFF Shadow Region", SHADOW_WRITE},
    {0x4F, Field(4, 4), 0, "F0000-F3FFF Shadow Region", SHADOW_WRITE},
    {0x4F, Field(5, 5), 0, "F4000-F7FFF Shadow Region", SHADOW_WRITE},
    {0x4F, Field(6, 6), 0, "F8000-FBFFF Shadow Region", SHADOW_WRITE},
    {0x4F, Field(7, 7), 0, "FC000-FFFFF Shadow Region", SHADOW_WRITE},

    // 50h-51h: the third bit of each segment; 86Box keeps it writable and
    // gives it no function.
    {0x50, Field(0, 0), 0, "C0000-C3FFF Shadow Region", SHADOW_THIRD},
    {0x50, Field(1, 1), 0, "C4000-C7FFF Shadow Region", SHADOW_THIRD},
    {0x50, Field(2, 2), 0, "C8000-CBFFF Shadow Region", SHADOW_THIRD},
    {0x50, Field(3, 3), 0, "CC000-CFFFF Shadow Region", SHADOW_THIRD},
    {0x50, Field(4, 4), 0, "D0000-D3FFF Shadow Region", SHADOW_THIRD},
    {0x50, Field(5, 5), 0, "D4000-D7FFF Shadow Region", SHADOW_THIRD},
    {0x50, Field(6, 6), 0, "D8000-DBFFF Shadow Region", SHADOW_THIRD},
    {0x50, Field(7, 7), 0, "DC000-DFFFF Shadow Region", SHADOW_THIRD},
    {0x51, Field(0, 0), 0, "E0000-E3FFF Shadow Region", SHADOW_THIRD},
    {0x51, Field(1, 1), 0, "E4000-E7FFF Shadow Region", SHADOW_THIRD},
    {0x51, Field(2, 2), 0, "E8000-EBFFF Shadow Region", SHADOW_THIRD},
    {0x51, Field(3, 3), 0, "EC000-EFFFF Shadow Region", SHADOW_THIRD},
    {0x51, Field(4, 4), 0, "F0000-F3FFF Shadow Region", SHADOW_THIRD},
    {0x51, Field(5, 5), 0, "F4000-F7FFF Shadow Region", SHADOW_THIRD},
    {0x51, Field(6, 6), 0, "F8000-FBFFF Shadow Region", SHADOW_THIRD},
    {0x51, Field(7, 7), 0, "FC000-FFFFF Shadow Region", SHADOW_THIRD},

    {0, 0, 0, nullptr, nullptr},
};
