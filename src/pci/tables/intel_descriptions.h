// Descriptions that the Intel 82439HX, 82439VX and 82439TX tables share word
// for word: one text for the rows where the chips agree.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
#pragma once

// PCI configuration header.
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

// 50h PCI control.
constexpr char PCI_CONCURRENCY_ENABLE[] =
    "0 The CPU is kept off DRAM and L2 during every PCI master cycle\r"
    "1 The CPU may use DRAM and L2 while a PCI master other than the PIIX owns the bus";

// 52h cache control.
constexpr char L2_CACHE_SIZE[] = "00 No L2 cache\r01 256 KB\r10 512 KB\r11 Reserved";
constexpr char NA_DISABLE[] =
    "0 NA# asserted: the CPU may pipeline its bus cycles\r1 NA# never asserted";
constexpr char L2_FORCE_MISS[] =
    "0 Normal L2 operation\r1 L2 reads miss and writes invalidate\r"
    "Used by the BIOS to size and test the cache. Default 1.";
constexpr char L1_ENABLE[] =
    "0 CPU L1 cache disabled: KEN# stays inactive\r1 CPU L1 cache enabled for cacheable "
    "memory";
constexpr char L2_SRAM_TYPE[] =
    "00 Pipelined burst SRAM or DRAM cache SRAM\r01 Reserved\r10 Reserved\r"
    "11 Two banks of pipelined burst SRAM";

// 53h cache control extended: DRAM cache SRAMs need refreshing.
constexpr char DRAM_CACHE_REFRESH_TIMER[] =
    "Refresh interval of DRAM cache SRAMs in the L2.\rThe unit of the count is not "
    "documented here. Default 0100.";

// 55h and 54h SDRAM control.
constexpr char SPECIAL_SDRAM_MODE_SELECT[] =
    "00 Normal operation\r01 Every DRAM cycle becomes a NOP command\r"
    "10 Every DRAM cycle becomes an all-banks precharge\r"
    "11 Every DRAM cycle becomes a mode register set command\r"
    "The special modes serve SDRAM initialization by the BIOS.";
constexpr char SDRAM_CAS_LATENCY[] = "0 3 clocks CAS# latency\r1 2 clocks CAS# latency";
constexpr char SDRAM_RAS_TIMING[] =
    "0 3 clocks of RAS#-to-CAS# delay and RAS# precharge\r"
    "1 2 clocks of RAS#-to-CAS# delay and RAS# precharge";
constexpr char SDRAM_CBR_CYCLE_ENABLED[] =
    "0 Normal SDRAM cycles\r1 Every DRAM cycle becomes a CBR refresh cycle\r"
    "Used by the BIOS while it initializes SDRAM.";

// 56h DRAM extended control.
constexpr char DRAM_SPECULATIVE_LEADOFF[] =
    "0 Disabled\r1 Enabled: DRAM reads start before the L2 lookup completes\r"
    "Saves a clock of leadoff on L2 misses.";
constexpr char MEMORY_ADDRESS_DRIVE_STRENGTH[] =
    "Output current of the MA and MWE# drivers, chosen by the BIOS for the DRAM loading.\r"
    "The current of each code is not documented here.";
constexpr char REFRESH_RAS_ASSERTION[] =
    "Length of the RAS# pulse in refresh cycles.\rThe clock counts of each setting are not "
    "documented here. Default 1.";
constexpr char FAST_EDO_LEADOFF[] = "0 Normal EDO read leadoff\r1 Fast EDO read leadoff path";

// 57h DRAM control.
constexpr char MEMORY_HOLE[] =
    "00 No memory hole\r01 Hole from 512 KB to 640 KB\r10 Hole from 15 MB to 16 MB\r"
    "11 Reserved\rAccesses inside the hole go to PCI.";
constexpr char EDO_DETECT_MODE[] =
    "0 Normal operation\r1 EDO detect mode: lets the BIOS find the rows that hold EDO DRAM\r"
    "Must be 0 once the rows are typed.";
constexpr char DRAM_REFRESH_RATE[] =
    "000 Refresh disabled\r001 50 MHz host clock\r010 60 MHz host clock\r"
    "011 66 MHz host clock\r1xx Reserved\rMatch the host bus clock so that a row is refreshed "
    "every 15.6 us. Default 001.";

// 58h DRAM timing.
constexpr char EDO_FPM_READ_BURST_TIMING[] =
    "00 x-4-4-4\r01 x-3-3-3\r10 x-2-2-2 for EDO, x-3-3-3 for fast page mode\r11 Reserved";
constexpr char EDO_FPM_WRITE_BURST_TIMING[] = "00 x-4-4-4\r01 x-3-3-3\r10 x-2-2-2\r11 Reserved";
constexpr char EDO_FPM_LEADOFF_TIMING[] =
    "Leadoff of the first DRAM read and write of a burst and the RAS# precharge time.\r"
    "The clock counts of each code are not documented here.";

// 59h-5Fh programmable attribute map, low nibble before high nibble.
// Every attribute nibble of 59h-5Fh: bit 0 read enable, bit 1 write enable,
// bit 2 cache enable, bit 3 unused.  Disabled ranges are left to PCI.
constexpr char PAM[] =
    "xx00 ROM\rx001 Read only, non-cacheable\rx101 Read only, L1 cacheable for execute only.\r"
    "x010 Write only\rx110 (undefined)\rx011 Read/Write, non-cacheable\rx111 Read/Write, cacheable";

// 60h-65h DRAM row boundaries: the running total of the rows, in 4 MB.
constexpr char ROW_0_SIZE[] = "DRAM in row 0, in 4 MB units.\rDefault 02h.";
constexpr char BOUNDARY_NOTE[] =
    "DRAM in this row and all rows below it, in 4 MB units; the row itself holds this value "
    "minus the one before.\rAn empty row repeats the value of the row before it.\rDefault 02h.";

// 67h DRAM control high; its row type bits stand after 68h.
constexpr char HOST_FREQUENCY_DETECTION[] =
    "0 60 MHz host bus\r1 66 MHz host bus\rLatched from a strap at reset.";
constexpr char MEMORY_ADDRESS_SELECT_ENABLE[] =
    "0 Disabled\r1 CKE and CKEB carry a second copy of MA0 and MA1\r"
    "Needed for 5-2-2-2 EDO reads with more than two rows.";

// 67h-68h DRAM row type.
// A row's type is a pair of bits: the SDRAM bit above the EDO/FPM bit.
constexpr char IS_SDRAM[] = "0 EDO or fast page mode DRAM, as its EDO/FPM bit says\r1 SDRAM";
constexpr char IS_EDO[] =
    "0 Fast page mode DRAM\r1 EDO DRAM\rApplies while the row's SDRAM bit is 0; both bits set "
    "is reserved.";
