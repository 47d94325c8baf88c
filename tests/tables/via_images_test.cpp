// The simulated Apollo VP2 and VPX boards' bridge images against the
// catalogue and the field tables that translate them.
#include <initializer_list>
#include <string>

#include "hw/sim/bridges/bridge_images.h"
#include "tables/table_checks.h"

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

unsigned FieldValue(const SimBridgeImage& image, const RegisterField& f) {
  return (ByteAt(image, f.reg & 0xFF).value >> FieldLowestBit(f.bit_spec)) &
         ((1u << FieldWidth(f.bit_spec)) - 1);
}

const RegisterField& Row(const RegisterField* table, const char* name) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++)
    if (strcmp(table[i].name, name) == 0)
      return table[i];
  ADD_FAILURE() << "no row " << name;
  return table[0];
}

// The image identifies as a catalogue row whose table translates it, lists
// each register once in ascending order, and keeps the header read-only
// apart from the command bits and the latency timer's upper five bits.
void ExpectIdentifiesAs(const SimBridgeImage& image, uint16_t device, const RegisterField* table) {
  for (size_t i = 1; i < image.count; i++)
    EXPECT_LT(image.regs[i - 1].reg, image.regs[i].reg);
  uint16_t vendor_id = ByteAt(image, 0x00).value | (ByteAt(image, 0x01).value << 8);
  uint16_t device_id = ByteAt(image, 0x02).value | (ByteAt(image, 0x03).value << 8);
  EXPECT_EQ(vendor_id, 0x1106);
  EXPECT_EQ(device_id, device);
  const ChipsetEntry* row = nullptr;
  for (const ChipsetEntry* e = chipset_catalogue; e->vendor_id != 0xFFFF; e++)
    if (e->vendor_id == vendor_id && e->device_id == device_id)
      row = e;
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->fields, table);
  EXPECT_EQ(ByteAt(image, 0x0B).value, 0x06);
  EXPECT_EQ(ByteAt(image, 0x0A).value, 0x00);
  EXPECT_EQ(ByteAt(image, 0x09).value, 0x00);
  EXPECT_EQ(ByteAt(image, 0x0E).value, 0x00);
  for (unsigned reg : {0x00, 0x01, 0x02, 0x03, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0E})
    EXPECT_EQ(ByteAt(image, reg).write_mask, 0) << reg;
  EXPECT_EQ(ByteAt(image, 0x0D).write_mask, 0xF8);
}

// Every field with choices reads as one of them, so the translated section of
// the simulated board never shows a blank where the table offers settings;
// fixed fields and reserved bits cannot be written.
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
    bool reserved = strncmp(f.name, "Reserved", 8) == 0;
    if ((f.bit_spec & 0xC0) != 0xC0 || reserved) {
      unsigned span = ((1u << FieldWidth(f.bit_spec)) - 1) << FieldLowestBit(f.bit_spec);
      EXPECT_EQ(ByteAt(image, f.reg & 0xFF).write_mask & span, 0u);
    }
  }
}

// The DRAM layout is self-consistent: bank endings never fall, the banks
// above the last populated one end where it ends, the populated banks are
// non-empty and the total matches the board's memory.
void ExpectBanks(const SimBridgeImage& image, const RegisterField* table, unsigned last_bank,
                 unsigned megabytes) {
  EXPECT_EQ(FieldValue(image, Row(table, "Last Bank DRAM Populated")), last_bank);
  unsigned previous = 0;
  for (unsigned bank = 0; bank < 6; bank++) {
    unsigned ending = ByteAt(image, 0x5A + bank).value;
    EXPECT_GE(ending, previous) << "bank " << bank;
    if (bank <= last_bank) {
      EXPECT_GT(ending, previous) << "bank " << bank;
    } else {
      EXPECT_EQ(ending, previous) << "bank " << bank;
    }
    previous = ending;
  }
  EXPECT_EQ(previous * 4, megabytes);
  // Refresh runs: the counter is set, so the DRAM keeps its contents.
  EXPECT_NE(FieldValue(image, Row(table, "Refresh Counter")), 0u);
}

void ExpectReading(const SimBridgeImage& image, const RegisterField* table, const char* name,
                   const char* choice) {
  const RegisterField& f = Row(table, name);
  unsigned value = FieldValue(image, f);
  std::string found;
  for (const std::string& line : DescriptionLines(f.description))
    if (ChoicePatternLength(line.c_str()) > 0 && ChoiceMatches(line, value))
      found = line;
  EXPECT_EQ(found, choice) << name;
}

}  // namespace

TEST(ViaImages, ApolloVp2Board) {
  ExpectIdentifiesAs(SIM_BRIDGE_VT82C595, 0x0595, fields_vt82c595);
  ExpectTableReadsImage(SIM_BRIDGE_VT82C595, fields_vt82c595);
  // The board of the simulated catalogue: 512 KB of L2, 64 MB of SDRAM in
  // banks 0 and 1, the system BIOS running from write-protected shadow DRAM.
  ExpectReading(SIM_BRIDGE_VT82C595, fields_vt82c595, "Cache Enable",
                "10 Cache enable (normal operation)");
  ExpectReading(SIM_BRIDGE_VT82C595, fields_vt82c595, "Cache Size", "01 512 KB");
  ExpectReading(SIM_BRIDGE_VT82C595, fields_vt82c595, "DRAM Type for Bank 0/1", "11 SDRAM");
  ExpectReading(SIM_BRIDGE_VT82C595, fields_vt82c595, "F0000-FFFFF Shadow RAM Control",
                "10 Read only: reads from DRAM, writes to the PCI bus");
  ExpectReading(SIM_BRIDGE_VT82C595, fields_vt82c595, "SDRAM Operation Mode Select",
                "000 Normal SDRAM operation");
  ExpectBanks(SIM_BRIDGE_VT82C595, fields_vt82c595, 1, 64);
}

TEST(ViaImages, ApolloVpxBoard) {
  ExpectIdentifiesAs(SIM_BRIDGE_VT82C580VPX, 0x0585, fields_vt82c580);
  ExpectTableReadsImage(SIM_BRIDGE_VT82C580VPX, fields_vt82c580);
  // The Cyrix board bursts linearly; 512 KB of L2 and 32 MB of EDO in bank 0.
  ExpectReading(SIM_BRIDGE_VT82C580VPX, fields_vt82c580, "Cache Enable",
                "10 Cache enable (normal operation)");
  ExpectReading(SIM_BRIDGE_VT82C580VPX, fields_vt82c580, "Linear Burst",
                "1 Linear burst order, for CPUs that burst linearly");
  ExpectReading(SIM_BRIDGE_VT82C580VPX, fields_vt82c580, "Cache Size", "01 512 KB");
  ExpectReading(SIM_BRIDGE_VT82C580VPX, fields_vt82c580, "DRAM Type for Bank 0/1", "10 EDO DRAM");
  ExpectBanks(SIM_BRIDGE_VT82C580VPX, fields_vt82c580, 0, 32);
}
