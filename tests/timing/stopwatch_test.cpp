#include "timing/stopwatch.h"

#include <gtest/gtest.h>

namespace {

TEST(CycleElapsed, IsTheDifferenceModuloTwoToThe32) {
  stopwatch.start = 1000;
  stopwatch.end = 4500;
  EXPECT_EQ(CycleElapsed(), 3500u);
  EXPECT_EQ(stopwatch.elapsed, 3500u);

  // The low half of the counter wrapped inside the interval.
  stopwatch.start = 0xFFFFFFF0u;
  stopwatch.end = 0x00000010u;
  EXPECT_EQ(CycleElapsed(), 0x20u);
  stopwatch.start = 0x80000000u;
  stopwatch.end = 0x7FFFFFFFu;
  EXPECT_EQ(CycleElapsed(), 0xFFFFFFFFu);

  stopwatch.start = 0xDEADBEEFu;
  stopwatch.end = 0xDEADBEEFu;
  EXPECT_EQ(CycleElapsed(), 0u);
  EXPECT_EQ(stopwatch.elapsed, 0u);
}

}  // namespace
