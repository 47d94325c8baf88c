// The mathematics of the report for the bare machine, on the x87 unit that
// every processor the program runs on has (the 486DX and up).
#include <cmath>

extern "C" double log(double x) {
  double result;
  // ln x = ln 2 * log2 x; FYL2X computes ST(1) * log2 ST(0).
  asm("fldln2\n\tfxch\n\tfyl2x" : "=t"(result) : "0"(x) : "st(1)");
  return result;
}

extern "C" double fabs(double x) {
  double result;
  asm("fabs" : "=t"(result) : "0"(x));
  return result;
}
