#include "timing/clock_frequency.h"

#include <cstdint>
#include <cstdio>

#include "console/console.h"
#include "hw/hw.h"
#include "timing/reference_clocks.h"
#include "timing/stopwatch.h"

namespace {

// One run of INC_GROUPS_PER_RUN groups with the given block length, in timer
// units; false when the timer does not run.  Each wrap seen between two
// readings adds a whole period to the starting count, so the result is the
// elapsed units however often the timer wrapped.
bool TimeIncRun(unsigned block_length, int32_t* units) {
  const int first = WaitTimerChange();
  if (first < 0)
    return false;
  int32_t start_count = first;
  int32_t previous = first;
  for (int group = 0; group < INC_GROUPS_PER_RUN; ++group) {
    RunIncGroup(block_length);
    const int32_t reading = ReadTimerCount();
    if (reading > previous)
      start_count += 65536;
    previous = reading;
  }
  *units = start_count - previous;
  return true;
}

// Twice in a row, keeping the second run: the first brings the code into the
// caches.
bool TimeIncRunTwice(unsigned block_length, int32_t* units) {
  return TimeIncRun(block_length, units) && TimeIncRun(block_length, units);
}

}  // namespace

double MeasureClockByTsc() {
  // Advance check, which also measures the cost of one start and stop.
  for (int pass = 0; pass < 2; ++pass) {
    StartStopwatch();
    StopStopwatch();
  }
  if (stopwatch.start == stopwatch.end) {
    // The process ends here, inside the caller's interrupts-off stretch; it
    // must not leave the machine with interrupts disabled.
    EnableInterrupts();
    FatalError(1, " Sorry, this CPU doesn't have RDMSR instruction.\n", "");
  }
  const uint32_t overhead = CycleElapsed();

  const uint32_t wraps = TimeTimerWraps();
  const bool timer_disturbed = wraps != 0 && last_timing_disturbed;
  const uint32_t timer_cycles = wraps - overhead;
  // The timer's rate bounds the wait for the real-time clock to true seconds.
  const uint64_t timer_per_second =
      wraps != 0 ? static_cast<uint64_t>(timer_cycles * TEN_WRAPS_PER_SECOND) : 0;
  const uint64_t rtc_cycles = TimeRtcSecond(timer_per_second);
  const bool rtc_disturbed = rtc_cycles != 0 && last_timing_disturbed;

  // A busy system that kept taking the processor away is no fault of the
  // clocks; it is said as what it is.
  if (rtc_disturbed) {
    PagedPrintTo(stderr,
                 "The system kept taking the processor away while the CMOS clock was timed: "
                 "the CPU clock may be off.\n");
    return static_cast<double>(rtc_cycles) / 1000000.0;
  }
  if (wraps != 0 && rtc_cycles != 0) {
    if (timer_disturbed) {
      PagedPrintTo(stderr,
                   "The system kept taking the processor away while the interval timer was "
                   "timed: the CMOS clock is not cross-checked.\n");
    } else {
      CheckReferenceClocks(timer_cycles, rtc_cycles);
    }
    return static_cast<double>(rtc_cycles) / 1000000.0;
  }
  if (rtc_cycles != 0) {
    PagedPrintTo(stderr,
                 "The interval timer does not count: the CMOS clock is not cross-checked.\n");
    return static_cast<double>(rtc_cycles) / 1000000.0;
  }
  if (wraps != 0) {
    PagedPrintTo(stderr,
                 "The CMOS clock does not tick: the CPU clock is measured against the "
                 "interval timer.\n");
    return static_cast<double>(timer_per_second) / 1000000.0;
  }
  PagedPrintTo(stderr,
               "Neither the interval timer nor the CMOS clock runs: the CPU clock is not "
               "measured.\n");
  return 0.0;
}

double MeasureClockByIncLoop() {
  for (int attempt = 0; attempt < INC_LOOP_ATTEMPTS; ++attempt) {
    SetTimerSquareWave();
    int32_t d256 = 0;
    int32_t d128 = 0;
    int32_t d64 = 0;
    if (!TimeIncRunTwice(INC_BLOCK_LONG, &d256) || !TimeIncRunTwice(INC_BLOCK_MIDDLE, &d128) ||
        !TimeIncRunTwice(INC_BLOCK_SHORT, &d64)) {
      PagedPrintTo(stderr,
                   "The interval timer does not count: the CPU clock is not measured by "
                   "INC EAX.\n");
      return 0.0;
    }
    // A disturbed measurement shows the longest run shorter than the middle
    // one, or differences that do not add up to a positive time.
    if (d256 < d128)
      continue;
    const int32_t units = (d256 - d128) + (d256 - d64);
    if (units <= 0)
      continue;
    return INCS_IN_DIFFERENCE * TIMER_UNITS_PER_MICROSECOND / units;
  }
  PagedPrintTo(stderr,
               "The INC EAX timing stayed inconsistent: the CPU clock is not measured by "
               "INC EAX.\n");
  return 0.0;
}
