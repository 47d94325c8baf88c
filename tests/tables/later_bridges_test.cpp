// The thinly sourced tables of the VIA VP3/MVP3 and Apollo Pro family, the
// SiS 501/5501, 5511 and 5600, the ALi M1621, the VLSI SuperCore and
// Wildcat, and the bridges known by name only: the catalogue reaches them,
// they read the codings their sources document, and the simulated MVP3 and
// Apollo Pro133A boards read through them.
#include <set>

#include "tables/table_checks.h"

namespace {

const StatedBoard BOARDS[] = {
    {"ApolloMVP3", &SIM_BRIDGE_VT82C598, 0x1106, 0x0598, fields_vt82c597,
     NAMES_EVERY_VALUE | FIXED_READ_ONLY | RESERVED_READ_ONLY},
    // The real board this image follows reads 11 in 68h bits 1-0, a code no
    // source names, so not every value is named.
    {"ApolloPro133A", &SIM_BRIDGE_VT82C694X, 0x1106, 0x0691, fields_vt82c691,
     FIXED_READ_ONLY | RESERVED_READ_ONLY},
};
INSTANTIATE_TEST_SUITE_P(LaterBridges, StatedBoardTest, testing::ValuesIn(BOARDS),
                         LabelOf<StatedBoard>);

// The reading of one register value through a table's field.
std::string ReadingOf(const RegisterField* table, unsigned reg, const char* name, uint8_t value) {
  const SimRegInit regs[] = {{static_cast<uint8_t>(reg), value, 0}};
  return Reading(ImageOf(regs), table, name);
}

// An MVP3 whose BIOS left it answering as a VP3 still reads through its own
// table; the Apollo Pro ids share theirs.  No id pair is listed twice, as a
// second row would never be reached.
TEST(LaterBridges, CatalogueReachesEveryTable) {
  const ChipsetEntry* vp3 = CatalogueEntry(0x1106, 0x0597);
  const ChipsetEntry* mvp3 = CatalogueEntry(0x1106, 0x0598);
  ASSERT_NE(vp3, nullptr);
  ASSERT_NE(mvp3, nullptr);
  EXPECT_EQ(vp3->fields, mvp3->fields);
  EXPECT_EQ(CatalogueEntry(0x1106, 0x0691)->fields, CatalogueEntry(0x1106, 0x0693)->fields);
  EXPECT_EQ(CatalogueEntry(0x1039, 0x0406)->fields, fields_sis5501);
  EXPECT_EQ(CatalogueEntry(0x1039, 0x5511)->fields, fields_sis5511);
  EXPECT_EQ(CatalogueEntry(0x1039, 0x5600)->fields, fields_sis5600);
  EXPECT_EQ(CatalogueEntry(0x10B9, 0x1621)->fields, fields_m1621);
  EXPECT_EQ(CatalogueEntry(0x1004, 0x0005)->fields, CatalogueEntry(0x1004, 0x0007)->fields);
  // The ALi M1489 keeps its registers behind ports 22h and 23h: its
  // configuration space has the PCI header alone.
  EXPECT_EQ(CatalogueEntry(0x10B9, 0x1489)->fields, fields_pci_header_only);

  std::set<uint32_t> ids;
  for (const ChipsetEntry* e = chipset_catalogue; e->vendor_id != 0xFFFF; e++)
    EXPECT_TRUE(ids.insert(uint32_t{e->device_id} << 16 | e->vendor_id).second)
        << std::hex << e->vendor_id << ":" << e->device_id;
}

// Codings as their sources give them.
TEST(LaterBridges, DocumentedCodings) {
  // Linux via-agp.c, via_generic_sizes: 84h holds the aperture size mask.
  for (const RegisterField* table : {fields_vt82c597, fields_vt82c691}) {
    EXPECT_EQ(ReadingOf(table, 0x84, "Graphics Aperture Size", 0x00), "00000000 256 MB");
    EXPECT_EQ(ReadingOf(table, 0x84, "Graphics Aperture Size", 0xC0), "11000000 64 MB");
    EXPECT_EQ(ReadingOf(table, 0x84, "Graphics Aperture Size", 0xFC), "11111100 4 MB");
    // 86Box via_apollo.c: bit 1 of each pair sends reads to DRAM.
    EXPECT_EQ(ReadingOf(table, 0x61, "C0000-C3FFF Shadow RAM Control", 0x02),
              "10 Read only: reads from DRAM, writes to the PCI bus");
  }
  // Linux quirks.c: with FCh cleared the MVP3 shows its own id.
  EXPECT_EQ(ReadingOf(fields_vt82c597, 0xFC, "VP3 Device ID Compatibility", 0x00),
            "0 The MVP3 answers with its own device id, 0598h");
  // 86Box sis_85c50x.c: bit 7 of 54h is the lowest E segment.
  EXPECT_EQ(ReadingOf(fields_sis5501, 0x54, "E0000-E3FFF Shadow RAM", 0x80),
            "1 Shadowed, as 53h bits 6-5 set");
  // 86Box sis_5511_h2p.c: each register holds two segments, bits 7/5 and 3/1.
  EXPECT_EQ(ReadingOf(fields_sis5511, 0x80, "C4000-C7FFF Read from DRAM", 0x08),
            "1 Reads come from DRAM (shadow RAM)");
  // 86Box sis_5600_h2p.c: 94h bits 6-4 index its size list.
  EXPECT_EQ(ReadingOf(fields_sis5600, 0x94, "Graphics Aperture Size", 0x40), "100 64 MB");
  // 86Box ali1621.c: bits 22-20 of a row register are its size; 87h bits 5-4
  // shadow F0000h-FFFFFh.
  EXPECT_EQ(ReadingOf(fields_m1621, 0x6E, "DRAM Row Size (6Ch-6Fh)", 0x50), "101 128 MB");
  EXPECT_EQ(ReadingOf(fields_m1621, 0x87, "F0000-FFFFF Shadow RAM Control", 0x10),
            "01 Reads from DRAM, writes to the PCI bus");
  // 86Box vl82c59x.c: a bank's size is 2 MB << (2 x type + sides); 69h
  // bits 7-6 shadow FC000h-FFFFFh.
  EXPECT_EQ(ReadingOf(fields_vl82c591, 0x58, "Bank 1 Module Type", 0x20), "10 32 MB a side");
  EXPECT_EQ(ReadingOf(fields_vl82c591, 0x69, "FC000-FFFFF Shadow RAM Control", 0x80),
            "10 Read only: reads from DRAM, writes to the PCI bus");
}

}  // namespace
