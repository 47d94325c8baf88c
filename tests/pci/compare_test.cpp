// The -set spec the comparison offers, for every changeable field of every
// table and every value, beyond the few a saved board's comparison shows.
#include "pci/compare.h"

#include <string>

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

}  // namespace
