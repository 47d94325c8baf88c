// The two VIA field tables against their stated row lists and summaries,
// and the simulated Apollo VP2 and VPX boards that read through them.
#include "tables/table_checks.h"

namespace {

// Runs of rows that the two lists share.

// Non-cacheable regions.
const std::vector<ExpectedRow> REGIONS = {
    {0x54, 7, 0, "Non-Cacheable Region #1 <28:21>"},
    {0x55, 7, 3, "Non-Cacheable Region #1 A<20:16>"},
    {0x55, 2, 0, "Non-Cacheable Region #1 Size"},
    {0x56, 7, 0, "Non-Cacheable Region #2 A<28:21>"},
    {0x57, 7, 3, "Non-Cacheable Region #2 A<20:16>"},
    {0x57, 2, 0, "Non-Cacheable Region #2 Size"},
};

// DRAM bank ending addresses.
const std::vector<ExpectedRow> BANK_ENDINGS = {
    {0x5A, 7, 0, "Bank 0 Ending (HA[29:22])"}, {0x5B, 7, 0, "Bank 1 Ending (HA[29:22])"},
    {0x5C, 7, 0, "Bank 2 Ending (HA[29:22])"}, {0x5D, 7, 0, "Bank 3 Ending (HA[29:22])"},
    {0x5E, 7, 0, "Bank 4 Ending (HA[29:22])"}, {0x5F, 7, 0, "Bank 5 Ending (HA[29:22])"},
};

// DRAM types, shadow RAM, DRAM timing and the first controls of 65h.
const std::vector<ExpectedRow> TYPES_SHADOW_TIMING = {
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
};

// The low controls of 66h and the bank widths of 67h.
const std::vector<ExpectedRow> FIFO_AND_WIDTHS = {
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
};

// DRAM drive strength.
const std::vector<ExpectedRow> DRIVE = {
    {0x6D, 7, 7, "Bank Decoding Test"},
    {0x6D, 6, 6, "MA[0:1] Drive"},
    {0x6D, 5, 5, "Duplicate Copy of MA[0:1]"},
    {0x6D, 4, 4, "Force SMM Mode"},
    {0x6D, 3, 3, "SDRAM Command Drive"},
    {0x6D, 2, 2, "MA[2:13] / WE# Drive"},
    {0x6D, 1, 1, "CAS# Drive"},
    {0x6D, 0, 0, "RAS# Drive"},
};

const std::vector<ExpectedRow> VT82C595_ROWS = Join({
    {
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
    },
    REGIONS,
    {
        {0x58, 7, 5, "Bank 0/1 MA Map Type"},
        {0x58, 4, 4, "Reserved"},
        {0x58, 3, 1, "Bank 2/3 MA Map Type"},
        {0x58, 0, 0, "Reserved"},
        {0x59, 7, 5, "Bank 5/6 MA Map Type"},
        {0x59, 4, 3, "Reserved"},
        {0x59, 2, 0, "Last Bank DRAM Populated"},
    },
    BANK_ENDINGS,
    {
        {0x60, 7, 6, "Reserved"},
    },
    TYPES_SHADOW_TIMING,
    {
        {0x65, 2, 1, "Reserved"},
        {0x65, 0, 0, "Relaxed DRAM Read Cycle Latency"},
        {0x66, 7, 7, "EDO Test Mode Enable"},
        {0x66, 6, 6, "Reserved"},
        {0x66, 5, 5, "Reserved"},
        {0x66, 4, 4, "Reserved"},
    },
    FIFO_AND_WIDTHS,
    {
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
    },
    DRIVE,
});

const std::vector<ExpectedRow> VT82C580_ROWS = Join({
    {
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
    },
    REGIONS,
    {
        {0x58, 7, 5, "Bank 0/1 MA Map Type"},
        {0x58, 3, 1, "Bank 2/3 MA Map Type"},
        {0x59, 7, 5, "Bank 5/6 MA Map Type"},
        {0x59, 2, 0, "Last Bank DRAM Populated"},
    },
    BANK_ENDINGS,
    TYPES_SHADOW_TIMING,
    {
        {0x65, 2, 2, "Pin88 Function Select"},
        {0x65, 0, 0, "Relaxed DRAM Read Cycle Latency"},
        {0x66, 7, 7, "EDO Test Mode Enable"},
        {0x66, 5, 5, "SDRAM CAS Latency"},
    },
    FIFO_AND_WIDTHS,
    {
        {0x6A, 7, 0, "Refresh Counter"},
        {0x6B, 7, 7, "CBR (CAS-before-RAS) Refresh"},
        {0x6B, 6, 6, "Burst Refresh (Burst 4 Times)"},
        {0x6B, 2, 2, "Extended Timing"},
        {0x6C, 7, 7, "64Mbit SDRAM Interleave"},
        {0x6C, 6, 6, "SDRAM Burst Write"},
        {0x6C, 5, 5, "SDRAM Bank Interleave Enable"},
        {0x6C, 3, 3, "SDRAM CAS Latency"},
        {0x6C, 2, 0, "SDRAM Operation Mode Select"},
    },
    DRIVE,
});

// Both tables note the six bank endings (1), the memory-map fields of 58h-59h
// (2, and 5 for the last bank), the five DRAM timing fields of 64h and three
// controls of 65h-66h.
const std::vector<NotedRow> NOTED = {
    {{0x58, 7, 5}, 2}, {{0x58, 3, 1}, 2}, {{0x59, 7, 5}, 2}, {{0x59, 2, 0}, 5}, {{0x5A, 7, 0}, 1},
    {{0x5B, 7, 0}, 1}, {{0x5C, 7, 0}, 1}, {{0x5D, 7, 0}, 1}, {{0x5E, 7, 0}, 1}, {{0x5F, 7, 0}, 1},
    {{0x64, 7, 6}, 2}, {{0x64, 5, 4}, 2}, {{0x64, 3, 2}, 2}, {{0x64, 1, 1}, 1}, {{0x64, 0, 0}, 1},
    {{0x65, 7, 6}, 2}, {{0x65, 4, 4}, 1}, {{0x66, 3, 3}, 1},
};

const StatedTable TABLES[] = {
    // Only the two always-0 reserved bits of 66h are marked fixed.
    {"VT82C595",
     fields_vt82c595,
     &VT82C595_ROWS,
     109,
     RegisterRange(0x50, 0x6D),
     {{0x66, 6, 6}, {0x66, 4, 4}},
     18,
     NOTED},
    {"VT82C580",
     fields_vt82c580,
     &VT82C580_ROWS,
     93,
     Union({RegisterRange(0x50, 0x67), RegisterRange(0x6A, 0x6D)}),
     {},
     18,
     NOTED},
};
INSTANTIATE_TEST_SUITE_P(Via, StatedTableTest, testing::ValuesIn(TABLES), LabelOf<StatedTable>);

const unsigned BOARD_CHECKS = NAMES_EVERY_VALUE | FIXED_READ_ONLY | RESERVED_READ_ONLY;
const StatedBoard BOARDS[] = {
    {"ApolloVP2", &SIM_BRIDGE_VT82C595, 0x1106, 0x0595, fields_vt82c595, BOARD_CHECKS},
    {"ApolloVPX", &SIM_BRIDGE_VT82C580VPX, 0x1106, 0x0585, fields_vt82c580, BOARD_CHECKS},
};
INSTANTIATE_TEST_SUITE_P(Via, StatedBoardTest, testing::ValuesIn(BOARDS), LabelOf<StatedBoard>);

// Every value of an ordinary field with choices names one of them, so that
// the report never prints a blank for a setting.
TEST(ViaTables, OrdinaryFieldsNameEveryValue) {
  for (const StatedTable& t : TABLES) {
    SCOPED_TRACE(t.label);
    for (size_t i = 0; (t.fields[i].reg & 0xFF) != 0; i++) {
      const RegisterField& f = t.fields[i];
      if ((f.bit_spec & 0xC0) != 0xC0 || !HasChoices(f.description))
        continue;
      for (unsigned v = 0; v < (1u << FieldWidth(f.bit_spec)); v++)
        EXPECT_EQ(MatchingChoices(f.description, v).size(), 1u) << f.name << " value " << v;
    }
  }
}

// The fields the two chips have in common carry the same descriptions and
// numbers, so a VP1/VPX and a VP2 board translate one setting the same way.
TEST(ViaTables, SharedFieldsReadAlikeOnBothChips) {
  size_t shared = 0;
  for (size_t i = 0; (fields_vt82c580[i].reg & 0xFF) != 0; i++) {
    const RegisterField& vpx = fields_vt82c580[i];
    const RegisterField* vp2 =
        FindRow(fields_vt82c595, Span{vpx.reg & 0xFF, HighBit(vpx), LowBit(vpx)});
    if (vp2 == nullptr || strcmp(vp2->name, vpx.name) != 0 || vp2->bit_spec != vpx.bit_spec)
      continue;
    shared++;
    SCOPED_TRACE(vpx.name);
    // Bank 0's ending is left blank on the VP2 only; the VPX explains it
    // like the other banks.
    if ((vpx.reg & 0xFF) == 0x5A) {
      EXPECT_STREQ(vpx.description, FindRow(fields_vt82c580, Span{0x5B, 7, 0})->description);
    } else {
      EXPECT_STREQ(vp2->description, vpx.description);
    }
    EXPECT_EQ(vp2->noted_value, vpx.noted_value);
  }
  EXPECT_EQ(shared, 89u);
}

// The codings a user is most likely to act on read as the register
// references give them, on both chips: the DRAM type (01 is EDO, 10 is
// reserved), the L2 write policy, the memory hole, the RAS precharge time
// and the SDRAM CAS latency.
TEST(ViaTables, DocumentedCodings) {
  const struct {
    Span at;
    unsigned value;
    const char* reading;
  } facts[] = {
      {{0x60, 1, 0}, 1, "01 EDO DRAM"},
      {{0x60, 5, 4}, 2, "10 Reserved"},
      {{0x52, 0, 0}, 0, "0 Write-back"},
      {{0x51, 1, 0}, 3, "11 2 MB"},
      {{0x63, 3, 2}, 2, "10 15M-16M"},
      {{0x64, 7, 6}, 0, "00 2T (50 ns DRAM)"},
      {{0x64, 3, 2}, 1, "01 FPM 2T, EDO 1T"},
      {{0x6C, 3, 3}, 1, "1 CAS latency 3"},
      {{0x6B, 6, 6}, 1, "1 Four rows refreshed in a burst every 60 us"},
  };
  for (const RegisterField* table : {fields_vt82c595, fields_vt82c580}) {
    for (const auto& fact : facts) {
      const RegisterField* f = FindRow(table, fact.at);
      ASSERT_NE(f, nullptr) << fact.reading;
      EXPECT_EQ(MatchingChoices(f->description, fact.value),
                std::vector<std::string>{fact.reading});
    }
  }
}

// A BIOS that lets DRAM reads pass posted writes must also delay reads while
// the write buffer holds data (65h bit 0).
TEST(ViaBoards, ReadAroundWriteHasItsRelaxedLatency) {
  const struct {
    const SimBridgeImage* image;
    const RegisterField* table;
  } boards[] = {{&SIM_BRIDGE_VT82C595, fields_vt82c595},
                {&SIM_BRIDGE_VT82C580VPX, fields_vt82c580}};
  for (const auto& b : boards) {
    if (NamedValue(*b.image, b.table, "Read Around Write") == 1) {
      EXPECT_EQ(NamedValue(*b.image, b.table, "Relaxed DRAM Read Cycle Latency"), 1u);
    }
  }
}

// The DRAM layout is self-consistent: bank endings never fall, the banks
// above the last populated one end where it ends, the populated banks are
// non-empty, the total matches the board's memory, and refresh runs.
void ExpectBanks(const SimBridgeImage& image, const RegisterField* table, unsigned last_bank,
                 unsigned megabytes) {
  EXPECT_EQ(NamedValue(image, table, "Last Bank DRAM Populated"), last_bank);
  unsigned previous = 0;
  for (unsigned bank = 0; bank < 6; bank++) {
    unsigned ending = ByteAt(image, 0x5A + bank).value;
    if (bank <= last_bank) {
      EXPECT_GT(ending, previous) << "bank " << bank;
    } else {
      EXPECT_EQ(ending, previous) << "bank " << bank;
    }
    previous = ending;
  }
  EXPECT_EQ(previous * 4, megabytes);
  EXPECT_NE(NamedValue(image, table, "Refresh Counter"), 0u);
}

TEST(ViaBoards, ApolloVp2Board) {
  // 512 KB of L2, 64 MB of SDRAM in banks 0 and 1, the system BIOS running
  // from write-protected shadow DRAM; the latency timer's low bits fixed.
  const SimBridgeImage& vp2 = SIM_BRIDGE_VT82C595;
  EXPECT_EQ(ByteAt(vp2, 0x0D).write_mask, 0xF8);
  EXPECT_EQ(Reading(vp2, fields_vt82c595, "Cache Enable"), "10 Cache enable (normal operation)");
  EXPECT_EQ(Reading(vp2, fields_vt82c595, "Cache Size"), "01 512 KB");
  EXPECT_EQ(Reading(vp2, fields_vt82c595, "DRAM Type for Bank 0/1"), "11 SDRAM");
  EXPECT_EQ(Reading(vp2, fields_vt82c595, "F0000-FFFFF Shadow RAM Control"),
            "10 Read only: reads from DRAM, writes to the PCI bus");
  EXPECT_EQ(Reading(vp2, fields_vt82c595, "SDRAM Operation Mode Select"),
            "000 Normal SDRAM operation");
  ExpectBanks(vp2, fields_vt82c595, 1, 64);
}

TEST(ViaBoards, ApolloVpxBoard) {
  // The Cyrix board bursts linearly; 512 KB of L2 and 32 MB of EDO in bank 0.
  const SimBridgeImage& vpx = SIM_BRIDGE_VT82C580VPX;
  EXPECT_EQ(ByteAt(vpx, 0x0D).write_mask, 0xF8);
  EXPECT_EQ(Reading(vpx, fields_vt82c580, "Cache Enable"), "10 Cache enable (normal operation)");
  EXPECT_EQ(Reading(vpx, fields_vt82c580, "Linear Burst"),
            "1 Linear burst order, for CPUs that burst linearly");
  EXPECT_EQ(Reading(vpx, fields_vt82c580, "Cache Size"), "01 512 KB");
  EXPECT_EQ(Reading(vpx, fields_vt82c580, "DRAM Type for Bank 0/1"), "01 EDO DRAM");
  ExpectBanks(vpx, fields_vt82c580, 0, 32);
}

}  // namespace
