// A machine that is nothing but a host bridge's saved configuration bytes,
// for decoding a dump taken elsewhere: configuration mechanism #1 serves
// them as bus 0, device 0, function 0; every other port reads as an empty
// bus and ignores writes.  It has no processor to speak of (CPUID answers
// zeros, the counter stands still), so a run on it reports the chipset only.
#pragma once

#include <cstdint>

#include "hw/machine.h"

// A machine serving bytes[0..count-1] (count at most 256, the rest read as
// FFh); lives for the rest of the process.
Machine* CreateDumpMachine(const uint8_t bytes[256], unsigned count);
