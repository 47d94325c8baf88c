// Register fields of the SiS 5591 host bridge (Pentium PCI/AGP).  The table
// has no rows for the PCI configuration header.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/sis_descriptions.h"
#include "pci/tables/tables.h"

namespace {

constexpr char PAGE_MISS[] =
    "0 The DRAM page may stay open\r1 The page is closed: the next access misses" SIS_FROM_NAME;
// 86Box 5591 sets bits 2-0 of 63h for the banks it fills and ignores writes.
constexpr char BANK_STATUS[] =
    "0 Bank empty\r1 Bank populated\r"
    "86Box sets it from the memory fitted; whether the BIOS writes it is unconfirmed.";
// 86Box 5591 fills its banks with SDRAM and reads them with type 11.
constexpr char BANK_TYPE[] =
    "11 SDRAM\rThe codes of fast page mode and EDO DRAM are not documented here.";
// 86Box 5591 sets bit 5 for the banks of 16 MB and more, built of two sides.
constexpr char BANK_SIDES[] = "0 Single sided\r1 Double sided";
// 86Box 5591 bank codes: 00h 8 MB, 20h 16 MB, 24h 32 MB, 22h 64 MB, 26h 128 MB
// and 2Ah 256 MB, bit 5 marking two sides; each code thus names the capacity
// of one side of the bank (64 bits wide).
constexpr char BANK_CHIPS[] =
    "0000 8 MB per side\r0100 16 MB per side\r0010 32 MB per side\r0110 64 MB per side\r"
    "1010 128 MB per side\r"
    "The other codes select further chip organisations, not documented here.";

}  // namespace

