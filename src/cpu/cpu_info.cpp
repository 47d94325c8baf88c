#include "cpu/cpu_info.h"

#include <cmath>
#include <cstdio>
#include <cstring>

#include "console/console.h"
#include "cpu/cpu.h"
#include "hw/hw.h"
#include "timing/clock_frequency.h"
#include "timing/reference_clocks.h"

CpuInfo cpu_info;
int fdiv_check;

namespace {

enum VendorCondition { ANY_VENDOR, VENDOR_IS, VENDOR_IS_NOT };

struct ModelNameRow {
  int key;  // family * 16 + model; -1 ends the table
  VendorCondition condition;
  const char* vendor;
  const char* name;
  int sets_fdiv_check;
};

const ModelNameRow model_names[] = {
    {0x00, ANY_VENDOR, nullptr, "  non ", 0},
    {0x40, ANY_VENDOR, nullptr, " 486DX", 0},
    {0x41, ANY_VENDOR, nullptr, " 486DX", 0},
    {0x42, VENDOR_IS, "GenuineIntel", " 486SX", 0},
    {0x42, VENDOR_IS_NOT, "GenuineIntel", "  UMC ", 0},
    {0x43, ANY_VENDOR, nullptr, "486DX2", 0},
    {0x44, ANY_VENDOR, nullptr, " 486SL", 0},
    {0x45, ANY_VENDOR, nullptr, "486SX2", 0},
    {0x47, ANY_VENDOR, nullptr, "WBEDX2", 0},
    {0x48, ANY_VENDOR, nullptr, "  DX4 ", 0},
    {0x4E, ANY_VENDOR, nullptr, "Am5x86", 0},
    {0x51, ANY_VENDOR, nullptr, "  P5  ", 1},
    {0x52, VENDOR_IS, "CyrixInstead", " 6x86 ", 0},
    {0x52, VENDOR_IS_NOT, "CyrixInstead", " P54C ", 1},
    {0x53, VENDOR_IS, "CyrixInstead", " 6x86 ", 0},
    {0x53, VENDOR_IS_NOT, "CyrixInstead", " P24T ", 1},
    {0x54, ANY_VENDOR, nullptr, " P55C ", 0},
    {0x56, ANY_VENDOR, nullptr, "K6.35u", 0},
    {0x57, ANY_VENDOR, nullptr, "P5note", 1},
    {0x58, ANY_VENDOR, nullptr, "K6.25u", 0},
    {0x59, ANY_VENDOR, nullptr, "K6 3D ", 0},
    {0x60, ANY_VENDOR, nullptr, "6x86MX", 0},
    {0x61, ANY_VENDOR, nullptr, "  P6  ", 0},
    {0x63, ANY_VENDOR, nullptr, "Pen-II", 0},
    {-1, ANY_VENDOR, nullptr, nullptr, 0},
};

bool RowMatches(const ModelNameRow& row, int key, const char* vendor) {
  if (row.key != key)
    return false;
  switch (row.condition) {
    case VENDOR_IS:
      return std::strcmp(vendor, row.vendor) == 0;
    case VENDOR_IS_NOT:
      return std::strcmp(vendor, row.vendor) != 0;
    case ANY_VENDOR:
      break;
  }
  return true;
}

// "?" + four hexadecimal digits + "?" and the NUL.
char unknown_model_name[7];
// 32 pattern characters, three colons and the NUL.
char bit_pattern[36];

const char* Supported(bool flag) {
  return flag ? "supported" : "not supported";
}
const char* YesNo(bool flag) {
  return flag ? "yes" : "no";
}

bool EdxBit(uint32_t edx, int bit) {
  return ((edx >> bit) & 1u) != 0;
}

}  // namespace

const char* LookUpModelName(int family, int model, const char* vendor) {
  const int key = family * 16 + model;
  for (const ModelNameRow* row = model_names; row->key >= 0; ++row) {
    if (!RowMatches(*row, key, vendor))
      continue;
    if (row->sets_fdiv_check)
      fdiv_check = 1;
    return row->name;
  }
  std::snprintf(unknown_model_name, sizeof unknown_model_name, "?%04X?",
                static_cast<unsigned>(key) & 0xFFFFu);
  return unknown_model_name;
}

