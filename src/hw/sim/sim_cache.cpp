// The caches of a simulated PC, as fully associative LRU stores of bytes.
//
// Every memory operation the benchmark makes is an ascending sweep over one
// block, so the model remembers which ranges were swept, most recent first,
// and within a range takes the higher addresses as the more recent ones.  A
// byte hits a cache when fewer distinct bytes than the cache holds were
// touched since its own last touch (its reuse distance).  For a sweep that
// distance is the same for every byte of a piece that lies in one
// remembered range, so a sweep is split into such pieces and each piece is
// priced as a whole: a block swept twice runs from L1 when it fits in L1,
// from L2 when it fits there, else from memory.  Writes allocate like reads.
#include <algorithm>
#include <cmath>

#include "hw/sim/sim_machine.h"

namespace {

// Beyond this many remembered ranges the oldest are forgotten (they then
// count as memory), which only matters for access patterns far from sweeps.
constexpr size_t MAX_TOUCHED_RANGES = 64;

uint64_t Overlap(uintptr_t a_begin, uintptr_t a_end, uintptr_t b_begin, uintptr_t b_end) {
  const uintptr_t begin = std::max(a_begin, b_begin);
  const uintptr_t end = std::min(a_end, b_end);
  return end > begin ? end - begin : 0;
}

}  // namespace

SimMachine::SweepSplit SimMachine::SweepMemory(const void* block, uint64_t bytes) {
  SweepSplit split = {0, 0, bytes};
  const uint64_t l1 = desc_.caches.l1_bytes;
  const uint64_t l2 = desc_.caches.l2_bytes;
  const uint64_t remembered = std::max(l1, l2);
  if (bytes == 0 || remembered == 0)
    return split;
  const uintptr_t p = reinterpret_cast<uintptr_t>(block);
  const uintptr_t q = p + bytes;

  // Price the pieces of [p, q) that lie in remembered ranges; the rest was
  // never touched or has been pushed out of every cache.
  uint64_t more_recent = 0;  // bytes of the ranges before range r
  for (size_t r = 0; r < touched_.size(); ++r) {
    const TouchedRange& range = touched_[r];
    const uintptr_t s = std::max(p, range.begin);
    const uintptr_t t = std::min(q, range.end);
    if (s < t) {
      // Bytes of [p, s) that were already more recent than this range count
      // once only.
      uint64_t repeated = 0;
      for (size_t j = 0; j < r; ++j) {
        repeated += Overlap(p, s, touched_[j].begin, touched_[j].end);
      }
      const uint64_t distance = more_recent + (range.end - 1 - p) - repeated;
      const uint64_t piece = t - s;
      if (distance < l1) {
        split.l1 += piece;
      } else if (distance < l2) {
        split.l2 += piece;
      } else {
        continue;
      }
      split.memory -= piece;
    }
    more_recent += range.end - range.begin;
  }

  // The sweep becomes the most recent range.  What is left of a range it cut
  // keeps its place, the upper part (touched later) first.
  std::vector<TouchedRange> next;
  next.reserve(touched_.size() + 2);
  next.push_back(TouchedRange{p, q});
  for (const TouchedRange& range : touched_) {
    if (range.end > q) {
      next.push_back(TouchedRange{std::max(range.begin, q), range.end});
    }
    if (range.begin < p)
      next.push_back(TouchedRange{range.begin, std::min(range.end, p)});
  }
  // Neighbours where the older one ends where the newer begins are one sweep.
  std::vector<TouchedRange> merged;
  merged.reserve(next.size());
  for (const TouchedRange& range : next) {
    if (!merged.empty() && range.end == merged.back().begin) {
      merged.back().begin = range.begin;
    } else {
      merged.push_back(range);
    }
  }
  // Keep no more than the largest cache can hold, dropping the oldest bytes.
  uint64_t kept = 0;
  size_t count = 0;
  while (count < merged.size() && count < MAX_TOUCHED_RANGES && kept < remembered) {
    TouchedRange& range = merged[count];
    const uint64_t size = range.end - range.begin;
    if (kept + size > remembered)
      range.begin = range.end - (remembered - kept);
    kept += range.end - range.begin;
    ++count;
  }
  merged.resize(count);
  touched_.swap(merged);
  return split;
}

uint64_t SimMachine::SweepClocks(const void* block, uint64_t bytes, bool write) {
  const SweepSplit split = SweepMemory(block, bytes);
  const SimCaches& c = desc_.caches;
  const double l1 = write ? c.l1_write_clk : c.l1_read_clk;
  const double l2 = write ? c.l2_write_clk : c.l2_read_clk;
  const double memory = write ? c.mem_write_clk : c.mem_read_clk;
  const double clocks = (static_cast<double>(split.l1) * l1 + static_cast<double>(split.l2) * l2 +
                         static_cast<double>(split.memory) * memory) /
                        16.0;
  return static_cast<uint64_t>(std::llround(clocks));
}
