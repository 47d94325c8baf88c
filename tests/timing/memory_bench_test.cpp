// The memory section against a probe machine whose loops cost exactly what
// a test says, and against simulated PCs whose caches end at known sizes.
#include "timing/memory_bench.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "console/console.h"
#include "hw/hw.h"
#include "null_machine.h"
#include "simulated_pc.h"

namespace {

// Records every call the benchmark makes and charges the time-stamp counter
// what the test's cost functions say.
class BenchProbe : public NullMachine {
 public:
  struct Event {
    char kind;  // c clear, e empty, r read, w write, o off, n on, a allocate, f free
    const void* at;
    uint64_t amount;  // bytes or trips
    bool interrupts_off;
  };

  std::vector<Event> events;
  uint64_t tsc = 123456;
  bool refuse_allocation = false;
  // A machine whose system can take the processor away inside a pass.
  bool disturbable = false;
  // Nonzero: the RAM is the program's alone and holds this many bytes for
  // the benchmark, buffer and flush area together.
  size_t shared_bytes = 0;
  std::function<uint64_t(uint32_t)> empty_cost = [](uint32_t trips) { return 2ull * trips; };
  std::function<uint64_t(const void*, uint32_t)> read_cost = [](const void*, uint32_t trips) {
    return 20ull * trips;
  };
  std::function<uint64_t(const void*, uint32_t)> write_cost = [](const void*, uint32_t trips) {
    return 30ull * trips;
  };
  std::function<uint64_t(const void*, size_t)> clear_cost = [](const void*, size_t) {
    return 1000ull;
  };
  std::vector<unsigned char> memory;

  int IdFlagChangeable() override { return 1; }
  uint64_t ReadTimeStampCounter() override { return tsc; }
  bool TimedPassesDisturbable() override { return disturbable; }
  void* AllocateBenchMemory(size_t wanted, size_t* granted) override {
    *granted = shared_bytes < wanted ? shared_bytes : wanted;
    if (shared_bytes == 0)
      return nullptr;
    Note('a', nullptr, *granted);
    memory.assign(*granted, 0);
    return memory.data();
  }
  void InterruptsOff() override { Note('o', nullptr, 0), ++off_depth_; }
  void InterruptsOn() override { --off_depth_, Note('n', nullptr, 0); }
  void RunReadBursts(const void* block, uint32_t trips) override {
    Note('r', block, trips);
    tsc += read_cost(block, trips);
  }
  void RunWriteBursts(void* block, uint32_t trips) override {
    Note('w', block, trips);
    tsc += write_cost(block, trips);
  }
  void RunEmptyBursts(const void* block, uint32_t trips) override {
    Note('e', block, trips);
    tsc += empty_cost(trips);
  }
  void ClearBlock(void* block, size_t bytes) override {
    Note('c', block, bytes);
    tsc += clear_cost(block, bytes);
  }
  void* AllocateTestBuffer(size_t bytes) override {
    Note('a', nullptr, bytes);
    if (refuse_allocation)
      return nullptr;
    memory.assign(bytes, 0);
    return memory.data();
  }
  void ReleaseTestBuffer(void* buffer, size_t bytes) override { Note('f', buffer, bytes); }

  unsigned char* buffer() { return memory.data(); }
  std::vector<Event> Of(char kind) const {
    std::vector<Event> found;
    for (const Event& e : events) {
      if (e.kind == kind)
        found.push_back(e);
    }
    return found;
  }

 private:
  void Note(char kind, const void* at, uint64_t amount) {
    events.push_back(Event{kind, at, amount, off_depth_ > 0});
  }
  int off_depth_ = 0;
};

class MemoryBench : public ::testing::Test {
 protected:
  void SetUp() override {
    SetConsoleSwitches(false, false);
    UseMachine(&probe, false);
    probe.memory.assign(64 * 1024, 0);  // room for single rows
  }
  void TearDown() override { UseMachine(nullptr, false); }

