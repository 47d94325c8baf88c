// The two reference clocks of a PC, measured in processor cycles: channel 0
// of the 8254 interval timer and the seconds register of the CMOS real-time
// clock.  Callers disable maskable interrupts around every operation here.
#pragma once

#include <cstdint>

// A latched timer reading falls by 2 at every 1.19318 MHz input clock.
constexpr double TIMER_UNITS_PER_MICROSECOND = 2.38636;
// 2,386,360 / 655,360: turns a count over ten wrap periods into a count per second.
constexpr double TEN_WRAPS_PER_SECOND = 3.64129638671875;
// Equal seconds reads in a row before the real-time clock counts as settled.
constexpr long RTC_STABLE_READS = 10001;

// A live timer changes its reading every 0.84 us; this many equal readings in
// a row take far longer than that on any machine, so the timer has stopped.
constexpr long TIMER_STUCK_READINGS = 100000;
// Backstop for a timer that changes but never wraps (a wrap is due every
// 27.46 ms): the most readings any one timer wait takes.
constexpr long TIMER_WAIT_READINGS = 8000000;
// Longest one wait for a change of the real-time clock may take, in seconds
// at the rate estimated from the timer; a live clock needs at most one.
constexpr double RTC_WAIT_SECONDS = 3.0;
// Without a rate estimate such a wait is bounded by this many seconds reads
// instead (a live clock needs fewer than 600,000 at ISA speed).
constexpr long RTC_WAIT_READS = 1500000;

// Where the system can still take the processor away while interrupts are
// "off", a timed interval may have a hole in it.  An interval whose ends, or
// whose timer readings, are further apart than 1/DISTURBANCE_FRACTION of it
// is timed again, up to these many times.
constexpr long DISTURBANCE_FRACTION = 2000;
constexpr int TIMER_PASS_ATTEMPTS = 5;
constexpr int RTC_SECOND_ATTEMPTS = 5;
constexpr uint64_t NANOSECONDS_PER_SECOND = 1000000000;

// Whether the interval the last TimeTimerWraps or TimeRtcSecond returned was
// disturbed: every attempt had a hole in it, and the least disturbed one was
// kept.
extern bool last_timing_disturbed;

// Channel 0 in mode 3, binary, reload count 65536: the PC's standard setting.
void SetTimerSquareWave();
// Latches channel 0 and reads its count, low byte then high byte.
int ReadTimerCount();
// The first reading that differs from the one taken on entry, or -1 when the
// timer has stopped.
int WaitTimerChange();
// Waits until the count jumps from the bottom back to the top; 1 then, 0 when
// the timer has stopped or never wraps.
int WaitTimerWrap();
// Register 0 of the real-time clock, selected anew by every read.
uint8_t ReadRtcSeconds();

// Cycles over ten wrap periods of the timer (the first undisturbed pass
// after a warm-up pass), or 0 when the timer does not run.
uint32_t TimeTimerWraps();
// Cycles over one second of the real-time clock, from the full 64-bit counter
// so that any clock rate fits, or 0 when the clock does not tick.
// cycles_per_second is the expected rate, which bounds each wait for a
// change of the seconds value (0: unknown).
uint64_t TimeRtcSecond(uint64_t cycles_per_second);

// Prints the three-line warning when the timer and the real-time clock give
// rates 1 MHz or more apart.
void CheckReferenceClocks(uint32_t timer_cycles, uint64_t rtc_cycles);
