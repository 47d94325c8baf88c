// The four SiS field tables: rows as listed, the counts of the table summary,
// access classes, and how the simulated SiS boards read through them.
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

#include "hw/sim/bridges/bridge_images.h"
#include "tables/table_checks.h"

namespace {

// The PCI header block of the 5571, 5596 and 5597/5598 tables.
const std::vector<ExpectedRow> SIS_HEADER = {
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
    {0x0C, 7, 0, "Cache Line Size"},
    {0x0D, 7, 0, "PCI latency timer"},
    {0x0E, 7, 0, "Header Type Code"},
    {0x0F, 7, 7, "BIST Supported"},
    {0x0F, 6, 6, "Start Test"},
    {0x0F, 5, 4, "Reserved"},
    {0x0F, 3, 0, "Response Code"},
};

std::vector<ExpectedRow> WithHeader(const std::vector<ExpectedRow>& rows) {
  std::vector<ExpectedRow> all = SIS_HEADER;
  all.insert(all.end(), rows.begin(), rows.end());
  return all;
}

const std::vector<ExpectedRow> ROWS_5571 = WithHeader({
    {0x50, 7, 7, "Pipeline Address Mode (NA# enable)"},
    {0x50, 6, 6, "Not assert NA# on Single Write"},
    {0x50, 5, 5, "PBSRAM Back to Back Timing"},
    {0x50, 4, 4, "Reserved"},
    {0x50, 3, 3, "Write Merge Enable"},
    {0x50, 2, 2, "Read/Write Reorder"},
    {0x50, 1, 0, "Reserved"},
    {0x51, 7, 7, "L2 Cache Exists"},
    {0x51, 6, 6, "L2 Cache Enable"},
    {0x51, 5, 4, "L2 Cache Size"},
    {0x51, 3, 3, "L2 Cache WB/WT"},
    {0x51, 2, 2, "Linear Burst"},
    {0x51, 1, 1, "L2 Cache Tag Size"},
    {0x51, 0, 0, "L2 Cache Sizing Enable"},
    {0x52, 7, 7, "CPU L1 Cache WB/WT"},
    {0x52, 6, 6, "Turbo Read Mode"},
    {0x52, 5, 5, "Reserved"},
    {0x52, 4, 4, "SRAM Type"},
    {0x52, 3, 3, "Reserved"},
    {0x52, 2, 2, "Reserved"},
    {0x53, 7, 7, "DRAM Leadoff Time"},
    {0x53, 6, 6, "Read after Write turn around cycle"},
    {0x53, 5, 5, "Always Page Miss after Write"},
    {0x53, 4, 4, "Always Page Miss after Data Read"},
    {0x53, 3, 3, "Always Page Miss after Code Read"},
    {0x53, 2, 1, "DRAM Refresh Cycle"},
    {0x54, 7, 6, "RAS Pulse Width on Refresh"},
    {0x54, 5, 4, "RAS Precharge Time"},
    {0x54, 3, 2, "RAS to CAS Delay"},
    {0x54, 1, 1, "CAS Pulse Width (FPM)"},
    {0x54, 0, 0, "Reserved"},
    {0x55, 7, 7, "DRAM Write Assertion Timing"},
    {0x55, 6, 6, "EDO Test Mode"},
    {0x55, 5, 5, "EDO back to Back Timing"},
    {0x56, 2, 0, "MDLE Delay"},
    {0x57, 7, 7, "R_PRCH:SDRAM Precharge Command"},
    {0x57, 6, 6, "R_MRS:SDRAM Mode Register Set"},
    {0x57, 5, 5, "R_SCBR:SDRAM sizing Refresh"},
    {0x57, 4, 4, "SDRAM CAS Latency"},
    {0x57, 3, 3, "SDRAM Burst Timing"},
    {0x59, 7, 7, "RAS[5:0]# Signal Drive Strength"},
    {0x59, 6, 6, "CAS[7:0]# Signal Drive Strength"},
    {0x59, 5, 5, "MA[11:2] Signal Drive Strength"},
    {0x59, 4, 4, "MA[1:0]A Signal Drive Strength"},
    {0x59, 3, 3, "MA[1:0]B Signal Drive Strength"},
    {0x59, 2, 2, "RAMWA# Signal Drive Strength"},
    {0x59, 1, 1, "RAMWB# Signal Drive Strength"},
    {0x59, 0, 0, "Memory Buffer Strength"},
    {0x5A, 1, 1, "AD[31:0] Signal Drive Strength"},
    {0x5A, 0, 0, "Other Signal Drive Strength"},
    {0x5A, 7, 7, "6x86 SMAC Access"},
    {0x5A, 6, 6, "6x86 NMAC Access"},
    {0x5A, 5, 5, "6x86 CPU Present"},
});

const std::vector<ExpectedRow> ROWS_5591 = {
    {0x50, 7, 7, "Pipeline Address Mode (NA# enable)"},
    {0x50, 6, 6, "Not assert NA# on Single Write"},
    {0x50, 5, 5, "PBSRAM Back to Back Timing"},
    {0x50, 4, 4, "Fast NA# Assert"},
    {0x51, 7, 7, "L2 Cache Exists"},
    {0x51, 6, 6, "L2 Cache Enable"},
    {0x51, 5, 4, "L2 Cache Size"},
    {0x51, 3, 3, "L2 Cache WB/WT"},
    {0x51, 2, 2, "Linear Burst"},
    {0x51, 1, 1, "L2 Cache Tag Size"},
    {0x51, 0, 0, "L2 Cache Sizing Enable"},
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
};

const std::vector<ExpectedRow> ROWS_5596 = WithHeader({
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
});

const std::vector<ExpectedRow> ROWS_5597 = WithHeader({
    {0x50, 7, 7, "Pipeline Address Mode (NA# enable)"},
    {0x50, 6, 6, "Not assert NA# on Single Write"},
    {0x50, 5, 5, "PBSRAM Back to Back Timing"},
    {0x50, 4, 4, "Fast NA# Assert"},
    {0x50, 3, 3, "Write Merge Enable"},
    {0x50, 2, 2, "Read/Write Reorder"},
    {0x50, 1, 0, "Reserved"},
    {0x51, 7, 7, "L2 Cache Exists"},
    {0x51, 6, 6, "L2 Cache Enable"},
    {0x51, 5, 4, "L2 Cache Size"},
    {0x51, 3, 3, "L2 Cache WB/WT"},
    {0x51, 2, 2, "Linear Burst"},
    {0x51, 1, 1, "L2 Cache Tag Size"},
    {0x51, 0, 0, "L2 Cache Sizing Enable"},
    {0x52, 7, 7, "CPU L1 Cache WB/WT"},
    {0x52, 6, 6, "Turbo Read Mode"},
    {0x52, 5, 5, "Reead FIFO Control"},
    {0x52, 3, 3, "Reserved"},
    {0x52, 2, 2, "Reserved"},
    {0x52, 1, 1, "DRAM Refresh Mode"},
    {0x52, 0, 0, "Internal SRAM Test Mode"},
    {0x53, 7, 6, "Paging Starting Point"},
    {0x53, 6, 6, "Read after Write turn around cycle"},
    {0x53, 5, 5, "Always Page Miss after Write"},
    {0x53, 4, 4, "Always Page Miss after Data Read"},
    {0x53, 3, 3, "Always Page Miss after Code Read"},
    {0x53, 2, 1, "DRAM Refresh Cycle"},
    {0x54, 7, 6, "RAS Pulse Width on Refresh"},
    {0x54, 5, 4, "RAS Precharge Time"},
    {0x54, 3, 2, "RAS to CAS Delay"},
    {0x54, 1, 1, "CAS Pulse Width (FPM)"},
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
    {0x57, 7, 7, "R_PRCH:SDRAM Precharge Command"},
    {0x57, 6, 6, "R_MRS:SDRAM Mode Register Set"},
    {0x57, 5, 5, "R_SCBR:SDRAM sizing Refresh"},
    {0x57, 4, 4, "SDRAM CAS Latency"},
    {0x57, 3, 3, "SDRAM Burst Timing"},
    {0x57, 2, 2, "SDRAM Wait State"},
    {0x59, 7, 7, "RAS[5:0]# Signal Drive Strength"},
    {0x59, 6, 6, "CAS[7:0]# Signal Drive Strength"},
    {0x59, 5, 5, "MA[14:2] Signal Drive Strength"},
    {0x59, 4, 4, "MA[1:0]A Signal Drive Strength"},
    {0x59, 3, 3, "MA[1:0]B Signal Drive Strength"},
    {0x59, 2, 2, "RAMWA#/RAMWC# Signal Drive Strength"},
    {0x59, 1, 1, "RAMWB# Signal Drive Strength"},
    {0x59, 0, 0, "SRAS#/SCAS# Drive Strength"},
    {0x5A, 1, 1, "AD[31:0] Signal Drive Strength"},
    {0x5A, 0, 0, "Other Signal Drive Strength"},
    {0x5A, 7, 7, "6x86 SMAC Access"},
    {0x5A, 6, 6, "6x86 NMAC Access"},
    {0x5A, 5, 5, "6x86 CPU Present"},
});

struct SisTable {
  const char* label;
  uint16_t device_id;
  const RegisterField* fields;
  const std::vector<ExpectedRow>* rows;
  size_t row_count;
  std::set<unsigned> registers;
  size_t noted_rows;
  const SimBridgeImage* image;
};

std::set<unsigned> Range(unsigned first, unsigned last) {
  std::set<unsigned> regs;
  for (unsigned r = first; r <= last; r++)
    regs.insert(r);
  return regs;
}

std::set<unsigned> Union(std::initializer_list<std::set<unsigned>> parts) {
  std::set<unsigned> all;
  for (const auto& p : parts)
    all.insert(p.begin(), p.end());
  return all;
}

// The table summary: rows, registers covered and rows with a noted value.
const SisTable TABLES[] = {
    {"5571", 0x5571, fields_sis5571, &ROWS_5571, 86,
     Union({Range(0x04, 0x0F), Range(0x50, 0x57), Range(0x59, 0x5A)}), 5, &SIM_BRIDGE_SIS5571},
    {"5591", 0x5591, fields_sis5591, &ROWS_5591, 66,
     Union({Range(0x50, 0x52), Range(0x54, 0x5A), Range(0x5C, 0x63)}), 0, &SIM_BRIDGE_SIS5591},
    {"5596", 0x5596, fields_sis5596, &ROWS_5596, 91,
     Union({Range(0x04, 0x0F), Range(0x50, 0x55), {0x5D}, Range(0x70, 0x7F)}), 5,
     &SIM_BRIDGE_SIS5596},
    {"5597/5598", 0x5597, fields_sis5597, &ROWS_5597, 94,
     Union({Range(0x04, 0x0F), Range(0x50, 0x57), Range(0x59, 0x5A)}), 5, &SIM_BRIDGE_SIS5597},
};

unsigned AccessClass(const RegisterField& f) {
  return (f.bit_spec >> 6) & 3;
}
unsigned Low(const RegisterField& f) {
  return FieldLowestBit(f.bit_spec);
}
unsigned High(const RegisterField& f) {
  return Low(f) + FieldWidth(f.bit_spec) - 1;
}

// Rows of the header block that the hardware fixes: identification and class,
// header type, self test, the fixed command bits and the fixed status bits.
bool IsFixedHeaderRow(const RegisterField& f) {
  unsigned reg = f.reg & 0xFF;
  if ((reg >= 0x08 && reg <= 0x0C) || reg == 0x0E || reg == 0x0F || reg == 0x06)
    return true;
  if (reg == 0x04)
    return High(f) != 6;
  if (reg == 0x07)
    return High(f) == 0;
  return false;
}

const RegisterField* FindRow(const RegisterField* table, unsigned reg, const char* name) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++)
    if ((table[i].reg & 0xFF) == reg && std::string(table[i].name) == name)
      return &table[i];
  return nullptr;
}

