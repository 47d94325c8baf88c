// Register fields of the VIA VT82C597 (Apollo VP3) and VT82C598 (Apollo MVP3)
// system controllers, Socket 7 bridges with AGP.  Many MVP3 BIOSes make the
// chip answer with the VP3's id (FCh below), so the two share one table.
// The table has no rows for the PCI configuration header and lists only the
// fields some public source explains; the dump shows the rest.
//
// Sources, named beside each group (see via_apollo_descriptions.h):
// - 86Box via_apollo.c: write masks, power-on values, register names, and
//   what its model does with the shadow, SMRAM, bank ending and clock bits;
// - the VT82C595 (Apollo VP2) rows of RBIL INTERRUP.E (AMD-640 tables
//   00984-00994) where 86Box gives these chips the same writable bits: those
//   rows are marked "VT82C595 relative" and are unconfirmed for these chips;
// - Linux via-agp.c and FreeBSD agp_via.c (graphics aperture), Linux
//   quirks.c (FCh).
#include "pci/tables/field_bits.h"
#include "pci/tables/tables.h"
#include "pci/tables/via_apollo_descriptions.h"
#include "pci/tables/via_descriptions.h"

namespace {

// Linux quirks.c: "VIA VT82C598 has its device ID settable and many BIOSes
// set it to the ID of VT82C597"; Linux clears FCh to see the real id.
// 86Box lets only bit 0 of FCh be written on the MVP3.
constexpr char VP3_ID_COMPATIBILITY[] =
    "0 The MVP3 answers with its own device id, 0598h\r"
    "1 The MVP3 answers with the VP3's device id, 0597h\r"
    "Linux clears this register to learn which chip it has.";

}  // namespace

