// Descriptions that the VIA VT82C595 and VT82C585VP/VPX tables share word for
// word: one text for the rows where the two chips agree.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
#pragma once

// Cache control 1.
constexpr char CACHE_ENABLE[] =
    "00 Cache disable\r01 Cache Init - always does L2 fill\r10 Cache enable (normal operation)\r"
    "11 Cache flush - always does L2 write-back/fill";
constexpr char LINEAR_BURST[] =
    "0 Interleaved (Intel) burst order\r1 Linear burst order, for CPUs that burst linearly";
constexpr char TAG_CONFIGURATION[] =
    "How the tag RAM is divided between address tag bits and a dirty bit.\r"
    "The codes are not documented here.";
constexpr char SRAM_TYPE[] = "00 No L2 cache\r01 Reserved\r10 Burst SRAM\r11 Pipelined burst SRAM";

// Cache control 2.
constexpr char BACKOFF_CPU[] =
    "0 Disabled\r1 Enabled\r"
    "When enabled, the bridge may back off (BOFF#) a CPU cycle that conflicts with a PCI "
    "master.";
constexpr char SRAM_BANKS[] = "0 One bank of data SRAM\r1 Two banks of data SRAM";
constexpr char CACHE_SIZE[] = "00 256 KB\r01 512 KB\r10 1 MB\r11 2 MB";

// Non-cacheable control.
constexpr char CACHEABLE[] =
    "0 Non-cacheable\r1 Cacheable\rMeant for ROM areas that run from shadow DRAM.";
constexpr char L2_FILL[] =
    "Whether the L2 cache takes a line on a CPU read miss.\r"
    "Which value enables the fill is not documented here.";
constexpr char L2_WRITE_POLICY[] =
    "Write policy of the L2 cache: write-through or write-back.\r"
    "Which value selects which policy is not documented here.";

// System performance control.
constexpr char READ_AROUND_WRITE[] = "0 Disabled\r1 Enabled: DRAM reads may pass posted writes";
constexpr char CACHE_READ_PIPELINE_CYCLE[] = "0 Disabled\r1 Enabled: L2 read cycles are pipelined";
constexpr char CACHE_WRITE_PIPELINE_CYCLE[] =
    "0 Disabled\r1 Enabled: L2 write cycles are pipelined";
constexpr char DRAM_PIPELINE_CYCLE[] = "0 Disabled\r1 Enabled: DRAM cycles are pipelined";
constexpr char PCI_MASTER_PEER_CONCURRENCY[] =
    "0 Disabled\r1 Enabled\r"
    "When enabled, the CPU keeps working from cache and DRAM while one PCI master talks to "
    "another PCI device.";

// Non-cacheable regions.
constexpr char REGION_HIGH[] =
    "Address bits 28-21 of the base of this non-cacheable region.\r"
    "The base must be a multiple of the region size.";
constexpr char REGION_LOW[] = "Address bits 20-16 of the base of this non-cacheable region.";
constexpr char REGION_SIZE[] =
    "000 Disabled\r001 64 KB\r010 128 KB\r011 256 KB\r100 512 KB\r101 1 MB\r110 2 MB\r111 4 MB";

// DRAM configuration.
constexpr char MA_MAP[] =
    "How the row and column addresses are multiplexed on MA for this bank pair; the BIOS "
    "chooses it from the DRAM chips' organisation.\r"
    "Power-on value 010.\r"
    "The codes of the organisations are not documented here.";
constexpr char LAST_PAIR_MA_MAP[] =
    "How the row and column addresses are multiplexed on MA for the last bank pair (banks 4 "
    "and 5).\r"
    "The codes of the organisations are not documented here.";
constexpr char LAST_BANK[] =
    "000 Bank 0\r001 Bank 1\r010 Bank 2\r011 Bank 3\r100 Bank 4\r101 Bank 5\r11x Reserved";

// DRAM bank ending addresses.
constexpr char BANK_ENDING[] =
    "Ending address of the bank: all DRAM up to and including this bank, in 4 MB units "
    "(address bits 29-22).\r"
    "An empty bank repeats the value of the bank below it.\r"
    "Power-on value 00000001.";

// DRAM type.
constexpr char DRAM_TYPE[] = "00 Fast page mode DRAM\r01 Reserved\r10 EDO DRAM\r11 SDRAM";

// Shadow RAM, 16 KB segments listed lowest bits first.
// Two bits per segment: bit 1 sends reads to DRAM, bit 0 sends writes to DRAM.
constexpr char SHADOW[] =
    "00 Disabled: reads and writes go to the PCI bus (ROM)\r"
    "01 Write only: reads from ROM, writes to DRAM\r"
    "10 Read only: reads from DRAM, writes to the PCI bus\r"
    "11 Read/write: reads and writes go to DRAM";
constexpr char MEMORY_HOLE[] = "00 None\r01 512K-640K\r10 15M-16M\r11 14M-16M";
constexpr char SMI_REDIRECT[] =
    "0 Disabled\r"
    "1 Enabled: SMM accesses to 30000h-4FFFFh go to A0000h-BFFFFh\r"
    "Lets system management code reach the DRAM under the video memory.";
