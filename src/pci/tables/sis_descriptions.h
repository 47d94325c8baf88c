// Descriptions that the SiS 5571, 5591, 5596 and 5597/5598 tables share word
// for word: one text for the rows where the chips agree.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
#pragma once

// PCI configuration header of the 5571, 5596 and 5597/5598.
constexpr char HEADER_RESERVED[] = "Reserved, read as 0.";
constexpr char FAST_BACK_TO_BACK_CYCLE_ENABLE[] =
    "0 Disabled\r1 Enabled: the bridge may run fast back-to-back cycles to different targets";
constexpr char ADDRESS_DATA_STEPPING[] = "0 No address or data stepping\rRead only.";
constexpr char VGA_PALETTE_SNOOP[] = "0 Palette writes are not snooped\rRead only.";
constexpr char MEMORY_WRITE_INVALIDATE[] =
    "0 Memory Write and Invalidate is never generated\rRead only.";
constexpr char SPECIAL_CYCLE_MONITORING[] = "0 Special cycles are ignored\rRead only.";
constexpr char BUS_MASTER[] =
    "0 Bus master disabled\r1 Bus master enabled\r"
    "The host bridge always masters PCI cycles for the CPU; reads as 1.";
constexpr char MEMORY_SPACE[] =
    "0 Memory access disabled\r1 Memory access enabled\r"
    "The host bridge always claims its memory ranges; reads as 1.";
constexpr char PCI_IO_SPACE[] =
    "0 I/O access disabled\r1 I/O access enabled\rReads as 1 after reset.";
constexpr char DETECTED_PARITY_ERROR[] =
    "Write 1 to clear\r0 No parity error detected\r1 Parity error detected";
constexpr char SIGNALED_SYSTEM_ERROR[] =
    "Write 1 to clear\r0 SERR# not asserted\r1 The bridge asserted SERR#";
constexpr char SIGNALED_MASTER_ABORT[] =
    "Write 1 to clear\r0 No master abort\r1 A cycle mastered by the bridge ended in master abort";
constexpr char RECEIVED_TARGET_ABORT[] =
    "Write 1 to clear\r0 No target abort received\r"
    "1 A cycle mastered by the bridge was ended by target abort";
constexpr char SIGNALED_TARGET_ABORT[] =
    "Write 1 to clear\r0 No target abort signaled\r1 The bridge ended a cycle with target abort";
constexpr char DEVSEL_TIMING[] =
    "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the bridge decodes at medium speed.";
constexpr char DATA_PARITY_ERROR_DETECTED[] =
    "0 No data parity error reported\rNot implemented by this bridge; reads 0.";
constexpr char FAST_BACK_TO_BACK_CAPABLE[] =
    "0 Not capable of fast back-to-back cycles as a target\r1 Fast back-to-back capable\r"
    "Read only.";
constexpr char PCI_66MHZ_CAPABLE[] = "0 33 MHz PCI bus only\r1 66 MHz capable\rRead only.";
constexpr char BASE_CLASS_CODE[] = "00000110 Bridge device";
constexpr char CACHE_LINE_SIZE[] =
    "00000000 Not used\rThe host bridge keeps no cache line size; reads 0.";
constexpr char PCI_LATENCY_TIMER[] =
    "Number of PCI clocks the bridge may keep the bus as a master once its grant is taken "
    "away.\rZero lets any other master take the bus at once.";
constexpr char HEADER_TYPE_CODE[] = "00000000 Single-function device, standard header";
constexpr char BIST_SUPPORTED[] = "0 No built-in self test\rRead only.";
constexpr char START_TEST[] = "0 No test running\rRead only.";
constexpr char RESPONSE_CODE[] = "0000 No self-test result\rRead only.";

// Host interface control.
constexpr char PIPELINE_ADDRESS_MODE[] =
    "0 Disabled: NA# is never asserted\r"
    "1 Enabled: NA# lets the CPU drive the next address early\r"
    "Used with pipelined burst SRAM.";
constexpr char NO_NA_ON_SINGLE_WRITE[] =
    "0 NA# asserted on single write cycles as well\r1 NA# not asserted on single write cycles";
constexpr char PBSRAM_BACK_TO_BACK_TIMING[] =
    "Burst timing of back-to-back pipelined burst SRAM cycles (3-1-1-1-1-1-1-1 at best).\r"
    "The codes of the two settings are not documented here.";
constexpr char FAST_NA_ASSERT[] =
    "0 Disabled: NA# at its normal point\r1 Enabled: NA# asserted earlier";
constexpr char WRITE_MERGE_ENABLE[] =
    "0 Disabled\r1 Enabled: neighbouring CPU writes are merged in the write buffer";
constexpr char READ_WRITE_REORDER[] =
    "0 Disabled: DRAM cycles run in CPU order\r1 Enabled: DRAM reads may pass buffered writes";
constexpr char RESERVED_KEEP_AS_READ[] = "Reserved. Software should leave these bits as read.";

