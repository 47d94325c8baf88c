// Register fields of the Intel 82454KX/GX PCI bridge (PB) of the 450KX/GX
// (Orion) chipset, device 84C4h, which sits at device 19h of bus 0 (its
// memory controller, 84C5h, at device 14h, has class 05h and is not the host
// bridge).  Sources: RBIL INTERRUP.E table 01240, which names the registers
// from Intel's datasheet (29052301) but gives no bits, and 86Box
// src/chipset/intel_i450kx.c (write masks and power-on values).  Rows past
// the header keep their names only, save where 86Box shows what a bit does.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/intel_p6_descriptions.h"
#include "pci/tables/isa486_descriptions.h"
#include "pci/tables/tables.h"

namespace {

constexpr char UNCONFIRMED_NAME_ONLY[] = "Unconfirmed: RBIL names the register only.";
constexpr char ALWAYS_ONE[] = "1 Bus master enabled\rRead only: 86Box holds it at 1.";
constexpr char DEVSEL_MEDIUM[] = "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only.";
constexpr char LATENCY_TIMER[] =
    "PCI clocks the bridge may keep the bus as a master after its grant is removed.\r"
    "86Box powers it on as 20h.";
constexpr char BRIDGE_DEVICE_NUMBER[] =
    "The device number the bridge answers at on bus 0.\r86Box gives 19h and takes no writes.";
constexpr char VIDEO_BUFFER_AREA[] =
    "Unconfirmed beyond 86Box: there, 1 sends A0000h-BFFFFh to memory and 0 to the bus.\r"
    "86Box powers it on as 1.";
constexpr char PAM0_LOW[] =
    "Unconfirmed: RBIL's map reserves this nibble on the 8243x/8244x; 86Box maps "
    "80000h-9FFFFh with it as with the other nibbles.";

}  // namespace

