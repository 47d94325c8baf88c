// The native machine's processor side: CPUID and the flags, the timed loops
// (what they touch and how their cycle counts scale), the stand-in for
// disabling interrupts, and the benchmark buffer.
#include <gtest/gtest.h>
#include <sched.h>
#include <sys/mman.h>
#include <x86intrin.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "hw/native_linux.h"

namespace {

template <typename Run>
uint64_t MinCycles(Run run, int attempts = 25) {
  uint64_t best = UINT64_MAX;
  for (int i = 0; i < attempts; ++i) {
    uint64_t start = __rdtsc();
    run();
    uint64_t cycles = __rdtsc() - start;
    best = std::min(best, cycles);
  }
  return best;
}

double Ratio(uint64_t a, uint64_t b) {
  return static_cast<double>(a) / static_cast<double>(b);
}

std::string CpuinfoField(const std::string& name) {
  std::ifstream in("/proc/cpuinfo");
  std::string line;
  while (std::getline(in, line)) {
    if (line.compare(0, name.size(), name) == 0) {
      size_t colon = line.find(':');
      if (colon != std::string::npos)
        return line.substr(colon + 2);
    }
  }
  return "";
}

struct Pages {
  explicit Pages(size_t count) : size(count * 4096) {
    base = static_cast<unsigned char*>(
        mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
  }
  ~Pages() { munmap(base, size); }
  unsigned char* base;
  size_t size;
};

TEST(NativeProcessor, CpuidAndIdFlagAgreeWithTheKernel) {
  Machine* m = CreateServedPortsMachine();
  EXPECT_EQ(m->IdFlagChangeable(), 1);
  // The test toggles the flag and must put EFLAGS back as it found it.
  uint64_t before = __readeflags();
  m->IdFlagChangeable();
  EXPECT_EQ(__readeflags() & 0x200000, before & 0x200000);

  CpuidRegs leaf0 = m->Cpuid(0);
  char vendor[13] = {};
  memcpy(vendor, &leaf0.ebx, 4);
  memcpy(vendor + 4, &leaf0.edx, 4);
  memcpy(vendor + 8, &leaf0.ecx, 4);
  std::string expected_vendor = CpuinfoField("vendor_id");
  if (expected_vendor.empty())
    GTEST_SKIP() << "no /proc/cpuinfo";
  EXPECT_EQ(std::string(vendor), expected_vendor);
  CpuidRegs leaf1 = m->Cpuid(1);
  unsigned family = (leaf1.eax >> 8) & 0xF;
  if (family == 0xF)
    family += (leaf1.eax >> 20) & 0xFF;
  EXPECT_EQ(std::to_string(family), CpuinfoField("cpu family"));
}

TEST(NativeProcessor, DivisionCheckIsExactOnASoundFpu) {
  Machine* m = CreateServedPortsMachine();
  EXPECT_LE(std::abs(m->FdivResidue(824633702449.0)), 1e-14);
  EXPECT_LE(std::abs(m->FdivResidue(3.0)), 1e-18);
  EXPECT_EQ(m->FdivResidue(1.0), 0.0);
}

TEST(NativeLoops, BurstsTouchExactlyTheirTripsOf128Bytes) {
  Machine* m = CreateServedPortsMachine();
  Pages pages(3);
  memset(pages.base, 0xAA, pages.size);
  m->RunWriteBursts(pages.base + 128, 5);
  for (size_t i = 0; i < pages.size; ++i) {
    bool written = i >= 128 && i < 128 + 5 * 128;
    ASSERT_EQ(pages.base[i], written ? 0 : 0xAA) << "byte " << i;
  }
  // No trips touch nothing (a decrement from zero would run 2^32 trips).
  memset(pages.base, 0xAA, pages.size);
  m->RunWriteBursts(pages.base, 0);
  m->RunReadBursts(pages.base, 0);
  m->RunEmptyBursts(pages.base, 0);
  EXPECT_EQ(std::count(pages.base, pages.base + pages.size, 0xAA), static_cast<long>(pages.size));

  // Loads and stores end at the block's last byte: the page after it is
  // inaccessible, and the empty loop never touches memory at all.
  ASSERT_EQ(mprotect(pages.base + 4096, 8192, PROT_NONE), 0);
  m->RunReadBursts(pages.base, 32);
  m->RunWriteBursts(pages.base, 32);
  m->RunEmptyBursts(pages.base + 4096, 64);
}

// The ratio of two loops' cycle counts, as the median of several rounds that
// time both: a shared machine can slow one round's clock or steal its
// processor, and a median of minimums rides that out.
template <typename RunA, typename RunB>
double CycleRatio(RunA a, RunB b) {
  std::vector<double> ratios;
  for (int round = 0; round < 7; ++round)
    ratios.push_back(Ratio(MinCycles(a, 9), MinCycles(b, 9)));
  std::sort(ratios.begin(), ratios.end());
  return ratios[ratios.size() / 2];
}

TEST(NativeTiming, LoopCyclesScaleWithInstructionCounts) {
  Machine* m = CreateServedPortsMachine();
  Pages pages(8);
  unsigned char* block = pages.base;
  memset(block, 1, pages.size);
  m->InterruptsOff();
  const double inc256_64 = CycleRatio([m] { m->RunIncGroup(256); }, [m] { m->RunIncGroup(64); });
  const double inc128_64 = CycleRatio([m] { m->RunIncGroup(128); }, [m] { m->RunIncGroup(64); });
  const double read = CycleRatio([m, block] { m->RunReadBursts(block, 192); },
                                 [m, block] { m->RunReadBursts(block, 96); });
  const double write = CycleRatio([m, block] { m->RunWriteBursts(block, 192); },
                                  [m, block] { m->RunWriteBursts(block, 96); });
  const double empty = CycleRatio([m, block] { m->RunEmptyBursts(block, 20000); },
                                  [m, block] { m->RunEmptyBursts(block, 10000); });
  uint64_t read96 = MinCycles([m, block] { m->RunReadBursts(block, 96); });
  uint64_t empty10k = MinCycles([m, block] { m->RunEmptyBursts(block, 10000); });
  uint64_t empty0 = MinCycles([m, block] { m->RunEmptyBursts(block, 0); });
  m->InterruptsOn();

  // 65536 + 512 instructions against 16384 + 512 and 32768 + 512, at one
  // dependent increment per clock.
  EXPECT_NEAR(inc256_64, 3.91, 0.5);
  EXPECT_NEAR(inc128_64, 1.97, 0.3);
  // Twice the trips (within the first-level cache), twice the cycles.
  EXPECT_NEAR(read, 2.0, 0.4);
  EXPECT_NEAR(write, 2.0, 0.4);
  EXPECT_NEAR(empty, 2.0, 0.3);
  EXPECT_LT(empty0 * 10, empty10k);
  // A trip of 32 loads costs more than a trip of loop control alone.
  EXPECT_GT(read96 * 10000, empty10k * 96 * 2);
}

TEST(NativeMachine, InterruptsOffPinsTheThreadAndNestsSafely) {
  Machine* m = CreateServedPortsMachine();
  cpu_set_t original;
  ASSERT_EQ(sched_getaffinity(0, sizeof original, &original), 0);
  int original_policy = sched_getscheduler(0);
  if (CPU_COUNT(&original) < 2)
    GTEST_SKIP() << "a single processor cannot show the pinning";

  m->InterruptsOn();  // unbalanced: nothing to restore, nothing changes
  m->InterruptsOff();
  m->InterruptsOff();
  cpu_set_t pinned;
  sched_getaffinity(0, sizeof pinned, &pinned);
  EXPECT_EQ(CPU_COUNT(&pinned), 1);
  EXPECT_TRUE(CPU_ISSET(sched_getcpu(), &pinned));
  int policy = sched_getscheduler(0);
  EXPECT_TRUE(policy == SCHED_FIFO || policy == original_policy);

  m->InterruptsOn();  // inner: still off
  sched_getaffinity(0, sizeof pinned, &pinned);
  EXPECT_EQ(CPU_COUNT(&pinned), 1);
  EXPECT_EQ(sched_getscheduler(0), policy);

  m->InterruptsOn();
  cpu_set_t restored;
  sched_getaffinity(0, sizeof restored, &restored);
  EXPECT_TRUE(CPU_EQUAL(&restored, &original));
  EXPECT_EQ(sched_getscheduler(0), original_policy);
}

TEST(NativeMachine, BenchmarkBufferIsCommittedAndWritable) {
  Machine* m = CreateServedPortsMachine();
  const size_t size = 8650752;
  auto* buffer = static_cast<unsigned char*>(m->AllocateTestBuffer(size));
  ASSERT_NE(buffer, nullptr);
  EXPECT_EQ(reinterpret_cast<uintptr_t>(buffer) % 4096, 0u);
  buffer[0] = 1;
  buffer[size - 1] = 2;
  m->ClearBlock(buffer, size);
  EXPECT_EQ(buffer[0] + buffer[size - 1], 0);
  m->ReleaseTestBuffer(buffer, size);
  m->ReleaseTestBuffer(nullptr, size);  // a refused allocation releases nothing
  // More than the address space can hold is refused, not crashed on.
  EXPECT_EQ(m->AllocateTestBuffer(SIZE_MAX - 4095), nullptr);
}

}  // namespace
