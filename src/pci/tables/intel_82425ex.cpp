// Register fields of the Intel 82425EX PCI system controller (PSC, 420EX
// "Aries"), the 486 host bridge at device 05h of bus 0, whose configuration
// space the 82426EX ISA bridge shares.  Sources: FreeBSD
// sys/pci/pcisupport.c (conf82425ex), whose decoding follows the chip's
// datasheet; 86Box src/chipset/intel_420ex.c for the reserved clock codes;
// Linux arch/x86/pci/irq.c for the two interrupt route registers.  Bits
// whose FreeBSD decoding contradicts itself (the L2 write policy, 57h bits
// 5-3) are left out.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/isa486_descriptions.h"
#include "pci/tables/tables.h"

namespace {

// 66h-67h: Linux irq.c says they work as the PIIX's route registers.
constexpr char PIRQ_ROUTING[] =
    "0 Routed to the IRQ in bits 3-0\r1 Not routed\rAs the PIIX's route registers (Linux "
    "arch/x86/pci/irq.c).";
constexpr char PIRQ_IRQ[] = "The ISA IRQ the line is routed to, while bit 7 is 0.";

}  // namespace

const RegisterField fields_82425ex[] = {
    // PCI header (PCI Local Bus 2.1, 6.2.1).
    {0x08, Fixed(7, 0), 0, "Revision ID Code", REVISION_ID_486},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_BRIDGE},
    // 40h, FreeBSD conf82425ex.
    {0x40, Field(5, 5), 0, "DRAM Parity", DISABLED_ENABLED},
    {0x40, Field(2, 2), 0, "PCI Posted Writes", DISABLED_ENABLED},
    {0x40, Field(1, 1), 0, "CPU-to-PCI Bursting", DISABLED_ENABLED},
    {0x40, Field(0, 0), 0, "CPU-to-PCI Byte Merging", DISABLED_ENABLED},
    // 48h and 4Dh, FreeBSD conf82425ex: the ISA bridge's decoding.
    {0x48, Field(1, 0), 0, "IDE Controller",
     "01 Primary (1F0h-1F7h, 3F6h, 3F7h)\r10 Secondary (170h-177h, 376h, 377h)"},
    {0x4D, Field(3, 3), 0, "IRQ12/M Mouse Function", DISABLED_ENABLED},
    {0x4D, Field(1, 1), 0, "Keyboard (60h, 62h, 64h, 66h)", DISABLED_ENABLED},
    {0x4D, Field(0, 0), 0, "Real-Time Clock (70h-77h)", DISABLED_ENABLED},
    // 50h, FreeBSD conf82425ex and 86Box intel_420ex.c.
    {0x50, Field(3, 3), 0, "L1 Write Policy", "0 Write-through\r1 Write-back"},
    {0x50, Field(2, 1), 0, "Host Clock", "00 25 MHz\r01 33 MHz\r1x Reserved"},
    {0x50, Field(0, 0), 0, "L1 Cache", DISABLED_ENABLED},
    // 52h-53h, FreeBSD conf82425ex: the secondary cache.
    {0x52, Field(2, 0), 0, "L2 Cache Size",
     "000 Disabled\r001 64 KB\r010 128 KB\r011 256 KB\r100 512 KB"},
    {0x53, Field(4, 3), 0, "L2 Write Timing", "00 4-2-2-2\r01 3-2-2-2\r11 2-1-1-1"},
    {0x53, Field(2, 1), 0, "L2 Read Burst", "00 x-3-3-3\r01 x-2-2-2\r10 x-1-1-1"},
    {0x53, Field(0, 0), 0, "L2 Read Leadoff", "0 3 clocks\r1 2 clocks"},
    // 56h-57h, FreeBSD conf82425ex: DRAM.
    {0x56, Field(3, 3), 0, "DRAM Fast Write", DISABLED_ENABLED},
    {0x56, Field(2, 2), 0, "DRAM Fast Data Read", DISABLED_ENABLED},
    {0x56, Field(1, 1), 0, "DRAM Fast Code Read", DISABLED_ENABLED},
    {0x57, Field(2, 0), 0, "DRAM RAS Timing",
     "000 4 clocks\r001 3 clocks\r010 2 clocks\r100 1.5 clocks\r101 1 clock"},
    // 66h-67h, Linux arch/x86/pci/irq.c.
    {0x66, Field(7, 7), 0, "PIRQ0# Route Disable", PIRQ_ROUTING},
    {0x66, Field(3, 0), 0, "PIRQ0# IRQ", PIRQ_IRQ},
    {0x67, Field(7, 7), 0, "PIRQ1# Route Disable", PIRQ_ROUTING},
    {0x67, Field(3, 0), 0, "PIRQ1# IRQ", PIRQ_IRQ},
    {0, 0, 0, nullptr, nullptr},
};
