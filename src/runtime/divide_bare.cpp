// 64-bit division for the bare machine: a 32-bit processor divides 64-bit
// numbers through these helpers, which the compiler calls and libgcc would
// otherwise supply (Debian's is compiled for later processors).
#include <cstdint>

extern "C" {

uint64_t __udivmoddi4(uint64_t dividend, uint64_t divisor, uint64_t* remainder) {
  if (divisor == 0) {
    // As the DIV instruction does: a divide error.
    volatile uint32_t zero = 0;
    return 1u / zero;
  }
  uint64_t quotient = 0;
  uint64_t rest = 0;
  for (int bit = 63; bit >= 0; --bit) {
    rest = rest << 1 | ((dividend >> bit) & 1);
    if (rest >= divisor) {
      rest -= divisor;
      quotient |= 1ull << bit;
    }
  }
  if (remainder != nullptr)
    *remainder = rest;
  return quotient;
}

uint64_t __udivdi3(uint64_t dividend, uint64_t divisor) {
  return __udivmoddi4(dividend, divisor, nullptr);
}

uint64_t __umoddi3(uint64_t dividend, uint64_t divisor) {
  uint64_t rest = 0;
  __udivmoddi4(dividend, divisor, &rest);
  return rest;
}

// Signed: the quotient truncated toward zero, the remainder with the sign
// of the dividend, as C has them.
int64_t __divdi3(int64_t dividend, int64_t divisor) {
  uint64_t a = dividend < 0 ? 0 - static_cast<uint64_t>(dividend) : static_cast<uint64_t>(dividend);
  uint64_t b = divisor < 0 ? 0 - static_cast<uint64_t>(divisor) : static_cast<uint64_t>(divisor);
  uint64_t q = __udivmoddi4(a, b, nullptr);
  return static_cast<int64_t>((dividend < 0) != (divisor < 0) ? 0 - q : q);
}

int64_t __moddi3(int64_t dividend, int64_t divisor) {
  uint64_t a = dividend < 0 ? 0 - static_cast<uint64_t>(dividend) : static_cast<uint64_t>(dividend);
  uint64_t b = divisor < 0 ? 0 - static_cast<uint64_t>(divisor) : static_cast<uint64_t>(divisor);
  uint64_t r = 0;
  __udivmoddi4(a, b, &r);
  return static_cast<int64_t>(dividend < 0 ? 0 - r : r);
}

}  // extern "C"
