// Descriptions that the VIA VT82C595 and VT82C585VP/VPX tables share word for
// word: one text for the rows where the two chips agree.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
//
// Sources: Ralf Brown's Interrupt List, INTERRUP.E, tables 00983-01001 (the
// AMD-640 System Controller, which is the VT82C595 under AMD's name, PCI id
// 1106h:0595h), whose bit tables also mark where the VT82C580VPX differs
// (tables 00996-00998); table 00982 gives the VPX the same register map.
// 86Box via_apollo.c and via_vpx.c supply write masks and power-on values.
#pragma once

// Cache control 1.
// RBIL 00984 calls code 11 reserved.  The flush reading is this row's
// established wording and stays; the note says what RBIL says.
constexpr char CACHE_ENABLE[] =
    "00 Cache disable\r01 Cache Init - always does L2 fill\r10 Cache enable (normal operation)\r"
    "11 Cache flush - always does L2 write-back/fill\r"
    "RBIL (AMD-640 table) lists code 11 as reserved rather than as a flush.";
// RBIL 00984 lists bit 5 of the AMD-640 as "reserved (do not change)"; 86Box
// keeps it writable on both chips.  The burst-order reading is unconfirmed.
constexpr char LINEAR_BURST[] =
    "0 Interleaved (Intel) burst order\r1 Linear burst order, for CPUs that burst linearly\r"
    "Unconfirmed: RBIL lists this bit of the AMD-640 (VT82C595) as reserved, do not change.";
constexpr char TAG_CONFIGURATION[] =  // RBIL 00984
    "00 Eight tag bits, no dirty (modify) bit\r01 Seven tag bits and a dirty bit\r"
    "10 Ten tag bits, no dirty bit\r11 Nine tag bits and a dirty bit";
constexpr char SRAM_TYPE[] =  // RBIL 00984
    "00 No L2 cache\r01 Reserved\r10 Burst SRAM\r11 Pipelined burst SRAM";

// Cache control 2.
constexpr char BACKOFF_CPU[] =  // RBIL 00985
    "0 Disabled\r1 Enabled: the CPU is backed off (BOFF#) until the L2 line fill is done";
constexpr char SRAM_BANKS[] =  // RBIL 00985
    "0 One bank of data SRAM\r1 Two banks of data SRAM";
constexpr char CACHE_SIZE[] =  // RBIL 00985; memtest86+ hwquirks.c (256 KB << code)
    "00 256 KB\r01 512 KB\r10 1 MB\r11 2 MB";

// Non-cacheable control.
constexpr char CACHEABLE[] =  // RBIL 00986
    "0 Non-cacheable\r1 Cacheable and write-protected\r"
    "Meant for ROM areas that run from shadow DRAM.";
constexpr char L2_FILL[] =  // RBIL 00986
    "0 Normal operation\r1 Force L2 cache fill";
constexpr char L2_WRITE_POLICY[] =  // RBIL 00986
    "0 Write-back\r1 Write-through";

// System performance control.  RBIL 00987.
constexpr char READ_AROUND_WRITE[] =
    "0 Disabled\r1 Enabled: DRAM reads may pass posted writes\r"
    "Needs Relaxed DRAM Read Cycle Latency (65h bit 0) set.";
constexpr char CACHE_READ_PIPELINE_CYCLE[] = "0 Disabled\r1 Enabled: L2 read cycles are pipelined";
constexpr char CACHE_WRITE_PIPELINE_CYCLE[] =
    "0 Disabled\r1 Enabled: L2 write cycles are pipelined";
constexpr char DRAM_PIPELINE_CYCLE[] = "0 Disabled\r1 Enabled: DRAM cycles are pipelined";
constexpr char PCI_MASTER_PEER_CONCURRENCY[] =
    "0 Disabled\r1 Enabled\r"
    "When enabled, one PCI master can talk to another PCI device without holding up the CPU "
    "bus or DRAM.";

// Non-cacheable regions.  RBIL 00988.
constexpr char REGION_HIGH[] =
    "Address bits 28-21 of the base of this non-cacheable region.\r"
    "The base must be a multiple of the region size.";
constexpr char REGION_LOW[] = "Address bits 20-16 of the base of this non-cacheable region.";
constexpr char REGION_SIZE[] =
    "000 Disabled\r001 64 KB\r010 128 KB\r011 256 KB\r100 512 KB\r101 1 MB\r110 2 MB\r111 4 MB";

