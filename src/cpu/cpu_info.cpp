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
    // Later processors, by the vendors' own identification notes (Intel
    // AP-485, AMD's processor recognition note, VIA's and Rise's CPUID
    // tables).  Each is named for its vendor only, since others reuse the
    // keys (an Athlon is family 6 too), and the keys above keep their rows.
    // Intel family 6: model 5 is the Deschutes core of the Pentium II and of
    // the Covington Celeron (and Pentium II Xeon); model 6 the Mendocino
    // Celeron, the "Celeron A"; model 7 the Katmai Pentium III; model 8 the
    // Coppermine Pentium III and Celeron.  The cache size that tells them
    // apart is not in leaf 1.
    {0x65, VENDOR_IS, "GenuineIntel", "P2/Cel", 0},
    {0x66, VENDOR_IS, "GenuineIntel", "Cel-A ", 0},
    {0x67, VENDOR_IS, "GenuineIntel", "PenIII", 0},
    {0x68, VENDOR_IS, "GenuineIntel", "P3/Cel", 0},
    // AMD K6-2+ and K6-III+, the 0.18-micron K6 (named like the 0.35 and
    // 0.25-micron K6 above).
    {0x5D, VENDOR_IS, "AuthenticAMD", "K6.18u", 0},
    // VIA Cyrix III: the Joshua core still says CyrixInstead, the Samuel core
    // CentaurHauls; VIA C3: Samuel 2, Ezra and Nehemiah.
    {0x65, VENDOR_IS, "CyrixInstead", "CyrIII", 0},
    {0x66, VENDOR_IS, "CentaurHauls", "CyrIII", 0},
    {0x67, VENDOR_IS, "CentaurHauls", "VIA C3", 0},
    {0x68, VENDOR_IS, "CentaurHauls", "VIA C3", 0},
    {0x69, VENDOR_IS, "CentaurHauls", "VIA C3", 0},
    // Rise mP6 (iDragon), family 5 model 0.
    {0x50, VENDOR_IS, "RiseRiseRise", " mP6  ", 0},
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

enum Wording { YES_NO, PRESENT, SUPPORTED };

// The leaf-1 EDX feature bits the report names, in the order of their lines.
// Detection, the capability lines and the "other CPUID bits" mask all come
// from this one list, so a bit is either named here or shown as reserved.
struct Capability {
  int edx_bit;
  bool CpuInfo::*flag;
  const char* label;  // padded so that every value starts in column 27
  Wording wording;
  bool fdiv_line_after;  // the FDIV warning belongs right below this line
};

const Capability capabilities[] = {
    {5, &CpuInfo::has_msr, "Pentium-class CPU:       ", YES_NO, false},
    {0, &CpuInfo::has_fpu, "Built-in FPU:            ", PRESENT, false},
    {23, &CpuInfo::has_mmx, "MMX capable:             ", YES_NO, true},
    {1, &CpuInfo::has_vme, "Extensions to V-x86 mode:", SUPPORTED, false},
    {2, &CpuInfo::has_de, "I/O Break Point:         ", SUPPORTED, false},
    {4, &CpuInfo::has_tsc, "Timestamp Counter:       ", SUPPORTED, false},
    {6, &CpuInfo::has_pae, "Physical Addr. extension:", SUPPORTED, false},
    {3, &CpuInfo::has_pse, "Paging mode extension:   ", SUPPORTED, false},
    {12, &CpuInfo::has_mtrr, "Memory Type Range Regs.: ", SUPPORTED, false},
    {14, &CpuInfo::has_mca, "Machine Check function:  ", SUPPORTED, false},
    {7, &CpuInfo::has_mce, "Machine Check exception: ", SUPPORTED, false},
    {13, &CpuInfo::has_pge, "PTE global bit:          ", SUPPORTED, false},
    {9, &CpuInfo::has_apic, "APIC support:            ", SUPPORTED, false},
    {8, &CpuInfo::has_cx8, "CMPXCHG8B instruction:   ", SUPPORTED, false},
    {15, &CpuInfo::has_cmov, "CMOV instruction:        ", SUPPORTED, false},
};

// The EDX bits without a capability line.
uint32_t ReservedEdxMask() {
  uint32_t named = 0;
  for (const Capability& capability : capabilities)
    named |= 1u << capability.edx_bit;
  return ~named;
}

const char* CapabilityValue(const Capability& capability) {
  const bool flag = cpu_info.*capability.flag;
  switch (capability.wording) {
    case YES_NO:
      return YesNo(flag);
    case PRESENT:
      return flag ? "present" : "not present";
    case SUPPORTED:
      break;
  }
  return Supported(flag);
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
  for (const Capability& capability : capabilities)
    cpu_info.*capability.flag = ((edx >> capability.edx_bit) & 1u) != 0;
  cpu_info.reserved_eax = leaf1.eax & 0xFFFFF000u;
  cpu_info.reserved_ebx = leaf1.ebx;
  cpu_info.reserved_ecx = leaf1.ecx;
  cpu_info.reserved_edx = edx & ReservedEdxMask();

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
  for (const Capability& capability : capabilities) {
    PagedPrint("| %s%-13s |\n", capability.label, CapabilityValue(capability));
    if (capability.fdiv_line_after && flawed)
      PagedPrint("| !!This Pentium CPU has BUGGY FPU!!     |\n");
  }
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
      {'D', cpu_info.reserved_edx, ReservedEdxMask()},
  };
  for (const ReservedLine& line : reserved) {
    PagedPrint("| Reserved bits of E%cX:    %08lX      |\n", line.register_letter,
               static_cast<unsigned long>(line.value));
    PagedPrint("|   %s  |\n", FormatBitPattern(line.value, line.mask));
  }
  return 1;
}
