// Finding the host bridge where device 0 of mechanism #1 is empty: the port
// order of the mechanism #2 probe and path and of the scan of bus 0, the
// section's location line, the set command on a bridge found that way, and
// boards where the first look succeeds, which must not see any of it.
#include <memory>

#include "pci/pci_access.h"
#include "pci/set_command.h"
#include "pci_test_support.h"

namespace {

std::vector<std::string> Mechanism1DeviceZeroIds() {
  return {"d CF8 80000000", "i CFC",          "d CF8 80000001", "i CFD",  "d CF8 80000002",
          "i CFE",          "d CF8 80000003", "i CFF",          "d CF8 0"};
}

void Append(std::vector<std::string>* to, const std::vector<std::string>& more) {
  to->insert(to->end(), more.begin(), more.end());
}

// The probe of mechanism #2, given the enable and forward bytes it found;
// where the enable register does not keep its 00h the forward register is
// not read again.
std::vector<std::string> Mechanism2Probe(uint8_t enable, uint8_t forward, bool answers) {
  char restore_forward[16];
  char restore_enable[16];
  std::snprintf(restore_forward, sizeof restore_forward, "o CFA %X", forward);
  std::snprintf(restore_enable, sizeof restore_enable, "o CF8 %X", enable);
  std::vector<std::string> probe = {"i CF8", "i CFA", "o CF8 0", "o CFA 0", "i CF8"};
  if (answers)
    probe.push_back("i CFA");
  Append(&probe, {restore_forward, restore_enable});
  return probe;
}

std::vector<std::string> Mechanism2Read(unsigned device, unsigned reg) {
  char window[16];
  std::snprintf(window, sizeof window, "i %X", 0xC000 | device << 8 | reg);
  return {"o CF8 F0", "o CFA 0", window, "o CF8 0"};
}

std::vector<std::string> Mechanism1Read(unsigned device, unsigned reg) {
  char select[24];
  char read[16];
  std::snprintf(select, sizeof select, "d CF8 %X", 0x80000000u | device << 11 | reg);
  std::snprintf(read, sizeof read, "i %X", 0xCFC + (reg & 3));
  return {select, read, "d CF8 0"};
}

std::vector<SimRegInit> HostBridgeClass(std::vector<SimRegInit> more = {}) {
  more.push_back({0x0B, 0x06, 0x00});
  return more;
}

class BridgeLocationTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetRunState(); }

  void Detect(const SimBridgeImage* image, uint8_t device, SimConfigMechanisms mechanisms) {
    desc = BareMachine(image);
    desc.bridge_device = device;
    desc.mechanisms = mechanisms;
    sim.reset(new SimMachine(desc));
    UseMachine(sim.get(), false);
    DetectHostBridge();
  }

  std::string Report() {
    testing::internal::CaptureStdout();
    PrintHostBridgeReport(false, BYTES_FROM_HARDWARE);
    return testing::internal::GetCapturedStdout();
  }

  SimMachineDesc desc;
  std::unique_ptr<SimMachine> sim;
};

TEST_F(BridgeLocationTest, BoardAnsweringOnlyMechanism2IsReadThroughItsWindow) {
  BridgeBytes bridge(0x8086, 0x04A3, HostBridgeClass({{0x53, 0x0B, 0xFF}}));
  Detect(&bridge.image, 0, SIM_MECHANISM_2_ONLY);

  std::vector<std::string> expected = Mechanism1DeviceZeroIds();
  Append(&expected, Mechanism2Probe(0, 0, true));
  for (unsigned reg : {0u, 1u, 0u, 1u, 2u, 3u})
    Append(&expected, Mechanism2Read(0, reg));
  EXPECT_EQ(Describe(sim->trace), expected);
  EXPECT_EQ(host_place.mechanism, 2u);
  EXPECT_EQ(host_place.device, 0u);
  ASSERT_NE(current_chipset, nullptr);
  EXPECT_EQ(current_chipset->fields, fields_82434lx);

  sim->trace.clear();
  const std::vector<std::string> lines = Lines(Report());
  ASSERT_GT(lines.size(), 6u);
  EXPECT_EQ(lines[2], "Device: [04a3] Mercury/Neptune (82434LX/NX)");
  EXPECT_EQ(lines[3], "Found at bus 0, device 00h, function 0, through configuration mechanism #2");
  EXPECT_EQ(lines[6], "00  86 80 A3 04 00 00 00 00:00 00 00 06 00 00 00 00");
  // Nothing of the report goes through mechanism #1.
  for (const PortAccess& a : sim->trace)
    EXPECT_FALSE(a.port >= 0xCFC && a.port <= 0xCFF) << std::hex << a.port;

  // A set spec reads and writes the register through the window as well.
  sim->trace.clear();
  testing::internal::CaptureStdout();
  EXPECT_EQ(ApplySetSpec("53:2=0", SET_APPLY, true, false), SET_CONTINUE);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(sim->config[0x53], 0x0B & ~0x04);
  std::vector<std::string> set_expected = Mechanism2Read(0, 0x53);
  Append(&set_expected, {"o CF8 F0", "o CFA 0", "o C053 B", "o CF8 0"});
  std::vector<std::string> set_accesses = Describe(sim->trace);
  set_accesses.resize(std::min(set_accesses.size(), set_expected.size()));
  EXPECT_EQ(set_accesses, set_expected);
}

