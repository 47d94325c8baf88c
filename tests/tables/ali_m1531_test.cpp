// The ALi M1531 (Aladdin IV) field table against its stated row list.
#include <set>

#include "table_checks.h"

namespace {

const std::vector<ExpectedRow> M1531_ROWS = {
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
    {0x07, 5, 5, "Signaled Master Abort"},
    {0x07, 4, 4, "Received Target Abort"},
    {0x07, 3, 3, "Signaled Target Abort"},
    {0x07, 2, 1, "DEVSEL# Timing"},
    {0x07, 0, 0, "Data Parity Error Detected"},
    {0x06, 7, 7, "Fast Back-to-Back Capable"},
    {0x06, 6, 6, "Reserved"},
    {0x06, 5, 5, "66MHz PCI Capable"},
    {0x06, 3, 0, "Reserved"},
    {0x08, 7, 0, "Chip Revision Code"},
    {0x09, 7, 0, "Interface Identifier"},
    {0x0A, 7, 0, "Sub Class Code"},
    {0x0B, 7, 0, "Base Class Code"},
    {0x0D, 7, 0, "PCI latency timer"},
    {0x0E, 7, 0, "Header Type Code"},
    {0x0F, 7, 7, "BIST Supported"},
    {0x0F, 6, 6, "Start Test"},
    {0x0F, 5, 4, "Reserved"},
    {0x0F, 3, 0, "Response Code"},
    {0x40, 7, 6, "L2 Cacheable Memory Size"},
    {0x40, 5, 5, "Fast NAJ assertion"},
    {0x40, 4, 4, "L1 Snoop HITMJ Check Pont"},
    {0x40, 0, 0, "HitMiss Check Point"},
    {0x41, 7, 7, "L2 Bank"},
    {0x41, 6, 6, "L2 Cache Type"},
    {0x41, 4, 4, "Internal MESI Software Test Mode"},
    {0x41, 3, 3, "Reserved"},
    {0x41, 2, 1, "L2 Cache Size"},
    {0x41, 0, 0, "Reserved"},
    {0x42, 7, 7, "L2 Tag Outpt Delay"},
    {0x42, 6, 6, "L2 Cache Fill on non-burst CPU Read"},
    {0x42, 5, 5, "A0000-BFFFF Cacheable"},
    {0x42, 4, 4, "L2 Dirty Bit Settng"},
    {0x42, 2, 2, "Force L2 Cache Miss or Invalid"},
    {0x42, 1, 1, "L2 Cache ON/OFF"},
    {0x43, 2, 2, "Row 0 is 32-bit DRAM"},
    {0x43, 3, 3, "Row 1 is 32-bit DRAM"},
    {0x43, 4, 4, "Row 2 is 32-bit DRAM"},
    {0x43, 5, 5, "Row 3 is 32-bit DRAM"},
    {0x43, 6, 6, "Row 4 is 32-bit DRAM"},
    {0x43, 7, 7, "Row 5 is 32-bit DRAM"},
    {0x43, 1, 1, "DRAM Read around Write"},
    {0x43, 0, 0, "L1 Cache ON/OFF"},
    {0x44, 7, 6, "EDO Detection Timer"},
    {0x44, 5, 5, "EDO Detection Mode"},
    {0x44, 4, 4, "EDO Read Burst Timing"},
    {0x44, 3, 3, "RAS to CAS Delay"},
    {0x44, 2, 2, "RAS Precharge & Refresh RAS Assertion"},
    {0x44, 1, 1, "FPM Read Burst Timing"},
    {0x44, 0, 0, "EDO/FPM Write Burst Timing"},
    {0x45, 7, 7, "Enhanced DRAM Paging"},
    {0x45, 6, 6, "DRAM Mank Miss Detection"},
    {0x45, 5, 5, "Read Speculative Leadoff"},
    {0x45, 4, 4, "DRAM Refresh Mode"},
    {0x45, 3, 3, "CPU/PCI Master to DRAM Mode"},
    {0x45, 2, 0, "Refresh Cycle Time"},
    {0x46, 7, 6, "Page Idle Timer (RASJ deassert)"},
    {0x46, 5, 5, "Dynamic Write-Back for Burst Write"},
    {0x46, 4, 4, "Dynamic Write-Back for Single Write"},
    {0x46, 3, 3, "Fast DRAM Line Fill in L2 Write Back"},
    {0x46, 2, 2, "DRAM Pipeline"},
    {0x46, 1, 1, "L2 Pipeline"},
    {0x46, 0, 0, "Flush DRAM Buffer in CPU Bus Idle"},
    {0x47, 7, 7, "M1/M2 1+4 Burst and K6 Write Allocate"},
    {0x47, 6, 6, "M1/M2 LinearBurst"},
    {0x47, 5, 5, "14M-15M Memory"},
    {0x47, 4, 4, "15M-16M Memory"},
    {0x47, 3, 3, "A0000-BFFFF Memory"},
    {0x47, 2, 2, "80000-9FFFF Memory"},
    {0x52, 7, 3, "SRAM Module Detection Result"},
    {0x52, 2, 1, "CPU Bus Frequency"},
    {0x52, 0, 0, "PCI/CPU Concurrency #1"},
    {0x58, 3, 3, "PCI/CPU Concurrency #2"},
    {0x58, 2, 2, "CPU Access PCI During Passive Release"},
    {0x58, 1, 1, "PCI Passive Release"},
    {0x5C, 7, 5, "SDRAM Operation Mode"},
    {0x5C, 4, 4, "SDRAM CAS Latency"},
    {0x5C, 3, 3, "SDRAM RAS to Rrad/Write Delay"},
    {0x5C, 2, 1, "SDRAM RAS Related Timings"},
    {0x5C, 0, 0, "8 Row DRAM Support"},
    {0x5D, 6, 6, "SDRAM Speculative Read"},
    {0x5D, 4, 4, "SDRAM Internal Page Hit Detecton"},
    {0x5D, 1, 1, "Fifth PCI Master Support"},
    {0x5D, 0, 0, "JEDEC \"2n rule\" Respect"},
    {0x83, 4, 4, "SDRAM Command Drive Period"},
    {0x74, 5, 5, "SDRAM Speculative Read"},
    {0x74, 3, 3, "Fast L2 Write Back"},
    {0x74, 1, 1, "PCI to DRAM Specilative Read"},
    {0x74, 0, 0, "Refresh Queue"},
    {0x80, 2, 2, "RASJ Assertion Point in Row Miss Cycle"},
    {0x76, 7, 7, "MWEJ Driving Strength"},
    {0x76, 6, 6, "MAA[1:0]/MAB[1:0] Driving Strength"},
    {0x76, 5, 5, "MA[11:2] Driving Strength"},
    {0x76, 4, 4, "CAS[7:0] Driving Strength"},
    {0x76, 3, 3, "RAS[5:0] Driving Strength"},
    {0x76, 2, 2, "RASJ[7:6]/SRASJ[7:0] Driving Strength"},
    {0x76, 1, 1, "MD[63:0]/MPD[7:0] Driving Strength"},
    {0x76, 0, 0, "HD[63:0] Driving Strength"},
    {0x4C, 0, 0, "C0000-C3FFF Shadow Region"},
    {0x4C, 1, 1, "C4000-C7FFF Shadow Region"},
    {0x4C, 2, 2, "C8000-CBFFF Shadow Region"},
    {0x4C, 3, 3, "CC000-CFFFF Shadow Region"},
    {0x4C, 4, 4, "D0000-D3FFF Shadow Region"},
    {0x4C, 5, 5, "D4000-D7FFF Shadow Region"},
    {0x4C, 6, 6, "D8000-DBFFF Shadow Region"},
    {0x4C, 7, 7, "DC000-DFFFF Shadow Region"},
    {0x4D, 0, 0, "E0000-E3FFF Shadow Region"},
    {0x4D, 1, 1, "E4000-E7FFF Shadow Region"},
    {0x4D, 2, 2, "E8000-EBFFF Shadow Region"},
    {0x4D, 3, 3, "EC000-EFFFF Shadow Region"},
    {0x4D, 4, 4, "F0000-F3FFF Shadow Region"},
    {0x4D, 5, 5, "F4000-F7FFF Shadow Region"},
    {0x4D, 6, 6, "F8000-FBFFF Shadow Region"},
    {0x4D, 7, 7, "FC000-FFFFF Shadow Region"},
    {0x4E, 0, 0, "C0000-C3FFF Shadow Region"},
    {0x4E, 1, 1, "C4000-C7FFF Shadow Region"},
    {0x4E, 2, 2, "C8000-CBFFF Shadow Region"},
    {0x4E, 3, 3, "CC000-CFFFF Shadow Region"},
    {0x4E, 4, 4, "D0000-D3FFF Shadow Region"},
    {0x4E, 5, 5, "D4000-D7FFF Shadow Region"},
    {0x4E, 6, 6, "D8000-DBFFF Shadow Region"},
    {0x4E, 7, 7, "DC000-DFFFF Shadow Region"},
    {0x4F, 0, 0, "E0000-E3FFF Shadow Region"},
    {0x4F, 1, 1, "E4000-E7FFF Shadow Region"},
    {0x4F, 2, 2, "E8000-EBFFF Shadow Region"},
    {0x4F, 3, 3, "EC000-EFFFF Shadow Region"},
    {0x4F, 4, 4, "F0000-F3FFF Shadow Region"},
    {0x4F, 5, 5, "F4000-F7FFF Shadow Region"},
    {0x4F, 6, 6, "F8000-FBFFF Shadow Region"},
    {0x4F, 7, 7, "FC000-FFFFF Shadow Region"},
    {0x50, 0, 0, "C0000-C3FFF Shadow Region"},
    {0x50, 1, 1, "C4000-C7FFF Shadow Region"},
    {0x50, 2, 2, "C8000-CBFFF Shadow Region"},
    {0x50, 3, 3, "CC000-CFFFF Shadow Region"},
    {0x50, 4, 4, "D0000-D3FFF Shadow Region"},
    {0x50, 5, 5, "D4000-D7FFF Shadow Region"},
    {0x50, 6, 6, "D8000-DBFFF Shadow Region"},
    {0x50, 7, 7, "DC000-DFFFF Shadow Region"},
    {0x51, 0, 0, "E0000-E3FFF Shadow Region"},
    {0x51, 1, 1, "E4000-E7FFF Shadow Region"},
    {0x51, 2, 2, "E8000-EBFFF Shadow Region"},
    {0x51, 3, 3, "EC000-EFFFF Shadow Region"},
    {0x51, 4, 4, "F0000-F3FFF Shadow Region"},
    {0x51, 5, 5, "F4000-F7FFF Shadow Region"},
    {0x51, 6, 6, "F8000-FBFFF Shadow Region"},
    {0x51, 7, 7, "FC000-FFFFF Shadow Region"},
};

// Fields the hardware fixes: the fixed command and status bits, the
// identification and class registers, the header type, the self-test register
// and the strapped bus frequency.
const std::vector<ExpectedRow> M1531_FIXED = {
    {0x04, 7, 7, ""}, {0x04, 5, 5, ""}, {0x04, 4, 4, ""}, {0x04, 3, 3, ""}, {0x04, 2, 2, ""},
    {0x04, 1, 1, ""}, {0x04, 0, 0, ""}, {0x07, 0, 0, ""}, {0x06, 7, 7, ""}, {0x06, 6, 6, ""},
    {0x06, 5, 5, ""}, {0x06, 3, 0, ""}, {0x08, 7, 0, ""}, {0x09, 7, 0, ""}, {0x0A, 7, 0, ""},
    {0x0B, 7, 0, ""}, {0x0E, 7, 0, ""}, {0x0F, 7, 7, ""}, {0x0F, 6, 6, ""}, {0x0F, 5, 4, ""},
    {0x0F, 3, 0, ""}, {0x52, 2, 1, ""},
};

const RegisterField* FindField(const char* name) {
  for (size_t i = 0; (fields_m1531[i].reg & 0xFF) != 0; i++)
    if (strcmp(fields_m1531[i].name, name) == 0)
      return &fields_m1531[i];
  return nullptr;
}

}  // namespace

