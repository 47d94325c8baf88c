// Descriptions that the SiS 5571, 5591, 5596 and 5597/5598 tables share word
// for word: one text for the rows where the chips agree.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
//
// Sources, as the comments beside the rows name them:
//   PCI 2.1 header     the standard meaning of the configuration header bits;
//   86Box 5571         86Box src/chipset/sis_5571_h2p.c: power-on values and
//                      write masks of 04h-0Fh and 50h-5Ah, L2 enable in 51h;
//   86Box 5591         86Box src/chipset/sis_5591_h2p.c: power-on values, the
//                      bank codes of 60h-62h, bank status in 63h;
//   86Box 5598         86Box src/chipset/sis_5598.c (in the repository's
//                      history; its pull request, 86Box #1389, was written
//                      from the 5597/5598 datasheet): the 5597/5598 write
//                      masks and its L2 size code;
//   86Box 5581         86Box src/chipset/sis_5581_h2p.c: the 5581/5582, which
//                      answers with the same device id 5597h; where its masks
//                      differ from 86Box 5598 the rows follow 86Box 5598;
//   86Box 5511         86Box src/chipset/sis_5511_h2p.c: the 5511, which keeps
//                      its L2 enable and DRAM bank registers where the 5596 does;
//   5597 datasheet     the SiS 5597/5598 datasheet's feature list (256 KB or
//                      512 KB pipelined burst SRAM, 8- or 7-bit tag, 16 Kbit
//                      dirty RAM, 3-1-1-1-1-1-1-1 back-to-back cache cycles);
//   Linux fixup.c      Linux arch/x86/pci/fixup.c, pci_fixup_latency.
// The register chapters of the SiS datasheets are not published as text, so
// most settings below rest on the field's name alone; their note says so.
#pragma once

// Note line for a choice whose settings follow the field's name and no
// public register description.
#define SIS_FROM_NAME "\rUnconfirmed: the settings are read from the field's name."

// PCI configuration header of the 5571, 5596 and 5597/5598.  PCI 2.1 header;
// the power-on values and read-only bits agree with 86Box 5571 and 5591.
constexpr char HEADER_RESERVED[] = "Reserved, read as 0.";
constexpr char FAST_BACK_TO_BACK_CYCLE_ENABLE[] =
    "0 Disabled\r1 Enabled: the bridge may run fast back-to-back cycles to different targets";
constexpr char ADDRESS_DATA_STEPPING[] = "0 No address or data stepping\rRead only.";
constexpr char VGA_PALETTE_SNOOP[] = "0 Palette writes are not snooped\rRead only.";
constexpr char MEMORY_WRITE_INVALIDATE[] =
    "0 Memory Write and Invalidate is never generated\rRead only.";
constexpr char SPECIAL_CYCLE_MONITORING[] = "0 Special cycles are ignored\rRead only.";
// 86Box 5571 and 5591 power on with 04h = 05h and keep bit 2 read-only.
constexpr char BUS_MASTER[] =
    "0 Bus master disabled\r1 Bus master enabled\r"
    "The host bridge always masters PCI cycles for the CPU; reads as 1.";
// 86Box 5571 and 5591 power on with this bit 0 and let software set it,
// 86Box 5598 likewise; the BIOS sets it.
constexpr char MEMORY_SPACE[] =
    "0 Memory access disabled\r1 Memory access enabled\r"
    "The BIOS sets it. 86Box powers the 5571 and 5591 on with 0 here and lets "
    "software change the bit, which this table lists as fixed.";
// 86Box 5571 and 5591: 1 at power-on, read-only.
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
// 86Box 5571 and 5591: 07h = 02h at power-on.
constexpr char DEVSEL_TIMING[] =
    "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the bridge decodes at medium speed.";
constexpr char DATA_PARITY_ERROR_DETECTED[] =
    "0 No data parity error reported\rNot implemented by this bridge; reads 0.";
constexpr char FAST_BACK_TO_BACK_CAPABLE[] =
    "0 Not capable of fast back-to-back cycles as a target\r1 Fast back-to-back capable\r"
    "Read only.";
constexpr char PCI_66MHZ_CAPABLE[] = "0 33 MHz PCI bus only\r1 66 MHz capable\rRead only.";
constexpr char BASE_CLASS_CODE[] = "00000110 Bridge device";
// 86Box 5571: 0Ch reads 00h and takes no write.
constexpr char CACHE_LINE_SIZE[] =
    "00000000 Not used\rThe host bridge keeps no cache line size; reads 0.";