// 86Box 5591 lets every bit of 50h-52h, 54h-5Ah and 5Ch-5Fh change, so its
// masks say nothing of which bits exist; the rows follow the chip's register
// list by name.
const RegisterField fields_sis5591[] = {
    // Host interface control: names only.
    {0x50, Field(7, 7), 0, "Pipeline Address Mode (NA# enable)", PIPELINE_ADDRESS_MODE},
    {0x50, Field(6, 6), 0, "Not assert NA# on Single Write", NO_NA_ON_SINGLE_WRITE},
    {0x50, Field(5, 5), 0, "PBSRAM Back to Back Timing", PBSRAM_BACK_TO_BACK_TIMING},
    {0x50, Field(4, 4), 0, "Fast NA# Assert", FAST_NA_ASSERT},

    // L2 cache control: 86Box 5591 takes the L2 enable from bit 7, not bit 6;
    // the rows keep the register list's names and say so.
    {0x51, Field(7, 7), 0, "L2 Cache Exists",
     "0 No L2 cache\r1 L2 cache installed\r"
     "86Box reads this bit as the L2 cache enable." SIS_FROM_NAME},
    {0x51, Field(6, 6), 0, "L2 Cache Enable",
     "0 Disabled\r1 Enabled\r"
     "86Box takes the L2 cache enable from bit 7 instead." SIS_FROM_NAME},
    {0x51, Field(5, 4), 0, "L2 Cache Size",
     "Size of the L2 cache.\rThe codes are not documented here."},
    {0x51, Field(3, 3), 0, "L2 Cache WB/WT", L2_CACHE_WB_WT},
    {0x51, Field(2, 2), 0, "Linear Burst", LINEAR_BURST},
    {0x51, Field(1, 1), 0, "L2 Cache Tag Size", L2_CACHE_TAG_SIZE},
    {0x51, Field(0, 0), 0, "L2 Cache Sizing Enable", L2_CACHE_SIZING_ENABLE},

    {0x52, Field(6, 6), 0, "Allocate L2 Entry for Single Read",
     "0 Single (non-burst) read misses leave the L2 cache alone\r"
     "1 Single read misses allocate an L2 line" SIS_FROM_NAME},
    {0x52, Field(1, 1), 0, "SRAM Power Down Test Mode",
     "0 Normal operation\r1 Test mode for the SRAM power-down logic" SIS_FROM_NAME},
    {0x52, Field(0, 0), 0, "Internal SRAM Test Mode",
     "0 Normal operation\r1 Test mode for the built-in tag and dirty RAM" SIS_FROM_NAME},

    // DRAM control: names only.
    {0x54, Field(5, 5), 0, "Read FIFO Control", READ_FIFO_CONTROL},
    {0x54, Field(3, 3), 0, "ECC Support",
     "0 Disabled\r1 Enabled: single-bit errors are corrected, double-bit errors reported\r"
     "Needs 72-bit memory modules." SIS_FROM_NAME},
    {0x54, Field(2, 2), 0, "Parity Check Support",
     "0 Disabled\r1 Enabled: DRAM parity errors are reported\rNeeds parity memory "
     "modules." SIS_FROM_NAME},

    {0x55, Field(7, 6), 0, "Paging Starting Point", PAGING_STARTING_POINT},
    {0x55, Field(3, 3), 0, "Force Page Miss after Write DRAM Cycle", PAGE_MISS},
    {0x55, Field(2, 2), 0, "Force Page Miss after Data Read DRAM Cycle", PAGE_MISS},
    {0x55, Field(1, 1), 0, "Force Page Miss after Code Read DRAM Cycle", PAGE_MISS},
    {0x55, Field(0, 0), 0, "Force Page Miss after Graphics Window Range Access", PAGE_MISS},

    {0x56, Field(7, 6), 0, "Refresh RAS# Pulse Width", REFRESH_RAS_PULSE_WIDTH},
    {0x56, Field(5, 4), 0, "Refresh Queue Depth",
     "How many refresh requests may wait before refresh takes priority.\r"
     "The codes are not documented here."},
    {0x56, Field(3, 3), 0, "Refresh Cycle Time",
     "Period of the DRAM refresh requests.\rThe two settings are not documented here."},
    {0x56, Field(0, 0), 0, "Refresh Test Mode",
     "0 Normal operation\r1 Refresh test mode" SIS_FROM_NAME},

    {0x57, Field(7, 7), 0, "DRAM Read Lead-off Time Delay",
     "0 No added delay\r1 DRAM read leadoff delayed" SIS_FROM_NAME},
    {0x57, Field(6, 5), 0, "DRAW Read Command Timing",
     "Timing of the DRAM read command.\rThe codes are not documented here."},

    {0x58, Field(7, 6), 0, "RAS Precharge Time for SDRAM & EDO/FPM", RAS_PRECHARGE_TIME},
    {0x58, Field(5, 4), 0, "RAS to CAS Delay for SDRAM & EDO/FPM", RAS_TO_CAS_DELAY},
    {0x58, Field(3, 3), 0, "DRAW Read CAS# Pulse Width for EDO",
     "CAS# active time of EDO reads.\rThe two settings are not documented here."},
    {0x58, Field(2, 2), 0, "DRAW Read CAS# Pulse Width for FPM",
     "CAS# active time of fast page mode reads.\rThe two settings are not documented here."},
    {0x58, Field(1, 1), 0, "DRAW Write CAS# Pulse Width for EDO",
     "CAS# active time of EDO writes.\rThe two settings are not documented here."},
    {0x58, Field(0, 0), 0, "DRAW Write CAS# Pulse Width for FPM",
     "CAS# active time of fast page mode writes.\rThe two settings are not documented here."},

    {0x59, Field(7, 6), 0, "CAS# Precharge Time for FPM", CAS_PRECHARGE_FPM},
    {0x59, Field(5, 4), 0, "CAS# Precharge Time for EDO", CAS_PRECHARGE_EDO},
    {0x59, Field(0, 0), 0, "EDO Test Mode (for BIOS init)", EDO_TEST_MODE},

    {0x5A, Field(3, 3), 0, "RAMW# Assertion Timing when Read Cycle Followed by Write Cycle",
     "When RAMW# is asserted for a write that follows a read.\r"
     "The two settings are not documented here."},
    {0x5A, Field(2, 0), 0, "MDLE Delay", MDLE_DELAY},

    // SDRAM control: names only.
    {0x5C, Field(7, 7), 0, "Issue SDRAM Precharge Command", SDRAM_PRECHARGE_COMMAND},
    {0x5C, Field(6, 6), 0, "Issue SDRAM Mode Register Set Command", SDRAM_MODE_REGISTER_SET},
    {0x5C, Field(5, 5), 0, "Issue SDRAM Refresh Command",
     "0 Idle\r1 Issue a refresh command to the SDRAM" SIS_FROM_NAME},
    {0x5C, Field(4, 4), 0, "SDRAM Initialization Mode Selection",
     "Selects how the SDRAM initialisation sequence is run.\r"
     "The two settings are not documented here."},

    {0x5D, Field(7, 7), 0, "SDRAM Fast Read", DISABLED_ENABLED_BY_NAME},
    {0x5D, Field(5, 5), 0, "SDRAM Back-to-Back Read Timing",
     "Timing of back-to-back SDRAM reads.\rThe two settings are not documented here."},
    {0x5D, Field(4, 4), 0, "SDRAM Write Retire Rate",
     "Rate at which buffered writes are retired to SDRAM.\r"
     "The two settings are not documented here."},
    {0x5D, Field(3, 3), 0, "SDRAM CAS# Latency", SDRAM_CAS_LATENCY},
    {0x5D, Field(2, 2), 0, "SDRAM Read Timing on Write After Read",
     "Timing of an SDRAM read that follows a write.\rThe two settings are not documented here."},
    {0x5D, Field(1, 1), 0, "SDRAM CS# Assertion Timing in Refresh Cycles",
     "When CS# is asserted in SDRAM refresh cycles.\r"
     "The two settings are not documented here."},

    {0x5E, Field(7, 7), 0, "SDRAM SRAS#/SCAS#/RAMW# Timing",
     "Timing of the SDRAM command signals.\rThe two settings are not documented here."},
    {0x5E, Field(6, 6), 0, "SDRAM Optimal RAS Precharge Time Control", DISABLED_ENABLED_BY_NAME},
    {0x5E, Field(5, 5), 0, "SDRAM Precharge Command Timing Control",
     "Timing of the SDRAM precharge command.\rThe two settings are not documented here."},

    {0x5F, Field(7, 4), 0, "SDRAM DQM Timing Control",
     "Timing of the SDRAM DQM byte masks.\rThe codes are not documented here."},
    {0x5F, Field(3, 0), 0, "SDRAM CS# Timing Control",
     "Timing of the SDRAM chip selects.\rThe codes are not documented here."},

    // DRAM banks, each bank's status bit in 63h before its register: the
    // codes 86Box 5591 writes for the memory it fits.
    {0x63, Field(0, 0), 0, "Bank 0 DRAM Status", BANK_STATUS},
    {0x60, Field(7, 6), 0, "Bank 0 DRAM Type", BANK_TYPE},
    {0x60, Field(5, 5), 0, "Bank 0 DRAM Double/Single Sided", BANK_SIDES},
    {0x60, Field(3, 0), 0, "Bank 0 DRAM Chip Type", BANK_CHIPS},
    {0x63, Field(1, 1), 0, "Bank 1 DRAM Status", BANK_STATUS},
    {0x61, Field(7, 6), 0, "Bank 1 DRAM Type", BANK_TYPE},
    {0x61, Field(5, 5), 0, "Bank 1 DRAM Double/Single Sided", BANK_SIDES},
    {0x61, Field(3, 0), 0, "Bank 1 DRAM Chip Type", BANK_CHIPS},
    {0x63, Field(2, 2), 0, "Bank 2 DRAM Status", BANK_STATUS},
    {0x62, Field(7, 6), 0, "Bank 2 DRAM Type", BANK_TYPE},
    {0x62, Field(5, 5), 0, "Bank 2 DRAM Double/Single Sided", BANK_SIDES},
    {0x62, Field(3, 0), 0, "Bank 2 DRAM Chip Type", BANK_CHIPS},

    {0, 0, 0, nullptr, nullptr},
};
