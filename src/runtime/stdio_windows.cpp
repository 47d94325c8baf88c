// Formatted printing for the Windows build.  mingw-w64 routes every printf
// of C++ code to its own formatter, whose prebuilt code uses CMOV and FCOMI
// (instructions of the Pentium Pro and later); the program defines those
// entry points itself, on its own formatter, so that korvalt.exe prints on
// a Pentium and rounds exactly as the C library of other systems does.
#include "runtime/printf_family.h"

KORVALT_PRINTF_FAMILY(__mingw_)