const SimRegInit* FindImageByte(const SimBridgeImage& image, unsigned reg) {
  for (size_t i = 0; i < image.count; i++)
    if (image.regs[i].reg == reg)
      return &image.regs[i];
  return nullptr;
}

uint8_t ImageValue(const SimBridgeImage& image, unsigned reg) {
  const SimRegInit* b = FindImageByte(image, reg);
  return b ? b->value : 0;
}

// The choice texts of a description that match a field value, each without
// its pattern.
std::vector<std::string> MatchingChoices(const char* description, unsigned value) {
  std::vector<std::string> found;
  for (const std::string& line : DescriptionLines(description)) {
    size_t n = ChoicePatternLength(line.c_str());
    if (n > 0 && ChoiceMatches(line, value))
      found.push_back(line.substr(n));
  }
  return found;
}

std::string Translate(const SisTable& t, unsigned reg, const char* name) {
  const RegisterField* f = FindRow(t.fields, reg, name);
  if (!f)
    return "(no row)";
  unsigned v = (ImageValue(*t.image, reg) >> Low(*f)) & ((1u << FieldWidth(f->bit_spec)) - 1);
  std::string joined;
  for (const std::string& c : MatchingChoices(f->description, v))
    joined += c;
  return joined;
}

TEST(SisTables, RowsFollowTheListedOrderAndSummary) {
  for (const SisTable& t : TABLES) {
    SCOPED_TRACE(t.label);
    EXPECT_EQ(CountRows(t.fields), t.row_count);
    ExpectRowsInOrder(t.fields, *t.rows);
    std::set<unsigned> covered;
    for (size_t i = 0; (t.fields[i].reg & 0xFF) != 0; i++)
      covered.insert(t.fields[i].reg & 0xFF);
    EXPECT_EQ(covered, t.registers);
    EXPECT_EQ(CountNotedRows(t.fields), t.noted_rows);
    ExpectTableConventions(t.fields);
    ExpectChoiceLinesWellFormed(t.fields);
  }
}

