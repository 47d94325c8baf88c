// On the machine the tests run on: the chipset section must show the same
// configuration bytes of 0000:00:00.0 as the kernel does.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "pci/tables/tables.h"
#include "wholerun/run_program.h"

namespace {

const char SYSFS_CONFIG[] = "/sys/bus/pci/devices/0000:00:00.0/config";

std::vector<unsigned char> KernelBytes() {
  std::ifstream file(SYSFS_CONFIG, std::ios::binary);
  std::vector<unsigned char> bytes((std::istreambuf_iterator<char>(file)),
                                   std::istreambuf_iterator<char>());
  // Without privileges the kernel shows only the standard header.
  if (bytes.size() > 256)
    bytes.resize(256);
  return bytes;
}

bool InCatalogue(unsigned vendor, unsigned device) {
  for (const ChipsetEntry* e = chipset_catalogue; e->vendor_id != 0xFFFF; ++e) {
    if (e->vendor_id == vendor && e->device_id == device)
      return true;
  }
  return false;
}

TEST(NativeChipsetSection, DumpEqualsTheKernelsView) {
  std::vector<unsigned char> kernel = KernelBytes();
  if (kernel.size() < 64)
    GTEST_SKIP() << "no host bridge at 0000:00:00.0 in sysfs";

  RunRequest request;
  request.args = {"-b", "-nocpu", "-nomemory"};
  request.timeout_ms = 120000;
  ProgramResult result = RunWithoutTerminal(request);
  ASSERT_EQ(result.exit_status, 0) << result.err;

  unsigned vendor = kernel[0] | kernel[1] << 8;
  unsigned device = kernel[2] | kernel[3] << 8;
  if (!InCatalogue(vendor, device)) {
    char line[80];
    std::snprintf(line, sizeof line, "Unsupported Device: VendorID = %04x, DeviceID = %04X\n",
                  vendor, device);
    EXPECT_NE(result.out.find(line), std::string::npos) << result.out;
  }

  size_t header = result.out.find("   +0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F\n");
  ASSERT_NE(header, std::string::npos) << result.out;
  size_t at = result.out.find('\n', header) + 1;
  for (size_t row = 0; row < 16; ++row) {
    std::string line = result.out.substr(at, 51);
    ASSERT_EQ(line.size(), 51u);
    for (size_t col = 0; col < 16; ++col) {
      size_t i = row * 16 + col;
      if (i >= kernel.size())
        break;
      char cell[4];
      std::snprintf(cell, sizeof cell, "%02X", kernel[i]);
      EXPECT_EQ(line.substr(4 + col * 3, 2), cell) << "byte " << i;
    }
    at += 52;
  }
}

}  // namespace
