// Each block is read or written twice and the second pass timed, so a block
// that fits in a cache is measured at that cache's speed; the rows then show
// where the bandwidth steps down as the blocks grow.  Where the system can
// take the processor away inside a pass, the second pass is repeated and the
// fastest kept.
#include "timing/memory_bench.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "console/console.h"
#include "hw/hw.h"
#include "timing/stopwatch.h"

namespace {

#if defined(KORVALT_BARE_MACHINE)
// The bare machine's image has to load on a PC of 8 MB, so its flush area is
// not part of it: the area lies in the RAM after the program, which the
// buffer shares (AllocateBenchMemory).
constexpr bool HAS_STATIC_FLUSH_AREA = false;
unsigned char* const static_flush_area = nullptr;
#else
// Zero-initialised and only ever written: clearing it before every row
// drives the previous row's data out of the caches.
constexpr bool HAS_STATIC_FLUSH_AREA = true;
unsigned char static_flush_area[FLUSH_AREA_SIZE];
#endif

constexpr long BYTES_PER_TRIP = 128;
// Block sizes in KB that are measured inside the best window; the larger
// ones start at the beginning of the buffer.
constexpr long LARGEST_WINDOW_ROW_KB = 256;
constexpr long LARGEST_ROW_KB = 8192;
constexpr int ROW_COUNT = 14;
// A bar longer than any real bandwidth could draw; it keeps the conversion
// to int defined whatever the figures are.
constexpr double BAR_LIMIT = 1000.0;

const char HEADER[] = "     [size]: [clk/burst] [MB/sec]\n";

enum RowKind { READ_ROW, WRITE_ROW };

// Where the benchmark's memory lies: a buffer of TEST_BUFFER_SIZE beside
// the static flush area, or one shared stretch with the buffer at its start
// and each row's flush area in the part its block leaves free.
struct BenchMemory {
  unsigned char* buffer;
  size_t buffer_bytes;
  size_t shared_bytes;  // 0: the flush area is the static one
};

// One pass of the empty twin (empty) or the timed loop; the write row, after
// each pass and outside the timed interval, fills its block with zero bytes.
uint32_t TimePass(bool empty, RowKind kind, unsigned char* block, uint32_t trips, size_t bytes) {
  StartStopwatch();
  if (empty) {
    RunEmptyBursts(block, trips);
  } else if (kind == READ_ROW) {
    RunReadBursts(block, trips);
  } else {
    RunWriteBursts(block, trips);
  }
  StopStopwatch();
  uint32_t elapsed = CycleElapsed();
  if (!empty && kind == WRITE_ROW)
    ClearBlock(block, bytes);
  return elapsed;
}

// The cycles of the block's accesses net of the loop around them, where
// interrupts really are off: each loop twice, the second pass counted.  The
// empty twin has the timed loop's trip count, so subtracting it leaves only
// the accesses.  The first timed pass meets a block the flush has driven out
// of the caches; the second finds whatever of it the caches could hold.
int32_t MeasureSecondPasses(RowKind kind, unsigned char* block, long size) {
  uint32_t trips = size > 0 ? static_cast<uint32_t>(size / BYTES_PER_TRIP) : 0;
  size_t bytes = static_cast<size_t>(size > 0 ? size : 0);
  TimePass(true, kind, block, trips, bytes);
  uint32_t empty_cycles = TimePass(true, kind, block, trips, bytes);
  TimePass(false, kind, block, trips, bytes);
  uint32_t timed_cycles = TimePass(false, kind, block, trips, bytes);
  return static_cast<int32_t>(timed_cycles - empty_cycles);
}

// Where the system can take the processor away inside a pass, each loop
// gets at least `least` passes after the first, more until the phase has
// taken its share of time (which bounds the whole section), `most` at the
// most.
struct PassBound {
  int least;
  int most;
  uint64_t phase_cycles;
};

// How many passes this machine's rows take; one where it is exact.
PassBound BoundForThisMachine(double clock_mhz) {
  if (!TimedPassesDisturbable())
    return PassBound{1, 1, 0};
  double cycles = clock_mhz > 0 ? clock_mhz * PHASE_MICROSECONDS : 0.0;
  return PassBound{REPEATED_PASSES_LEAST, REPEATED_PASSES_MOST, static_cast<uint64_t>(cycles)};
}

bool AnotherPass(int passes, uint64_t phase_start, const PassBound& bound) {
  if (passes >= bound.most)
    return false;
  return passes < bound.least || ReadTimeStampCounter() - phase_start < bound.phase_cycles;
}

// The fastest of a phase's passes after the first, which brings the loop
// (and for the timed loop, whatever of the block the caches hold) in and is
// not counted.  A disturbed pass is only ever slower than an undisturbed one.
uint32_t FastestPass(bool empty, RowKind kind, unsigned char* block, long size,
                     const PassBound& bound) {
  uint32_t trips = size > 0 ? static_cast<uint32_t>(size / BYTES_PER_TRIP) : 0;
  size_t bytes = static_cast<size_t>(size > 0 ? size : 0);
  TimePass(empty, kind, block, trips, bytes);
  uint64_t phase_start = ReadTimeStampCounter();
  uint32_t fastest = TimePass(empty, kind, block, trips, bytes);
  for (int passes = 1; AnotherPass(passes, phase_start, bound); ++passes) {
    uint32_t cycles = TimePass(empty, kind, block, trips, bytes);
    if (cycles < fastest)
      fastest = cycles;
  }
  return fastest;
}

// The net cycles of a row.  Where one pass may be disturbed, the empty twin
// and the timed loop are taken alike, each as its fastest pass.
int32_t MeasureNetCycles(RowKind kind, unsigned char* block, long size, const PassBound& bound) {
  if (bound.most <= 1)
    return MeasureSecondPasses(kind, block, size);
  uint32_t empty_cycles = FastestPass(true, kind, block, size, bound);
  uint32_t timed_cycles = FastestPass(false, kind, block, size, bound);
  return static_cast<int32_t>(timed_cycles - empty_cycles);
}

double MeasureRow(RowKind kind, unsigned char* block, long size, double clock_mhz) {
  const PassBound bound = BoundForThisMachine(clock_mhz);
  DisableInterrupts();
  int32_t t = MeasureNetCycles(kind, block, size, bound);
  // A loop no slower than its empty twin has no time to show; it is timed
  // again before the row says so.
  for (int attempt = 1; t <= 0 && attempt < ROW_ATTEMPTS; ++attempt)
    t = MeasureNetCycles(kind, block, size, bound);
  EnableInterrupts();

  const char* label = kind == READ_ROW ? "READ " : "WRITE";
  if (t <= 0 || size <= 0) {
    PagedPrint("%s% 5ldK: not timed: no time beyond the empty loop's in %d tries\n", label,
               size / 1024, ROW_ATTEMPTS);
    return 0.0;
  }
  MemoryRowFigures figures = ComputeRowFigures(t, size, clock_mhz);
  PagedPrint("%s% 5ldK: %7.3lf     %6.1lf  ", label, size / 1024, figures.clk_per_burst,
             figures.mb_per_sec);
  for (int i = 0; i < figures.bar_length; ++i)
    PagedPutChar('-', stdout);
  PagedPutChar('|', stdout);
  PagedPutChar('\n', stdout);
  return static_cast<double>(t) / static_cast<double>(size);
}

unsigned char* RowBlock(const BenchMemory& memory, long kb, int best_window) {
  return kb <= LARGEST_WINDOW_ROW_KB ? memory.buffer + static_cast<long>(best_window) * 1024
                                     : memory.buffer;
}

// Whether a row's block, and beside it a flush area of SMALLEST_FLUSH_AREA
// at least, fit in the benchmark's memory.
bool RowFits(const BenchMemory& memory, long kb, int best_window) {
  if (memory.shared_bytes == 0)
    return true;
  size_t offset = static_cast<size_t>(RowBlock(memory, kb, best_window) - memory.buffer);
  size_t bytes = static_cast<size_t>(kb) * 1024;
  return offset + bytes <= memory.shared_bytes &&
         memory.shared_bytes - bytes >= SMALLEST_FLUSH_AREA;
}

// Drives the previous row's data out of the caches.  In a shared stretch
// the flush area is up to FLUSH_AREA_SIZE of what the block leaves free: the
// bytes after it first, then those before it.
void FlushCaches(const BenchMemory& memory, const unsigned char* block, long size) {
  if (memory.shared_bytes == 0) {
    ClearBlock(static_flush_area, FLUSH_AREA_SIZE);
    return;
  }
  size_t before = static_cast<size_t>(block - memory.buffer);
  size_t block_end = before + static_cast<size_t>(size);
  size_t after = memory.shared_bytes - block_end;
  if (after > FLUSH_AREA_SIZE)
    after = FLUSH_AREA_SIZE;
  if (before > FLUSH_AREA_SIZE - after)
    before = FLUSH_AREA_SIZE - after;
  if (after > 0)
    ClearBlock(memory.buffer + block_end, after);
  if (before > 0)
    ClearBlock(memory.buffer + (block_end - static_cast<size_t>(size)) - before, before);
}

void RunRows(RowKind kind, const BenchMemory& memory, int best_window, double clock_mhz) {
  PagedPrint("%s", HEADER);
  for (long kb = 1; kb <= LARGEST_ROW_KB; kb *= 2) {
    if (!RowFits(memory, kb, best_window))
      continue;
    unsigned char* block = RowBlock(memory, kb, best_window);
    FlushCaches(memory, block, kb * 1024);
    if (kind == READ_ROW) {
      MeasureReadRow(block, kb * 1024, clock_mhz);
    } else {
      MeasureWriteRow(block, kb * 1024, clock_mhz);
    }
  }
}

// One line before the rows when some sizes do not fit: which, and why.
void PrintLeftOutSizes(const BenchMemory& memory, int best_window) {
  char sizes[ROW_COUNT * 10] = "";
  int left_out = 0;
  long last_kb = 0;
  for (long kb = 1; kb <= LARGEST_ROW_KB; kb *= 2) {
    if (RowFits(memory, kb, best_window))
      continue;
    if (left_out > 0) {
      size_t used = std::strlen(sizes);
      std::snprintf(sizes + used, sizeof sizes - used, "%s%ldK", left_out > 1 ? ", " : "", last_kb);
    }
    last_kb = kb;
    ++left_out;
  }
  if (left_out == 0)
    return;
  PagedPrint("Rows of %s%s%ldK are left out: too little memory (%lu KB free).\n", sizes,
             left_out > 1 ? " and " : "", last_kb,
             static_cast<unsigned long>(memory.shared_bytes / 1024));
}

// The buffer and flush area from the machine: one shared stretch where the
// RAM is the program's alone, else the buffer on its own beside the static
// flush area.  False when there is no memory for them.
bool ObtainBenchMemory(BenchMemory* memory) {
  size_t granted = 0;
  void* shared = AllocateBenchMemory(TEST_BUFFER_SIZE + FLUSH_AREA_SIZE, &granted);
  if (shared != nullptr) {
    memory->buffer = static_cast<unsigned char*>(shared);
    memory->buffer_bytes = granted < TEST_BUFFER_SIZE ? granted : TEST_BUFFER_SIZE;
    memory->shared_bytes = granted;
    return true;
  }
  if (!HAS_STATIC_FLUSH_AREA)
    return false;
  memory->buffer = static_cast<unsigned char*>(AllocateTestBuffer(TEST_BUFFER_SIZE));
  memory->buffer_bytes = TEST_BUFFER_SIZE;
  memory->shared_bytes = 0;
  return memory->buffer != nullptr;
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

int FindBestWindow(unsigned char* buffer, int window_count) {
  uint32_t best = 0x7FFFFFFF;
  int best_window = 0;
  for (int window = 0; window < window_count; ++window) {
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
  BenchMemory memory;
  if (!ObtainBenchMemory(&memory))
    return 0.0;

  // A buffer shorter than the full one (the bare machine on a small PC) has
  // fewer windows to choose from.
  int window_count = WINDOW_COUNT;
  if (memory.buffer_bytes < TEST_BUFFER_SIZE) {
    window_count =
        memory.buffer_bytes < WINDOW_SIZE
            ? 0
            : static_cast<int>((memory.buffer_bytes - WINDOW_SIZE) / (WINDOW_STEP_KB * 1024) + 1);
  }
  DisableInterrupts();
  int best_window = FindBestWindow(memory.buffer, window_count);
  EnableInterrupts();

  PrintLeftOutSizes(memory, best_window);
  RunRows(READ_ROW, memory, best_window, clock_mhz);
  RunRows(WRITE_ROW, memory, best_window, clock_mhz);

  ReleaseTestBuffer(memory.buffer,
                    memory.shared_bytes != 0 ? memory.shared_bytes : TEST_BUFFER_SIZE);
  return 0.0;
}
