// Register fields of the OPTi 82C822 (PCIB), the VL-bus-to-PCI bridge of
// OPTi's 486 chipsets, at device 10h of bus 0.  No datasheet is public.
// Source of the rows past the header: 86Box src/chipset/opti822.c, which
// maps the shadow RAM segments from 44h-47h (a write enable in the low
// nibble and a read enable in the high nibble, one bit pair per 16 KB
// segment, 47h for C0000-CFFFF, 46h for D0000-DFFFF, 45h for E0000-EFFFF;
// 44h bits 1-0 for F0000-FFFFF).  Its other registers 86Box stores without
// saying what they do, and they are left out.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/isa486_descriptions.h"
#include "pci/tables/tables.h"

const RegisterField fields_opti822[] = {
    // PCI header (PCI Local Bus 2.1, 6.2.1).
    {0x08, Fixed(7, 0), 0, "Revision ID Code", REVISION_ID_486},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_BRIDGE},
    // 44h, 86Box opti822.c.
    {0x44, Field(1, 1), 0, "F0000-FFFFF Read Enable", SHADOW_READ},
    {0x44, Field(0, 0), 0, "F0000-FFFFF Write Enable", SHADOW_WRITE},
    // 45h, 86Box opti822.c: E0000-EFFFF.
    {0x45, Field(7, 7), 0, "EC000-EFFFF Read Enable", SHADOW_READ},
    {0x45, Field(6, 6), 0, "E8000-EBFFF Read Enable", SHADOW_READ},
    {0x45, Field(5, 5), 0, "E4000-E7FFF Read Enable", SHADOW_READ},
    {0x45, Field(4, 4), 0, "E0000-E3FFF Read Enable", SHADOW_READ},
    {0x45, Field(3, 3), 0, "EC000-EFFFF Write Enable", SHADOW_WRITE},
    {0x45, Field(2, 2), 0, "E8000-EBFFF Write Enable", SHADOW_WRITE},
    {0x45, Field(1, 1), 0, "E4000-E7FFF Write Enable", SHADOW_WRITE},
    {0x45, Field(0, 0), 0, "E0000-E3FFF Write Enable", SHADOW_WRITE},
    // 46h, 86Box opti822.c: D0000-DFFFF.
    {0x46, Field(7, 7), 0, "DC000-DFFFF Read Enable", SHADOW_READ},
    {0x46, Field(6, 6), 0, "D8000-DBFFF Read Enable", SHADOW_READ},
    {0x46, Field(5, 5), 0, "D4000-D7FFF Read Enable", SHADOW_READ},
    {0x46, Field(4, 4), 0, "D0000-D3FFF Read Enable", SHADOW_READ},
    {0x46, Field(3, 3), 0, "DC000-DFFFF Write Enable", SHADOW_WRITE},
    {0x46, Field(2, 2), 0, "D8000-DBFFF Write Enable", SHADOW_WRITE},
    {0x46, Field(1, 1), 0, "D4000-D7FFF Write Enable", SHADOW_WRITE},
    {0x46, Field(0, 0), 0, "D0000-D3FFF Write Enable", SHADOW_WRITE},
    // 47h, 86Box opti822.c: C0000-CFFFF.
    {0x47, Field(7, 7), 0, "CC000-CFFFF Read Enable", SHADOW_READ},
    {0x47, Field(6, 6), 0, "C8000-CBFFF Read Enable", SHADOW_READ},
    {0x47, Field(5, 5), 0, "C4000-C7FFF Read Enable", SHADOW_READ},
    {0x47, Field(4, 4), 0, "C0000-C3FFF Read Enable", SHADOW_READ},
    {0x47, Field(3, 3), 0, "CC000-CFFFF Write Enable", SHADOW_WRITE},
    {0x47, Field(2, 2), 0, "C8000-CBFFF Write Enable", SHADOW_WRITE},
    {0x47, Field(1, 1), 0, "C4000-C7FFF Write Enable", SHADOW_WRITE},
    {0x47, Field(0, 0), 0, "C0000-C3FFF Write Enable", SHADOW_WRITE},
    {0, 0, 0, nullptr, nullptr},
};
