// Descriptions that the Intel 82439HX, 82439VX and 82439TX tables share word
// for word: one text for the rows where the chips agree.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
//
// Sources named below: RBIL is Ralf Brown's Interrupt List, file INTERRUP.E,
// by table number; 86Box is src/chipset/intel_4x0.c (power-on values and
// write masks); FreeBSD is sys/pci/pcisupport.c; MAME is
// src/devices/machine/i82439hx.cpp and i82439tx.cpp.
#pragma once

// PCI configuration header.  86Box: 04h powers on as 06h and only bit 1 takes
// a write; 07h powers on as 02h; 0Fh keeps only bit 6.
constexpr char ADDRESS_DATA_STEPPING[] = "0 No address or data stepping\rHardwired to 0.";
constexpr char VGA_PALETTE_SNOOP[] = "0 Palette writes are not snooped\rHardwired to 0.";
constexpr char MEMORY_WRITE_INVALIDATE[] =
    "0 Memory Write and Invalidate is never generated\rHardwired to 0.";
constexpr char SPECIAL_CYCLE_MONITORING[] = "0 PCI special cycles are ignored\rHardwired to 0.";
constexpr char MEMORY_SPACE[] =
    "0 PCI masters cannot reach main memory\r1 PCI master accesses to main memory are "
    "claimed\rDefault 1.";
constexpr char PCI_IO_SPACE[] = "0 No I/O space claimed as a PCI target\rHardwired to 0.";
constexpr char RECEIVED_TARGET_ABORT[] =
    "Write 1 to clear\r0 No abort received\r1 Transaction aborted by the target.";
constexpr char FAST_BACK_TO_BACK_CAPABLE[] =
    "0 Not capable of fast back-to-back cycles as a target\rHardwired to 0.";
constexpr char PCI_66MHZ_CAPABLE[] = "0 33 MHz PCI bus\rRead only.";
constexpr char BASE_CLASS_CODE[] = "00000110 Bridge Device";
constexpr char HEADER_TYPE_CODE[] = "00000000 Single-function device, standard header layout";
constexpr char BIST_SUPPORTED[] = "0 No built-in self-test\rHardwired to 0.";
constexpr char RESPONSE_CODE[] = "0000 Passed\rNo self-test; always reads 0.";
// RBIL 01098, 01099, 01108 name revision 00h on all three chips.
constexpr char REVISION_NOTE[] = "Silicon stepping; 00h is the A0 stepping.\rRead only.";

// 50h PCI control, RBIL 01110.
constexpr char PCI_CONCURRENCY_ENABLE[] =
    "0 The CPU is kept off DRAM and L2 during every PCI master cycle\r"
    "1 The CPU may use DRAM and L2 while a PCI master other than the PIIX owns the bus";

// 52h cache control, RBIL 01112; FreeBSD decodes the same sizes.
constexpr char L2_CACHE_SIZE[] = "00 No L2 cache\r01 256 KB\r10 512 KB\r11 Reserved";
constexpr char NA_DISABLE[] =
    "0 NA# asserted: the CPU may pipeline its bus cycles\r1 NA# never asserted";
// Power-on 1 in 86Box (52h = B2h) and MAME (A2h).
constexpr char L2_FORCE_MISS[] =
    "0 Normal L2 operation\r1 Every memory access bypasses the L2: reads miss, writes "
    "invalidate\rUsed by the BIOS to size and test the cache. Default 1.";
// FreeBSD reads bit 0 set as L1 enabled, as the bit's name says; RBIL's
// "=1 all memory accesses made non-cacheable" contradicts its own name for
// the bit and is not followed.
constexpr char L1_ENABLE[] =
    "0 CPU L1 cache disabled: KEN# stays inactive\r1 CPU L1 cache enabled for cacheable "
    "memory";
// RBIL gives 10 to the 82437FX/MX/VX and 82439TX, not the 82439HX; FreeBSD
// decodes 01 as plain burst SRAM, a guess that RBIL's "reserved" overrides.
constexpr char L2_SRAM_TYPE[] =
    "00 Pipelined burst SRAM or DRAM cache SRAM\r01 Reserved\r10 Asynchronous SRAM\r"
    "11 Two banks of pipelined burst SRAM";

// 53h cache control extensions, RBIL 01113.  86Box powers it on as 14h.
constexpr char DRAM_CACHE_REFRESH_TIMER[] =
    "HCLKs the controller stays idle while DRAM cache SRAMs in the L2 refresh.\r"
    "RBIL gives the count five bits, 4-0; this field shows the low four. Default 0100, "
    "the register powering on as 14h.";

// 55h and 54h SDRAM control, RBIL 01114: one 16-bit register whose special
// mode is bits 8-6, that is 55h bit 0 above 54h bits 7-6.
constexpr char SPECIAL_SDRAM_MODE_SELECT[] =
    "00 Normal operation\r01 Every DRAM cycle becomes a NOP command\r"
    "10 Every DRAM cycle becomes an all-banks precharge\r"
    "11 Every DRAM cycle becomes a mode register set command\r"
    "Applies while 55h bit 0 is 0. The special modes serve SDRAM initialization by the BIOS.";
constexpr char SDRAM_CAS_LATENCY[] = "0 3 clocks CAS# latency\r1 2 clocks CAS# latency";
constexpr char SDRAM_RAS_TIMING[] =
    "0 Slower RAS# precharge and refresh timing\r1 Faster RAS# precharge and refresh timing\r"
    "The clock counts are not documented in the public sources.";
