// Register fields of the SiS 5511 host bridge (Pentium; with the 5512 data
// buffer and the 5513 ISA and IDE bridge).  RBIL lists its id, 5511h, as the
// "SiS5511 Pentium chipset".  No register reference of the chip is public;
// every row follows 86Box src/chipset/sis_5511_h2p.c, which models the L2
// enable, keyboard controller emulation, software SMI, SMRAM and shadow RAM
// bits listed here.  The table has no rows for the PCI configuration header.
#include "pci/tables/field_bits.h"
#include "pci/tables/sis_shadow_descriptions.h"
#include "pci/tables/tables.h"

namespace {

// 86Box's notes on 5Ah: bit 7 makes the chipset take the D1h command to port
// 64h and 00h to port 60h itself; bit 6 takes all odd F0h-FEh commands to
// port 64h; bit 5 sets the fast reset's latency.
constexpr char FAST_GATE_A20[] =
    "0 Disabled\r1 Enabled: the chipset answers the A20 gate command (D1h to port 64h)";
constexpr char FAST_RESET[] =
    "0 Disabled\r1 Enabled: the chipset answers the pulse-output commands (odd F0h-FEh to "
    "port 64h) with a processor reset";
constexpr char FAST_RESET_LATENCY[] =
    "Sets the delay of the emulated fast reset (86Box).\r"
    "Unconfirmed: the delay of each value is not documented.";
constexpr char SOFTWARE_SMI_REQUEST[] =
    "0 No request\r1 Request a system management interrupt\r"
    "86Box raises the SMI when this bit is written 1 while 68h bit 0 is set.";
constexpr char SOFTWARE_SMI_ENABLE[] =
    "0 Software SMI disabled\r1 Software SMI enabled (60h bit 1)";
constexpr char SOFTWARE_SMI_STATUS[] = "0 No software SMI\r1 A software SMI was raised";
// 86Box: DRAM behind a 32 KB area that the processor sees at E0000h.
constexpr char SMRAM_AREA[] =
    "00 DRAM E0000h-E7FFFh at E0000h\r01 DRAM A0000h-A7FFFh at E0000h\r"
    "10 DRAM B0000h-B7FFFh at E0000h\r11 No SMRAM (86Box)";

}  // namespace

const RegisterField fields_sis5511[] = {
    // L2 cache: 86Box.
    {0x50, Field(6, 6), 0, "L2 Cache Enable", SIS_L2_ENABLE},

    // Keyboard controller emulation: 86Box's notes.
    {0x5A, Field(7, 7), 0, "Fast Gate A20 Emulation", FAST_GATE_A20},
    {0x5A, Field(6, 6), 0, "Fast Reset Emulation", FAST_RESET},
    {0x5A, Field(5, 5), 0, "Fast Reset Latency", FAST_RESET_LATENCY},

    // Software SMI: 86Box.
    {0x60, Field(1, 1), 0, "Software SMI Request", SOFTWARE_SMI_REQUEST},
    {0x68, Field(0, 0), 0, "Software SMI Enable", SOFTWARE_SMI_ENABLE},
    {0x69, Field(0, 0), 0, "Software SMI Status", SOFTWARE_SMI_STATUS},

    // SMRAM: 86Box (write mask D0h).
    {0x65, Field(7, 6), 0, "SMRAM Area", SMRAM_AREA},
    {0x65, Field(4, 4), 0, "SMRAM Outside SMM", SMRAM_OUTSIDE_SMM},

    // Shadow RAM, two 16 KB segments per register: 86Box (write masks EEh,
    // and E8h for 86h).
    {0x80, Field(7, 7), 0, "C0000-C3FFF Read from DRAM", SHADOW_READ},
    {0x80, Field(5, 5), 0, "C0000-C3FFF Write to DRAM", SHADOW_WRITE},
    {0x80, Field(3, 3), 0, "C4000-C7FFF Read from DRAM", SHADOW_READ},
    {0x80, Field(1, 1), 0, "C4000-C7FFF Write to DRAM", SHADOW_WRITE},
    {0x81, Field(7, 7), 0, "C8000-CBFFF Read from DRAM", SHADOW_READ},
    {0x81, Field(5, 5), 0, "C8000-CBFFF Write to DRAM", SHADOW_WRITE},
    {0x81, Field(3, 3), 0, "CC000-CFFFF Read from DRAM", SHADOW_READ},
    {0x81, Field(1, 1), 0, "CC000-CFFFF Write to DRAM", SHADOW_WRITE},
    {0x82, Field(7, 7), 0, "D0000-D3FFF Read from DRAM", SHADOW_READ},
    {0x82, Field(5, 5), 0, "D0000-D3FFF Write to DRAM", SHADOW_WRITE},
    {0x82, Field(3, 3), 0, "D4000-D7FFF Read from DRAM", SHADOW_READ},
    {0x82, Field(1, 1), 0, "D4000-D7FFF Write to DRAM", SHADOW_WRITE},
    {0x83, Field(7, 7), 0, "D8000-DBFFF Read from DRAM", SHADOW_READ},
    {0x83, Field(5, 5), 0, "D8000-DBFFF Write to DRAM", SHADOW_WRITE},
    {0x83, Field(3, 3), 0, "DC000-DFFFF Read from DRAM", SHADOW_READ},
    {0x83, Field(1, 1), 0, "DC000-DFFFF Write to DRAM", SHADOW_WRITE},
    {0x84, Field(7, 7), 0, "E0000-E3FFF Read from DRAM", SHADOW_READ},
    {0x84, Field(5, 5), 0, "E0000-E3FFF Write to DRAM", SHADOW_WRITE},
    {0x84, Field(3, 3), 0, "E4000-E7FFF Read from DRAM", SHADOW_READ},
    {0x84, Field(1, 1), 0, "E4000-E7FFF Write to DRAM", SHADOW_WRITE},
    {0x85, Field(7, 7), 0, "E8000-EBFFF Read from DRAM", SHADOW_READ},
    {0x85, Field(5, 5), 0, "E8000-EBFFF Write to DRAM", SHADOW_WRITE},
    {0x85, Field(3, 3), 0, "EC000-EFFFF Read from DRAM", SHADOW_READ},
    {0x85, Field(1, 1), 0, "EC000-EFFFF Write to DRAM", SHADOW_WRITE},
    {0x86, Field(7, 7), 0, "F0000-FFFFF Read from DRAM", SHADOW_READ},
    {0x86, Field(5, 5), 0, "F0000-FFFFF Write to DRAM", SHADOW_WRITE},
    {0, 0, 0, nullptr, nullptr},
};
