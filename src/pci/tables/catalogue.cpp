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
    // RBIL INTERRUP.E lists 71A0h and 71A2h as the 82443GX with its AGP port
    // on and off; 86Box models it as a BX.  Its table rests on the BX's
    // documentation.
    {0x8086, 0x71A0, "Intel", "440GX (82443GX)", fields_82443gx},
    {0x8086, 0x71A2, "Intel", "440GX, AGP off (82443GX)", fields_82443gx},
    // Bridges at device 0 that 86Box's boards carry, with tables from thin
    // sources (each table's file names them).  Ids: RBIL INTERRUP.E tables
    // 00756 (SiS 0406h, 5511h) and 00817 (VIA 0597h), pci.ids (VIA 0598h,
    // 0691h, 0693h, SiS 5600h, ALi 1621h), 86Box's chipset models.  An MVP3
    // may answer as 0597h (Linux quirks.c); the two share a table.
    {0x1106, 0x0597, "VIA Technologies", "Apollo VP3 (VT82C597)", fields_vt82c597},
    {0x1106, 0x0598, "VIA Technologies", "Apollo MVP3 (VT82C598)", fields_vt82c597},
    {0x1106, 0x0691, "VIA Technologies", "Apollo Pro/Pro133/Pro133A (VT82C691/693A/694X)",
     fields_vt82c691},
    // No source shows the VT82C693's registers; it is read through its
    // family's table, whose rows say what they rest on.
    {0x1106, 0x0693, "VIA Technologies", "Apollo Pro Plus (VT82C693)", fields_vt82c691},
    {0x1039, 0x0406, "SiS Technologies", "501/5501 (85C501)", fields_sis5501},
    {0x1039, 0x5511, "SiS Technologies", "5511", fields_sis5511},
    {0x1039, 0x5600, "SiS Technologies", "5600", fields_sis5600},
    {0x10B9, 0x1621, "Acer Labs, Inc.", "Aladdin Pro II (M1621)", fields_m1621},
    // RBIL 00737 names 0005h the 82C592 CPU bridge and 0007h the 82C594
    // Wildcat system controller; its table 00919 gives 0005h's map as the
    // VL82C591's, and 86Box models both as the VL82C591 family.
    {0x1004, 0x0005, "VLSI Technology", "SuperCore (VL82C591/592)", fields_vl82c591},
    {0x1004, 0x0007, "VLSI Technology", "Wildcat (VL82C594)", fields_vl82c591},
    // Bridges known by name only: ids from RBIL 00760 (OPTi C557h), 00798
    // (ALi 1489h) and 00817 (VIA 0505h), and from 86Box's models (ALi's older
    // vendor id 1025h for the M1435, IMS 8849h, UMC 0891h and 8891h).
    {0x10B9, 0x1489, "Acer Labs, Inc.", "M1489 (registers at ports 22h/23h)",
     fields_pci_header_only},
    {0x1045, 0xC557, "OPTi", "Viper (82C557)", fields_pci_header_only},
    {0x1106, 0x0505, "VIA Technologies", "VT82C505 (with VT82C496G)", fields_pci_header_only},
    {0x10E0, 0x8849, "Integrated Micro Solutions", "IMS 8848/8849", fields_pci_header_only},
    {0x1025, 0x1435, "Acer Labs, Inc.", "M1435 VL-to-PCI bridge", fields_pci_header_only},
    {0x1060, 0x0891, "UMC", "UM8891BF (8890 chipset)", fields_pci_header_only},
    {0x1060, 0x8891, "UMC", "UM8891BF (8890 chipset)", fields_pci_header_only},
    // 486 host bridges found away from device 0 of bus 0 (ids and
    // devices as 86Box's chipset and machine files give them): the UMC UM8881F and the
    // OPTi 82C822 at device 10h, the SiS 85C496 at device 05h.
    {0x1060, 0x8881, "UMC", "UM8881F (HB4)", fields_umc8881},
    {0x1045, 0xC822, "OPTi", "82C822 (PCIB)", fields_opti822},
    {0x1039, 0x0496, "SiS Technologies", "85C496/497", fields_sis85c496},
    // The Intel 486 bridges: the 82424TX/ZX at device 0, answering only
    // configuration mechanism #2, and the 82425EX at device 05h (ids as
    // FreeBSD sys/pci/pcisupport.c and 86Box give them).
    {0x8086, 0x0483, "Intel", "Saturn/Saturn II (82424TX/ZX)", fields_82424zx},
    {0x8086, 0x0486, "Intel", "Aries (82425EX)", fields_82425ex},
    // The 450KX/GX (Orion): RBIL INTERRUP.E lists 84C4h as the 82454KX/GX
    // PCI bridge, found at device 19h (86Box intel_i450kx.c), and 84C5h as
    // its memory controller at device 14h, whose registers no source gives.
    {0x8086, 0x84C4, "Intel", "450KX/GX PCI Bridge (82454KX/GX)", fields_82454kx},
    {0x8086, 0x84C5, "Intel", "450KX/GX Memory Controller (82453KX/GX)", fields_pci_header_only},
    // The STMicroelectronics STPC system-on-chips, their host bridge at
    // device 0Bh (86Box src/chipset/stpc.c, which shows no meaning for the
    // bridge's own registers).  pci.ids lists 104Ah:020Ah as the Atlas,
    // Consumer-S and Consumer-IIA north bridge and 104Ah:0564h as the
    // Client's; 86Box's Client answers 0564h under vendor 100Eh.
    {0x104A, 0x020A, "STMicroelectronics", "STPC Atlas/Consumer-II/Elite", fields_pci_header_only},
    {0x104A, 0x0564, "STMicroelectronics", "STPC Client", fields_pci_header_only},
    {0x100E, 0x0564, "STMicroelectronics", "STPC Client", fields_pci_header_only},
    {0xFFFF, 0xFFFF, nullptr, nullptr, nullptr},
};

const ChipsetEntry* FindChipset(uint16_t vendor_id, uint16_t device_id) {
  for (const ChipsetEntry* entry = chipset_catalogue; entry->vendor_id != 0xFFFF; ++entry) {
    if (entry->vendor_id == vendor_id && entry->device_id == device_id)
      return entry;
  }
  return nullptr;
}
