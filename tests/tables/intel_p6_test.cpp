// The 82441FX (440FX), 82443LX/EX (440LX/EX), 82443BX/ZX (440BX/ZX) and
// 82443GX field tables and the 450KX/GX PCI bridge's: their stated shape, the
// facts a user tunes by (SDRAM CAS latency and RAS timings, DRAM type,
// shadowing, SMRAM, the memory hole, the AGP aperture), and the simulated
// Slot 1 and Socket 8 boards read through them.
#include "hw/sim/sim_machine.h"
#include "tables/table_checks.h"

namespace {

std::vector<Span> HeaderFixedAnd(std::initializer_list<Span> more) {
  std::vector<Span> fixed = HeaderFixedFields();
  fixed.insert(fixed.end(), more.begin(), more.end());
  return fixed;
}

// The rows the AGP bridges fix: capability list, aperture base type and the
// AGP capability and status registers.
const std::initializer_list<Span> AGP_FIXED = {
    {0x06, 4, 4}, {0x10, 3, 3}, {0x10, 2, 1}, {0x10, 0, 0}, {0x34, 7, 0}, {0xA0, 7, 0},
    {0xA1, 7, 0}, {0xA2, 7, 4}, {0xA2, 3, 0}, {0xA4, 1, 0}, {0xA5, 1, 1}, {0xA7, 7, 0}};

std::vector<Span> AgpFixedAnd(std::initializer_list<Span> more) {
  std::vector<Span> fixed = HeaderFixedAnd(AGP_FIXED);
  fixed.insert(fixed.end(), more.begin(), more.end());
  return fixed;
}

const std::set<unsigned> HEADER_REGISTERS =
    Union({RegisterRange(0x04, 0x0B), RegisterRange(0x0D, 0x0F)});
const std::set<unsigned> AGP_REGISTERS =
    Union({{0x10, 0x12, 0x13, 0x34, 0xA0, 0xA1, 0xA2, 0xA4, 0xA5, 0xA7, 0xA8, 0xA9, 0xB0, 0xB1,
            0xB4, 0xB9, 0xBA, 0xBB}});

const StatedTable TABLES[] = {
    {"FX", fields_82441fx, nullptr, 108,
     Union({HEADER_REGISTERS,
            RegisterRange(0x50, 0x68),
            RegisterRange(0x70, 0x72),
            {0x90, 0x91, 0x93}}),
     HeaderFixedAnd({{0x51, 6, 6}, {0x72, 2, 0}}), 7,
     HeaderReadings({{{0x57, 2, 0}, 1}, {{0x58, 5, 4}, 1}, {{0x71, 4, 0}, 16}, {{0x72, 2, 0}, 2}})},
    {"LX", fields_82443lx, nullptr, 134,
     Union({HEADER_REGISTERS,
            AGP_REGISTERS,
            {0x50, 0x51, 0x53},
            RegisterRange(0x55, 0x68),
            {0x6A, 0x70, 0x72},
            RegisterRange(0x90, 0x93),
            {0xBC, 0xBD}}),
     AgpFixedAnd({{0x51, 6, 6}}), 12,
     HeaderReadings({{{0x06, 4, 4}, 1}, {{0x57, 2, 0}, 1}, {{0xA4, 1, 0}, 3}, {{0x72, 2, 0}, 2}})},
    {"BX", fields_82443bx, nullptr, 168,
     Union({HEADER_REGISTERS, AGP_REGISTERS, RegisterRange(0x50, 0x53), RegisterRange(0x57, 0x68),
            RegisterRange(0x72, 0x7C), RegisterRange(0x80, 0x83), RegisterRange(0x90, 0x92)}),
     AgpFixedAnd({{0x57, 5, 5},
                  {0x72, 2, 0},
                  {0x73, 5, 5},
                  {0x73, 4, 4},
                  {0x73, 3, 3},
                  {0x7A, 3, 3},
                  {0x7A, 1, 1}}),
     15,
     HeaderReadings({{{0x57, 4, 3}, 1}, {{0x58, 1, 1}, 1}, {{0x73, 5, 5}, 1}, {{0x90, 7, 7}, 1}})},
    {"GX", fields_82443gx, nullptr, 165,
     Union({HEADER_REGISTERS,
            AGP_REGISTERS,
            RegisterRange(0x50, 0x53),
            {0x57},
            RegisterRange(0x59, 0x68),
            RegisterRange(0x72, 0x76),
            RegisterRange(0x78, 0x7C),
            RegisterRange(0x80, 0x83),
            RegisterRange(0x90, 0x92)}),
     AgpFixedAnd({{0x51, 7, 7},
                  {0x57, 5, 5},
                  {0x73, 5, 5},
                  {0x73, 4, 4},
                  {0x73, 3, 3},
                  {0x7A, 3, 3},
                  {0x7A, 1, 1}}),
     13, HeaderReadings({{{0x57, 4, 3}, 1}, {{0x73, 5, 5}, 1}, {{0x90, 7, 7}, 1}})},
    {"KX",
     fields_82454kx,
     nullptr,
     83,
     Union({{0x04, 0x05, 0x07, 0x08, 0x0D, 0x40, 0x41, 0x43},
            RegisterRange(0x48, 0x4C),
            {0x51, 0x53, 0x54, 0x55, 0x57},
            RegisterRange(0x58, 0x5F),
            {0x70, 0x71},
            RegisterRange(0x78, 0x7F),
            {0x88, 0x89, 0x8B, 0x8C, 0x8D, 0x9C},
            RegisterRange(0xA4, 0xA7),
            {0xB0, 0xB1, 0xB4, 0xB5, 0xB8, 0xB9, 0xBB, 0xBC},
            {0xC0, 0xC1, 0xC4, 0xC5, 0xC6, 0xC8, 0xCA, 0xCB}}),
     {{0x04, 2, 2}, {0x07, 2, 1}, {0x08, 7, 0}, {0x49, 7, 0}, {0xB4, 7, 0}, {0xB5, 7, 0}},
     3,
     {{{0x04, 2, 2}, 1}, {{0x07, 2, 1}, 1}, {{0x58, 1, 1}, 1}}},
};
INSTANTIATE_TEST_SUITE_P(IntelP6, StatedTableTest, testing::ValuesIn(TABLES), LabelOf<StatedTable>);

const StatedBoard BOARDS[] = {
    {"FX", &SIM_BRIDGE_82441FX, 0x8086, 0x1237, fields_82441fx,
     NAMES_EVERY_VALUE | RESERVED_READ_ONLY},
    {"LX", &SIM_BRIDGE_82443LX, 0x8086, 0x7180, fields_82443lx,
     NAMES_EVERY_VALUE | RESERVED_READ_ONLY},
    {"BX", &SIM_BRIDGE_82443BX, 0x8086, 0x7190, fields_82443bx,
     NAMES_EVERY_VALUE | RESERVED_READ_ONLY},
};
INSTANTIATE_TEST_SUITE_P(IntelP6, StatedBoardTest, testing::ValuesIn(BOARDS), LabelOf<StatedBoard>);

// The SDRAM timings a user tunes: CAS latency, RAS# to CAS# and precharge,
// 2 clocks on a set bit, 3 on a clear one; the 82443BX's leadoff knob has one
// legal value.
TEST(IntelP6Tables, SdramTimingCodes) {
  EXPECT_EQ(ChoiceFor(fields_82443bx, "SDRAM CAS# Latency", 1), "1 2 DCLKs");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "SDRAM CAS# Latency", 0), "0 3 DCLKs");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "SDRAM RAS# to CAS# Delay", 1), "1 2 clocks");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "SDRAM RAS# Precharge", 0), "0 3 clocks");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "Leadoff Command Timing", 1).rfind("1 3 CS# clocks", 0), 0u);
  EXPECT_EQ(ChoiceFor(fields_82443bx, "Idle/Pipeline DRAM Leadoff Timing", 0), "00 Illegal");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "DRAM Idle Timer", 9),
            "1xxx Never: pages stay open when idle");
  EXPECT_EQ(ChoiceFor(fields_82443lx, "SDRAM CAS# Latency", 1), "1 2 clocks");
  EXPECT_EQ(ChoiceFor(fields_82443lx, "SDRAM RAS# to CAS# Delay", 0), "0 3 clocks");
  EXPECT_EQ(ChoiceFor(fields_82443lx, "EDO RAS# Precharge", 1), "1 3 clocks");
  EXPECT_EQ(ChoiceFor(fields_82443lx, "SDRAM Mode Select", 3),
            "011 Mode register set on every DRAM cycle");
  EXPECT_EQ(ChoiceFor(fields_82441fx, "DRAM Read Burst Timing", 2),
            "10 x-2-2-2 burst EDO and EDO, x-3-3-3 fast page mode");
  EXPECT_EQ(ChoiceFor(fields_82441fx, "DRAM Write Burst Timing", 3),
            "11 x-2-2-2 EDO and burst EDO, x-3-3-3 fast page mode");
}

