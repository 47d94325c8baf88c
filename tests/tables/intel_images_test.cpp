// The simulated Intel host bridges: identification bytes that match the
// catalogue, identification and reserved bits that software cannot change,
// and BIOS-left settings that read, through the chip's own field table, as a
// working board.
#include <string>
#include <vector>

#include "hw/sim/bridges/bridge_images.h"
#include "table_checks.h"

namespace {

// The 256 configuration bytes an image gives, with its write masks.
struct ImageBytes {
  uint8_t value[256] = {};
  uint8_t mask[256] = {};
};

ImageBytes Load(const SimBridgeImage& image) {
  ImageBytes bytes;
  bool listed[256] = {};
  for (size_t i = 0; i < image.count; i++) {
    const SimRegInit& r = image.regs[i];
    EXPECT_FALSE(listed[r.reg]) << "register " << std::hex << unsigned{r.reg} << " listed twice";
    listed[r.reg] = true;
    bytes.value[r.reg] = r.value;
    bytes.mask[r.reg] = r.write_mask;
  }
  return bytes;
}

struct IntelBoard {
  const char* name;
  const SimBridgeImage* image;
  uint16_t device;
  const RegisterField* fields;
};

const IntelBoard BOARDS[] = {
    {"82439HX", &SIM_BRIDGE_82439HX, 0x1250, fields_82439hx},
    {"82439VX", &SIM_BRIDGE_82439VX, 0x7030, fields_82439vx},
    {"82439TX", &SIM_BRIDGE_82439TX, 0x7100, fields_82439tx},
};

unsigned FieldValue(const ImageBytes& bytes, const RegisterField& f) {
  return (bytes.value[f.reg & 0xFF] >> FieldLowestBit(f.bit_spec)) &
         ((1u << FieldWidth(f.bit_spec)) - 1);
}

unsigned Named(const ImageBytes& bytes, const RegisterField* table, const char* name) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
    if (std::string(table[i].name) == name)
      return FieldValue(bytes, table[i]);
  }
  ADD_FAILURE() << "no field " << name;
  return 0;
}

TEST(IntelBridgeImages, IdentifyAsTheirCatalogueRows) {
  for (const IntelBoard& board : BOARDS) {
    SCOPED_TRACE(board.name);
    ImageBytes bytes = Load(*board.image);
    uint16_t vendor = static_cast<uint16_t>(bytes.value[0x00] | bytes.value[0x01] << 8);
    uint16_t device = static_cast<uint16_t>(bytes.value[0x02] | bytes.value[0x03] << 8);
    EXPECT_EQ(vendor, 0x8086);
    EXPECT_EQ(device, board.device);
    const ChipsetEntry* entry = nullptr;
    for (const ChipsetEntry* e = chipset_catalogue; e->vendor_id != 0xFFFF; e++) {
      if (e->vendor_id == vendor && e->device_id == device)
        entry = e;
    }
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->fields, board.fields);
    // A host bridge by its class code: 06h 00h 00h.
    EXPECT_EQ(bytes.value[0x0B], 0x06);
    EXPECT_EQ(bytes.value[0x0A], 0x00);
    EXPECT_EQ(bytes.value[0x09], 0x00);
  }

  // The 430LX bridge is present for machines whose chipset is not catalogued.
  ImageBytes lx = Load(SIM_BRIDGE_82434LX);
  EXPECT_EQ(lx.value[0x00] | lx.value[0x01] << 8, 0x8086);
  EXPECT_EQ(lx.value[0x02] | lx.value[0x03] << 8, 0x04A3);
  for (const ChipsetEntry* e = chipset_catalogue; e->vendor_id != 0xFFFF; e++) {
    EXPECT_FALSE(e->vendor_id == 0x8086 && e->device_id == 0x04A3);
  }
}

TEST(IntelBridgeImages, IdentificationAndReservedBitsAreReadOnly) {
  std::vector<const SimBridgeImage*> images = {&SIM_BRIDGE_82439HX, &SIM_BRIDGE_82439VX,
                                               &SIM_BRIDGE_82439TX, &SIM_BRIDGE_82434LX};
  for (const SimBridgeImage* image : images) {
    ImageBytes bytes = Load(*image);
    for (unsigned reg : {0x00u, 0x01u, 0x02u, 0x03u, 0x06u, 0x08u, 0x09u, 0x0Au, 0x0Bu, 0x0Eu}) {
      EXPECT_EQ(bytes.mask[reg], 0) << "register " << std::hex << reg;
    }
  }
  // No bit the table calls reserved takes a write, and reserved fields read 0.
  for (const IntelBoard& board : BOARDS) {
    SCOPED_TRACE(board.name);
    ImageBytes bytes = Load(*board.image);
    for (size_t i = 0; (board.fields[i].reg & 0xFF) != 0; i++) {
      const RegisterField& f = board.fields[i];
      if (std::string(f.name) != "Reserved")
        continue;
      SCOPED_TRACE(testing::Message() << std::hex << (f.reg & 0xFF) << " " << f.bit_spec);
      unsigned bits = ((1u << FieldWidth(f.bit_spec)) - 1) << FieldLowestBit(f.bit_spec);
      EXPECT_EQ(bytes.mask[f.reg & 0xFF] & bits, 0u);
      EXPECT_EQ(FieldValue(bytes, f), 0u);
    }
  }
}

TEST(IntelBridgeImages, EveryFieldReadsAsAWorkingBoard) {
  for (const IntelBoard& board : BOARDS) {
    SCOPED_TRACE(board.name);
    ImageBytes bytes = Load(*board.image);
    for (size_t i = 0; (board.fields[i].reg & 0xFF) != 0; i++) {
      const RegisterField& f = board.fields[i];
      SCOPED_TRACE(f.name);
      unsigned v = FieldValue(bytes, f);
      bool has_choices = false;
      std::vector<std::string> matched;
      for (const std::string& line : DescriptionLines(f.description)) {
        size_t k = ChoicePatternLength(line.c_str());
        if (k == 0)
          continue;
        has_choices = true;
        if (ChoiceMatches(line, v))
          matched.push_back(line.substr(k + 1));
      }
      // A set bit a chip never sets, or a reserved or undefined code, is a fault.
      if (has_choices) {
        EXPECT_EQ(matched.size(), 1u) << "value " << v;
      }
      for (const std::string& text : matched) {
        EXPECT_NE(text.rfind("Reserved", 0), 0u) << text;
        EXPECT_NE(text.rfind("(undefined)", 0), 0u) << text;
      }
    }

    // Set up the way a finished BIOS leaves it.
    EXPECT_EQ(Named(bytes, board.fields, "L1 Enable"), 1u);
    EXPECT_EQ(Named(bytes, board.fields, "L2 Force Miss"), 0u);
    EXPECT_NE(Named(bytes, board.fields, "L2 Cache Size"), 0u);
    EXPECT_EQ(Named(bytes, board.fields, "EDO Detect Mode"), 0u);
    EXPECT_EQ(Named(bytes, board.fields, "DRAM Refresh Rate"), 3u);  // 66 MHz
    EXPECT_NE(Named(bytes, board.fields, "BIOS ROM (F0000-FFFFF) Control") & 1, 0u);
    unsigned previous = 0;
    for (unsigned reg = 0x60; reg <= 0x65; reg++) {
      EXPECT_GE(bytes.value[reg], previous) << "row boundaries must not fall";
      previous = bytes.value[reg];
    }
    EXPECT_GT(bytes.value[0x65], 0u);
  }
}

}  // namespace
