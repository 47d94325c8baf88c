// The ALi M1541 (Aladdin V) field table against its stated row list.
#include <set>

#include "table_checks.h"

namespace {

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

}  // namespace

TEST(AliM1541Table, RowsFollowTheStatedListAndConventions) {
  ExpectRowsInOrder(fields_m1541, M1541_ROWS);
  ExpectTableConventions(fields_m1541);
  ExpectChoiceLinesWellFormed(fields_m1541);
  // No header block, so no fixed fields and no reserved span.
  ExpectAccessClasses(fields_m1541, {});
}

TEST(AliM1541Table, CoversTheStatedRegistersWithoutNotedRows) {
  EXPECT_EQ(CountRows(fields_m1541), 79u);
  std::set<unsigned> regs;
  for (size_t i = 0; i < CountRows(fields_m1541); i++)
    regs.insert(fields_m1541[i].reg & 0xFF);
  std::set<unsigned> stated = {0x40, 0x41, 0x42, 0x43, 0x44, 0x45, 0x46, 0x47,
                               0x48, 0x49, 0x4A, 0x4B, 0x4C, 0x4D, 0x4E, 0x4F,
                               0x53, 0x5D, 0x5E, 0x5F, 0x72, 0x73, 0x8D};
  EXPECT_EQ(regs, stated);
  EXPECT_EQ(CountNotedRows(fields_m1541), 0u);
}

TEST(AliM1541Table, BothRowsOfTheSharedBitDescribeIt) {
  // 73h bit 1 has two rows; each is printed on its own, so each must carry
  // its own choices for both values.
  size_t seen = 0;
  for (size_t i = 0; i < CountRows(fields_m1541); i++) {
    const RegisterField& f = fields_m1541[i];
    if ((f.reg & 0xFF) != 0x73 || FieldLowestBit(f.bit_spec) != 1)
      continue;
    seen++;
    bool zero = false, one = false;
    for (const std::string& line : DescriptionLines(f.description)) {
      if (ChoicePatternLength(line.c_str()) == 0)
        continue;
      zero |= ChoiceMatches(line, 0);
      one |= ChoiceMatches(line, 1);
    }
    EXPECT_TRUE(zero && one) << f.name;
  }
  EXPECT_EQ(seen, 2u);
}
