// The simulated Aladdin IV and Aladdin V boards' bridge images against the
// catalogue and the field tables that translate them.
#include "hw/sim/bridges/bridge_images.h"
#include "table_checks.h"

namespace {

struct ImageByte {
  uint8_t value;
  uint8_t write_mask;
};

// What the simulated bridge holds at a register: unlisted registers read 00h
// and are read-only.
ImageByte ByteAt(const SimBridgeImage& image, unsigned reg) {
  for (size_t i = 0; i < image.count; i++)
    if (image.regs[i].reg == reg)
      return {image.regs[i].value, image.regs[i].write_mask};
  return {0, 0};
}

const ChipsetEntry* CatalogueRow(uint16_t vendor, uint16_t device) {
  for (const ChipsetEntry* e = chipset_catalogue; e->vendor_id != 0xFFFF; e++)
    if (e->vendor_id == vendor && e->device_id == device)
      return e;
  return nullptr;
}

const RegisterField* FindField(const RegisterField* table, const char* name) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++)
    if (strcmp(table[i].name, name) == 0)
      return &table[i];
  return nullptr;
}

unsigned FieldValue(const SimBridgeImage& image, const RegisterField& f) {
  unsigned width = FieldWidth(f.bit_spec);
  return (ByteAt(image, f.reg & 0xFF).value >> FieldLowestBit(f.bit_spec)) & ((1u << width) - 1);
}

// The image identifies as the catalogue row whose table translates it, and
// lists each register once, in ascending order.
void ExpectIdentifiesAs(const SimBridgeImage& image, uint16_t device, const RegisterField* table) {
  for (size_t i = 1; i < image.count; i++)
    EXPECT_LT(image.regs[i - 1].reg, image.regs[i].reg);
  uint16_t vendor_id = ByteAt(image, 0x00).value | (ByteAt(image, 0x01).value << 8);
  uint16_t device_id = ByteAt(image, 0x02).value | (ByteAt(image, 0x03).value << 8);
  EXPECT_EQ(vendor_id, 0x10B9);
  EXPECT_EQ(device_id, device);
  const ChipsetEntry* row = CatalogueRow(vendor_id, device_id);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->fields, table);
  // Class code 06 00 00 (host bridge), single-function standard header.
  EXPECT_EQ(ByteAt(image, 0x09).value, 0x00);
  EXPECT_EQ(ByteAt(image, 0x0A).value, 0x00);
  EXPECT_EQ(ByteAt(image, 0x0B).value, 0x06);
  EXPECT_EQ(ByteAt(image, 0x0E).value, 0x00);
  for (unsigned reg = 0x00; reg <= 0x03; reg++)
    EXPECT_EQ(ByteAt(image, reg).write_mask, 0);
  for (unsigned reg = 0x06; reg <= 0x0B; reg++)
    EXPECT_EQ(ByteAt(image, reg).write_mask, 0);
  // The latency timer counts in steps of 8 clocks: its low three bits are fixed.
  EXPECT_EQ(ByteAt(image, 0x0D).write_mask & 0x07, 0);
}

// Every field reads as one of its choices, so the translated section of the
// simulated board never shows a blank where the table offers settings; and no
// field that the hardware fixes can be changed.
void ExpectTableReadsImage(const SimBridgeImage& image, const RegisterField* table) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
    const RegisterField& f = table[i];
    SCOPED_TRACE(std::string("row ") + std::to_string(i) + " " + f.name);
    unsigned value = FieldValue(image, f);
    bool has_choices = false, matched = false;
    for (const std::string& line : DescriptionLines(f.description)) {
      if (ChoicePatternLength(line.c_str()) == 0)
        continue;
      has_choices = true;
      matched |= ChoiceMatches(line, value);
    }
    if (has_choices) {
      EXPECT_TRUE(matched) << "value " << value;
    }
    if ((f.bit_spec & 0xC0) != 0xC0) {
      unsigned span = ((1u << FieldWidth(f.bit_spec)) - 1) << FieldLowestBit(f.bit_spec);
      EXPECT_EQ(ByteAt(image, f.reg & 0xFF).write_mask & span, 0u);
    }
  }
}

// A working board has both caches on and memory refreshed; the named fields
// must read 1.
void ExpectFieldsOn(const SimBridgeImage& image, const RegisterField* table,
                    std::initializer_list<const char*> names) {
  for (const char* name : names) {
    const RegisterField* f = FindField(table, name);
    ASSERT_NE(f, nullptr) << name;
    EXPECT_EQ(FieldValue(image, *f), 1u) << name;
  }
}

}  // namespace

TEST(AliImages, AladdinIvBoard) {
  ExpectIdentifiesAs(SIM_BRIDGE_M1531, 0x1531, fields_m1531);
  ExpectTableReadsImage(SIM_BRIDGE_M1531, fields_m1531);
  ExpectFieldsOn(SIM_BRIDGE_M1531, fields_m1531,
                 {"L1 Cache ON/OFF", "L2 Cache ON/OFF", "Bus Master", "Memory Space"});
  // The system BIOS runs from shadow DRAM and is protected from writes.
  EXPECT_EQ(ByteAt(SIM_BRIDGE_M1531, 0x4D).value & 0xF0, 0xF0);
  EXPECT_EQ(ByteAt(SIM_BRIDGE_M1531, 0x4F).value & 0xF0, 0x00);
}

TEST(AliImages, AladdinVBoard) {
  ExpectIdentifiesAs(SIM_BRIDGE_M1541, 0x1541, fields_m1541);
  ExpectTableReadsImage(SIM_BRIDGE_M1541, fields_m1541);
  ExpectFieldsOn(SIM_BRIDGE_M1541, fields_m1541,
                 {"L1 Cache On/Off", "L2 Cache ON/OFF", "DRAM Refresh Function"});
  // The capability pointer leads to an AGP capability block.
  uint8_t capability = ByteAt(SIM_BRIDGE_M1541, 0x34).value;
  EXPECT_NE(ByteAt(SIM_BRIDGE_M1541, 0x06).value & 0x10, 0);
  EXPECT_EQ(ByteAt(SIM_BRIDGE_M1541, capability).value, 0x02);
}