TEST(AliM1531Table, RowsFollowTheStatedListAndConventions) {
  ExpectRowsInOrder(fields_m1531, M1531_ROWS);
  ExpectTableConventions(fields_m1531);
  ExpectChoiceLinesWellFormed(fields_m1531);
  ExpectAccessClasses(fields_m1531, M1531_FIXED);
}

TEST(AliM1531Table, CoversTheStatedRegistersWithSixNotedRows) {
  EXPECT_EQ(CountRows(fields_m1531), 159u);
  std::set<unsigned> regs;
  for (size_t i = 0; i < CountRows(fields_m1531); i++)
    regs.insert(fields_m1531[i].reg & 0xFF);
  std::set<unsigned> stated = {0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0D, 0x0E, 0x0F,
                               0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47, 0x4C, 0x4D, 0x4E,
                               0x4F, 0x50, 0x51, 0x52, 0x58, 0x5C, 0x5D, 0x74, 0x76, 0x80, 0x83};
  EXPECT_EQ(regs, stated);

  EXPECT_EQ(CountNotedRows(fields_m1531), 6u);
  const struct {
    const char* name;
    uint32_t noted;
  } defaults[] = {
      {"DEVSEL# Timing", 1}, {"Bus Master", 1}, {"Memory Space", 1}, {"PCI latency timer", 0x20}};
  for (const auto& d : defaults) {
    const RegisterField* f = FindField(d.name);
    ASSERT_NE(f, nullptr) << d.name;
    EXPECT_EQ(f->noted_value, d.noted) << d.name;
  }
}

