// Register fields of the SiS 85C496 host bridge (with the 85C497 on the same
// configuration space, 80h-FFh), the 486 PCI chipset at device 05h of bus
// 0.  No datasheet is public.  Source of the rows past the header: 86Box
// src/chipset/sis_85c496.c, which names the registers and models the shadow
// RAM (44h, 45h) and the built-in IDE (58h, 59h); a register it names but
// does not explain is listed whole, as unconfirmed.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/isa486_descriptions.h"
#include "pci/tables/tables.h"

namespace {

// 44h: one bit per 32 KB segment from C0000h up, as 86Box maps them.
constexpr char SIS496_SHADOW[] = "0 Segment not shadowed\r1 Segment shadowed, as 45h bits 1-0 say";

}  // namespace

const RegisterField fields_sis85c496[] = {
    // PCI header (PCI Local Bus 2.1, 6.2.1).
    {0x08, Fixed(7, 0), 0, "Revision ID Code", REVISION_ID_486},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_BRIDGE},
    // 40h-43h: names from 86Box sis_85c496.c.
    {0x40, Field(7, 0), 0, "CPU Configuration", UNCONFIRMED},
    {0x41, Field(7, 0), 0, "DRAM Configuration", UNCONFIRMED},
    {0x42, Field(7, 0), 0, "Cache Configure (42h)", UNCONFIRMED},
    {0x43, Field(7, 0), 0, "Cache Configure (43h)", UNCONFIRMED},
    // 44h-45h, 86Box sis_85c496.c: shadow RAM.
    {0x44, Field(7, 7), 0, "F8000-FFFFF Shadow", SIS496_SHADOW},
    {0x44, Field(6, 6), 0, "F0000-F7FFF Shadow", SIS496_SHADOW},
    {0x44, Field(5, 5), 0, "E8000-EFFFF Shadow", SIS496_SHADOW},
    {0x44, Field(4, 4), 0, "E0000-E7FFF Shadow", SIS496_SHADOW},
    {0x44, Field(3, 3), 0, "D8000-DFFFF Shadow", SIS496_SHADOW},
    {0x44, Field(2, 2), 0, "D0000-D7FFF Shadow", SIS496_SHADOW},
    {0x44, Field(1, 1), 0, "C8000-CFFFF Shadow", SIS496_SHADOW},
    {0x44, Field(0, 0), 0, "C0000-C7FFF Shadow", SIS496_SHADOW},
    {0x45, Field(1, 1), 0, "Shadow Read Enable",
     "0 Reads of shadowed segments go to the bus (ROM)\r"
     "1 Reads of shadowed segments come from DRAM"},
    {0x45, Field(0, 0), 0, "Shadow Write Protect",
     "0 Writes to shadowed segments go to DRAM\r1 Writes to shadowed segments go to the bus"},
    // 46h-47h: names from 86Box sis_85c496.c.
    {0x46, Field(7, 0), 0, "Cacheable Control", UNCONFIRMED},
    {0x47, Field(7, 0), 0, "85C496 Address Decoder", UNCONFIRMED},
    // 48h-4Fh: 86Box takes each byte as a DRAM row's boundary; its unit is
    // not stated.
    {0x48, Field(7, 0), 0, "DRAM Boundary Row 0", UNCONFIRMED},
    {0x49, Field(7, 0), 0, "DRAM Boundary Row 1", UNCONFIRMED},
    {0x4A, Field(7, 0), 0, "DRAM Boundary Row 2", UNCONFIRMED},
    {0x4B, Field(7, 0), 0, "DRAM Boundary Row 3", UNCONFIRMED},
    {0x4C, Field(7, 0), 0, "DRAM Boundary Row 4", UNCONFIRMED},
    {0x4D, Field(7, 0), 0, "DRAM Boundary Row 5", UNCONFIRMED},
    {0x4E, Field(7, 0), 0, "DRAM Boundary Row 6", UNCONFIRMED},
    {0x4F, Field(7, 0), 0, "DRAM Boundary Row 7", UNCONFIRMED},
    // 56h-57h: names from 86Box sis_85c496.c.
    {0x56, Field(7, 0), 0, "PCI / Keyboard Configure", UNCONFIRMED},
    {0x57, Field(7, 0), 0, "Output Pin Configuration", UNCONFIRMED},
    // 58h-59h, 86Box sis_85c496.c: the built-in IDE controller.
    {0x58, Field(7, 7), 0, "IDE Channel at 1F0h Disable",
     "0 Channel at 1F0h enabled (with 59h bit 0)\r1 Channel at 1F0h disabled"},
    {0x58, Field(6, 6), 0, "IDE Channel at 170h Disable",
     "0 Channel at 170h enabled (with 59h bit 0)\r1 Channel at 170h disabled"},
    {0x59, Field(1, 1), 0, "IDE Channel Swap",
     "0 First channel at 1F0h, second at 170h\r1 First channel at 170h, second at 1F0h"},
    {0x59, Field(0, 0), 0, "Built-in IDE Controller", DISABLED_ENABLED},
    // 5Ah, 66h, 67h: names from 86Box sis_85c496.c.
    {0x5A, Field(7, 0), 0, "SMRAM Remapping Configuration", UNCONFIRMED},
    {0x66, Field(7, 0), 0, "EDO DRAM Configuration", UNCONFIRMED},
    {0x67, Field(7, 0), 0, "Miscellaneous Control", UNCONFIRMED},
    // C0h-C3h, 85C497 part: names from 86Box sis_85c496.c.
    {0xC0, Field(7, 0), 0, "PCI INTA# to IRQ Link", UNCONFIRMED},
    {0xC1, Field(7, 0), 0, "PCI INTB# to IRQ Link", UNCONFIRMED},
    {0xC2, Field(7, 0), 0, "PCI INTC# to IRQ Link", UNCONFIRMED},
    {0xC3, Field(7, 0), 0, "PCI INTD# to IRQ Link", UNCONFIRMED},
    {0, 0, 0, nullptr, nullptr},
};
