// Register fields of the VLSI SuperCore (VL82C591, PCI device id 0005h) and
// Wildcat (id 0007h) host bridges of Pentium boards.  VLSI's datasheets are
// not published on the web.  RBIL INTERRUP.E table 00919 gives the
// VL82C591's register map (bus numbers at 40h-41h, the rest device-specific)
// and table 00737 the ids; every other row follows 86Box
// src/chipset/vl82c59x.c, which models both chips and names the registers
// (its comments: cache control 1 and 2, RAMCFG0-1, RAMCTL0, the A-B SMRAM
// registers, shadow RAM, MISCSSET).  The table has no rows for the PCI
// configuration header.
#include "pci/tables/field_bits.h"
#include "pci/tables/tables.h"
#include "pci/tables/via_descriptions.h"  // SHADOW: the same two bits per segment

namespace {

constexpr char BUS_NUMBER[] = "RBIL names this byte; its value is a PCI bus number.";
// 86Box turns the external cache on when either bit is set.
constexpr char L2_CACHE_MODE[] =
    "00 L2 cache disabled\r"
    "86Box runs the L2 cache with either bit set; what each other code selects is unconfirmed.";
constexpr char L1_CACHE_ENABLE[] =
    "0 L1 cache disabled\r1 L1 cache enabled\r86Box switches the processor's internal cache.";
// 86Box: the size is 2 MB << (2 x type + sides).
constexpr char MODULE_TYPE[] =
    "00 2 MB a side\r01 8 MB a side\r10 32 MB a side\r11 128 MB a side\r"
    "A double-sided module holds twice as much (86Box).";
constexpr char MODULE_SIDES[] = "0 Single sided\r1 Double sided";
constexpr char BANK_ENABLE[] = "0 Bank off: 86Box counts no memory in it\r1 Bank on";
constexpr char SEGMENT_SMRAM[] =
    "86Box makes this 64 KB segment SMRAM when any of bits 6, 4, 2 and 0 is set, and lets "
    "cycles outside system management mode reach it when any of bits 7, 5, 3 and 1 is set.\r"
    "Unconfirmed: the single bits are not documented.";
constexpr char E_SMRAM_ENABLE[] =
    "0 Disabled\r1 Enabled: 68h also makes E0000h-EFFFFh SMRAM (86Box)";

}  // namespace

const RegisterField fields_vl82c591[] = {
    // Bus numbers: RBIL 00919.
    {0x40, Field(7, 0), 0, "Bus Number", BUS_NUMBER},
    {0x41, Field(7, 0), 0, "Subordinate Bus Number", BUS_NUMBER},

    // Cache control: 86Box.
    {0x54, Field(7, 6), 0, "L2 Cache Mode", L2_CACHE_MODE},
    {0x55, Field(6, 6), 0, "L1 Cache Enable", L1_CACHE_ENABLE},

    // DRAM banks (RAMCFG0-1, RAMCTL0): 86Box.
    {0x58, Field(1, 0), 0, "Bank 0 Module Type", MODULE_TYPE},
    {0x58, Field(3, 3), 0, "Bank 0 Double Sided", MODULE_SIDES},
    {0x58, Field(5, 4), 0, "Bank 1 Module Type", MODULE_TYPE},
    {0x58, Field(7, 7), 0, "Bank 1 Double Sided", MODULE_SIDES},
    {0x59, Field(1, 0), 0, "Bank 2 Module Type", MODULE_TYPE},
    {0x59, Field(3, 3), 0, "Bank 2 Double Sided", MODULE_SIDES},
    {0x59, Field(5, 4), 0, "Bank 3 Module Type", MODULE_TYPE},
    {0x59, Field(7, 7), 0, "Bank 3 Double Sided", MODULE_SIDES},
    {0x5C, Field(0, 0), 0, "Bank 0 Enable", BANK_ENABLE},
    {0x5C, Field(1, 1), 0, "Bank 1 Enable", BANK_ENABLE},
    {0x5C, Field(2, 2), 0, "Bank 2 Enable", BANK_ENABLE},
    {0x5C, Field(3, 3), 0, "Bank 3 Enable", BANK_ENABLE},

    // SMRAM in the A and B segments: 86Box.
    {0x64, Field(7, 0), 0, "A0000-AFFFF SMRAM Control", SEGMENT_SMRAM},
    {0x65, Field(7, 0), 0, "B0000-BFFFF SMRAM Control", SEGMENT_SMRAM},

    // Shadow RAM, 16 KB segments lowest bits first: 86Box (bit 1 reads from
    // DRAM, bit 0 writes to DRAM, as on the VIA VT82C595).
    {0x66, Field(1, 0), 0, "C0000-C3FFF Shadow RAM Control", SHADOW},
    {0x66, Field(3, 2), 0, "C4000-C7FFF Shadow RAM Control", SHADOW},
    {0x66, Field(5, 4), 0, "C8000-CBFFF Shadow RAM Control", SHADOW},
    {0x66, Field(7, 6), 0, "CC000-CFFFF Shadow RAM Control", SHADOW},
    {0x67, Field(1, 0), 0, "D0000-D3FFF Shadow RAM Control", SHADOW},
    {0x67, Field(3, 2), 0, "D4000-D7FFF Shadow RAM Control", SHADOW},
    {0x67, Field(5, 4), 0, "D8000-DBFFF Shadow RAM Control", SHADOW},
    {0x67, Field(7, 6), 0, "DC000-DFFFF Shadow RAM Control", SHADOW},
    {0x68, Field(1, 0), 0, "E0000-E3FFF Shadow RAM Control", SHADOW},
    {0x68, Field(3, 2), 0, "E4000-E7FFF Shadow RAM Control", SHADOW},
    {0x68, Field(5, 4), 0, "E8000-EBFFF Shadow RAM Control", SHADOW},
    {0x68, Field(7, 6), 0, "EC000-EFFFF Shadow RAM Control", SHADOW},
    {0x69, Field(1, 0), 0, "F0000-F3FFF Shadow RAM Control", SHADOW},
    {0x69, Field(3, 2), 0, "F4000-F7FFF Shadow RAM Control", SHADOW},
    {0x69, Field(5, 4), 0, "F8000-FBFFF Shadow RAM Control", SHADOW},
    {0x69, Field(7, 6), 0, "FC000-FFFFF Shadow RAM Control", SHADOW},
    // MISCSSET: 86Box.
    {0x7C, Field(7, 7), 0, "E0000-EFFFF SMRAM Enable", E_SMRAM_ENABLE},

    {0, 0, 0, nullptr, nullptr},
};
