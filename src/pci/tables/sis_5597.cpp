// Register fields of the SiS 5597/5598 host bridge (Pentium PCI/ISA with built-in VGA).
#include "pci/tables/tables.h"

namespace {

// bit_spec of an ordinary field and of a field fixed by the hardware.
constexpr uint32_t Field(unsigned high, unsigned low) {
  return 0xC0u | (((high - low + 1) % 8) << 3) | low;
}
constexpr uint32_t Fixed(unsigned high, unsigned low) {
  return 0x40u | (((high - low + 1) % 8) << 3) | low;
}
// The reserved upper bits of the command register carry no access class.
constexpr uint32_t RESERVED_SPAN = 0x32;

constexpr char ENABLE[] = "0 Disabled\r1 Enabled";
constexpr char RESERVED[] = "Reserved. Software should leave these bits as read.";
constexpr char DRIVE[] =
    "Output current of these pins, set by the BIOS for the board's loading.\r"
    "The two current levels are not documented here.";

}  // namespace

const RegisterField fields_sis5597[] = {
    // PCI configuration header.
    {0x05, RESERVED_SPAN, 0, "Reserved", "Reserved, read as 0."},
    {0x05, Field(1, 1), 0, "Fast Back-to-Back Cycle Enable",
     "0 Disabled\r1 Enabled: the bridge may run fast back-to-back cycles to different targets"},
    {0x05, Field(0, 0), 0, "SERR# Enable", "0 SERR# output disabled\r1 SERR# output enabled"},
    {0x04, Fixed(7, 7), 0, "Address / Data Stepping", "0 No address or data stepping\rRead only."},
    {0x04, Field(6, 6), 0, "Parity Error Response",
     "0 Parity errors ignored\r1 Parity errors reported"},
    {0x04, Fixed(5, 5), 0, "VGA Palette Snoop", "0 Palette writes are not snooped\rRead only."},
    {0x04, Fixed(4, 4), 0, "Memory Write&Invalidate Command",
     "0 Memory Write and Invalidate is never generated\rRead only."},
    {0x04, Fixed(3, 3), 0, "Special Cycle Monitoring", "0 Special cycles are ignored\rRead only."},
    {0x04, Fixed(2, 2), 1, "Bus Master",
     "0 Bus master disabled\r1 Bus master enabled\r"
     "The host bridge always masters PCI cycles for the CPU; reads as 1."},
    {0x04, Fixed(1, 1), 1, "Memory Space",
     "0 Memory access disabled\r1 Memory access enabled\r"
     "The host bridge always claims its memory ranges; reads as 1."},
    {0x04, Fixed(0, 0), 1, "PCI I/O Space",
     "0 I/O access disabled\r1 I/O access enabled\rReads as 1 after reset."},
    {0x07, Field(7, 7), 0, "Detected Parity Error",
     "Write 1 to clear\r0 No parity error detected\r1 Parity error detected"},
    {0x07, Field(6, 6), 0, "Signaled System Error",
     "Write 1 to clear\r0 SERR# not asserted\r1 The bridge asserted SERR#"},
    {0x07, Field(5, 5), 0, "Signaled Master Abort",
     "Write 1 to clear\r0 No master abort\r1 A cycle mastered by the bridge ended in master abort"},
    {0x07, Field(4, 4), 0, "Received Target Abort",
     "Write 1 to clear\r0 No target abort received\r"
     "1 A cycle mastered by the bridge was ended by target abort"},
    {0x07, Field(3, 3), 0, "Signaled Target Abort",
     "Write 1 to clear\r0 No target abort signaled\r1 The bridge ended a cycle with target abort"},
    {0x07, Field(2, 1), 1, "DEVSEL# Timing",
     "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the bridge decodes at medium speed."},
    {0x07, Fixed(0, 0), 0, "Data Parity Error Detected",
     "0 No data parity error reported\rNot implemented by this bridge; reads 0."},
    {0x06, Fixed(7, 7), 0, "Fast Back-to-Back Capable",
     "0 Not capable of fast back-to-back cycles as a target\r1 Fast back-to-back capable\r"
     "Read only."},
    {0x06, Fixed(6, 6), 0, "Reserved", "Reserved, read as 0."},
    {0x06, Fixed(5, 5), 0, "66MHz PCI Capable",
     "0 33 MHz PCI bus only\r1 66 MHz capable\rRead only."},
    {0x06, Fixed(3, 0), 0, "Reserved", "Reserved, read as 0."},
    {0x08, Fixed(7, 0), 0, "Chip Revision Code",
     "Read only: the silicon revision of the 5597/5598."},
    {0x09, Fixed(7, 0), 0, "Interface Identifier",
     "00000000 No register-level programming interface"},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", "00000000 Host bridge"},
    {0x0B, Fixed(7, 0), 6, "Base Class Code", "00000110 Bridge device"},
    {0x0C, Fixed(7, 0), 0, "Cache Line Size",
     "00000000 Not used\rThe host bridge keeps no cache line size; reads 0."},
    {0x0D, Field(7, 0), 0, "PCI latency timer",
     "Number of PCI clocks the bridge may keep the bus as a master once its grant is taken "
     "away.\rKeep it at 32 clocks or less: longer settings can lock up the 5597/5598."},
    {0x0E, Fixed(7, 0), 0, "Header Type Code", "00000000 Single-function device, standard header"},
    {0x0F, Fixed(7, 7), 0, "BIST Supported", "0 No built-in self test\rRead only."},
    {0x0F, Fixed(6, 6), 0, "Start Test", "0 No test running\rRead only."},
    {0x0F, Fixed(5, 4), 0, "Reserved", "Reserved, read as 0."},
    {0x0F, Fixed(3, 0), 0, "Response Code", "0000 No self-test result\rRead only."},

    // Host interface control.
    {0x50, Field(7, 7), 0, "Pipeline Address Mode (NA# enable)",
     "0 Disabled: NA# is never asserted\r"
     "1 Enabled: NA# lets the CPU drive the next address early\r"
     "Used with pipelined burst SRAM."},
    {0x50, Field(6, 6), 0, "Not assert NA# on Single Write",
     "0 NA# asserted on single write cycles as well\r1 NA# not asserted on single write cycles"},
    {0x50, Field(5, 5), 0, "PBSRAM Back to Back Timing",
     "Burst timing of back-to-back pipelined burst SRAM cycles (3-1-1-1-1-1-1-1 at best).\r"
     "The codes of the two settings are not documented here."},
    {0x50, Field(4, 4), 0, "Fast NA# Assert",
     "0 Disabled: NA# at its normal point\r1 Enabled: NA# asserted earlier"},
    {0x50, Field(3, 3), 0, "Write Merge Enable",
     "0 Disabled\r1 Enabled: neighbouring CPU writes are merged in the write buffer"},
    {0x50, Field(2, 2), 0, "Read/Write Reorder",
     "0 Disabled: DRAM cycles run in CPU order\r1 Enabled: DRAM reads may pass buffered writes"},
    {0x50, Field(1, 0), 0, "Reserved", RESERVED},

    // L2 cache control.
    {0x51, Field(7, 7), 0, "L2 Cache Exists", "0 No L2 cache\r1 L2 cache installed"},
    {0x51, Field(6, 6), 0, "L2 Cache Enable", ENABLE},
    {0x51, Field(5, 4), 0, "L2 Cache Size",
     "10 512 KB\rThe chip takes 256 KB or 512 KB of pipelined burst SRAM; "
     "the code of 256 KB is not documented here."},
    {0x51, Field(3, 3), 0, "L2 Cache WB/WT", "0 Write-through\r1 Write-back"},
    {0x51, Field(2, 2), 0, "Linear Burst",
     "0 Interleaved burst order (Pentium)\r1 Linear burst order (Cyrix 6x86 in linear mode)"},
    {0x51, Field(1, 1), 0, "L2 Cache Tag Size",
     "Width of the tag RAM: 8 or 7 bits; with 7 bits half as much memory is cacheable.\r"
     "The codes are not documented here."},
    {0x51, Field(0, 0), 0, "L2 Cache Sizing Enable",
     "0 Normal operation\r1 Sizing mode, used by the BIOS while it measures the cache"},

    // Miscellaneous control.
    {0x52, Field(7, 7), 0, "CPU L1 Cache WB/WT",
     "0 Write-through: WB/WT# tells the CPU to keep its L1 lines write-through\r"
     "1 Write-back"},
    {0x52, Field(6, 6), 0, "Turbo Read Mode", ENABLE},
    {0x52, Field(5, 5), 0, "Reead FIFO Control",
     "Controls the FIFO that carries DRAM read data to the CPU.\r"
     "The two settings are not documented here."},
    {0x52, Field(3, 3), 0, "Reserved", RESERVED},
    {0x52, Field(2, 2), 0, "Reserved", RESERVED},
    {0x52, Field(1, 1), 0, "DRAM Refresh Mode",
     "Selects how DRAM refresh cycles are generated.\rThe two modes are not documented here."},
    {0x52, Field(0, 0), 0, "Internal SRAM Test Mode",
     "0 Normal operation\r1 Test mode for the built-in dirty RAM"},

    // DRAM control.
    {0x53, Field(7, 6), 0, "Paging Starting Point",
     "Where the DRAM controller starts to keep pages open.\rThe codes are not documented here."},
    {0x53, Field(6, 6), 0, "Read after Write turn around cycle",
     "0 Disabled\r1 Enabled: a turn-around cycle separates a DRAM write from the next read"},
    {0x53, Field(5, 5), 0, "Always Page Miss after Write",
     "0 The DRAM page may stay open\r1 The page is closed after every write"},
    {0x53, Field(4, 4), 0, "Always Page Miss after Data Read",
     "0 The DRAM page may stay open\r1 The page is closed after every data read"},
    {0x53, Field(3, 3), 0, "Always Page Miss after Code Read",
     "0 The DRAM page may stay open\r1 The page is closed after every code read"},
    {0x53, Field(2, 1), 0, "DRAM Refresh Cycle",
     "Period of the DRAM refresh requests.\rThe codes are not documented here."},

    // FPM/EDO DRAM timing.
    {0x54, Field(7, 6), 0, "RAS Pulse Width on Refresh",
     "RAS# active time of refresh cycles, in CPU clocks.\rThe codes are not documented here."},
    {0x54, Field(5, 4), 0, "RAS Precharge Time",
     "RAS# precharge time, in CPU clocks.\rThe codes are not documented here."},
    {0x54, Field(3, 2), 0, "RAS to CAS Delay",
     "Delay from RAS# to CAS#, in CPU clocks.\rThe codes are not documented here."},
    {0x54, Field(1, 1), 0, "CAS Pulse Width (FPM)",
     "CAS# active time for fast page mode DRAM.\rThe codes are not documented here."},
    {0x54, Field(0, 0), 0, "CAS Pulse Width (EDO)",
     "CAS# active time for EDO DRAM.\rThe codes are not documented here."},

    {0x55, Field(7, 7), 0, "DRAM Write Assertion Timing",
     "When RAMW# is asserted in DRAM write cycles.\rThe two settings are not documented here."},
    {0x55, Field(6, 6), 0, "EDO Test Mode",
     "0 Normal operation\r1 EDO detection, used by the BIOS to tell EDO from FPM DRAM"},
    {0x55, Field(5, 5), 0, "SDRAM Read Cycle Delay When Pipelined",
     "0 No added delay\r1 Pipelined SDRAM reads are delayed"},
    {0x55, Field(4, 3), 0, "CAS Precharge Time (FPM)",
     "CAS# precharge time for fast page mode DRAM, in CPU clocks.\r"
     "The codes are not documented here."},
    {0x55, Field(2, 1), 0, "CAS Precharge Time (EDO)",
     "CAS# precharge time for EDO DRAM, in CPU clocks.\rThe codes are not documented here."},

    {0x56, Field(7, 7), 0, "SDRAM Pre-state",
     "State the SDRAM banks are left in between cycles.\r"
     "The two settings are not documented here."},
    {0x56, Field(6, 6), 0, "EDO/FPM Leadoff Cycle Delay",
     "0 No added leadoff delay\r1 EDO/FPM DRAM leadoff delayed"},
    {0x56, Field(5, 4), 0, "SDRAM Leadoff Cycle Delay",
     "Added leadoff delay of SDRAM cycles.\rThe codes are not documented here."},
    {0x56, Field(3, 3), 0, "SDRAM Sizing",
     "0 Normal operation\r1 Sizing mode, used by the BIOS while it detects SDRAM"},
    {0x56, Field(2, 0), 0, "MDLE Delay",
     "Delay of the memory data latch enable that samples DRAM read data.\r"
     "The steps are not documented here."},

    // SDRAM control.
    {0x57, Field(7, 7), 0, "R_PRCH:SDRAM Precharge Command",
     "0 Idle\r1 Issue a precharge-all command to the SDRAM\rUsed by the BIOS to initialise SDRAM."},
    {0x57, Field(6, 6), 0, "R_MRS:SDRAM Mode Register Set",
     "0 Idle\r1 Issue a mode register set command to the SDRAM\r"
     "Used by the BIOS to initialise SDRAM."},
    {0x57, Field(5, 5), 0, "R_SCBR:SDRAM sizing Refresh",
     "0 Idle\r1 Issue refresh cycles while the BIOS sizes the SDRAM"},
    {0x57, Field(4, 4), 0, "SDRAM CAS Latency",
     "CAS latency programmed into the SDRAM (2 or 3 clocks).\r"
     "The codes are not documented here."},
    {0x57, Field(3, 3), 0, "SDRAM Burst Timing",
     "Timing of SDRAM burst transfers.\rThe two settings are not documented here."},
    {0x57, Field(2, 2), 0, "SDRAM Wait State",
     "0 No wait state\r1 One wait state added to SDRAM cycles"},

    // Drive strength.
    {0x59, Field(7, 7), 0, "RAS[5:0]# Signal Drive Strength", DRIVE},
    {0x59, Field(6, 6), 0, "CAS[7:0]# Signal Drive Strength", DRIVE},
    {0x59, Field(5, 5), 0, "MA[14:2] Signal Drive Strength", DRIVE},
    {0x59, Field(4, 4), 0, "MA[1:0]A Signal Drive Strength", DRIVE},
    {0x59, Field(3, 3), 0, "MA[1:0]B Signal Drive Strength", DRIVE},
    {0x59, Field(2, 2), 0, "RAMWA#/RAMWC# Signal Drive Strength", DRIVE},
    {0x59, Field(1, 1), 0, "RAMWB# Signal Drive Strength", DRIVE},
    {0x59, Field(0, 0), 0, "SRAS#/SCAS# Drive Strength", DRIVE},
    {0x5A, Field(1, 1), 0, "AD[31:0] Signal Drive Strength", DRIVE},
    {0x5A, Field(0, 0), 0, "Other Signal Drive Strength", DRIVE},

    // Cyrix 6x86 support.
    {0x5A, Field(7, 7), 0, "6x86 SMAC Access",
     "0 Not active\r1 Active: SMM memory is reached as the 6x86 SMAC setting asks\r"
     "Reflects the Cyrix 6x86 system management mode setting."},
    {0x5A, Field(6, 6), 0, "6x86 NMAC Access",
     "0 Not active\r1 Active\rReflects the Cyrix 6x86 system management mode setting."},
    {0x5A, Field(5, 5), 0, "6x86 CPU Present",
     "0 No Cyrix 6x86 detected\r1 Cyrix 6x86 processor present"},

    {0, 0, 0, nullptr, nullptr},
};
