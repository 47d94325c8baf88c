// The cache model: second passes over a block run at the speed of the
// smallest level that holds it.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "sim_test_support.h"

namespace {

constexpr size_t KB = 1024;

struct Memory {
  std::vector<unsigned char> flush = std::vector<unsigned char>(8 * 1024 * KB + 4 * KB);
  std::vector<unsigned char> buffer = std::vector<unsigned char>(8 * 1024 * KB + 256 * KB);
};

// Clocks per 16 bytes of the second of two passes, with the empty loop of
// the same trip count taken off, after the caches were flushed.
double SecondPassClocksPerBurst(SimMachine& m, Memory& mem, unsigned char* block, size_t size,
                                bool write) {
  m.ClearBlock(mem.flush.data(), mem.flush.size());
  const uint32_t trips = static_cast<uint32_t>(size / 128);
  uint64_t before = m.Cycles();
  m.RunEmptyBursts(block, trips);
  const uint64_t empty = m.Cycles() - before;
  uint64_t timed = 0;
  for (int pass = 0; pass < 2; ++pass) {
    before = m.Cycles();
    if (write) {
      m.RunWriteBursts(block, trips);
    } else {
      m.RunReadBursts(block, trips);
    }
    timed = m.Cycles() - before;
  }
  return static_cast<double>(timed - empty) * 16.0 / static_cast<double>(size);
}

TEST(SimCache, RowsStepDownWhereEachCacheEnds) {
  SimMachine m(CachedPentium());  // 8 KB L1, 256 KB L2
  Memory mem;
  for (size_t size = 1 * KB; size <= 8192 * KB; size *= 2) {
    const double expect_read = size <= 8 * KB ? 2.0 : size <= 256 * KB ? 6.0 : 20.0;
    const double expect_write = size <= 8 * KB ? 3.0 : size <= 256 * KB ? 8.0 : 24.0;
    EXPECT_DOUBLE_EQ(SecondPassClocksPerBurst(m, mem, mem.buffer.data(), size, false), expect_read)
        << size / KB << " KB read";
    EXPECT_DOUBLE_EQ(SecondPassClocksPerBurst(m, mem, mem.buffer.data(), size, true), expect_write)
        << size / KB << " KB write";
  }
}

TEST(SimCache, LeastRecentlyUsedBytesLeaveFirst) {
  SimMachine m(CachedPentium());
  Memory mem;
  unsigned char* a = mem.buffer.data();
  unsigned char* b = a + 64 * KB;
  auto read_cost = [&](unsigned char* block, size_t size) {
    const uint64_t before = m.Cycles();
    m.RunReadBursts(block, static_cast<uint32_t>(size / 128));
    return (m.Cycles() - before - 2 * size / 128) * 16 / size;  // clocks per burst
  };
  // Two blocks that fit in L1 together stay there.
  m.ClearBlock(mem.flush.data(), mem.flush.size());
  read_cost(a, 4 * KB);
  read_cost(b, 4 * KB);
  EXPECT_EQ(read_cost(a, 4 * KB), 2u);
  // Two that do not: the older one has gone to L2.
  m.ClearBlock(mem.flush.data(), mem.flush.size());
  read_cost(a, 6 * KB);
  read_cost(b, 6 * KB);
  EXPECT_EQ(read_cost(a, 6 * KB), 6u);
  // Within one sweep the last bytes touched are the ones still in L1.
  m.ClearBlock(mem.flush.data(), mem.flush.size());
  read_cost(a, 16 * KB);
  EXPECT_EQ(read_cost(a + 8 * KB, 8 * KB), 2u);
  EXPECT_EQ(read_cost(a, 8 * KB), 6u);
  // Reading part of a sweep again leaves the rest of it where it was.
  m.ClearBlock(mem.flush.data(), mem.flush.size());
  read_cost(a, 16 * KB);
  read_cost(a, 4 * KB);
  EXPECT_EQ(read_cost(a + 12 * KB, 4 * KB), 2u);
  // Clearing a large area evicts everything, L2 included.
  read_cost(a, 4 * KB);
  m.ClearBlock(mem.flush.data(), mem.flush.size());
  EXPECT_EQ(read_cost(a, 4 * KB), 20u);
}

// The benchmark looks for the fastest 256 KB window by clearing each twice;
// on a machine whose L2 holds a window, every second clear costs the same.
TEST(SimCache, WindowClearsCostTheSameAndReallyClear) {
  SimMachine m(CachedPentium());
  Memory mem;
  std::memset(mem.buffer.data(), 0xAB, mem.buffer.size());
  uint64_t first_cost = 0;
  for (size_t window = 0; window < 64; ++window) {
    unsigned char* start = mem.buffer.data() + window * 4 * KB;
    uint64_t cost = 0;
    for (int pass = 0; pass < 2; ++pass) {
      const uint64_t before = m.Cycles();
      m.ClearBlock(start, 256 * KB);
      cost = m.Cycles() - before;
    }
    if (window == 0)
      first_cost = cost;
    EXPECT_EQ(cost, first_cost) << window;
  }
  const size_t cleared = 63 * 4 * KB + 256 * KB;
  EXPECT_EQ(mem.buffer[0], 0);
  EXPECT_EQ(mem.buffer[cleared - 1], 0);
  EXPECT_EQ(mem.buffer[cleared], 0xAB);
}

}  // namespace
