// Register fields of the SiS 5597/5598 host bridge (Pentium PCI/ISA with built-in VGA).
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/sis_descriptions.h"
#include "pci/tables/tables.h"

const RegisterField fields_sis5597[] = {
    // PCI configuration header: PCI 2.1 header; 86Box 5598 keeps the same
    // bits read-only (04h mask 03h, 05h mask 02h).
    {0x05, RESERVED_COMMAND_SPAN, 0, "Reserved", HEADER_RESERVED},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable", FAST_BACK_TO_BACK_CYCLE_ENABLE},
    {0x05, Field(0, 0), 0, "SERR# Enable", SERR_OUTPUT_ENABLE},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping", ADDRESS_DATA_STEPPING},
    {0x04, Field(6, 6), 0, "Parity Error Response", PARITY_ERROR_RESPONSE},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop", VGA_PALETTE_SNOOP},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command", MEMORY_WRITE_INVALIDATE},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring", SPECIAL_CYCLE_MONITORING},
    {0x04, Fixed(2, 2), 1, "Bus Master", BUS_MASTER},
    {0x04, Fixed(1, 1), 1, "Memory Space", MEMORY_SPACE},
    {0x04, Fixed(0, 0), 1, "PCI I/O Space", PCI_IO_SPACE},
    {0x07, Field(7, 7), 0, "Detected Parity Error", DETECTED_PARITY_ERROR},
    {0x07, Field(6, 6), 0, "Signaled System Error", SIGNALED_SYSTEM_ERROR},
    {0x07, Field(5, 5), 0, "Signaled Master Abort", SIGNALED_MASTER_ABORT},
    {0x07, Field(4, 4), 0, "Received Target Abort", RECEIVED_TARGET_ABORT},
    {0x07, Field(3, 3), 0, "Signaled Target Abort", SIGNALED_TARGET_ABORT},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing", DEVSEL_TIMING},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected", DATA_PARITY_ERROR_DETECTED},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable", FAST_BACK_TO_BACK_CAPABLE},
    {0x06, Fixed(6, 6), 0, "Reserved", HEADER_RESERVED},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable", PCI_66MHZ_CAPABLE},
    {0x06, Fixed(3, 0), 0, "Reserved", HEADER_RESERVED},
    {0x08, Fixed(7, 0), 0, "Chip Revision Code",
     "Read only: the silicon revision of the 5597/5598."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 6, "Base Class Code", BASE_CLASS_CODE},
    {0x0C, Fixed(7, 0), 0, "Cache Line Size", CACHE_LINE_SIZE},
    // Linux fixup.c caps the latency timer at 32 on the 5597 and 5598.
    {0x0D, Field(7, 0), 0, "PCI latency timer",
     "Number of PCI clocks the bridge may keep the bus as a master once its grant is taken "
     "away.\rKeep it at 32 clocks or less: longer settings can lock up the 5597/5598."},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", HEADER_TYPE_CODE},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", BIST_SUPPORTED},
    {0x0F, Fixed(6, 6), 0, "Start Test", START_TEST},
    {0x0F, Fixed(5, 4), 0, "Reserved", HEADER_RESERVED},
    {0x0F, Fixed(3, 0), 0, "Response Code", RESPONSE_CODE},

    // Host interface control: the bits 86Box 5598 lets change (50h mask FCh).
    {0x50, Field(7, 7), 0, "Pipeline Address Mode (NA# enable)", PIPELINE_ADDRESS_MODE},
    {0x50, Field(6, 6), 0, "Not assert NA# on Single Write", NO_NA_ON_SINGLE_WRITE},
    {0x50, Field(5, 5), 0, "PBSRAM Back to Back Timing", PBSRAM_BACK_TO_BACK_TIMING},
    {0x50, Field(4, 4), 0, "Fast NA# Assert", FAST_NA_ASSERT},
    {0x50, Field(3, 3), 0, "Write Merge Enable", WRITE_MERGE_ENABLE},
    {0x50, Field(2, 2), 0, "Read/Write Reorder", READ_WRITE_REORDER},
    {0x50, Field(1, 0), 0, "Reserved", RESERVED_KEEP_AS_READ},

    // L2 cache control: 86Box 5598 and 5581 take the L2 enable from bit 6,
    // 86Box 5598 reads size code 10 as 512 KB; the 5597 datasheet names the
    // two sizes.
    {0x51, Field(7, 7), 0, "L2 Cache Exists", L2_CACHE_EXISTS},
    {0x51, Field(6, 6), 0, "L2 Cache Enable", DISABLED_ENABLED},
    {0x51, Field(5, 4), 0, "L2 Cache Size",
     "10 512 KB\rThe chip takes 256 KB or 512 KB of pipelined burst SRAM; "
     "the code of 256 KB is not documented here."},
    {0x51, Field(3, 3), 0, "L2 Cache WB/WT", L2_CACHE_WB_WT},
    {0x51, Field(2, 2), 0, "Linear Burst", LINEAR_BURST},
    {0x51, Field(1, 1), 0, "L2 Cache Tag Size", L2_CACHE_TAG_SIZE},
    {0x51, Field(0, 0), 0, "L2 Cache Sizing Enable", L2_CACHE_SIZING_ENABLE},

    // Miscellaneous control: 86Box 5598 lets bits 7-5 and 1-0 of 52h change;
    // 86Box 5581 lets bit 3 change as well.
    {0x52, Field(7, 7), 0, "CPU L1 Cache WB/WT", CPU_L1_CACHE_WB_WT},
    {0x52, Field(6, 6), 0, "Turbo Read Mode", DISABLED_ENABLED_BY_NAME},
    {0x52, Field(5, 5), 0, "Reead FIFO Control", READ_FIFO_CONTROL},
    {0x52, Field(3, 3), 0, "Reserved", RESERVED_KEEP_AS_READ},
    {0x52, Field(2, 2), 0, "Reserved", RESERVED_KEEP_AS_READ},
    {0x52, Field(1, 1), 0, "DRAM Refresh Mode",
     "Selects how DRAM refresh cycles are generated.\rThe two modes are not documented here."},
    // The 5597 datasheet names a built-in 16 Kbit dirty RAM as the chip's
    // only internal SRAM.
    {0x52, Field(0, 0), 0, "Internal SRAM Test Mode",
     "0 Normal operation\r1 Test mode for the built-in dirty RAM" SIS_FROM_NAME},

    // DRAM control: all of 53h writable in 86Box 5598, bits 7-1 in 86Box 5581;
    // names only.
    {0x53, Field(7, 6), 0, "Paging Starting Point", PAGING_STARTING_POINT},
    {0x53, Field(6, 6), 0, "Read after Write turn around cycle",
     READ_AFTER_WRITE_TURN_AROUND_CYCLE},
    {0x53, Field(5, 5), 0, "Always Page Miss after Write", ALWAYS_PAGE_MISS_AFTER_WRITE},
    {0x53, Field(4, 4), 0, "Always Page Miss after Data Read", ALWAYS_PAGE_MISS_AFTER_DATA_READ},
    {0x53, Field(3, 3), 0, "Always Page Miss after Code Read", ALWAYS_PAGE_MISS_AFTER_CODE_READ},
    {0x53, Field(2, 1), 0, "DRAM Refresh Cycle", DRAM_REFRESH_CYCLE},

    // FPM/EDO DRAM timing: 86Box 5598 lets all of 54h and 56h and bits 7-1
    // of 55h change; names only.
    {0x54, Field(7, 6), 0, "RAS Pulse Width on Refresh", REFRESH_RAS_PULSE_WIDTH},
    {0x54, Field(5, 4), 0, "RAS Precharge Time", RAS_PRECHARGE_TIME},
    {0x54, Field(3, 2), 0, "RAS to CAS Delay", RAS_TO_CAS_DELAY},
    {0x54, Field(1, 1), 0, "CAS Pulse Width (FPM)", CAS_PULSE_WIDTH_FPM},
    {0x54, Field(0, 0), 0, "CAS Pulse Width (EDO)",
     "CAS# active time for EDO DRAM.\rThe codes are not documented here."},

    {0x55, Field(7, 7), 0, "DRAM Write Assertion Timing", DRAM_WRITE_ASSERTION_TIMING},
    {0x55, Field(6, 6), 0, "EDO Test Mode", EDO_TEST_MODE},
    {0x55, Field(5, 5), 0, "SDRAM Read Cycle Delay When Pipelined",
     "0 No added delay\r1 Pipelined SDRAM reads are delayed" SIS_FROM_NAME},
    {0x55, Field(4, 3), 0, "CAS Precharge Time (FPM)", CAS_PRECHARGE_FPM},
    {0x55, Field(2, 1), 0, "CAS Precharge Time (EDO)", CAS_PRECHARGE_EDO},

    {0x56, Field(7, 7), 0, "SDRAM Pre-state",
     "State the SDRAM banks are left in between cycles.\r"
     "The two settings are not documented here."},
    {0x56, Field(6, 6), 0, "EDO/FPM Leadoff Cycle Delay",
     "0 No added leadoff delay\r1 EDO/FPM DRAM leadoff delayed" SIS_FROM_NAME},
    {0x56, Field(5, 4), 0, "SDRAM Leadoff Cycle Delay",
     "Added leadoff delay of SDRAM cycles.\rThe codes are not documented here."},
    {0x56, Field(3, 3), 0, "SDRAM Sizing",
     "0 Normal operation\r1 Sizing mode, used by the BIOS while it detects SDRAM" SIS_FROM_NAME},
    {0x56, Field(2, 0), 0, "MDLE Delay", MDLE_DELAY},

    // SDRAM control: all of 57h writable in 86Box 5598; names only.
    {0x57, Field(7, 7), 0, "R_PRCH:SDRAM Precharge Command", SDRAM_PRECHARGE_COMMAND},
    {0x57, Field(6, 6), 0, "R_MRS:SDRAM Mode Register Set", SDRAM_MODE_REGISTER_SET},
    {0x57, Field(5, 5), 0, "R_SCBR:SDRAM sizing Refresh", SDRAM_SIZING_REFRESH},
    {0x57, Field(4, 4), 0, "SDRAM CAS Latency", SDRAM_CAS_LATENCY},
    {0x57, Field(3, 3), 0, "SDRAM Burst Timing", SDRAM_BURST_TIMING},
    {0x57, Field(2, 2), 0, "SDRAM Wait State",
     "0 No wait state\r1 One wait state added to SDRAM cycles" SIS_FROM_NAME},

    // Drive strength: 86Box 5598 lets all of 59h and bits 1-0 of 5Ah change.
    {0x59, Field(7, 7), 0, "RAS[5:0]# Signal Drive Strength", DRIVE},
    {0x59, Field(6, 6), 0, "CAS[7:0]# Signal Drive Strength", DRIVE},
    {0x59, Field(5, 5), 0, "MA[14:2] Signal Drive Strength", DRIVE},
    {0x59, Field(4, 4), 0, "MA[1:0]A Signal Drive Strength", DRIVE},
    {0x59, Field(3, 3), 0, "MA[1:0]B Signal Drive Strength", DRIVE},
    {0x59, Field(2, 2), 0, "RAMWA#/RAMWC# Signal Drive Strength", DRIVE},
    {0x59, Field(1, 1), 0, "RAMWB# Signal Drive Strength", DRIVE},
    {0x59, Field(0, 0), 0, "SRAS#/SCAS# Drive Strength", DRIVE},
    {0x5A, Field(1, 1), 0, "AD[31:0] Signal Drive Strength", DRIVE},
    {0x5A, Field(0, 0), 0, "Other Signal Drive Strength", DRIVE},

    // Cyrix 6x86 support: read-only in 86Box 5598; names only.
    {0x5A, Field(7, 7), 0, "6x86 SMAC Access", CYRIX_SMAC_ACCESS},
    {0x5A, Field(6, 6), 0, "6x86 NMAC Access", CYRIX_NMAC_ACCESS},
    {0x5A, Field(5, 5), 0, "6x86 CPU Present", CYRIX_CPU_PRESENT},

    {0, 0, 0, nullptr, nullptr},
};
