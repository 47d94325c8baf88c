#include "timing/reference_clocks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/options.h"
#include "hw/hw.h"
#include "timing/scripted_clocks.h"
#include "timing/stopwatch.h"

namespace {

class ReferenceClocks : public ::testing::Test {
 protected:
  void SetUp() override {
    options.batch = 1;
    UseMachine(&machine, false);
  }
  ScriptedClocks machine;
};

std::string Accesses(const std::vector<ScriptedAccess>& trace) {
  std::string text;
  char item[24];
  for (const ScriptedAccess& access : trace) {
    if (access.kind == 'i') {
      snprintf(item, sizeof item, "in %02X;", access.port);
    } else {
      snprintf(item, sizeof item, "out %02X=%02X;", access.port, access.value);
    }
    text += item;
  }
  return text;
}

TEST_F(ReferenceClocks, PortSequencesOfTheTimerAndTheClock) {
  machine.timer = [](long, uint64_t) { return 0xA1B2; };
  machine.rtc = [](long read, uint64_t) { return static_cast<uint8_t>(0x30 + read); };

  SetTimerSquareWave();
  EXPECT_EQ(ReadTimerCount(), 0xA1B2);
  EXPECT_EQ(ReadRtcSeconds(), 0x30);
  EXPECT_EQ(ReadRtcSeconds(), 0x31);
  // The latch command before each reading, low byte first; the seconds
  // register selected anew by every read, with the NMI mask bit clear.
  EXPECT_EQ(Accesses(machine.trace),
            "out 43=36;out 40=00;out 40=00;"
            "out 43=00;in 40;in 40;"
            "out 70=00;in 71;out 70=00;in 71;");
}

TEST_F(ReferenceClocks, TimerWaitsEndAtTheRightReading) {
  std::vector<int> readings = {100, 90, 90, 80, 65000, 64000};
  machine.timer = [&](long n, uint64_t) { return readings[static_cast<size_t>(n)]; };
  // Equal readings and falling ones go on; the first rise is the wrap.
  EXPECT_EQ(WaitTimerWrap(), 1);
  EXPECT_EQ(machine.timer_readings, 5);

  readings = {7, 7, 7, 5, 3};
  machine.timer_readings = 0;
  EXPECT_EQ(WaitTimerChange(), 5);
  EXPECT_EQ(machine.timer_readings, 4);
}

TEST_F(ReferenceClocks, StoppedTimerIsGivenUpAfterABoundedNumberOfReadings) {
  machine.keep_trace = false;
  machine.timer = [](long, uint64_t) { return 0x1234; };
  EXPECT_EQ(WaitTimerWrap(), 0);
  EXPECT_EQ(machine.timer_readings, TIMER_STUCK_READINGS + 1);

  machine.timer_readings = 0;
  EXPECT_EQ(WaitTimerChange(), -1);
  EXPECT_EQ(machine.timer_readings, TIMER_STUCK_READINGS + 1);

  machine.timer_readings = 0;
  EXPECT_EQ(TimeTimerWraps(), 0u);
  EXPECT_EQ(machine.timer_readings, TIMER_STUCK_READINGS + 1);

  // A count that creeps down but never wraps ends at the backstop.
  machine.timer_readings = 0;
  machine.timer = [](long n, uint64_t) { return static_cast<int>(65535 - n / 50000); };
  EXPECT_EQ(WaitTimerWrap(), 0);
  EXPECT_EQ(machine.timer_readings, TIMER_WAIT_READINGS + 1);
}

TEST_F(ReferenceClocks, TenWrapsAreTimedOnTheSecondPass) {
  const double clock_hz = 100e6;
  machine.cycles_per_access = 100;  // 1 us per port access
  machine.keep_trace = false;
  machine.timer = [&](long, uint64_t tsc) { return SquareWaveReading(tsc, clock_hz); };
  const uint32_t cycles = TimeTimerWraps();
  // 655,360 units at 2.38636 per microsecond, within one reading's cost.
  EXPECT_NEAR(cycles, 655360 / 2.38636 * 100, 1000);
  EXPECT_EQ(cycles, stopwatch.elapsed);
}

TEST_F(ReferenceClocks, TimerPassWithAHoleInItIsTakenAgain) {
  const double clock_hz = 100e6;
  const double expected = 655360 / 2.38636 * 100;
  machine.cycles_per_access = 100;
  machine.keep_trace = false;
  machine.timer = [&](long, uint64_t tsc) { return SquareWaveReading(tsc, clock_hz); };
  // 50 ms lost inside the second pass would add one or two wrap periods.
  machine.stalls = {{45000000, 5000000}};
  EXPECT_NEAR(TimeTimerWraps(), expected, 1000);

  // Disturbed every time: still a bounded number of passes.
  machine.tsc = 1000;
  machine.stalls.clear();
  for (uint64_t at = 1000000; at < 400000000; at += 20000000)
    machine.stalls.push_back({at, 5000000});
  EXPECT_NE(TimeTimerWraps(), 0u);
  EXPECT_LT(machine.tsc, static_cast<uint64_t>(clock_hz * (0.03 + 6 * 0.2746) * 1.3));
}

// The seconds script: the value read at each index.  With one cycle per port
// access each read costs two cycles, so positions in the script are exact
// counter values.
struct SecondsScript {
  std::vector<std::pair<long, uint8_t>> changes;  // from this read on, this value
  uint8_t operator()(long read, uint64_t) const {
    uint8_t value = 0;
    for (const auto& change : changes) {
      if (read >= change.first)
        value = change.second;
    }
    return value;
  }
};

uint64_t CounterAfterRead(long read) {
  return 1000 + 2 * static_cast<uint64_t>(read + 1);
}

TEST_F(ReferenceClocks, SecondStartsAndEndsAtChangesAfterSettling) {
  machine.keep_trace = false;
  // The value changes twice during the first settle step: each change starts
  // the run of equal reads again, so the first edge seen is 8 at read 40000.
  machine.rtc = SecondsScript{{{0, 5}, {5000, 6}, {14000, 7}, {40000, 8}, {60000, 9}}};
  EXPECT_EQ(TimeRtcSecond(0), 40000u);
  EXPECT_EQ(stopwatch.start, CounterAfterRead(40000));
  EXPECT_EQ(stopwatch.end, CounterAfterRead(60000));
  EXPECT_EQ(stopwatch.elapsed, 40000u);
  EXPECT_EQ(machine.rtc_reads, 60001);
}

TEST_F(ReferenceClocks, SettlingNeedsTenThousandAndOneEqualReads) {
  machine.keep_trace = false;
  // Reads 1..10001 equal the first: settled, so the change at 10002 is the
  // edge that starts the second.
  machine.rtc = SecondsScript{{{0, 5}, {10002, 6}, {30000, 7}, {50000, 8}}};
  EXPECT_EQ(TimeRtcSecond(0), 2u * (30000 - 10002));
  EXPECT_EQ(stopwatch.start, CounterAfterRead(10002));

  // One equal read fewer: the change falls inside the settle step.
  machine.rtc_reads = 0;
  machine.tsc = 1000;
  machine.rtc = SecondsScript{{{0, 5}, {10001, 6}, {30000, 7}, {50000, 8}}};
  EXPECT_EQ(TimeRtcSecond(0), 2u * (50000 - 30000));
  EXPECT_EQ(stopwatch.start, CounterAfterRead(30000));
}

TEST_F(ReferenceClocks, ClockThatDoesNotTickIsGivenUpWithinTheBound) {
  machine.keep_trace = false;
  machine.rtc = [](long, uint64_t) { return 0x42; };
  // With a rate: three seconds at 200,000 cycles a second, two cycles a read.
  EXPECT_EQ(TimeRtcSecond(200000), 0u);
  EXPECT_GE(machine.rtc_reads, 300000);
  EXPECT_LE(machine.rtc_reads, 300002);

  // Without a rate: a count of reads.
  machine.rtc_reads = 0;
  EXPECT_EQ(TimeRtcSecond(0), 0u);
  EXPECT_GE(machine.rtc_reads, RTC_WAIT_READS);
  EXPECT_LE(machine.rtc_reads, RTC_WAIT_READS + 2);

  // A value that changes on every read never settles.
  machine.rtc_reads = 0;
  machine.rtc = [](long read, uint64_t) { return static_cast<uint8_t>(read & 1); };
  EXPECT_EQ(TimeRtcSecond(200000), 0u);
  EXPECT_LE(machine.rtc_reads, 300002);
}

TEST_F(ReferenceClocks, SecondOfAFastProcessorIsNotCutTo32Bits) {
  machine.keep_trace = false;
  // 10 GHz, a port access costs 1 us.
  const double clock_hz = 10e9;
  machine.cycles_per_access = 10000;
  machine.rtc = [&](long, uint64_t tsc) {
    return static_cast<uint8_t>(static_cast<double>(tsc) / clock_hz);
  };
  const uint64_t cycles = TimeRtcSecond(static_cast<uint64_t>(clock_hz));
  EXPECT_NEAR(static_cast<double>(cycles), clock_hz, 20000.0);
  // The stopwatch keeps the low halves as always.
  EXPECT_EQ(stopwatch.elapsed, static_cast<uint32_t>(cycles));
}

TEST_F(ReferenceClocks, SecondWhoseChangeWasSeenLateIsTakenAgain) {
  machine.keep_trace = false;
  const double clock_hz = 100e6;
  machine.cycles_per_access = 100;
  machine.tsc = 37000000;
  machine.rtc = [&](long, uint64_t tsc) {
    return static_cast<uint8_t>(static_cast<double>(tsc) / clock_hz);
  };
  // 20 ms lost just before the change that starts the second.
  machine.stalls = {{99900000, 2000000}};
  EXPECT_NEAR(static_cast<double>(TimeRtcSecond(100000000)), 1e8, 400);
  EXPECT_GE(machine.tsc, 300000000u);

  // Every change seen late: the second with the closest ends is kept.
  machine.tsc = 37000000;
  machine.stalls.clear();
  for (uint64_t second = 1; second < 10; ++second) {
    const uint64_t late = (second == 3 || second == 4) ? 100000 : 2000000;
    machine.stalls.push_back({second * 100000000 - 50000, late});
  }
  const uint64_t cycles = TimeRtcSecond(100000000);
  EXPECT_NEAR(static_cast<double>(cycles), 1e8, 1000);
  EXPECT_LT(machine.tsc, 500000000u);
}

class CrossCheck : public ::testing::Test {
 protected:
  void SetUp() override { options.batch = 1; }
  static std::string Warning(uint32_t timer_cycles, uint64_t rtc_cycles) {
    ::testing::internal::CaptureStdout();
    CheckReferenceClocks(timer_cycles, rtc_cycles);
    return ::testing::internal::GetCapturedStdout();
  }
};

// 65,536,000 cycles over ten wraps are exactly 238,636,000 cycles a second.
const uint32_t TIMER_238_636 = 65536000;
const std::string WARNING_HEAD =
    "-------------------------------------------------\n"
    "Either CMOS-RTC or 14.318MHz clock seems strange.\n";

TEST_F(CrossCheck, WarnsFromOneMegahertzApartInEitherDirection) {
  EXPECT_EQ(Warning(TIMER_238_636, 238636000), "");
  EXPECT_EQ(Warning(TIMER_238_636, 238636000 + 990000), "");
  EXPECT_EQ(Warning(TIMER_238_636, 238636000 - 990000), "");
  EXPECT_EQ(Warning(TIMER_238_636, 238636000 + 999999), "");
  EXPECT_EQ(Warning(TIMER_238_636, 238636000 + 1000000), WARNING_HEAD + "factor : :1.0042\n");
  EXPECT_EQ(Warning(TIMER_238_636, 238636000 - 1000000), WARNING_HEAD + "factor : :0.9958\n");
}

TEST_F(CrossCheck, FactorIsTheRatioWithFourDecimals) {
  EXPECT_EQ(Warning(TIMER_238_636, 243408720), WARNING_HEAD + "factor : :1.0200\n");
  EXPECT_EQ(Warning(TIMER_238_636, 241584777), WARNING_HEAD + "factor : :1.0124\n");
  EXPECT_EQ(Warning(TIMER_238_636, 241581392), WARNING_HEAD + "factor : :1.0123\n");
}

TEST_F(CrossCheck, AgreesAboveTheSigned32BitRange) {
  // 2600 MHz and 10 GHz processors whose clocks agree: no warning, where a
  // signed 32-bit conversion of the second would see a huge difference.
  EXPECT_EQ(Warning(714032000, 2600000000ull), "");
  EXPECT_EQ(Warning(2746250000u, 10000000000ull), "");
}

}  // namespace
