// Register fields of the SiS 5596 host bridge (Pentium PCI, memory and VGA controller).
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

constexpr char ENABLE[] = "0 Disabled\r1 Enabled";
constexpr char BANK_SIZE[] =
    "Size of this side of the bank, written by the BIOS after it has sized the DRAM.\r"
    "The unit is not documented here.";
constexpr char BANK_WIDTH[] = "Data width of this bank.\rThe codes are not documented here.";
constexpr char FPM_EDO[] = "0 Fast page mode DRAM\r1 EDO DRAM";
constexpr char BANK_TYPE[] =
    "DRAM chip organisation of this bank, as found by the BIOS.\r"
    "The codes are not documented here.";
constexpr char POPULATED[] = "0 Empty\r1 Populated";
constexpr char RESERVED[] = "Reserved. Software should leave these bits as read.";
constexpr char DRIVE[] =
    "Output current of these pins, set by the BIOS for the board's loading.\r"
    "The two current levels are not documented here.";

}  // namespace

const RegisterField fields_sis5596[] = {
    // PCI configuration header.
    {0x05, RESERVED_SPAN, 0, "Reserved", "Reserved, read as 0."},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Disabled\r1 Enabled: the bridge may run fast back-to-back cycles to different targets"},
    {0x05, Field(0, 0), 0, "SERR# Enable", "0 SERR# output disabled\r1 SERR# output enabled"},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping", "0 No address or data stepping\rRead only."},
    {0x04, Field(6, 6), 0, "Parity Error Response",
     "0 Parity errors ignored\r1 Parity errors reported"},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop", "0 Palette writes are not snooped\rRead only."},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command",
     "0 Memory Write and Invalidate is never generated\rRead only."},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring", "0 Special cycles are ignored\rRead only."},
    {0x04, Fixed(2, 2), 1, "Bus Master",
     "0 Bus master disabled\r1 Bus master enabled\r"
     "The host bridge always masters PCI cycles for the CPU; reads as 1."},
    {0x04, Fixed(1, 1), 1, "Memory Space",
     "0 Memory access disabled\r1 Memory access enabled\r"
     "The host bridge always claims its memory ranges; reads as 1."},
    {0x04, Fixed(0, 0), 1, "PCI I/O Space",
     "0 I/O access disabled\r1 I/O access enabled\rReads as 1 after reset."},
    {0x07, Field(7, 7), 0, "Detected Parity Error",
     "Write 1 to clear\r0 No parity error detected\r1 Parity error detected"},
    {0x07, Field(6, 6), 0, "Signaled System Error",
     "Write 1 to clear\r0 SERR# not asserted\r1 The bridge asserted SERR#"},
    {0x07, Field(5, 5), 0, "Signaled Master Abort",
     "Write 1 to clear\r0 No master abort\r1 A cycle mastered by the bridge ended in master abort"},
    {0x07, Field(4, 4), 0, "Received Target Abort",
     "Write 1 to clear\r0 No target abort received\r"
     "1 A cycle mastered by the bridge was ended by target abort"},
    {0x07, Field(3, 3), 0, "Signaled Target Abort",
     "Write 1 to clear\r0 No target abort signaled\r1 The bridge ended a cycle with target abort"},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing",
     "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the bridge decodes at medium speed."},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected",
     "0 No data parity error reported\rNot implemented by this bridge; reads 0."},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable",
     "0 Not capable of fast back-to-back cycles as a target\r1 Fast back-to-back capable\r"
     "Read only."},
    {0x06, Fixed(6, 6), 0, "Reserved", "Reserved, read as 0."},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable",
     "0 33 MHz PCI bus only\r1 66 MHz capable\rRead only."},
    {0x06, Fixed(3, 0), 0, "Reserved", "Reserved, read as 0."},
    {0x08, Fixed(7, 0), 0, "Chip Revision Code", "Read only: the silicon revision of the 5596."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier",
     "00000000 No register-level programming interface"},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", "00000000 Host bridge"},
    {0x0B, Fixed(7, 0), 6, "Base Class Code", "00000110 Bridge device"},
    {0x0C, Fixed(7, 0), 0, "Cache Line Size",
     "00000000 Not used\rThe host bridge keeps no cache line size; reads 0."},
    {0x0D, Field(7, 0), 0, "PCI latency timer",
     "Number of PCI clocks the bridge may keep the bus as a master once its grant is taken "
     "away.\rZero lets any other master take the bus at once."},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", "00000000 Single-function device, standard header"},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", "0 No built-in self test\rRead only."},
    {0x0F, Fixed(6, 6), 0, "Start Test", "0 No test running\rRead only."},
    {0x0F, Fixed(5, 4), 0, "Reserved", "Reserved, read as 0."},
    {0x0F, Fixed(3, 0), 0, "Response Code", "0000 No self-test result\rRead only."},

    // Cache control.
    {0x50, Field(7, 7), 0, "L2 Cache Exists", "0 No L2 cache\r1 L2 cache installed"},
    {0x50, Field(6, 6), 0, "L2 Cache Enable", ENABLE},
    {0x50, Field(5, 4), 0, "L2 SRAM Type",
     "Kind of SRAM used for the L2 data: asynchronous, burst or pipelined burst.\r"
     "The codes are not documented here."},
    {0x50, Field(3, 3), 0, "L2 Cache WB/WT", "0 Write-through\r1 Write-back"},
    {0x50, Field(2, 1), 0, "L2 Cache Size",
     "Size of the L2 cache.\rThe codes are not documented here."},
    {0x50, Field(0, 0), 0, "CPU L1 Cache WB/WT",
     "0 Write-through: WB/WT# tells the CPU to keep its L1 lines write-through\r"
     "1 Write-back"},

    {0x51, Field(4, 4), 0, "PBSRAM Leadoff Timing",
     "Leadoff timing of pipelined burst SRAM reads.\r"
     "The two settings are not documented here."},
    {0x51, Field(3, 3), 0, "Linear Burst",
     "0 Interleaved burst order (Pentium)\r1 Linear burst order (Cyrix 6x86 in linear mode)"},
    {0x51, Field(2, 2), 0, "L2 Cache Tag Size",
     "Width of the tag RAM: 8 or 7 bits; with 7 bits half as much memory is cacheable.\r"
     "The codes are not documented here."},
    {0x51, Field(1, 1), 0, "L2 Cache Sizing Enable",
     "0 Normal operation\r1 Sizing mode, used by the BIOS while it measures the cache"},

    // EDO/FPM DRAM timing.
    {0x52, Field(6, 6), 0, "Reserved", RESERVED},
    {0x52, Field(5, 5), 0, "FPM CAS Precharge Timing",
     "CAS# precharge time for fast page mode DRAM.\rThe two settings are not documented here."},
    {0x52, Field(4, 3), 0, "EDO CAS Pulse Width",
     "CAS# active time for EDO DRAM, in CPU clocks.\rThe codes are not documented here."},
    {0x52, Field(2, 2), 0, "EDO CAS Precharge Timing",
     "CAS# precharge time for EDO DRAM.\rThe two settings are not documented here."},
    {0x52, Field(1, 1), 0, "MDLE Timing on EDO Read",
     "When the memory data latch enable samples EDO read data.\r"
     "The two settings are not documented here."},
    {0x52, Field(0, 0), 0, "BRDY# Timing on EDO Read",
     "When BRDY# is returned to the CPU in EDO reads.\r"
     "The two settings are not documented here."},

    {0x53, Field(7, 6), 0, "DRAM RAS to CAS Delay",
     "Delay from RAS# to CAS#, in CPU clocks.\rThe codes are not documented here."},
    {0x53, Field(5, 4), 0, "DRAM RAS Precharge (FPM)",
     "RAS# precharge time for fast page mode DRAM, in CPU clocks.\r"
     "The codes are not documented here."},
    {0x53, Field(3, 2), 0, "DRAM RAS Active on Refresh",
     "RAS# active time of refresh cycles, in CPU clocks.\rThe codes are not documented here."},
    {0x53, Field(1, 1), 0, "DRAM RAS Precharge (EDO)",
     "RAS# precharge time for EDO DRAM.\rThe two settings are not documented here."},
    {0x53, Field(0, 0), 0, "CAS Deley on Posted Write (EDO)",
     "0 No added delay\r1 CAS# delayed in posted writes to EDO DRAM"},

    {0x54, Field(4, 4), 0, "RAMW# Power Saving on EDO Bank", ENABLE},
    {0x54, Field(3, 3), 0, "Burst Write (NA#) Disable",
     "0 Pipelined burst writes allowed\r1 Pipelined burst writes disabled"},

    {0x55, Field(7, 7), 0, "Slow Refresh (1:4)",
     "0 Normal refresh rate\r1 Slow refresh: one refresh in four of the normal periods\r"
     "Only for DRAM that keeps its data with the slower rate."},
    {0x55, Field(6, 6), 0, "Deturbo",
     "0 Normal speed\r1 Deturbo: the processor is slowed for speed-sensitive software"},
    {0x55, Field(3, 3), 0, "RAS[3:0]# Drive Strength", DRIVE},

    {0x5D, Field(4, 4), 0, "CAS[7:0]# Buffer Strength", DRIVE},
    {0x5D, Field(3, 3), 0, "CAS[7:0]# Drive Strength", DRIVE},
    {0x5D, Field(2, 2), 0, "MA[11:0]# Buffer Strength", DRIVE},
    {0x5D, Field(0, 0), 0, "RAS[3:0]# Buffer Strength", DRIVE},

    // DRAM banks: two registers per side, two sides per bank.
    {0x70, Field(7, 0), 0, "DRAM Size Bank0#0", BANK_SIZE},
    {0x71, Field(7, 7), 0, "Bank0#0 Mem bit Width", BANK_WIDTH},
    {0x71, Field(6, 6), 0, "Bank0#0 FPM/EDO", FPM_EDO},
    {0x71, Field(4, 2), 0, "Bank0#0 DRAM Type", BANK_TYPE},
    {0x72, Field(7, 0), 0, "DRAM Size Bank0#1", BANK_SIZE},
    {0x73, Field(7, 7), 0, "Bank0#1 Populated", POPULATED},
    {0x73, Field(4, 3), 0, "Bank0#1 DRAM Type", BANK_TYPE},
    {0x74, Field(7, 0), 0, "DRAM Size Bank1#0", BANK_SIZE},
    {0x75, Field(7, 7), 0, "Bank1#0 Mem bit Width", BANK_WIDTH},
    {0x75, Field(6, 6), 0, "Bank1#0 FPM/EDO", FPM_EDO},
    {0x75, Field(4, 2), 0, "Bank1#0 DRAM Type", BANK_TYPE},
    {0x76, Field(7, 0), 0, "DRAM Size Bank1#1", BANK_SIZE},
    {0x77, Field(7, 7), 0, "Bank1#1 Populated", POPULATED},
    {0x77, Field(4, 3), 0, "Bank1#1 DRAM Type", BANK_TYPE},
    {0x78, Field(7, 0), 0, "DRAM Size Bank2#0", BANK_SIZE},
    {0x79, Field(7, 7), 0, "Bank2#0 Mem bit Width", BANK_WIDTH},
    {0x79, Field(6, 6), 0, "Bank2#0 FPM/EDO", FPM_EDO},
    {0x79, Field(4, 2), 0, "Bank2#0 DRAM Type", BANK_TYPE},
    {0x7A, Field(7, 0), 0, "DRAM Size Bank2#1", BANK_SIZE},
    {0x7B, Field(7, 7), 0, "Bank2#1 Populated", POPULATED},
    {0x7B, Field(4, 3), 0, "Bank0#1 DRAM Type", BANK_TYPE},
    {0x7C, Field(7, 0), 0, "DRAM Size Bank3#0", BANK_SIZE},
    {0x7D, Field(7, 7), 0, "Bank3#0 Mem bit Width", BANK_WIDTH},
    {0x7D, Field(6, 6), 0, "Bank3#0 FPM/EDO", FPM_EDO},
    {0x7D, Field(4, 2), 0, "Bank3#0 DRAM Type", BANK_TYPE},
    {0x7E, Field(7, 0), 0, "DRAM Size Bank3#1", BANK_SIZE},
    {0x7F, Field(7, 7), 0, "Bank3#1 Populated", POPULATED},
    {0x7F, Field(4, 3), 0, "Bank3#1 DRAM Type", BANK_TYPE},

    {0, 0, 0, nullptr, nullptr},
};
