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

// The bound of one real-time-clock measurement.  With a rate estimate it is
// elapsed counter cycles, which is true time on any machine however fast its
// port reads are; without one it is a count of reads.
struct RtcWait {
  uint64_t started;
  uint64_t cycle_limit;  // 0: bounded by RTC_WAIT_READS
  long reads;
};

// Counts one read and says whether the measurement has run out of time.  The
// counter is looked at every 256 reads only, so that the polling stays tight.
bool RtcWaitExpired(RtcWait* wait) {
  ++wait->reads;
  if (wait->cycle_limit == 0)
    return wait->reads >= RTC_WAIT_READS;
  if ((wait->reads & 255) != 0)
    return false;
  return ReadTimeStampCounter() - wait->started >= wait->cycle_limit;
}

// Reads until the seconds value has come back the same RTC_STABLE_READS times
// in a row after *reference; any change starts the run again.  False when the
// bound ran out first.
bool SettleRtc(uint8_t* reference, RtcWait* wait) {
  long run = 0;
  for (;;) {
    const uint8_t now = ReadRtcSeconds();
    if (now == *reference) {
      if (run == RTC_STABLE_READS - 1)
        return true;
      ++run;
    } else {
      run = 0;
    }
    *reference = now;
    if (RtcWaitExpired(wait))
      return false;
  }
}

// Reads until the seconds value differs from reference.
bool WaitRtcEdge(uint8_t reference, RtcWait* wait) {
  while (ReadRtcSeconds() == reference) {
    if (RtcWaitExpired(wait))
      return false;
  }
  return true;
}

}  // namespace

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
  int previous = ReadTimerCount();
  long unchanged = 0;
  for (long readings = 0; readings < TIMER_WAIT_READINGS; ++readings) {
    const int now = ReadTimerCount();
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

uint8_t ReadRtcSeconds() {
  PortOutByte(RTC_INDEX_PORT, 0x00);
  return PortInByte(RTC_DATA_PORT);
}

uint32_t TimeTimerWraps() {
  SetTimerSquareWave();
  if (!WaitTimerWrap())
    return 0;
  // Twice, keeping the second pass: the first brings code and data into the
  // caches.
  for (int pass = 0; pass < 2; ++pass) {
    StartStopwatch();
    for (int wrap = 0; wrap < 10; ++wrap) {
      if (!WaitTimerWrap())
        return 0;
    }
    StopStopwatch();
  }
  return CycleElapsed();
}

uint64_t TimeRtcSecond(uint64_t cycles_per_second) {
  RtcWait wait = {ReadTimeStampCounter(),
                  static_cast<uint64_t>(static_cast<double>(cycles_per_second) * RTC_WAIT_SECONDS),
                  0};
  uint8_t reference = ReadRtcSeconds();
  if (!SettleRtc(&reference, &wait) || !WaitRtcEdge(reference, &wait))
    return 0;

  // One second from one change of the value to the next.  The full counter is
  // kept for this interval: a second is more than 2^32 cycles above 4.29 GHz.
  const uint64_t begin = ReadTimeStampCounter();
  if (!SettleRtc(&reference, &wait) || !WaitRtcEdge(reference, &wait))
    return 0;
  const uint64_t finish = ReadTimeStampCounter();

  stopwatch.start = static_cast<uint32_t>(begin);
  stopwatch.end = static_cast<uint32_t>(finish);
  CycleElapsed();
  return finish - begin;
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
