#include "timing/clock_frequency.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "driver/options.h"
#include "hw/hw.h"
#include "timing/reference_clocks.h"
#include "timing/scripted_clocks.h"

namespace {

// A PC of the given clock whose port accesses cost 1 us, with a running
// 8254 and a real-time clock whose second lasts rtc_second_length seconds.
struct ScriptedPc {
  ScriptedClocks machine;
  double clock_hz;

  ScriptedPc(double clock, double rtc_second_length, double incs_per_clock = 1.0)
      : clock_hz(clock) {
    machine.keep_trace = false;
    machine.cycles_per_access = static_cast<uint64_t>(clock / 1e6);
    machine.cycles_per_counter_read = 20;
    machine.tsc = static_cast<uint64_t>(clock * 0.37);  // mid-second, mid-wrap
    const double hz = clock;
    machine.timer = [hz](long, uint64_t tsc) { return SquareWaveReading(tsc, hz); };
    machine.rtc = [hz, rtc_second_length](long, uint64_t tsc) {
      return static_cast<uint8_t>(
          static_cast<uint64_t>(static_cast<double>(tsc) / hz / rtc_second_length) % 60);
    };
    machine.inc_group_cycles = [incs_per_clock](unsigned k) {
      return static_cast<uint64_t>(256.0 * (k + 2) / incs_per_clock);
    };
    options.batch = 1;
    UseMachine(&machine, false);
  }
};

struct Measured {
  double mhz;
  std::string out;
  std::string err;
};

Measured ByTsc() {
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  const double mhz = MeasureClockByTsc();
  std::string out = ::testing::internal::GetCapturedStdout();
  return Measured{mhz, out, ::testing::internal::GetCapturedStderr()};
}

Measured ByIncLoop() {
  ::testing::internal::CaptureStdout();
  ::testing::internal::CaptureStderr();
  const double mhz = MeasureClockByIncLoop();
  std::string out = ::testing::internal::GetCapturedStdout();
  return Measured{mhz, out, ::testing::internal::GetCapturedStderr()};
}

void ExpectWithinPerMille(double measured, double expected) {
  EXPECT_NEAR(measured, expected, expected * 0.001);
}

TEST(ClockMeasurement, BothMethodsRecoverTheClock) {
  for (double mhz : {60.0, 233.33, 2600.0, 10000.0}) {
    SCOPED_TRACE(mhz);
    ScriptedPc pc(mhz * 1e6, 1.0);
    const Measured tsc = ByTsc();
    ExpectWithinPerMille(tsc.mhz, mhz);
    EXPECT_EQ(tsc.out, "");
    EXPECT_EQ(tsc.err, "");
    const Measured loop = ByIncLoop();
    ExpectWithinPerMille(loop.mhz, mhz);
    EXPECT_EQ(loop.out + loop.err, "");
  }
}

TEST(ClockMeasurement, SlowRealTimeClockShowsInTheCounterRateOnly) {
  ScriptedPc pc(60e6, 1.02);
  const Measured tsc = ByTsc();
  EXPECT_NEAR(tsc.mhz, 61.20, 0.005);
  EXPECT_EQ(tsc.out,
            "-------------------------------------------------\n"
            "Either CMOS-RTC or 14.318MHz clock seems strange.\n"
            "factor : :1.0200\n");
  // The instruction loop rests on the timer alone.
  EXPECT_NEAR(ByIncLoop().mhz, 60.00, 0.005);
}

TEST(ClockMeasurement, InstructionLoopCountsIncrementsNotClocks) {
  ScriptedPc pc(100e6, 1.0, 2.0);
  ExpectWithinPerMille(ByIncLoop().mhz, 200.0);
}

TEST(ClockMeasurement, DeadClocksAreSaidAndTheRestStillMeasured) {
  {
    SCOPED_TRACE("real-time clock stopped");
    ScriptedPc pc(233.33e6, 1.0);
    pc.machine.rtc = [](long, uint64_t) { return 0x17; };
    const Measured tsc = ByTsc();
    ExpectWithinPerMille(tsc.mhz, 233.33);
    EXPECT_EQ(tsc.out, "");
    EXPECT_EQ(tsc.err,
              "The CMOS clock does not tick: the CPU clock is measured against the interval "
              "timer.\n");
    // Given up after five seconds of the timer's rate, not later.
    EXPECT_LE(pc.machine.tsc, static_cast<uint64_t>(233.33e6 * (0.37 + 0.03 + 0.55 + 5.01)));
  }
  {
    SCOPED_TRACE("timer stopped");
    ScriptedPc pc(233.33e6, 1.0);
    pc.machine.timer = [](long, uint64_t) { return 0x8000; };
    const Measured tsc = ByTsc();
    ExpectWithinPerMille(tsc.mhz, 233.33);
    EXPECT_EQ(tsc.err, "The interval timer does not count: the CMOS clock is not cross-checked.\n");
    const Measured loop = ByIncLoop();
    EXPECT_EQ(loop.mhz, 0.0);
    EXPECT_EQ(loop.err,
              "The interval timer does not count: the CPU clock is not measured by INC EAX.\n");
    EXPECT_EQ(pc.machine.inc_groups, 0);
  }
  {
    SCOPED_TRACE("both stopped");
    ScriptedPc pc(233.33e6, 1.0);
    pc.machine.timer = [](long, uint64_t) { return 0x8000; };
    pc.machine.rtc = [](long, uint64_t) { return 0x17; };
    const Measured tsc = ByTsc();
    EXPECT_EQ(tsc.mhz, 0.0);
    EXPECT_EQ(tsc.err,
              "Neither the interval timer nor the CMOS clock runs: the CPU clock is not "
              "measured.\n");
    EXPECT_LE(pc.machine.timer_readings, TIMER_STUCK_READINGS + 1);
    EXPECT_LE(pc.machine.rtc_reads, RTC_WAIT_READS + 2);
  }
}

TEST(ClockMeasurementDeathTest, CounterThatStandsStillEndsTheRun) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  ScriptedPc pc(100e6, 1.0);
  pc.machine.cycles_per_counter_read = 0;
  EXPECT_EXIT(MeasureClockByTsc(), ::testing::ExitedWithCode(1),
              "^ Sorry, this CPU doesn't have RDMSR instruction\\.\n \n$");
}

