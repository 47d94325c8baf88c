// Register fields of the UMC UM8881F (HB4) host bridge, the north bridge of
// UMC's 486 PCI chipset, at device 10h of bus 0.  No datasheet is public.
// Source of every row past the header: the register notes in 86Box
// src/chipset/umc_hb4.c, drawn from a partial datasheet posted on Vogons and
// from reverse-engineered BIOSes, and marked there as possibly inaccurate.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/isa486_descriptions.h"
#include "pci/tables/tables.h"

namespace {

// 51h bits 7-6 and 5-4, listed in 86Box's notes exactly so.
constexpr char UMC_DRAM_WAITS[] =
    "00 1 wait state\r01 1 wait state\r10 1 wait state\r11 0 wait states\r"
    "As 86Box's notes list them; unconfirmed.";
constexpr char UMC_WRITE_POLICY[] = "0 Write-through\r1 Write-back";

}  // namespace

const RegisterField fields_umc8881[] = {
    // PCI header (PCI Local Bus 2.1, 6.2.1): 86Box power-on values 08h = 04h,
    // 0Bh = 06h.
    {0x08, Fixed(7, 0), 0, "Revision ID Code", REVISION_ID_486},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_BRIDGE},
    // 50h, 86Box umc_hb4.c: cache control.  86Box holds bits 2-0 at 100b.
    {0x50, Field(7, 7), 0, "L2 Cache Enable", DISABLED_ENABLED},
    {0x50, Field(6, 6), 0, "L2 Cache Policy", UMC_WRITE_POLICY},
    {0x50, Field(5, 4), 0, "L2 Cache Speed",
     "00 Read 3-2-2-2, write 3T\r01 Read 3-1-1-1, write 3T\r10 Read 2-2-2-2, write 2T\r"
     "11 Read 2-1-1-1, write 2T"},
    {0x50, Field(3, 3), 0, "L2 Cache Banks", "0 One bank\r1 Two banks"},
    // 86Box: 001 is 64 KB and each step doubles, up to 2 MB.
    {0x50, Field(2, 0), 0, "L2 Cache Size",
     "000 None\r001 64 KB\r010 128 KB\r011 256 KB\r100 512 KB\r101 1 MB\r110 2 MB"},
    // 51h, 86Box umc_hb4.c: DRAM timing and CPU options.
    {0x51, Field(7, 6), 0, "DRAM Read Speed", UMC_DRAM_WAITS},
    {0x51, Field(5, 4), 0, "DRAM Write Speed", UMC_DRAM_WAITS},
    {0x51, Field(3, 3), 0, "Resource Lock Enable", DISABLED_ENABLED},
    {0x51, Field(2, 2), 0, "Graphics Adapter Bus", "0 VL bus\r1 PCI bus"},
    {0x51, Field(1, 1), 0, "L1 Cache Write Policy", UMC_WRITE_POLICY},
    {0x51, Field(0, 0), 0, "L2 Cache Tag Length", "0 7 bits\r1 8 bits"},
    // 52h, 86Box umc_hb4.c.
    {0x52, Field(7, 7), 0, "Host-to-PCI Posted Write", "0 1 wait state\r1 0 wait states"},
    // 54h-55h, 86Box umc_hb4.c: shadow read enables; 86Box finds that 55h
    // bit 7 must be set for any of them to take effect.
    {0x54, Field(7, 7), 0, "DC000-DFFFF Read Enable", SHADOW_READ},
    {0x54, Field(6, 6), 0, "D8000-DBFFF Read Enable", SHADOW_READ},
    {0x54, Field(5, 5), 0, "D4000-D7FFF Read Enable", SHADOW_READ},
    {0x54, Field(4, 4), 0, "D0000-D3FFF Read Enable", SHADOW_READ},
    {0x54, Field(3, 3), 0, "CC000-CFFFF Read Enable", SHADOW_READ},
    {0x54, Field(2, 2), 0, "C8000-CBFFF Read Enable", SHADOW_READ},
    {0x54, Field(1, 1), 0, "C0000-C7FFF Read Enable", SHADOW_READ},
    {0x54, Field(0, 0), 0, "E0000-EFFFF Read Enable", SHADOW_READ},
    {0x55, Field(7, 7), 0, "F0000-FFFFF Read Enable",
     "0 Reads go to the ISA/VL bus (ROM)\r1 Reads come from shadow DRAM\r"
     "86Box finds that this bit also gates every read enable of 54h."},
    {0x55, Field(6, 6), 0, "Shadow Write Protect",
     "0 Shadow DRAM takes writes\r1 Shadow DRAM is write-protected"},
    // 56h-59h: 86Box names them the bank configurations; no bit is explained.
    {0x56, Field(7, 0), 0, "DRAM Bank 0 Configuration (low)", UNCONFIRMED},
    {0x57, Field(7, 0), 0, "DRAM Bank 0 Configuration (high)", UNCONFIRMED},
    {0x58, Field(7, 0), 0, "DRAM Bank 1 Configuration (low)", UNCONFIRMED},
    {0x59, Field(7, 0), 0, "DRAM Bank 1 Configuration (high)", UNCONFIRMED},
    // 5Ah bit 2: named "Deturbo" by 86Box, its values not given.
    {0x5A, Field(2, 2), 0, "Deturbo", UNCONFIRMED},
    // 5Ch-5Dh, 86Box umc_hb4.c: the SMRAM base; 86Box always maps SMRAM at
    // A0000-BFFFF in SMM.
    {0x5C, Field(7, 0), 0, "SMRAM Base A27-A20", "Bits 27-20 of the SMRAM base address."},
    {0x5D, Field(3, 0), 0, "SMRAM Base A31-A28", "Bits 31-28 of the SMRAM base address."},
    // 60h, 86Box umc_hb4.c.
    {0x60, Field(5, 5), 0, "SMRAM Data Cycles to PCI",
     "0 Data and code cycles go to SMRAM\r"
     "1 With SMRAM enabled, data cycles go to PCI and code cycles to DRAM"},
    {0x60, Field(0, 0), 0, "SMRAM Local Access Enable",
     "0 SMRAM only in SMM\r1 SMRAM also outside SMM"},
    {0, 0, 0, nullptr, nullptr},
};
