// 8254 channel 0 and the CMOS seconds register on virtual time.
#include <gtest/gtest.h>

#include "sim_test_support.h"

namespace {

constexpr uint64_t TICK = 1000;  // clocks per timer input clock in TimerExactDesc

void SetSquareWave(SimMachine& m, uint8_t low, uint8_t high) {
  m.OutByte(0x43, 0x36);
  m.OutByte(0x40, low);
  m.OutByte(0x40, high);
}

TEST(SimTimer, LatchHoldsTheCountAndGivesLowThenHigh) {
  SimMachine m(TimerExactDesc());
  SetSquareWave(m, 0x00, 0x00);
  Advance(m, 5 * TICK);
  m.OutByte(0x43, 0x00);  // latch 65536 - 10
  Advance(m, 3 * TICK);   // the count moves on, the latch does not
  m.OutByte(0x43, 0x00);  // a second latch before reading changes nothing
  EXPECT_EQ(m.InByte(0x40), 0xF6);
  EXPECT_EQ(m.InByte(0x40), 0xFF);
  // Once both bytes are read the next latch takes the running count again.
  EXPECT_EQ(LatchedCount(m), 0xFFF0u);
  // Without a latch the bytes still come low first, from the running count.
  Advance(m, TICK);
  EXPECT_EQ(m.InByte(0x40), 0xEE);
  EXPECT_EQ(m.InByte(0x40), 0xFF);
}

TEST(SimTimer, SquareWaveStepsByTwoAndWrapsEveryHalfReload) {
  SimMachine m(TimerExactDesc());
  SetSquareWave(m, 0x00, 0x00);  // 0 stands for 65536
  EXPECT_EQ(LatchedCount(m), 0u);
  Advance(m, TICK);
  EXPECT_EQ(LatchedCount(m), 0xFFFEu);
  Advance(m, 32766 * TICK);
  EXPECT_EQ(LatchedCount(m), 2u);
  Advance(m, TICK);
  EXPECT_EQ(LatchedCount(m), 0u);  // reloaded: 65536 units per 32768 input clocks
  Advance(m, TICK);
  EXPECT_EQ(LatchedCount(m), 0xFFFEu);

  SetSquareWave(m, 0xE8, 0x03);  // 1000
  Advance(m, 499 * TICK);
  EXPECT_EQ(LatchedCount(m), 2u);
  Advance(m, TICK);
  EXPECT_EQ(LatchedCount(m), 1000u);
}

TEST(SimTimer, ControlWordStopsTheCountUntilTheReloadIsWritten) {
  SimMachine m(TimerExactDesc());
  Advance(m, 100 * TICK);  // running at power-on: 65536 - 200
  m.OutByte(0x43, 0x36);
  Advance(m, 50 * TICK);
  EXPECT_EQ(LatchedCount(m), 65336u);
  m.OutByte(0x40, 0x00);  // low byte alone does not load
  Advance(m, 50 * TICK);
  EXPECT_EQ(LatchedCount(m), 65336u);
  m.OutByte(0x40, 0x00);
  Advance(m, 2 * TICK);
  EXPECT_EQ(LatchedCount(m), 65532u);
}

// On a real-speed machine a wrap comes every 65536 units of 2.38636 per
// microsecond: 27.4625 ms of processor clocks, whatever the clock.
TEST(SimTimer, WrapPeriodInVirtualTime) {
  for (double mhz : {60.0, 233.33}) {
    SimMachineDesc desc = CachedPentium();
    desc.cpu.clock_mhz = mhz;
    SimMachine m(desc);
    SetSquareWave(m, 0x00, 0x00);
    uint64_t wraps[3] = {0, 0, 0};
    unsigned previous = LatchedCount(m);
    for (int found = 0, reads = 0; found < 3 && reads < 200000; ++reads) {
      const unsigned now = LatchedCount(m);
      if (now > previous)
        wraps[found++] = m.Cycles();
      previous = now;
    }
    const double expected = 32768.0 / 1.193182 * mhz;
    const double poll = 3 * desc.port_access_us * mhz;  // one latch and two reads
    EXPECT_NEAR(static_cast<double>(wraps[1] - wraps[0]), expected, poll + 1) << mhz;
    EXPECT_NEAR(static_cast<double>(wraps[2] - wraps[1]), expected, poll + 1) << mhz;
  }
}

TEST(SimRtc, SecondsTickInBcdFromTheStartTime) {
  SimMachineDesc desc = CachedPentium();
  desc.port_access_us = 0.0;
  SimMachine m(desc);
  EXPECT_EQ(RtcSeconds(m), 0x56);  // 12:34:56.3
  Advance(m, 69900000);            // 0.699 s
  EXPECT_EQ(RtcSeconds(m), 0x56);
  Advance(m, 200000);  // 0.701 s
  EXPECT_EQ(RtcSeconds(m), 0x57);
  Advance(m, 3000000000u);  // +30 s: 12:35:27
  EXPECT_EQ(RtcSeconds(m), 0x27);
  m.OutByte(0x70, 0x02);
  EXPECT_EQ(m.InByte(0x71), 0x35);
  // The NMI-mask bit of the index byte does not change the register chosen.
  m.OutByte(0x70, 0x80);
  EXPECT_EQ(m.InByte(0x71), 0x27);
}

// The time between two ticks, polled as a program would, in virtual time.
double SecondBetweenTicks(const SimMachineDesc& desc) {
  SimMachine m(desc);
  m.tracing = false;  // close to a million reads
  uint64_t edges[2] = {0, 0};
  uint8_t previous = RtcSeconds(m);
  for (int found = 0, reads = 0; found < 2 && reads < 2000000; ++reads) {
    const uint8_t now = RtcSeconds(m);
    if (now != previous)
      edges[found++] = m.Cycles();
    previous = now;
  }
  return static_cast<double>(edges[1] - edges[0]) / (desc.cpu.clock_mhz * 1e6);
}

TEST(SimRtc, RateErrorStretchesTheSecond) {
  SimMachineDesc desc = CachedPentium();
  EXPECT_NEAR(SecondBetweenTicks(desc), 1.0, 3e-6);
  desc.rtc_seconds_per_second = 1.02;
  EXPECT_NEAR(SecondBetweenTicks(desc), 1.02, 3e-6);
}

TEST(SimRtc, DeadClocksNeverMove) {
  SimMachineDesc desc = TimerExactDesc();
  desc.timer_dead = true;
  desc.rtc_dead = true;
  SimMachine m(desc);
  SetSquareWave(m, 0x00, 0x00);
  const unsigned count = LatchedCount(m);
  const uint8_t second = RtcSeconds(m);
  Advance(m, 2000000000);  // 1.7 s
  EXPECT_EQ(LatchedCount(m), count);
  EXPECT_EQ(RtcSeconds(m), second);
}

}  // namespace