// DRAM types: the FX's and LX's two bits per row, the BX's one type for all
// rows; refresh as each chip counts it.
TEST(IntelP6Tables, DramTypesAndRefresh) {
  EXPECT_EQ(ChoiceFor(fields_82441fx, "Row 5 DRAM Type", 2), "10 Burst EDO DRAM");
  EXPECT_EQ(ChoiceFor(fields_82441fx, "Row 0 DRAM Type", 3), "11 Empty row");
  EXPECT_EQ(ChoiceFor(fields_82443lx, "Row 7 DRAM Type", 0), "00 EDO DRAM");
  EXPECT_EQ(ChoiceFor(fields_82443lx, "Row 2 DRAM Type", 2), "10 SDRAM");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "DRAM Type", 1), "01 SDRAM");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "DRAM Type", 2), "10 Registered SDRAM, 82443BX only");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "DRAM Refresh Rate", 4), "100 124.8 us");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "DRAM Refresh Rate", 7), "11x Reserved");
  EXPECT_EQ(ChoiceFor(fields_82441fx, "DRAM Refresh Rate", 7),
            "111 Fast refresh, every 32 host clocks");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "Host/DRAM Frequency", 0), "00 100 MHz");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "Host/DRAM Frequency", 2), "10 66 MHz");
  EXPECT_EQ(ChoiceFor(fields_82441fx, "Host Frequency", 1), "01 60 MHz");
  EXPECT_EQ(ChoiceFor(fields_82443lx, "Host Frequency", 1), "1 60 MHz");
}

