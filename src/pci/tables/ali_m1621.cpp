// Register fields of the ALi M1621 host bridge (Aladdin Pro II, Slot 1 and
// Socket 370, with the M1543 south bridge).  ALi's datasheet is not
// published on the web; every row follows 86Box src/chipset/ali1621.c, which
// models the DRAM row sizes, SMRAM, shadow RAM and graphics aperture bits
// listed here (its comments give the SMRAM modes and the row size codes).
// The table has no rows for the PCI configuration header.
#include "pci/tables/field_bits.h"
#include "pci/tables/tables.h"

namespace {

// 86Box's note on 6Ch-7Bh: bits 22-20 of each 32-bit row register are the
// DRAM row size.
constexpr char ROW_SIZE[] =
    "000 4 MB\r001 8 MB\r010 16 MB\r011 32 MB\r100 64 MB\r101 128 MB\r110 256 MB\r"
    "111 Reserved";
// 86Box's table of SMREN, SMWEN and the SMRAM mode for A0000h-BFFFFh.
constexpr char SMRAM_READ_ENABLE[] =
    "0 SMRAM reads disabled: A0000h-BFFFFh reads go to the PCI bus\r"
    "1 SMRAM reads enabled, as the SMRAM mode sets";
constexpr char SMRAM_WRITE_ENABLE[] =
    "0 SMRAM writes disabled: A0000h-BFFFFh writes go to the PCI bus\r"
    "1 SMRAM writes enabled, as the SMRAM mode sets";
constexpr char SMRAM_MODE[] =
    "01 Open: DRAM in and out of SMM\r"
    "11 Protect: DRAM in SMM, the PCI bus otherwise\r"
    "x0 Close or Lock: in SMM code from DRAM and data from the PCI bus; the PCI bus otherwise\r"
    "Which of 00 and 10 is Close and which is Lock is unconfirmed; 86Box treats them alike.";
constexpr char SMRAM_LOW_WINDOW[] =
    "0 Disabled\r1 Enabled: in SMM, 38000h-3FFFFh reaches DRAM A8000h-AFFFFh (86Box)";
// 86Box: the lower bit of each pair sends reads to DRAM, the upper one writes.
constexpr char SHADOW_PAIR[] =
    "00 Reads and writes go to the PCI bus (ROM)\r"
    "01 Reads from DRAM, writes to the PCI bus\r"
    "10 Reads from the PCI bus, writes to DRAM\r"
    "11 Reads and writes go to DRAM";
// 86Box masks the aperture base (12h-13h) to the size this code gives.
constexpr char APERTURE_SIZE[] =
    "0000 No aperture: the base reads 0\r0001 1 MB\r0010 2 MB\r0011 4 MB\r0100 8 MB\r"
    "0110 16 MB\r0111 32 MB\r1000 64 MB\r1001 128 MB\r1010 256 MB\r"
    "86Box lists no size for the other codes.";

}  // namespace

const RegisterField fields_m1621[] = {
    // DRAM row sizes, one 32-bit register per pair of rows: 86Box.
    {0x6E, Field(6, 4), 0, "DRAM Row Size (6Ch-6Fh)", ROW_SIZE},
    {0x72, Field(6, 4), 0, "DRAM Row Size (70h-73h)", ROW_SIZE},
    {0x76, Field(6, 4), 0, "DRAM Row Size (74h-77h)", ROW_SIZE},
    {0x7A, Field(6, 4), 0, "DRAM Row Size (78h-7Bh)", ROW_SIZE},

    // SMRAM: 86Box (write mask FCh).
    {0x83, Field(7, 7), 0, "SMRAM Read Enable (SMREN)", SMRAM_READ_ENABLE},
    {0x83, Field(6, 6), 0, "SMRAM Write Enable (SMWEN)", SMRAM_WRITE_ENABLE},
    {0x83, Field(5, 4), 0, "SMRAM Mode", SMRAM_MODE},
    {0x83, Field(3, 3), 0, "SMRAM Window at 38000-3FFFF", SMRAM_LOW_WINDOW},

    // Shadow RAM, a read bit and a write bit per 16 KB segment: 86Box.
    {0x84, Field(5, 4), 0, "C0000-C3FFF Shadow RAM Control", SHADOW_PAIR},
    {0x84, Field(7, 6), 0, "C4000-C7FFF Shadow RAM Control", SHADOW_PAIR},
    {0x85, Field(1, 0), 0, "C8000-CBFFF Shadow RAM Control", SHADOW_PAIR},
    {0x85, Field(3, 2), 0, "CC000-CFFFF Shadow RAM Control", SHADOW_PAIR},
    {0x85, Field(5, 4), 0, "D0000-D3FFF Shadow RAM Control", SHADOW_PAIR},
    {0x85, Field(7, 6), 0, "D4000-D7FFF Shadow RAM Control", SHADOW_PAIR},
    {0x86, Field(1, 0), 0, "D8000-DBFFF Shadow RAM Control", SHADOW_PAIR},
    {0x86, Field(3, 2), 0, "DC000-DFFFF Shadow RAM Control", SHADOW_PAIR},
    {0x86, Field(5, 4), 0, "E0000-E3FFF Shadow RAM Control", SHADOW_PAIR},
    {0x86, Field(7, 6), 0, "E4000-E7FFF Shadow RAM Control", SHADOW_PAIR},
    {0x87, Field(1, 0), 0, "E8000-EBFFF Shadow RAM Control", SHADOW_PAIR},
    {0x87, Field(3, 2), 0, "EC000-EFFFF Shadow RAM Control", SHADOW_PAIR},
    {0x87, Field(5, 4), 0, "F0000-FFFFF Shadow RAM Control", SHADOW_PAIR},
    // Graphics aperture size: 86Box.
    {0xBC, Field(3, 0), 0, "Graphics Aperture Size", APERTURE_SIZE},

    {0, 0, 0, nullptr, nullptr},
};
