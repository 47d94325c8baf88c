// The two VIA field tables: rows as listed, the counts of the table summary,
// access classes, the quoted descriptions, and choices that never contradict
// each other.
#include <set>
#include <string>
#include <vector>

#include "tables/table_checks.h"

namespace {

const std::vector<ExpectedRow> VT82C595_ROWS = {
    {0x50, 7, 6, "Cache Enable"},
    {0x50, 5, 5, "Linear Burst"},
    {0x50, 4, 3, "Tag Configuration"},
    {0x50, 2, 2, "Reserved"},
    {0x50, 1, 0, "SRAM Type"},
    {0x51, 7, 6, "Reserved"},
    {0x51, 5, 5, "Backoff CPU"},
    {0x51, 4, 4, "Reserved"},
    {0x51, 3, 3, "SRAM Banks"},
    {0x51, 2, 2, "Reserved"},
    {0x51, 1, 0, "Cache Size"},
    {0x52, 7, 7, "C0000-C7FFF Cacheable"},
    {0x52, 6, 6, "D0000-DFFFF Cacheable"},
    {0x52, 5, 5, "E0000-EFFFF Cacheable"},
    {0x52, 4, 4, "F0000-FFFFF Cacheable"},
    {0x52, 3, 3, "Reserved (no function)"},
    {0x52, 2, 2, "L2 Fill"},
    {0x52, 1, 1, "Reserved (no function)"},
    {0x52, 0, 0, "L2 Write Thru/Write-Back"},
    {0x53, 7, 7, "Read Around Write"},
    {0x53, 6, 6, "Cache Read Pipeline Cycle"},
    {0x53, 5, 5, "Cache Write Pipeline Cycle"},
    {0x53, 4, 4, "DRAM Pipeline Cycle"},
    {0x53, 3, 3, "PCI Master Peer Concurrency"},
    {0x53, 2, 0, "Reserved"},
    {0x54, 7, 0, "Non-Cacheable Region #1 <28:21>"},
    {0x55, 7, 3, "Non-Cacheable Region #1 A<20:16>"},
    {0x55, 2, 0, "Non-Cacheable Region #1 Size"},
    {0x56, 7, 0, "Non-Cacheable Region #2 A<28:21>"},
    {0x57, 7, 3, "Non-Cacheable Region #2 A<20:16>"},
    {0x57, 2, 0, "Non-Cacheable Region #2 Size"},
    {0x58, 7, 5, "Bank 0/1 MA Map Type"},
    {0x58, 4, 4, "Reserved"},
    {0x58, 3, 1, "Bank 2/3 MA Map Type"},
    {0x58, 0, 0, "Reserved"},
    {0x59, 7, 5, "Bank 5/6 MA Map Type"},
    {0x59, 4, 3, "Reserved"},
    {0x59, 2, 0, "Last Bank DRAM Populated"},
    {0x5A, 7, 0, "Bank 0 Ending (HA[29:22])"},
    {0x5B, 7, 0, "Bank 1 Ending (HA[29:22])"},
    {0x5C, 7, 0, "Bank 2 Ending (HA[29:22])"},
    {0x5D, 7, 0, "Bank 3 Ending (HA[29:22])"},
    {0x5E, 7, 0, "Bank 4 Ending (HA[29:22])"},
    {0x5F, 7, 0, "Bank 5 Ending (HA[29:22])"},
    {0x60, 7, 6, "Reserved"},
    {0x60, 5, 4, "DRAM Type for Bank 4/5"},
    {0x60, 3, 2, "DRAM Type for Bank 2/3"},
    {0x60, 1, 0, "DRAM Type for Bank 0/1"},
    {0x61, 1, 0, "C0000-C3FFF Shadow RAM Control"},
    {0x61, 3, 2, "C4000-C7FFF Shadow RAM Control"},
    {0x61, 5, 4, "C8000-CBFFF Shadow RAM Control"},
    {0x61, 7, 6, "CC000-CFFFF Shadow RAM Control"},
    {0x62, 1, 0, "D0000-D3FFF Shadow RAM Control"},
    {0x62, 3, 2, "D4000-D7FFF Shadow RAM Control"},
    {0x62, 5, 4, "D8000-DBFFF Shadow RAM Control"},
    {0x62, 7, 6, "DC000-DFFFF Shadow RAM Control"},
    {0x63, 7, 6, "E0000-EFFFF Shadow RAM Control"},
    {0x63, 5, 4, "F0000-FFFFF Shadow RAM Control"},
    {0x63, 3, 2, "Memory Hole"},
    {0x63, 1, 1, "SMI Redirect to A0000-BFFFF"},
    {0x63, 0, 0, "DRAM A0000-BFFFF Access"},
    {0x64, 7, 6, "RAS Precharge Time"},
    {0x64, 5, 4, "RAS Pulse Width"},
    {0x64, 3, 2, "CAS Read Pulse Width"},
    {0x64, 1, 1, "CAS Write Pulse Width"},
    {0x64, 0, 0, "Column Address to CAS Delay"},
    {0x65, 7, 6, "Page Mode Control"},
    {0x65, 5, 5, "Fast DRAM Decoding Enable"},
    {0x65, 4, 4, "EDO DRAM Leadoff Cycle Reduction"},
    {0x65, 3, 3, "DRAM Data Latch Delay"},
    {0x65, 2, 1, "Reserved"},
    {0x65, 0, 0, "Relaxed DRAM Read Cycle Latency"},
    {0x66, 7, 7, "EDO Test Mode Enable"},
    {0x66, 6, 6, "Reserved"},
    {0x66, 5, 5, "Reserved"},
    {0x66, 4, 4, "Reserved"},
    {0x66, 3, 3, "Turbo EDO Mode Enable"},
    {0x66, 2, 2, "MD to HD FIFO Control"},
    {0x66, 1, 1, "SDRAM RAS-Precharge Reduction"},
    {0x66, 0, 0, "SDRAM RAS-to-CAS Delay Reduction"},
    {0x67, 7, 7, "RAS to Column Address Delay"},
    {0x67, 6, 6, "NA# Delay"},
    {0x67, 5, 5, "Bank 5 Width"},
    {0x67, 4, 4, "Bank 4 Width"},
    {0x67, 3, 3, "Bank 3 Width"},
    {0x67, 2, 2, "Bank 2 Width"},
    {0x67, 1, 1, "Bank 1 Width"},
    {0x67, 0, 0, "Bank 5 Width"},
    {0x68, 7, 0, "Reserved"},
    {0x69, 7, 0, "Reserved"},
    {0x6A, 7, 0, "Refresh Counter"},
    {0x6B, 7, 7, "CBR (CAS-before-RAS) Refresh"},
    {0x6B, 6, 6, "Burst Refresh (Burst 4 Times)"},
    {0x6B, 5, 2, "Reserved"},
    {0x6B, 1, 0, "Reserved"},
    {0x6C, 7, 7, "64Mbit SDRAM Interleave"},
    {0x6C, 6, 6, "SDRAM Burst Write"},
    {0x6C, 5, 5, "SDRAM Bank Interleave Enable"},
    {0x6C, 4, 4, "Reserved"},
    {0x6C, 3, 3, "SDRAM CAS Latency"},
    {0x6C, 2, 0, "SDRAM Operation Mode Select"},
    {0x6D, 7, 7, "Bank Decoding Test"},
    {0x6D, 6, 6, "MA[0:1] Drive"},
    {0x6D, 5, 5, "Duplicate Copy of MA[0:1]"},
    {0x6D, 4, 4, "Force SMM Mode"},
    {0x6D, 3, 3, "SDRAM Command Drive"},
    {0x6D, 2, 2, "MA[2:13] / WE# Drive"},
    {0x6D, 1, 1, "CAS# Drive"},
    {0x6D, 0, 0, "RAS# Drive"},
};

const std::vector<ExpectedRow> VT82C580_ROWS = {
    {0x50, 7, 6, "Cache Enable"},
    {0x50, 5, 5, "Linear Burst"},
    {0x50, 4, 3, "Tag Configuration"},
    {0x50, 2, 2, "SDRAM Interface Select"},
    {0x50, 1, 0, "SRAM Type"},
    {0x51, 5, 5, "Backoff CPU"},
    {0x51, 3, 3, "SRAM Banks"},
    {0x51, 1, 0, "Cache Size"},
    {0x52, 7, 7, "C0000-C7FFF Cacheable"},
    {0x52, 6, 6, "D0000-DFFFF Cacheable"},
    {0x52, 5, 5, "E0000-EFFFF Cacheable"},
    {0x52, 4, 4, "F0000-FFFFF Cacheable"},
    {0x52, 2, 2, "L2 Fill"},
    {0x52, 0, 0, "L2 Write Thru/Write-Back"},
    {0x53, 7, 7, "Read Around Write"},
    {0x53, 6, 6, "Cache Read Pipeline Cycle"},
    {0x53, 5, 5, "Cache Write Pipeline Cycle"},
    {0x53, 4, 4, "DRAM Pipeline Cycle"},
    {0x53, 3, 3, "PCI Master Peer Concurrency"},
    {0x54, 7, 0, "Non-Cacheable Region #1 <28:21>"},
    {0x55, 7, 3, "Non-Cacheable Region #1 A<20:16>"},
    {0x55, 2, 0, "Non-Cacheable Region #1 Size"},
    {0x56, 7, 0, "Non-Cacheable Region #2 A<28:21>"},
    {0x57, 7, 3, "Non-Cacheable Region #2 A<20:16>"},
    {0x57, 2, 0, "Non-Cacheable Region #2 Size"},
    {0x58, 7, 5, "Bank 0/1 MA Map Type"},
    {0x58, 3, 1, "Bank 2/3 MA Map Type"},
    {0x59, 7, 5, "Bank 5/6 MA Map Type"},
    {0x59, 2, 0, "Last Bank DRAM Populated"},
    {0x5A, 7, 0, "Bank 0 Ending (HA[29:22])"},
    {0x5B, 7, 0, "Bank 1 Ending (HA[29:22])"},
    {0x5C, 7, 0, "Bank 2 Ending (HA[29:22])"},
    {0x5D, 7, 0, "Bank 3 Ending (HA[29:22])"},
    {0x5E, 7, 0, "Bank 4 Ending (HA[29:22])"},
    {0x5F, 7, 0, "Bank 5 Ending (HA[29:22])"},
    {0x60, 5, 4, "DRAM Type for Bank 4/5"},
    {0x60, 3, 2, "DRAM Type for Bank 2/3"},
    {0x60, 1, 0, "DRAM Type for Bank 0/1"},
    {0x61, 1, 0, "C0000-C3FFF Shadow RAM Control"},
    {0x61, 3, 2, "C4000-C7FFF Shadow RAM Control"},
    {0x61, 5, 4, "C8000-CBFFF Shadow RAM Control"},
    {0x61, 7, 6, "CC000-CFFFF Shadow RAM Control"},
    {0x62, 1, 0, "D0000-D3FFF Shadow RAM Control"},
    {0x62, 3, 2, "D4000-D7FFF Shadow RAM Control"},
    {0x62, 5, 4, "D8000-DBFFF Shadow RAM Control"},
    {0x62, 7, 6, "DC000-DFFFF Shadow RAM Control"},
    {0x63, 7, 6, "E0000-EFFFF Shadow RAM Control"},
    {0x63, 5, 4, "F0000-FFFFF Shadow RAM Control"},
    {0x63, 3, 2, "Memory Hole"},
    {0x63, 1, 1, "SMI Redirect to A0000-BFFFF"},
    {0x63, 0, 0, "DRAM A0000-BFFFF Access"},
    {0x64, 7, 6, "RAS Precharge Time"},
    {0x64, 5, 4, "RAS Pulse Width"},
    {0x64, 3, 2, "CAS Read Pulse Width"},
    {0x64, 1, 1, "CAS Write Pulse Width"},
    {0x64, 0, 0, "Column Address to CAS Delay"},
    {0x65, 7, 6, "Page Mode Control"},
    {0x65, 5, 5, "Fast DRAM Decoding Enable"},
    {0x65, 4, 4, "EDO DRAM Leadoff Cycle Reduction"},
    {0x65, 3, 3, "DRAM Data Latch Delay"},
    {0x65, 2, 2, "Pin88 Function Select"},
    {0x65, 0, 0, "Relaxed DRAM Read Cycle Latency"},
    {0x66, 7, 7, "EDO Test Mode Enable"},
    {0x66, 5, 5, "SDRAM CAS Latency"},
    {0x66, 3, 3, "Turbo EDO Mode Enable"},
    {0x66, 2, 2, "MD to HD FIFO Control"},
    {0x66, 1, 1, "SDRAM RAS-Precharge Reduction"},
    {0x66, 0, 0, "SDRAM RAS-to-CAS Delay Reduction"},
    {0x67, 7, 7, "RAS to Column Address Delay"},
    {0x67, 6, 6, "NA# Delay"},
    {0x67, 5, 5, "Bank 5 Width"},
    {0x67, 4, 4, "Bank 4 Width"},
    {0x67, 3, 3, "Bank 3 Width"},
    {0x67, 2, 2, "Bank 2 Width"},
    {0x67, 1, 1, "Bank 1 Width"},
    {0x67, 0, 0, "Bank 5 Width"},
    {0x6A, 7, 0, "Refresh Counter"},
    {0x6B, 7, 7, "CBR (CAS-before-RAS) Refresh"},
    {0x6B, 6, 6, "Burst Refresh (Burst 4 Times)"},
    {0x6B, 2, 2, "Extended Timing"},
    {0x6C, 7, 7, "64Mbit SDRAM Interleave"},
    {0x6C, 6, 6, "SDRAM Burst Write"},
    {0x6C, 5, 5, "SDRAM Bank Interleave Enable"},
    {0x6C, 3, 3, "SDRAM CAS Latency"},
    {0x6C, 2, 0, "SDRAM Operation Mode Select"},
    {0x6D, 7, 7, "Bank Decoding Test"},
    {0x6D, 6, 6, "MA[0:1] Drive"},
    {0x6D, 5, 5, "Duplicate Copy of MA[0:1]"},
    {0x6D, 4, 4, "Force SMM Mode"},
    {0x6D, 3, 3, "SDRAM Command Drive"},
    {0x6D, 2, 2, "MA[2:13] / WE# Drive"},
    {0x6D, 1, 1, "CAS# Drive"},
    {0x6D, 0, 0, "RAS# Drive"},
};

std::set<unsigned> RegistersOf(const RegisterField* table) {
  std::set<unsigned> regs;
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++)
    regs.insert(table[i].reg & 0xFF);
  return regs;
}