// DRAM configuration.  RBIL 00989-00990: the code means a column width for
// fast page and EDO DRAM, and a chip density for SDRAM.
constexpr char MA_MAP[] =
    "000 FPM/EDO: 8-bit column address; SDRAM: 16 Mbit chips\r"
    "001 FPM/EDO: 9-bit column address; SDRAM: 16 Mbit chips\r"
    "010 FPM/EDO: 10-bit column address; SDRAM: 16 Mbit chips\r"
    "011 FPM/EDO: 11-bit column address; SDRAM: 16 Mbit chips\r"
    "100 FPM/EDO: 12-bit column address; SDRAM: 64 Mbit chips\r"
    "101 FPM/EDO: reserved; SDRAM: 64 Mbit chips\r"
    "11x FPM/EDO: reserved; SDRAM: 64 Mbit chips";
constexpr char LAST_BANK[] =
    "000 Bank 0\r001 Bank 1\r010 Bank 2\r011 Bank 3\r100 Bank 4\r101 Bank 5\r11x Reserved";

// DRAM bank ending addresses.  RBIL 00983: bits 29-22 of the bank's ending
// address; 86Box keeps the six registers in 4 MB units.
constexpr char BANK_ENDING[] =
    "Ending address of the bank: all DRAM up to and including this bank, in 4 MB units "
    "(address bits 29-22).\r"
    "An empty bank repeats the value of the bank below it.\r"
    "Power-on value 00000001.";

// DRAM type.  RBIL 00991: code 01 is EDO and 10 is reserved.
constexpr char DRAM_TYPE[] = "00 Fast page mode DRAM\r01 EDO DRAM\r10 Reserved\r11 SDRAM";

// Shadow RAM, 16 KB segments listed lowest bits first.  RBIL 00992-00994;
// 86Box: bit 1 sends reads to DRAM, bit 0 sends writes to DRAM.
constexpr char SHADOW[] =
    "00 Disabled: reads and writes go to the PCI bus (ROM)\r"
    "01 Write only: reads from ROM, writes to DRAM\r"
    "10 Read only: reads from DRAM, writes to the PCI bus\r"
    "11 Read/write: reads and writes go to DRAM";
constexpr char MEMORY_HOLE[] = "00 None\r01 512K-640K\r10 15M-16M\r11 14M-16M";  // RBIL 00994
constexpr char SMI_REDIRECT[] =                                                  // RBIL 00994
    "0 Disabled\r"
    "1 Enabled: 30000h-3FFFFh goes to B0000h and 40000h-4FFFFh to A0000h\r"
    "Lets system management code reach the DRAM under the video memory.";
// RBIL 00994 redirects A0000h-BFFFFh to DRAM; 86Box's VT82C595 model does so
// for SMM cycles only and leaves other cycles on PCI.
constexpr char A0000_BFFFF_DRAM_ACCESS[] =
    "0 A0000h-BFFFFh goes to the PCI bus (video memory)\r"
    "1 A0000h-BFFFFh goes to DRAM, used to set up SMRAM\r"
    "86Box applies the redirection to SMM cycles only.";

// DRAM timing.  RBIL 00995; T is one CPU bus clock.  86Box: power-on 64h = ABh.
constexpr char RAS_PRECHARGE_TIME[] =
    "00 2T (50 ns DRAM)\r01 3T (60 ns DRAM)\r10 4T (70 ns DRAM)\r11 6T\rPower-on value 10.";
constexpr char RAS_PULSE_WIDTH[] =
    "00 3T (50 ns DRAM)\r01 4T (60 ns DRAM)\r10 5T (70 ns DRAM)\r11 6T\rPower-on value 10.";
constexpr char CAS_READ_PULSE_WIDTH[] =
    "00 FPM 1T, EDO 4T\r01 FPM 2T, EDO 1T\r10 FPM 3T, EDO 2T\r11 FPM 4T, EDO 3T\r"
    "Power-on value 10.";
constexpr char CAS_WRITE_PULSE_WIDTH[] = "0 1T\r1 2T\rPower-on value 1.";
constexpr char COLUMN_ADDRESS_TO_CAS_DELAY[] = "0 1T\r1 2T\rPower-on value 1.";

// DRAM control 1.  RBIL 00996.
constexpr char PAGE_MODE_CONTROL[] =
    "00 Close the page after each access\r01 Reserved\r"
    "10 Keep the page open until a timeout or a page miss\r"
    "11 Close the page when the CPU has not used DRAM for 8 clocks";
constexpr char EDO_DRAM_LEADOFF_CYCLE_REDUCTION[] =
    "0 EDO read leadoff of 6T\r1 EDO read leadoff reduced to 5T";
constexpr char DRAM_DATA_LATCH_DELAY[] =
    "0 Normal latch timing\r1 DRAM read data latched half a clock later";