bool FpuHasFdivFlaw() {
  // 1 - (1/x)*x for the divisor 4267FFFFF7062000h; a sound divider gives
  // exactly 0, the flawed one an error near 1e-8.
  const double residue = FdivResidue(824633702449.0);
  return std::fabs(residue) > 1e-14;
}

int CpuidAvailable() {
  return IdFlagChangeable() ? 1 : 0;
}

int DetectCpu() {
  // Starts from the all-zero record, so that whatever is not detected reads
  // as absent.
  cpu_info = CpuInfo{};
  cpu_info.has_cpuid = CpuidAvailable();
  if (!cpu_info.has_cpuid)
    return 0;

  const CpuidRegs leaf0 = ExecuteCpuid(0);
  const uint32_t vendor_words[3] = {leaf0.ebx, leaf0.edx, leaf0.ecx};
  for (int word = 0; word < 3; ++word) {
    for (int byte = 0; byte < 4; ++byte) {
      cpu_info.vendor[word * 4 + byte] =
          static_cast<char>((vendor_words[word] >> (8 * byte)) & 0xFF);
    }
  }
  cpu_info.vendor[12] = '\0';

  const CpuidRegs leaf1 = ExecuteCpuid(1);
  cpu_info.family = static_cast<int>((leaf1.eax >> 8) & 0xF);
  cpu_info.model = static_cast<int>((leaf1.eax >> 4) & 0xF);
  cpu_info.stepping = static_cast<int>(leaf1.eax & 0xF);
  const uint32_t edx = leaf1.edx;
  cpu_info.has_fpu = EdxBit(edx, 0);
  cpu_info.has_vme = EdxBit(edx, 1);
  cpu_info.has_de = EdxBit(edx, 2);
  cpu_info.has_pse = EdxBit(edx, 3);
  cpu_info.has_tsc = EdxBit(edx, 4);
  cpu_info.has_msr = EdxBit(edx, 5);
  cpu_info.has_pae = EdxBit(edx, 6);
  cpu_info.has_mce = EdxBit(edx, 7);
  cpu_info.has_cx8 = EdxBit(edx, 8);
  cpu_info.has_apic = EdxBit(edx, 9);
  cpu_info.has_mtrr = EdxBit(edx, 12);
  cpu_info.has_pge = EdxBit(edx, 13);
  cpu_info.has_mca = EdxBit(edx, 14);
  cpu_info.has_cmov = EdxBit(edx, 15);
  cpu_info.has_mmx = EdxBit(edx, 23);
  cpu_info.reserved_eax = leaf1.eax & 0xFFFFF000u;
  cpu_info.reserved_ebx = leaf1.ebx;
  cpu_info.reserved_ecx = leaf1.ecx;
  cpu_info.reserved_edx = edx & 0xFF7F0C00u;

  DisableInterrupts();
  if (cpu_info.has_tsc) {
    cpu_info.clock_mhz = MeasureClockByTsc();
    cpu_info.loop_clock_mhz = MeasureClockByIncLoop();
  } else {
    cpu_info.clock_mhz = MeasureClockByIncLoop();
    cpu_info.loop_clock_mhz = 0.0;
  }
  // Leave channel 0 as the system expects it: mode 3, count 65536.
  SetTimerSquareWave();
  EnableInterrupts();
  return 1;
}

const char* FormatBitPattern(unsigned value, unsigned mask) {
  char* out = bit_pattern;
  for (int bit = 31; bit >= 0; --bit) {
    const unsigned one = 1u << bit;
    *out++ = (mask & one) == 0 ? '-' : ((value & one) != 0 ? '1' : '0');
    if (bit == 24 || bit == 16 || bit == 8)
      *out++ = ':';
  }
  *out = '\0';
  return bit_pattern;
}

