// The memory section: read and write bandwidth from 1 KB to 8192 KB.
#pragma once

#include <cstddef>
#include <cstdint>

// 8 MB + 256 KB: the largest block from the start, or a 256 KB window
// anywhere in the first 8 MB + 4 KB.
constexpr size_t TEST_BUFFER_SIZE = 8650752;
// 8 MB + 4 KB of zeros, cleared before every row: static storage, but on the
// bare machine part of the RAM it shares with the buffer.
constexpr size_t FLUSH_AREA_SIZE = 8392704;
constexpr size_t WINDOW_SIZE = 262144;
constexpr int WINDOW_COUNT = 2048;
constexpr int WINDOW_STEP_KB = 4;

// Where one buffer and flush area share the RAM there is (the bare machine),
// a row is measured only when its block leaves room for a flush area of at
// least 2 MB, the largest cache a PC with so little memory has (a board
// cache behind a K6-III).  From 16 MB of RAM on every row fits.
constexpr size_t SMALLEST_FLUSH_AREA = 2097152;

// Where the system can take the processor away inside a timed pass (native
// Linux and Windows), a row's empty twin and its timed loop each get at
// least REPEATED_PASSES_LEAST passes after the first, more until
// PHASE_MICROSECONDS have gone by, REPEATED_PASSES_MOST at the most; the
// fastest counts.  Elsewhere one pass is exact.
constexpr int REPEATED_PASSES_LEAST = 4;
constexpr int REPEATED_PASSES_MOST = 1000;
constexpr double PHASE_MICROSECONDS = 2000.0;
// A row that shows no time beyond its empty twin is measured this many times
// before it says so.
constexpr int ROW_ATTEMPTS = 2;

// Prints the whole section for a processor of clock_mhz (which turns cycles
// into time); returns 0.0.  Prints nothing when the test buffer cannot be had.
// Where the memory is short, the rows whose blocks do not fit are left out,
// and one line before the rows says which.
double RunMemoryBenchmark(double clock_mhz);
// One row for the block of size bytes (a multiple of 128) at block; returns
// the net cycles per byte, 0.0 when the row could not be timed.
double MeasureReadRow(unsigned char* block, long size, double clock_mhz);
double MeasureWriteRow(unsigned char* block, long size, double clock_mhz);

// The offset in KB of the 256 KB window of buffer that was fastest to clear
// (the lowest of equally fast ones), among the first window_count.
int FindBestWindow(unsigned char* buffer, int window_count = WINDOW_COUNT);

struct MemoryRowFigures {
  double clk_per_burst;
  double mb_per_sec;
  int bar_length;
};

// The figures of a row from its net cycles.  No positive net cycles give
// 0.0, 0.0 and an empty bar (such a row is printed as not timed instead).
MemoryRowFigures ComputeRowFigures(int32_t net_cycles, long size, double clock_mhz);
