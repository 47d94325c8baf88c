// The tables of the 486 host bridges (UMC UM8881F, OPTi 82C822, SiS 85C496,
// Intel 82424TX/ZX and 82425EX): their conventions and stated sizes, and the
// simulated UMC board read through its table.
#include "tables/table_checks.h"

namespace {

// The rows as the table holds them: with no datasheet to list them from,
// what the common checks test here is the conventions and the counts.
std::vector<ExpectedRow> RowsOf(const RegisterField* table) {
  std::vector<ExpectedRow> rows;
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++)
    rows.push_back({table[i].reg & 0xFF, HighBit(table[i]), LowBit(table[i]), table[i].name});
  return rows;
}

const std::vector<ExpectedRow> ROWS_UMC = RowsOf(fields_umc8881);
const std::vector<ExpectedRow> ROWS_OPTI = RowsOf(fields_opti822);
const std::vector<ExpectedRow> ROWS_SIS = RowsOf(fields_sis85c496);
const std::vector<ExpectedRow> ROWS_420TX = RowsOf(fields_82424zx);
const std::vector<ExpectedRow> ROWS_420EX = RowsOf(fields_82425ex);

const std::vector<Span> ID_BYTES = {{0x08, 7, 0}, {0x09, 7, 0}, {0x0A, 7, 0}, {0x0B, 7, 0}};

const StatedTable TABLES[] = {
    {"UMC8881",
     fields_umc8881,
     &ROWS_UMC,
     35,
     Union({RegisterRange(0x08, 0x0B),
            {0x50, 0x51, 0x52, 0x54, 0x55},
            RegisterRange(0x56, 0x5A),
            {0x5C, 0x5D, 0x60}}),
     ID_BYTES,
     0,
     {}},
    {"OPTi822",
     fields_opti822,
     &ROWS_OPTI,
     30,
     Union({RegisterRange(0x08, 0x0B), RegisterRange(0x44, 0x47)}),
     ID_BYTES,
     0,
     {}},
    {"SiS496",
     fields_sis85c496,
     &ROWS_SIS,
     41,
     Union({RegisterRange(0x08, 0x0B),
            RegisterRange(0x40, 0x4F),
            {0x56, 0x57, 0x58, 0x59, 0x5A},
            {0x66, 0x67},
            RegisterRange(0xC0, 0xC3)}),
     ID_BYTES,
     0,
     {}},
    {"Intel82424",
     fields_82424zx,
     &ROWS_420TX,
     21,
     Union({RegisterRange(0x08, 0x0B), {0x50}, RegisterRange(0x52, 0x56)}),
     ID_BYTES,
     0,
     {}},
    {"Intel82425",
     fields_82425ex,
     &ROWS_420EX,
     27,
     Union(
         {RegisterRange(0x08, 0x0B), {0x40, 0x48, 0x4D, 0x50, 0x52, 0x53, 0x56, 0x57, 0x66, 0x67}}),
     ID_BYTES,
     0,
     {}},
};
INSTANTIATE_TEST_SUITE_P(Isa486, StatedTableTest, testing::ValuesIn(TABLES), LabelOf<StatedTable>);

const StatedBoard BOARDS[] = {
    {"UMC8881", &SIM_BRIDGE_UMC8881, 0x1060, 0x8881, fields_umc8881,
     NAMES_EVERY_VALUE | FIXED_READ_ONLY},
};
INSTANTIATE_TEST_SUITE_P(Isa486, StatedBoardTest, testing::ValuesIn(BOARDS), LabelOf<StatedBoard>);

// The catalogue reaches each table under its id.
TEST(Isa486Tables, CatalogueReachesEveryTable) {
  EXPECT_EQ(CatalogueEntry(0x1060, 0x8881)->fields, fields_umc8881);
  EXPECT_EQ(CatalogueEntry(0x1045, 0xC822)->fields, fields_opti822);
  EXPECT_EQ(CatalogueEntry(0x1039, 0x0496)->fields, fields_sis85c496);
  EXPECT_EQ(CatalogueEntry(0x8086, 0x0483)->fields, fields_82424zx);
  EXPECT_EQ(CatalogueEntry(0x8086, 0x0486)->fields, fields_82425ex);
}

}  // namespace
