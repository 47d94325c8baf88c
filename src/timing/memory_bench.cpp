// Each block is read or written twice and the second pass timed, so a block
// that fits in a cache is measured at that cache's speed; the rows then show
// where the bandwidth steps down as the blocks grow.
#include "timing/memory_bench.h"

#include <cmath>
#include <cstdio>

#include "console/console.h"
#include "hw/hw.h"
#include "timing/stopwatch.h"

namespace {

// Zero-initialised and only ever written: clearing it before every row
// drives the previous row's data out of the caches.
unsigned char flush_area[FLUSH_AREA_SIZE];

constexpr long BYTES_PER_TRIP = 128;
// Block sizes in KB that are measured inside the best window; the larger
// ones start at the beginning of the buffer.
constexpr long LARGEST_WINDOW_ROW_KB = 256;
constexpr long LARGEST_ROW_KB = 8192;
// A bar longer than any real bandwidth could draw; it keeps the conversion
// to int defined whatever the figures are.
constexpr double BAR_LIMIT = 1000.0;

const char HEADER[] = "     [size]: [clk/burst] [MB/sec]\n";

enum RowKind { READ_ROW, WRITE_ROW };

double MeasureRow(RowKind kind, unsigned char* block, long size, double clock_mhz) {
  uint32_t trips = size > 0 ? static_cast<uint32_t>(size / BYTES_PER_TRIP) : 0;

  DisableInterrupts();
  // The empty twin has the timed loop's trip count, so subtracting it leaves
  // only the cost of the accesses.
  for (int pass = 0; pass < 2; ++pass) {
    StartStopwatch();
    RunEmptyBursts(block, trips);
    StopStopwatch();
  }
  uint32_t empty_cycles = CycleElapsed();
  int32_t t = 0;
  // The first pass meets a block the flush has driven out of the caches;
  // the second finds whatever of it the caches could hold.
  for (int pass = 0; pass < 2; ++pass) {
    StartStopwatch();
    if (kind == READ_ROW) {
      RunReadBursts(block, trips);
    } else {
      RunWriteBursts(block, trips);
    }
    StopStopwatch();
    t = static_cast<int32_t>(CycleElapsed() - empty_cycles);
    if (kind == WRITE_ROW)
      ClearBlock(block, static_cast<size_t>(size > 0 ? size : 0));
  }
  EnableInterrupts();

  MemoryRowFigures figures = ComputeRowFigures(t, size, clock_mhz);
  PagedPrint(
      kind == READ_ROW ? "READ % 5ldK: %7.3lf     %6.1lf  " : "WRITE% 5ldK: %7.3lf     %6.1lf  ",
      size / 1024, figures.clk_per_burst, figures.mb_per_sec);
  for (int i = 0; i < figures.bar_length; ++i)
    PagedPutChar('-', stdout);
  PagedPutChar('|', stdout);
  PagedPutChar('\n', stdout);
  return size > 0 ? static_cast<double>(t) / static_cast<double>(size) : 0.0;
}

void RunRows(RowKind kind, unsigned char* test_buffer, int best_window, double clock_mhz) {
  PagedPrint("%s", HEADER);
  for (long kb = 1; kb <= LARGEST_ROW_KB; kb *= 2) {
    unsigned char* block = kb <= LARGEST_WINDOW_ROW_KB
                               ? test_buffer + static_cast<long>(best_window) * 1024
                               : test_buffer;
    ClearBlock(flush_area, FLUSH_AREA_SIZE);
    if (kind == READ_ROW) {
      MeasureReadRow(block, kb * 1024, clock_mhz);
    } else {
      MeasureWriteRow(block, kb * 1024, clock_mhz);
    }
  }
}

}  // namespace

MemoryRowFigures ComputeRowFigures(int32_t net_cycles, long size, double clock_mhz) {
  MemoryRowFigures figures = {0.0, 0.0, 0};
  // No positive net cycles: the loop ran faster than its empty twin could
  // resolve, and a bandwidth would be infinite or negative.
  if (net_cycles <= 0 || size <= 0)
    return figures;
  double t = net_cycles;
  double bytes = static_cast<double>(size);
  figures.clk_per_burst = t * 16 / bytes;
  figures.mb_per_sec = clock_mhz / (t / bytes) / 1.024 / 1.024;
  // Empty at 32 MB/sec, six characters more for every doubling.
  double bar = (std::log(figures.mb_per_sec) / std::log(2.0) - 5) * 6;
  if (!(bar > 0)) {
    figures.bar_length = 0;
  } else {
    figures.bar_length = static_cast<int>(bar < BAR_LIMIT ? bar : BAR_LIMIT);
  }
  return figures;
}

int FindBestWindow(unsigned char* buffer) {
  uint32_t best = 0x7FFFFFFF;
  int best_window = 0;
  for (int window = 0; window < WINDOW_COUNT; ++window) {
    int offset_kb = window * WINDOW_STEP_KB;
    for (int pass = 0; pass < 2; ++pass) {
      StartStopwatch();
      ClearBlock(buffer + static_cast<long>(offset_kb) * 1024, WINDOW_SIZE);
      StopStopwatch();
    }
    uint32_t elapsed = CycleElapsed();
    // Strictly smaller: among equally fast windows the lowest stays.
    if (elapsed < best) {
      best = elapsed;
      best_window = offset_kb;
    }
  }
  return best_window;
}

double MeasureReadRow(unsigned char* block, long size, double clock_mhz) {
  return MeasureRow(READ_ROW, block, size, clock_mhz);
}

double MeasureWriteRow(unsigned char* block, long size, double clock_mhz) {
  return MeasureRow(WRITE_ROW, block, size, clock_mhz);
}

double RunMemoryBenchmark(double clock_mhz) {
  auto* test_buffer = static_cast<unsigned char*>(AllocateTestBuffer(TEST_BUFFER_SIZE));
  if (test_buffer == nullptr)
    return 0.0;

  DisableInterrupts();
  int best_window = FindBestWindow(test_buffer);
  EnableInterrupts();

  RunRows(READ_ROW, test_buffer, best_window, clock_mhz);
  RunRows(WRITE_ROW, test_buffer, best_window, clock_mhz);

  ReleaseTestBuffer(test_buffer, TEST_BUFFER_SIZE);
  return 0.0;
}