std::set<unsigned> RegisterRange(unsigned first, unsigned last) {
  std::set<unsigned> regs;
  for (unsigned r = first; r <= last; r++)
    regs.insert(r);
  return regs;
}

const RegisterField* FindRow(const RegisterField* table, unsigned reg, unsigned low) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++)
    if ((table[i].reg & 0xFF) == reg && FieldLowestBit(table[i].bit_spec) == low)
      return &table[i];
  return nullptr;
}

// The noted rows of both tables: the six bank endings (1), the memory-map
// fields of 58h-59h (2, and 5 for the last bank), the five DRAM timing fields
// of 64h and three controls of 65h-66h.
void ExpectNotedRows(const RegisterField* table) {
  EXPECT_EQ(CountNotedRows(table), 18u);
  const struct {
    unsigned reg, low;
    uint32_t noted;
  } noted[] = {{0x5A, 0, 1}, {0x5B, 0, 1}, {0x5C, 0, 1}, {0x5D, 0, 1}, {0x5E, 0, 1},
               {0x5F, 0, 1}, {0x58, 5, 2}, {0x58, 1, 2}, {0x59, 5, 2}, {0x59, 0, 5},
               {0x64, 6, 2}, {0x64, 4, 2}, {0x64, 2, 2}, {0x64, 1, 1}, {0x64, 0, 1}};
  for (const auto& n : noted) {
    const RegisterField* f = FindRow(table, n.reg, n.low);
    ASSERT_NE(f, nullptr) << std::hex << n.reg << ":" << n.low;
    EXPECT_EQ(f->noted_value, n.noted) << f->name;
  }
  // Only the bank ending, memory-map and timing registers carry a number,
  // and it is always one of 1, 2 and 5.
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
    const RegisterField& f = table[i];
    if (f.noted_value == 0)
      continue;
    unsigned reg = f.reg & 0xFF;
    EXPECT_TRUE((reg >= 0x58 && reg <= 0x5F) || (reg >= 0x64 && reg <= 0x66)) << f.name;
    EXPECT_TRUE(f.noted_value == 1 || f.noted_value == 2 || f.noted_value == 5) << f.name;
  }
}

