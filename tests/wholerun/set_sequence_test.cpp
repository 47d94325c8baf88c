// The set commands inside whole runs: checked all before any is applied, an
// abort that leaves every register untouched, the chipset section showing
// the machine after the changes.
#include "pci_in_process.h"

namespace {

const char USER_FIELD[] = "***User Specified Field***      = ";

// An Intel 82443GX: a real host bridge, but not one the catalogue knows.
class UnknownBridgeRun : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int i = 0; i < 256; ++i)
      expected[i] = 0;
    for (const SimRegInit& r : bridge.regs)
      expected[r.reg] = r.value;
  }
  BridgeBytes bridge{0x8086, 0x7181, {{0x51, 0xFF, 0xFF}, {0x53, 0x00, 0xFF}, {0x5A, 0x00, 0x01}}};
  SimMachineDesc desc = BareMachine(&bridge.image);
  SimMachine sim{desc};
  uint8_t expected[256];
};

TEST_F(UnknownBridgeRun, ForceAppliesEverySpecBeforeTheSectionIsPrinted) {
  InProcessRun run =
      RunInProcess(sim, {"-b", "-nocpu", "-nomemory", "-force", "-set51:2-5=1010",
                         "-set53:0-3=1111", "-SET53:0-3=0110", "-set5a:0=1", "-set"});
  const std::string x = " ; x: unknown bit(s)\n";
  std::string lines =
      std::string("old value:51:2-5:") + USER_FIELD + "1111    " + x +
      "new value:51:2-5:" + USER_FIELD + "1010    " + x + "old value:53:0-3:" + USER_FIELD +
      "0000    " + x + "new value:53:0-3:" + USER_FIELD + "1111    " + x +
      // The second spec on the span starts from the first one's result.
      "old value:53:0-3:" + USER_FIELD + "1111    " + x + "new value:53:0-3:" + USER_FIELD +
      "0110    " + x + "old value:5A:0  :" + USER_FIELD + "0       " + x +
      "new value:5A:0  :" + USER_FIELD + "1       " + x;
  expected[0x51] = 0xEB;
  expected[0x53] = 0x06;
  expected[0x5A] = 0x01;
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, BANNER + lines + "Unsupported Device: VendorID = 8086, DeviceID = 7181\n" +
                         ExpectedDump(expected));
}

TEST_F(UnknownBridgeRun, WithoutForceSetCommandsAreSkippedSilently) {
  InProcessRun run =
      RunInProcess(sim, {"-b", "-nocpu", "-nomemory", "-set51:2-5=1010", "-set5=bad"});
  EXPECT_EQ(run.err, "");
  EXPECT_EQ(run.out, BANNER +
                         std::string("Unsupported Device: VendorID = 8086, DeviceID = "
                                     "7181\n") +
                         ExpectedDump(expected));
  EXPECT_FALSE(DataPortWritten(sim.trace));
}

TEST_F(UnknownBridgeRun, BatchAbortsAtTheFirstRejectedSpecBeforeAnyWrite) {
  InProcessRun run = RunInProcess(sim, {"-b", "-nocpu", "-nomemory", "-force", "-set51:2-5=1010",
                                        "-set53:5-2=1", "-set53=11111111"});
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.out, BANNER);
  EXPECT_EQ(run.err,
            "Error in port value setting:\n"
            "Invalid bit range. End bit must not be below start bit.\n"
            "53:5-2=1\n"
            "     ^");
  EXPECT_FALSE(DataPortWritten(sim.trace));
  // Detection, then the first spec's read; the third spec is never looked at.
  std::vector<std::string> accesses = Describe(sim.trace);
  ASSERT_EQ(accesses.size(), 12u);
  std::vector<std::string> tail(accesses.begin() + 9, accesses.end());
  EXPECT_EQ(tail, ReadSequence(0x51));
  EXPECT_EQ(sim.config[0x51], 0xFF);
}

TEST_F(UnknownBridgeRun, WithoutATerminalARejectedSpecAborts) {
  // Not batch, but nobody can answer the question: nothing may be written.
  std::vector<std::string> args = {"-nocpu", "-nomemory", "-nobeep",
                                   "-force", "-set51=0",  "-set51=2"};
  InProcessRun run = RunInProcess(sim, args);
  EXPECT_EQ(run.out, BANNER);
  EXPECT_EQ(run.err, "Error in port value setting:\n'0' or '1' expected.\n51=2\n   ^");
  EXPECT_FALSE(DataPortWritten(sim.trace));
}

// An Intel 82439TX, in the catalogue.
class KnownBridgeRun : public ::testing::Test {
 protected:
  BridgeBytes bridge{0x8086, 0x7100, {{0x53, 0x20, 0x0F}, {0x57, 0x01, 0xDF}}};
  SimMachineDesc desc = BareMachine(&bridge.image);
  SimMachine sim{desc};
};

TEST_F(KnownBridgeRun, NoChipsetStillAppliesAndPrintsTheFieldLines) {
  InProcessRun run = RunInProcess(
      sim, {"-b", "-nocpu", "-nomemory", "-nochipset", "-set53:0-3=1010", "-set51:2-5=1010"});
  // 51h has no row in this chipset's table and -force is not given.
  EXPECT_EQ(run.out, BANNER);
  EXPECT_EQ(run.err,
            "Error in port value setting:\nThe specified register number and bits are not "
            "registered. Specify -force if you want to set it anyhow.\n51:2-5=1010\n"
            "           ^");
  EXPECT_FALSE(DataPortWritten(sim.trace));

  run = RunInProcess(sim, {"-b", "-nocpu", "-nomemory", "-nochipset", "-set53:0-3=1010"});
  std::vector<std::string> lines = Lines(run.out);
  ASSERT_EQ(lines.size(), 4u);
  EXPECT_EQ(lines[2].rfind("old value:53:0-3:L2 Refresh Timer                = 0000 ", 0), 0u)
      << lines[2];
  EXPECT_EQ(lines[3].rfind("new value:53:0-3:L2 Refresh Timer                = 1010 ", 0), 0u)
      << lines[3];
  EXPECT_EQ(sim.config[0x53], 0x2A);
  EXPECT_EQ(run.err, "");
}

}  // namespace
