#include "timing/stopwatch.h"

CycleStopwatch stopwatch;

uint32_t CycleElapsed() {
  // Unsigned subtraction is already the difference modulo 2^32, so an
  // interval across a wrap of the counter's low half comes out right.
  stopwatch.elapsed = stopwatch.end - stopwatch.start;
  return stopwatch.elapsed;
}
