// The simulated PCs a user can name.  Processor identification is what each
// chip reports through CPUID; cache speeds follow from the bus of each board
// (pipelined-burst L2 at 3-1-1-1, EDO or SDRAM main memory) times the clock
// multiplier, in processor clocks per 16-byte burst.
#include <cstring>

#include "hw/sim/sim_machine.h"

namespace {

// Leaf 1 EDX of the processors below.
constexpr uint32_t EDX_P5 = 0x000001BF;      // FPU VME DE PSE TSC MSR MCE CX8
constexpr uint32_t EDX_P54C = 0x000003BF;    // the same and the on-chip APIC
constexpr uint32_t EDX_P55C = 0x008001BF;    // P5 set and MMX
constexpr uint32_t EDX_K6 = 0x008001BF;      // FPU VME DE PSE TSC MSR MCE CX8 MMX
constexpr uint32_t EDX_K6_2 = 0x008021BF;    // the same and PGE
constexpr uint32_t EDX_6X86 = 0x00000105;    // FPU DE CX8: no time-stamp-counter flag
constexpr uint32_t EDX_6X86MX = 0x0080A135;  // FPU DE TSC MSR CX8 PGE CMOV MMX
// The P6 family: FPU VME DE PSE TSC MSR PAE MCE CX8 APIC SEP MTRR PGE MCA
// CMOV; the Pentium II adds MMX, the Pentium III also PAT PSE-36 PSN FXSR SSE.
constexpr uint32_t EDX_PPRO = 0x0000FBFF;
constexpr uint32_t EDX_P2 = 0x0080FBFF;
constexpr uint32_t EDX_P3 = 0x0387FBFF;
// The same with the processor serial number switched off, as most BIOSes
// left it: FPU to PSE36 except bit 10 (reserved) and PSN, then MMX, FXSR
// and SSE.
constexpr uint32_t EDX_P3_NO_PSN = 0x0383FBFF;
constexpr uint32_t EDX_486DX4 = 0x00000003;  // FPU VME: no time-stamp counter

constexpr SimCyrix NO_CYRIX = {false, 0x00, 0x00, false};
// A 6x86 as its BIOS leaves it: register mapping off; ccr4 says whether
// CPUID is on.
constexpr SimCyrix CyrixRegisters(uint8_t ccr4) {
  return {true, 0x00, ccr4, false};
}

// A processor that names itself through CPUID leaves 0 and 1 and retires
// one INC EAX per clock.
constexpr SimCpu CpuidProcessor(const char* vendor, uint32_t signature, uint32_t features_edx,
                                double clock_mhz, bool fdiv_flaw) {
  SimCpu cpu = {true, false, {}, 1, signature, features_edx, fdiv_flaw, clock_mhz, 1.0, false};
  for (int i = 0; i < 12; ++i)
    cpu.vendor[i] = vendor[i];
  return cpu;
}

constexpr SimCpu Intel(uint32_t signature, uint32_t features_edx, double clock_mhz,
                       bool fdiv_flaw = false) {
  return CpuidProcessor("GenuineIntel", signature, features_edx, clock_mhz, fdiv_flaw);
}

constexpr SimCpu Amd(uint32_t signature, uint32_t features_edx, double clock_mhz) {
  return CpuidProcessor("AuthenticAMD", signature, features_edx, clock_mhz, false);
}

// CPUID and the ID flag answer only while the configuration registers allow.
constexpr SimCpu Cyrix(uint32_t signature, uint32_t features_edx, double clock_mhz) {
  SimCpu cpu = CpuidProcessor("CyrixInstead", signature, features_edx, clock_mhz, false);
  cpu.cpuid_gated_by_cyrix = true;
  return cpu;
}

// A processor from before CPUID: the ID flag cannot be changed.
constexpr SimCpu WithoutCpuid(SimCpu cpu) {
  cpu.has_cpuid = false;
  cpu.max_leaf = 0;
  return cpu;
}

// A board on the ISA bus's usual 1 us port accesses, whose clocks run and
// whose memory can be had; rtc_rate is the length of its real-time-clock
// second.
constexpr SimMachineDesc Board(const char* name, const char* description, SimCpu cpu,
                               SimCaches caches, const SimBridgeImage* bridge,
                               SimCyrix cyrix = NO_CYRIX, double rtc_rate = 1.0) {
  return {name,     description, cpu,   caches, bridge, cyrix,          1.0,
          rtc_rate, false,       false, false,  0,      SIM_MECHANISM_1};
}

// The same board with its bridge at another device of bus 0, or answering
// another configuration mechanism.
constexpr SimMachineDesc PlacedBridge(SimMachineDesc board, uint8_t device,
                                      SimConfigMechanisms mechanisms) {
  board.bridge_device = device;
  board.mechanisms = mechanisms;
  return board;
}

}  // namespace

