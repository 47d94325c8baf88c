// Register fields of the SiS 5596 host bridge (Pentium PCI, memory and VGA controller).
// 86Box has no model of the 5596; its model of the 5511 (86Box 5511) keeps the
// L2 enable in 50h bit 6 and the DRAM bank registers in 70h-7Fh as this table
// does, but names no bits beyond that.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/sis_descriptions.h"
#include "pci/tables/tables.h"

namespace {

constexpr char BANK_SIZE[] =
    "Size of this side of the bank, written by the BIOS after it has sized the DRAM.\r"
    "The unit is not documented here.";
constexpr char BANK_WIDTH[] = "Data width of this bank.\rThe codes are not documented here.";
constexpr char BANK_TYPE[] =
    "DRAM chip organisation of this bank, as found by the BIOS.\r"
    "The codes are not documented here.";
// 86Box 5511 powers the odd-odd bank registers (73h, 77h, ...) on with bit 7
// set and lets it change.
constexpr char POPULATED[] = "0 Empty\r1 Populated" SIS_FROM_NAME;
constexpr char BANK_FPM_EDO[] = "0 Fast page mode DRAM\r1 EDO DRAM" SIS_FROM_NAME;

}  // namespace

const RegisterField fields_sis5596[] = {
    // PCI configuration header: PCI 2.1 header, as on the 5571.
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
    {0x08, Fixed(7, 0), 0, "Chip Revision Code", "Read only: the silicon revision of the 5596."},
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

    // Cache control: the L2 enable as in 86Box 5511; the rest by name only.
    {0x50, Field(7, 7), 0, "L2 Cache Exists", L2_CACHE_EXISTS},
    {0x50, Field(6, 6), 0, "L2 Cache Enable", DISABLED_ENABLED},
    {0x50, Field(5, 4), 0, "L2 SRAM Type",
     "Kind of SRAM used for the L2 data: asynchronous, burst or pipelined burst.\r"
     "The codes are not documented here."},
    {0x50, Field(3, 3), 0, "L2 Cache WB/WT", L2_CACHE_WB_WT},
    {0x50, Field(2, 1), 0, "L2 Cache Size",
     "Size of the L2 cache.\rThe codes are not documented here."},
    {0x50, Field(0, 0), 0, "CPU L1 Cache WB/WT", CPU_L1_CACHE_WB_WT},

    {0x51, Field(4, 4), 0, "PBSRAM Leadoff Timing",
     "Leadoff timing of pipelined burst SRAM reads.\r"
     "The two settings are not documented here."},
    {0x51, Field(3, 3), 0, "Linear Burst", LINEAR_BURST},
    {0x51, Field(2, 2), 0, "L2 Cache Tag Size", L2_CACHE_TAG_SIZE},
    {0x51, Field(1, 1), 0, "L2 Cache Sizing Enable", L2_CACHE_SIZING_ENABLE},

    // EDO/FPM DRAM timing: names only.
    {0x52, Field(6, 6), 0, "Reserved", RESERVED_KEEP_AS_READ},
    {0x52, Field(5, 5), 0, "FPM CAS Precharge Timing",
     "CAS# precharge time for fast page mode DRAM.\rThe two settings are not documented here."},
    {0x52, Field(4, 3), 0, "EDO CAS Pulse Width",
     "CAS# active time for EDO DRAM, in CPU clocks.\rThe codes are not documented here."},
    {0x52, Field(2, 2), 0, "EDO CAS Precharge Timing",
     "CAS# precharge time for EDO DRAM.\rThe two settings are not documented here."},
    {0x52, Field(1, 1), 0, "MDLE Timing on EDO Read",
     "When the memory data latch enable samples EDO read data.\r"
     "The two settings are not documented here."},
    {0x52, Field(0, 0), 0, "BRDY# Timing on EDO Read",
     "When BRDY# is returned to the CPU in EDO reads.\r"
     "The two settings are not documented here."},

    {0x53, Field(7, 6), 0, "DRAM RAS to CAS Delay", RAS_TO_CAS_DELAY},
    {0x53, Field(5, 4), 0, "DRAM RAS Precharge (FPM)",
     "RAS# precharge time for fast page mode DRAM, in CPU clocks.\r"
     "The codes are not documented here."},
    {0x53, Field(3, 2), 0, "DRAM RAS Active on Refresh", REFRESH_RAS_PULSE_WIDTH},
    {0x53, Field(1, 1), 0, "DRAM RAS Precharge (EDO)",
     "RAS# precharge time for EDO DRAM.\rThe two settings are not documented here."},
    {0x53, Field(0, 0), 0, "CAS Deley on Posted Write (EDO)",
     "0 No added delay\r1 CAS# delayed in posted writes to EDO DRAM" SIS_FROM_NAME},

    {0x54, Field(4, 4), 0, "RAMW# Power Saving on EDO Bank", DISABLED_ENABLED_BY_NAME},
    {0x54, Field(3, 3), 0, "Burst Write (NA#) Disable",
     "0 Pipelined burst writes allowed\r1 Pipelined burst writes disabled" SIS_FROM_NAME},

    {0x55, Field(7, 7), 0, "Slow Refresh (1:4)",
     "0 Normal refresh rate\r1 Slow refresh: one refresh in four of the normal periods\r"
     "Only for DRAM that keeps its data with the slower rate." SIS_FROM_NAME},
    {0x55, Field(6, 6), 0, "Deturbo",
     "0 Normal speed\r1 Deturbo: the processor is slowed for speed-sensitive "
     "software" SIS_FROM_NAME},
    {0x55, Field(3, 3), 0, "RAS[3:0]# Drive Strength", DRIVE},

    {0x5D, Field(4, 4), 0, "CAS[7:0]# Buffer Strength", DRIVE},
    {0x5D, Field(3, 3), 0, "CAS[7:0]# Drive Strength", DRIVE},
    {0x5D, Field(2, 2), 0, "MA[11:0]# Buffer Strength", DRIVE},
    {0x5D, Field(0, 0), 0, "RAS[3:0]# Buffer Strength", DRIVE},

    // DRAM banks: two registers per side, two sides per bank; names only.
    {0x70, Field(7, 0), 0, "DRAM Size Bank0#0", BANK_SIZE},
    {0x71, Field(7, 7), 0, "Bank0#0 Mem bit Width", BANK_WIDTH},
    {0x71, Field(6, 6), 0, "Bank0#0 FPM/EDO", BANK_FPM_EDO},
    {0x71, Field(4, 2), 0, "Bank0#0 DRAM Type", BANK_TYPE},
    {0x72, Field(7, 0), 0, "DRAM Size Bank0#1", BANK_SIZE},
    {0x73, Field(7, 7), 0, "Bank0#1 Populated", POPULATED},
    {0x73, Field(4, 3), 0, "Bank0#1 DRAM Type", BANK_TYPE},
    {0x74, Field(7, 0), 0, "DRAM Size Bank1#0", BANK_SIZE},
    {0x75, Field(7, 7), 0, "Bank1#0 Mem bit Width", BANK_WIDTH},
    {0x75, Field(6, 6), 0, "Bank1#0 FPM/EDO", BANK_FPM_EDO},
    {0x75, Field(4, 2), 0, "Bank1#0 DRAM Type", BANK_TYPE},
    {0x76, Field(7, 0), 0, "DRAM Size Bank1#1", BANK_SIZE},
    {0x77, Field(7, 7), 0, "Bank1#1 Populated", POPULATED},
    {0x77, Field(4, 3), 0, "Bank1#1 DRAM Type", BANK_TYPE},
    {0x78, Field(7, 0), 0, "DRAM Size Bank2#0", BANK_SIZE},
    {0x79, Field(7, 7), 0, "Bank2#0 Mem bit Width", BANK_WIDTH},
    {0x79, Field(6, 6), 0, "Bank2#0 FPM/EDO", BANK_FPM_EDO},
    {0x79, Field(4, 2), 0, "Bank2#0 DRAM Type", BANK_TYPE},
    {0x7A, Field(7, 0), 0, "DRAM Size Bank2#1", BANK_SIZE},
    {0x7B, Field(7, 7), 0, "Bank2#1 Populated", POPULATED},
    {0x7B, Field(4, 3), 0, "Bank0#1 DRAM Type", BANK_TYPE},
    {0x7C, Field(7, 0), 0, "DRAM Size Bank3#0", BANK_SIZE},
    {0x7D, Field(7, 7), 0, "Bank3#0 Mem bit Width", BANK_WIDTH},
    {0x7D, Field(6, 6), 0, "Bank3#0 FPM/EDO", BANK_FPM_EDO},
    {0x7D, Field(4, 2), 0, "Bank3#0 DRAM Type", BANK_TYPE},
    {0x7E, Field(7, 0), 0, "DRAM Size Bank3#1", BANK_SIZE},
    {0x7F, Field(7, 7), 0, "Bank3#1 Populated", POPULATED},
    {0x7F, Field(4, 3), 0, "Bank3#1 DRAM Type", BANK_TYPE},

    {0, 0, 0, nullptr, nullptr},
};
