// The one time-stamp-counter interval of the program.  Start and stop are a
// bare counter read and a store, inline wherever they are used, so that both
// ends of an interval cost the same few cycles.
#pragma once

#include <cstdint>

#include "hw/hw.h"

struct CycleStopwatch {
  uint32_t start;
  uint32_t end;
  uint32_t elapsed;
};

extern CycleStopwatch stopwatch;

inline void StartStopwatch() {
  stopwatch.start = static_cast<uint32_t>(ReadTimeStampCounter());
}
inline void StopStopwatch() {
  stopwatch.end = static_cast<uint32_t>(ReadTimeStampCounter());
}

// end - start modulo 2^32, also stored in elapsed.
uint32_t CycleElapsed();
