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
    // The Pentium Pro and Pentium II bridges.  RBIL INTERRUP.E lists 1237h as
    // the 82441FX, 7180h as the 82443LX/EX (its AGP bridge, 7181h, is device
    // 1), and 7190h and 7192h as the 82443BX with its AGP port on and off;
    // the 82443ZX answers with the BX's ids (86Box intel_4x0.c).
    {0x8086, 0x1237, "Intel", "440FX (82441FX PMC)", fields_82441fx},
    {0x8086, 0x7180, "Intel", "440LX/EX (82443LX/EX)", fields_82443lx},
    {0x8086, 0x7190, "Intel", "440BX/ZX (82443BX/ZX)", fields_82443bx},
    {0x8086, 0x7192, "Intel", "440BX/ZX, AGP off (82443BX/ZX)", fields_82443bx},
    {0xFFFF, 0xFFFF, nullptr, nullptr, nullptr},
};