// Shadowing, SMRAM, the hole and the aperture, alike on the three chips where
// the sources say so; the 82441FX's hole codes are unconfirmed, so its row
// names no setting.
TEST(IntelP6Tables, ShadowSmramHoleAndAperture) {
  for (const RegisterField* t : {fields_82441fx, fields_82443lx, fields_82443bx, fields_82443gx}) {
    EXPECT_EQ(ChoiceFor(t, "C0000-C3FFF Control", 0x1),
              "xx01 Read only: reads from DRAM, writes to PCI");
    EXPECT_EQ(ChoiceFor(t, "BIOS ROM (F0000-FFFFF) Control", 0x7), "xx11 Read/Write: DRAM");
    EXPECT_EQ(ChoiceFor(t, "SMM Space Base Segment", 2), "010 A0000-BFFFF");
    EXPECT_EQ(ChoiceFor(t, "SMRAM Enable", 1).rfind("1 128 KB", 0), 0u);
  }
  EXPECT_EQ(ChoiceFor(fields_82443lx, "SMM Space Base Segment", 4),
            "100 C0000-CFFFF, 82443EX only");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "TSEG Size", 3), "11 1 MB");
  EXPECT_EQ(ChoiceFor(fields_82443bx, "Memory Hole", 2), "10 Hole from 15 MB to 16 MB");
  EXPECT_EQ(ChoiceFor(fields_82443lx, "Memory Hole", 1), "01 Hole from 512 KB to 640 KB");
  const RegisterField* fx_hole = FindRow(fields_82441fx, "Memory Hole");
  ASSERT_NE(fx_hole, nullptr);
  EXPECT_FALSE(HasChoices(fx_hole->description));
  EXPECT_EQ(std::string(fx_hole->description).rfind("Unconfirmed", 0), 0u);
  for (const RegisterField* t : {fields_82443lx, fields_82443bx}) {
    EXPECT_EQ(ChoiceFor(t, "Graphics Aperture Size", 0x00), "000000 256 MB");
    EXPECT_EQ(ChoiceFor(t, "Graphics Aperture Size", 0x30), "110000 64 MB");
    EXPECT_EQ(ChoiceFor(t, "Graphics Aperture Size", 0x3F), "111111 4 MB");
    EXPECT_EQ(ChoiceFor(t, "Graphics Aperture Size", 0x01), "");
    EXPECT_EQ(ChoiceFor(t, "AGP Data Rates Supported", 3), "11 1x and 2x transfers");
  }
}