const SimMachineDesc sim_catalogue[] = {
    Board("p55c-430tx", "Pentium MMX 233 MHz, Intel 430TX, 16 KB L1, 512 KB L2",
          Intel(0x0544, EDX_P55C, 233.33), {16 * 1024, 512 * 1024, 2.0, 10.5, 17.5, 2.0, 7.0, 14.0},
          &SIM_BRIDGE_82439TX),
    Board("p54c-430hx", "Pentium 200 MHz, Intel 430HX, 8 KB L1, 512 KB L2",
          Intel(0x052C, EDX_P54C, 200.00), {8 * 1024, 512 * 1024, 2.0, 9.0, 16.5, 2.0, 6.0, 12.0},
          &SIM_BRIDGE_82439HX),
    Board("p54c-430vx", "Pentium 100 MHz with the FDIV flaw, Intel 430VX, 256 KB L2",
          Intel(0x0522, EDX_P54C, 100.00, true),
          {8 * 1024, 256 * 1024, 2.0, 4.5, 8.5, 2.0, 3.0, 6.0}, &SIM_BRIDGE_82439VX),
    Board("k6-sis5571", "AMD K6 233 MHz, SiS 5571, 32 KB L1 data, 512 KB L2",
          Amd(0x0562, EDX_K6, 233.33), {32 * 1024, 512 * 1024, 2.0, 10.5, 19.0, 2.0, 7.0, 14.0},
          &SIM_BRIDGE_SIS5571),
    Board("k6-2-sis5591", "AMD K6-2 300 MHz, SiS 5591, 32 KB L1 data, 1 MB L2",
          Amd(0x058C, EDX_K6_2, 300.00), {32 * 1024, 1024 * 1024, 2.0, 13.5, 22.5, 2.0, 9.0, 18.0},
          &SIM_BRIDGE_SIS5591),
    Board("p54c-sis5596", "Pentium 133 MHz, SiS 5596, 8 KB L1, 256 KB L2",
          Intel(0x052C, EDX_P54C, 133.33), {8 * 1024, 256 * 1024, 2.0, 6.0, 11.0, 2.0, 4.0, 8.0},
          &SIM_BRIDGE_SIS5596),
    Board("6x86-sis5597",
          "Cyrix 6x86 P166+ (133 MHz), CPUID and register mapping off, SiS 5597/5598",
          Cyrix(0x0520, EDX_6X86, 133.33), {16 * 1024, 256 * 1024, 2.0, 6.0, 11.0, 2.0, 4.0, 8.0},
          &SIM_BRIDGE_SIS5597, CyrixRegisters(0x00)),
    Board("p55c-ali1531", "Pentium MMX 200 MHz, ALi M1531, 16 KB L1, 512 KB L2",
          Intel(0x0543, EDX_P55C, 200.00), {16 * 1024, 512 * 1024, 2.0, 9.0, 15.0, 2.0, 6.0, 12.0},
          &SIM_BRIDGE_M1531),
    Board("k6-2-ali1541", "AMD K6-2 350 MHz, ALi M1541, 32 KB L1 data, 1 MB L2",
          Amd(0x058C, EDX_K6_2, 350.00), {32 * 1024, 1024 * 1024, 2.0, 10.5, 17.5, 2.0, 7.0, 14.0},
          &SIM_BRIDGE_M1541),
    Board("k6-vp2", "AMD K6 200 MHz, VIA VT82C595 (VP2), 32 KB L1 data, 512 KB L2",
          Amd(0x0561, EDX_K6, 200.00), {32 * 1024, 512 * 1024, 2.0, 9.0, 16.5, 2.0, 6.0, 12.0},
          &SIM_BRIDGE_VT82C595),
    Board("6x86mx-vpx", "Cyrix 6x86MX PR200 (150 MHz), VIA VT82C580VPX, 64 KB L1, 512 KB L2",
          Cyrix(0x0600, EDX_6X86MX, 150.00), {64 * 1024, 512 * 1024, 2.0, 6.0, 11.0, 2.0, 4.0, 8.0},
          &SIM_BRIDGE_VT82C580VPX, CyrixRegisters(0x80)),
    Board("486dx2-nocpuid", "Intel 486DX2-66 without CPUID, VL/ISA board with no PCI bus",
          WithoutCpuid(Intel(0x0435, 0x00000001, 66.67)),
          {8 * 1024, 128 * 1024, 4.0, 8.0, 14.0, 4.0, 8.0, 10.0}, nullptr),
    Board("p54c-430fx", "Pentium 133 MHz, Intel 430FX, 8 KB L1, 256 KB L2",
          Intel(0x052C, EDX_P54C, 133.33), {8 * 1024, 256 * 1024, 2.0, 6.0, 11.0, 2.0, 4.0, 8.0},
          &SIM_BRIDGE_82437FX),
    Board("p5-60-lx", "Pentium 60 MHz with the FDIV flaw, Intel 430LX, RTC 2% slow",
          Intel(0x0517, EDX_P5, 60.00, true), {8 * 1024, 256 * 1024, 2.0, 3.0, 6.0, 2.0, 2.0, 4.0},
          &SIM_BRIDGE_82434LX, NO_CYRIX, 1.02),
    // Slot 1 and Socket 8: the L2 sits beside the core, at its full clock on
    // the Pentium Pro and at half of it on the Pentium II and III.
    Board("ppro-440fx", "Pentium Pro 200 MHz, Intel 440FX, 8 KB L1 data, 256 KB L2 at full speed",
          Intel(0x0619, EDX_PPRO, 200.00), {8 * 1024, 256 * 1024, 2.0, 3.0, 15.0, 2.0, 3.0, 12.0},
          &SIM_BRIDGE_82441FX),
    Board("p2-440lx", "Pentium II 266 MHz, Intel 440LX, 16 KB L1 data, 512 KB L2 at half speed",
          Intel(0x0634, EDX_P2, 266.67), {16 * 1024, 512 * 1024, 2.0, 6.0, 18.0, 2.0, 5.0, 14.0},
          &SIM_BRIDGE_82443LX),
    Board("p3-440bx", "Pentium III 450 MHz, Intel 440BX, 16 KB L1 data, 512 KB L2 at half speed",
          Intel(0x0672, EDX_P3, 450.00), {16 * 1024, 512 * 1024, 2.0, 5.0, 22.5, 2.0, 4.0, 18.0},
          &SIM_BRIDGE_82443BX),
    // VIA's later Apollo bridges.  L2 and memory costs follow each board's
    // bus: the MVP3's pipelined-burst L2 at 3-1-1-1 and PC100 SDRAM at 4x
    // 100 MHz; the Pentium III's full-speed on-die L2 and PC133 SDRAM at 7x
    // 133 MHz.
    Board("k6-2-mvp3", "AMD K6-2 400 MHz, VIA VT82C598 (MVP3), 32 KB L1 data, 1 MB L2",
          Amd(0x058C, EDX_K6_2, 400.00), {32 * 1024, 1024 * 1024, 2.0, 12.0, 20.0, 2.0, 8.0, 16.0},
          &SIM_BRIDGE_VT82C598),
    Board("p3-apollo-pro133",
          "Pentium III 933 MHz, VIA VT82C694X (Apollo Pro133A), 16 KB L1 data, 256 KB L2",
          Intel(0x0686, EDX_P3_NO_PSN, 933.33),
          {16 * 1024, 256 * 1024, 2.0, 4.0, 28.0, 2.0, 4.0, 21.0}, &SIM_BRIDGE_VT82C694X),
    // The board answers configuration mechanism #2 alone, as 86Box's 430LX
    // boards do (src/machine/m_at_socket4.c).
    PlacedBridge(Board("p5-66-lx-mech2",
                       "Pentium 66 MHz, Intel 430LX answering configuration mechanism #2 only",
                       Intel(0x0517, EDX_P5, 66.67, true),
                       {8 * 1024, 256 * 1024, 2.0, 3.0, 6.0, 2.0, 2.0, 4.0}, &SIM_BRIDGE_82434LX),
                 0x00, SIM_MECHANISM_2_ONLY),
    // The UM8881 sits at device 10h, as on 86Box's UMC 8881 boards.
    PlacedBridge(
        Board("486dx4-umc8881", "Intel 486DX4-100, UMC 8881 host bridge at PCI device 10h",
              Intel(0x0480, EDX_486DX4, 100.00),
              {16 * 1024, 256 * 1024, 4.0, 15.0, 27.0, 4.0, 12.0, 15.0}, &SIM_BRIDGE_UMC8881),
        0x10, SIM_MECHANISM_1),
    {},
};

const SimMachineDesc* FindSimMachine(const char* name) {
  if (name == nullptr)
    return nullptr;
  for (const SimMachineDesc* desc = sim_catalogue; desc->name != nullptr; ++desc) {
    if (std::strcmp(desc->name, name) == 0)
      return desc;
  }
  return nullptr;
}
