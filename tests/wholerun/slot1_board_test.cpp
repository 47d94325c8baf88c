// The Pentium Pro, Pentium II and Pentium III boards run whole, as a user
// runs them: the processor named, the 440FX, LX or BX bridge catalogued and
// translated, and the memory rows stepping where the machine's caches end.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "hw/sim/sim_machine.h"
#include "wholerun/run_program.h"

namespace {

// The clocks per burst of one memory row, or -1 when the row is missing.
double RowClocks(const std::string& report, const char* kind, unsigned kb) {
  char label[32];
  std::snprintf(label, sizeof label, "%-5s%5uK:", kind, kb);
  size_t at = report.find(std::string("\n") + label);
  if (at == std::string::npos)
    return -1.0;
  return std::stod(report.substr(at + 1 + std::string(label).size()));
}

TEST(SlotOneBoardRun, ProcessorBridgeAndCacheStepsOfEachBoard) {
  const struct {
    const char* machine;
    const char* processor;
    const char* device;
    const char* field_line;
  } boards[] = {
      {"ppro-440fx", "|CPU:  P6  [GenuineIntel Fam6 Mdl1 Stp 9]|\n",
       "Device: [1237] 440FX (82441FX PMC)\n",
       "55:0-1:Row 0 DRAM Type                 = 01       ; 01: EDO DRAM\n"},
      {"p2-440lx", "|CPU:Pen-II[GenuineIntel Fam6 Mdl3 Stp 4]|\n",
       "Device: [7180] 440LX/EX (82443LX/EX)\n",
       "58:6  :SDRAM CAS# Latency              = 1        ; 1: 2 clocks\n"},
      {"p3-440bx", "|CPU:PenIII[GenuineIntel Fam6 Mdl7 Stp 2]|\n",
       "Device: [7190] 440BX/ZX (82443BX/ZX)\n",
       "76:2  :SDRAM CAS# Latency              = 1        ; 1: 2 DCLKs\n"},
  };
  for (const auto& b : boards) {
    SCOPED_TRACE(b.machine);
    const SimMachineDesc* desc = FindSimMachine(b.machine);
    ASSERT_NE(desc, nullptr);
    RunRequest request;
    request.args = {"-b"};
    request.env = {std::string("KORVALT_MACHINE=") + b.machine};
    ProgramResult run = RunWithoutTerminal(request);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find(b.processor), std::string::npos);
    EXPECT_NE(run.out.find(b.device), std::string::npos);
    EXPECT_NE(run.out.find(b.field_line), std::string::npos);

    // A block that fits the L1 runs at its speed, one beyond it but inside
    // the L2 at the L2's, and the largest at the memory's.
    const SimCaches& c = desc->caches;
    const unsigned l1_kb = c.l1_bytes / 1024, l2_kb = c.l2_bytes / 1024;
    EXPECT_DOUBLE_EQ(RowClocks(run.out, "READ", l1_kb), c.l1_read_clk);
    EXPECT_DOUBLE_EQ(RowClocks(run.out, "READ", l1_kb * 2), c.l2_read_clk);
    EXPECT_DOUBLE_EQ(RowClocks(run.out, "READ", l2_kb), c.l2_read_clk);
    EXPECT_DOUBLE_EQ(RowClocks(run.out, "READ", l2_kb * 2), c.mem_read_clk);
    EXPECT_DOUBLE_EQ(RowClocks(run.out, "WRITE", l1_kb * 2), c.l2_write_clk);
    EXPECT_DOUBLE_EQ(RowClocks(run.out, "WRITE", 8192), c.mem_write_clk);
  }
}

}  // namespace
