// The three Intel field tables (82439HX, 82439VX, 82439TX): every row in its
// stated place, the summary's counts, the access classes, the descriptions
// quoted for them, and description lines that read one way for every value.
#include <set>
#include <string>
#include <vector>

#include "table_checks.h"

namespace {

// The standard PCI header block, which all three tables carry unchanged.
const std::vector<ExpectedRow> HEADER = {
    {0x05, 7, 2, "Reserved"},
    {0x05, 1, 1, "Fast Back-to-Back Cycle Enable"},
    {0x05, 0, 0, "SERR# Enable"},
    {0x04, 7, 7, "Address / Data Stepping"},
    {0x04, 6, 6, "Parity Error Response"},
    {0x04, 5, 5, "VGA Palette Snoop"},
    {0x04, 4, 4, "Memory Write&Invalidate Command"},
    {0x04, 3, 3, "Special Cycle Monitoring"},
    {0x04, 2, 2, "Bus Master"},
    {0x04, 1, 1, "Memory Space"},
    {0x04, 0, 0, "PCI I/O Space"},
    {0x07, 7, 7, "Detected Parity Error"},
    {0x07, 6, 6, "Signaled System Error"},
    {0x07, 5, 5, "Received Master Abort"},
    {0x07, 4, 4, "Received Target Abort"},
    {0x07, 3, 3, "Signaled Target Abort"},
    {0x07, 2, 1, "DEVSEL# Timing"},
    {0x07, 0, 0, "Data Parity Error Detected"},
    {0x06, 7, 7, "Fast Back-to-Back Capable"},
    {0x06, 6, 6, "Reserved"},
    {0x06, 5, 5, "66MHz PCI Capable"},
    {0x06, 3, 0, "Reserved"},
    {0x08, 7, 0, "Revision ID Code"},
    {0x09, 7, 0, "Interface Identifier"},
    {0x0A, 7, 0, "Sub Class Code"},
    {0x0B, 7, 0, "Base Class Code"},
    {0x0D, 7, 0, "PCI latency timer"},
    {0x0E, 7, 0, "Header Type Code"},
    {0x0F, 7, 7, "BIST Supported"},
    {0x0F, 6, 6, "Start Test"},
    {0x0F, 5, 4, "Reserved"},
    {0x0F, 3, 0, "Response Code"},
};

// Header fields fixed by the hardware, which carry access class 01.
const std::vector<ExpectedRow> FIXED = {
    {0x04, 7, 7, ""}, {0x04, 5, 5, ""}, {0x04, 4, 4, ""}, {0x04, 3, 3, ""}, {0x04, 2, 2, ""},
    {0x04, 1, 1, ""}, {0x04, 0, 0, ""}, {0x06, 7, 7, ""}, {0x06, 6, 6, ""}, {0x06, 5, 5, ""},
    {0x06, 3, 0, ""}, {0x07, 0, 0, ""}, {0x08, 7, 0, ""}, {0x09, 7, 0, ""}, {0x0A, 7, 0, ""},
    {0x0B, 7, 0, ""}, {0x0E, 7, 0, ""}, {0x0F, 7, 7, ""}, {0x0F, 6, 6, ""}, {0x0F, 5, 4, ""},
    {0x0F, 3, 0, ""},
};

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

std::vector<ExpectedRow> Join(std::initializer_list<std::vector<ExpectedRow>> parts) {
  std::vector<ExpectedRow> all;
  for (const std::vector<ExpectedRow>& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

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

struct IntelTable {
  const char* name;
  const RegisterField* fields;
  const std::vector<ExpectedRow>* rows;
  size_t row_count;  // the table summary's count
  size_t noted_rows;
  std::set<unsigned> registers;
};

std::set<unsigned> Range(unsigned first, unsigned last) {
  std::set<unsigned> r;
  for (unsigned reg = first; reg <= last; reg++)
    r.insert(reg);
  return r;
}

std::set<unsigned> Union(std::initializer_list<std::set<unsigned>> parts) {
  std::set<unsigned> all;
  for (const std::set<unsigned>& part : parts)
    all.insert(part.begin(), part.end());
  return all;
}

const std::vector<IntelTable>& Tables() {
  static const std::vector<IntelTable> tables = {
      {"82439HX", fields_82439hx, &ROWS_HX, 82, 5,
       Union({Range(0x04, 0x0B), Range(0x0D, 0x0F), {0x50, 0x52}, Range(0x56, 0x65), {0x68}})},
      {"82439VX", fields_82439vx, &ROWS_VX, 91, 7,
       Union({Range(0x04, 0x0B), Range(0x0D, 0x0F), {0x50}, Range(0x52, 0x65), {0x67, 0x68}})},
      {"82439TX", fields_82439tx, &ROWS_TX, 92, 6,
       Union({Range(0x04, 0x0B), Range(0x0D, 0x0F), {0x50}, Range(0x52, 0x65), {0x67, 0x68}})},
  };
  return tables;
}

const RegisterField* FindRow(const RegisterField* table, unsigned reg, unsigned high,
                             unsigned low) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
    unsigned l = FieldLowestBit(table[i].bit_spec);
    if ((table[i].reg & 0xFF) == reg && l == low && l + FieldWidth(table[i].bit_spec) - 1 == high)
      return &table[i];
  }
  return nullptr;
}

TEST(IntelTables, EveryRowStandsInItsStatedPlace) {
  for (const IntelTable& t : Tables()) {
    SCOPED_TRACE(t.name);
    EXPECT_EQ(t.rows->size(), t.row_count);
    ExpectRowsInOrder(t.fields, *t.rows);
  }
}

TEST(IntelTables, SummaryCountsRegistersAndNotedValues) {
  for (const IntelTable& t : Tables()) {
    SCOPED_TRACE(t.name);
    EXPECT_EQ(CountRows(t.fields), t.row_count);
    std::set<unsigned> covered;
    for (size_t i = 0; (t.fields[i].reg & 0xFF) != 0; i++)
      covered.insert(t.fields[i].reg & 0xFF);
    EXPECT_EQ(covered, t.registers);
    EXPECT_EQ(CountNotedRows(t.fields), t.noted_rows);

    // The header's named readings: medium DEVSEL#, bus master and memory space on.
    const RegisterField* devsel = FindRow(t.fields, 0x07, 2, 1);
    const RegisterField* master = FindRow(t.fields, 0x04, 2, 2);
    const RegisterField* memory = FindRow(t.fields, 0x04, 1, 1);
    ASSERT_NE(devsel, nullptr);
    ASSERT_NE(master, nullptr);
    ASSERT_NE(memory, nullptr);
    EXPECT_EQ(devsel->noted_value, 1u);
    EXPECT_EQ(master->noted_value, 1u);
    EXPECT_EQ(memory->noted_value, 1u);

    // A noted value is a reading of its field: it fits the width and, where
    // the field has choices, one of them names it.
    for (size_t i = 0; (t.fields[i].reg & 0xFF) != 0; i++) {
      const RegisterField& f = t.fields[i];
      if (f.noted_value == 0)
        continue;
      SCOPED_TRACE(f.name);
      EXPECT_LT(f.noted_value, 1u << FieldWidth(f.bit_spec));
      bool has_choices = false, named = false;
      for (const std::string& line : DescriptionLines(f.description)) {
        if (ChoicePatternLength(line.c_str()) == 0)
          continue;
        has_choices = true;
        named = named || ChoiceMatches(line, f.noted_value);
      }
      EXPECT_TRUE(!has_choices || named);
    }
  }
}

TEST(IntelTables, ConventionsAndAccessClasses) {
  for (const IntelTable& t : Tables()) {
    SCOPED_TRACE(t.name);
    ExpectTableConventions(t.fields);
    ExpectChoiceLinesWellFormed(t.fields);
    ExpectAccessClasses(t.fields, FIXED);
    EXPECT_EQ(FindRow(t.fields, 0x05, 7, 2)->bit_spec, 0x32u);
  }
  // The encodings the stated examples give, on rows of these tables.
  EXPECT_EQ(FindRow(fields_82439hx, 0x52, 7, 6)->bit_spec, 0xD6u);
  EXPECT_EQ(FindRow(fields_82439hx, 0x60, 6, 0)->bit_spec, 0xF8u);
  EXPECT_EQ(FindRow(fields_82439tx, 0x5A, 3, 0)->bit_spec, 0xE0u);
  EXPECT_EQ(FindRow(fields_82439tx, 0x5A, 7, 4)->bit_spec, 0xE4u);
  EXPECT_EQ(FindRow(fields_82439vx, 0x0D, 7, 0)->bit_spec, 0xC0u);
}

TEST(IntelTables, QuotedDescriptionsAreStoredExactly) {
  EXPECT_STREQ(FindRow(fields_82439tx, 0x5A, 3, 0)->description,
               "xx00 ROM\rx001 Read only, non-cacheable\rx101 Read only, L1 cacheable for execute "
               "only.\rx010 Write only\rx110 (undefined)\rx011 Read/Write, non-cacheable\rx111 "
               "Read/Write, cacheable");
  EXPECT_STREQ(FindRow(fields_82439tx, 0x07, 4, 4)->description,
               "Write 1 to clear\r0 No abort received\r1 Transaction aborted by the target.");
  EXPECT_STREQ(FindRow(fields_82439tx, 0x0B, 7, 0)->description, "00000110 Bridge Device");
  // The chipset section shows row 0's size with nothing after it.
  EXPECT_STREQ(FindRow(fields_82439tx, 0x60, 6, 0)->description, "");
}

// A value that two choice lines both accept would print two meanings at once;
// these tables never mean that.
TEST(IntelTables, EveryFieldValueReadsAtMostOneWay) {
  for (const IntelTable& t : Tables()) {
    SCOPED_TRACE(t.name);
    for (size_t i = 0; (t.fields[i].reg & 0xFF) != 0; i++) {
      const RegisterField& f = t.fields[i];
      SCOPED_TRACE(f.name);
      std::vector<std::string> lines = DescriptionLines(f.description);
      for (unsigned v = 0; v < (1u << FieldWidth(f.bit_spec)); v++) {
        int matches = 0;
        for (const std::string& line : lines)
          matches += ChoicePatternLength(line.c_str()) > 0 && ChoiceMatches(line, v);
        EXPECT_LE(matches, 1) << "value " << v;
      }
    }
  }
}

// Every attribute nibble of the map decodes completely: each of its sixteen
// values names exactly one access mode.
TEST(IntelTables, AttributeMapDecodesEveryNibble) {
  for (const IntelTable& t : Tables()) {
    SCOPED_TRACE(t.name);
    for (unsigned reg = 0x59; reg <= 0x5F; reg++) {
      for (unsigned low : {0u, 4u}) {
        if (reg == 0x59 && low == 0)
          continue;  // reserved on these chips
        const RegisterField* f = FindRow(t.fields, reg, low + 3, low);
        ASSERT_NE(f, nullptr);
        for (unsigned v = 0; v < 16; v++) {
          int matches = 0;
          for (const std::string& line : DescriptionLines(f->description))
            matches += ChoicePatternLength(line.c_str()) > 0 && ChoiceMatches(line, v);
          EXPECT_EQ(matches, 1) << std::hex << reg << ":" << low << " value " << v;
        }
      }
    }
  }
}

}  // namespace
