// Descriptions of the Intel 82443BX/ZX host bridge's registers that the
// 82443GX's table shares word for word: 86Box models the GX as a BX, and no
// public source shows the GX laying these registers out differently.
// Sources as in intel_82443bx.cpp: RBIL INTERRUP.E tables 01142-01163,
// coreboot src/northbridge/intel/i440bx, 86Box src/chipset/intel_4x0.c.
#pragma once

constexpr char TWO_OR_THREE_CLOCKS[] = "0 3 clocks\r1 2 clocks";

// 74h-75h SDRAM row page size, RBIL 01150.
constexpr char ROW_PAGE_SIZE[] = "00 2 KB\r01 4 KB\r10 8 KB\r11 Reserved\rEDO rows use 2 KB.";
// 79h banks per row, RBIL 01152 and coreboot (RBIL's "bit 7 is row 0"
// contradicts its own bits 15-8; bit 8, 79h bit 0, is row 0).
constexpr char BANKS_PER_ROW[] = "0 Two banks\r1 Four banks";

// 80h-83h error address pointer, RBIL 01155.
constexpr char ERROR_ADDRESS[] =
    "Bits of the address at which the first parity or ECC error occurred.\rRead only.";
constexpr char SCRR_RATE[] =
    "OSCCLKs between two refresh requests while suspended; bits 11-0 span 7Ch and 7Bh.\r"
    "Default 038h.";

constexpr char BX_IN_ORDER_QUEUE_DEPTH[] =
    "0 Depth 1: no pipelining on the processor bus\r1 The maximum, four";
constexpr char BX_AGP_TO_PCI_ACCESS_ENABLE[] =
    "0 Disabled\r1 Enabled\rAGP-to-PCI traffic may not target ISA devices.";
constexpr char BX_HOST_BUS_FAST_DATA_READY[] =
    "0 DRAM data on the host bus one clock after the snoop result is sampled\r"
    "1 DRAM data on the same clock as the snoop result: one clock faster";
constexpr char BX_IDSEL_REDIRECTION[] =
    "0 The bridge takes IDSEL1 (AD12)\r1 The bridge takes IDSEL7 (AD18); bus 0 device 7 "
    "configuration cycles go to device 1";
constexpr char BX_SDRAM_ROWS_WITHOUT_ECC[] =
    "One bit per row, bit 0 for row 0: a set bit marks a row without ECC components.\r"
    "A double-sided DIMM takes two rows.";
constexpr char BX_DRAM_REFRESH_RATE[] =
    "000 Refresh disabled\r001 15.6 us\r010 31.2 us\r011 62.4 us\r100 124.8 us\r101 249.6 us\r"
    "11x Reserved";
constexpr char BX_MODULE_MODE_CONFIGURATION[] =
    "0 Staggered self-refresh entry; with SDRAMPWR (76h bit 4) set, 3 DIMMs and dynamic "
    "power-down, else 4 DIMMs without it\r1 Self-refresh entry not staggered; 3 DIMMs, only "
    "CKE0 driven, no dynamic power-down\rRead only.";
constexpr char BX_EXTENDED_SMRAM_ACCESS_ERROR[] =
    "Write 1 to clear\r0 None\r1 The extended SMRAM range was accessed outside SMM while the "
    "space was not open";
constexpr char BX_HIGH_SMRAM_ENABLE[] =
    "0 Compatible SMRAM at A0000h\r1 High SMRAM at 100A0000h-100FFFFFh, reaching DRAM "
    "A0000h-FFFFFh";
// 73h bits 5-3, RBIL 01149.
constexpr char BX_HARDWIRED_ENABLED[] = "1 Enabled\rHardwired to 1.";
constexpr char BX_TSEG_ENABLE[] =
    "0 Disabled\r1 The top of DRAM becomes extended SMRAM, 256 MB above its own address\r"
    "Read only once SMRAM is locked.";
constexpr char BX_TSEG_SIZE[] =
    "00 128 KB\r01 256 KB\r10 512 KB\r11 1 MB\rRead only once SMRAM is locked.";
constexpr char BX_LEADOFF_COMMAND_TIMING[] =
    "0 4 CS# clocks: 100 MHz, or 66 MHz with heavy address loads\r"
    "1 3 CS# clocks: 66 MHz with light loads";
constexpr char BX_SDRAMPWR[] =
    "0 3 DIMM configuration\r1 4 DIMM configuration\rWith 57h bit 5, sets how the CKE "
    "signals are driven.";
constexpr char BX_SDRAM_CAS_LATENCY[] = "0 3 DCLKs\r1 2 DCLKs";
constexpr char BX_SDRAM_MODE_SELECT[] =
    "000 Normal operation\r001 NOP command on every SDRAM cycle\r"
    "010 All-banks precharge on every SDRAM cycle\r011 Mode register set on every SDRAM "
    "cycle\r100 CBR cycle on every SDRAM cycle\r101 Reserved\r11x Reserved\r"
    "The special modes serve SDRAM initialization by the BIOS.";
constexpr char BX_DRAM_IDLE_TIMER[] =
    "0000 0 clocks\r0001 2 clocks\r0010 4 clocks\r0011 8 clocks\r0100 10 clocks\r"
    "0101 12 clocks\r0110 16 clocks\r0111 32 clocks\r1xxx Never: pages stay open when idle\r"
    "Idle clocks before all open pages are precharged.";
constexpr char BX_ACPI_CONTROL_REGISTER_ENABLE[] =
    "0 Disabled\r1 The ACPI control register answers at port 22h";
constexpr char BX_GATED_CLOCK_ENABLE[] = "0 Disabled\r1 Clocks gated while all buses are idle";
constexpr char BX_NORMAL_REFRESH_ENABLE[] =
    "0 Disabled\r1 Enabled\rMust be set before DRAM is used after a reset.";
constexpr char BX_QUICK_START_MODE[] = "0 Off\r1 Processor quick start mode\rRead only.";
constexpr char BX_SUSPEND_REFRESH_TYPE[] =
    "0 CBR refresh\r1 Self refresh\rRBIL's 82443BX table reads the two codes the other way "
    "round.";
constexpr char BX_SUSPEND_CBR_REFRESH_AUTO_ADJUST[] =
    "0 Off: bits 11-0 must cover the worst case\r1 Rate adjusted from the OSCCLKs counted";
constexpr char BX_SERR_MODE[] =
    "0 Asserted for one PCI clock\r1 Level mode, for SERR# wired to EXTSMI#";
constexpr char BX_SERR_ON_MULTIPLE_BIT_DRAM_ERROR[] =
    "0 No SERR# for this error\r1 SERR# asserted\rClear on systems without ECC.";
constexpr char BX_SERR_ON_SINGLE_BIT_ECC_ERROR[] =
    "0 No SERR# for this error\r1 SERR# asserted\rClear on systems without ECC.";
constexpr char BX_SNOOPABLE_WRITE_AGP_READ_ORDERING_DISABLE[] =
    "0 Snoopable writes and AGP reads kept in order\r1 Ordering not forced";