TEST_F(BridgeLocationTest, BoardAnsweringBothMechanismsKeepsTheFirstLook) {
  BridgeBytes bridge(0x8086, 0x04A3, HostBridgeClass({{0x53, 0x0B, 0xFF}}));
  std::string reports[2];
  std::vector<PortAccess> traces[2];
  const SimConfigMechanisms boards[2] = {SIM_MECHANISM_1, SIM_MECHANISMS_BOTH};
  for (int i = 0; i < 2; ++i) {
    ResetRunState();
    Detect(&bridge.image, 0, boards[i]);
    EXPECT_EQ(Describe(sim->trace), Mechanism1DeviceZeroIds());
    reports[i] = Report();
    traces[i] = sim->trace;
    EXPECT_EQ(host_place.mechanism, 1u);
  }
  EXPECT_EQ(reports[1], reports[0]);
  EXPECT_TRUE(traces[1] == traces[0]);
  EXPECT_EQ(reports[1].find("Found at"), std::string::npos);
}

TEST_F(BridgeLocationTest, BridgeAwayFromDeviceZeroIsTheFirstHostBridgeOnTheBus) {
  BridgeBytes bridge(0x1060, 0x8881, HostBridgeClass({{0x50, 0xD3, 0xFF}}));
  Detect(&bridge.image, 0x10, SIM_MECHANISM_1);

  // Empty ISA ports answer FFh to the probe; FFh is what goes back.
  std::vector<std::string> expected = Mechanism1DeviceZeroIds();
  Append(&expected, Mechanism2Probe(0xFF, 0xFF, false));
  for (unsigned device = 1; device < 0x10; ++device) {
    Append(&expected, Mechanism1Read(device, 0));
    Append(&expected, Mechanism1Read(device, 1));
  }
  for (unsigned reg : {0x00u, 0x01u, 0x0Bu, 0x0Au, 0x00u, 0x01u, 0x02u, 0x03u})
    Append(&expected, Mechanism1Read(0x10, reg));
  EXPECT_EQ(Describe(sim->trace), expected);
  EXPECT_EQ(host_vendor_id, 0x1060);
  EXPECT_EQ(host_device_id, 0x8881);
  EXPECT_EQ(host_place.mechanism, 1u);
  EXPECT_EQ(host_place.device, 0x10u);

  sim->trace.clear();
  const std::string report = Report();
  EXPECT_NE(report.find("Found at bus 0, device 10h, function 0\n"), std::string::npos);
  EXPECT_NE(report.find("\n50  D3 00 00"), std::string::npos);
  std::vector<std::string> first_byte = Mechanism1Read(0x10, 0);
  std::vector<std::string> accesses = Describe(sim->trace);
  accesses.resize(3);
  EXPECT_EQ(accesses, first_byte);

  sim->trace.clear();
  testing::internal::CaptureStdout();
  ApplySetSpec("50=00000011", SET_APPLY, true, false);
  testing::internal::GetCapturedStdout();
  EXPECT_EQ(sim->config[0x50], 0x03);
  const std::vector<std::string> set_accesses = Describe(sim->trace);
  ASSERT_GE(set_accesses.size(), 6u);
  EXPECT_EQ(set_accesses[3], "d CF8 80008050");
  EXPECT_EQ(set_accesses[4], "o CFC 3");
}

