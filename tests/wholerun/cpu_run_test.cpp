// The processor's part of whole runs: the Cyrix preparation and its restore
// around everything else, and a time-stamp counter that ends the run.
#include <unistd.h>

#include "cpu/cpu_info.h"
#include "pci_in_process.h"

namespace {

const char ENABLED[] = "M1 Register I/O Mapping enabled.\nM1 CPUID enabled.\n";
const char RESTORED[] =
    "M1 CPUID is set back to original value (disabled).\n"
    "M1 Register I/O Mapping is set back to original value (disabled).\n";

// A 6x86MX-like processor with CPUID and the register mapping both off.
SimMachineDesc CyrixPc(const SimBridgeImage* bridge) {
  SimMachineDesc desc = BarePc("CyrixInstead", 0x0600, 0x0080A135, 150.0, bridge);
  desc.cpu.cpuid_gated_by_cyrix = true;
  desc.cyrix = SimCyrix{true, 0x00, 0x00, false};
  return desc;
}

bool CyrixPortsTouched(const std::vector<PortAccess>& trace) {
  for (const PortAccess& access : trace) {
    if (access.port == 0x22 || access.port == 0x23)
      return true;
  }
  return false;
}

// The devices a trace reaches, in order, each stretch of accesses to one
// device named once: "cyrix clock pci cyrix".
std::string DeviceOrder(const std::vector<PortAccess>& trace) {
  std::string order;
  const char* last = "";
  for (const PortAccess& access : trace) {
    const char* device = access.port <= 0x23 ? "cyrix" : access.port <= 0x71 ? "clock" : "pci";
    if (device != last)
      order += std::string(order.empty() ? "" : " ") + device;
    last = device;
  }
  return order;
}

TEST(CyrixRun, PreparedBeforeIdentificationAndPutBackAfterTheSections) {
  SimMachine sim(CyrixPc(nullptr));
  InProcessRun run = RunInProcess(sim, {"-b", "-nochipset", "-nomemory"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  const std::string head =
      BANNER + std::string(ENABLED) + DASHES + "|CPU:6x86MX[CyrixInstead Fam6 Mdl0 Stp 0]|\n";
  EXPECT_EQ(run.out.substr(0, head.size()), head);
  const std::string tail = std::string(DASHES) + RESTORED;
  ASSERT_GE(run.out.size(), tail.size());
  EXPECT_EQ(run.out.substr(run.out.size() - tail.size()), tail);
  EXPECT_EQ(sim.ccr3, 0x00);
  EXPECT_EQ(sim.ccr4, 0x00);
  // Preparation, the clocks, the bridge's ids, and the restore last.
  EXPECT_EQ(DeviceOrder(sim.trace), "cyrix clock pci cyrix");
}

TEST(CyrixRun, NoCpuLeavesTheConfigurationPortsAlone) {
  SimMachine sim(CyrixPc(nullptr));
  InProcessRun run = RunInProcess(sim, {"-b", "-nocpu", "-nochipset", "-nomemory"});
  EXPECT_FALSE(CyrixPortsTouched(sim.trace));
  EXPECT_EQ(run.out, BANNER);
  // CPUID stays off, so the processor is still identified as having none.
  EXPECT_EQ(cpu_info.has_cpuid, 0);
}

TEST(CyrixRun, AbortedSetCommandStillRestoresCpuidThenTheMapping) {
  SimMachine sim(CyrixPc(nullptr));
  InProcessRun run = RunInProcess(sim, {"-b", "-force", "-set53:9=1"});
  EXPECT_EQ(run.status, 0);
  EXPECT_NE(run.err, "");
  EXPECT_EQ(run.out, BANNER + std::string(ENABLED) + RESTORED);
  const size_t n = sim.trace.size();
  ASSERT_GE(n, 4u);
  EXPECT_EQ(sim.trace[n - 4], (PortAccess{'o', 0x22, 0xE8}));
  EXPECT_EQ(sim.trace[n - 3], (PortAccess{'o', 0x23, 0x00}));
  EXPECT_EQ(sim.trace[n - 2], (PortAccess{'o', 0x22, 0xC3}));
  EXPECT_EQ(sim.trace[n - 1], (PortAccess{'o', 0x23, 0x00}));
  EXPECT_EQ(sim.ccr4, 0x00);
}

TEST(CyrixRun, ReaderThatWentAwayDoesNotStopTheRestore) {
  SimMachine sim(CyrixPc(nullptr));
  StartRunOn(&sim);
  UseConsoleDescriptors(-1, -1);
  // Standard output is a pipe nobody reads; the rejected spec's report on
  // standard error pushes the report so far into it.
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  close(ends[0]);
  fflush(stdout);
  const int saved = dup(1);
  dup2(ends[1], 1);
  close(ends[1]);
  testing::internal::CaptureStderr();
  char name[] = "korvalt";
  char batch[] = "-b";
  char force[] = "-force";
  char set[] = "-set53:9=1";
  char* argv[] = {name, batch, force, set, nullptr};
  const int status = RunMainSequence(4, argv);
  fflush(stdout);
  clearerr(stdout);
  dup2(saved, 1);
  close(saved);
  EXPECT_NE(testing::internal::GetCapturedStderr(), "");
  // The report that was lost is said in the status, after the restore.
  EXPECT_EQ(status, 4);
  EXPECT_EQ(sim.ccr4, 0x00);
  EXPECT_EQ(sim.ccr3, 0x00);
}

// A batch run with standard output joined to standard error, so that a death
// test sees the order of both: the process is expected to end inside.
void RunBatchIntoStandardError(SimMachine* sim) {
  dup2(2, 1);
  char name[] = "korvalt";
  char batch[] = "-b";
  char* argv[] = {name, batch, nullptr};
  StartRunOn(sim);
  UseConsoleDescriptors(-1, -1);
  RunMainSequence(2, argv);
}

TEST(ClockRunDeathTest, CounterThatStandsStillEndsTheRunBeforeAnySection) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  SimMachineDesc desc = CyrixPc(nullptr);
  desc.cpu.tsc_stands_still = true;
  SimMachine sim(desc);
  // The banner and the enabling messages, then the fatal text, no section,
  // and the registers put back on the way out.
  EXPECT_EXIT(RunBatchIntoStandardError(&sim), ::testing::ExitedWithCode(1),
              "\n--- KORVALT  ver 0.14  by Telvaroq ---\n"
              "M1 Register I/O Mapping enabled\\.\nM1 CPUID enabled\\.\n"
              " Sorry, this CPU doesn't have RDMSR instruction\\.\n \n"
              "M1 CPUID is set back to original value \\(disabled\\)\\.\n"
              "M1 Register I/O Mapping is set back to original value \\(disabled\\)\\.\n$");
}

}  // namespace
