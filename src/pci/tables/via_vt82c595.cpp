// Register fields of the VIA VT82C595 system controller (Apollo VP2, also
// sold as the AMD-640): L2 cache control, non-cacheable regions, DRAM
// banks, shadow RAM, DRAM timing, refresh, SDRAM control and drive strength.
// The chip has no rows for its PCI header here; its table starts at 50h.
//
// Every row follows Ralf Brown's Interrupt List (INTERRUP.E, the AMD-640
// tables 00983-01001, the one public register reference of this chip); the
// comment beside each group names the table.  Write masks are checked against
// 86Box via_apollo.c.  Where RBIL and this table disagree on a row whose
// text is kept, the description's note says what RBIL says.
//
// noted_value carries a reference setting of the bank ending, memory-map and
// DRAM timing fields: the power-on value where one is known.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/tables.h"
#include "pci/tables/via_descriptions.h"

namespace {

// RBIL marks these bits "reserved (0)" and 86Box keeps them read-only.
constexpr char RESERVED[] = "Reserved; read only.";
constexpr char NO_FUNCTION[] = "Reserved; writing it has no effect.";
constexpr char ALWAYS_ZERO[] = "0 Always reads 0\rReserved.";

}  // namespace

const RegisterField fields_vt82c595[] = {
    // Cache control 1: RBIL 00984; 86Box write mask FBh (VT82C595), FFh (VPX).
    {0x50, Field(7, 6), 0, "Cache Enable", CACHE_ENABLE},
    {0x50, Field(5, 5), 0, "Linear Burst", LINEAR_BURST},
    {0x50, Field(4, 3), 0, "Tag Configuration", TAG_CONFIGURATION},
    {0x50, Field(2, 2), 0, "Reserved", RESERVED},
    {0x50, Field(1, 0), 0, "SRAM Type", SRAM_TYPE},

    // Cache control 2: RBIL 00985; 86Box write mask 2Bh.
    {0x51, Field(7, 6), 0, "Reserved", RESERVED},
    {0x51, Field(5, 5), 0, "Backoff CPU", BACKOFF_CPU},
    {0x51, Field(4, 4), 0, "Reserved", RESERVED},
    {0x51, Field(3, 3), 0, "SRAM Banks", SRAM_BANKS},
    {0x51, Field(2, 2), 0, "Reserved", RESERVED},
    {0x51, Field(1, 0), 0, "Cache Size", CACHE_SIZE},

    // Non-cacheable control: RBIL 00986; 86Box write mask F5h, power-on 02h.
    {0x52, Field(7, 7), 0, "C0000-C7FFF Cacheable", CACHEABLE},
    {0x52, Field(6, 6), 0, "D0000-DFFFF Cacheable", CACHEABLE},
    {0x52, Field(5, 5), 0, "E0000-EFFFF Cacheable", CACHEABLE},
    {0x52, Field(4, 4), 0, "F0000-FFFFF Cacheable", CACHEABLE},
    {0x52, Field(3, 3), 0, "Reserved (no function)", NO_FUNCTION},
    {0x52, Field(2, 2), 0, "L2 Fill", L2_FILL},
    {0x52, Field(1, 1), 0, "Reserved (no function)",
     "Reserved; writing it has no effect.\rReads 1 after reset."},
    {0x52, Field(0, 0), 0, "L2 Write Thru/Write-Back", L2_WRITE_POLICY},

    // System performance control: RBIL 00987; 86Box write mask F8h.
    {0x53, Field(7, 7), 0, "Read Around Write", READ_AROUND_WRITE},
    {0x53, Field(6, 6), 0, "Cache Read Pipeline Cycle", CACHE_READ_PIPELINE_CYCLE},
    {0x53, Field(5, 5), 0, "Cache Write Pipeline Cycle", CACHE_WRITE_PIPELINE_CYCLE},
    {0x53, Field(4, 4), 0, "DRAM Pipeline Cycle", DRAM_PIPELINE_CYCLE},
    {0x53, Field(3, 3), 0, "PCI Master Peer Concurrency", PCI_MASTER_PEER_CONCURRENCY},
    {0x53, Field(2, 0), 0, "Reserved", RESERVED},

    // Non-cacheable regions: RBIL 00988.
    {0x54, Field(7, 0), 0, "Non-Cacheable Region #1 <28:21>", REGION_HIGH},
    {0x55, Field(7, 3), 0, "Non-Cacheable Region #1 A<20:16>", REGION_LOW},
    {0x55, Field(2, 0), 0, "Non-Cacheable Region #1 Size", REGION_SIZE},
    {0x56, Field(7, 0), 0, "Non-Cacheable Region #2 A<28:21>", REGION_HIGH},
    {0x57, Field(7, 3), 0, "Non-Cacheable Region #2 A<20:16>", REGION_LOW},
    {0x57, Field(2, 0), 0, "Non-Cacheable Region #2 Size", REGION_SIZE},

    // DRAM configuration: RBIL 00989-00990; 86Box write masks EEh and E7h.
    {0x58, Field(7, 5), 2, "Bank 0/1 MA Map Type", MA_MAP},
    {0x58, Field(4, 4), 0, "Reserved", RESERVED},
    {0x58, Field(3, 1), 2, "Bank 2/3 MA Map Type", MA_MAP},
    {0x58, Field(0, 0), 0, "Reserved", RESERVED},
    {0x59, Field(7, 5), 2, "Bank 5/6 MA Map Type", MA_MAP},
    {0x59, Field(4, 3), 0, "Reserved", RESERVED},
    {0x59, Field(2, 0), 5, "Last Bank DRAM Populated", LAST_BANK},

    // DRAM bank ending addresses: RBIL 00983; 86Box power-on 01h each.
    {0x5A, Field(7, 0), 1, "Bank 0 Ending (HA[29:22])", ""},
    {0x5B, Field(7, 0), 1, "Bank 1 Ending (HA[29:22])", BANK_ENDING},
    {0x5C, Field(7, 0), 1, "Bank 2 Ending (HA[29:22])", BANK_ENDING},
    {0x5D, Field(7, 0), 1, "Bank 3 Ending (HA[29:22])", BANK_ENDING},
    {0x5E, Field(7, 0), 1, "Bank 4 Ending (HA[29:22])", BANK_ENDING},
    {0x5F, Field(7, 0), 1, "Bank 5 Ending (HA[29:22])", BANK_ENDING},

    // DRAM type: RBIL 00991.
    {0x60, Field(7, 6), 0, "Reserved", RESERVED},
    {0x60, Field(5, 4), 0, "DRAM Type for Bank 4/5", DRAM_TYPE},
    {0x60, Field(3, 2), 0, "DRAM Type for Bank 2/3", DRAM_TYPE},
    {0x60, Field(1, 0), 0, "DRAM Type for Bank 0/1", DRAM_TYPE},

    // Shadow RAM, 16 KB segments listed lowest bits first: RBIL 00992-00994,
    // 86Box via_apollo.c (bit 1 reads, bit 0 writes).
    {0x61, Field(1, 0), 0, "C0000-C3FFF Shadow RAM Control", SHADOW},
    {0x61, Field(3, 2), 0, "C4000-C7FFF Shadow RAM Control", SHADOW},
    {0x61, Field(5, 4), 0, "C8000-CBFFF Shadow RAM Control", SHADOW},
    {0x61, Field(7, 6), 0, "CC000-CFFFF Shadow RAM Control", SHADOW},
    {0x62, Field(1, 0), 0, "D0000-D3FFF Shadow RAM Control", SHADOW},
    {0x62, Field(3, 2), 0, "D4000-D7FFF Shadow RAM Control", SHADOW},
    {0x62, Field(5, 4), 0, "D8000-DBFFF Shadow RAM Control", SHADOW},
    {0x62, Field(7, 6), 0, "DC000-DFFFF Shadow RAM Control", SHADOW},
    {0x63, Field(7, 6), 0, "E0000-EFFFF Shadow RAM Control", SHADOW},
    {0x63, Field(5, 4), 0, "F0000-FFFFF Shadow RAM Control", SHADOW},
    {0x63, Field(3, 2), 0, "Memory Hole", MEMORY_HOLE},
    {0x63, Field(1, 1), 0, "SMI Redirect to A0000-BFFFF", SMI_REDIRECT},
    {0x63, Field(0, 0), 0, "DRAM A0000-BFFFF Access", A0000_BFFFF_DRAM_ACCESS},

    // DRAM timing: RBIL 00995; 86Box power-on ABh.
    {0x64, Field(7, 6), 2, "RAS Precharge Time", RAS_PRECHARGE_TIME},
    {0x64, Field(5, 4), 2, "RAS Pulse Width", RAS_PULSE_WIDTH},
    {0x64, Field(3, 2), 2, "CAS Read Pulse Width", CAS_READ_PULSE_WIDTH},
    {0x64, Field(1, 1), 1, "CAS Write Pulse Width", CAS_WRITE_PULSE_WIDTH},
    {0x64, Field(0, 0), 1, "Column Address to CAS Delay", COLUMN_ADDRESS_TO_CAS_DELAY},

    // DRAM control 1: RBIL 00996; 86Box write mask F9h (VT82C595), FDh (VPX).
    {0x65, Field(7, 6), 2, "Page Mode Control", PAGE_MODE_CONTROL},
    {0x65, Field(5, 5), 0, "Fast DRAM Decoding Enable", DISABLED_ENABLED},
    {0x65, Field(4, 4), 1, "EDO DRAM Leadoff Cycle Reduction", EDO_DRAM_LEADOFF_CYCLE_REDUCTION},
    {0x65, Field(3, 3), 0, "DRAM Data Latch Delay", DRAM_DATA_LATCH_DELAY},
    {0x65, Field(2, 1), 0, "Reserved", RESERVED},
    {0x65, Field(0, 0), 0, "Relaxed DRAM Read Cycle Latency", RELAXED_DRAM_READ_CYCLE_LATENCY},

    // DRAM control 2: RBIL 00997; 86Box write mask 8Fh (VT82C595), AFh (VPX).
    {0x66, Field(7, 7), 0, "EDO Test Mode Enable", EDO_TEST_MODE_ENABLE},
    {0x66, Fixed(6, 6), 0, "Reserved", ALWAYS_ZERO},
    {0x66, Field(5, 5), 0, "Reserved", RESERVED},
    {0x66, Fixed(4, 4), 0, "Reserved", ALWAYS_ZERO},
    {0x66, Field(3, 3), 1, "Turbo EDO Mode Enable", TURBO_EDO_MODE},
    {0x66, Field(2, 2), 0, "MD to HD FIFO Control", MD_TO_HD_FIFO_CONTROL},
    {0x66, Field(1, 1), 0, "SDRAM RAS-Precharge Reduction", SDRAM_RAS_PRECHARGE_REDUCTION},
    {0x66, Field(0, 0), 0, "SDRAM RAS-to-CAS Delay Reduction", SDRAM_RAS_TO_CAS_DELAY_REDUCTION},

    // 32-bit DRAM width control: RBIL 00998.
    {0x67, Field(7, 7), 0, "RAS to Column Address Delay", RAS_TO_COLUMN_ADDRESS_DELAY},
    {0x67, Field(6, 6), 0, "NA# Delay", NA_DELAY},
    {0x67, Field(5, 5), 0, "Bank 5 Width", BANK_WIDTH},
    {0x67, Field(4, 4), 0, "Bank 4 Width", BANK_WIDTH},
    {0x67, Field(3, 3), 0, "Bank 3 Width", BANK_WIDTH},
    {0x67, Field(2, 2), 0, "Bank 2 Width", BANK_WIDTH},
    {0x67, Field(1, 1), 0, "Bank 1 Width", BANK_WIDTH},
    {0x67, Field(0, 0), 0, "Bank 5 Width", BANK_0_WIDTH},

    // RBIL 00983: two reserved bytes; 86Box ignores writes to 68h.
    {0x68, Field(7, 0), 0, "Reserved", RESERVED},
    {0x69, Field(7, 0), 0, "Reserved", RESERVED},

    // Refresh: RBIL 00983 (counter) and 00999; 86Box write mask C0h (VT82C595),
    // C4h (VPX).
    {0x6A, Field(7, 0), 0, "Refresh Counter", REFRESH_COUNTER},
    {0x6B, Field(7, 7), 0, "CBR (CAS-before-RAS) Refresh", CBR_REFRESH},
    {0x6B, Field(6, 6), 0, "Burst Refresh (Burst 4 Times)", BURST_REFRESH},
    {0x6B, Field(5, 2), 0, "Reserved", RESERVED},
    {0x6B, Field(1, 0), 0, "Reserved", RESERVED},

    // SDRAM control: RBIL 01000.
    {0x6C, Field(7, 7), 0, "64Mbit SDRAM Interleave", SDRAM_64MBIT_INTERLEAVE},
    {0x6C, Field(6, 6), 0, "SDRAM Burst Write", SDRAM_BURST_WRITE},
    {0x6C, Field(5, 5), 0, "SDRAM Bank Interleave Enable", SDRAM_BANK_INTERLEAVE},
    {0x6C, Field(4, 4), 0, "Reserved", RESERVED},
    {0x6C, Field(3, 3), 0, "SDRAM CAS Latency", SDRAM_CAS_LATENCY},
    {0x6C, Field(2, 0), 0, "SDRAM Operation Mode Select", SDRAM_OPERATION_MODE_SELECT},

    // DRAM drive strength: RBIL 01001.
    {0x6D, Field(7, 7), 0, "Bank Decoding Test", BANK_DECODING_TEST},
    {0x6D, Field(6, 6), 0, "MA[0:1] Drive", DRIVE},
    {0x6D, Field(5, 5), 0, "Duplicate Copy of MA[0:1]", DUPLICATE_MA_0_1},
    {0x6D, Field(4, 4), 0, "Force SMM Mode", FORCE_SMM_MODE},
    {0x6D, Field(3, 3), 0, "SDRAM Command Drive", DRIVE},
    {0x6D, Field(2, 2), 0, "MA[2:13] / WE# Drive", DRIVE},
    {0x6D, Field(1, 1), 0, "CAS# Drive", DRIVE},
    {0x6D, Field(0, 0), 0, "RAS# Drive", DRIVE},

    {0, 0, 0, nullptr, nullptr},
};