constexpr char A0000_BFFFF_DRAM_ACCESS[] =
    "0 A0000h-BFFFFh goes to the PCI bus (video memory)\r"
    "1 A0000h-BFFFFh is served from DRAM in system management mode";

// DRAM timing.
constexpr char RAS_PRECHARGE_TIME[] =
    "RAS# precharge time of fast page mode and EDO cycles.\rPower-on value 10.\r"
    "The clock count of each code is not documented here.";
constexpr char RAS_PULSE_WIDTH[] =
    "RAS# active time of fast page mode and EDO cycles.\rPower-on value 10.\r"
    "The clock count of each code is not documented here.";
constexpr char CAS_READ_PULSE_WIDTH[] =
    "CAS# active time of DRAM reads.\rPower-on value 10.\r"
    "The clock count of each code is not documented here.";
constexpr char CAS_WRITE_PULSE_WIDTH[] =
    "CAS# active time of DRAM writes.\rPower-on value 1.\r"
    "The clock count of each code is not documented here.";
constexpr char COLUMN_ADDRESS_TO_CAS_DELAY[] =
    "Time from the column address to CAS#.\rPower-on value 1.\r"
    "The clock count of each code is not documented here.";

// DRAM control 1.
constexpr char PAGE_MODE_CONTROL[] =
    "How long DRAM pages are kept open between accesses.\r"
    "The codes are not documented here.";
constexpr char EDO_DRAM_LEADOFF_CYCLE_REDUCTION[] =
    "0 Disabled\r1 Enabled: shorter leadoff of EDO read cycles";
constexpr char DRAM_DATA_LATCH_DELAY[] =
    "0 Normal latch timing\r1 DRAM read data latched later\r"
    "The length of the delay is not documented here.";
constexpr char RELAXED_DRAM_READ_CYCLE_LATENCY[] =
    "0 Normal read latency\r1 Relaxed read latency, for slower DRAM";

// DRAM control 2.
constexpr char EDO_TEST_MODE_ENABLE[] =
    "0 Normal operation\r"
    "1 EDO test mode\rUsed by the BIOS to tell EDO from fast page mode DRAM.";
constexpr char MD_TO_HD_FIFO_CONTROL[] =
    "Controls the FIFO that carries DRAM read data (MD) to the CPU data bus (HD).\r"
    "The two settings are not documented here.";
constexpr char SDRAM_RAS_PRECHARGE_REDUCTION[] =
    "0 Disabled\r1 Enabled: shorter SDRAM RAS precharge";
constexpr char SDRAM_RAS_TO_CAS_DELAY_REDUCTION[] =
    "0 Disabled\r1 Enabled: shorter SDRAM RAS-to-CAS delay";
constexpr char SDRAM_CAS_LATENCY[] =
    "CAS latency of the SDRAM: two or three clocks.\r"
    "The code of each latency is not documented here.";

// 32-bit DRAM width control.
constexpr char RAS_TO_COLUMN_ADDRESS_DELAY[] =
    "Delay from RAS# to the switch of MA to the column address.\r"
    "The two settings are not documented here.";
constexpr char NA_DELAY[] =
    "Timing of NA# (next address) to the CPU.\rThe two settings are not documented here.";
constexpr char BANK_WIDTH[] = "0 64-bit bank\r1 32-bit bank";
constexpr char BANK_0_WIDTH[] = "0 64-bit bank\r1 32-bit bank\rThis bit sets the width of bank 0.";

// Refresh.
constexpr char REFRESH_COUNTER[] =
    "Interval between DRAM refresh requests, in units of 16 CPU bus clocks.\r"
    "Zero stops the refresh.";
constexpr char CBR_REFRESH[] = "0 RAS-only refresh\r1 CAS-before-RAS refresh";
constexpr char BURST_REFRESH[] =
    "0 One refresh per request\r1 Four refreshes in a burst per request";

// SDRAM control.
constexpr char SDRAM_64MBIT_INTERLEAVE[] =
    "0 Disabled\r1 Enabled: four-bank interleave on 64 Mbit SDRAM chips";
constexpr char SDRAM_BURST_WRITE[] =
    "0 Disabled: single writes to SDRAM\r1 Enabled: burst writes to SDRAM";
constexpr char SDRAM_OPERATION_MODE_SELECT[] =
    "000 Normal SDRAM operation\r001 NOP command\r010 Precharge all banks\r"
    "011 Mode register set\r100 CBR refresh cycle\r101 Reserved\r11x Reserved\r"
    "The BIOS steps through the commands to initialise the SDRAM, then returns to 000.";

// DRAM drive strength.
constexpr char BANK_DECODING_TEST[] =
    "0 Normal operation\r1 Bank decoding test mode\rFor factory testing.";
constexpr char DRIVE[] =
    "0 Normal drive\r1 High drive\r"
    "Output current of these pins, set by the BIOS for the board's memory loading.";
constexpr char DUPLICATE_MA_0_1[] =
    "0 Disabled\r1 Enabled\rA second set of pins carries MA0-MA1 to share the load.";
constexpr char FORCE_SMM_MODE[] =
    "0 Normal operation\r1 Cycles are decoded as in system management mode\rA test setting.";
