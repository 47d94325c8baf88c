// Register fields of the SiS 85C501/5501 host bridge (Pentium; with the
// 85C502/5502 local bus bridge and the 85C503/5503 ISA bridge).  RBIL lists
// its id, 0406h, as "SiS501".  No register reference of the chip is public;
// every row follows 86Box src/chipset/sis_85c50x.c, which models the shadow
// RAM, L2 enable, SMRAM and software SMI bits listed here, and says so in
// its note.  The table has no rows for the PCI configuration header.
#include "pci/tables/field_bits.h"
#include "pci/tables/sis_shadow_descriptions.h"
#include "pci/tables/tables.h"

namespace {

// 86Box: 53h bit 6 sends reads of the shadowed segments and of F0000h-FFFFFh
// to DRAM; bit 5 sends their writes to the bus instead of DRAM.
constexpr char SHADOW_READ_ENABLE[] =
    "0 Reads of F0000h-FFFFFh and of the shadowed segments go to the ROM\r"
    "1 Reads of F0000h-FFFFFh and of the shadowed segments come from DRAM";
constexpr char SHADOW_WRITE_PROTECT[] =
    "0 Writes to F0000h-FFFFFh and to the shadowed segments go to DRAM\r"
    "1 Writes to them go to the bus: the shadow copy is write-protected";
constexpr char SEGMENT_SHADOW[] =
    "0 Not shadowed: reads and writes go to the bus\r"
    "1 Shadowed, as 53h bits 6-5 set";
constexpr char FAST_RESET[] =
    "0 Disabled\r1 Enabled\r"
    "86Box switches the keyboard controller's fast processor reset with this bit.";
constexpr char SOFTWARE_SMI_REQUEST[] =
    "0 No request\r1 Request a system management interrupt\r"
    "86Box raises the SMI when this bit goes from 0 to 1 while 68h bit 0 is set.";
constexpr char SOFTWARE_SMI_ENABLE[] =
    "0 Software SMI disabled\r1 Software SMI enabled (60h bit 1)";
constexpr char SOFTWARE_SMI_STATUS[] =
    "Write 1 to clear\r0 No software SMI\r1 A software SMI was raised";
// 86Box maps DRAM behind the SMRAM area at the host address of 64h and 65h
// bits 2-0; codes 001-110 need a host address other than 0.
constexpr char SMRAM_AREA[] =
    "000 DRAM E0000h-E7FFFh (32 KB) at E0000h\r"
    "001 DRAM B0000h-BFFFFh (64 KB) at the host address\r"
    "010 DRAM A0000h-AFFFFh (64 KB) at the host address\r"
    "100 DRAM A0000h-A7FFFh (32 KB) at the host address\r"
    "110 DRAM B0000h-B7FFFh (32 KB) at the host address\r"
    "86Box maps no SMRAM for the other codes.";
constexpr char SMRAM_HOST_ADDRESS[] =
    "Address bits of the place where the processor sees the SMRAM area (65h bits 7-5).";

}  // namespace

const RegisterField fields_sis5501[] = {
    // L2 cache: 86Box turns the external cache on with bit 6.
    {0x51, Field(6, 6), 0, "L2 Cache Enable", SIS_L2_ENABLE},

    // Shadow RAM: 86Box.  Bit 7 of each register is the lowest segment.
    {0x53, Field(6, 6), 0, "Shadow RAM Read Enable", SHADOW_READ_ENABLE},
    {0x53, Field(5, 5), 0, "Shadow RAM Write Protect", SHADOW_WRITE_PROTECT},
    {0x56, Field(7, 7), 0, "C0000-C3FFF Shadow RAM", SEGMENT_SHADOW},
    {0x56, Field(6, 6), 0, "C4000-C7FFF Shadow RAM", SEGMENT_SHADOW},
    {0x56, Field(5, 5), 0, "C8000-CBFFF Shadow RAM", SEGMENT_SHADOW},
    {0x56, Field(4, 4), 0, "CC000-CFFFF Shadow RAM", SEGMENT_SHADOW},
    {0x55, Field(7, 7), 0, "D0000-D3FFF Shadow RAM", SEGMENT_SHADOW},
    {0x55, Field(6, 6), 0, "D4000-D7FFF Shadow RAM", SEGMENT_SHADOW},
    {0x55, Field(5, 5), 0, "D8000-DBFFF Shadow RAM", SEGMENT_SHADOW},
    {0x55, Field(4, 4), 0, "DC000-DFFFF Shadow RAM", SEGMENT_SHADOW},
    {0x54, Field(7, 7), 0, "E0000-E3FFF Shadow RAM", SEGMENT_SHADOW},
    {0x54, Field(6, 6), 0, "E4000-E7FFF Shadow RAM", SEGMENT_SHADOW},
    {0x54, Field(5, 5), 0, "E8000-EBFFF Shadow RAM", SEGMENT_SHADOW},
    {0x54, Field(4, 4), 0, "EC000-EFFFF Shadow RAM", SEGMENT_SHADOW},
    // Keyboard controller: 86Box.
    {0x5B, Field(6, 6), 0, "Keyboard Controller Fast Reset", FAST_RESET},

    // Software SMI: 86Box (86Box keeps only bits 5-1 of 60h).
    {0x60, Field(1, 1), 0, "Software SMI Request", SOFTWARE_SMI_REQUEST},
    {0x68, Field(0, 0), 0, "Software SMI Enable", SOFTWARE_SMI_ENABLE},
    {0x69, Field(0, 0), 0, "Software SMI Status", SOFTWARE_SMI_STATUS},

    // SMRAM: 86Box.
    {0x64, Field(7, 0), 0, "SMRAM Host Address A[27:20]", SMRAM_HOST_ADDRESS},
    {0x65, Field(7, 5), 0, "SMRAM Area", SMRAM_AREA},
    {0x65, Field(4, 4), 0, "SMRAM Outside SMM", SMRAM_OUTSIDE_SMM},
    {0x65, Field(2, 0), 0, "SMRAM Host Address A[30:28]", SMRAM_HOST_ADDRESS},

    {0, 0, 0, nullptr, nullptr},
};
