// Register fields of the VIA Apollo Pro family of Slot 1 / Socket 370 system
// controllers: the VT82C691 (Apollo Pro), VT82C693 (Apollo Pro Plus),
// VT82C693A (Apollo Pro133) and VT82C694X (Apollo Pro133A).  All but the
// VT82C693 answer with device id 0691h; the revision tells them apart.  The
// processor's L2 cache sits beside the processor, so these chips have no
// cache controller registers of the VT82C595's kind, and no VT82C595 row is
// borrowed here.  Only fields some public source explains are listed; the
// dump shows the rest.
//
// Sources, named beside each group (see via_apollo_descriptions.h): 86Box
// via_apollo.c (and its earlier via_apro.c, whose comments name the
// registers), Linux via-agp.c and FreeBSD agp_via.c (graphics aperture).
#include "pci/tables/field_bits.h"
#include "pci/tables/tables.h"
#include "pci/tables/via_apollo_descriptions.h"
#include "pci/tables/via_descriptions.h"

namespace {

// 86Box gives each chip its revision.
constexpr char PRO_REVISION[] =
    "86Box models the VT82C691 as revision 06h, the VT82C693A as 44h and the VT82C694X as "
    "C2h; boards in the field show other revisions of the same chips.";

}  // namespace

const RegisterField fields_vt82c691[] = {
    // Revision: 86Box.
    {0x08, Fixed(7, 0), 0, "Revision ID Code", PRO_REVISION},

    // DRAM bank ending addresses, banks 6 and 7 below banks 0 to 5: 86Box
    // (via_apro.c names them; power-on 01h each).
    {0x56, Field(7, 0), 1, "Bank 6 Ending Address", PRO_BANK_ENDING},
    {0x57, Field(7, 0), 1, "Bank 7 Ending Address", PRO_BANK_ENDING},
    {0x5A, Field(7, 0), 1, "Bank 0 Ending Address", PRO_BANK_ENDING},
    {0x5B, Field(7, 0), 1, "Bank 1 Ending Address", PRO_BANK_ENDING},
    {0x5C, Field(7, 0), 1, "Bank 2 Ending Address", PRO_BANK_ENDING},
    {0x5D, Field(7, 0), 1, "Bank 3 Ending Address", PRO_BANK_ENDING},
    {0x5E, Field(7, 0), 1, "Bank 4 Ending Address", PRO_BANK_ENDING},
    {0x5F, Field(7, 0), 1, "Bank 5 Ending Address", PRO_BANK_ENDING},

    // Shadow RAM, 16 KB segments lowest bits first: 86Box maps them as on the
    // VT82C595 (bit 1 reads, bit 0 writes).
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
    // SMRAM: 86Box's model of the Apollo Pro family.
    {0x63, Field(1, 0), 0, "A0000-BFFFF SMRAM Control", PRO_SMRAM_CONTROL},

    // DRAM timing: register names from 86Box (via_apro.c).
    {0x64, Field(7, 0), 0, "DRAM Timing for Banks 0,1", BANK_TIMING},
    {0x65, Field(7, 0), 0, "DRAM Timing for Banks 2,3", BANK_TIMING},
    {0x66, Field(7, 0), 0, "DRAM Timing for Banks 4,5", BANK_TIMING},
    {0x67, Field(7, 0), 0, "DRAM Timing for Banks 6,7", BANK_TIMING},

    // Host bus clock: 86Box.
    {0x68, Field(1, 0), 0, "Host Bus Frequency", PRO_HOST_CLOCK},

    // DRAM arbitration: register name (via_apro.c) and power-on 01h, 86Box.
    {0x6B, Field(7, 0), 1, "DRAM Arbitration Control", DRAM_ARBITRATION},

    // Graphics aperture: Linux via-agp.c, FreeBSD agp_via.c, 86Box.
    {0x80, Field(7, 7), 0, "GART TLB Flush", GART_TLB_FLUSH},
    {0x80, Field(3, 0), 0, "GART Control", GART_CONTROL},
    {0x84, Field(7, 0), 0, "Graphics Aperture Size", APERTURE_SIZE},
    {0x88, Field(1, 1), 0, "Graphics Aperture Enable", APERTURE_ENABLE},
    {0x89, Field(7, 4), 0, "GART Base Address A[15:12]", GART_BASE},
    {0x8A, Field(7, 0), 0, "GART Base Address A[23:16]", GART_BASE},
    {0x8B, Field(7, 0), 0, "GART Base Address A[31:24]", GART_BASE},

    {0, 0, 0, nullptr, nullptr},
};
