#include "timing/clock_frequency.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "console/console.h"
#include "hw/hw.h"
#include "timing/reference_clocks.h"
#include "timing/scripted_clocks.h"

namespace {

// A PC of the given clock with port accesses of 1 us, a running timer and a
// real-time clock, started mid-second and mid-wrap.
class ScriptedPc : public ::testing::Test {
 protected:
  void Build(double mhz, double incs_per_clock = 1.0) {
    const double hz = mhz * 1e6;
    machine.cycles_per_access = static_cast<uint64_t>(mhz);
    machine.cycles_per_counter_read = 20;
    machine.tsc = static_cast<uint64_t>(hz * 0.37);
    machine.timer = [hz](uint64_t tsc) { return SquareWaveReading(tsc, hz); };
    machine.rtc = [hz](long, uint64_t tsc) { return SecondsAt(tsc, hz); };
    machine.inc_group_cycles = [incs_per_clock](unsigned k) {
      return static_cast<uint64_t>(256.0 * (k + 2) / incs_per_clock);
    };
    SetConsoleSwitches(false, false);
    UseMachine(&machine, false);
  }
  double Measure(double (*method)()) {
    ::testing::internal::CaptureStdout();
    ::testing::internal::CaptureStderr();
    const double mhz = method();
    out = ::testing::internal::GetCapturedStdout();
    err = ::testing::internal::GetCapturedStderr();
    return mhz;
  }
  ScriptedClocks machine;
  std::string out, err;
};

TEST_F(ScriptedPc, BothMethodsRecoverClocksBeyondFourGigahertz) {
  Build(10000.0);
  EXPECT_NEAR(Measure(MeasureClockByTsc), 10000.0, 10.0);
  EXPECT_NEAR(Measure(MeasureClockByIncLoop), 10000.0, 10.0);
  EXPECT_EQ(out + err, "");
}

TEST_F(ScriptedPc, InstructionLoopCountsIncrementsNotClocks) {
  Build(100.0, 2.0);
  EXPECT_NEAR(Measure(MeasureClockByIncLoop), 200.0, 0.2);
}

TEST_F(ScriptedPc, StoppedRealTimeClockLeavesTheTimersRate) {
  Build(233.33);
  machine.rtc = [](long, uint64_t) { return 0x17; };
  EXPECT_NEAR(Measure(MeasureClockByTsc), 233.33, 0.23);
  EXPECT_EQ(out, "");
  EXPECT_EQ(
      err, "The CMOS clock does not tick: the CPU clock is measured against the interval timer.\n");
  // Given up three seconds (by the timer) after the ten wraps, not later.
  EXPECT_LT(machine.tsc, static_cast<uint64_t>(233.33e6 * (0.37 + 0.6 + 3.01)));
}

TEST_F(ScriptedPc, StoppedTimerLeavesTheRealTimeClocksRateOnly) {
  Build(233.33);
  machine.timer = [](uint64_t) { return 0x8000; };
  EXPECT_NEAR(Measure(MeasureClockByTsc), 233.33, 0.23);
  EXPECT_EQ(err, "The interval timer does not count: the CMOS clock is not cross-checked.\n");
  EXPECT_EQ(Measure(MeasureClockByIncLoop), 0.0);
  EXPECT_EQ(err, "The interval timer does not count: the CPU clock is not measured by INC EAX.\n");
  EXPECT_EQ(machine.inc_groups, 0);

  machine.rtc = [](long, uint64_t) { return 0x17; };
  machine.rtc_reads = machine.timer_readings = 0;
  EXPECT_EQ(Measure(MeasureClockByTsc), 0.0);
  EXPECT_EQ(err,
            "Neither the interval timer nor the CMOS clock runs: the CPU clock is not measured.\n");
  EXPECT_LE(machine.timer_readings, TIMER_STUCK_READINGS + 1);
  EXPECT_LE(machine.rtc_reads, RTC_WAIT_READS + 2);
}

TEST_F(ScriptedPc, ProcessorTakenAwayIsSaidInsteadOfBlamingTheClocks) {
  // 200 MHz; 2 ms away every 10 ms cuts up every timer pass, and falling
  // on every change of the real-time clock, delays every second's end.
  Build(200.0);
  machine.ns_per_cycle = 5.0;
  for (uint64_t ms = 400; ms < 20000; ms += 10)
    machine.stalls.push_back({ms * 200000, 400000});
  EXPECT_GT(Measure(MeasureClockByTsc), 0.0);
  EXPECT_EQ(err,
            "The system kept taking the processor away while the CMOS clock was timed: the CPU "
            "clock may be off.\n");
  EXPECT_EQ(out, "");
}

TEST_F(ScriptedPc, ProcessorTakenAwayOnlyBetweenSecondsLeavesTheClockRight) {
  // Away between the changes only: the second is right, and the timer is
  // simply not compared with it.
  Build(200.0);
  machine.ns_per_cycle = 5.0;
  for (uint64_t ms = 405; ms < 20000; ms += 10)
    machine.stalls.push_back({ms * 200000, 400000});
  EXPECT_NEAR(Measure(MeasureClockByTsc), 200.0, 0.2);
  EXPECT_EQ(err,
            "The system kept taking the processor away while the interval timer was timed: the "
            "CMOS clock is not cross-checked.\n");
  EXPECT_EQ(out, "");
}

TEST_F(ScriptedPc, DisturbedInstructionLoopIsRepeatedButNotForever) {
  Build(100.0);
  // The first two long runs go four times too fast: D256 < D128, once.
  machine.inc_group_cycles = [this](unsigned k) {
    return 256ull * (k + 2) / (machine.inc_groups <= 128 ? 4 : 1);
  };
  EXPECT_NEAR(Measure(MeasureClockByIncLoop), 100.0, 0.1);
  EXPECT_EQ(machine.square_wave_setups, 2);

  machine.square_wave_setups = 0;
  machine.inc_group_cycles = [](unsigned k) { return 256ull * (512 - k); };
  EXPECT_EQ(Measure(MeasureClockByIncLoop), 0.0);
  EXPECT_EQ(err,
            "The INC EAX timing stayed inconsistent: the CPU clock is not measured by INC EAX.\n");
  EXPECT_EQ(machine.square_wave_setups, INC_LOOP_ATTEMPTS);

  // Long and middle runs of the same length are kept: 64 readings 300 units
  // apart in both, 100 apart in the short one, across several wraps.
  machine.square_wave_setups = 0;
  unsigned block = 0;
  long count = 0;
  machine.inc_group_cycles = [&block](unsigned k) {
    block = k;
    return 0ull;
  };
  machine.timer = [&](uint64_t) {
    count -= block == 64 ? 100 : 300;
    return static_cast<int>(count & 0xFFFF);
  };
  EXPECT_DOUBLE_EQ(Measure(MeasureClockByIncLoop), INCS_IN_DIFFERENCE * 2.38636 / (64 * 200));
  EXPECT_EQ(machine.square_wave_setups, 1);
}

const ScriptedClocks* ending_machine = nullptr;
void SayInterruptFlag() {
  std::fputs(ending_machine->interrupts_on ? "[on]" : "[off]", stderr);
}

TEST_F(ScriptedPc, CounterThatStandsStillEndsTheRunWithInterruptsBackOn) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  Build(100.0);
  machine.cycles_per_counter_read = 0;
  ending_machine = &machine;
  EXPECT_EXIT(
      {
        std::atexit(SayInterruptFlag);
        DisableInterrupts();
        MeasureClockByTsc();
      },
      ::testing::ExitedWithCode(1),
      "^ Sorry, this CPU doesn't have RDMSR instruction\\.\n \n\\[on\\]$");
}

}  // namespace