TEST(AliM1531Table, StatedDescriptionsAndTheShortPattern) {
  const RegisterField* latency = FindField("PCI latency timer");
  ASSERT_NE(latency, nullptr);
  EXPECT_STREQ(latency->description,
               "00100000 default\rBits 0-2 are fixed, resulting in a granularity of 8 clocks.");

  // The reserved bits 5-4 of 0Fh carry a one-character pattern that tests
  // bit 4 only: it accepts 00 and 10 and refuses 01 and 11.
  const RegisterField& reserved = fields_m1531[30];
  ASSERT_EQ(reserved.reg, 0x0Fu);
  std::vector<std::string> lines = DescriptionLines(reserved.description);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0], "0 always reads 0");
  EXPECT_TRUE(ChoiceMatches(lines[0], 0));
  EXPECT_TRUE(ChoiceMatches(lines[0], 2));
  EXPECT_FALSE(ChoiceMatches(lines[0], 1));
  EXPECT_FALSE(ChoiceMatches(lines[0], 3));

  // Write-1-to-clear status bits say so.
  for (const char* name :
       {"Detected Parity Error", "Signaled System Error", "Signaled Master Abort",
        "Received Target Abort", "Signaled Target Abort"}) {
    const RegisterField* f = FindField(name);
    ASSERT_NE(f, nullptr) << name;
    EXPECT_NE(strstr(f->description, "Write 1 to clear"), nullptr) << name;
  }
}
