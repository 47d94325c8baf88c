// The port accesses of detection on an undisturbed simulated PC, walked one
// by one: the stated waits are replayed on the values the machine gave, so
// any extra, missing or reordered access shows where it happens.
#include <gtest/gtest.h>

#include <vector>

#include "cpu_machines.h"

namespace {

class TraceWalk {
 public:
  explicit TraceWalk(const std::vector<PortAccess>& trace) : trace_(trace) {}

  bool ok() const { return ok_; }
  bool AtEnd() const { return at_ == trace_.size(); }
  size_t at() const { return at_; }

  void Out(uint16_t port, uint8_t value) { Take('o', port, value); }
  int In(uint16_t port) { return Take('i', port, 0); }

  void SquareWave() {
    Out(0x43, 0x36);
    Out(0x40, 0x00);
    Out(0x40, 0x00);
  }
  // Latch, low byte, high byte; -1 once the walk has gone wrong.
  int TimerReading() {
    Out(0x43, 0x00);
    const int low = In(0x40);
    const int high = In(0x40);
    return ok_ ? high * 256 + low : -1;
  }
  int RtcSeconds() {
    Out(0x70, 0x00);
    return In(0x71);
  }

 private:
  int Take(char kind, uint16_t port, uint8_t value) {
    if (!ok_)
      return -1;
    if (at_ >= trace_.size()) {
      ADD_FAILURE() << "trace ends where " << kind << " " << std::hex << port << " was due";
      ok_ = false;
      return -1;
    }
    const PortAccess& a = trace_[at_];
    if (a.kind != kind || a.port != port || (kind == 'o' && a.value != value)) {
      ADD_FAILURE() << "access " << at_ << " is " << a.kind << " " << std::hex << a.port << " "
                    << a.value << ", expected " << kind << " " << port << " " << unsigned{value};
      ok_ = false;
      return -1;
    }
    ++at_;
    return static_cast<int>(a.value);
  }

  const std::vector<PortAccess>& trace_;
  size_t at_ = 0;
  bool ok_ = true;
};

// A reading, then readings until one is above the one before it.
void TimerWrap(TraceWalk& walk) {
  int previous = walk.TimerReading();
  while (walk.ok()) {
    const int now = walk.TimerReading();
    if (now > previous)
      return;
    previous = now;
  }
}

// A reference read, then twice: settle on 10,001 equal reads in a row, and
// read until the value differs.
void RtcSecond(TraceWalk& walk) {
  int reference = walk.RtcSeconds();
  for (int edge = 0; edge < 2 && walk.ok(); ++edge) {
    long run = 0;
    while (walk.ok()) {
      const int now = walk.RtcSeconds();
      if (now == reference) {
        if (run == 10000)
          break;
        ++run;
      } else {
        run = 0;
      }
      reference = now;
    }
    while (walk.ok() && walk.RtcSeconds() == reference) {
    }
  }
}

// A wait for the timer to step, then one reading after each of 64 groups.
void IncRun(TraceWalk& walk) {
  const int first = walk.TimerReading();
  while (walk.ok() && walk.TimerReading() == first) {
  }
  for (int group = 0; group < 64 && walk.ok(); ++group)
    walk.TimerReading();
}

void IncLoopMethod(TraceWalk& walk) {
  walk.SquareWave();
  for (int run = 0; run < 6 && walk.ok(); ++run)
    IncRun(walk);
}

TEST(DetectionTrace, CounterMethodThenLoopMethodThenTheStandardTimer) {
  for (double mhz : {60.0, 233.33}) {
    SCOPED_TRACE(mhz);
    SimMachine sim(BarePc("GenuineIntel", 0x0543, 0x008001BF, mhz));
    StartRunOn(&sim);
    testing::internal::CaptureStdout();
    DetectCpu();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");

    TraceWalk walk(sim.trace);
    walk.SquareWave();
    for (int wait = 0; wait < 1 + 10 + 10; ++wait)
      TimerWrap(walk);
    RtcSecond(walk);
    IncLoopMethod(walk);
    walk.SquareWave();
    EXPECT_TRUE(walk.ok());
    EXPECT_TRUE(walk.AtEnd()) << walk.at() << " of " << sim.trace.size();
  }
}

TEST(DetectionTrace, WithoutCounterOnlyTheLoopMethod) {
  SimMachine sim(BarePc("CyrixInstead", 0x0520, 0x00000105, 133.33));
  StartRunOn(&sim);
  DetectCpu();
  TraceWalk walk(sim.trace);
  IncLoopMethod(walk);
  walk.SquareWave();
  EXPECT_TRUE(walk.ok());
  EXPECT_TRUE(walk.AtEnd()) << walk.at() << " of " << sim.trace.size();
}

}  // namespace
