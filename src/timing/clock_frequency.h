// The processor clock, measured two independent ways.  Both expect maskable
// interrupts disabled by the caller and leave timer channel 0 in mode 3 with
// count 65536.
#pragma once

// Increments that the three runs' differences leave: 64 groups of 256 blocks
// times (256 - 128) + (256 - 64) increments per block.
constexpr long INCS_IN_DIFFERENCE = 256L * 320L * 64L;
// Block lengths of the three runs.
constexpr unsigned INC_BLOCK_LONG = 256;
constexpr unsigned INC_BLOCK_MIDDLE = 128;
constexpr unsigned INC_BLOCK_SHORT = 64;
constexpr int INC_GROUPS_PER_RUN = 64;
// A disturbed measurement is repeated, but not forever.
constexpr int INC_LOOP_ATTEMPTS = 16;

// Time-stamp-counter cycles over one real-time-clock second, in MHz, cross-
// checked against the interval timer.  Ends the process with status 1, with
// interrupts enabled again, when the counter does not advance.  When the
// real-time clock does not tick, the rate comes from the timer; when neither
// runs, the result is 0.0.  Each such case is said in one line on standard
// error.
double MeasureClockByTsc();

// Increments of INC EAX per microsecond, timed with the interval timer; 0.0
// (with a line on standard error) when the timer does not run or the runs
// never come out consistent.
double MeasureClockByIncLoop();
