// The chipset catalogue: its twenty-two stated id pairs in order with their names and
// tables, the tables several ids share, and the end marks that stop a search
// of the catalogue and of a field table.
#include <map>
#include <string>

#include "tables/table_checks.h"

namespace {

struct CatalogueRow {
  uint16_t vendor;
  uint16_t device;
  const char* vendor_name;
  const char* device_name;
  const RegisterField* fields;
};

const CatalogueRow EXPECTED[] = {
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
    {0x8086, 0x122D, "Intel", "Triton FX (82437FX)", fields_82437fx},
    {0x8086, 0x04A3, "Intel", "Mercury/Neptune (82434LX/NX)", fields_82434lx},
    {0x8086, 0x0122, "Intel", "Triton FX (82437FX)", fields_82437fx},
    {0x8086, 0x1237, "Intel", "440FX (82441FX PMC)", fields_82441fx},
    {0x8086, 0x7180, "Intel", "440LX/EX (82443LX/EX)", fields_82443lx},
    {0x8086, 0x7190, "Intel", "440BX/ZX (82443BX/ZX)", fields_82443bx},
    {0x8086, 0x7192, "Intel", "440BX/ZX, AGP off (82443BX/ZX)", fields_82443bx},
};
constexpr size_t CATALOGUED = sizeof EXPECTED / sizeof EXPECTED[0];

TEST(Catalogue, TwentyTwoRowsInOrderThenTheEndMark) {
  for (size_t i = 0; i < CATALOGUED; i++) {
    SCOPED_TRACE(EXPECTED[i].device_name);
    const ChipsetEntry& e = chipset_catalogue[i];
    EXPECT_EQ(e.vendor_id, EXPECTED[i].vendor);
    EXPECT_EQ(e.device_id, EXPECTED[i].device);
    EXPECT_STREQ(e.vendor_name, EXPECTED[i].vendor_name);
    EXPECT_STREQ(e.device_name, EXPECTED[i].device_name);
    EXPECT_EQ(e.fields, EXPECTED[i].fields);
    EXPECT_NE(e.vendor_id, 0xFFFF);
    EXPECT_EQ(CatalogueEntry(EXPECTED[i].vendor, EXPECTED[i].device), &e);
  }
  // Rows for further bridges follow the stated ones; the end mark closes the list.
  size_t n = CATALOGUED;
  while (chipset_catalogue[n].vendor_id != 0xFFFF)
    n++;
  const ChipsetEntry& end = chipset_catalogue[n];
  EXPECT_EQ(end.vendor_id, 0xFFFF);
  EXPECT_EQ(end.device_id, 0xFFFF);
  EXPECT_EQ(end.vendor_name, nullptr);
  EXPECT_EQ(end.device_name, nullptr);
  EXPECT_EQ(end.fields, nullptr);
}

TEST(Catalogue, SharedTablesAndDistinctIds) {
  std::map<const RegisterField*, int> users;
  std::map<uint32_t, int> ids;
  for (size_t i = 0; i < CATALOGUED; i++) {
    users[chipset_catalogue[i].fields]++;
    ids[(uint32_t{chipset_catalogue[i].device_id} << 16) | chipset_catalogue[i].vendor_id]++;
  }
  EXPECT_EQ(users.size(), 16u);
  EXPECT_EQ(users[fields_vt82c580], 4);
  EXPECT_EQ(users[fields_vt82c595], 2);
  EXPECT_EQ(users[fields_82437fx], 2);
  EXPECT_EQ(users[fields_82443bx], 2);
  for (const auto& use : users) {
    if (use.first != fields_vt82c580 && use.first != fields_vt82c595 &&
        use.first != fields_82437fx && use.first != fields_82443bx) {
      EXPECT_EQ(use.second, 1);
    }
  }
  EXPECT_EQ(ids.size(), CATALOGUED);
}

TEST(Catalogue, SearchesStopAtTheEndMarks) {
  // Vendor FFFFh is what an empty bus reads; the end mark is met first.
  EXPECT_EQ(CatalogueEntry(0xFFFF, 0xFFFF), nullptr);
  EXPECT_EQ(CatalogueEntry(0xFFFF, 0x1250), nullptr);
  EXPECT_EQ(CatalogueEntry(0x8086, 0x7181), nullptr);  // the 440LX's AGP bridge, device 1

  // A field table ends at the first row whose register byte is 0, whatever follows.
  const RegisterField table[] = {
      {0x50, 0xC0, 0, "First field", ""},
      {0x100, 0xC0, 0, "Register byte 0", ""},
      {0x51, 0xC0, 0, "Never reached", ""},
      {0, 0, 0, nullptr, nullptr},
  };
  EXPECT_EQ(CountRows(table), 1u);

  // In every catalogued table that first row is the all-zero end row itself.
  for (size_t i = 0; i < CATALOGUED; i++) {
    SCOPED_TRACE(EXPECTED[i].device_name);
    const RegisterField& end = chipset_catalogue[i].fields[CountRows(chipset_catalogue[i].fields)];
    EXPECT_EQ(end.reg, 0u);
    EXPECT_EQ(end.name, nullptr);
    EXPECT_EQ(end.description, nullptr);
  }
}

}  // namespace
