// Processor identification and the processor section of the report.
#pragma once

// 1 when the ID flag of EFLAGS can be set (CPUID exists); EFLAGS left as found.
int CpuidAvailable();
// Fills cpu_info and measures the clock with interrupts disabled; 0 when
// there is no CPUID (only has_cpuid is written), else 1.
int DetectCpu();
// The processor section, line by line; 0 after the no-CPUID line, else 1.
int PrintCpuReport();
// Bits 31..0 as '1', '0', or '-' where the mask bit is clear, in groups of
// eight separated by colons.  The text lives in a static buffer overwritten
// by the next call.
const char* FormatBitPattern(unsigned value, unsigned mask);

// Set by LookUpModelName for the Pentium models that may carry the FDIV flaw.
extern int fdiv_check;
// The six-character model name of family and model; vendor decides between
// the rows for 42h, 52h and 53h.  An unlisted key gives "?%04X?" in a static
// buffer overwritten by the next such call.
const char* LookUpModelName(int family, int model, const char* vendor);
// Whether the floating-point unit gets the classic hard division wrong.
bool FpuHasFdivFlaw();