TEST(SisTables, CatalogueRowsReachTheirTables) {
  for (const SisTable& t : TABLES) {
    SCOPED_TRACE(t.label);
    const ChipsetEntry* hit = nullptr;
    for (const ChipsetEntry* e = chipset_catalogue; e->vendor_id != 0xFFFF; e++)
      if (e->vendor_id == 0x1039 && e->device_id == t.device_id)
        hit = e;
    ASSERT_NE(hit, nullptr);
    EXPECT_EQ(hit->fields, t.fields);
    EXPECT_STREQ(hit->device_name, t.label);
  }
}

// Access class 01 marks exactly the fixed header rows, class 00 only the
// reserved span of 05h; the 5591 has no header, so every row is ordinary.
TEST(SisTables, AccessClassesMarkOnlyTheFixedHeaderBits) {
  for (const SisTable& t : TABLES) {
    SCOPED_TRACE(t.label);
    for (size_t i = 0; (t.fields[i].reg & 0xFF) != 0; i++) {
      const RegisterField& f = t.fields[i];
      SCOPED_TRACE(f.name);
      if ((f.reg & 0xFF) == 0x05 && High(f) == 7) {
        EXPECT_EQ(f.bit_spec, 0x32u);
      } else if (IsFixedHeaderRow(f)) {
        EXPECT_EQ(AccessClass(f), 1u);
      } else {
        EXPECT_EQ(AccessClass(f), 3u);
      }
      EXPECT_EQ(f.bit_spec & ~0xFFu, 0u);
    }
  }
}