// L1 and L2 cache control.
constexpr char L2_CACHE_EXISTS[] = "0 No L2 cache\r1 L2 cache installed";
constexpr char L2_CACHE_WB_WT[] = "0 Write-through\r1 Write-back";
constexpr char LINEAR_BURST[] =
    "0 Interleaved burst order (Pentium)\r1 Linear burst order (Cyrix 6x86 in linear mode)";
constexpr char L2_CACHE_TAG_SIZE[] =
    "Width of the tag RAM: 8 or 7 bits; with 7 bits half as much memory is cacheable.\r"
    "The codes are not documented here.";
constexpr char L2_CACHE_SIZING_ENABLE[] =
    "0 Normal operation\r1 Sizing mode, used by the BIOS while it measures the cache";
constexpr char CPU_L1_CACHE_WB_WT[] =
    "0 Write-through: WB/WT# tells the CPU to keep its L1 lines write-through\r"
    "1 Write-back";

// DRAM control and fast page / EDO timing.
constexpr char READ_FIFO_CONTROL[] =
    "Controls the FIFO that carries DRAM read data to the CPU.\r"
    "The two settings are not documented here.";
constexpr char PAGING_STARTING_POINT[] =
    "Where the DRAM controller starts to keep pages open.\rThe codes are not documented here.";
constexpr char READ_AFTER_WRITE_TURN_AROUND_CYCLE[] =
    "0 Disabled\r1 Enabled: a turn-around cycle separates a DRAM write from the next read";
constexpr char ALWAYS_PAGE_MISS_AFTER_WRITE[] =
    "0 The DRAM page may stay open\r1 The page is closed after every write";
constexpr char ALWAYS_PAGE_MISS_AFTER_DATA_READ[] =
    "0 The DRAM page may stay open\r1 The page is closed after every data read";
constexpr char ALWAYS_PAGE_MISS_AFTER_CODE_READ[] =
    "0 The DRAM page may stay open\r1 The page is closed after every code read";
constexpr char DRAM_REFRESH_CYCLE[] =
    "Period of the DRAM refresh requests.\rThe codes are not documented here.";
constexpr char REFRESH_RAS_PULSE_WIDTH[] =
    "RAS# active time of refresh cycles, in CPU clocks.\rThe codes are not documented here.";
constexpr char RAS_PRECHARGE_TIME[] =
    "RAS# precharge time, in CPU clocks.\rThe codes are not documented here.";
constexpr char RAS_TO_CAS_DELAY[] =
    "Delay from RAS# to CAS#, in CPU clocks.\rThe codes are not documented here.";
constexpr char CAS_PULSE_WIDTH_FPM[] =
    "CAS# active time for fast page mode DRAM.\rThe codes are not documented here.";
constexpr char CAS_PRECHARGE_FPM[] =
    "CAS# precharge time for fast page mode DRAM, in CPU clocks.\r"
    "The codes are not documented here.";
constexpr char CAS_PRECHARGE_EDO[] =
    "CAS# precharge time for EDO DRAM, in CPU clocks.\rThe codes are not documented here.";
constexpr char DRAM_WRITE_ASSERTION_TIMING[] =
    "When RAMW# is asserted in DRAM write cycles.\rThe two settings are not documented here.";
constexpr char EDO_TEST_MODE[] =
    "0 Normal operation\r1 EDO detection, used by the BIOS to tell EDO from FPM DRAM";
constexpr char MDLE_DELAY[] =
    "Delay of the memory data latch enable that samples DRAM read data.\r"
    "The steps are not documented here.";

// SDRAM control.
constexpr char SDRAM_PRECHARGE_COMMAND[] =
    "0 Idle\r1 Issue a precharge-all command to the SDRAM\rUsed by the BIOS to initialise SDRAM.";
constexpr char SDRAM_MODE_REGISTER_SET[] =
    "0 Idle\r1 Issue a mode register set command to the SDRAM\r"
    "Used by the BIOS to initialise SDRAM.";
constexpr char SDRAM_SIZING_REFRESH[] =
    "0 Idle\r1 Issue refresh cycles while the BIOS sizes the SDRAM";
constexpr char SDRAM_CAS_LATENCY[] =
    "CAS latency programmed into the SDRAM (2 or 3 clocks).\r"
    "The codes are not documented here.";
constexpr char SDRAM_BURST_TIMING[] =
    "Timing of SDRAM burst transfers.\rThe two settings are not documented here.";

// Drive strength.
constexpr char DRIVE[] =
    "Output current of these pins, set by the BIOS for the board's loading.\r"
    "The two current levels are not documented here.";

// Cyrix 6x86 support.
constexpr char CYRIX_SMAC_ACCESS[] =
    "0 Not active\r1 Active: SMM memory is reached as the 6x86 SMAC setting asks\r"
    "Reflects the Cyrix 6x86 system management mode setting.";
constexpr char CYRIX_NMAC_ACCESS[] =
    "0 Not active\r1 Active\rReflects the Cyrix 6x86 system management mode setting.";
constexpr char CYRIX_CPU_PRESENT[] = "0 No Cyrix 6x86 detected\r1 Cyrix 6x86 processor present";
