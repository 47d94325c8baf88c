#include "timing/reference_clocks.h"

#include <cmath>
#include <cstdio>

#include "console/console.h"
#include "hw/hw.h"
#include "timing/stopwatch.h"

namespace {

const uint16_t TIMER_CONTROL_PORT = 0x43;
const uint16_t TIMER_CHANNEL0_PORT = 0x40;
const uint16_t RTC_INDEX_PORT = 0x70;
const uint16_t RTC_DATA_PORT = 0x71;

// One wait for a change of the real-time clock, with the counter noted
// before every read: that bounds the wait in true time, and says how closely
// the read that saw a change follows the last read that did not.
struct RtcWatch {
  uint64_t started;
  uint64_t cycle_limit;  // 0: bounded by RTC_WAIT_READS instead
  long reads;
  uint64_t previous_read;  // counter before the read before the latest
  uint64_t latest_read;    // counter before the latest read
  uint64_t previous_away;  // time away before the read before the latest
  uint64_t latest_away;    // time away before the latest read
};

void StartRtcWait(RtcWatch* watch) {
  watch->started = ReadTimeStampCounter();
  watch->reads = 0;
}

uint8_t WatchedRtcRead(RtcWatch* watch) {
  watch->previous_read = watch->latest_read;
  watch->previous_away = watch->latest_away;
  watch->latest_away = ProcessorTimeAway();
  watch->latest_read = ReadTimeStampCounter();
  ++watch->reads;
  return ReadRtcSeconds();
}

bool RtcWaitExpired(const RtcWatch& watch) {
  if (watch.cycle_limit == 0)
    return watch.reads >= RTC_WAIT_READS;
  return watch.latest_read - watch.started >= watch.cycle_limit;
}

// Settles, then waits for the seconds value to differ from *reference: the
// settle step reads until the value has come back the same RTC_STABLE_READS
// times in a row, any change starting the run again.  *reference is left
// holding the value before the change.  False when the wait ran out.
bool WaitRtcChange(uint8_t* reference, RtcWatch* watch) {
  StartRtcWait(watch);
  long run = 0;
  for (;;) {
    const uint8_t now = WatchedRtcRead(watch);
    if (now == *reference) {
      if (run == RTC_STABLE_READS - 1)
        break;
      ++run;
    } else {
      run = 0;
    }
    *reference = now;
    if (RtcWaitExpired(*watch))
      return false;
  }
  while (WatchedRtcRead(watch) == *reference) {
    if (RtcWaitExpired(*watch))
      return false;
  }
  return true;
}

// Timer readings with the counter noted before each, across the waits of one
// pass: the longest stretch between two readings shows whether the pass ran
// undisturbed.
struct GapWatch {
  uint64_t last;
  uint64_t longest;
};

int WatchedTimerCount(GapWatch* watch) {
  if (watch != nullptr) {
    const uint64_t now = ReadTimeStampCounter();
    if (now - watch->last > watch->longest)
      watch->longest = now - watch->last;
    watch->last = now;
  }
  return ReadTimerCount();
}

int WaitWrap(GapWatch* watch) {
  int previous = WatchedTimerCount(watch);
  long unchanged = 0;
  for (long readings = 0; readings < TIMER_WAIT_READINGS; ++readings) {
    const int now = WatchedTimerCount(watch);
    if (now > previous)
      return 1;
    if (now == previous) {
      if (++unchanged >= TIMER_STUCK_READINGS)
        return 0;
    } else {
      unchanged = 0;
    }
    previous = now;
  }
  return 0;
}

bool Undisturbed(uint64_t spread, uint64_t interval) {
  return spread * DISTURBANCE_FRACTION <= interval;
}

}  // namespace

bool last_timing_disturbed = false;

void SetTimerSquareWave() {
  PortOutByte(TIMER_CONTROL_PORT, 0x36);
  PortOutByte(TIMER_CHANNEL0_PORT, 0x00);
  PortOutByte(TIMER_CHANNEL0_PORT, 0x00);
}

int ReadTimerCount() {
  PortOutByte(TIMER_CONTROL_PORT, 0x00);
  const int low = PortInByte(TIMER_CHANNEL0_PORT);
  const int high = PortInByte(TIMER_CHANNEL0_PORT);
  return high * 256 + low;
}

int WaitTimerChange() {
  const int first = ReadTimerCount();
  for (long readings = 0; readings < TIMER_STUCK_READINGS; ++readings) {
    const int now = ReadTimerCount();
    if (now != first)
      return now;
  }
  return -1;
}

int WaitTimerWrap() {
  return WaitWrap(nullptr);
}

