// The 82437FX (430FX) and 82434LX/NX (430LX/NX) field tables: their rows
// and the facts a user tunes by (cache, refresh, DRAM timing, memory hole),
// and the simulated 430FX and 430LX boards read through them.
#include "hw/sim/sim_machine.h"
#include "tables/table_checks.h"

namespace {

const std::vector<ExpectedRow> ATTRIBUTE_MAP_FROM_C0000 = {
    {0x5A, 3, 0, "C0000-C3FFF Control"}, {0x5A, 7, 4, "C4000-C7FFF Control"},
    {0x5B, 3, 0, "C8000-CBFFF Control"}, {0x5B, 7, 4, "CC000-CFFFF Control"},
    {0x5C, 3, 0, "D0000-D3FFF Control"}, {0x5C, 7, 4, "D4000-D7FFF Control"},
    {0x5D, 3, 0, "D8000-DBFFF Control"}, {0x5D, 7, 4, "DC000-DFFFF Control"},
    {0x5E, 3, 0, "E0000-E3FFF Control"}, {0x5E, 7, 4, "E4000-E7FFF Control"},
    {0x5F, 3, 0, "E8000-EBFFF Control"}, {0x5F, 7, 4, "EC000-EFFFF Control"},
};

const std::vector<ExpectedRow> HEADER =
    HeaderRows("Revision ID Code", "Received Master Abort", false);

const std::vector<ExpectedRow> ROWS_FX = Join({
    HEADER,
    {
        {0x50, 7, 5, "CPU Inactivity Timer"},
        {0x50, 3, 3, "PCI Peer Concurrency Enable"},
        {0x50, 2, 2, "PCI Bursting Disable"},
        {0x50, 1, 1, "PCI Streaming Disable"},
        {0x50, 0, 0, "Bus Concurrency Disable"},
        {0x52, 7, 6, "L2 Cache Size"},
        {0x52, 5, 4, "L2 SRAM Type"},
        {0x52, 3, 3, "NA Disable"},
        {0x52, 1, 1, "L2 Force Miss"},
        {0x52, 0, 0, "L1 Enable"},
        {0x57, 7, 6, "Memory Hole"},
        {0x57, 3, 3, "EDO Detect Mode"},
        {0x57, 2, 0, "DRAM Refresh Rate"},
        {0x58, 6, 5, "EDO/FPM Read Burst Timing"},
        {0x58, 4, 3, "EDO/FPM Write Burst Timing"},
        {0x58, 2, 2, "RAS to CAS Delay"},
        {0x58, 1, 0, "EDO/FPM Leadoff Timing"},
        {0x59, 3, 0, "Reserved"},
        {0x59, 7, 4, "BIOS ROM (F0000-FFFFF) Control"},
    },
    ATTRIBUTE_MAP_FROM_C0000,
    {
        {0x60, 5, 0, "DRAM Size Row 0 (4M unit)"},
        {0x61, 5, 0, "DRAM Size Row 1-0 (4M unit)"},
        {0x62, 5, 0, "DRAM Size Row 2-0 (4M unit)"},
        {0x63, 5, 0, "DRAM Size Row 3-0 (4M unit)"},
        {0x64, 5, 0, "DRAM Size Row 4-0 (4M unit)"},
        {0x68, 0, 0, "Row 0 Memory Type"},
        {0x68, 1, 1, "Row 1 Memory Type"},
        {0x68, 2, 2, "Row 2 Memory Type"},
        {0x68, 3, 3, "Row 3 Memory Type"},
        {0x68, 4, 4, "Row 4 Memory Type"},
        {0x72, 6, 6, "SMM Space Open"},
        {0x72, 5, 5, "SMM Space Closed"},
        {0x72, 4, 4, "SMM Space Locked"},
        {0x72, 3, 3, "SMRAM Enable"},
        {0x72, 2, 0, "SMM Space Base Segment"},
    },
});

const std::vector<ExpectedRow> ROWS_LX = Join({
    HEADER,
    {
        {0x50, 7, 5, "Host CPU Type"},
        {0x50, 2, 2, "L1 Cache Enable"},
        {0x50, 1, 0, "Host Operating Frequency"},
        {0x51, 7, 6, "Deturbo Frequency Control"},
        {0x52, 7, 6, "L2 Cache Size"},
        {0x52, 5, 5, "L2 SRAM Type"},
        {0x52, 4, 4, "L2 Cache Allocation"},
        {0x52, 3, 3, "Cache Byte Control"},
        {0x52, 2, 2, "SRAM Connectivity"},
        {0x52, 1, 1, "L2 Cache Write Policy"},
        {0x52, 0, 0, "L2 Cache Enable"},
        {0x53, 3, 3, "Read-Around-Write"},
        {0x53, 1, 1, "CPU-to-PCI Posted Writes"},
        {0x53, 0, 0, "CPU-to-Memory Posted Writes"},
        {0x54, 2, 2, "LBXs Connected to TRDY#"},
        {0x54, 1, 1, "PCI Burst Writes"},
        {0x54, 0, 0, "PCI-to-Memory Posted Writes"},
        {0x57, 7, 6, "DRAM Burst Timing"},
        {0x57, 5, 5, "DRAM Parity Error Mask"},
        {0x57, 4, 4, "0-Active RAS# Mode"},
        {0x57, 3, 3, "SMRAM Enable"},
        {0x57, 2, 2, "Burst-of-Four Refresh"},
        {0x57, 1, 1, "Refresh Type"},
        {0x57, 0, 0, "DRAM Refresh Enable"},
        {0x58, 1, 1, "RAS# Wait State"},
        {0x58, 0, 0, "CAS# Wait State"},
        {0x59, 3, 0, "80000-9FFFF Control"},
        {0x59, 7, 4, "BIOS ROM (F0000-FFFFF) Control"},
    },
    ATTRIBUTE_MAP_FROM_C0000,
    {
        {0x60, 7, 0, "DRAM Size Row 0 (1M unit)"},
        {0x61, 7, 0, "DRAM Size Row 1-0 (1M unit)"},
        {0x62, 7, 0, "DRAM Size Row 2-0 (1M unit)"},
        {0x63, 7, 0, "DRAM Size Row 3-0 (1M unit)"},
        {0x64, 7, 0, "DRAM Size Row 4-0 (1M unit)"},
        {0x65, 7, 0, "DRAM Size Row 5-0 (1M unit)"},
        {0x66, 7, 0, "DRAM Size Row 6-0 (1M unit)"},
        {0x67, 7, 0, "DRAM Size Row 7-0 (1M unit)"},
        {0x68, 3, 0, "Row 0 Boundary Bits 11-8"},
        {0x68, 7, 4, "Row 1 Boundary Bits 11-8"},
        {0x69, 3, 0, "Row 2 Boundary Bits 11-8"},
        {0x69, 7, 4, "Row 3 Boundary Bits 11-8"},
        {0x6A, 3, 0, "Row 4 Boundary Bits 11-8"},
        {0x6A, 7, 4, "Row 5 Boundary Bits 11-8"},
        {0x6B, 3, 0, "Row 6 Boundary Bits 11-8"},
        {0x6B, 7, 4, "Row 7 Boundary Bits 11-8"},
        {0x70, 7, 7, "SERR# on Received Target Abort"},
        {0x70, 6, 6, "SERR# on PCI Write Parity Error"},
        {0x70, 5, 5, "SERR# on PCI Read Parity Error"},
        {0x70, 4, 4, "SERR# on Address Parity Error"},
        {0x70, 3, 3, "PERR# on Data Parity Error"},
        {0x70, 2, 2, "L2 Cache Parity Enable"},
        {0x70, 1, 1, "SERR# on DRAM/L2 Parity Error"},
        {0x70, 0, 0, "CPU Parity Checking"},
        {0x71, 6, 6, "PCI Write Parity Error"},
        {0x71, 5, 5, "PCI Read Parity Error"},
        {0x71, 4, 4, "PCI Address Parity Error"},
        {0x71, 3, 3, "Main Memory Parity Error"},
        {0x71, 2, 2, "L2 Cache Parity Error"},
        {0x71, 0, 0, "Shutdown Cycle Detected"},
        {0x72, 5, 5, "SMRAM Open"},
        {0x72, 4, 4, "SMRAM Close"},
        {0x72, 3, 3, "SMRAM Lock"},
        {0x72, 2, 0, "SMRAM Address"},
        {0x78, 7, 4, "ISA Hole Bottom (1M unit)"},
        {0x79, 7, 7, "ISA Hole Enable"},
        {0x79, 6, 4, "ISA Hole Size"},
        {0x7C, 7, 7, "Transparent Buffer Writes"},
        {0x7C, 3, 0, "Frame Buffer Size"},
        {0x7D, 5, 5, "Frame Buffer Byte Merging"},
        {0x7D, 4, 4, "VGA Range Attributes"},
        {0x7D, 1, 1, "No Lock Requests"},
        {0x7E, 7, 4, "Frame Buffer Offset A23-A20"},
        {0x7F, 7, 0, "Frame Buffer Offset A31-A24"},
    },
});

std::vector<Span> FixedFields(std::initializer_list<Span> more) {
  std::vector<Span> fixed = HeaderFixedFields();
  fixed.insert(fixed.end(), more.begin(), more.end());
  return fixed;
}

const StatedTable TABLES[] = {
    {"FX", fields_82437fx, &ROWS_FX, 78,
     Union({RegisterRange(0x04, 0x0B),
            RegisterRange(0x0D, 0x0F),
            {0x50, 0x52},
            RegisterRange(0x57, 0x64),
            {0x68, 0x72}}),
     FixedFields({{0x72, 2, 0}}), 5, HeaderReadings({{{0x52, 1, 1}, 1}, {{0x72, 2, 0}, 2}})},
    {"LX", fields_82434lx, &ROWS_LX, 116,
     Union({RegisterRange(0x04, 0x0B),
            RegisterRange(0x0D, 0x0F),
            RegisterRange(0x50, 0x54),
            RegisterRange(0x57, 0x6B),
            RegisterRange(0x70, 0x72),
            {0x78, 0x79},
            RegisterRange(0x7C, 0x7F)}),
     HeaderFixedFields(), 3, HeaderReadings()},
};
INSTANTIATE_TEST_SUITE_P(IntelFxLx, StatedTableTest, testing::ValuesIn(TABLES),
                         LabelOf<StatedTable>);

const StatedBoard BOARDS[] = {
    {"FX", &SIM_BRIDGE_82437FX, 0x8086, 0x122D, fields_82437fx,
     NAMES_EVERY_VALUE | RESERVED_READ_ONLY},
    {"LX", &SIM_BRIDGE_82434LX, 0x8086, 0x04A3, fields_82434lx,
     NAMES_EVERY_VALUE | RESERVED_READ_ONLY},
};
INSTANTIATE_TEST_SUITE_P(IntelFxLx, StatedBoardTest, testing::ValuesIn(BOARDS),
                         LabelOf<StatedBoard>);

// Where the 430FX differs from its successors, the table must say so: its
// hole ends at 15-16 MB, its L2 may be asynchronous, its DRAM leadoff and
// fast-page bursts are a clock longer than the 430VX's.
TEST(Intel82437fx, DocumentedFacts) {
  EXPECT_EQ(ChoiceFor(fields_82437fx, "L2 Cache Size", 1), "01 256 KB");
  EXPECT_EQ(ChoiceFor(fields_82437fx, "L2 Cache Size", 2), "10 512 KB");
  EXPECT_EQ(ChoiceFor(fields_82437fx, "L2 SRAM Type", 2), "10 Asynchronous SRAM");
  EXPECT_NE(ChoiceFor(fields_82437fx, "DRAM Refresh Rate", 3).find("66 MHz"), std::string::npos);
  EXPECT_NE(ChoiceFor(fields_82437fx, "DRAM Refresh Rate", 0).find("disabled"), std::string::npos);
  EXPECT_EQ(ChoiceFor(fields_82437fx, "EDO/FPM Read Burst Timing", 1),
            "01 x-3-3-3 for EDO, x-4-4-4 for fast page mode");
  EXPECT_EQ(ChoiceFor(fields_82437fx, "EDO/FPM Leadoff Timing", 0).rfind("00 Read leadoff 8", 0),
            0u);
  EXPECT_EQ(ChoiceFor(fields_82437fx, "RAS to CAS Delay", 1), "1 Two clocks");
  EXPECT_NE(ChoiceFor(fields_82437fx, "Memory Hole", 2).find("15 MB to 16 MB"), std::string::npos);
  EXPECT_EQ(ChoiceFor(fields_82437fx, "Memory Hole", 3).rfind("11 Reserved", 0), 0u);
}

// The 82434LX/NX counts its cache sizes from a different origin than the
// 430FX and later, refreshes only when told to, and is told apart from the
// 82434NX by its revision.
TEST(Intel82434lx, DocumentedFacts) {
  EXPECT_EQ(ChoiceFor(fields_82434lx, "L2 Cache Size", 1), "01 Reserved");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "L2 Cache Size", 2), "10 256 KB");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "L2 Cache Size", 3), "11 512 KB");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "L2 Cache Write Policy", 1), "1 Write-back");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "DRAM Refresh Enable", 0), "0 Refresh disabled");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "Refresh Type", 1), "1 CAS#-before-RAS# refresh");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "DRAM Burst Timing", 3), "11 x-3-3-3 reads and writes");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "Host Operating Frequency", 2), "10 60 MHz");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "ISA Hole Size", 3), "011 4 MB");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "Revision ID Code", 0x03), "00000011 82434LX");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "Revision ID Code", 0x11), "0001xxxx 82434NX");
  EXPECT_EQ(ChoiceFor(fields_82434lx, "Revision ID Code", 0x02), "");
}