  std::string Capture(const std::function<void()>& run) {
    ::testing::internal::CaptureStdout();
    run();
    return ::testing::internal::GetCapturedStdout();
  }

  BenchProbe probe;
  double clock_mhz = 200.0;
};

TEST_F(MemoryBench, WorkedExampleRowsPrintExactly) {
  // 8 trips for 1 KB; the empty twin costs 16, the timed loop 16 + net.
  probe.read_cost = [](const void*, uint32_t) { return 16ull + 256; };
  std::string out = Capture([&] { MeasureReadRow(probe.buffer(), 1024, clock_mhz); });
  EXPECT_EQ(out, "READ     1K:   4.000      762.9  " + std::string(27, '-') + "|\n");

  probe.write_cost = [](const void*, uint32_t) { return 16ull + 2000; };
  out = Capture([&] { MeasureWriteRow(probe.buffer(), 1024, clock_mhz); });
  EXPECT_EQ(out, "WRITE    1K:  31.250       97.7  " + std::string(9, '-') + "|\n");
}

TEST_F(MemoryBench, SlowRowsDrawAnEmptyBarAndUnresolvableOnesSaySo) {
  // 1024 net cycles for 1 KB at 33.554432 MHz is 32 MB/sec exactly.
  clock_mhz = 33.554432;
  probe.read_cost = [](const void*, uint32_t trips) { return 2ull * trips + 1024; };
  EXPECT_EQ(Capture([&] { MeasureReadRow(probe.buffer(), 1024, clock_mhz); }),
            "READ     1K:  16.000       32.0  |\n");
  clock_mhz = 200.0;
  probe.read_cost = [](const void*, uint32_t trips) { return 2ull * trips + 100000; };
  EXPECT_EQ(Capture([&] { MeasureReadRow(probe.buffer(), 1024, clock_mhz); }),
            "READ     1K: 1562.500        2.0  |\n");

  // A loop no slower than its empty twin, or faster, is measured again and
  // then says it could not be timed, rather than show a bandwidth of 0.0.
  for (uint64_t timed : {16ull, 10ull}) {
    probe.read_cost = [timed](const void*, uint32_t) { return timed; };
    probe.events.clear();
    EXPECT_EQ(Capture([&] { MeasureReadRow(probe.buffer(), 1024, clock_mhz); }),
              "READ     1K: not timed: no time beyond the empty loop's in 2 tries\n");
    EXPECT_EQ(probe.Of('r').size(), 2u * ROW_ATTEMPTS);
  }
  // A second measurement that succeeds is the row's figure.
  int reads = 0;
  probe.read_cost = [&](const void*, uint32_t) { return ++reads <= 2 ? 16ull : 16ull + 256; };
  EXPECT_EQ(Capture([&] { MeasureReadRow(probe.buffer(), 1024, clock_mhz); }).substr(0, 21),
            "READ     1K:   4.000 ");

  MemoryRowFigures f = ComputeRowFigures(-5, 1024, 200.0);
  EXPECT_EQ(f.bar_length, 0);
  EXPECT_TRUE(std::isfinite(f.mb_per_sec) && std::isfinite(f.clk_per_burst));
  f = ComputeRowFigures(1, 1024, 0.0);  // no clock known
  EXPECT_EQ(f.bar_length, 0);
  EXPECT_EQ(f.mb_per_sec, 0.0);
}

TEST_F(MemoryBench, SharedMachineKeepsTheUndisturbedPassesWithinTheTimeBound) {
  probe.disturbable = true;
  // Every seventh pass of each loop is held up by the system, among them the
  // one a single pass would count; the rest take what the row costs.  The
  // empty twin and the timed loop are each taken many times, so the held-up
  // ones drop out of both.
  int empties = 0, reads = 0;
  probe.empty_cost = [&](uint32_t trips) { return 2ull * trips + (++empties % 7 == 2 ? 500 : 0); };
  probe.read_cost = [&](const void*, uint32_t trips) {
    return 2ull * trips + 256 + (++reads % 7 == 2 ? 900 : 0);
  };
  // A fast clock, so that the passes run to the most there may be.
  clock_mhz = 2000.0;
  EXPECT_EQ(Capture([&] { MeasureReadRow(probe.buffer(), 1024, clock_mhz); }).substr(0, 21),
            "READ     1K:   4.000 ");
  EXPECT_EQ(probe.Of('e').size(), 1u + REPEATED_PASSES_MOST);
  EXPECT_EQ(probe.Of('r').size(), 1u + REPEATED_PASSES_MOST);
  for (const BenchProbe::Event& e : probe.events)
    EXPECT_TRUE(e.interrupts_off || e.kind == 'o' || e.kind == 'n');

  // Long passes stop once the phase's time is spent, after the fewest.
  probe.events.clear();
  const uint64_t phase = static_cast<uint64_t>(clock_mhz * PHASE_MICROSECONDS);
  probe.read_cost = [&](const void*, uint32_t) { return phase / 2; };
  probe.write_cost = probe.read_cost;
  Capture([&] { MeasureWriteRow(probe.buffer(), 1024, clock_mhz); });
  EXPECT_EQ(probe.Of('w').size(), 1u + REPEATED_PASSES_LEAST);
  // The write row still clears its block after every pass.
  EXPECT_EQ(probe.Of('c').size(), probe.Of('w').size());
}

TEST_F(MemoryBench, RowTimesTheSecondPassesNetOfTheEmptyTwin) {
  // First passes are made slow; only the second of each pair may count.
  int empties = 0, reads = 0;
  probe.empty_cost = [&](uint32_t trips) { return ++empties == 1 ? 99999 : 2ull * trips; };
  probe.read_cost = [&](const void*, uint32_t trips) {
    return ++reads == 1 ? 99999 : 2ull * trips + 256;
  };
  EXPECT_EQ(Capture([&] { MeasureReadRow(probe.buffer(), 1024, clock_mhz); }).substr(0, 21),
            "READ     1K:   4.000 ");
  // Calibration twice, timed twice, all with interrupts off, same block and
  // trips; the write row clears its block after each timed pass.
  probe.events.clear();
  Capture([&] { MeasureWriteRow(probe.buffer() + 4096, 2048, clock_mhz); });
  std::string order;
  for (const BenchProbe::Event& e : probe.events)
    order += e.kind;
  EXPECT_EQ(order, "oeewcwcn");
  for (const BenchProbe::Event& e : probe.events) {
    if (e.kind == 'o' || e.kind == 'n')
      continue;
    EXPECT_TRUE(e.interrupts_off);
    EXPECT_EQ(e.at, probe.buffer() + 4096);
    EXPECT_EQ(e.amount, e.kind == 'c' ? 2048u : 16u);
  }
}

TEST_F(MemoryBench, WholeSectionLayoutFlushesAndBlocks) {
  // The window at 40 KB clears fastest.
  probe.clear_cost = [&](const void* at, size_t bytes) -> uint64_t {
    if (bytes != WINDOW_SIZE)
      return 0;
    return static_cast<const unsigned char*>(at) - probe.buffer() == 40 * 1024 ? 100 : 200;
  };
  std::string out = Capture([&] { EXPECT_EQ(RunMemoryBenchmark(clock_mhz), 0.0); });
  std::vector<std::string> lines = Lines(out);
  ASSERT_EQ(lines.size(), 30u);
  const char* header = "     [size]: [clk/burst] [MB/sec]";
  EXPECT_EQ(lines[0], header);
  EXPECT_EQ(lines[15], header);
  const char* sizes[] = {"    1", "    2", "    4", "    8", "   16", "   32", "   64",
                         "  128", "  256", "  512", " 1024", " 2048", " 4096", " 8192"};
  for (int i = 0; i < 14; ++i) {
    EXPECT_EQ(lines[1 + i].substr(0, 12), std::string("READ ") + sizes[i] + "K:");
    EXPECT_EQ(lines[16 + i].substr(0, 12), std::string("WRITE") + sizes[i] + "K:");
  }

  // Every row starts from the same cold state: the whole flush area is
  // cleared, with interrupts on, right before each row's calibration.
  int flushes = 0;
  const std::vector<BenchProbe::Event>& ev = probe.events;
  for (size_t i = 0; i + 1 < ev.size(); ++i) {
    if (ev[i].kind == 'c' && ev[i].amount == FLUSH_AREA_SIZE) {
      ++flushes;
      EXPECT_FALSE(ev[i].interrupts_off);
      EXPECT_EQ(ev[i + 1].kind, 'o');
      EXPECT_EQ(ev[i + 2].kind, 'e');
    }
  }
  EXPECT_EQ(flushes, 28);
  EXPECT_EQ(ev.front().kind, 'a');
  EXPECT_EQ(ev.back().kind, 'f');
  EXPECT_EQ(ev.back().at, probe.buffer());
  EXPECT_EQ(ev.back().amount, TEST_BUFFER_SIZE);

  // Rows up to 256 KB lie in the best window, larger ones at the start.
  std::vector<BenchProbe::Event> reads = probe.Of('r');
  ASSERT_EQ(reads.size(), 28u);
  for (size_t i = 0; i < reads.size(); i += 2) {
    long kb = 1L << (i / 2);
    EXPECT_EQ(reads[i].amount, static_cast<uint64_t>(kb * 1024 / 128));
    EXPECT_EQ(static_cast<const unsigned char*>(reads[i].at) - probe.buffer(),
              kb <= 256 ? 40 * 1024 : 0)
        << kb << " KB";
  }
}

TEST_F(MemoryBench, WindowSearchKeepsTheLowestOfTheFastestSecondPasses) {
  probe.AllocateTestBuffer(TEST_BUFFER_SIZE);
  unsigned char* base = probe.buffer();
  // Windows at 100 KB and 8000 KB clear equally fast; the one at 4 KB is
  // fastest, but only on its first pass, which does not count.
  std::vector<int> passes(WINDOW_COUNT);
  probe.clear_cost = [&](const void* at, size_t) -> uint64_t {
    long kb = (static_cast<const unsigned char*>(at) - base) / 1024;
    int pass = passes[kb / 4]++;
    if (kb == 4 && pass == 0)
      return 1;
    return kb == 100 || kb == 8000 ? 500 : 900;
  };
  EXPECT_EQ(FindBestWindow(base), 100);

  // Each window cleared twice, 256 KB at 4 KB steps, the last one ending
  // inside the buffer.
  std::vector<BenchProbe::Event> clears = probe.Of('c');
  ASSERT_EQ(clears.size(), 2u * WINDOW_COUNT);
  for (const BenchProbe::Event& c : clears)
    EXPECT_EQ(c.amount, WINDOW_SIZE);
  const auto* last = static_cast<const unsigned char*>(clears.back().at);
  EXPECT_EQ(last - base, 8188 * 1024);
  EXPECT_LE(last + WINDOW_SIZE, base + TEST_BUFFER_SIZE);

  // A counter that stands still makes every window equal: the first wins.
  probe.clear_cost = [](const void*, size_t) { return 0ull; };
  EXPECT_EQ(FindBestWindow(base), 0);
}

TEST_F(MemoryBench, SmallRamMeasuresTheBlocksThatFitAndSaysWhichNot) {
  struct Case {
    size_t ram;
    int rows;
    std::string first_line;
  };
  const Case cases[] = {
      // An 8 MB PC: the 8192K block would leave no room to flush.
      {6u << 20, 13, "Rows of 8192K are left out: too little memory (6144 KB free)."},
      // From 16 MB every row fits, the 8192K one beside a smaller flush.
      {(29u << 20) / 2, 14, "     [size]: [clk/burst] [MB/sec]"},
      {3u << 20, 11,
       "Rows of 2048K, 4096K and 8192K are left out: too little memory (3072 KB free)."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ram);
    probe.shared_bytes = c.ram;
    probe.events.clear();
    // The window at 1000 KB clears fastest: window rows flush on both sides.
    probe.clear_cost = [&](const void* at, size_t bytes) -> uint64_t {
      if (bytes != WINDOW_SIZE)
        return 0;
      return static_cast<const unsigned char*>(at) - probe.buffer() == 1000 * 1024 ? 100 : 200;
    };
    std::vector<std::string> lines =
        Lines(Capture([&] { EXPECT_EQ(RunMemoryBenchmark(clock_mhz), 0.0); }));
    ASSERT_EQ(lines.size(), 2u * c.rows + 2 + (c.rows < 14 ? 1 : 0));
    EXPECT_EQ(lines[0], c.first_line);

    // Everything inside the RAM; each row's flush (the clears with
    // interrupts on) ahead of it, outside its block, and between the
    // smallest and the full flush area.
    const unsigned char* ram = probe.buffer();
    std::vector<BenchProbe::Event> flush;
    int rows = 0;
    for (const BenchProbe::Event& e : probe.events) {
      const auto* at = static_cast<const unsigned char*>(e.at);
      const size_t bytes = e.kind == 'c' ? e.amount : e.amount * 128;
      if (e.kind != 'c' && e.kind != 'r' && e.kind != 'w')
        continue;
      EXPECT_TRUE(at >= ram && at + bytes <= ram + c.ram);
      if (e.kind == 'c' && !e.interrupts_off) {
        flush.push_back(e);
      } else if (e.kind != 'c' && !flush.empty()) {
        ++rows;
        EXPECT_EQ(at - ram, bytes <= WINDOW_SIZE ? 1000 * 1024 : 0);
        size_t flushed = 0;
        for (const BenchProbe::Event& f : flush) {
          const auto* from = static_cast<const unsigned char*>(f.at);
          EXPECT_TRUE(from + f.amount <= at || from >= at + bytes);
          flushed += f.amount;
        }
        EXPECT_TRUE(flushed >= SMALLEST_FLUSH_AREA && flushed <= FLUSH_AREA_SIZE) << flushed;
        flush.clear();
      }
    }
    EXPECT_EQ(rows, 2 * c.rows);
    EXPECT_EQ(probe.Of('f').back().amount, c.ram);
  }
}

TEST_F(MemoryBench, RefusedBufferPrintsNothing) {
  probe.refuse_allocation = true;
  EXPECT_EQ(Capture([&] { EXPECT_EQ(RunMemoryBenchmark(clock_mhz), 0.0); }), "");
  ASSERT_EQ(probe.events.size(), 1u);
  EXPECT_EQ(probe.events[0].kind, 'a');
}

TEST(MemoryBenchSimulated, RowsStepDownWhereTheCachesEnd) {
  SetConsoleSwitches(false, false);
  SimMachineDesc desc = CachedPentium();
  SimMachine sim(desc);
  sim.tracing = false;
  UseMachine(&sim, false);
  ::testing::internal::CaptureStdout();
  RunMemoryBenchmark(desc.cpu.clock_mhz);
  std::vector<std::string> lines = Lines(::testing::internal::GetCapturedStdout());
  UseMachine(nullptr, false);
  ASSERT_EQ(lines.size(), 30u);

  auto clk = [&](int line) { return std::stod(lines[line].substr(12, 8)); };
  for (int row = 0; row < 14; ++row) {
    long kb = 1L << row;
    double read_expected = kb <= 8 ? 2.0 : kb <= 256 ? 6.0 : 20.0;
    double write_expected = kb <= 8 ? 3.0 : kb <= 256 ? 8.0 : 24.0;
    EXPECT_NEAR(clk(1 + row), read_expected, read_expected * 0.15) << lines[1 + row];
    EXPECT_NEAR(clk(16 + row), write_expected, write_expected * 0.15) << lines[16 + row];
  }
}

}  // namespace
