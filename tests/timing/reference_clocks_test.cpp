#include "timing/reference_clocks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "console/console.h"
#include "hw/hw.h"
#include "timing/scripted_clocks.h"
#include "timing/stopwatch.h"

namespace {

TEST(CycleElapsed, IsTheDifferenceModuloTwoToThe32) {
  const uint32_t cases[][3] = {{1000, 4500, 3500},
                               {0xFFFFFFF0u, 0x10, 0x20},  // the low half wrapped
                               {0x80000000u, 0x7FFFFFFFu, 0xFFFFFFFFu},
                               {0xDEADBEEFu, 0xDEADBEEFu, 0}};
  for (const auto& c : cases) {
    stopwatch = CycleStopwatch{c[0], c[1], 12345};
    EXPECT_EQ(CycleElapsed(), c[2]);
    EXPECT_EQ(stopwatch.elapsed, c[2]);
  }
}

class ScriptedTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetConsoleSwitches(false, false);
    UseMachine(&machine, false);
  }
  // One cycle a port access: a read of the seconds costs two, so positions in
  // a script are exact counter values.
  void Seconds(std::vector<std::pair<long, uint8_t>> changes) {
    machine.rtc = [changes](long read, uint64_t) {
      uint8_t value = 0;
      for (const auto& change : changes)
        value = read >= change.first ? change.second : value;
      return value;
    };
  }
  static uint32_t AfterRead(long read) { return 1000 + 2 * static_cast<uint32_t>(read + 1); }
  ScriptedClocks machine;
};

TEST_F(ScriptedTest, TimerWaitsEndAtTheRightReadingOrWithinTheBound) {
  std::vector<int> readings = {100, 90, 90, 80, 65000, 7, 7, 7, 5};
  machine.timer = [&](uint64_t) { return readings[machine.timer_readings - 1]; };
  EXPECT_EQ(WaitTimerWrap(), 1);  // equal and falling readings go on
  EXPECT_EQ(machine.timer_readings, 5);
  EXPECT_EQ(WaitTimerChange(), 5);
  EXPECT_EQ(machine.timer_readings, 9);

  machine.timer = [](uint64_t) { return 0x1234; };
  machine.timer_readings = 0;
  EXPECT_EQ(WaitTimerWrap(), 0);
  EXPECT_EQ(machine.timer_readings, TIMER_STUCK_READINGS + 1);
  machine.timer_readings = 0;
  EXPECT_EQ(WaitTimerChange(), -1);
  EXPECT_EQ(machine.timer_readings, TIMER_STUCK_READINGS + 1);
  // A count that creeps down but never wraps ends at the backstop.
  machine.timer_readings = 0;
  machine.timer = [&](uint64_t) {
    return static_cast<int>(65535 - machine.timer_readings / 50000);
  };
  EXPECT_EQ(WaitTimerWrap(), 0);
  EXPECT_EQ(machine.timer_readings, TIMER_WAIT_READINGS + 1);
}

TEST_F(ScriptedTest, SecondRunsBetweenChangesSeenAfterTenThousandAndOneEqualReads) {
  // Two changes inside the first settle step each start the run again: the
  // first change seen as an edge is 8 at read 40000.
  Seconds({{0, 5}, {5000, 6}, {14000, 7}, {40000, 8}, {60000, 9}});
  EXPECT_EQ(TimeRtcSecond(0), 40000u);
  EXPECT_EQ(stopwatch.start, AfterRead(40000));
  EXPECT_EQ(stopwatch.end, AfterRead(60000));
  EXPECT_EQ(machine.rtc_reads, 60001);

  // Reads 1..10001 equal the first: settled, and the change at 10002 starts
  // the second.  One equal read fewer, and the change falls inside the settle.
  for (long change : {10002L, 10001L}) {
    machine.tsc = 1000;
    machine.rtc_reads = 0;
    Seconds({{0, 5}, {change, 6}, {30000, 7}, {50000, 8}});
    TimeRtcSecond(0);
    EXPECT_EQ(stopwatch.start, AfterRead(change == 10002 ? 10002 : 30000));
  }
}

