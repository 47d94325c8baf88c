// The memory section: read and write bandwidth from 1 KB to 8192 KB.
#pragma once

#include <cstddef>
#include <cstdint>

// 8 MB + 256 KB: the largest block from the start, or a 256 KB window
// anywhere in the first 8 MB + 4 KB.
constexpr size_t TEST_BUFFER_SIZE = 8650752;
// 8 MB + 4 KB of static zeros, cleared before every row.
constexpr size_t FLUSH_AREA_SIZE = 8392704;
constexpr size_t WINDOW_SIZE = 262144;
constexpr int WINDOW_COUNT = 2048;
constexpr int WINDOW_STEP_KB = 4;

// Prints the whole section for a processor of clock_mhz (which turns cycles
// into time); returns 0.0.  Prints nothing when the test buffer cannot be had.
double RunMemoryBenchmark(double clock_mhz);
// One row for the block of size bytes (a multiple of 128) at block; returns
// the net cycles per byte.
double MeasureReadRow(unsigned char* block, long size, double clock_mhz);
double MeasureWriteRow(unsigned char* block, long size, double clock_mhz);

// The offset in KB of the 256 KB window of buffer that was fastest to clear
// (the lowest of equally fast ones).
int FindBestWindow(unsigned char* buffer);

struct MemoryRowFigures {
  double clk_per_burst;
  double mb_per_sec;
  int bar_length;
};

// The figures of a row from its net cycles.  A row with no positive net
// cycles was too fast to resolve: it shows 0.000, 0.0 and an empty bar.
MemoryRowFigures ComputeRowFigures(int32_t net_cycles, long size, double clock_mhz);
