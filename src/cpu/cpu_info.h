// The detected processor facts, written once by DetectCpu.
#pragma once

#include <cstdint>

struct CpuInfo {
  int has_cpuid;
  char vendor[13];
  int family;
  int model;
  int stepping;
  bool has_fpu;
  bool has_vme;
  bool has_de;
  bool has_pse;
  bool has_tsc;
  bool has_msr;
  bool has_pae;
  bool has_mce;
  bool has_cx8;
  bool has_apic;
  bool has_mtrr;
  bool has_pge;
  bool has_mca;
  bool has_cmov;
  bool has_mmx;
  uint32_t reserved_eax;
  uint32_t reserved_ebx;
  uint32_t reserved_ecx;
  uint32_t reserved_edx;
  double clock_mhz;
  double loop_clock_mhz;
};

extern CpuInfo cpu_info;
