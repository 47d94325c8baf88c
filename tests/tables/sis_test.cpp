// The four SiS field tables against their stated row lists and summaries,
// and the simulated SiS boards that read through them.
#include "tables/table_checks.h"

namespace {

// The header block of the 5571, 5596 and 5597/5598 tables.
std::vector<ExpectedRow> SisHeader() {
  return HeaderRows("Chip Revision Code", "Signaled Master Abort", true);
}

// L2 cache control, alike on the 5571, 5591 and 5597/5598.
const std::vector<ExpectedRow> L2_CACHE_CONTROL = {
    {0x51, 7, 7, "L2 Cache Exists"},        {0x51, 6, 6, "L2 Cache Enable"},
    {0x51, 5, 4, "L2 Cache Size"},          {0x51, 3, 3, "L2 Cache WB/WT"},
    {0x51, 2, 2, "Linear Burst"},           {0x51, 1, 1, "L2 Cache Tag Size"},
    {0x51, 0, 0, "L2 Cache Sizing Enable"},
};

// Paging and fast page / EDO timing of the 5571 and 5597/5598.
const std::vector<ExpectedRow> PAGING_AND_TIMING = {
    {0x53, 6, 6, "Read after Write turn around cycle"},
    {0x53, 5, 5, "Always Page Miss after Write"},
    {0x53, 4, 4, "Always Page Miss after Data Read"},
    {0x53, 3, 3, "Always Page Miss after Code Read"},
    {0x53, 2, 1, "DRAM Refresh Cycle"},
    {0x54, 7, 6, "RAS Pulse Width on Refresh"},
    {0x54, 5, 4, "RAS Precharge Time"},
    {0x54, 3, 2, "RAS to CAS Delay"},
    {0x54, 1, 1, "CAS Pulse Width (FPM)"},
};

// SDRAM commands of the 5571 and 5597/5598.
const std::vector<ExpectedRow> SDRAM_COMMANDS = {
    {0x57, 7, 7, "R_PRCH:SDRAM Precharge Command"},
    {0x57, 6, 6, "R_MRS:SDRAM Mode Register Set"},
    {0x57, 5, 5, "R_SCBR:SDRAM sizing Refresh"},
    {0x57, 4, 4, "SDRAM CAS Latency"},
    {0x57, 3, 3, "SDRAM Burst Timing"},
};

// Drive strengths of 5Ah and Cyrix 6x86 support of the 5571 and 5597/5598.
const std::vector<ExpectedRow> AD_DRIVE_AND_CYRIX = {
    {0x5A, 1, 1, "AD[31:0] Signal Drive Strength"},
    {0x5A, 0, 0, "Other Signal Drive Strength"},
    {0x5A, 7, 7, "6x86 SMAC Access"},
    {0x5A, 6, 6, "6x86 NMAC Access"},
    {0x5A, 5, 5, "6x86 CPU Present"},
};

const std::vector<ExpectedRow> ROWS_5571 = Join({
    SisHeader(),
    {
        {0x50, 7, 7, "Pipeline Address Mode (NA# enable)"},
        {0x50, 6, 6, "Not assert NA# on Single Write"},
        {0x50, 5, 5, "PBSRAM Back to Back Timing"},
        {0x50, 4, 4, "Reserved"},
        {0x50, 3, 3, "Write Merge Enable"},
        {0x50, 2, 2, "Read/Write Reorder"},
        {0x50, 1, 0, "Reserved"},
    },
    L2_CACHE_CONTROL,
    {
        {0x52, 7, 7, "CPU L1 Cache WB/WT"},
        {0x52, 6, 6, "Turbo Read Mode"},
        {0x52, 5, 5, "Reserved"},
        {0x52, 4, 4, "SRAM Type"},
        {0x52, 3, 3, "Reserved"},
        {0x52, 2, 2, "Reserved"},
        {0x53, 7, 7, "DRAM Leadoff Time"},
    },
    PAGING_AND_TIMING,
    {
        {0x54, 0, 0, "Reserved"},
        {0x55, 7, 7, "DRAM Write Assertion Timing"},
        {0x55, 6, 6, "EDO Test Mode"},
        {0x55, 5, 5, "EDO back to Back Timing"},
        {0x56, 2, 0, "MDLE Delay"},
    },
    SDRAM_COMMANDS,
    {
        {0x59, 7, 7, "RAS[5:0]# Signal Drive Strength"},
        {0x59, 6, 6, "CAS[7:0]# Signal Drive Strength"},
        {0x59, 5, 5, "MA[11:2] Signal Drive Strength"},
        {0x59, 4, 4, "MA[1:0]A Signal Drive Strength"},
        {0x59, 3, 3, "MA[1:0]B Signal Drive Strength"},
        {0x59, 2, 2, "RAMWA# Signal Drive Strength"},
        {0x59, 1, 1, "RAMWB# Signal Drive Strength"},
        {0x59, 0, 0, "Memory Buffer Strength"},
    },
    AD_DRIVE_AND_CYRIX,
});

const std::vector<ExpectedRow> ROWS_5591 = Join({
    {
        {0x50, 7, 7, "Pipeline Address Mode (NA# enable)"},
        {0x50, 6, 6, "Not assert NA# on Single Write"},
        {0x50, 5, 5, "PBSRAM Back to Back Timing"},
        {0x50, 4, 4, "Fast NA# Assert"},
    },
    L2_CACHE_CONTROL,
    {
        {0x52, 6, 6, "Allocate L2 Entry for Single Read"},
        {0x52, 1, 1, "SRAM Power Down Test Mode"},
        {0x52, 0, 0, "Internal SRAM Test Mode"},
        {0x54, 5, 5, "Read FIFO Control"},
        {0x54, 3, 3, "ECC Support"},
        {0x54, 2, 2, "Parity Check Support"},
        {0x55, 7, 6, "Paging Starting Point"},
        {0x55, 3, 3, "Force Page Miss after Write DRAM Cycle"},
        {0x55, 2, 2, "Force Page Miss after Data Read DRAM Cycle"},
        {0x55, 1, 1, "Force Page Miss after Code Read DRAM Cycle"},
        {0x55, 0, 0, "Force Page Miss after Graphics Window Range Access"},
        {0x56, 7, 6, "Refresh RAS# Pulse Width"},
        {0x56, 5, 4, "Refresh Queue Depth"},
        {0x56, 3, 3, "Refresh Cycle Time"},
        {0x56, 0, 0, "Refresh Test Mode"},
        {0x57, 7, 7, "DRAM Read Lead-off Time Delay"},
        {0x57, 6, 5, "DRAW Read Command Timing"},
        {0x58, 7, 6, "RAS Precharge Time for SDRAM & EDO/FPM"},
        {0x58, 5, 4, "RAS to CAS Delay for SDRAM & EDO/FPM"},
        {0x58, 3, 3, "DRAW Read CAS# Pulse Width for EDO"},
        {0x58, 2, 2, "DRAW Read CAS# Pulse Width for FPM"},
        {0x58, 1, 1, "DRAW Write CAS# Pulse Width for EDO"},
        {0x58, 0, 0, "DRAW Write CAS# Pulse Width for FPM"},
        {0x59, 7, 6, "CAS# Precharge Time for FPM"},
        {0x59, 5, 4, "CAS# Precharge Time for EDO"},
        {0x59, 0, 0, "EDO Test Mode (for BIOS init)"},
        {0x5A, 3, 3, "RAMW# Assertion Timing when Read Cycle Followed by Write Cycle"},
        {0x5A, 2, 0, "MDLE Delay"},
        {0x5C, 7, 7, "Issue SDRAM Precharge Command"},
        {0x5C, 6, 6, "Issue SDRAM Mode Register Set Command"},
        {0x5C, 5, 5, "Issue SDRAM Refresh Command"},
        {0x5C, 4, 4, "SDRAM Initialization Mode Selection"},
        {0x5D, 7, 7, "SDRAM Fast Read"},
        {0x5D, 5, 5, "SDRAM Back-to-Back Read Timing"},
        {0x5D, 4, 4, "SDRAM Write Retire Rate"},
        {0x5D, 3, 3, "SDRAM CAS# Latency"},
        {0x5D, 2, 2, "SDRAM Read Timing on Write After Read"},
        {0x5D, 1, 1, "SDRAM CS# Assertion Timing in Refresh Cycles"},
        {0x5E, 7, 7, "SDRAM SRAS#/SCAS#/RAMW# Timing"},
        {0x5E, 6, 6, "SDRAM Optimal RAS Precharge Time Control"},
        {0x5E, 5, 5, "SDRAM Precharge Command Timing Control"},
        {0x5F, 7, 4, "SDRAM DQM Timing Control"},
        {0x5F, 3, 0, "SDRAM CS# Timing Control"},
        {0x63, 0, 0, "Bank 0 DRAM Status"},
        {0x60, 7, 6, "Bank 0 DRAM Type"},
        {0x60, 5, 5, "Bank 0 DRAM Double/Single Sided"},
        {0x60, 3, 0, "Bank 0 DRAM Chip Type"},
        {0x63, 1, 1, "Bank 1 DRAM Status"},
        {0x61, 7, 6, "Bank 1 DRAM Type"},
        {0x61, 5, 5, "Bank 1 DRAM Double/Single Sided"},
        {0x61, 3, 0, "Bank 1 DRAM Chip Type"},
        {0x63, 2, 2, "Bank 2 DRAM Status"},
        {0x62, 7, 6, "Bank 2 DRAM Type"},
        {0x62, 5, 5, "Bank 2 DRAM Double/Single Sided"},
        {0x62, 3, 0, "Bank 2 DRAM Chip Type"},
    },
});

const std::vector<ExpectedRow> ROWS_5596 = Join({
    SisHeader(),
    {
        {0x50, 7, 7, "L2 Cache Exists"},
        {0x50, 6, 6, "L2 Cache Enable"},
        {0x50, 5, 4, "L2 SRAM Type"},
        {0x50, 3, 3, "L2 Cache WB/WT"},
        {0x50, 2, 1, "L2 Cache Size"},
        {0x50, 0, 0, "CPU L1 Cache WB/WT"},
        {0x51, 4, 4, "PBSRAM Leadoff Timing"},
        {0x51, 3, 3, "Linear Burst"},
        {0x51, 2, 2, "L2 Cache Tag Size"},
        {0x51, 1, 1, "L2 Cache Sizing Enable"},
        {0x52, 6, 6, "Reserved"},
        {0x52, 5, 5, "FPM CAS Precharge Timing"},
        {0x52, 4, 3, "EDO CAS Pulse Width"},
        {0x52, 2, 2, "EDO CAS Precharge Timing"},
        {0x52, 1, 1, "MDLE Timing on EDO Read"},
        {0x52, 0, 0, "BRDY# Timing on EDO Read"},
        {0x53, 7, 6, "DRAM RAS to CAS Delay"},
        {0x53, 5, 4, "DRAM RAS Precharge (FPM)"},
        {0x53, 3, 2, "DRAM RAS Active on Refresh"},
        {0x53, 1, 1, "DRAM RAS Precharge (EDO)"},
        {0x53, 0, 0, "CAS Deley on Posted Write (EDO)"},
        {0x54, 4, 4, "RAMW# Power Saving on EDO Bank"},
        {0x54, 3, 3, "Burst Write (NA#) Disable"},
        {0x55, 7, 7, "Slow Refresh (1:4)"},
        {0x55, 6, 6, "Deturbo"},
        {0x55, 3, 3, "RAS[3:0]# Drive Strength"},
        {0x5D, 4, 4, "CAS[7:0]# Buffer Strength"},
        {0x5D, 3, 3, "CAS[7:0]# Drive Strength"},
        {0x5D, 2, 2, "MA[11:0]# Buffer Strength"},
        {0x5D, 0, 0, "RAS[3:0]# Buffer Strength"},
        {0x70, 7, 0, "DRAM Size Bank0#0"},
        {0x71, 7, 7, "Bank0#0 Mem bit Width"},
        {0x71, 6, 6, "Bank0#0 FPM/EDO"},
        {0x71, 4, 2, "Bank0#0 DRAM Type"},
        {0x72, 7, 0, "DRAM Size Bank0#1"},
        {0x73, 7, 7, "Bank0#1 Populated"},
        {0x73, 4, 3, "Bank0#1 DRAM Type"},
        {0x74, 7, 0, "DRAM Size Bank1#0"},
        {0x75, 7, 7, "Bank1#0 Mem bit Width"},
        {0x75, 6, 6, "Bank1#0 FPM/EDO"},
        {0x75, 4, 2, "Bank1#0 DRAM Type"},
        {0x76, 7, 0, "DRAM Size Bank1#1"},
        {0x77, 7, 7, "Bank1#1 Populated"},
        {0x77, 4, 3, "Bank1#1 DRAM Type"},
        {0x78, 7, 0, "DRAM Size Bank2#0"},
        {0x79, 7, 7, "Bank2#0 Mem bit Width"},
        {0x79, 6, 6, "Bank2#0 FPM/EDO"},
        {0x79, 4, 2, "Bank2#0 DRAM Type"},
        {0x7A, 7, 0, "DRAM Size Bank2#1"},
        {0x7B, 7, 7, "Bank2#1 Populated"},
        {0x7B, 4, 3, "Bank0#1 DRAM Type"},  // sic: the shipped name repeats bank 0
        {0x7C, 7, 0, "DRAM Size Bank3#0"},
        {0x7D, 7, 7, "Bank3#0 Mem bit Width"},
        {0x7D, 6, 6, "Bank3#0 FPM/EDO"},
        {0x7D, 4, 2, "Bank3#0 DRAM Type"},
        {0x7E, 7, 0, "DRAM Size Bank3#1"},
        {0x7F, 7, 7, "Bank3#1 Populated"},
        {0x7F, 4, 3, "Bank3#1 DRAM Type"},
    },
});

const std::vector<ExpectedRow> ROWS_5597 = Join({
    SisHeader(),
    {
        {0x50, 7, 7, "Pipeline Address Mode (NA# enable)"},
        {0x50, 6, 6, "Not assert NA# on Single Write"},
        {0x50, 5, 5, "PBSRAM Back to Back Timing"},
        {0x50, 4, 4, "Fast NA# Assert"},
        {0x50, 3, 3, "Write Merge Enable"},
        {0x50, 2, 2, "Read/Write Reorder"},
        {0x50, 1, 0, "Reserved"},
    },
    L2_CACHE_CONTROL,
    {
        {0x52, 7, 7, "CPU L1 Cache WB/WT"},
        {0x52, 6, 6, "Turbo Read Mode"},
        {0x52, 5, 5, "Reead FIFO Control"},
        {0x52, 3, 3, "Reserved"},
        {0x52, 2, 2, "Reserved"},
        {0x52, 1, 1, "DRAM Refresh Mode"},
        {0x52, 0, 0, "Internal SRAM Test Mode"},
        {0x53, 7, 6, "Paging Starting Point"},
    },
    PAGING_AND_TIMING,
    {
        {0x54, 0, 0, "CAS Pulse Width (EDO)"},
        {0x55, 7, 7, "DRAM Write Assertion Timing"},
        {0x55, 6, 6, "EDO Test Mode"},
        {0x55, 5, 5, "SDRAM Read Cycle Delay When Pipelined"},
        {0x55, 4, 3, "CAS Precharge Time (FPM)"},
        {0x55, 2, 1, "CAS Precharge Time (EDO)"},
        {0x56, 7, 7, "SDRAM Pre-state"},
        {0x56, 6, 6, "EDO/FPM Leadoff Cycle Delay"},
        {0x56, 5, 4, "SDRAM Leadoff Cycle Delay"},
        {0x56, 3, 3, "SDRAM Sizing"},
        {0x56, 2, 0, "MDLE Delay"},
    },
    SDRAM_COMMANDS,
    {
        {0x57, 2, 2, "SDRAM Wait State"},
        {0x59, 7, 7, "RAS[5:0]# Signal Drive Strength"},
        {0x59, 6, 6, "CAS[7:0]# Signal Drive Strength"},
        {0x59, 5, 5, "MA[14:2] Signal Drive Strength"},
        {0x59, 4, 4, "MA[1:0]A Signal Drive Strength"},
        {0x59, 3, 3, "MA[1:0]B Signal Drive Strength"},
        {0x59, 2, 2, "RAMWA#/RAMWC# Signal Drive Strength"},
        {0x59, 1, 1, "RAMWB# Signal Drive Strength"},
        {0x59, 0, 0, "SRAS#/SCAS# Drive Strength"},
    },
    AD_DRIVE_AND_CYRIX,
});

const StatedTable TABLES[] = {
    {"S5571", fields_sis5571, &ROWS_5571, 86,
     Union({RegisterRange(0x04, 0x0F), RegisterRange(0x50, 0x57), RegisterRange(0x59, 0x5A)}),
     HeaderFixedFields(), 5, HeaderReadings({{{0x0B, 7, 0}, 6}})},
    // No header block, so no fixed fields, no reserved span and nothing noted.
    {"S5591",
     fields_sis5591,
     &ROWS_5591,
     66,
     Union({RegisterRange(0x50, 0x52), RegisterRange(0x54, 0x5A), RegisterRange(0x5C, 0x63)}),
     {},
     0,
     {}},
    {"S5596", fields_sis5596, &ROWS_5596, 91,
     Union(
         {RegisterRange(0x04, 0x0F), RegisterRange(0x50, 0x55), {0x5D}, RegisterRange(0x70, 0x7F)}),
     HeaderFixedFields(), 5, HeaderReadings({{{0x0B, 7, 0}, 6}})},
    {"S5597", fields_sis5597, &ROWS_5597, 94,
     Union({RegisterRange(0x04, 0x0F), RegisterRange(0x50, 0x57), RegisterRange(0x59, 0x5A)}),
     HeaderFixedFields(), 5, HeaderReadings({{{0x0B, 7, 0}, 6}})},
};
INSTANTIATE_TEST_SUITE_P(Sis, StatedTableTest, testing::ValuesIn(TABLES), LabelOf<StatedTable>);

// The SiS tables name only some codes of some fields, so a board may read
// blank where the table offers settings.  86Box keeps the reserved bits of
// the 5597/5598 read-only, and so do these boards; on the 5571 it lets the
// reserved bit 0 of 54h change.
const StatedBoard BOARDS[] = {
    {"S5571", &SIM_BRIDGE_SIS5571, 0x1039, 0x5571, fields_sis5571, FIXED_READ_ONLY},
    {"S5591", &SIM_BRIDGE_SIS5591, 0x1039, 0x5591, fields_sis5591,
     FIXED_READ_ONLY | RESERVED_READ_ONLY},
    {"S5596", &SIM_BRIDGE_SIS5596, 0x1039, 0x5596, fields_sis5596,
     FIXED_READ_ONLY | RESERVED_READ_ONLY},
    {"S5597", &SIM_BRIDGE_SIS5597, 0x1039, 0x5597, fields_sis5597,
     FIXED_READ_ONLY | RESERVED_READ_ONLY},
};
INSTANTIATE_TEST_SUITE_P(Sis, StatedBoardTest, testing::ValuesIn(BOARDS), LabelOf<StatedBoard>);

// The bank codes 86Box writes into 60h-62h of the 5591 for each bank size
// read, through the chip type and sides fields, as a bank of that size: a
// wrong code here tells a user the wrong amount of memory.
TEST(SisTables, BankCodesOf5591ReadAsTheirSize) {
  const struct {
    unsigned code;
    unsigned megabytes;
  } banks[] = {{0x00, 8}, {0x20, 16}, {0x24, 32}, {0x22, 64}, {0x26, 128}, {0x2A, 256}};
  const RegisterField* chips = FindRow(fields_sis5591, "Bank 1 DRAM Chip Type");
  const RegisterField* sides = FindRow(fields_sis5591, "Bank 1 DRAM Double/Single Sided");
  ASSERT_NE(chips, nullptr);
  ASSERT_NE(sides, nullptr);
  for (const auto& bank : banks) {
    SCOPED_TRACE(bank.megabytes);
    std::vector<std::string> chip =
        MatchingChoices(chips->description, bank.code & SpanMask(*chips));
    std::vector<std::string> side =
        MatchingChoices(sides->description, (bank.code & SpanMask(*sides)) >> LowBit(*sides));
    ASSERT_EQ(chip.size(), 1u);
    ASSERT_EQ(side.size(), 1u);
    unsigned per_side = std::stoul(chip[0].substr(chip[0].find(' ') + 1));
    unsigned side_count = side[0] == "1 Double sided" ? 2 : 1;
    EXPECT_EQ(per_side * side_count, bank.megabytes) << chip[0] << ", " << side[0];
  }
}

// The L2 cache enable is where 86Box takes it: bit 6 of 51h on the 5571 and
// 5597/5598, bit 6 of 50h on the 5511-like 5596.  On the 5591 86Box reads bit
// 7, and both of its rows say so.
TEST(SisTables, CacheEnableBits) {
  for (const RegisterField* table : {fields_sis5571, fields_sis5597}) {
    const RegisterField* f = FindRow(table, "L2 Cache Enable");
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(f->reg, 0x51u);
    EXPECT_EQ(SpanMask(*f), 0x40u);
    EXPECT_EQ(MatchingChoices(f->description, 1), std::vector<std::string>{"1 Enabled"});
  }
  const RegisterField* f5596 = FindRow(fields_sis5596, "L2 Cache Enable");
  ASSERT_NE(f5596, nullptr);
  EXPECT_EQ(f5596->reg, 0x50u);
  EXPECT_EQ(SpanMask(*f5596), 0x40u);
  for (const char* name : {"L2 Cache Exists", "L2 Cache Enable"}) {
    const RegisterField* f = FindRow(fields_sis5591, name);
    ASSERT_NE(f, nullptr);
    EXPECT_NE(std::string(f->description).find("86Box"), std::string::npos) << name;
  }
  // The simulated 5591 has its cache on by either reading.
  EXPECT_EQ(ByteAt(SIM_BRIDGE_SIS5591, 0x51).value & 0xC0, 0xC0);
}

// A fixed field with a noted value holds that value on the boards.
TEST(SisBoards, FixedFieldsHoldTheirNotedValues) {
  for (const StatedBoard& b : BOARDS) {
    SCOPED_TRACE(b.label);
    for (size_t i = 0; (b.fields[i].reg & 0xFF) != 0; i++) {
      const RegisterField& f = b.fields[i];
      if ((f.bit_spec & 0xC0) != 0xC0 && f.noted_value != 0) {
        EXPECT_EQ(FieldValue(*b.image, f), f.noted_value) << f.name;
      }
    }
  }
}

// Read through its table, each simulated board is a working one: L2 cache on
// and write-back, the DRAM banks as the BIOS sized them.
TEST(SisBoards, ReadLikeWorkingBoards) {
  const SimBridgeImage& s5571 = SIM_BRIDGE_SIS5571;
  EXPECT_EQ(Reading(s5571, fields_sis5571, "L2 Cache Enable"), "1 Enabled");
  EXPECT_EQ(Reading(s5571, fields_sis5571, "L2 Cache WB/WT"), "1 Write-back");
  EXPECT_EQ(Reading(s5571, fields_sis5571, "L2 Cache Size"), "10 512 KB");
  EXPECT_EQ(Reading(s5571, fields_sis5571, "L2 Cache Sizing Enable"), "0 Normal operation");
  EXPECT_EQ(Reading(s5571, fields_sis5571, "EDO Test Mode"), "0 Normal operation");
  EXPECT_EQ(Reading(s5571, fields_sis5571, "DEVSEL# Timing"), "01 Medium");

  const SimBridgeImage& s5591 = SIM_BRIDGE_SIS5591;
  EXPECT_EQ(Reading(s5591, fields_sis5591, "L2 Cache Enable"), "1 Enabled");
  EXPECT_EQ(Reading(s5591, fields_sis5591, "Bank 0 DRAM Type"), "11 SDRAM");
  EXPECT_EQ(Reading(s5591, fields_sis5591, "Bank 0 DRAM Chip Type"), "0100 16 MB per side");
  EXPECT_EQ(Reading(s5591, fields_sis5591, "Bank 1 DRAM Double/Single Sided"), "1 Double sided");
  EXPECT_EQ(Reading(s5591, fields_sis5591, "Bank 0 DRAM Status"), "1 Bank populated");
  EXPECT_EQ(Reading(s5591, fields_sis5591, "Bank 2 DRAM Status"), "0 Bank empty");
  // The status bits agree with the bank registers the BIOS filled in.
  for (unsigned bank = 0; bank < 3; bank++) {
    bool populated = (ByteAt(s5591, 0x63).value >> bank) & 1;
    EXPECT_EQ(populated, ByteAt(s5591, 0x60 + bank).value != 0) << "bank " << bank;
  }

  const SimBridgeImage& s5596 = SIM_BRIDGE_SIS5596;
  EXPECT_EQ(Reading(s5596, fields_sis5596, "L2 Cache Enable"), "1 Enabled");
  EXPECT_EQ(Reading(s5596, fields_sis5596, "CPU L1 Cache WB/WT"), "1 Write-back");
  EXPECT_EQ(Reading(s5596, fields_sis5596, "Bank0#0 FPM/EDO"), "1 EDO DRAM");
  EXPECT_EQ(Reading(s5596, fields_sis5596, "Bank0#1 Populated"), "1 Populated");
  EXPECT_EQ(Reading(s5596, fields_sis5596, "Bank3#1 Populated"), "0 Empty");

  const SimBridgeImage& s5597 = SIM_BRIDGE_SIS5597;
  EXPECT_EQ(Reading(s5597, fields_sis5597, "L2 Cache Enable"), "1 Enabled");
  // The 256 KB cache of this board has a size code the table does not name.
  EXPECT_EQ(Reading(s5597, fields_sis5597, "L2 Cache Size"), "");
  EXPECT_EQ(Reading(s5597, fields_sis5597, "6x86 CPU Present"), "1 Cyrix 6x86 processor present");
  EXPECT_EQ(Reading(s5597, fields_sis5597, "R_PRCH:SDRAM Precharge Command"), "0 Idle");
  EXPECT_LE(ByteAt(s5597, 0x0D).value, 0x20) << "latency timer above 32 clocks";

  // The boards that keep shadow control in 70h-76h run the video BIOS
  // (C0000-C7FFF) and the system BIOS from shadow DRAM, and let it change.
  for (const SimBridgeImage* image : {&s5571, &s5591, &s5597}) {
    EXPECT_EQ(ByteAt(*image, 0x70).value, 0x88);
    EXPECT_EQ(ByteAt(*image, 0x70).write_mask, 0xEE);
    EXPECT_NE(ByteAt(*image, 0x76).value & 0x80, 0);
  }
}

}  // namespace
