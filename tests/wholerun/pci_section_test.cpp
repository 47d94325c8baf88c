// The chipset section inside whole runs: always probed, printed unless
// -nochipset, every field of a known bridge in table order.
#include <cstring>

#include "pci_in_process.h"

namespace {

TEST(ChipsetSectionRun, NoChipsetStillProbesTheBridge) {
  BridgeBytes bridge(0x8086, 0x7100);
  SimMachineDesc desc = BareMachine(&bridge.image);
  SimMachine sim(desc);
  InProcessRun run = RunInProcess(sim, {"-b", "-nocpu", "-nomemory", "-nochipset"});
  EXPECT_EQ(run.out, BANNER);
  std::vector<std::string> expected = {"d CF8 80000000", "i CFC",          "d CF8 80000001",
                                       "i CFD",          "d CF8 80000002", "i CFE",
                                       "d CF8 80000003", "i CFF",          "d CF8 0"};
  EXPECT_EQ(Describe(sim.trace), expected);
}

TEST(ChipsetSectionRun, KnownBridgeListsEveryFieldInTableOrder) {
  BridgeBytes bridge(0x1106, 0x1595, {{0x50, 0x80, 0xFF}});
  SimMachineDesc desc = BareMachine(&bridge.image);
  SimMachine sim(desc);
  InProcessRun run = RunInProcess(sim, {"-b", "-nocpu", "-nomemory"});
  std::vector<std::string> lines = Lines(run.out);
  ASSERT_GT(lines.size(), 23u);
  EXPECT_EQ(lines[2], "-----PCI HostBridge found-----");
  EXPECT_EQ(lines[3], "Vendor: [1106] VIA Technologies");
  EXPECT_EQ(lines[4], "Device: [1595] Apollo VP2 (VT82C595)");
  EXPECT_EQ(lines[6], "   +0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F");
  EXPECT_EQ(lines[7], "00  06 11 95 15 00 00 00 00:00 00 00 00 00 00 00 00");
  EXPECT_EQ(lines[12], "50  80 00 00 00 00 00 00 00:00 00 00 00 00 00 00 00");
  EXPECT_EQ(lines[23], "-----Translated PCI HostBridge data---------------");

  // One line per row, each naming its own register and field.
  const RegisterField* row = fields_vt82c595;
  size_t n = 24;
  for (; (row->reg & 0xFF) != 0; ++row, ++n) {
    ASSERT_LT(n, lines.size());
    char label[8];
    std::snprintf(label, sizeof label, "%02X", row->reg & 0xFF);
    EXPECT_EQ(lines[n].substr(0, 2), label);
    EXPECT_NE(lines[n].find(std::string(":") + row->name), std::string::npos) << lines[n];
  }
  EXPECT_EQ(n, lines.size());
  // The cache-enable field of 50h reads 10 here.
  EXPECT_NE(run.out.find("50:6-7:Cache Enable                    = 10       ; 10: Cache enable "
                         "(normal operation)\n"),
            std::string::npos);
}

// The named 430FX and 430LX boards and those whose bridge is not at device 0
// of mechanism #1, run as a user runs them: their bridges are found,
// catalogued, named, placed where the first look did not find them, and
// read through their own tables.
TEST(ChipsetSectionRun, The430FxAnd430LxAnd486BoardsDecode) {
  const struct {
    const char* machine;
    const char* device;
    const char* place;  // the line after the device line; nullptr: none
    const char* field_line;
  } boards[] = {
      {"KORVALT_MACHINE=p54c-430fx", "Device: [122d] Triton FX (82437FX)\n", nullptr,
       "52:6-7:L2 Cache Size                   = 01       ; 01: 256 KB\n"},
      {"KORVALT_MACHINE=p5-60-lx", "Device: [04a3] Mercury/Neptune (82434LX/NX)\n", nullptr,
       "08    :Revision ID Code                = 00000011 ; 00000011: 82434LX\n"},
      {"KORVALT_MACHINE=p5-66-lx-mech2", "Device: [04a3] Mercury/Neptune (82434LX/NX)\n",
       "Found at bus 0, device 00h, function 0, through configuration mechanism #2\n",
       "08    :Revision ID Code                = 00000011 ; 00000011: 82434LX\n"},
      {"KORVALT_MACHINE=486dx4-umc8881", "Device: [8881] UM8881F (HB4)\n",
       "Found at bus 0, device 10h, function 0\n",
       "50:0-2:L2 Cache Size                   = 100      ; 100: 512 KB\n"},
  };
  for (const auto& b : boards) {
    SCOPED_TRACE(b.machine);
    RunRequest request;
    request.args = {"-b", "-nocpu", "-nomemory"};
    request.env = {b.machine};
    ProgramResult run = RunWithoutTerminal(request);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.err, "");
    const size_t device = run.out.find(b.device);
    ASSERT_NE(device, std::string::npos);
    const size_t after = device + std::strlen(b.device);
    if (b.place != nullptr) {
      EXPECT_EQ(run.out.find(b.place), after);
    } else {
      EXPECT_EQ(run.out.find("Found at"), std::string::npos);
    }
    EXPECT_NE(run.out.find("-----Translated PCI HostBridge data"), std::string::npos);
    EXPECT_NE(run.out.find(b.field_line), std::string::npos);
  }
}

// The VIA MVP3 and Apollo Pro133A boards in whole runs, processor and
// memory sections included: each bridge is named and read through its table.
TEST(ChipsetSectionRun, TheApolloBoardsRunWhole) {
  const struct {
    const char* machine;
    const char* device;
    const char* field_line;
  } boards[] = {
      {"KORVALT_MACHINE=k6-2-mvp3", "Device: [0598] Apollo MVP3 (VT82C598)\n",
       "84    :Graphics Aperture Size          = 11000000 ; 11000000: 64 MB\n"},
      {"KORVALT_MACHINE=p3-apollo-pro133",
       "Device: [0691] Apollo Pro/Pro133/Pro133A (VT82C691/693A/694X)\n",
       "63:4-5:F0000-FFFFF Shadow RAM Control  = 10       ; 10: Read only: reads from DRAM, "
       "writes to the PCI bus\n"},
  };
  for (const auto& b : boards) {
    SCOPED_TRACE(b.machine);
    RunRequest request;
    request.args = {"-b"};
    request.env = {b.machine};
    ProgramResult run = RunWithoutTerminal(request);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.err, "");
    EXPECT_NE(run.out.find("| Timestamp Counter:       supported     |"), std::string::npos);
    EXPECT_NE(run.out.find(b.device), std::string::npos);
    EXPECT_NE(run.out.find(b.field_line), std::string::npos);
    EXPECT_NE(run.out.find("WRITE 8192K:"), std::string::npos);
  }
}

}  // namespace