// Each board's bridge says what its machine is: the bus clock of its
// processor, its DRAM type in the rows its boundaries fill, refresh on, and
// the BX's SDRAM at CAS# latency 2.
TEST(IntelP6Boards, AgreeWithTheirMachines) {
  const SimMachineDesc* ppro = FindSimMachine("ppro-440fx");
  ASSERT_NE(ppro, nullptr);
  EXPECT_EQ(ppro->bridge, &SIM_BRIDGE_82441FX);
  EXPECT_EQ(ppro->caches.l2_bytes, 256u * 1024);
  const SimBridgeImage& fx = SIM_BRIDGE_82441FX;
  EXPECT_EQ(Reading(fx, fields_82441fx, "Host Frequency"), "10 66 MHz");
  EXPECT_EQ(Reading(fx, fields_82441fx, "Row 1 DRAM Type"), "01 EDO DRAM");
  EXPECT_EQ(Reading(fx, fields_82441fx, "Row 2 DRAM Type"), "11 Empty row");
  EXPECT_EQ(NamedValue(fx, fields_82441fx, "DRAM Refresh Rate"), 1u);

  const SimMachineDesc* p2 = FindSimMachine("p2-440lx");
  ASSERT_NE(p2, nullptr);
  EXPECT_EQ(p2->bridge, &SIM_BRIDGE_82443LX);
  const SimBridgeImage& lx = SIM_BRIDGE_82443LX;
  EXPECT_EQ(Reading(lx, fields_82443lx, "Host Frequency"), "0 66 MHz");
  EXPECT_EQ(Reading(lx, fields_82443lx, "Row 0 DRAM Type"), "10 SDRAM");
  EXPECT_EQ(Reading(lx, fields_82443lx, "Row 7 DRAM Type"), "11 Empty row");
  EXPECT_EQ(Reading(lx, fields_82443lx, "Graphics Aperture Size"), "110000 64 MB");

  const SimMachineDesc* p3 = FindSimMachine("p3-440bx");
  ASSERT_NE(p3, nullptr);
  EXPECT_EQ(p3->bridge, &SIM_BRIDGE_82443BX);
  EXPECT_EQ(p3->caches.l2_bytes, 512u * 1024);
  // Half-speed L2: slower than L1, faster than memory.
  EXPECT_GT(p3->caches.l2_read_clk, p3->caches.l1_read_clk);
  EXPECT_LT(p3->caches.l2_read_clk, p3->caches.mem_read_clk);
  const SimBridgeImage& bx = SIM_BRIDGE_82443BX;
  EXPECT_EQ(Reading(bx, fields_82443bx, "Host/DRAM Frequency"), "00 100 MHz");
  EXPECT_EQ(Reading(bx, fields_82443bx, "DRAM Type"), "01 SDRAM");
  EXPECT_EQ(Reading(bx, fields_82443bx, "SDRAM CAS# Latency"), "1 2 DCLKs");
  EXPECT_EQ(Reading(bx, fields_82443bx, "AGP Disable"), "0 AGP port on (device 7190h)");
  EXPECT_EQ(NamedValue(bx, fields_82443bx, "Normal Refresh Enable"), 1u);

  for (const SimBridgeImage* image : {&fx, &lx, &bx}) {
    ExpectBoundariesRise(*image, 0x60, 0x67);
  }
}

}  // namespace
