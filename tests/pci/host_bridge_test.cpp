// Detection of the host bridge and the chipset section: the accesses they
// make, the catalogue match, the identification lines, the raw dump and the
// translated fields.
#include <memory>

#include "pci/pci_access.h"
#include "pci_test_support.h"

namespace {

std::vector<SimRegInit> Counting() {
  // Bytes 04h-FFh hold their own register number, so every dump cell is known.
  std::vector<SimRegInit> regs;
  for (unsigned r = 4; r < 256; ++r) {
    regs.push_back({static_cast<uint8_t>(r), static_cast<uint8_t>(r), 0x00});
  }
  return regs;
}

std::string CaptureReport() {
  testing::internal::CaptureStdout();
  PrintHostBridgeReport(false, BYTES_FROM_HARDWARE);
  return testing::internal::GetCapturedStdout();
}

class HostBridgeTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetRunState(); }

  // Runs detection on a fresh machine carrying the bridge.
  void Detect(const SimBridgeImage* image) {
    desc = BareMachine(image);
    sim.reset(new SimMachine(desc));
    UseMachine(sim.get(), false);
    DetectHostBridge();
  }

  SimMachineDesc desc;
  std::unique_ptr<SimMachine> sim;
};

TEST_F(HostBridgeTest, DetectionReadsTheFourIdBytesThenReleasesOnce) {
  BridgeBytes bridge(0x10B9, 0x1531);
  Detect(&bridge.image);
  std::vector<std::string> expected = {"d CF8 80000000", "i CFC",          "d CF8 80000001",
                                       "i CFD",          "d CF8 80000002", "i CFE",
                                       "d CF8 80000003", "i CFF",          "d CF8 0"};
  EXPECT_EQ(Describe(sim->trace), expected);
  EXPECT_EQ(host_vendor_id, 0x10B9);
  EXPECT_EQ(host_device_id, 0x1531);
  ASSERT_NE(current_chipset, nullptr);
  EXPECT_STREQ(current_chipset->device_name, "Aladdin IV (M1531)");
}

TEST_F(HostBridgeTest, CatalogueMatchNeedsBothIds) {
  struct Case {
    uint16_t vendor;
    uint16_t device;
    const RegisterField* fields;  // nullptr: no match
    const char* device_name;
  };
  const Case cases[] = {
      {0x1106, 0x1595, fields_vt82c595, "Apollo VP2 (VT82C595)"},
      {0x1106, 0x0580, fields_vt82c580, "Apollo VP1 (VT82C580VP)"},
      {0x1106, 0x1585, fields_vt82c580, "Apollo VPX (VT82C580VPX)"},
      {0x1039, 0x5597, fields_sis5597, "5597/5598"},
      {0x8086, 0x7100, fields_82439tx, "Triton TX (82439TX)"},
      {0x8086, 0x71A0, fields_82443gx, "440GX (82443GX)"},
      {0x8086, 0x7181, nullptr, nullptr},  // the 440LX's AGP bridge, never a host bridge
      {0x1039, 0x7100, nullptr, nullptr},  // known device id under another vendor
      {0x1106, 0x0586, nullptr, nullptr},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.vendor << ":" << c.device);
    BridgeBytes bridge(c.vendor, c.device);
    Detect(&bridge.image);
    if (c.fields == nullptr) {
      EXPECT_EQ(current_chipset, nullptr);
    } else {
      ASSERT_NE(current_chipset, nullptr);
      EXPECT_EQ(current_chipset->fields, c.fields);
      EXPECT_STREQ(current_chipset->device_name, c.device_name);
    }
  }

  // An empty bus reads all ones, which is the catalogue's own end mark.
  Detect(nullptr);
  EXPECT_EQ(host_vendor_id, 0xFFFF);
  EXPECT_EQ(host_device_id, 0xFFFF);
  EXPECT_EQ(current_chipset, nullptr);
}