// The noted values are the readings that the descriptions call fixed.
TEST(SisTables, NotedValuesAreTheFixedReadings) {
  for (const SisTable& t : TABLES) {
    if (t.noted_rows == 0)
      continue;
    SCOPED_TRACE(t.label);
    const RegisterField* devsel = FindRow(t.fields, 0x07, "DEVSEL# Timing");
    const RegisterField* master = FindRow(t.fields, 0x04, "Bus Master");
    const RegisterField* memory = FindRow(t.fields, 0x04, "Memory Space");
    const RegisterField* base = FindRow(t.fields, 0x0B, "Base Class Code");
    ASSERT_TRUE(devsel && master && memory && base);
    EXPECT_EQ(devsel->noted_value, 1u);
    EXPECT_EQ(MatchingChoices(devsel->description, 1), std::vector<std::string>{" Medium"});
    EXPECT_EQ(master->noted_value, 1u);
    EXPECT_EQ(memory->noted_value, 1u);
    EXPECT_EQ(base->noted_value, 6u);
    EXPECT_EQ(MatchingChoices(base->description, 6), std::vector<std::string>{" Bridge device"});
    for (size_t i = 0; (t.fields[i].reg & 0xFF) != 0; i++) {
      const RegisterField& f = t.fields[i];
      if (f.noted_value == 0)
        continue;
      SCOPED_TRACE(f.name);
      EXPECT_FALSE(MatchingChoices(f.description, f.noted_value).empty());
    }
  }
}