TEST_F(BridgeLocationTest, LateBridgesAwayFromDeviceZeroAreFoundAndNamed) {
  // The 450KX/GX's PCI bridge at device 19h and the STPC's at 0Bh: the scan
  // must pass over the devices below and reach the catalogue's names.
  struct Board {
    uint16_t vendor;
    uint16_t device;
    uint8_t at;
    const char* device_line;
    const char* location;
  };
  const Board boards[] = {
      {0x8086, 0x84C4, 0x19, "Device: [84c4] 450KX/GX PCI Bridge (82454KX/GX)",
       "Found at bus 0, device 19h, function 0\n"},
      {0x104A, 0x020A, 0x0B, "Device: [020a] STPC Atlas/Consumer-II/Elite",
       "Found at bus 0, device 0Bh, function 0\n"},
  };
  for (const Board& b : boards) {
    SCOPED_TRACE(b.device_line);
    BridgeBytes bridge(b.vendor, b.device, HostBridgeClass());
    Detect(&bridge.image, b.at, SIM_MECHANISM_1);
    EXPECT_EQ(host_place.device, b.at);
    ASSERT_NE(current_chipset, nullptr);
    const std::string report = Report();
    EXPECT_NE(report.find(std::string(b.device_line) + "\n"), std::string::npos) << report;
    EXPECT_NE(report.find(b.location), std::string::npos) << report;
  }
}

TEST_F(BridgeLocationTest, OnlyAHostBridgeClassIsTaken) {
  // A device that answers but is no host bridge (a display, 03h/00h) is
  // passed over, and so is a bridge of another kind (06h/01h, PCI to ISA).
  for (const std::vector<SimRegInit>& other :
       {std::vector<SimRegInit>{{0x0B, 0x03, 0x00}},
        std::vector<SimRegInit>{{0x0B, 0x06, 0x00}, {0x0A, 0x01, 0x00}}}) {
    BridgeBytes bridge(0x1039, 0x0496, other);
    Detect(&bridge.image, 0x05, SIM_MECHANISM_1);
    EXPECT_EQ(host_vendor_id, 0xFFFF);
    EXPECT_EQ(host_place.device, 0u);
    EXPECT_EQ(current_chipset, nullptr);
  }
}

TEST_F(BridgeLocationTest, NoPciAtAllLeavesTheSectionAsItWas) {
  Detect(nullptr, 0, SIM_MECHANISM_1);
  EXPECT_EQ(host_place.mechanism, 1u);
  EXPECT_EQ(host_place.device, 0u);
  EXPECT_EQ(host_vendor_id, 0xFFFF);
  EXPECT_EQ(host_device_id, 0xFFFF);
  // Of the probe's writes, only the two registers' own bytes went back.
  for (const PortAccess& a : sim->trace)
    EXPECT_FALSE(a.kind == 'o' && a.port >= 0xC000 && a.port <= 0xCFFF);
  sim->trace.clear();
  const std::vector<std::string> lines = Lines(Report());
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[0], "Unsupported Device: VendorID = ffff, DeviceID = FFFF");
  EXPECT_EQ(lines[3], "00  FF FF FF FF FF FF FF FF:FF FF FF FF FF FF FF FF");
  EXPECT_EQ(Describe(sim->trace).front(), "d CF8 80000000");
}

TEST_F(BridgeLocationTest, Mechanism2ProbePutsBothRegistersBack) {
  BridgeBytes bridge(0x8086, 0x04A3);
  desc = BareMachine(&bridge.image);
  desc.mechanisms = SIM_MECHANISM_2_ONLY;
  sim.reset(new SimMachine(desc));
  UseMachine(sim.get(), false);
  sim->OutByte(0xCFA, 0x02);
  sim->OutByte(0xCF8, 0x34);
  EXPECT_TRUE(Mechanism2Present());
  EXPECT_EQ(sim->InByte(0xCFA), 0x02);
  EXPECT_EQ(sim->InByte(0xCF8), 0x34);

  desc.mechanisms = SIM_MECHANISM_1;
  sim.reset(new SimMachine(desc));
  UseMachine(sim.get(), false);
  EXPECT_FALSE(Mechanism2Present());
}

}  // namespace
