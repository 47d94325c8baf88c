// The three Intel field tables (82439HX, 82439VX, 82439TX) against their
// stated row lists and summaries, and the simulated Intel boards, which read
// through them as a BIOS of the time leaves a working machine.
#include "tables/table_checks.h"

namespace {

// 59h-5Fh and 60h-65h read the same in all three tables.
const std::vector<ExpectedRow> ATTRIBUTES_AND_ROWS = {
    {0x59, 3, 0, "Reserved"},
    {0x59, 7, 4, "BIOS ROM (F0000-FFFFF) Control"},
    {0x5A, 3, 0, "C0000-C3FFF Control"},
    {0x5A, 7, 4, "C4000-C7FFF Control"},
    {0x5B, 3, 0, "C8000-CBFFF Control"},
    {0x5B, 7, 4, "CC000-CFFFF Control"},
    {0x5C, 3, 0, "D0000-D3FFF Control"},
    {0x5C, 7, 4, "D4000-D7FFF Control"},
    {0x5D, 3, 0, "D8000-DBFFF Control"},
    {0x5D, 7, 4, "DC000-DFFFF Control"},
    {0x5E, 3, 0, "E0000-E3FFF Control"},
    {0x5E, 7, 4, "E4000-E7FFF Control"},
    {0x5F, 3, 0, "E8000-EBFFF Control"},
    {0x5F, 7, 4, "EC000-EFFFF Control"},
    {0x60, 6, 0, "DRAM Size Row 0 (4M unit)"},
    {0x61, 6, 0, "DRAM Size Row 1-0 (4M unit)"},
    {0x62, 6, 0, "DRAM Size Row 2-0 (4M unit)"},
    {0x63, 6, 0, "DRAM Size Row 3-0 (4M unit)"},
    {0x64, 6, 0, "DRAM Size Row 4-0 (4M unit)"},
    {0x65, 6, 0, "DRAM Size Row 5-0 (4M unit)"},
};

// The SDRAM-capable chips end with 67h split around 68h.
const std::vector<ExpectedRow> ROW_TYPES = {
    {0x67, 7, 7, "Host Frequency Detection"}, {0x67, 2, 2, "Memory Address Select Enable"},
    {0x68, 4, 4, "DRAM Row 0 is SDRAM"},      {0x68, 0, 0, "DRAM Row 0 is EDO/FPM"},
    {0x68, 5, 5, "DRAM Row 1 is SDRAM"},      {0x68, 1, 1, "DRAM Row 1 is EDO/FPM"},
    {0x68, 6, 6, "DRAM Row 2 is SDRAM"},      {0x68, 2, 2, "DRAM Row 2 is EDO/FPM"},
    {0x68, 7, 7, "DRAM Row 3 is SDRAM"},      {0x68, 3, 3, "DRAM Row 3 is EDO/FPM"},
    {0x67, 4, 4, "DRAM Row 4 is SDRAM"},      {0x67, 0, 0, "DRAM Row 4 is EDO/FPM"},
    {0x67, 5, 5, "DRAM Row 5 is SDRAM"},      {0x67, 1, 1, "DRAM Row 5 is EDO/FPM"},
};

const std::vector<ExpectedRow> HEADER =
    HeaderRows("Revision ID Code", "Received Master Abort", false);

const std::vector<ExpectedRow> ROWS_HX = Join({
    HEADER,
    {
        {0x50, 7, 7, "DRAM ECC/Parity Select"},
        {0x50, 6, 6, "ECC Test Mode"},
        {0x50, 5, 5, "Shutdown to Port 92"},
        {0x50, 4, 4, "Dual Processor NA# Enable"},
        {0x50, 3, 3, "PCI Concurrency Enable"},
        {0x50, 2, 2, "SERR# Output Type"},
        {0x50, 0, 0, "Global TXC Enabled"},
        {0x52, 7, 6, "L2 Cache Size"},
        {0x52, 5, 4, "L2 SRAM Type"},
        {0x52, 3, 3, "NA Disable"},
        {0x52, 2, 2, "Extended Cacheability"},
        {0x52, 1, 1, "L2 Force Miss"},
        {0x52, 0, 0, "L1 Enable"},
        {0x56, 4, 4, "DRAM Speculative Leadoff"},
        {0x56, 3, 3, "Turn Around Insertion"},
        {0x56, 2, 1, "Memory Address Drive Strength"},
        {0x56, 0, 0, "64Mbit Memory"},
        {0x57, 7, 6, "Memory Hole"},
        {0x57, 3, 3, "EDO Detect Mode"},
        {0x57, 2, 0, "DRAM Refresh Rate"},
        {0x58, 7, 7, "Turbo Read Leadoff"},
        {0x58, 6, 5, "EDO/FPM Read Burst Timing"},
        {0x58, 4, 3, "EDO/FPM Write Burst Timing"},
        {0x58, 1, 0, "EDO/FPM Leadoff Timing"},
    },
    ATTRIBUTES_AND_ROWS,
    {
        {0x68, 0, 0, "Row 0 Memory Type"},
        {0x68, 1, 1, "Row 1 Memory Type"},
        {0x68, 2, 2, "Row 2 Memory Type"},
        {0x68, 3, 3, "Row 3 Memory Type"},
        {0x68, 4, 4, "Row 4 Memory Type"},
        {0x68, 5, 5, "Row 5 Memory Type"},
    },
});

const std::vector<ExpectedRow> ROWS_VX = Join({
    HEADER,
    {
        {0x50, 3, 3, "PCI Concurrency Enable"},
        {0x52, 7, 6, "L2 Cache Size"},
        {0x52, 5, 4, "L2 SRAM Type"},
        {0x52, 3, 3, "NA Disable"},
        {0x52, 1, 1, "L2 Force Miss"},
        {0x52, 0, 0, "L1 Enable"},
        {0x53, 5, 5, "DRAM Cache Detect"},
        {0x53, 3, 0, "DRAM Cache Refresh Timer"},
        {0x55, 0, 0, "SDRAM CBR Cycle Enabled"},
        {0x54, 7, 6, "Special SDRAM Mode Select"},
        {0x54, 4, 4, "SDRAM CAS# Latency"},
        {0x54, 3, 3, "SDRAM RAS# Timing"},
        {0x56, 6, 6, "Refresh RAS# Assertion"},
        {0x56, 5, 5, "Fast EDO Leadoff"},
        {0x56, 4, 4, "DRAM Speculative Leadoff"},
        {0x56, 2, 1, "Memory Address Drive Strength"},
        {0x56, 0, 0, "DRAM Symmetry Detect Mode"},
        {0x57, 7, 6, "Memory Hole"},
        {0x57, 3, 3, "EDO Detect Mode"},
        {0x57, 2, 0, "DRAM Refresh Rate"},
        {0x58, 7, 7, "Turbo Read Leadoff"},
        {0x58, 6, 5, "EDO/FPM Read Burst Timing"},
        {0x58, 4, 3, "EDO/FPM Write Burst Timing"},
        {0x58, 2, 2, "Fast RAS to CAS Delay"},
        {0x58, 1, 0, "EDO/FPM Leadoff Timing"},
    },
    ATTRIBUTES_AND_ROWS,
    ROW_TYPES,
});

const std::vector<ExpectedRow> ROWS_TX = Join({
    HEADER,
    {
        {0x50, 3, 3, "PCI Concurrency Enable"},
        {0x52, 7, 6, "L2 Cache Size"},
        {0x52, 5, 4, "L2 SRAM Type"},
        {0x52, 3, 3, "NA Disable"},
        {0x52, 2, 2, "Reserved"},
        {0x52, 1, 1, "L2 Force Miss"},
        {0x52, 0, 0, "L1 Enable"},
        {0x53, 5, 5, "L2 Cache Present"},
        {0x53, 3, 0, "L2 Refresh Timer"},
        {0x55, 0, 0, "SDRAM CBR Cycle Enabled"},
        {0x54, 7, 6, "Special SDRAM Mode Select"},
        {0x54, 5, 5, "SDRAM RAS# to CAS# Override"},
        {0x54, 4, 4, "SDRAM CAS# Latency"},
        {0x54, 3, 3, "SDRAM RAS# Timing"},
        {0x54, 1, 1, "64-MBit SDRAM"},
        {0x56, 6, 6, "Refresh RAS# Assertion"},
        {0x56, 5, 5, "Fast EDO Leadoff"},
        {0x56, 4, 4, "DRAM Speculative Leadoff"},
        {0x56, 2, 1, "Memory Address Drive Strength"},
        {0x57, 7, 6, "Memory Hole"},
        {0x57, 4, 4, "DRAM Enhanced Paging"},
        {0x57, 3, 3, "EDO Detect Mode"},
        {0x57, 2, 0, "DRAM Refresh Rate"},
        {0x58, 6, 5, "EDO/FPM Read Burst Timing"},
        {0x58, 4, 3, "EDO/FPM Write Burst Timing"},
        {0x58, 1, 0, "EDO/FPM Leadoff Timing"},
    },
    ATTRIBUTES_AND_ROWS,
    ROW_TYPES,
});

// The VX and TX cover the same registers.
const std::set<unsigned> VX_TX_REGISTERS = Union({RegisterRange(0x04, 0x0B),
                                                  RegisterRange(0x0D, 0x0F),
                                                  {0x50},
                                                  RegisterRange(0x52, 0x65),
                                                  {0x67, 0x68}});

const StatedTable TABLES[] = {
    {"HX", fields_82439hx, &ROWS_HX, 82,
     Union({RegisterRange(0x04, 0x0B),
            RegisterRange(0x0D, 0x0F),
            {0x50, 0x52},
            RegisterRange(0x56, 0x65),
            {0x68}}),
     HeaderFixedFields(), 5, HeaderReadings()},
    {"VX", fields_82439vx, &ROWS_VX, 91, VX_TX_REGISTERS, HeaderFixedFields(), 7, HeaderReadings()},
    {"TX", fields_82439tx, &ROWS_TX, 92, VX_TX_REGISTERS, HeaderFixedFields(), 6, HeaderReadings()},
};
INSTANTIATE_TEST_SUITE_P(Intel, StatedTableTest, testing::ValuesIn(TABLES), LabelOf<StatedTable>);

const StatedBoard BOARDS[] = {
    {"HX", &SIM_BRIDGE_82439HX, 0x8086, 0x1250, fields_82439hx,
     NAMES_EVERY_VALUE | RESERVED_READ_ONLY},
    {"VX", &SIM_BRIDGE_82439VX, 0x8086, 0x7030, fields_82439vx,
     NAMES_EVERY_VALUE | RESERVED_READ_ONLY},
    {"TX", &SIM_BRIDGE_82439TX, 0x8086, 0x7100, fields_82439tx,
     NAMES_EVERY_VALUE | RESERVED_READ_ONLY},
};
INSTANTIATE_TEST_SUITE_P(Intel, StatedBoardTest, testing::ValuesIn(BOARDS), LabelOf<StatedBoard>);

// Every attribute nibble of the map decodes completely: each of its sixteen
// values names exactly one access mode.
TEST(IntelTables, AttributeMapDecodesEveryNibble) {
  for (const StatedTable& t : TABLES) {
    SCOPED_TRACE(t.label);
    for (unsigned reg = 0x59; reg <= 0x5F; reg++) {
      for (unsigned low : {0u, 4u}) {
        if (reg == 0x59 && low == 0)
          continue;  // reserved on these chips
        const RegisterField* f = FindRow(t.fields, Span{reg, low + 3, low});
        ASSERT_NE(f, nullptr);
        for (unsigned v = 0; v < 16; v++) {
          EXPECT_EQ(MatchingChoices(f->description, v).size(), 1u)
              << std::hex << reg << ":" << low << " value " << v;
        }
      }
    }
  }
}

// Each board is set up the way a finished BIOS leaves it.
TEST(IntelBoards, ReadAsAWorkingBoard) {
  for (size_t i = 0; i < 3; i++) {
    const SimBridgeImage& image = *BOARDS[i].image;
    const RegisterField* table = BOARDS[i].fields;
    SCOPED_TRACE(BOARDS[i].label);
    EXPECT_EQ(NamedValue(image, table, "L1 Enable"), 1u);
    EXPECT_EQ(NamedValue(image, table, "L2 Force Miss"), 0u);
    EXPECT_NE(NamedValue(image, table, "L2 Cache Size"), 0u);
    EXPECT_EQ(NamedValue(image, table, "EDO Detect Mode"), 0u);
    // 66 MHz on the HX and VX; the TX counts the period instead.
    EXPECT_EQ(NamedValue(image, table, "DRAM Refresh Rate"), i == 2 ? 1u : 3u);
    EXPECT_NE(Reading(image, table, "DRAM Refresh Rate"), "");
    EXPECT_NE(NamedValue(image, table, "BIOS ROM (F0000-FFFFF) Control") & 1, 0u);
    unsigned previous = 0;
    for (unsigned reg = 0x60; reg <= 0x65; reg++) {
      EXPECT_GE(ByteAt(image, reg).value, previous) << "row boundaries must not fall";
      previous = ByteAt(image, reg).value;
    }
    EXPECT_GT(previous, 0u);
    // Reserved bits read 0.
    for (size_t r = 0; (table[r].reg & 0xFF) != 0; r++) {
      if (strcmp(table[r].name, "Reserved") == 0) {
        EXPECT_EQ(FieldValue(image, table[r]), 0u) << std::hex << table[r].reg;
      }
    }
  }
}

// The facts a user tunes by, as the register references give them per chip:
// the same code means different things on sibling chips.
TEST(IntelTables, ChipsDifferWhereTheSourcesSay) {
  struct Fact {
    const RegisterField* table;
    const char* name;
    unsigned value;
    const char* reading;
  };
  const Fact facts[] = {
      // Refresh: host clocks on the HX and VX, periods on the TX.
      {fields_82439hx, "DRAM Refresh Rate", 3, "011 66 MHz host clock"},
      {fields_82439vx, "DRAM Refresh Rate", 1, "001 50 MHz host clock"},
      {fields_82439tx, "DRAM Refresh Rate", 1, "001 Every 15.6 us"},
      {fields_82439tx, "DRAM Refresh Rate", 5, "101 Every 256 us"},
      {fields_82439tx, "DRAM Refresh Rate", 6, "11x Reserved"},
      // Cache: asynchronous SRAM is not an HX choice.
      {fields_82439hx, "L2 SRAM Type", 2, "10 Reserved"},
      {fields_82439tx, "L2 SRAM Type", 2, "10 Asynchronous SRAM"},
      {fields_82439vx, "L2 Cache Size", 2, "10 512 KB"},
      // Memory hole: 14-16 MB only on the VX and TX.
      {fields_82439hx, "Memory Hole", 3, "11 Reserved"},
      {fields_82439vx, "Memory Hole", 3, "11 Hole from 14 MB to 16 MB"},
      {fields_82439tx, "Memory Hole", 2, "10 Reserved"},
      // DRAM timing.
      {fields_82439hx, "EDO/FPM Leadoff Timing", 0,
       "00 Read leadoff 7, write leadoff 6, RAS# precharge 3 clocks"},
      {fields_82439tx, "EDO/FPM Leadoff Timing", 3,
       "11 Read leadoff 10, write leadoff 6, RAS# precharge 4 clocks"},
      {fields_82439vx, "EDO/FPM Read Burst Timing", 3,
       "11 x-3-2-2 for EDO, x-3-3-3 for fast page mode"},
      {fields_82439hx, "EDO/FPM Read Burst Timing", 1,
       "01 x-3-3-3 for EDO, x-4-4-4 for fast page mode"},
      {fields_82439vx, "Fast RAS to CAS Delay", 1, "1 2 clocks of RAS#-to-CAS# delay"},
      {fields_82439tx, "SDRAM CAS# Latency", 1, "1 2 clocks CAS# latency"},
      // Bits whose set state turns a feature off.
      {fields_82439vx, "DRAM Speculative Leadoff", 1, "1 Speculative leadoff disabled"},
      {fields_82439tx, "DRAM Enhanced Paging", 1, "1 Enhanced paging disabled"},
      {fields_82439tx, "L1 Enable", 1, "1 CPU L1 cache enabled for cacheable memory"},
  };
  for (const Fact& f : facts) {
    const RegisterField* row = FindRow(f.table, f.name);
    ASSERT_NE(row, nullptr) << f.name;
    std::vector<std::string> found = MatchingChoices(row->description, f.value);
    ASSERT_EQ(found.size(), 1u) << f.name << " " << f.value;
    EXPECT_EQ(found[0], f.reading);
  }
}

}  // namespace