// Each image carries the catalogue ids and the host bridge class; the write
// masks leave identification and every fixed or reserved header bit alone.
TEST(SisBridgeImages, IdentifyTheCatalogueChipAndGuardFixedBits) {
  for (const SisTable& t : TABLES) {
    SCOPED_TRACE(t.label);
    const SimBridgeImage& image = *t.image;
    EXPECT_EQ(ImageValue(image, 0x00), 0x39);
    EXPECT_EQ(ImageValue(image, 0x01), 0x10);
    EXPECT_EQ(ImageValue(image, 0x02), t.device_id & 0xFF);
    EXPECT_EQ(ImageValue(image, 0x03), t.device_id >> 8);
    EXPECT_EQ(ImageValue(image, 0x0B), 0x06);
    EXPECT_EQ(ImageValue(image, 0x0A), 0x00);
    std::set<unsigned> seen;
    for (size_t i = 0; i < image.count; i++) {
      EXPECT_TRUE(seen.insert(image.regs[i].reg).second) << "register listed twice";
      if (image.regs[i].reg <= 0x03 || (image.regs[i].reg >= 0x08 && image.regs[i].reg <= 0x0B)) {
        EXPECT_EQ(image.regs[i].write_mask, 0x00);
      }
    }
    for (size_t i = 0; (t.fields[i].reg & 0xFF) != 0; i++) {
      const RegisterField& f = t.fields[i];
      if (AccessClass(f) == 3)
        continue;
      const SimRegInit* b = FindImageByte(image, f.reg & 0xFF);
      if (!b)
        continue;
      unsigned bits = ((1u << FieldWidth(f.bit_spec)) - 1) << Low(f);
      EXPECT_EQ(b->write_mask & bits, 0u) << f.name << " is writable";
      if (f.noted_value != 0) {
        unsigned v = (b->value >> Low(f)) & ((1u << FieldWidth(f.bit_spec)) - 1);
        EXPECT_EQ(v, f.noted_value) << f.name;
      }
    }
  }
}

// Read through its table, each simulated board is a working one: L2 cache on
// and write-back, the header as a host bridge shows it.
TEST(SisBridgeImages, ReadLikeAWorkingBoard) {
  const SisTable& t5571 = TABLES[0];
  EXPECT_EQ(Translate(t5571, 0x51, "L2 Cache Enable"), " Enabled");
  EXPECT_EQ(Translate(t5571, 0x51, "L2 Cache WB/WT"), " Write-back");
  EXPECT_EQ(Translate(t5571, 0x51, "L2 Cache Size"), " 512 KB");
  EXPECT_EQ(Translate(t5571, 0x51, "L2 Cache Sizing Enable"), " Normal operation");
  EXPECT_EQ(Translate(t5571, 0x55, "EDO Test Mode"), " Normal operation");
  EXPECT_EQ(Translate(t5571, 0x07, "DEVSEL# Timing"), " Medium");

  const SisTable& t5591 = TABLES[1];
  EXPECT_EQ(Translate(t5591, 0x51, "L2 Cache Enable"), " Enabled");
  EXPECT_EQ(Translate(t5591, 0x60, "Bank 0 DRAM Type"), " SDRAM");
  EXPECT_EQ(Translate(t5591, 0x60, "Bank 0 DRAM Chip Type"), " 16 MB per side");
  EXPECT_EQ(Translate(t5591, 0x61, "Bank 1 DRAM Double/Single Sided"), " Double sided");
  EXPECT_EQ(Translate(t5591, 0x63, "Bank 0 DRAM Status"), " Bank populated");
  EXPECT_EQ(Translate(t5591, 0x63, "Bank 2 DRAM Status"), " Bank empty");
  // The status bits agree with the bank registers the BIOS filled in.
  for (unsigned bank = 0; bank < 3; bank++) {
    bool populated = (ImageValue(*t5591.image, 0x63) >> bank) & 1;
    EXPECT_EQ(populated, ImageValue(*t5591.image, 0x60 + bank) != 0) << "bank " << bank;
  }

  const SisTable& t5596 = TABLES[2];
  EXPECT_EQ(Translate(t5596, 0x50, "L2 Cache Enable"), " Enabled");
  EXPECT_EQ(Translate(t5596, 0x50, "CPU L1 Cache WB/WT"), " Write-back");
  EXPECT_EQ(Translate(t5596, 0x71, "Bank0#0 FPM/EDO"), " EDO DRAM");
  EXPECT_EQ(Translate(t5596, 0x73, "Bank0#1 Populated"), " Populated");
  EXPECT_EQ(Translate(t5596, 0x7F, "Bank3#1 Populated"), " Empty");

  const SisTable& t5597 = TABLES[3];
  EXPECT_EQ(Translate(t5597, 0x51, "L2 Cache Enable"), " Enabled");
  // The 256 KB cache of this board has a size code the table does not name.
  EXPECT_EQ(Translate(t5597, 0x51, "L2 Cache Size"), "");
  EXPECT_EQ(Translate(t5597, 0x5A, "6x86 CPU Present"), " Cyrix 6x86 processor present");
  EXPECT_EQ(Translate(t5597, 0x57, "R_PRCH:SDRAM Precharge Command"), " Idle");
  EXPECT_LE(ImageValue(*t5597.image, 0x0D), 0x20) << "latency timer above 32 clocks";
}

}  // namespace
