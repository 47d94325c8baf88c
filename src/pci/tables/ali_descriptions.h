// Descriptions that the ALi M1531 and M1541 tables share word for word: one
// text for the rows where the two chips agree.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
//
// ALi's datasheets of these chips are not published on the web.  The public
// sources are 86Box's models (ali1531.c, ali1541.c: write masks, power-on
// values, the cache, shadow and memory-hole bits they act on) and memtest86+
// (system/hwquirks.c, tested on M1541 boards: L2 enable and size).  A text
// that no source backs says so in its note ("Unconfirmed"), and keeps only
// what the field's name itself states.
#pragma once

// Cache and processor bus control.
constexpr char SNOOP_CHECK_POINT[] =
    "Selects the clock at which the bridge samples HITM# after a snoop of the CPU's L1 cache.\r"
    "The timing of each value is not documented here.";
constexpr char TAG_CHECK_POINT[] =
    "Selects the clock at which the bridge takes the L2 tag hit/miss result.\r"
    "The timing of each value is not documented here.";
constexpr char CYRIX_BURST_K6_ALLOCATE[] =
    "0 Disable\r"
    "1 Enable\r"
    "For Cyrix 6x86 and 6x86MX processors and the AMD K6.\r"
    "Unconfirmed: no public register reference describes this bit.";
constexpr char CYRIX_LINEAR_BURST[] =
    "0 Intel (interleaved) burst order\r"
    "1 Linear burst order of the Cyrix 6x86 and 6x86MX\r"
    "Unconfirmed: no public register reference describes this bit.";
constexpr char L2_BANKS[] =
    "Number of banks of L2 data SRAM.\r"
    "Which value stands for one or two banks is not documented here.";
constexpr char L2_FILL_ON_SINGLE_READ[] =
    "0 Disable: single reads do not allocate an L2 line\r"
    "1 Enable: single reads also fill the L2 line\r"
    "Unconfirmed: no public register reference describes this bit.";
constexpr char A0000_BFFFF_CACHEABLE[] =
    "0 Not cacheable\r"
    "1 Cacheable\r"
    "Unconfirmed: no public register reference describes this bit.";
constexpr char L2_DIRTY_BIT[] =
    "Selects how the L2 dirty bit is kept.\r"
    "The meaning of each value is not documented here.";
constexpr char FORCE_L2_MISS[] =
    "0 Normal operation\r"
    "1 Every L2 lookup misses (used to invalidate the tags)\r"
    "Unconfirmed: no public register reference describes this bit.";
// 42h: 86Box (ali1531.c, ali1541.c) and memtest86+ (M1541) take the L2
// enable from bit 0 of 42h, not from bit 1; the row stays at bit 1 under its
// established name and the note says what the sources say.
constexpr char L2_CACHE_ON_OFF[] =
    "0 Off\r"
    "1 On\r"
    "86Box and memtest86+ read the L2 cache enable from bit 0 of this register, not bit 1.";

// A plain switch whose name says what it enables, with no public reference
// behind it.
constexpr char DISABLE_ENABLE[] =
    "0 Disable\r"
    "1 Enable\r"
    "Unconfirmed: no public register reference describes this bit.";

// Fast page and EDO DRAM: detection, timing, paging and refresh.
constexpr char EDO_DETECTION_TIMER[] =
    "Timer used while the BIOS tells EDO from fast page mode DRAM.\r"
    "Its units are not documented here.";
constexpr char EDO_DETECTION_MODE[] =
    "0 Normal operation\r"
    "1 EDO detection (BIOS memory sizing only)\r"
    "Unconfirmed: no public register reference describes this bit.";
constexpr char TIMING_UNKNOWN[] =
    "DRAM timing selection.\r"
    "The clock counts that each value selects are not documented here.";
constexpr char ENHANCED_PAGING[] =
    "0 Disable\r"
    "1 Enable: DRAM pages stay open between accesses\r"
    "Unconfirmed: no public register reference describes this bit.";
constexpr char REFRESH_INTERVAL[] =
    "Interval between DRAM refresh cycles.\r"
    "The interval of each value is not documented here.";
constexpr char REFRESH_QUEUE[] =
    "0 Disable\r"
    "1 Enable: refresh requests wait for an idle DRAM bus\r"
    "Unconfirmed: no public register reference describes this bit.";

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