constexpr char SDRAM_CBR_CYCLE_ENABLED[] =
    "0 Normal SDRAM cycles, or the mode that 54h bits 7-6 select\r"
    "1 With 54h bits 7-6 at 00, every DRAM cycle becomes a CBR refresh cycle\r"
    "With 54h bits 7-6 other than 00 the mode is reserved. Used by the BIOS while it "
    "initializes SDRAM.";

// 56h DRAM extended control, RBIL 01115.
// RBIL names bit 4 "Speculative Leadoff Disable": 1 turns the feature off.
constexpr char DRAM_SPECULATIVE_LEADOFF[] =
    "0 Speculative leadoff enabled\r1 Speculative leadoff disabled";
constexpr char REFRESH_RAS_ASSERTION[] =
    "0 RAS# asserted for 4 clocks in refresh cycles\r"
    "1 RAS# asserted for 5 clocks in refresh cycles\rDefault 1.";
constexpr char FAST_EDO_LEADOFF[] = "0 Normal EDO read path\r1 Fast EDO path selected";

// 57h DRAM control, RBIL 01116.
// The 82439HX and 82437FX: MAME's i82439hx decodes 10 as the 15-16 MB hole,
// as FreeBSD does for the 82437FX; RBIL lists 10 for the 82437FX/MX/VX.
constexpr char MEMORY_HOLE[] =
    "00 No memory hole\r01 Hole from 512 KB to 640 KB\r10 Hole from 15 MB to 16 MB\r"
    "11 Reserved\rAccesses inside the hole go to PCI.";
constexpr char EDO_DETECT_MODE[] =
    "0 Normal operation\r1 EDO detect mode: lets the BIOS find the rows that hold EDO DRAM\r"
    "Must be 0 once the rows are typed.";
// The 82437FX/VX and 82439HX codes; FreeBSD decodes the same three clocks.
constexpr char DRAM_REFRESH_RATE[] =
    "000 Refresh disabled\r001 50 MHz host clock\r010 60 MHz host clock\r"
    "011 66 MHz host clock\r1xx Reserved\rMatch the host bus clock so that a row is refreshed "
    "every 15.6 us. Default 001.";

// 58h DRAM timing, RBIL 01117; FreeBSD decodes 00-10 of both bursts alike.
// The last read burst code differs between the chips.
constexpr char EDO_FPM_WRITE_BURST_TIMING[] = "00 x-4-4-4\r01 x-3-3-3\r10 x-2-2-2\r11 Reserved";
constexpr char EDO_FPM_READ_BURST_TIMING[] =
    "00 x-4-4-4 for EDO and fast page mode\r01 x-3-3-3 for EDO, x-4-4-4 for fast page mode\r"
    "10 x-2-2-2 for EDO, x-3-3-3 for fast page mode\r11 Reserved";
constexpr char LEADOFF_TIMING_VX_TX[] =
    "00 Read leadoff 11, write leadoff 7, RAS# precharge 3 clocks\r"
    "01 Read leadoff 10, write leadoff 6, RAS# precharge 3 clocks\r"
    "10 Read leadoff 11, write leadoff 7, RAS# precharge 4 clocks\r"
    "11 Read leadoff 10, write leadoff 6, RAS# precharge 4 clocks";

// 59h-5Fh programmable attribute map, low nibble before high nibble, RBIL
// 01118: in every nibble bit 0 enables reads, bit 1 writes, bit 2 caching;
// bit 3 is reserved.  Disabled ranges are left to PCI.
constexpr char PAM[] =
    "xx00 ROM\rx001 Read only, non-cacheable\rx101 Read only, L1 cacheable for execute only.\r"
    "x010 Write only\rx110 (undefined)\rx011 Read/Write, non-cacheable\rx111 Read/Write, cacheable";

// 60h-65h DRAM row boundaries: the running total of the rows, in 4 MB.
// RBIL 01098, 01099, 01108; 82439TX datasheet 3.1.22; power-on 02h in 86Box
// and MAME.
constexpr char ROW_0_SIZE[] = "DRAM in row 0, in 4 MB units.\rDefault 02h.";
constexpr char BOUNDARY_NOTE[] =
    "DRAM in this row and all rows below it, in 4 MB units; the row itself holds this value "
    "minus the one before.\rAn empty row repeats the value of the row before it.\rDefault 02h.";

// 67h-68h DRAM row type, RBIL 01119 and 01213.
// A row's type is a pair of bits: the SDRAM bit above the EDO/FPM bit.
constexpr char IS_SDRAM[] = "0 EDO or fast page mode DRAM, as its EDO/FPM bit says\r1 SDRAM";
constexpr char IS_EDO[] =
    "0 Fast page mode DRAM, or SDRAM when the row's SDRAM bit is 1\r1 EDO DRAM\r"
    "Both bits set is reserved.";

// 72h system management RAM control, RBIL 01123: the 82437FX and the
// 440FX, 440LX/EX and 440BX alike.
constexpr char SMM_SPACE_OPEN[] =
    "0 SMRAM reachable in SMM only\r1 SMRAM reachable outside SMM too, while the space is "
    "not locked";
constexpr char SMM_SPACE_CLOSED[] =
    "0 Data references in SMM reach SMRAM\r1 No data references to SMRAM, even in SMM\r"
    "Never set together with SMM Space Open.";
constexpr char SMM_SPACE_LOCKED[] =
    "0 Not locked\r1 Locked: SMM Space Open is cleared, and it and this bit become read only";
constexpr char SMRAM_ENABLE[] =
    "0 Disabled\r1 128 KB of DRAM at the base segment are reachable in SMM";
