// bit_spec values of the field tables: bits 2-0 hold the lowest bit, bits 5-3
// the width (8 as 0), bits 7-6 the access class.
#pragma once

#include <cstdint>

// An ordinary field from bit `high` down to bit `low` (access class 11).
constexpr uint32_t Field(unsigned high, unsigned low) {
  return 0xC0u | (((high - low + 1) % 8) << 3) | low;
}

// A field whose value the hardware fixes (access class 01).
constexpr uint32_t Fixed(unsigned high, unsigned low) {
  return 0x40u | (((high - low + 1) % 8) << 3) | low;
}

// Bits 7-2 of the command register's upper byte (05h): a reserved span that
// carries no access class.
constexpr uint32_t RESERVED_COMMAND_SPAN = 0x32;
