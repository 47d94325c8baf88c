// Register fields of the SiS 5571 host bridge (Pentium PCI/ISA, "Trinity").
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/sis_descriptions.h"
#include "pci/tables/tables.h"

const RegisterField fields_sis5571[] = {
    // PCI configuration header: PCI 2.1 header; power-on values and read-only
    // bits as 86Box 5571 has them (04h = 05h, 07h = 02h, 0Bh = 06h).
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
    {0x08, Fixed(7, 0), 0, "Chip Revision Code", "Read only: the silicon revision of the 5571."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 6, "Base Class Code", BASE_CLASS_CODE},
    {0x0C, Fixed(7, 0), 0, "Cache Line Size", CACHE_LINE_SIZE},
    {0x0D, Field(7, 0), 0, "PCI latency timer", PCI_LATENCY_TIMER},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", HEADER_TYPE_CODE},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", BIST_SUPPORTED},
    {0x0F, Fixed(6, 6), 0, "Start Test", START_TEST},
    {0x0F, Fixed(5, 4), 0, "Reserved", HEADER_RESERVED},
    {0x0F, Fixed(3, 0), 0, "Response Code", RESPONSE_CODE},

    // Host interface control: the bits 86Box 5571 lets change (50h mask ECh).
    {0x50, Field(7, 7), 0, "Pipeline Address Mode (NA# enable)", PIPELINE_ADDRESS_MODE},
    {0x50, Field(6, 6), 0, "Not assert NA# on Single Write", NO_NA_ON_SINGLE_WRITE},
    {0x50, Field(5, 5), 0, "PBSRAM Back to Back Timing", PBSRAM_BACK_TO_BACK_TIMING},
    {0x50, Field(4, 4), 0, "Reserved", RESERVED_KEEP_AS_READ},  // read-only in 86Box
    {0x50, Field(3, 3), 0, "Write Merge Enable", WRITE_MERGE_ENABLE},
    {0x50, Field(2, 2), 0, "Read/Write Reorder", READ_WRITE_REORDER},
    {0x50, Field(1, 0), 0, "Reserved", RESERVED_KEEP_AS_READ},

    // L2 cache control: 86Box 5571 lets all of 51h change and takes the L2
    // enable from bit 6; the size code is the one 86Box 5598 gives the
    // 5597/5598, whose 51h rows are the same as these.
    {0x51, Field(7, 7), 0, "L2 Cache Exists", L2_CACHE_EXISTS},
    {0x51, Field(6, 6), 0, "L2 Cache Enable", DISABLED_ENABLED},
    {0x51, Field(5, 4), 0, "L2 Cache Size",
     "10 512 KB\rThe codes of the other sizes are not documented here.\r"
     "Unconfirmed for the 5571: 86Box gives this code to the 5597/5598."},
    {0x51, Field(3, 3), 0, "L2 Cache WB/WT", L2_CACHE_WB_WT},
    {0x51, Field(2, 2), 0, "Linear Burst", LINEAR_BURST},
    {0x51, Field(1, 1), 0, "L2 Cache Tag Size", L2_CACHE_TAG_SIZE},
    {0x51, Field(0, 0), 0, "L2 Cache Sizing Enable", L2_CACHE_SIZING_ENABLE},

    // Miscellaneous control: 86Box 5571 lets bits 7, 6 and 4 of 52h change.
    {0x52, Field(7, 7), 0, "CPU L1 Cache WB/WT", CPU_L1_CACHE_WB_WT},
    {0x52, Field(6, 6), 0, "Turbo Read Mode", DISABLED_ENABLED_BY_NAME},
    {0x52, Field(5, 5), 0, "Reserved", RESERVED_KEEP_AS_READ},
    {0x52, Field(4, 4), 0, "SRAM Type",
     "Selects asynchronous or pipelined burst SRAM for the L2 data.\r"
     "The codes are not documented here."},  // name only
    {0x52, Field(3, 3), 0, "Reserved", RESERVED_KEEP_AS_READ},
    {0x52, Field(2, 2), 0, "Reserved", RESERVED_KEEP_AS_READ},

    // DRAM control: 86Box 5571 lets bits 7-1 of 53h change; names only.
    {0x53, Field(7, 7), 0, "DRAM Leadoff Time",
     "Leadoff (first data) timing of DRAM read cycles.\r"
     "The clock counts of the two settings are not documented here."},
    {0x53, Field(6, 6), 0, "Read after Write turn around cycle",
     READ_AFTER_WRITE_TURN_AROUND_CYCLE},
    {0x53, Field(5, 5), 0, "Always Page Miss after Write", ALWAYS_PAGE_MISS_AFTER_WRITE},
    {0x53, Field(4, 4), 0, "Always Page Miss after Data Read", ALWAYS_PAGE_MISS_AFTER_DATA_READ},
    {0x53, Field(3, 3), 0, "Always Page Miss after Code Read", ALWAYS_PAGE_MISS_AFTER_CODE_READ},
    {0x53, Field(2, 1), 0, "DRAM Refresh Cycle", DRAM_REFRESH_CYCLE},

    // FPM/EDO DRAM timing: 86Box 5571 powers 54h on as 54h and lets bits
    // 7-5 of 55h and 2-0 of 56h change; names only.
    {0x54, Field(7, 6), 0, "RAS Pulse Width on Refresh", REFRESH_RAS_PULSE_WIDTH},
    {0x54, Field(5, 4), 0, "RAS Precharge Time", RAS_PRECHARGE_TIME},
    {0x54, Field(3, 2), 0, "RAS to CAS Delay", RAS_TO_CAS_DELAY},
    {0x54, Field(1, 1), 0, "CAS Pulse Width (FPM)", CAS_PULSE_WIDTH_FPM},
    {0x54, Field(0, 0), 0, "Reserved", RESERVED_KEEP_AS_READ},

    {0x55, Field(7, 7), 0, "DRAM Write Assertion Timing", DRAM_WRITE_ASSERTION_TIMING},
    {0x55, Field(6, 6), 0, "EDO Test Mode", EDO_TEST_MODE},
    {0x55, Field(5, 5), 0, "EDO back to Back Timing",
     "Timing of back-to-back EDO DRAM bursts.\rThe two settings are not documented here."},

    {0x56, Field(2, 0), 0, "MDLE Delay", MDLE_DELAY},

    // SDRAM control: 86Box 5571 lets bits 7-3 of 57h change; names only.
    {0x57, Field(7, 7), 0, "R_PRCH:SDRAM Precharge Command", SDRAM_PRECHARGE_COMMAND},
    {0x57, Field(6, 6), 0, "R_MRS:SDRAM Mode Register Set", SDRAM_MODE_REGISTER_SET},
    {0x57, Field(5, 5), 0, "R_SCBR:SDRAM sizing Refresh", SDRAM_SIZING_REFRESH},
    {0x57, Field(4, 4), 0, "SDRAM CAS Latency", SDRAM_CAS_LATENCY},
    {0x57, Field(3, 3), 0, "SDRAM Burst Timing", SDRAM_BURST_TIMING},

    // Drive strength: 86Box 5571 lets all of 59h and bits 1-0 of 5Ah change.
    {0x59, Field(7, 7), 0, "RAS[5:0]# Signal Drive Strength", DRIVE},
    {0x59, Field(6, 6), 0, "CAS[7:0]# Signal Drive Strength", DRIVE},
    {0x59, Field(5, 5), 0, "MA[11:2] Signal Drive Strength", DRIVE},
    {0x59, Field(4, 4), 0, "MA[1:0]A Signal Drive Strength", DRIVE},
    {0x59, Field(3, 3), 0, "MA[1:0]B Signal Drive Strength", DRIVE},
    {0x59, Field(2, 2), 0, "RAMWA# Signal Drive Strength", DRIVE},
    {0x59, Field(1, 1), 0, "RAMWB# Signal Drive Strength", DRIVE},
    {0x59, Field(0, 0), 0, "Memory Buffer Strength", DRIVE},
    {0x5A, Field(1, 1), 0, "AD[31:0] Signal Drive Strength", DRIVE},
    {0x5A, Field(0, 0), 0, "Other Signal Drive Strength", DRIVE},

    // Cyrix 6x86 support: read-only in 86Box 5571; names only.
    {0x5A, Field(7, 7), 0, "6x86 SMAC Access", CYRIX_SMAC_ACCESS},
    {0x5A, Field(6, 6), 0, "6x86 NMAC Access", CYRIX_NMAC_ACCESS},
    {0x5A, Field(5, 5), 0, "6x86 CPU Present", CYRIX_CPU_PRESENT},

    {0, 0, 0, nullptr, nullptr},
};