const RegisterField fields_82454kx[] = {
    // PCI configuration header, RBIL 00878.  86Box writes 04h bits 6, 4 and 1-0
    // (bit 2 stays 1) and 05h bit 0, clears 07h bits 7-3 and 0 on a 1, and
    // powers 04h-07h on as 07h, 00h, 40h, 02h.
    {0x05, Field(0, 0), 0, "SERR# Enable", SERR_OUTPUT_ENABLE},
    {0x04, Field(6, 6), 0, "Parity Error Response", PARITY_ERROR_RESPONSE},
    {0x04, Field(4, 4), 0, "Memory Write&Invalidate Command", DISABLED_ENABLED},
    {0x04, Fixed(2, 2), 1, "Bus Master", ALWAYS_ONE},
    {0x04, Field(1, 1), 0, "Memory Space", DISABLED_ENABLED},
    {0x04, Field(0, 0), 0, "PCI I/O Space", DISABLED_ENABLED},
    {0x07, Field(7, 7), 0, "Detected Parity Error", WRITE_1_TO_CLEAR_STATUS},
    {0x07, Field(6, 6), 0, "Signaled System Error", WRITE_1_TO_CLEAR_STATUS},
    {0x07, Field(5, 5), 0, "Received Master Abort", WRITE_1_TO_CLEAR_STATUS},
    {0x07, Field(4, 4), 0, "Received Target Abort", WRITE_1_TO_CLEAR_STATUS},
    {0x07, Field(3, 3), 0, "Signaled Target Abort", WRITE_1_TO_CLEAR_STATUS},
    {0x07, Fixed(2, 1), 1, "DEVSEL# Timing", DEVSEL_MEDIUM},
    {0x07, Field(0, 0), 0, "Data Parity Error Detected", WRITE_1_TO_CLEAR_STATUS},
    {0x08, Fixed(7, 0), 0, "Revision ID Code", REVISION_ID_486},
    {0x0D, Field(7, 0), 0, "PCI latency timer", LATENCY_TIMER},

    // 40h-C8h: the register names of RBIL table 01240 (from Intel's 82454KX/GX
    // datasheet, which RBIL cites); no public source gives their bits.  The
    // bits each row spans are those 86Box's intel_i450kx.c takes writes to.
    {0x40, Field(7, 0), 0, "Top of System Memory Byte 0", UNCONFIRMED_NAME_ONLY},
    {0x41, Field(7, 0), 0, "Top of System Memory Byte 1", UNCONFIRMED_NAME_ONLY},
    {0x43, Field(7, 7), 0, "Top of System Memory Byte 3", UNCONFIRMED_NAME_ONLY},
    {0x48, Field(2, 1), 0, "PCI Decode Mode", UNCONFIRMED_NAME_ONLY},
    {0x49, Fixed(7, 0), 0, "Bridge Device Number", BRIDGE_DEVICE_NUMBER},
    {0x4A, Field(7, 0), 0, "PCI Bus Number", UNCONFIRMED_NAME_ONLY},
    {0x4B, Field(7, 0), 0, "PCI Subordinate Bus Number", UNCONFIRMED_NAME_ONLY},
    {0x4C, Field(7, 3), 0, "PB Configuration", UNCONFIRMED_NAME_ONLY},
    {0x51, Field(7, 0), 0, "Deturbo Counter Control", UNCONFIRMED_NAME_ONLY},
    {0x53, Field(1, 1), 0, "CPU Read/Write Control", UNCONFIRMED_NAME_ONLY},
    {0x54, Field(6, 0), 0, "PCI Read/Write Control Byte 0", UNCONFIRMED_NAME_ONLY},
    {0x55, Field(1, 0), 0, "PCI Read/Write Control Byte 1", UNCONFIRMED_NAME_ONLY},
    {0x57, Field(3, 3), 0, "SMM Enable", UNCONFIRMED_NAME_ONLY},
    {0x58, Field(1, 1), 1, "Video Buffer Area Enable", VIDEO_BUFFER_AREA},

    // 59h-5Fh programmable attribute map: RBIL 01240 points to the 8243x/8244x
    // map (01118), and 86Box takes only the read and write enables (bits 5-4
    // and 1-0).
    {0x59, Field(3, 0), 0, "80000-9FFFF Control", PAM0_LOW},
    {0x59, Field(7, 4), 0, "BIOS ROM (F0000-FFFFF) Control", P6_PAM},
    {0x5A, Field(3, 0), 0, "C0000-C3FFF Control", P6_PAM},
    {0x5A, Field(7, 4), 0, "C4000-C7FFF Control", P6_PAM},
    {0x5B, Field(3, 0), 0, "C8000-CBFFF Control", P6_PAM},
    {0x5B, Field(7, 4), 0, "CC000-CFFFF Control", P6_PAM},
    {0x5C, Field(3, 0), 0, "D0000-D3FFF Control", P6_PAM},
    {0x5C, Field(7, 4), 0, "D4000-D7FFF Control", P6_PAM},
    {0x5D, Field(3, 0), 0, "D8000-DBFFF Control", P6_PAM},
    {0x5D, Field(7, 4), 0, "DC000-DFFFF Control", P6_PAM},
    {0x5E, Field(3, 0), 0, "E0000-E3FFF Control", P6_PAM},
    {0x5E, Field(7, 4), 0, "E4000-E7FFF Control", P6_PAM},
    {0x5F, Field(3, 0), 0, "E8000-EBFFF Control", P6_PAM},
    {0x5F, Field(7, 4), 0, "EC000-EFFFF Control", P6_PAM},

    // 70h-CBh, RBIL 01240 names only.
    {0x70, Field(7, 3), 0, "Error Command", UNCONFIRMED_NAME_ONLY},
    {0x71, Field(6, 4), 0, "Error Status Bits 6-4", UNCONFIRMED_NAME_ONLY},
    {0x71, Field(0, 0), 0, "Error Status Bit 0", UNCONFIRMED_NAME_ONLY},
    {0x78, Field(7, 4), 0, "Memory Gap Range Byte 0", UNCONFIRMED_NAME_ONLY},
    {0x79, Field(7, 2), 0, "Memory Gap Range Byte 1", UNCONFIRMED_NAME_ONLY},
    {0x7A, Field(7, 0), 0, "Memory Gap Upper Address Byte 0", UNCONFIRMED_NAME_ONLY},
    {0x7B, Field(3, 0), 0, "Memory Gap Upper Address Byte 1", UNCONFIRMED_NAME_ONLY},
    {0x7C, Field(7, 0), 0, "PCI Frame Buffer Byte 0", UNCONFIRMED_NAME_ONLY},
    {0x7D, Field(4, 1), 0, "PCI Frame Buffer Byte 1", UNCONFIRMED_NAME_ONLY},
    {0x7E, Field(7, 4), 0, "PCI Frame Buffer Byte 2", UNCONFIRMED_NAME_ONLY},
    {0x7F, Field(7, 0), 0, "PCI Frame Buffer Byte 3", UNCONFIRMED_NAME_ONLY},
    {0x88, Field(7, 0), 0, "High Memory Gap Start Byte 0", UNCONFIRMED_NAME_ONLY},
    {0x89, Field(7, 0), 0, "High Memory Gap Start Byte 1", UNCONFIRMED_NAME_ONLY},
    {0x8B, Field(7, 7), 0, "High Memory Gap Start Byte 3", UNCONFIRMED_NAME_ONLY},
    {0x8C, Field(7, 0), 0, "High Memory Gap End Byte 0", UNCONFIRMED_NAME_ONLY},
    {0x8D, Field(7, 0), 0, "High Memory Gap End Byte 1", UNCONFIRMED_NAME_ONLY},
    {0x9C, Field(0, 0), 0, "PCI Reset", UNCONFIRMED_NAME_ONLY},
    {0xA4, Field(7, 3), 0, "I/O APIC Range Byte 0", UNCONFIRMED_NAME_ONLY},
    {0xA5, Field(7, 0), 0, "I/O APIC Range Byte 1", UNCONFIRMED_NAME_ONLY},
    {0xA6, Field(7, 0), 0, "I/O APIC Range Byte 2", UNCONFIRMED_NAME_ONLY},
    {0xA7, Field(3, 0), 0, "I/O APIC Range Byte 3", UNCONFIRMED_NAME_ONLY},
    {0xB0, Field(7, 5), 0, "Configuration Values Driven on Reset Byte 0", UNCONFIRMED_NAME_ONLY},
    {0xB1, Field(4, 0), 0, "Configuration Values Driven on Reset Byte 1", UNCONFIRMED_NAME_ONLY},
    {0xB4, Fixed(7, 0), 0, "Captured System Configuration Byte 0", UNCONFIRMED_NAME_ONLY},
    {0xB5, Fixed(7, 0), 0, "Captured System Configuration Byte 1", UNCONFIRMED_NAME_ONLY},
    {0xB8, Field(7, 0), 0, "SMM Range Byte 0", UNCONFIRMED_NAME_ONLY},
    {0xB9, Field(7, 0), 0, "SMM Range Byte 1", UNCONFIRMED_NAME_ONLY},
    {0xBB, Field(7, 4), 0, "SMM Range Byte 3", UNCONFIRMED_NAME_ONLY},
    {0xBC, Field(4, 4), 0, "High BIOS Bit 4", UNCONFIRMED_NAME_ONLY},
    {0xBC, Field(0, 0), 0, "High BIOS Bit 0", UNCONFIRMED_NAME_ONLY},
    {0xC0, Field(7, 6), 0, "PB Extended Error Reporting Command Byte 0 Bits 7-6",
     UNCONFIRMED_NAME_ONLY},
    {0xC0, Field(4, 0), 0, "PB Extended Error Reporting Command Byte 0 Bits 4-0",
     UNCONFIRMED_NAME_ONLY},
    {0xC1, Field(5, 0), 0, "PB Extended Error Reporting Command Byte 1", UNCONFIRMED_NAME_ONLY},
    {0xC4, Field(3, 0), 0, "PB Extended Error Reporting Status Byte 0", UNCONFIRMED_NAME_ONLY},
    {0xC5, Field(3, 3), 0, "PB Extended Error Reporting Status Byte 1 Bit 3",
     UNCONFIRMED_NAME_ONLY},
    {0xC5, Field(1, 1), 0, "PB Extended Error Reporting Status Byte 1 Bit 1",
     UNCONFIRMED_NAME_ONLY},
    {0xC6, Field(4, 0), 0, "PB Extended Error Reporting Status Byte 2", UNCONFIRMED_NAME_ONLY},
    {0xC8, Field(4, 0), 0, "PB Retry Timers Byte 0", UNCONFIRMED_NAME_ONLY},
    {0xCA, Field(7, 0), 0, "PB Retry Timers Byte 2", UNCONFIRMED_NAME_ONLY},
    {0xCB, Field(7, 0), 0, "PB Retry Timers Byte 3", UNCONFIRMED_NAME_ONLY},

    {0, 0, 0, nullptr, nullptr},
};
