#include "pci/tables/tables.h"

const ChipsetEntry chipset_catalogue[] = {
    {0x8086, 0x1250, "Intel", "Triton HX (82439HX)", fields_82439hx},
    {0x8086, 0x7030, "Intel", "Triton VX (82439VX)", fields_82439vx},
    {0x8086, 0x7100, "Intel", "Triton TX (82439TX)", fields_82439tx},
    {0x1039, 0x5571, "SiS Technologies", "5571", fields_sis5571},
    {0x1039, 0x5591, "SiS Technologies", "5591", fields_sis5591},
    {0x1039, 0x5596, "SiS Technologies", "5596", fields_sis5596},
    {0x1039, 0x5597, "SiS Technologies", "5597/5598", fields_sis5597},
    {0x10B9, 0x1531, "Acer Labs, Inc.", "Aladdin IV (M1531)", fields_m1531},
    {0x10B9, 0x1541, "Acer Labs, Inc.", "Aladdin V (M1541)", fields_m1541},
    {0x1106, 0x0595, "VIA Technologies", "Apollo VP2 (VT82C595)", fields_vt82c595},
    {0x1106, 0x1595, "VIA Technologies", "Apollo VP2 (VT82C595)", fields_vt82c595},
    {0x1106, 0x0585, "VIA Technologies", "Apollo VPX (VT82C580VPX)", fields_vt82c580},
    {0x1106, 0x1585, "VIA Technologies", "Apollo VPX (VT82C580VPX)", fields_vt82c580},
    {0x1106, 0x0580, "VIA Technologies", "Apollo VP1 (VT82C580VP)", fields_vt82c580},
    {0x1106, 0x1580, "VIA Technologies", "Apollo VP1 (VT82C580VP)", fields_vt82c580},
    // RBIL INTERRUP.E names 122Dh the 82437FX (Triton) and 04A3h the 82434LX
    // (Mercury) or NX (Neptune); the revision tells those two apart, and
    // their table's revision row names the one found.
    {0x8086, 0x122D, "Intel", "Triton FX (82437FX)", fields_82437fx},
    {0x8086, 0x04A3, "Intel", "Mercury/Neptune (82434LX/NX)", fields_82434lx},
    // pci.ids lists 0122h as the 82437FX as well; Bochs's 430FX board answers
    // with it.
    {0x8086, 0x0122, "Intel", "Triton FX (82437FX)", fields_82437fx},
    // Bridges at device 0 that 86Box's boards carry, with tables from thin
    // sources (each table's file names them).  Ids: RBIL INTERRUP.E tables
    // 00756 (SiS 0406h, 5511h) and 00817 (VIA 0597h), pci.ids (VIA 0598h,
    // 0691h, 0693h, SiS 5600h, ALi 1621h), 86Box's chipset models.  An MVP3
    // may answer as 0597h (Linux quirks.c); the two share a table.
    {0x1106, 0x0597, "VIA Technologies", "Apollo VP3 (VT82C597)", fields_vt82c597},
    {0x1106, 0x0598, "VIA Technologies", "Apollo MVP3 (VT82C598)", fields_vt82c597},
    {0x1106, 0x0691, "VIA Technologies", "Apollo Pro/Pro133/Pro133A (VT82C691/693A/694X)",
     fields_vt82c691},
    {0x1106, 0x0693, "VIA Technologies", "Apollo Pro Plus (VT82C693)", fields_vt82c691},
    {0x1039, 0x0406, "SiS Technologies", "501/5501 (85C501)", fields_sis5501},
    {0x1039, 0x5511, "SiS Technologies", "5511", fields_sis5511},
    {0x1039, 0x5600, "SiS Technologies", "5600", fields_sis5600},
    {0x10B9, 0x1621, "Acer Labs, Inc.", "Aladdin Pro II (M1621)", fields_m1621},
    {0xFFFF, 0xFFFF, nullptr, nullptr, nullptr},
};
