// Register fields of the VIA VT82C595 system controller (Apollo VP2, also
// sold as the AMD-640): L2 cache control, non-cacheable regions, DRAM
// banks, shadow RAM, DRAM timing, refresh, SDRAM control and drive strength.
// The chip has no rows for its PCI header here; its table starts at 50h.
//
// Where the coding of a setting could not be confirmed, the description says
// what the field governs and leaves the codes to a note, so that nobody is
// led to write a value on the strength of a guess.
//
// noted_value carries a reference setting of the bank ending, memory-map and
// DRAM timing fields: the power-on value where one is known.
#include "pci/tables/tables.h"

namespace {

// bit_spec of an ordinary field and of a field fixed by the hardware.
constexpr uint32_t Field(unsigned high, unsigned low) {
  return 0xC0u | (((high - low + 1) % 8) << 3) | low;
}
constexpr uint32_t Fixed(unsigned high, unsigned low) {
  return 0x40u | (((high - low + 1) % 8) << 3) | low;
}

constexpr char ENABLE[] = "0 Disabled\r1 Enabled";
constexpr char RESERVED[] = "Reserved; read only.";
constexpr char NO_FUNCTION[] = "Reserved; writing it has no effect.";
constexpr char ALWAYS_ZERO[] = "0 Always reads 0\rReserved.";

constexpr char CACHE_ENABLE[] =
    "00 Cache disable\r01 Cache Init - always does L2 fill\r10 Cache enable (normal operation)\r"
    "11 Cache flush - always does L2 write-back/fill";
constexpr char LAST_BANK[] =
    "000 Bank 0\r001 Bank 1\r010 Bank 2\r011 Bank 3\r100 Bank 4\r101 Bank 5\r11x Reserved";

constexpr char CACHEABLE[] =
    "0 Non-cacheable\r1 Cacheable\rMeant for ROM areas that run from shadow DRAM.";

constexpr char REGION_HIGH[] =
    "Address bits 28-21 of the base of this non-cacheable region.\r"
    "The base must be a multiple of the region size.";
constexpr char REGION_LOW[] = "Address bits 20-16 of the base of this non-cacheable region.";
constexpr char REGION_SIZE[] =
    "000 Disabled\r001 64 KB\r010 128 KB\r011 256 KB\r100 512 KB\r101 1 MB\r110 2 MB\r111 4 MB";

constexpr char MA_MAP[] =
    "How the row and column addresses are multiplexed on MA for this bank pair; the BIOS "
    "chooses it from the DRAM chips' organisation.\r"
    "Power-on value 010.\r"
    "The codes of the organisations are not documented here.";

constexpr char BANK_ENDING[] =
    "Ending address of the bank: all DRAM up to and including this bank, in 4 MB units "
    "(address bits 29-22).\r"
    "An empty bank repeats the value of the bank below it.\r"
    "Power-on value 00000001.";

constexpr char DRAM_TYPE[] = "00 Fast page mode DRAM\r01 Reserved\r10 EDO DRAM\r11 SDRAM";

// Two bits per segment: bit 1 sends reads to DRAM, bit 0 sends writes to DRAM.
constexpr char SHADOW[] =
    "00 Disabled: reads and writes go to the PCI bus (ROM)\r"
    "01 Write only: reads from ROM, writes to DRAM\r"
    "10 Read only: reads from DRAM, writes to the PCI bus\r"
    "11 Read/write: reads and writes go to DRAM";

constexpr char DRIVE[] =
    "0 Normal drive\r1 High drive\r"
    "Output current of these pins, set by the BIOS for the board's memory loading.";

}  // namespace