// 86Box 5571, 5591 and 5598: all eight bits writable.
constexpr char PCI_LATENCY_TIMER[] =
    "Number of PCI clocks the bridge may keep the bus as a master once its grant is taken "
    "away.\rZero lets any other master take the bus at once.";
constexpr char HEADER_TYPE_CODE[] = "00000000 Single-function device, standard header";
constexpr char BIST_SUPPORTED[] = "0 No built-in self test\rRead only.";
constexpr char START_TEST[] = "0 No test running\rRead only.";
constexpr char RESPONSE_CODE[] = "0000 No self-test result\rRead only.";

// Host interface control.  86Box 5571 and 5598 let exactly the named bits of
// 50h change (masks ECh and FCh: bit 4 is reserved on the 5571 and is Fast
// NA# Assert on the 5597/5598); the meanings rest on the names.
constexpr char PIPELINE_ADDRESS_MODE[] =
    "0 Disabled: NA# is never asserted\r"
    "1 Enabled: NA# lets the CPU drive the next address early\r"
    "Used with pipelined burst SRAM." SIS_FROM_NAME;
constexpr char NO_NA_ON_SINGLE_WRITE[] =
    "0 NA# asserted on single write cycles as well\r"
    "1 NA# not asserted on single write cycles" SIS_FROM_NAME;
// 5597 datasheet: back-to-back cache cycles of 3-1-1-1-1-1-1-1.
constexpr char PBSRAM_BACK_TO_BACK_TIMING[] =
    "Burst timing of back-to-back pipelined burst SRAM cycles (3-1-1-1-1-1-1-1 at best).\r"
    "The codes of the two settings are not documented here.";
constexpr char FAST_NA_ASSERT[] =
    "0 Disabled: NA# at its normal point\r1 Enabled: NA# asserted earlier" SIS_FROM_NAME;
constexpr char WRITE_MERGE_ENABLE[] =
    "0 Disabled\r1 Enabled: neighbouring CPU writes are merged in the write buffer" SIS_FROM_NAME;
constexpr char READ_WRITE_REORDER[] =
    "0 Disabled: DRAM cycles run in CPU order\r"
    "1 Enabled: DRAM reads may pass buffered writes" SIS_FROM_NAME;
// 86Box 5571 and 5598 keep these bits read-only.
constexpr char RESERVED_KEEP_AS_READ[] = "Reserved. Software should leave these bits as read.";

// L1 and L2 cache control.
constexpr char L2_CACHE_EXISTS[] = "0 No L2 cache\r1 L2 cache installed" SIS_FROM_NAME;
constexpr char L2_CACHE_WB_WT[] = "0 Write-through\r1 Write-back" SIS_FROM_NAME;
constexpr char LINEAR_BURST[] =
    "0 Interleaved burst order (Pentium)\r"
    "1 Linear burst order (Cyrix 6x86 in linear mode)" SIS_FROM_NAME;
// 5597 datasheet: an 8- or 7-bit tag.
constexpr char L2_CACHE_TAG_SIZE[] =
    "Width of the tag RAM: 8 or 7 bits; with 7 bits half as much memory is cacheable.\r"
    "The codes are not documented here.";
constexpr char L2_CACHE_SIZING_ENABLE[] =
    "0 Normal operation\r1 Sizing mode, used by the BIOS while it measures the cache" SIS_FROM_NAME;
constexpr char CPU_L1_CACHE_WB_WT[] =
    "0 Write-through: WB/WT# tells the CPU to keep its L1 lines write-through\r"
    "1 Write-back" SIS_FROM_NAME;

// An on/off bit known by its name alone.
constexpr char DISABLED_ENABLED_BY_NAME[] = "0 Disabled\r1 Enabled" SIS_FROM_NAME;

// DRAM control and fast page / EDO timing.  Only the names are public.
constexpr char READ_FIFO_CONTROL[] =
    "Controls the FIFO that carries DRAM read data to the CPU.\r"
    "The two settings are not documented here.";
constexpr char PAGING_STARTING_POINT[] =
    "Where the DRAM controller starts to keep pages open.\rThe codes are not documented here.";
