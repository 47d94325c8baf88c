// Register fields of the SiS 5600 host bridge (Slot 1; with the 5595 ISA
// bridge).  No register reference of the chip is public; every row follows
// 86Box src/chipset/sis_5600_h2p.c, which models the DRAM bank status,
// SMRAM, shadow RAM and graphics aperture bits listed here.  The table has
// no rows for the PCI configuration header.
#include "pci/tables/field_bits.h"
#include "pci/tables/sis_shadow_descriptions.h"
#include "pci/tables/tables.h"

namespace {

// 86Box sets bits 2-0 of 63h for the banks it fills and ignores writes.
constexpr char BANK_STATUS[] =
    "0 Bank empty\r1 Bank populated\r"
    "86Box sets it from the memory fitted; whether the BIOS writes it is unconfirmed.";
// 86Box: the processor sees the area at E0000h (codes 00-10) or A0000h (11).
constexpr char SMRAM_AREA[] =
    "00 DRAM E0000h-E7FFFh at E0000h\r01 DRAM A0000h-A7FFFh at E0000h\r"
    "10 DRAM B0000h-B7FFFh at E0000h\r11 DRAM A0000h-AFFFFh at A0000h";
// 86Box's size list, indexed by bits 6-4 of 94h.
constexpr char APERTURE_SIZE[] =
    "000 4 MB\r001 8 MB\r010 16 MB\r011 32 MB\r100 64 MB\r101 128 MB\r110 256 MB";
constexpr char APERTURE_ENABLE[] =
    "0 Disabled\r1 Enabled\r86Box maps the graphics aperture only with this bit set.";
constexpr char GART_ENABLE[] =
    "0 Disabled\r1 Enabled\r86Box reads the translation table at 91h-93h only with this bit set.";
constexpr char GART_BASE[] = "Address bits of the aperture's translation table in DRAM (86Box).";

}  // namespace

const RegisterField fields_sis5600[] = {
    // DRAM bank status: 86Box.
    {0x63, Fixed(2, 2), 0, "Bank 2 DRAM Status", BANK_STATUS},
    {0x63, Fixed(1, 1), 0, "Bank 1 DRAM Status", BANK_STATUS},
    {0x63, Fixed(0, 0), 0, "Bank 0 DRAM Status", BANK_STATUS},

    // SMRAM: 86Box.
    {0x6A, Field(7, 6), 0, "SMRAM Area", SMRAM_AREA},
    {0x6A, Field(4, 4), 0, "SMRAM Outside SMM", SMRAM_OUTSIDE_SMM},

    // Shadow RAM, one bit per 16 KB segment and F0000h-FFFFFh: 86Box (reads
    // in 70h-71h, writes in 72h-73h).
    {0x70, Field(0, 0), 0, "C0000-C3FFF Read from DRAM", SHADOW_READ},
    {0x70, Field(1, 1), 0, "C4000-C7FFF Read from DRAM", SHADOW_READ},
    {0x70, Field(2, 2), 0, "C8000-CBFFF Read from DRAM", SHADOW_READ},
    {0x70, Field(3, 3), 0, "CC000-CFFFF Read from DRAM", SHADOW_READ},
    {0x70, Field(4, 4), 0, "D0000-D3FFF Read from DRAM", SHADOW_READ},
    {0x70, Field(5, 5), 0, "D4000-D7FFF Read from DRAM", SHADOW_READ},
    {0x70, Field(6, 6), 0, "D8000-DBFFF Read from DRAM", SHADOW_READ},
    {0x70, Field(7, 7), 0, "DC000-DFFFF Read from DRAM", SHADOW_READ},
    {0x71, Field(0, 0), 0, "E0000-E3FFF Read from DRAM", SHADOW_READ},
    {0x71, Field(1, 1), 0, "E4000-E7FFF Read from DRAM", SHADOW_READ},
    {0x71, Field(2, 2), 0, "E8000-EBFFF Read from DRAM", SHADOW_READ},
    {0x71, Field(3, 3), 0, "EC000-EFFFF Read from DRAM", SHADOW_READ},
    {0x71, Field(4, 4), 0, "F0000-FFFFF Read from DRAM", SHADOW_READ},
    {0x72, Field(0, 0), 0, "C0000-C3FFF Write to DRAM", SHADOW_WRITE},
    {0x72, Field(1, 1), 0, "C4000-C7FFF Write to DRAM", SHADOW_WRITE},
    {0x72, Field(2, 2), 0, "C8000-CBFFF Write to DRAM", SHADOW_WRITE},
    {0x72, Field(3, 3), 0, "CC000-CFFFF Write to DRAM", SHADOW_WRITE},
    {0x72, Field(4, 4), 0, "D0000-D3FFF Write to DRAM", SHADOW_WRITE},
    {0x72, Field(5, 5), 0, "D4000-D7FFF Write to DRAM", SHADOW_WRITE},
    {0x72, Field(6, 6), 0, "D8000-DBFFF Write to DRAM", SHADOW_WRITE},
    {0x72, Field(7, 7), 0, "DC000-DFFFF Write to DRAM", SHADOW_WRITE},
    {0x73, Field(0, 0), 0, "E0000-E3FFF Write to DRAM", SHADOW_WRITE},
    {0x73, Field(1, 1), 0, "E4000-E7FFF Write to DRAM", SHADOW_WRITE},
    {0x73, Field(2, 2), 0, "E8000-EBFFF Write to DRAM", SHADOW_WRITE},
    {0x73, Field(3, 3), 0, "EC000-EFFFF Write to DRAM", SHADOW_WRITE},
    {0x73, Field(4, 4), 0, "F0000-FFFFF Write to DRAM", SHADOW_WRITE},
    // Graphics aperture: 86Box.
    {0x91, Field(7, 0), 0, "GART Base Address A[15:8]", GART_BASE},
    {0x92, Field(7, 0), 0, "GART Base Address A[23:16]", GART_BASE},
    {0x93, Field(7, 0), 0, "GART Base Address A[31:24]", GART_BASE},
    {0x94, Field(6, 4), 0, "Graphics Aperture Size", APERTURE_SIZE},
    {0x94, Field(1, 1), 0, "Graphics Aperture Enable", APERTURE_ENABLE},
    {0x94, Field(0, 0), 0, "GART Enable", GART_ENABLE},

    {0, 0, 0, nullptr, nullptr},
};