const RegisterField fields_vt82c597[] = {
    // Cache control 1: VT82C595 relative (RBIL 00984); 86Box write mask F8h.
    {0x50, Field(7, 6), 0, "Cache Enable", CACHE_ENABLE},
    {0x50, Field(5, 5), 0, "Linear Burst", LINEAR_BURST},
    {0x50, Field(4, 3), 0, "Tag Configuration", TAG_CONFIGURATION},

    // Cache control 2: VT82C595 relative (RBIL 00985); 86Box write mask 2Bh,
    // as on the VT82C595.
    {0x51, Field(5, 5), 0, "Backoff CPU", BACKOFF_CPU},
    {0x51, Field(3, 3), 0, "SRAM Banks", SRAM_BANKS},
    {0x51, Field(1, 0), 0, "Cache Size", CACHE_SIZE},

    // Non-cacheable control: VT82C595 relative (RBIL 00986); 86Box write mask
    // F5h, as on the VT82C595.
    {0x52, Field(7, 7), 0, "C0000-C7FFF Cacheable", CACHEABLE},
    {0x52, Field(6, 6), 0, "D0000-DFFFF Cacheable", CACHEABLE},
    {0x52, Field(5, 5), 0, "E0000-EFFFF Cacheable", CACHEABLE},
    {0x52, Field(4, 4), 0, "F0000-FFFFF Cacheable", CACHEABLE},
    {0x52, Field(2, 2), 0, "L2 Fill", L2_FILL},
    {0x52, Field(0, 0), 0, "L2 Write Thru/Write-Back", L2_WRITE_POLICY},

    // System performance control: VT82C595 relative (RBIL 00987); 86Box
    // write mask F8h, as on the VT82C595.
    {0x53, Field(7, 7), 0, "Read Around Write", READ_AROUND_WRITE},
    {0x53, Field(6, 6), 0, "Cache Read Pipeline Cycle", CACHE_READ_PIPELINE_CYCLE},
    {0x53, Field(5, 5), 0, "Cache Write Pipeline Cycle", CACHE_WRITE_PIPELINE_CYCLE},
    {0x53, Field(4, 4), 0, "DRAM Pipeline Cycle", DRAM_PIPELINE_CYCLE},
    {0x53, Field(3, 3), 0, "PCI Master Peer Concurrency", PCI_MASTER_PEER_CONCURRENCY},

    // DRAM MA map and last bank: VT82C595 relative (RBIL 00989-00990); 86Box
    // write masks EEh and E7h, as on the VT82C595.
    {0x58, Field(7, 5), 0, "Bank 0/1 MA Map Type", MA_MAP},
    {0x58, Field(3, 1), 0, "Bank 2/3 MA Map Type", MA_MAP},
    {0x59, Field(7, 5), 0, "Bank 4/5 MA Map Type", MA_MAP},
    {0x59, Field(2, 0), 0, "Last Bank DRAM Populated", LAST_BANK},

    // DRAM bank ending addresses: 86Box (8 MB units, power-on 01h each).
    {0x5A, Field(7, 0), 1, "Bank 0 Ending Address", BANK_ENDING_8MB},
    {0x5B, Field(7, 0), 1, "Bank 1 Ending Address", BANK_ENDING_8MB},
    {0x5C, Field(7, 0), 1, "Bank 2 Ending Address", BANK_ENDING_8MB},
    {0x5D, Field(7, 0), 1, "Bank 3 Ending Address", BANK_ENDING_8MB},
    {0x5E, Field(7, 0), 1, "Bank 4 Ending Address", BANK_ENDING_8MB},
    {0x5F, Field(7, 0), 1, "Bank 5 Ending Address", BANK_ENDING_8MB},

    // DRAM type: VT82C595 relative (RBIL 00991).
    {0x60, Field(5, 4), 0, "DRAM Type for Bank 4/5", DRAM_TYPE},
    {0x60, Field(3, 2), 0, "DRAM Type for Bank 2/3", DRAM_TYPE},
    {0x60, Field(1, 0), 0, "DRAM Type for Bank 0/1", DRAM_TYPE},

    // Shadow RAM, 16 KB segments lowest bits first: 86Box maps them as on the
    // VT82C595 (bit 1 reads, bit 0 writes; RBIL 00992-00994).
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
    // Memory hole: VT82C595 relative (RBIL 00994).
    {0x63, Field(3, 2), 0, "Memory Hole", MEMORY_HOLE},
    // SMRAM: 86Box comments and model.
    {0x63, Field(1, 0), 0, "SMI Address Redirection", VP3_SMRAM_CONTROL},

    // DRAM timing: register names from 86Box (via_apro.c).
    {0x64, Field(7, 0), 0, "DRAM Timing for Banks 0,1", BANK_TIMING},
    {0x65, Field(7, 0), 0, "DRAM Timing for Banks 2,3", BANK_TIMING},
    {0x66, Field(7, 0), 0, "DRAM Timing for Banks 4,5", BANK_TIMING},

    // Host bus clock: 86Box's MVP3 model.
    {0x68, Field(1, 0), 0, "Host Bus Frequency", MVP3_HOST_CLOCK},

    // Refresh counter: VT82C595 relative (RBIL 00983).
    {0x6A, Field(7, 0), 0, "Refresh Counter", REFRESH_COUNTER},

    // Graphics aperture: Linux via-agp.c, FreeBSD agp_via.c, 86Box.
    {0x80, Field(7, 7), 0, "GART TLB Flush", GART_TLB_FLUSH},
    {0x80, Field(3, 0), 0, "GART Control", GART_CONTROL},
    {0x84, Field(7, 0), 0, "Graphics Aperture Size", APERTURE_SIZE},
    {0x88, Field(1, 1), 0, "Graphics Aperture Enable", APERTURE_ENABLE},
    {0x89, Field(7, 4), 0, "GART Base Address A[15:12]", GART_BASE},
    {0x8A, Field(7, 0), 0, "GART Base Address A[23:16]", GART_BASE},
    {0x8B, Field(7, 0), 0, "GART Base Address A[31:24]", GART_BASE},

    // Device id switch of the MVP3: Linux quirks.c, 86Box.
    {0xFC, Field(0, 0), 0, "VP3 Device ID Compatibility", VP3_ID_COMPATIBILITY},

    {0, 0, 0, nullptr, nullptr},
};