// No field value may match two choices of one description, and every value
// of an ordinary field with choices must match one, so that the report never
// prints a blank or two readings for a setting.  Fixed always-0 bits name
// only 0.
void ExpectChoicesPartitionValues(const RegisterField* table) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
    const RegisterField& f = table[i];
    SCOPED_TRACE(std::string("row ") + std::to_string(i) + " " + f.name);
    std::vector<std::string> choices;
    for (const std::string& line : DescriptionLines(f.description))
      if (ChoicePatternLength(line.c_str()) > 0)
        choices.push_back(line);
    if (choices.empty())
      continue;
    bool complete = (f.bit_spec & 0xC0) == 0xC0;
    for (unsigned v = 0; v < (1u << FieldWidth(f.bit_spec)); v++) {
      int matches = 0;
      for (const std::string& line : choices)
        matches += ChoiceMatches(line, v);
      EXPECT_LE(matches, 1) << "value " << v;
      if (complete) {
        EXPECT_EQ(matches, 1) << "value " << v;
      }
    }
  }
}

}  // namespace

TEST(ViaVt82c595Table, RowsFollowTheStatedListAndConventions) {
  ExpectRowsInOrder(fields_vt82c595, VT82C595_ROWS);
  ExpectTableConventions(fields_vt82c595);
  ExpectChoiceLinesWellFormed(fields_vt82c595);
  // Only the two always-0 reserved bits of 66h are marked fixed.
  ExpectAccessClasses(fields_vt82c595, {{0x66, 6, 6, ""}, {0x66, 4, 4, ""}});
  ExpectChoicesPartitionValues(fields_vt82c595);
}