int PrintCpuReport() {
  if (!cpu_info.has_cpuid) {
    PagedPrint("Sorry, this CPU does not have CPUID.\n");
    return 0;
  }
  const char* name = LookUpModelName(cpu_info.family, cpu_info.model, cpu_info.vendor);
  const bool flawed = fdiv_check != 0 && FpuHasFdivFlaw();

  PagedPrint("|CPU:%6s[%12s Fam%1ld Mdl%1ld Stp%2ld]|\n", name, cpu_info.vendor,
             static_cast<long>(cpu_info.family), static_cast<long>(cpu_info.model),
             static_cast<long>(cpu_info.stepping));
  PagedPrint("|----------------------------------------|\n");
  if (cpu_info.loop_clock_mhz != 0.0) {
    PagedPrint("| CPU Frequency (by RDTWR)  : %6.2f[MHz]|\n", cpu_info.clock_mhz);
    PagedPrint("| CPU Frequency (by INC EAX): %6.2f[MHz]|\n", cpu_info.loop_clock_mhz);
  } else {
    PagedPrint("| CPU Frequency: %6.2f[MHz]             |\n", cpu_info.clock_mhz);
  }
  PagedPrint("|----------------------------------------|\n");
  PagedPrint("| ---------- CPU Capabilities ---------- |\n");
  PagedPrint("| Pentium-class CPU:       %-13s |\n", YesNo(cpu_info.has_msr));
  PagedPrint("| Built-in FPU:            %-13s |\n", cpu_info.has_fpu ? "present" : "not present");
  PagedPrint("| MMX capable:             %-13s |\n", YesNo(cpu_info.has_mmx));
  if (flawed)
    PagedPrint("| !!This Pentium CPU has BUGGY FPU!!     |\n");
  PagedPrint("| Extensions to V-x86 mode:%-13s |\n", Supported(cpu_info.has_vme));
  PagedPrint("| I/O Break Point:         %-13s |\n", Supported(cpu_info.has_de));
  PagedPrint("| Timestamp Counter:       %-13s |\n", Supported(cpu_info.has_tsc));
  PagedPrint("| Physical Addr. extension:%-13s |\n", Supported(cpu_info.has_pae));
  PagedPrint("| Paging mode extension:   %-13s |\n", Supported(cpu_info.has_pse));
  PagedPrint("| Memory Type Range Regs.: %-13s |\n", Supported(cpu_info.has_mtrr));
  PagedPrint("| Machine Check function:  %-13s |\n", Supported(cpu_info.has_mca));
  PagedPrint("| Machine Check exception: %-13s |\n", Supported(cpu_info.has_mce));
  PagedPrint("| PTE global bit:          %-13s |\n", Supported(cpu_info.has_pge));
  PagedPrint("| APIC support:            %-13s |\n", Supported(cpu_info.has_apic));
  PagedPrint("| CMPXCHG8B instruction:   %-13s |\n", Supported(cpu_info.has_cx8));
  PagedPrint("| CMOV instruction:        %-13s |\n", Supported(cpu_info.has_cmov));
  PagedPrint("| ---------- other CPUID bits ---------- |\n");

  // EAX keeps only bits 12-31 (family, model and stepping have their own
  // place above); EDX only the bits without a capability line.
  struct ReservedLine {
    char register_letter;
    uint32_t value;
    uint32_t mask;
  };
  const ReservedLine reserved[4] = {
      {'A', cpu_info.reserved_eax, 0xFFFFF000u},
      {'B', cpu_info.reserved_ebx, 0xFFFFFFFFu},
      {'C', cpu_info.reserved_ecx, 0xFFFFFFFFu},
      {'D', cpu_info.reserved_edx, 0xFF7F0C00u},
  };
  for (const ReservedLine& line : reserved) {
    PagedPrint("| Reserved bits of E%cX:    %08lX      |\n", line.register_letter,
               static_cast<unsigned long>(line.value));
    PagedPrint("|   %s  |\n", FormatBitPattern(line.value, line.mask));
  }
  return 1;
}
