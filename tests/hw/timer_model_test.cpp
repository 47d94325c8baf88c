// The 8254 channel 0 model and the small encoders behind the served ports,
// driven on a made-up time line so that every reading is exact.
#include <gtest/gtest.h>

#include <vector>

#include "hw/device_models.h"

namespace {

constexpr int64_t MS = 1000000;  // nanoseconds

// The timer's input clocks at ns nanoseconds, as the native machine counts them.
uint64_t Clocks(int64_t ns) {
  return ScaleCount(static_cast<uint64_t>(ns), TIMER_INPUT_HZ, 1000000000);
}

// The way the program reads the timer: latch command, low byte, high byte.
unsigned LatchAndRead(TimerChannelModel* t, int64_t latch_at, int64_t read_at) {
  TimerWriteControl(t, 0x00, Clocks(latch_at));
  unsigned low = TimerReadCount(t, Clocks(read_at));
  unsigned high = TimerReadCount(t, Clocks(read_at));
  return high << 8 | low;
}

TimerChannelModel StandardTimer(int64_t at) {
  TimerChannelModel t;
  TimerReset(&t, 0);
  TimerWriteControl(&t, 0x36, Clocks(at));
  TimerWriteCount(&t, 0x00, Clocks(at));
  TimerWriteCount(&t, 0x00, Clocks(at));
  return t;
}

TEST(TimerModel, LatchFreezesTheCountAndBytesComeLowThenHigh) {
  TimerChannelModel t = StandardTimer(0);
  // 1 ms is 1193 input clocks; mode 3 takes two off the count at each.
  unsigned latched = LatchAndRead(&t, 1 * MS, 9 * MS);
  EXPECT_EQ(latched, 65536u - 2 * 1193);

  // A second latch command before the first value is read keeps the first.
  TimerWriteControl(&t, 0x00, Clocks(2 * MS));
  TimerWriteControl(&t, 0x00, Clocks(3 * MS));
  unsigned low = TimerReadCount(&t, Clocks(4 * MS));
  unsigned high = TimerReadCount(&t, Clocks(4 * MS));
  EXPECT_EQ(high << 8 | low, 65536u - 2 * 2386);

  // Once both bytes are read the latch is gone and reads follow the count.
  low = TimerReadCount(&t, Clocks(5 * MS));
  high = TimerReadCount(&t, Clocks(5 * MS));
  EXPECT_EQ(high << 8 | low, 65536u - 2 * 5965);  // 5 ms = 5965.91 clocks
}

TEST(TimerModel, ControlWordRestartsTheByteSequence) {
  TimerChannelModel t = StandardTimer(0);
  TimerWriteControl(&t, 0x00, Clocks(1 * MS));
  (void)TimerReadCount(&t, Clocks(1 * MS));  // low byte only
  // Reprogramming drops the half-read latch; the next read is a low byte again.
  TimerWriteControl(&t, 0x36, Clocks(2 * MS));
  TimerWriteCount(&t, 0x00, Clocks(2 * MS));
  TimerWriteCount(&t, 0x00, Clocks(2 * MS));
  EXPECT_EQ(LatchAndRead(&t, 3 * MS, 3 * MS), 65536u - 2 * 1193);
}

TEST(TimerModel, SquareWaveCountsEvenValuesAndWrapsEvery27_46ms) {
  TimerChannelModel t = StandardTimer(0);
  // Freshly loaded, 65536 shows as 0; then the count falls by 2 per clock.
  EXPECT_EQ(TimerCountAt(&t, Clocks(0)), 0);
  EXPECT_EQ(TimerCountAt(&t, Clocks(1000)), 65534);  // 1 us = 1.19 clocks
  std::vector<int64_t> wraps;
  unsigned previous = TimerCountAt(&t, Clocks(0));
  // Step through 0.3 s at 5 us, finer than one count step of 1.7 us x 2.
  for (int64_t ns = 0; ns <= 300 * MS; ns += 5000) {
    unsigned count = TimerCountAt(&t, Clocks(ns));
    EXPECT_EQ(count % 2, 0u);
    if (count > previous)
      wraps.push_back(ns);
    previous = count;
  }
  // The step from the loaded 0 to 65534 is the first wrap, then one every
  // 32768 input clocks.
  ASSERT_EQ(wraps.size(), 11u);
  EXPECT_EQ(wraps[0], 5000);
  double period_ms = static_cast<double>(wraps[10] - wraps[1]) / 9 / MS;
  EXPECT_NEAR(period_ms, 27.4625, 0.01);
}

TEST(ServedDevices, ScaledCountsNeitherOverflowNorRoundUp) {
  // 10^18 ns (31 years) would overflow a plain product with the input clock.
  EXPECT_EQ(ScaleCount(1000000000000000000u, TIMER_INPUT_HZ, 1000000000), 1193182000000000u);
  EXPECT_EQ(ScaleCount(1000000000000000999u, TIMER_INPUT_HZ, 1000000000), 1193182000000001u);
  EXPECT_EQ(ScaleCount(838, TIMER_INPUT_HZ, 1000000000), 0u);
  EXPECT_EQ(ScaleCount(839, TIMER_INPUT_HZ, 1000000000), 1u);
}

TEST(ServedDevices, BcdSecondsAndPciDecoding) {
  EXPECT_EQ(ToBcd(0), 0x00);
  EXPECT_EQ(ToBcd(9), 0x09);
  EXPECT_EQ(ToBcd(10), 0x10);
  EXPECT_EQ(ToBcd(59), 0x59);

  PciMechanismModel pci{0x80000003u};
  // The register's low bits do not choose the lane; the data port does.
  PciTarget t = DecodePciAccess(&pci, 0xCFF);
  EXPECT_TRUE(t.enabled);
  EXPECT_EQ(t.reg, 3u);
  EXPECT_EQ(DecodePciAccess(&pci, 0xCFC).reg, 0u);

  pci.address = 0x80000000u | 0xABu << 16 | 0x1Fu << 11 | 5u << 8 | 0xFEu;
  t = DecodePciAccess(&pci, 0xCFE);
  EXPECT_EQ(t.bus, 0xABu);
  EXPECT_EQ(t.device, 0x1Fu);
  EXPECT_EQ(t.function, 5u);
  EXPECT_EQ(t.reg, 0xFEu);

  pci.address = 0x00000004u;
  EXPECT_FALSE(DecodePciAccess(&pci, 0xCFC).enabled);
}

}  // namespace