TEST(ViaVt82c595Table, CoversTheStatedRegistersWithEighteenNotedRows) {
  EXPECT_EQ(CountRows(fields_vt82c595), 109u);
  EXPECT_EQ(RegistersOf(fields_vt82c595), RegisterRange(0x50, 0x6D));
  ExpectNotedRows(fields_vt82c595);
}

TEST(ViaVt82c595Table, StatedDescriptionsExactly) {
  EXPECT_STREQ(FindRow(fields_vt82c595, 0x50, 6)->description,
               "00 Cache disable\r01 Cache Init - always does L2 fill\r10 Cache enable (normal "
               "operation)\r11 Cache flush - always does L2 write-back/fill");
  const RegisterField* last_bank = FindRow(fields_vt82c595, 0x59, 0);
  EXPECT_STREQ(last_bank->description,
               "000 Bank 0\r001 Bank 1\r010 Bank 2\r011 Bank 3\r100 Bank 4\r101 Bank 5\r11x "
               "Reserved");
  EXPECT_STREQ(FindRow(fields_vt82c595, 0x5A, 0)->description, "");

  // The don't-care bit of "11x Reserved" takes both 110 and 111 and nothing else.
  std::string reserved = DescriptionLines(last_bank->description).back();
  EXPECT_TRUE(ChoiceMatches(reserved, 6));
  EXPECT_TRUE(ChoiceMatches(reserved, 7));
  EXPECT_FALSE(ChoiceMatches(reserved, 5));
  EXPECT_FALSE(ChoiceMatches(reserved, 2));
}

