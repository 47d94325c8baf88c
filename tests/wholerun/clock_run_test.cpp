// The clock lines of whole runs: every simulated PC of the catalogue, the one
// whose real-time clock runs slow, and this machine itself.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <string>

#include "hw/sim/sim_machine.h"
#include "run_program.h"

#if defined(__i386__) || defined(__x86_64__)
#include <x86intrin.h>
#endif

namespace {

const char WARNING_HEAD[] =
    "-------------------------------------------------\n"
    "Either CMOS-RTC or 14.318MHz clock seems strange.\n";

ProgramResult RunProcessorSection(const char* machine) {
  RunRequest request;
  request.args = {"-b", "-nochipset", "-nomemory"};
  if (machine != nullptr)
    request.env = {std::string("KORVALT_MACHINE=") + machine};
  return RunWithoutTerminal(request);
}

// The figure after `label` in the section, or -1 when the line is missing.
double ClockAfter(const std::string& out, const std::string& label) {
  const size_t at = out.find(label);
  if (at == std::string::npos)
    return -1.0;
  double mhz = -1.0;
  std::sscanf(out.c_str() + at + label.size(), "%lf", &mhz);
  return mhz;
}

const char BY_COUNTER[] = "| CPU Frequency (by RDTWR)  : ";
const char BY_LOOP[] = "| CPU Frequency (by INC EAX): ";
const char BY_LOOP_ONLY[] = "| CPU Frequency: ";

TEST(ClockRun, EveryCatalogueMachineShowsItsOwnClock) {
  for (const SimMachineDesc* desc = sim_catalogue; desc->name != nullptr; ++desc) {
    SCOPED_TRACE(desc->name);
    const ProgramResult run = RunProcessorSection(desc->name);
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_EQ(run.err, "");
    const double clock = desc->cpu.clock_mhz;
    const double loop = clock * desc->cpu.inc_per_clock;
    const bool warns = run.out.find(WARNING_HEAD) != std::string::npos;
    if (!desc->cpu.has_cpuid) {
      EXPECT_FALSE(warns);
      EXPECT_NE(run.out.find("Sorry, this CPU does not have CPUID.\n"), std::string::npos);
    } else if ((desc->cpu.features_edx & 0x10) == 0) {
      // Without a counter there is no cross-check, whatever the clocks do.
      EXPECT_FALSE(warns);
      EXPECT_NEAR(ClockAfter(run.out, BY_LOOP_ONLY), loop, loop * 0.001);
    } else {
      EXPECT_EQ(warns, desc->rtc_seconds_per_second != 1.0);
      const double counter = clock * desc->rtc_seconds_per_second;
      EXPECT_NEAR(ClockAfter(run.out, BY_COUNTER), counter, counter * 0.001);
      EXPECT_NEAR(ClockAfter(run.out, BY_LOOP), loop, loop * 0.001);
    }
  }
}

TEST(ClockRun, SlowRealTimeClockWarnsBeforeTheSection) {
  const ProgramResult run = RunProcessorSection("p5-60-lx");
  EXPECT_EQ(run.exit_status, 0);
  const std::string head = std::string(BANNER) + WARNING_HEAD + "factor : :1.0200\n" + DASHES +
                           "|CPU:  P5  [GenuineIntel Fam5 Mdl1 Stp 7]|\n"
                           "|----------------------------------------|\n"
                           "| CPU Frequency (by RDTWR)  :  61.20[MHz]|\n"
                           "| CPU Frequency (by INC EAX):  60.00[MHz]|\n";
  EXPECT_EQ(run.out.substr(0, head.size()), head);
}

#if defined(__i386__) || defined(__x86_64__)
bool CounterRunsAtOneRate() {
  std::ifstream cpuinfo("/proc/cpuinfo");
  std::string line;
  while (std::getline(cpuinfo, line)) {
    if (line.rfind("flags", 0) == 0) {
      return line.find(" constant_tsc") != std::string::npos &&
             line.find(" nonstop_tsc") != std::string::npos;
    }
  }
  return false;
}

// The counter's rate against the kernel's own monotonic clock.
double CounterMhzByKernelClock() {
  timespec a;
  timespec b;
  clock_gettime(CLOCK_MONOTONIC_RAW, &a);
  const uint64_t start = __rdtsc();
  do {
    clock_gettime(CLOCK_MONOTONIC_RAW, &b);
  } while ((b.tv_sec - a.tv_sec) * 1e9 + (b.tv_nsec - a.tv_nsec) < 300e6);
  const uint64_t end = __rdtsc();
  const double ns = (b.tv_sec - a.tv_sec) * 1e9 + (b.tv_nsec - a.tv_nsec);
  return static_cast<double>(end - start) / ns * 1000.0;
}

TEST(NativeTiming, CounterClockAgreesWithTheKernelsClock) {
  if (!CounterRunsAtOneRate())
    GTEST_SKIP() << "the time-stamp counter does not run at one rate";
  const double expected = CounterMhzByKernelClock();
  // A shared machine can take the processor away at either end of the
  // measured second, or during the loop runs; a second run is allowed when
  // the first was disturbed.  A run that says it was disturbed may be off;
  // one that does not is held to 1 %, which still catches a count cut to 32
  // bits or read as signed, which are off by far more.
  const std::string disturbed =
      "The system kept taking the processor away while the CMOS clock was timed: the CPU "
      "clock may be off.\n";
  ProgramResult run;
  double seconds = 0.0;
  for (int attempt = 0; attempt < 2; ++attempt) {
    const auto started = std::chrono::steady_clock::now();
    run = RunProcessorSection(nullptr);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    if (run.exit_status == 0 && run.err.empty() && ClockAfter(run.out, BY_LOOP) > 0.0 &&
        std::fabs(ClockAfter(run.out, BY_COUNTER) - expected) <= expected * 0.01)
      break;
  }
  EXPECT_EQ(run.exit_status, 0);
  const std::string not_cross_checked =
      "The system kept taking the processor away while the interval timer was timed: the "
      "CMOS clock is not cross-checked.\n";
  if (run.err != disturbed) {
    EXPECT_TRUE(run.err.empty() || run.err == not_cross_checked) << run.err;
    EXPECT_NEAR(ClockAfter(run.out, BY_COUNTER), expected, expected * 0.01);
  }
  EXPECT_GT(ClockAfter(run.out, BY_LOOP), 0.0);
  // One real-time-clock second, one to reach it and a few more when
  // disturbed, the timer passes.
  EXPECT_GT(seconds, 1.0);
  EXPECT_LT(seconds, 12.0);
}
#endif

}  // namespace