constexpr char RELAXED_DRAM_READ_CYCLE_LATENCY[] =
    "0 Normal read latency\r1 DRAM reads wait 1T while the write buffer holds data\r"
    "Must be set when Read Around Write (53h bit 7) is enabled.";

// DRAM control 2.  RBIL 00997.
constexpr char EDO_TEST_MODE_ENABLE[] =
    "0 Normal operation\r"
    "1 EDO test mode: EDO DRAM reads back correctly, fast page mode DRAM does not\r"
    "Used by the BIOS to tell EDO from fast page mode DRAM.";
constexpr char MD_TO_HD_FIFO_CONTROL[] =
    "0 No wait state\r1 One wait state from DRAM data (MD) to the CPU data bus (HD)";
constexpr char SDRAM_RAS_PRECHARGE_REDUCTION[] =
    "0 Disabled\r1 Enabled: SDRAM RAS precharge 1T shorter\rOnly with SDRAM selected in 60h.";
constexpr char SDRAM_RAS_TO_CAS_DELAY_REDUCTION[] =
    "0 Disabled\r1 Enabled: shorter SDRAM RAS-to-CAS delay\rOnly with SDRAM selected in 60h.";
// RBIL 00997 gives the VT82C580VPX's coding; on the AMD-640 it lists bit 3
// as reserved, while 86Box keeps it writable on the VT82C595.
constexpr char TURBO_EDO_MODE[] =
    "0 Disabled: EDO bursts x-2-2-2\r1 Enabled: EDO bursts x-1-1-1\r"
    "RBIL lists this bit as reserved on the AMD-640 (VT82C595).";
// RBIL 01000 (6Ch bit 3) and 00997 (66h bit 5 of the VT82C580VPX).
constexpr char SDRAM_CAS_LATENCY[] = "0 CAS latency 2\r1 CAS latency 3";

// 32-bit DRAM width control.  RBIL 00998: the width bits apply to the
// VT82C580VPX with two banks of pipelined burst SRAM; the AMD-640
// documentation says to leave them all 0.
constexpr char RAS_TO_COLUMN_ADDRESS_DELAY[] = "0 1T\r1 2T";
constexpr char NA_DELAY[] = "0 No delay\r1 NA# (next address) to the CPU delayed by 1T";
constexpr char BANK_WIDTH[] =
    "0 64-bit bank\r1 32-bit bank\rThe AMD-640 (VT82C595) documentation says to leave it 0.";
constexpr char BANK_0_WIDTH[] =
    "0 64-bit bank\r1 32-bit bank\rThis bit sets the width of bank 0.\r"
    "The AMD-640 (VT82C595) documentation says to leave it 0.";

// Refresh.  RBIL 00983 and 00999.
constexpr char REFRESH_COUNTER[] =
    "Interval between DRAM refresh requests, in units of 16 CPU bus clocks.\r"
    "Zero stops the refresh.";
constexpr char CBR_REFRESH[] = "0 RAS-only refresh\r1 CAS-before-RAS refresh";
constexpr char BURST_REFRESH[] =
    "0 One row refreshed every 15 us\r1 Four rows refreshed in a burst every 60 us";

// SDRAM control.  RBIL 01000.
constexpr char SDRAM_64MBIT_INTERLEAVE[] =
    "0 Disabled\r1 Enabled: four-bank interleave on 64 Mbit SDRAM chips\r"
    "Needs SDRAM Bank Interleave Enable (bit 5).";
constexpr char SDRAM_BURST_WRITE[] =
    "0 Disabled: single writes to SDRAM\r1 Enabled: burst writes to SDRAM";
constexpr char SDRAM_BANK_INTERLEAVE[] =
    "0 Disabled\r1 Enabled: shorter back-to-back bursts to SDRAM";
constexpr char SDRAM_OPERATION_MODE_SELECT[] =
    "000 Normal SDRAM operation\r001 NOP command\r010 Precharge all banks\r"
    "011 Mode register set (command on MA[11:0])\r100 CBR refresh cycle\r101 Reserved\r"
    "11x Reserved\r"
    "The BIOS steps through the commands to initialise the SDRAM, then returns to 000.";

// DRAM drive strength.  RBIL 01001.
constexpr char BANK_DECODING_TEST[] =
    "0 Normal operation\r1 Bank decoding test mode\rFor production test only; do not set.";
constexpr char DRIVE[] = "0 12 mA\r1 24 mA\rOutput current of these pins.";
constexpr char DUPLICATE_MA_0_1[] =
    "0 Pins N17 and M17 are RAS5# and RAS4#\r1 Pins N17 and M17 carry a copy of MA1 and MA0";
constexpr char FORCE_SMM_MODE[] =
    "0 Normal operation\r1 The bridge acts as if SMIACT# were asserted";
