// Configuration mechanism #1 as the bus sees it: which dword goes to the
// address port and which data port carries each byte.
#include "pci/pci_access.h"

#include "pci_test_support.h"

namespace {

class PciAccessTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartRunOn(&sim);
    sim.trace.clear();
  }
  BridgeBytes bridge{0x8086, 0x7100, {{0x03, 0x71, 0x00}, {0xFE, 0x5A, 0xFF}}};
  SimMachineDesc desc = BareMachine(&bridge.image);
  SimMachine sim{desc};
};

TEST_F(PciAccessTest, ByteLaneFollowsTheRegistersLowBits) {
  PciSelect(0, 0, 0, 0x03);
  EXPECT_EQ(PciReadByte(), 0x71);
  PciRelease();
  PciSelect(0, 0, 0, 0xFE);
  EXPECT_EQ(PciReadByte(), 0x5A);
  PciRelease();
  std::vector<std::string> expected = {"d CF8 80000003", "i CFF", "d CF8 0",
                                       "d CF8 800000FE", "i CFE", "d CF8 0"};
  EXPECT_EQ(Describe(sim.trace), expected);
}

TEST_F(PciAccessTest, AddressFieldsAreCutToTheirWidths) {
  // Device 33 and function 9 keep only their low bits; nothing reaches
  // bits 30-24, and the bus keeps its whole byte.
  PciSelect(0x1FF, 33, 9, 0x1C4);
  EXPECT_EQ(pci_address, 0x80FF09C4u);
  PciSelect(0xAB, 31, 7, 0xFF);
  EXPECT_EQ(pci_address, 0x80ABFFFFu);
  EXPECT_EQ(pci_address & 0x7F000000u, 0u);
  PciRelease();
  std::vector<std::string> expected = {"d CF8 80FF09C4", "d CF8 80ABFFFF", "d CF8 0"};
  EXPECT_EQ(Describe(sim.trace), expected);
}

TEST_F(PciAccessTest, WriteUsesTheSameLaneAndReleaseClearsEverything) {
  PciSelect(0, 0, 0, 0xFE);
  PciWriteByte(0x1F);
  PciRelease();
  EXPECT_EQ(pci_address, 0u);
  // A byte access without a new select falls back to the first lane.
  PciReadByte();
  PciWriteByte(0x33);
  std::vector<std::string> expected = {"d CF8 800000FE", "o CFE 1F", "d CF8 0", "i CFC",
                                       "o CFC 33"};
  EXPECT_EQ(Describe(sim.trace), expected);
  EXPECT_EQ(sim.config[0xFE], 0x1F);
}

}  // namespace