const RegisterField fields_vt82c595[] = {
    // Cache control 1.
    {0x50, Field(7, 6), 0, "Cache Enable", CACHE_ENABLE},
    {0x50, Field(5, 5), 0, "Linear Burst",
     "0 Interleaved (Intel) burst order\r1 Linear burst order, for CPUs that burst linearly"},
    {0x50, Field(4, 3), 0, "Tag Configuration",
     "How the tag RAM is divided between address tag bits and a dirty bit.\r"
     "The codes are not documented here."},
    {0x50, Field(2, 2), 0, "Reserved", RESERVED},
    {0x50, Field(1, 0), 0, "SRAM Type",
     "00 No L2 cache\r01 Reserved\r10 Burst SRAM\r11 Pipelined burst SRAM"},

    // Cache control 2.
    {0x51, Field(7, 6), 0, "Reserved", RESERVED},
    {0x51, Field(5, 5), 0, "Backoff CPU",
     "0 Disabled\r1 Enabled\r"
     "When enabled, the bridge may back off (BOFF#) a CPU cycle that conflicts with a PCI "
     "master."},
    {0x51, Field(4, 4), 0, "Reserved", RESERVED},
    {0x51, Field(3, 3), 0, "SRAM Banks", "0 One bank of data SRAM\r1 Two banks of data SRAM"},
    {0x51, Field(2, 2), 0, "Reserved", RESERVED},
    {0x51, Field(1, 0), 0, "Cache Size", "00 256 KB\r01 512 KB\r10 1 MB\r11 2 MB"},

    // Non-cacheable control.
    {0x52, Field(7, 7), 0, "C0000-C7FFF Cacheable", CACHEABLE},
    {0x52, Field(6, 6), 0, "D0000-DFFFF Cacheable", CACHEABLE},
    {0x52, Field(5, 5), 0, "E0000-EFFFF Cacheable", CACHEABLE},
    {0x52, Field(4, 4), 0, "F0000-FFFFF Cacheable", CACHEABLE},
    {0x52, Field(3, 3), 0, "Reserved (no function)", NO_FUNCTION},
    {0x52, Field(2, 2), 0, "L2 Fill",
     "Whether the L2 cache takes a line on a CPU read miss.\r"
     "Which value enables the fill is not documented here."},
    {0x52, Field(1, 1), 0, "Reserved (no function)",
     "Reserved; writing it has no effect.\rReads 1 after reset."},
    {0x52, Field(0, 0), 0, "L2 Write Thru/Write-Back",
     "Write policy of the L2 cache: write-through or write-back.\r"
     "Which value selects which policy is not documented here."},

    // System performance control.
    {0x53, Field(7, 7), 0, "Read Around Write",
     "0 Disabled\r1 Enabled: DRAM reads may pass posted writes"},
    {0x53, Field(6, 6), 0, "Cache Read Pipeline Cycle",
     "0 Disabled\r1 Enabled: L2 read cycles are pipelined"},
    {0x53, Field(5, 5), 0, "Cache Write Pipeline Cycle",
     "0 Disabled\r1 Enabled: L2 write cycles are pipelined"},
    {0x53, Field(4, 4), 0, "DRAM Pipeline Cycle",
     "0 Disabled\r1 Enabled: DRAM cycles are pipelined"},
    {0x53, Field(3, 3), 0, "PCI Master Peer Concurrency",
     "0 Disabled\r1 Enabled\r"
     "When enabled, the CPU keeps working from cache and DRAM while one PCI master talks to "
     "another PCI device."},
    {0x53, Field(2, 0), 0, "Reserved", RESERVED},

    // Non-cacheable regions.
    {0x54, Field(7, 0), 0, "Non-Cacheable Region #1 <28:21>", REGION_HIGH},
    {0x55, Field(7, 3), 0, "Non-Cacheable Region #1 A<20:16>", REGION_LOW},
    {0x55, Field(2, 0), 0, "Non-Cacheable Region #1 Size", REGION_SIZE},
    {0x56, Field(7, 0), 0, "Non-Cacheable Region #2 A<28:21>", REGION_HIGH},
    {0x57, Field(7, 3), 0, "Non-Cacheable Region #2 A<20:16>", REGION_LOW},
    {0x57, Field(2, 0), 0, "Non-Cacheable Region #2 Size", REGION_SIZE},

    // DRAM configuration.
    {0x58, Field(7, 5), 2, "Bank 0/1 MA Map Type", MA_MAP},
    {0x58, Field(4, 4), 0, "Reserved", RESERVED},
    {0x58, Field(3, 1), 2, "Bank 2/3 MA Map Type", MA_MAP},
    {0x58, Field(0, 0), 0, "Reserved", RESERVED},
    {0x59, Field(7, 5), 2, "Bank 5/6 MA Map Type",
     "How the row and column addresses are multiplexed on MA for the last bank pair (banks 4 "
     "and 5).\r"
     "The codes of the organisations are not documented here."},
    {0x59, Field(4, 3), 0, "Reserved", RESERVED},
    {0x59, Field(2, 0), 5, "Last Bank DRAM Populated", LAST_BANK},

    // DRAM bank ending addresses.
    {0x5A, Field(7, 0), 1, "Bank 0 Ending (HA[29:22])", ""},
    {0x5B, Field(7, 0), 1, "Bank 1 Ending (HA[29:22])", BANK_ENDING},
    {0x5C, Field(7, 0), 1, "Bank 2 Ending (HA[29:22])", BANK_ENDING},
    {0x5D, Field(7, 0), 1, "Bank 3 Ending (HA[29:22])", BANK_ENDING},
    {0x5E, Field(7, 0), 1, "Bank 4 Ending (HA[29:22])", BANK_ENDING},
    {0x5F, Field(7, 0), 1, "Bank 5 Ending (HA[29:22])", BANK_ENDING},

    // DRAM type.
    {0x60, Field(7, 6), 0, "Reserved", RESERVED},
    {0x60, Field(5, 4), 0, "DRAM Type for Bank 4/5", DRAM_TYPE},
    {0x60, Field(3, 2), 0, "DRAM Type for Bank 2/3", DRAM_TYPE},
    {0x60, Field(1, 0), 0, "DRAM Type for Bank 0/1", DRAM_TYPE},

    // Shadow RAM, 16 KB segments listed lowest bits first.
    {0x61, Field(1, 0), 0, "C0000-C3FFF Shadow RAM Control", SHADOW},
    {0x61, Field(3, 2), 0, "C4000-C7FFF Shadow RAM Control", SHADOW},
    {0x61, Field(5, 4), 0, "C8000-CBFFF Shadow RAM Control", SHADOW},
    {0x61, Field(7, 6), 0, "CC000-CFFFF Shadow RAM Control", SHADOW},
    {0x62, Field(1, 0), 0, "D0000-D3FFF Shadow RAM Control", SHADOW},
    {0x62, Field(3, 2), 0, "D4000-D7FFF Shadow RAM Control", SHADOW},
    {0x62, Field(5, 4), 0, "D8000-DBFFF Shadow RAM Control", SHADOW},
    {0x62, Field(7, 6), 0, "DC000-DFFFF Shadow RAM Control", SHADOW},
    {0x63, Field(7, 6), 0, "E0000-EFFFF Shadow RAM Control", SHADOW},
    {0x63, Field(5, 4), 0, "F0000-FFFFF Shadow RAM Control", SHADOW},
    {0x63, Field(3, 2), 0, "Memory Hole", "00 None\r01 512K-640K\r10 15M-16M\r11 14M-16M"},
    {0x63, Field(1, 1), 0, "SMI Redirect to A0000-BFFFF",
     "0 Disabled\r"
     "1 Enabled: SMM accesses to 30000h-4FFFFh go to A0000h-BFFFFh\r"
     "Lets system management code reach the DRAM under the video memory."},
    {0x63, Field(0, 0), 0, "DRAM A0000-BFFFF Access",
     "0 A0000h-BFFFFh goes to the PCI bus (video memory)\r"
     "1 A0000h-BFFFFh is served from DRAM in system management mode"},

    // DRAM timing.
    {0x64, Field(7, 6), 2, "RAS Precharge Time",
     "RAS# precharge time of fast page mode and EDO cycles.\rPower-on value 10.\r"
     "The clock count of each code is not documented here."},
    {0x64, Field(5, 4), 2, "RAS Pulse Width",
     "RAS# active time of fast page mode and EDO cycles.\rPower-on value 10.\r"
     "The clock count of each code is not documented here."},
    {0x64, Field(3, 2), 2, "CAS Read Pulse Width",
     "CAS# active time of DRAM reads.\rPower-on value 10.\r"
     "The clock count of each code is not documented here."},
    {0x64, Field(1, 1), 1, "CAS Write Pulse Width",
     "CAS# active time of DRAM writes.\rPower-on value 1.\r"
     "The clock count of each code is not documented here."},
    {0x64, Field(0, 0), 1, "Column Address to CAS Delay",
     "Time from the column address to CAS#.\rPower-on value 1.\r"
     "The clock count of each code is not documented here."},

    // DRAM control 1.
    {0x65, Field(7, 6), 2, "Page Mode Control",
     "How long DRAM pages are kept open between accesses.\r"
     "The codes are not documented here."},
    {0x65, Field(5, 5), 0, "Fast DRAM Decoding Enable", ENABLE},
    {0x65, Field(4, 4), 1, "EDO DRAM Leadoff Cycle Reduction",
     "0 Disabled\r1 Enabled: shorter leadoff of EDO read cycles"},
    {0x65, Field(3, 3), 0, "DRAM Data Latch Delay",
     "0 Normal latch timing\r1 DRAM read data latched later\r"
     "The length of the delay is not documented here."},
    {0x65, Field(2, 1), 0, "Reserved", RESERVED},
    {0x65, Field(0, 0), 0, "Relaxed DRAM Read Cycle Latency",
     "0 Normal read latency\r1 Relaxed read latency, for slower DRAM"},

    // DRAM control 2.
    {0x66, Field(7, 7), 0, "EDO Test Mode Enable",
     "0 Normal operation\r"
     "1 EDO test mode\rUsed by the BIOS to tell EDO from fast page mode DRAM."},
    {0x66, Fixed(6, 6), 0, "Reserved", ALWAYS_ZERO},
    {0x66, Field(5, 5), 0, "Reserved", RESERVED},
    {0x66, Fixed(4, 4), 0, "Reserved", ALWAYS_ZERO},
    {0x66, Field(3, 3), 1, "Turbo EDO Mode Enable", ENABLE},
    {0x66, Field(2, 2), 0, "MD to HD FIFO Control",
     "Controls the FIFO that carries DRAM read data (MD) to the CPU data bus (HD).\r"
     "The two settings are not documented here."},
    {0x66, Field(1, 1), 0, "SDRAM RAS-Precharge Reduction",
     "0 Disabled\r1 Enabled: shorter SDRAM RAS precharge"},
    {0x66, Field(0, 0), 0, "SDRAM RAS-to-CAS Delay Reduction",
     "0 Disabled\r1 Enabled: shorter SDRAM RAS-to-CAS delay"},

    // 32-bit DRAM width control.
    {0x67, Field(7, 7), 0, "RAS to Column Address Delay",
     "Delay from RAS# to the switch of MA to the column address.\r"
     "The two settings are not documented here."},
    {0x67, Field(6, 6), 0, "NA# Delay",
     "Timing of NA# (next address) to the CPU.\rThe two settings are not documented here."},
    {0x67, Field(5, 5), 0, "Bank 5 Width", "0 64-bit bank\r1 32-bit bank"},
    {0x67, Field(4, 4), 0, "Bank 4 Width", "0 64-bit bank\r1 32-bit bank"},
    {0x67, Field(3, 3), 0, "Bank 3 Width", "0 64-bit bank\r1 32-bit bank"},
    {0x67, Field(2, 2), 0, "Bank 2 Width", "0 64-bit bank\r1 32-bit bank"},
    {0x67, Field(1, 1), 0, "Bank 1 Width", "0 64-bit bank\r1 32-bit bank"},
    {0x67, Field(0, 0), 0, "Bank 5 Width",
     "0 64-bit bank\r1 32-bit bank\rThis bit sets the width of bank 0."},

    {0x68, Field(7, 0), 0, "Reserved", RESERVED},
    {0x69, Field(7, 0), 0, "Reserved", RESERVED},

    // Refresh.
    {0x6A, Field(7, 0), 0, "Refresh Counter",
     "Interval between DRAM refresh requests, in units of 16 CPU bus clocks.\r"
     "Zero stops the refresh."},
    {0x6B, Field(7, 7), 0, "CBR (CAS-before-RAS) Refresh",
     "0 RAS-only refresh\r1 CAS-before-RAS refresh"},
    {0x6B, Field(6, 6), 0, "Burst Refresh (Burst 4 Times)",
     "0 One refresh per request\r1 Four refreshes in a burst per request"},
    {0x6B, Field(5, 2), 0, "Reserved", RESERVED},
    {0x6B, Field(1, 0), 0, "Reserved", RESERVED},

    // SDRAM control.
    {0x6C, Field(7, 7), 0, "64Mbit SDRAM Interleave",
     "0 Disabled\r1 Enabled: four-bank interleave on 64 Mbit SDRAM chips"},
    {0x6C, Field(6, 6), 0, "SDRAM Burst Write",
     "0 Disabled: single writes to SDRAM\r1 Enabled: burst writes to SDRAM"},
    {0x6C, Field(5, 5), 0, "SDRAM Bank Interleave Enable", ENABLE},
    {0x6C, Field(4, 4), 0, "Reserved", RESERVED},
    {0x6C, Field(3, 3), 0, "SDRAM CAS Latency",
     "CAS latency of the SDRAM: two or three clocks.\r"
     "The code of each latency is not documented here."},
    {0x6C, Field(2, 0), 0, "SDRAM Operation Mode Select",
     "000 Normal SDRAM operation\r001 NOP command\r010 Precharge all banks\r"
     "011 Mode register set\r100 CBR refresh cycle\r101 Reserved\r11x Reserved\r"
     "The BIOS steps through the commands to initialise the SDRAM, then returns to 000."},

    // DRAM drive strength.
    {0x6D, Field(7, 7), 0, "Bank Decoding Test",
     "0 Normal operation\r1 Bank decoding test mode\rFor factory testing."},
    {0x6D, Field(6, 6), 0, "MA[0:1] Drive", DRIVE},
    {0x6D, Field(5, 5), 0, "Duplicate Copy of MA[0:1]",
     "0 Disabled\r1 Enabled\rA second set of pins carries MA0-MA1 to share the load."},
    {0x6D, Field(4, 4), 0, "Force SMM Mode",
     "0 Normal operation\r1 Cycles are decoded as in system management mode\rA test setting."},
    {0x6D, Field(3, 3), 0, "SDRAM Command Drive", DRIVE},
    {0x6D, Field(2, 2), 0, "MA[2:13] / WE# Drive", DRIVE},
    {0x6D, Field(1, 1), 0, "CAS# Drive", DRIVE},
    {0x6D, Field(0, 0), 0, "RAS# Drive", DRIVE},

    {0, 0, 0, nullptr, nullptr},
};
