// The ALi M1531 (Aladdin IV) and M1541 (Aladdin V) field tables against their
// stated row lists and summaries, and the simulated Aladdin boards that read
// through them.
#include "tables/table_checks.h"

namespace {

const std::vector<ExpectedRow> M1531_ROWS = Join({
    HeaderRows("Chip Revision Code", "Signaled Master Abort", false),
    {
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
    },
});

const std::vector<ExpectedRow> M1541_ROWS = {
    {0x40, 6, 6, "Enable Internal Tag Ram"},
    {0x40, 5, 5, "Disable M1541 Internal MESI"},
    {0x40, 4, 4, "Cyrix M1/M2 1+4 Burst Support & K6 Write Allocate"},
    {0x40, 3, 3, "Cyrix M1/M2 Linear Burst Support"},
    {0x40, 2, 2, "L1 snoop HITMJ Check Point"},
    {0x40, 1, 1, "L2 Hit/Miss Check Point"},
    {0x40, 0, 0, "L1 Cache On/Off"},
    {0x41, 6, 6, "CPU Read Command Mode"},
    {0x41, 5, 5, "L2 Cache Bank Select"},
    {0x41, 4, 4, "L2 Cache Type"},
    {0x41, 3, 2, "L2 Cache Size"},
    {0x41, 1, 1, "Tag[9-8] Configuration"},
    {0x41, 0, 0, "Use External TAG"},
    {0x42, 7, 7, "L2 Tag Outpt Delay"},
    {0x42, 6, 6, "L2 Cache Fill on non-burst CPU Read"},
    {0x42, 5, 5, "A0000-BFFFF Cacheable"},
    {0x42, 4, 4, "L2 Dirty Bit Settng"},
    {0x42, 3, 3, "L2 frce Cache Hit"},
    {0x42, 2, 2, "Force L2 Cache Miss or Invalid"},
    {0x42, 1, 1, "L2 Cache ON/OFF"},
    {0x43, 7, 7, "Force Snoop INV"},
    {0x43, 6, 6, "Dynamic Write Back"},
    {0x43, 5, 0, "Pipeline function (NAJ Timing) Control"},
    {0x44, 7, 6, "EDO/FPM DRAM to RAS Delay"},
    {0x44, 5, 4, "EDO/FPM DRAM Write Timing"},
    {0x44, 3, 2, "EDO DRAM read Timing"},
    {0x44, 1, 0, "FPM DRAM read Timing"},
    {0x45, 7, 6, "EDO/FPM Cycle Time"},
    {0x45, 5, 4, "EDO/FPM RAS Pulse Width"},
    {0x45, 3, 3, "EDO/FPM Command to Command Interval"},
    {0x45, 2, 2, "EDO/FPM CAS Precharge Time"},
    {0x45, 1, 0, "EDO/FPM RAS Precharge Time"},
    {0x46, 7, 7, "EDO/FPM Fast Back-to-back"},
    {0x46, 6, 6, "EDO Detect Mode (for BIOS init)"},
    {0x46, 5, 4, "EDO Detection Timer (for BIOS init)"},
    {0x47, 2, 2, "EDO/FPM Insert 1 wait on Bank Miss"},
    {0x47, 1, 1, "EDO/FPM Enhanced Page Mode"},
    {0x47, 0, 0, "EDO Detection Timer (for BIOS init)"},
    {0x48, 7, 5, "SDRAM Operation Mode"},
    {0x48, 4, 4, "SDRAM CAS Latency"},
    {0x48, 3, 2, "SDRAM RASJ Latency"},
    {0x48, 1, 0, "SDRAM RASJ cycle time & RASJ low pulse duration"},
    {0x49, 7, 7, "SDRAM JEDEC \"2n rule\" restricted"},
    {0x49, 6, 6, "SDRAM REFRESH cycle precharges all internal banks"},
    {0x49, 5, 5, "SDRAM Precharge ALL command inserts 1 wait"},
    {0x49, 4, 4, "SDRAM Command inserts 1 wait"},
    {0x49, 3, 3, "SDRAM Enhanced Page Mode"},
    {0x49, 2, 2, "SDRAM Bank Miss Detection"},
    {0x49, 1, 1, "SDRAM Internal Page Hit Detection"},
    {0x4A, 7, 6, "DRAM Write Buffer Threshold"},
    {0x4A, 5, 5, "DRAM Write Buffer Threshold Detect"},
    {0x4A, 3, 3, "Support two DIMMs only"},
    {0x4B, 7, 7, "DRAM Sequencing parking Support"},
    {0x4B, 5, 4, "DRAM Arbitration Mode"},
    {0x4C, 7, 4, "DRAM Write Buffer (DMWBF) Latency"},
    {0x4C, 3, 0, "Host Latency"},
    {0x4D, 7, 4, "AGP Latency"},
    {0x4D, 3, 0, "PCI Latency"},
    {0x4E, 7, 4, "DRAM Write Buffer (DMWBF) Slice"},
    {0x4E, 3, 0, "Host Slice"},
    {0x4F, 7, 4, "AGP Slice"},
    {0x4F, 3, 0, "PCI Slice"},
    {0x53, 7, 6, "DRAM Posted Write CPU IDLE SEL Timer"},
    {0x53, 3, 1, "DRAM Posted Write Buffer idle flush timer"},
    {0x53, 0, 0, "DRAM Posted Write Buffer idle flush"},
    {0x5D, 1, 0, "DRAM Controller Gated Clock Timer"},
    {0x5E, 7, 7, "EDO/FPM Refresh Mode"},
    {0x5E, 6, 6, "DRAM Self Refresh Mode"},
    {0x5E, 5, 4, "Power Saving Mode DRAM Refresh Rate"},
    {0x5E, 3, 3, "DRAM Refresh Queue"},
    {0x5E, 2, 0, "DRAM Refresh Interval"},
    {0x5F, 5, 4, "Enhanced Page Mode Counter"},
    {0x5F, 0, 0, "DRAM Refresh Function"},
    {0x72, 2, 2, "100MHz SDRAM command delay 1T"},
    {0x72, 1, 1, "100MHz SDRAM add row delay 1T"},
    {0x73, 2, 2, "MD Input Data Path Pipeline Function"},
    {0x73, 1, 1, "100MHz SDRAM Command Output Pipeline Function"},
    {0x73, 1, 1, "75-100MHz MD Output Pipe"},
    {0x8D, 2, 0, "PCI Frequency Mode"},
};

// Beside the header's fixed fields, the M1531 fixes its strapped bus frequency.
std::vector<Span> M1531Fixed() {
  std::vector<Span> fixed = HeaderFixedFields();
  fixed.push_back({0x52, 2, 1});
  return fixed;
}

const StatedTable TABLES[] = {
    {"M1531", fields_m1531, &M1531_ROWS, 159,
     Union({RegisterRange(0x04, 0x0B),
            RegisterRange(0x0D, 0x0F),
            RegisterRange(0x40, 0x47),
            RegisterRange(0x4C, 0x52),
            {0x58, 0x5C, 0x5D, 0x74, 0x76, 0x80, 0x83}}),
     M1531Fixed(), 6, HeaderReadings({{{0x0D, 7, 0}, 0x20}, {{0x0B, 7, 0}, 0x06}})},
    // No header block, so no fixed fields, no reserved span and nothing noted.
    {"M1541",
     fields_m1541,
     &M1541_ROWS,
     79,
     Union({RegisterRange(0x40, 0x4F), {0x53, 0x5D, 0x5E, 0x5F, 0x72, 0x73, 0x8D}}),
     {},
     0,
     {}},
};
INSTANTIATE_TEST_SUITE_P(Ali, StatedTableTest, testing::ValuesIn(TABLES), LabelOf<StatedTable>);

const StatedBoard BOARDS[] = {
    {"AladdinIV", &SIM_BRIDGE_M1531, 0x10B9, 0x1531, fields_m1531,
     NAMES_EVERY_VALUE | FIXED_READ_ONLY},
    {"AladdinV", &SIM_BRIDGE_M1541, 0x10B9, 0x1541, fields_m1541,
     NAMES_EVERY_VALUE | FIXED_READ_ONLY},
};
INSTANTIATE_TEST_SUITE_P(Ali, StatedBoardTest, testing::ValuesIn(BOARDS), LabelOf<StatedBoard>);

// Write-1-to-clear status bits say so.
TEST(AliM1531Table, ClearableStatusBitsSaySo) {
  for (const char* name :
       {"Detected Parity Error", "Signaled System Error", "Signaled Master Abort",
        "Received Target Abort", "Signaled Target Abort"}) {
    const RegisterField* f = FindRow(fields_m1531, name);
    ASSERT_NE(f, nullptr) << name;
    EXPECT_NE(strstr(f->description, "Write 1 to clear"), nullptr) << name;
  }
}

// 73h bit 1 has two rows; each is printed on its own, so each must carry its
// own choices for both values.
TEST(AliM1541Table, BothRowsOfTheSharedBitDescribeIt) {
  size_t seen = 0;
  for (size_t i = 0; (fields_m1541[i].reg & 0xFF) != 0; i++) {
    const RegisterField& f = fields_m1541[i];
    if ((f.reg & 0xFF) != 0x73 || LowBit(f) != 1)
      continue;
    seen++;
    EXPECT_EQ(MatchingChoices(f.description, 0).size(), 1u) << f.name;
    EXPECT_EQ(MatchingChoices(f.description, 1).size(), 1u) << f.name;
  }
  EXPECT_EQ(seen, 2u);
}

// The facts the public sources give: memtest86+'s L2 size coding of the
// M1541, the memory holes and shadow segments as 86Box maps them on the
// M1531, and, on both chips, a note on the L2 enable row that the sources
// read it from bit 0.
TEST(AliTables, DocumentedFacts) {
  const char* size = FindRow(fields_m1541, Span{0x41, 3, 2})->description;
  EXPECT_EQ(MatchingChoices(size, 0), std::vector<std::string>{"00 256 KB"});
  EXPECT_EQ(MatchingChoices(size, 2), std::vector<std::string>{"10 1 MB"});

  EXPECT_EQ(MatchingChoices(FindRow(fields_m1531, "14M-15M Memory")->description, 1),
            std::vector<std::string>{"1 Hole: accesses go to the PCI bus"});
  EXPECT_EQ(MatchingChoices(FindRow(fields_m1531, "A0000-BFFFF Memory")->description, 1),
            std::vector<std::string>{"1 Main memory (DRAM)"});
  EXPECT_EQ(MatchingChoices(FindRow(fields_m1531, Span{0x4D, 7, 7})->description, 1),
            std::vector<std::string>{"1 Reads come from shadow DRAM"});
  EXPECT_EQ(MatchingChoices(FindRow(fields_m1531, Span{0x4F, 7, 7})->description, 1),
            std::vector<std::string>{"1 Writes go to shadow DRAM"});

  for (const RegisterField* table : {fields_m1531, fields_m1541}) {
    const char* l2 = FindRow(table, Span{0x42, 1, 1})->description;
    EXPECT_NE(strstr(l2, "bit 0"), nullptr);
    EXPECT_EQ(MatchingChoices(l2, 1), std::vector<std::string>{"1 On"});
  }
}

// A working board has both caches on, the bridge mastering PCI and memory
// refreshed; the latency timer counts in steps of 8 clocks.
TEST(AliBoards, ReadAsWorkingBoards) {
  for (const StatedBoard& b : BOARDS) {
    SCOPED_TRACE(b.label);
    EXPECT_EQ(ByteAt(*b.image, 0x0D).write_mask & 0x07, 0);
  }
  for (const char* name : {"L1 Cache ON/OFF", "L2 Cache ON/OFF", "Bus Master", "Memory Space"})
    EXPECT_EQ(NamedValue(SIM_BRIDGE_M1531, fields_m1531, name), 1u) << name;
  for (const char* name : {"L1 Cache On/Off", "L2 Cache ON/OFF", "DRAM Refresh Function"})
    EXPECT_EQ(NamedValue(SIM_BRIDGE_M1541, fields_m1541, name), 1u) << name;
  // The L2 is on by the sources' reading too (42h bit 0), and the Aladdin V
  // board's 1 MB reads as such.
  EXPECT_EQ(ByteAt(SIM_BRIDGE_M1531, 0x42).value & 0x01, 0x01);
  EXPECT_EQ(ByteAt(SIM_BRIDGE_M1541, 0x42).value & 0x01, 0x01);
  EXPECT_EQ(Reading(SIM_BRIDGE_M1541, fields_m1541, "L2 Cache Size"), "10 1 MB");

  // The Aladdin IV's system BIOS runs from shadow DRAM and is protected from writes.
  EXPECT_EQ(ByteAt(SIM_BRIDGE_M1531, 0x4D).value & 0xF0, 0xF0);
  EXPECT_EQ(ByteAt(SIM_BRIDGE_M1531, 0x4F).value & 0xF0, 0x00);
  // The Aladdin V's capability pointer leads to an AGP capability block.
  uint8_t capability = ByteAt(SIM_BRIDGE_M1541, 0x34).value;
  EXPECT_NE(ByteAt(SIM_BRIDGE_M1541, 0x06).value & 0x10, 0);
  EXPECT_EQ(ByteAt(SIM_BRIDGE_M1541, capability).value, 0x02);
}

}  // namespace