TEST(ViaVt82c580Table, RowsFollowTheStatedListAndConventions) {
  ExpectRowsInOrder(fields_vt82c580, VT82C580_ROWS);
  ExpectTableConventions(fields_vt82c580);
  ExpectChoiceLinesWellFormed(fields_vt82c580);
  ExpectAccessClasses(fields_vt82c580, {});
  ExpectChoicesPartitionValues(fields_vt82c580);
}

TEST(ViaVt82c580Table, CoversTheStatedRegistersWithEighteenNotedRows) {
  EXPECT_EQ(CountRows(fields_vt82c580), 93u);
  std::set<unsigned> stated = RegisterRange(0x50, 0x67);
  for (unsigned r : RegisterRange(0x6A, 0x6D))
    stated.insert(r);
  EXPECT_EQ(RegistersOf(fields_vt82c580), stated);
  ExpectNotedRows(fields_vt82c580);
}

TEST(ViaTables, SharedFieldsReadAlikeOnBothChips) {
  // The fields the two chips have in common carry the same descriptions and
  // numbers, so a VP1/VPX and a VP2 board translate one setting the same way.
  size_t shared = 0;
  for (size_t i = 0; (fields_vt82c580[i].reg & 0xFF) != 0; i++) {
    const RegisterField& vpx = fields_vt82c580[i];
    const RegisterField* vp2 =
        FindRow(fields_vt82c595, vpx.reg & 0xFF, FieldLowestBit(vpx.bit_spec));
    if (vp2 == nullptr || strcmp(vp2->name, vpx.name) != 0 || vp2->bit_spec != vpx.bit_spec)
      continue;
    shared++;
    SCOPED_TRACE(vpx.name);
    // Bank 0's ending is left blank on the VP2 only; the VPX explains it
    // like the other banks.
    if ((vpx.reg & 0xFF) == 0x5A) {
      EXPECT_STREQ(vpx.description, FindRow(fields_vt82c580, 0x5B, 0)->description);
    } else {
      EXPECT_STREQ(vp2->description, vpx.description);
    }
    EXPECT_EQ(vp2->noted_value, vpx.noted_value);
  }
  EXPECT_EQ(shared, 89u);
}
