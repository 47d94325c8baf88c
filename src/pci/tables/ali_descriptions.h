// Descriptions that the ALi M1531 and M1541 tables share word for word: one
// text for the rows where the two chips agree.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
#pragma once

// Cache and processor bus control.
constexpr char SNOOP_CHECK_POINT[] =
    "Selects the clock at which the bridge samples HITM# after a snoop of the CPU's L1 cache.\r"
    "The timing of each value is not documented here.";
constexpr char TAG_CHECK_POINT[] =
    "Selects the clock at which the bridge takes the L2 tag hit/miss result.\r"
    "The timing of each value is not documented here.";
constexpr char L1_CACHE_ON_OFF[] =
    "0 CPU L1 cache off\r"
    "1 CPU L1 cache on";
constexpr char CYRIX_BURST_K6_ALLOCATE[] =
    "0 Disable\r"
    "1 Enable\r"
    "For Cyrix 6x86 and 6x86MX processors and the AMD K6.";
constexpr char CYRIX_LINEAR_BURST[] =
    "0 Intel (interleaved) burst order\r"
    "1 Linear burst order of the Cyrix 6x86 and 6x86MX";
constexpr char L2_BANKS[] =
    "Number of banks of L2 data SRAM.\r"
    "Which value stands for one or two banks is not documented here.";
constexpr char L2_CACHE_SIZE[] =
    "Amount of SRAM fitted for the L2 cache.\r"
    "The size that each value selects is not documented here.";
constexpr char L2_FILL_ON_SINGLE_READ[] =
    "0 Disable: single reads do not allocate an L2 line\r"
    "1 Enable: single reads also fill the L2 line";
constexpr char A0000_BFFFF_CACHEABLE[] =
    "0 Not cacheable\r"
    "1 Cacheable";
constexpr char L2_DIRTY_BIT[] =
    "Selects how the L2 dirty bit is kept.\r"
    "The meaning of each value is not documented here.";
constexpr char FORCE_L2_MISS[] =
    "0 Normal operation\r"
    "1 Every L2 lookup misses (used to invalidate the tags)";
constexpr char ON_OFF[] = "0 Off\r1 On";

// A plain switch.
constexpr char DISABLE_ENABLE[] = "0 Disable\r1 Enable";

// Fast page and EDO DRAM: detection, timing, paging and refresh.
constexpr char EDO_DETECTION_TIMER[] =
    "Timer used while the BIOS tells EDO from fast page mode DRAM.\r"
    "Its units are not documented here.";
constexpr char EDO_DETECTION_MODE[] =
    "0 Normal operation\r"
    "1 EDO detection (BIOS memory sizing only)";
constexpr char TIMING_UNKNOWN[] =
    "DRAM timing selection.\r"
    "The clock counts that each value selects are not documented here.";
constexpr char ENHANCED_PAGING[] =
    "0 Disable\r"
    "1 Enable: DRAM pages stay open between accesses";
constexpr char REFRESH_INTERVAL[] =
    "Interval between DRAM refresh cycles.\r"
    "The interval of each value is not documented here.";
constexpr char REFRESH_QUEUE[] =
    "0 Disable\r"
    "1 Enable: refresh requests wait for an idle DRAM bus";

// SDRAM.
constexpr char SDRAM_OPERATION_MODE[] =
    "Command the controller issues to SDRAM while the BIOS initialises it (normal, NOP, "
    "precharge all, mode register set, refresh).\r"
    "The value of each command is not documented here.";
constexpr char SDRAM_CAS_LATENCY[] =
    "Selects a CAS latency of 2 or 3 clocks.\r"
    "Which value selects which is not documented here.";
constexpr char SDRAM_RAS_TO_READ_WRITE[] =
    "Clocks from the row activate command to a read or write.\r"
    "The count of each value is not documented here.";