// Each board's chipset says what its machine is: the L2 size the cache model
// has, the caches and refresh on, the rows rising, the FX's rows EDO and the
// LX's bus at the 60 MHz of its processor.
TEST(IntelFxLxBoards, AgreeWithTheirMachines) {
  const SimMachineDesc* fx = FindSimMachine("p54c-430fx");
  ASSERT_NE(fx, nullptr);
  EXPECT_EQ(fx->bridge, &SIM_BRIDGE_82437FX);
  EXPECT_EQ(fx->caches.l2_bytes, 256u * 1024);
  const SimBridgeImage& fxb = SIM_BRIDGE_82437FX;
  EXPECT_EQ(Reading(fxb, fields_82437fx, "L2 Cache Size"), "01 256 KB");
  EXPECT_EQ(Reading(fxb, fields_82437fx, "L2 SRAM Type"), "00 Pipelined burst SRAM");
  EXPECT_EQ(NamedValue(fxb, fields_82437fx, "L1 Enable"), 1u);
  EXPECT_EQ(NamedValue(fxb, fields_82437fx, "L2 Force Miss"), 0u);
  EXPECT_EQ(NamedValue(fxb, fields_82437fx, "DRAM Refresh Rate"), 3u);  // 66 MHz bus
  EXPECT_EQ(NamedValue(fxb, fields_82437fx, "Row 0 Memory Type"), 1u);  // EDO
  EXPECT_EQ(NamedValue(fxb, fields_82437fx, "Row 1 Memory Type"), 1u);

  const SimMachineDesc* lx = FindSimMachine("p5-60-lx");
  ASSERT_NE(lx, nullptr);
  EXPECT_EQ(lx->bridge, &SIM_BRIDGE_82434LX);
  EXPECT_EQ(lx->caches.l2_bytes, 256u * 1024);
  const SimBridgeImage& lxb = SIM_BRIDGE_82434LX;
  EXPECT_EQ(Reading(lxb, fields_82434lx, "Revision ID Code"), "00000011 82434LX");
  EXPECT_EQ(Reading(lxb, fields_82434lx, "L2 Cache Size"), "10 256 KB");
  EXPECT_EQ(Reading(lxb, fields_82434lx, "Host Operating Frequency"), "10 60 MHz");
  EXPECT_EQ(NamedValue(lxb, fields_82434lx, "L1 Cache Enable"), 1u);
  EXPECT_EQ(NamedValue(lxb, fields_82434lx, "L2 Cache Enable"), 1u);
  EXPECT_EQ(NamedValue(lxb, fields_82434lx, "DRAM Refresh Enable"), 1u);

  for (const SimBridgeImage* image : {&fxb, &lxb}) {
    ExpectBoundariesRise(*image, 0x60, 0x64);
  }
}

}  // namespace