// Counts the timer set-ups, one per attempt of the instruction loop.
int Attempts(const ScriptedClocks& machine) {
  int count = 0;
  for (const ScriptedAccess& access : machine.trace) {
    if (access.kind == 'o' && access.port == 0x43 && access.value == 0x36)
      ++count;
  }
  return count;
}

TEST(ClockMeasurement, DisturbedInstructionLoopIsRepeatedButNotForever) {
  {
    ScriptedPc pc(100e6, 1.0);
    pc.machine.keep_trace = true;
    // The first long-block groups run as if interrupted less than the rest:
    // the first attempt sees D256 < D128 and starts over.
    long groups = 0;
    pc.machine.inc_group_cycles = [&groups](unsigned k) {
      ++groups;
      if (groups <= 128)
        return 256ull * (k + 2) / 4;
      return 256ull * (k + 2);
    };
    ExpectWithinPerMille(ByIncLoop().mhz, 100.0);
    EXPECT_EQ(Attempts(pc.machine), 2);
  }
  {
    ScriptedPc pc(100e6, 1.0);
    pc.machine.keep_trace = true;
    pc.machine.inc_group_cycles = [](unsigned k) { return 256ull * (512 - k); };
    const Measured loop = ByIncLoop();
    EXPECT_EQ(loop.mhz, 0.0);
    EXPECT_EQ(loop.err,
              "The INC EAX timing stayed inconsistent: the CPU clock is not measured by INC "
              "EAX.\n");
    EXPECT_EQ(Attempts(pc.machine), INC_LOOP_ATTEMPTS);
  }
  {
    // Equal long and middle runs are accepted as they are.
    ScriptedPc pc(100e6, 1.0);
    pc.machine.keep_trace = true;
    pc.machine.inc_group_cycles = [](unsigned k) { return k == 64 ? 256ull * 66 : 256ull * 258; };
    const Measured loop = ByIncLoop();
    EXPECT_GT(loop.mhz, 0.0);
    EXPECT_EQ(Attempts(pc.machine), 1);
  }
}

}  // namespace