TEST_F(ScriptedTest, ClockThatDoesNotTickIsGivenUpWithinTheBound) {
  machine.rtc = [](long, uint64_t) { return 0x42; };
  // With a rate, three seconds of it (200,000 cycles a second, two a read).
  EXPECT_EQ(TimeRtcSecond(200000), 0u);
  EXPECT_NEAR(machine.rtc_reads, 300000, 2);
  machine.rtc_reads = 0;
  EXPECT_EQ(TimeRtcSecond(0), 0u);  // without one, a count of reads
  EXPECT_NEAR(machine.rtc_reads, RTC_WAIT_READS, 2);
  // A value that changes at every read never settles.
  machine.rtc_reads = 0;
  machine.rtc = [](long read, uint64_t) { return static_cast<uint8_t>(read & 1); };
  EXPECT_EQ(TimeRtcSecond(200000), 0u);
  EXPECT_NEAR(machine.rtc_reads, 300000, 2);
}

TEST_F(ScriptedTest, IntervalWithAHoleInItIsTakenAgain) {
  const double hz = 100e6;  // a port access costs 1 us
  machine.cycles_per_access = 100;
  machine.timer = [hz](uint64_t tsc) { return SquareWaveReading(tsc, hz); };
  machine.rtc = [hz](long, uint64_t tsc) { return SecondsAt(tsc, hz); };
  // 50 ms lost inside the kept pass would add one or two wrap periods.
  machine.stalls = {{45000000, 5000000}};
  EXPECT_NEAR(TimeTimerWraps(), 655360 / 2.38636 * 100, 1000);

  // 20 ms lost just before the change that starts the second.
  machine.stalls = {{99900000, 2000000}};
  EXPECT_NEAR(static_cast<double>(TimeRtcSecond(100000000)), 1e8, 400);

  // Every change seen late: a bounded number of seconds, the one with the
  // closest ends kept.
  machine.stalls.clear();
  for (uint64_t s = 3; s < 12; ++s)
    machine.stalls.push_back({s * 100000000 - 50000, 2000000});
  machine.stalls[2].second = machine.stalls[3].second = 100000;
  EXPECT_NEAR(static_cast<double>(TimeRtcSecond(100000000)), 1e8, 1000);
  EXPECT_LT(machine.tsc, static_cast<uint64_t>(RTC_SECOND_ATTEMPTS + 5) * 100000000u);
}

std::string Warning(uint32_t timer_cycles, uint64_t rtc_cycles) {
  SetConsoleSwitches(false, false);
  ::testing::internal::CaptureStdout();
  CheckReferenceClocks(timer_cycles, rtc_cycles);
  return ::testing::internal::GetCapturedStdout();
}

TEST(CrossCheck, WarnsFromOneMegahertzApartInEitherDirectionWithTheRatio) {
  // 65,536,000 cycles over ten wraps are exactly 238,636,000 a second.
  const uint32_t timer = 65536000;
  const std::string head =
      "-------------------------------------------------\n"
      "Either CMOS-RTC or 14.318MHz clock seems strange.\n";
  for (int64_t apart : {0, 990000, -990000, 999999, -999999}) {
    EXPECT_EQ(Warning(timer, static_cast<uint64_t>(238636000 + apart)), "") << apart;
  }
  EXPECT_EQ(Warning(timer, 238636000 + 1000000), head + "factor : :1.0042\n");
  EXPECT_EQ(Warning(timer, 238636000 - 1000000), head + "factor : :0.9958\n");
  EXPECT_EQ(Warning(timer, 243408720), head + "factor : :1.0200\n");
  EXPECT_EQ(Warning(timer, 241581392), head + "factor : :1.0123\n");  // 1.012343
  // 2600 MHz and 10 GHz in agreement, beyond a signed 32-bit second.
  EXPECT_EQ(Warning(714032000, 2600000000ull), "");
  EXPECT_EQ(Warning(2746250000u, 10000000000ull), "");
}

}  // namespace