TEST_F(HostBridgeTest, UnsupportedBridgeGetsItsLineAndTheWholeDump) {
  BridgeBytes bridge(0xABCD, 0xEF12, Counting());
  Detect(&bridge.image);
  sim->trace.clear();
  std::string report = CaptureReport();

  std::vector<std::string> lines = Lines(report);
  ASSERT_EQ(lines.size(), 19u);
  EXPECT_EQ(lines[0], "Unsupported Device: VendorID = abcd, DeviceID = EF12");
  EXPECT_EQ(lines[1], "-----PCI HostBridge raw data----------------------");
  EXPECT_EQ(lines[2], "   +0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F");
  EXPECT_EQ(lines[3], "00  CD AB 12 EF 04 05 06 07:08 09 0A 0B 0C 0D 0E 0F");
  EXPECT_EQ(lines[18], "F0  F0 F1 F2 F3 F4 F5 F6 F7:F8 F9 FA FB FC FD FE FF");
  for (int row = 1; row < 16; ++row) {
    char expected[64];
    int b = row * 16;
    std::snprintf(expected, sizeof expected,
                  "%02X  %02X %02X %02X %02X %02X %02X %02X %02X:%02X %02X %02X %02X %02X %02X "
                  "%02X %02X",
                  b, b, b + 1, b + 2, b + 3, b + 4, b + 5, b + 6, b + 7, b + 8, b + 9, b + 10,
                  b + 11, b + 12, b + 13, b + 14, b + 15);
    EXPECT_EQ(lines[3 + row], expected);
    EXPECT_EQ(lines[3 + row].size(), 51u);
  }
  EXPECT_EQ(report.back(), '\n');

  // One select, read and release per byte, in ascending order.
  std::vector<std::string> expected;
  for (unsigned r = 0; r < 256; ++r) {
    for (const std::string& access : ReadSequence(r))
      expected.push_back(access);
  }
  EXPECT_EQ(Describe(sim->trace), expected);
}

TEST_F(HostBridgeTest, KnownBridgeIsNamedAndItsFieldsTranslated) {
  // Register 53h carries two fields and must be read once for each.
  const RegisterField table[] = {
      {0x53, 0xE4, 0, "Upper Half", "0000 none\r1010 pattern A"},
      {0x53, 0xE0, 0, "Lower Half", "0101 pattern five"},
      {0x07, 0xCC, 0, "Received Target Abort", "0 No abort received\r1 Transaction aborted"},
      {0x100, 0xC0, 0, "Past the end", "x never shown"},
      {0x50, 0xC0, 0, "Never reached", "x never shown"},
  };
  const ChipsetEntry entry = {0x10B9, 0x1531, "Acer Labs, Inc.", "Aladdin IV (M1531)", table};
  BridgeBytes bridge(0x10B9, 0x1531, {{0x53, 0xA5, 0xFF}, {0x07, 0x12, 0x00}});
  Detect(&bridge.image);
  current_chipset = &entry;
  sim->trace.clear();
  std::string report = CaptureReport();

  std::vector<std::string> lines = Lines(report);
  ASSERT_EQ(lines.size(), 25u);
  EXPECT_EQ(lines[0], "-----PCI HostBridge found-----");
  EXPECT_EQ(lines[1], "Vendor: [10b9] Acer Labs, Inc.");
  EXPECT_EQ(lines[2], "Device: [1531] Aladdin IV (M1531)");
  EXPECT_EQ(lines[3], "-----PCI HostBridge raw data----------------------");
  EXPECT_EQ(lines[5], "00  B9 10 31 15 00 00 00 12:00 00 00 00 00 00 00 00");
  EXPECT_EQ(lines[10], "50  00 00 00 A5 00 00 00 00:00 00 00 00 00 00 00 00");
  EXPECT_EQ(lines[21], "-----Translated PCI HostBridge data---------------");
  EXPECT_EQ(lines[22], "53:4-7:Upper Half                      = 1010     ; 1010: pattern A");
  EXPECT_EQ(lines[23], "53:0-3:Lower Half                      = 0101     ; 0101: pattern five");
  EXPECT_EQ(lines[24],
            "07:4  :Received Target Abort           = 1        ; 1: Transaction aborted");

  std::vector<std::string> accesses = Describe(sim->trace);
  ASSERT_EQ(accesses.size(), 3u * 256 + 3u * 3);
  std::vector<std::string> fields(accesses.end() - 9, accesses.end());
  std::vector<std::string> expected;
  for (unsigned r : {0x53u, 0x53u, 0x07u}) {
    for (const std::string& access : ReadSequence(r))
      expected.push_back(access);
  }
  EXPECT_EQ(fields, expected);
}

}  // namespace