constexpr char READ_AFTER_WRITE_TURN_AROUND_CYCLE[] =
    "0 Disabled\r1 Enabled: a turn-around cycle separates a DRAM write from the next "
    "read" SIS_FROM_NAME;
constexpr char ALWAYS_PAGE_MISS_AFTER_WRITE[] =
    "0 The DRAM page may stay open\r1 The page is closed after every write" SIS_FROM_NAME;
constexpr char ALWAYS_PAGE_MISS_AFTER_DATA_READ[] =
    "0 The DRAM page may stay open\r1 The page is closed after every data read" SIS_FROM_NAME;
constexpr char ALWAYS_PAGE_MISS_AFTER_CODE_READ[] =
    "0 The DRAM page may stay open\r1 The page is closed after every code read" SIS_FROM_NAME;
constexpr char DRAM_REFRESH_CYCLE[] =
    "Period of the DRAM refresh requests.\rThe codes are not documented here.";
constexpr char REFRESH_RAS_PULSE_WIDTH[] =
    "RAS# active time of refresh cycles.\rThe codes are not documented here.";
constexpr char RAS_PRECHARGE_TIME[] = "RAS# precharge time.\rThe codes are not documented here.";
constexpr char RAS_TO_CAS_DELAY[] = "Delay from RAS# to CAS#.\rThe codes are not documented here.";
constexpr char CAS_PULSE_WIDTH_FPM[] =
    "CAS# active time for fast page mode DRAM.\rThe codes are not documented here.";
constexpr char CAS_PRECHARGE_FPM[] =
    "CAS# precharge time for fast page mode DRAM.\rThe codes are not documented here.";
constexpr char CAS_PRECHARGE_EDO[] =
    "CAS# precharge time for EDO DRAM.\rThe codes are not documented here.";
constexpr char DRAM_WRITE_ASSERTION_TIMING[] =
    "When RAMW# is asserted in DRAM write cycles.\rThe two settings are not documented here.";
constexpr char EDO_TEST_MODE[] =
    "0 Normal operation\r1 EDO detection, used by the BIOS to tell EDO from FPM DRAM" SIS_FROM_NAME;
constexpr char MDLE_DELAY[] =
    "Delay of the memory data latch enable that samples DRAM read data.\r"
    "The steps are not documented here.";

// SDRAM control.  Only the names are public.
constexpr char SDRAM_PRECHARGE_COMMAND[] =
    "0 Idle\r1 Issue a precharge-all command to the SDRAM\r"
    "Used by the BIOS to initialise SDRAM." SIS_FROM_NAME;
constexpr char SDRAM_MODE_REGISTER_SET[] =
    "0 Idle\r1 Issue a mode register set command to the SDRAM\r"
    "Used by the BIOS to initialise SDRAM." SIS_FROM_NAME;
constexpr char SDRAM_SIZING_REFRESH[] =
    "0 Idle\r1 Issue refresh cycles while the BIOS sizes the SDRAM" SIS_FROM_NAME;
constexpr char SDRAM_CAS_LATENCY[] =
    "CAS latency programmed into the SDRAM (2 or 3 clocks).\r"
    "The codes are not documented here.";
constexpr char SDRAM_BURST_TIMING[] =
    "Timing of SDRAM burst transfers.\rThe two settings are not documented here.";

// Drive strength.  86Box 5571 and 5598 let all of 59h and bits 1-0 of 5Ah change.
constexpr char DRIVE[] =
    "Output current of these pins, set by the BIOS for the board's loading.\r"
    "The two current levels are not documented here.";

// Cyrix 6x86 support: read-only in 86Box 5571 and 5598 (5Ah write mask 03h).
constexpr char CYRIX_SMAC_ACCESS[] =
    "0 Not active\r1 Active: SMM memory is reached as the 6x86 SMAC setting asks\r"
    "Read only; reflects the Cyrix 6x86 system management mode setting." SIS_FROM_NAME;
constexpr char CYRIX_NMAC_ACCESS[] =
    "0 Not active\r1 Active\r"
    "Read only; reflects the Cyrix 6x86 system management mode setting." SIS_FROM_NAME;
constexpr char CYRIX_CPU_PRESENT[] =
    "0 No Cyrix 6x86 detected\r1 Cyrix 6x86 processor present\rRead only." SIS_FROM_NAME;