uint8_t ReadRtcSeconds() {
  PortOutByte(RTC_INDEX_PORT, 0x00);
  return PortInByte(RTC_DATA_PORT);
}

uint32_t TimeTimerWraps() {
  SetTimerSquareWave();
  // One watch across the passes: a pass starts where the wrap before it was
  // seen, so a hole between that reading and the start, or between the
  // last reading and the stop, misplaces an end and counts as well.
  GapWatch watch = {ReadTimeStampCounter(), 0};
  if (!WaitWrap(&watch))
    return 0;
  // The first pass only brings code and data into the caches; the next one
  // that ran undisturbed is kept.
  uint32_t cycles = 0;
  for (int pass = 0; pass <= TIMER_PASS_ATTEMPTS; ++pass) {
    watch.longest = 0;
    StartStopwatch();
    for (int wrap = 0; wrap < 10; ++wrap) {
      if (!WaitWrap(&watch))
        return 0;
    }
    StopStopwatch();
    const uint64_t stopped = ReadTimeStampCounter();
    if (stopped - watch.last > watch.longest)
      watch.longest = stopped - watch.last;
    cycles = CycleElapsed();
    last_timing_disturbed = !Undisturbed(watch.longest, cycles);
    if (pass > 0 && !last_timing_disturbed)
      break;
  }
  return cycles;
}

uint64_t TimeRtcSecond(uint64_t cycles_per_second) {
  RtcWatch watch = {};
  watch.cycle_limit =
      static_cast<uint64_t>(static_cast<double>(cycles_per_second) * RTC_WAIT_SECONDS);
  uint8_t reference = WatchedRtcRead(&watch);
  if (!WaitRtcChange(&reference, &watch))
    return 0;

  // One second from one change of the value to the next.  The full counter is
  // kept for this interval: a second is more than 2^32 cycles above 4.29 GHz.
  // Each change is known to lie between the read that saw it and the read
  // before; a second whose ends are not known closely enough is taken again.
  // The time the program was away between those two reads is checked too:
  // a hole there means the change was seen late.
  uint64_t begin = ReadTimeStampCounter();
  uint64_t begin_spread = begin - watch.previous_read;
  uint64_t begin_away = ProcessorTimeAway() - watch.previous_away;
  uint64_t best_begin = 0;
  uint64_t best_finish = 0;
  uint64_t best_spread = 0;
  last_timing_disturbed = true;
  for (int attempt = 0; attempt < RTC_SECOND_ATTEMPTS; ++attempt) {
    if (!WaitRtcChange(&reference, &watch))
      break;
    const uint64_t finish = ReadTimeStampCounter();
    const uint64_t finish_spread = finish - watch.previous_read;
    const uint64_t finish_away = ProcessorTimeAway() - watch.previous_away;
    const uint64_t spread = begin_spread + finish_spread;
    if (best_finish == 0 || spread < best_spread) {
      best_begin = begin;
      best_finish = finish;
      best_spread = spread;
    }
    if (Undisturbed(spread, finish - begin) &&
        Undisturbed(begin_away + finish_away, NANOSECONDS_PER_SECOND)) {
      best_begin = begin;
      best_finish = finish;
      last_timing_disturbed = false;
      break;
    }
    begin = finish;
    begin_spread = finish_spread;
    begin_away = finish_away;
  }
  if (best_finish == 0)
    return 0;

  stopwatch.start = static_cast<uint32_t>(best_begin);
  stopwatch.end = static_cast<uint32_t>(best_finish);
  CycleElapsed();
  return best_finish - best_begin;
}

void CheckReferenceClocks(uint32_t timer_cycles, uint64_t rtc_cycles) {
  // A clock that did not run has no rate to compare; the caller reports it.
  if (timer_cycles == 0 || rtc_cycles == 0)
    return;
  // Compared in cycles per second rather than as two rounded MHz figures:
  // both products are exact in a double (the factor is 238636 / 65536), so a
  // difference of exactly 1 MHz is found to be exactly that.
  const double timer_per_second = timer_cycles * TEN_WRAPS_PER_SECOND;
  const double rtc_per_second = static_cast<double>(rtc_cycles);
  if (std::fabs(rtc_per_second - timer_per_second) < 1000000.0)
    return;
  PagedPrintTo(stdout, "-------------------------------------------------\n");
  PagedPrintTo(stdout, "Either CMOS-RTC or 14.318MHz clock seems strange.\n");
  PagedPrintTo(stdout, "factor : :%5.4f\n", rtc_per_second / timer_per_second);
}
