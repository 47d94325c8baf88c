// llround for the Pentium builds: mingw-w64's prebuilt one executes FCOMI,
// which a Pentium lacks, and the bare machine has no C library at all.
#include <cmath>

// Halfway cases away from zero.  Below 2^52 the distance to the truncated
// value is exact; from there on every double is a whole number.
extern "C" long long llround(double x) {
  const double magnitude = x < 0 ? -x : x;
  if (!(magnitude < 9223372036854775808.0))
    return static_cast<long long>(0x8000000000000000ULL);  // NaN or out of range
  long long whole = static_cast<long long>(magnitude);
  if (magnitude < 4503599627370496.0 && magnitude - static_cast<double>(whole) >= 0.5)
    ++whole;
  return x < 0 ? -whole : whole;
}
