// Processor identification and the processor section of the report.
#pragma once

int CpuidAvailable();
int DetectCpu();
int PrintCpuReport();
const char* FormatBitPattern(unsigned value, unsigned mask);
