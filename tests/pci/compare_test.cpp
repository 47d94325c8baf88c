// The comparison's pieces that no saved report of a simulated board reaches:
// the -set spec offered for every changeable field of every table, and a
// reported bridge that the system let be read only in part.
#include "pci/compare.h"

#include <cstring>
#include <string>

#include "console/console.h"
#include "hw/dump_machine.h"
#include "hw/hw.h"
#include "pci/set_command.h"
#include "pci_test_support.h"

namespace {

TEST(CompareSetSpec, EveryChangeableFieldGetsASpecTheSetCommandTakesForEveryValue) {
  BridgeBytes bridge{0x8086, 0x7100};
  SimMachineDesc desc = BareMachine(&bridge.image);
  SimMachine sim{desc};
  StartRunOn(&sim);
  unsigned offered = 0;
  for (const ChipsetEntry* chip = chipset_catalogue; chip->vendor_id != 0xFFFF; ++chip) {
    current_chipset = chip;
    for (const RegisterField* row = chip->fields; (row->reg & 0xFF) != 0; ++row) {
      SCOPED_TRACE(std::string(chip->device_name) + ": " + row->name);
      const unsigned low = FieldLowestBit(row->bit_spec);
      const unsigned width = FieldWidth(row->bit_spec);
      const bool changeable = (row->bit_spec & 0xC0) == 0xC0;
      for (unsigned value = 0; value < (1u << width); ++value) {
        const char* spec = FormatSetSpec(*row, static_cast<uint8_t>(value));
        ASSERT_EQ(spec != nullptr, changeable);
        if (spec == nullptr)
          break;
        const ParsedSetSpec parsed = ParseSetSpec(spec);
        ASSERT_EQ(parsed.form, SPEC_BITS) << spec;
        EXPECT_EQ(parsed.reg, row->reg & 0xFF) << spec;
        EXPECT_EQ(parsed.low, low) << spec;
        EXPECT_EQ(parsed.high, low + width - 1) << spec;
        EXPECT_EQ(parsed.value, value) << spec;
        ++offered;
      }
      // The table names that very span, so the set command needs no -force.
      const char* spec = FormatSetSpec(*row, 0);
      if (spec != nullptr) {
        testing::internal::CaptureStderr();
        EXPECT_EQ(ApplySetSpec(spec, SET_CHECK, false, false), SET_CONTINUE) << spec;
        EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << spec;
      }
    }
  }
  EXPECT_GT(offered, 0u);
  current_chipset = nullptr;
}

TEST(CompareReport, BytesTheSystemWouldNotShowAreCountedNotCompared) {
  // The system shows the first 64 bytes of an 82439TX; the saved dump has
  // all 256, differing in the latency timer and past the header.
  uint8_t bytes[256] = {0x86, 0x80, 0x00, 0x71};
  bytes[0x0D] = 0x20;
  ConfigDump saved = {{0}, 256};
  std::memcpy(saved.bytes, bytes, sizeof bytes);
  saved.bytes[0x0D] = 0x40;
  saved.bytes[0x52] = 0x42;
  saved.bytes[0x44] = 0x01;
  UseMachine(CreateDumpMachine(bytes, 64), false);
  ResetRunState();
  DetectHostBridge();

  testing::internal::CaptureStdout();
  PrintComparisonReport(saved, nullptr, "board.txt", BYTES_FROM_HARDWARE, false);
  const std::string out = testing::internal::GetCapturedStdout();
  EXPECT_NE(out.find("This : this machine, [8086:7100] Intel Triton TX (82439TX)\n"
                     "       only its first 64 configuration bytes could be read; run as root "
                     "to read all 256\n"
                     "Saved: the dump in board.txt, [8086:7100]"),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("\n0D    :PCI latency timer               = 00100000 / 01000000\n"
                     "-----Bytes that differ outside any field----------\n"
                     "Fields that differ: 1; "),
            std::string::npos)
      << out;
  EXPECT_NE(out.find("; bytes not readable on one side: 192\n"), std::string::npos) << out;
}

}  // namespace
