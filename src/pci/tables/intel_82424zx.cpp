// Register fields of the Intel 82424TX/ZX cache and DRAM controller (CDC;
// 420TX "Saturn" and 420ZX "Saturn II"), the 486 host bridge that answers
// configuration mechanism #2.  Source: FreeBSD sys/pci/pcisupport.c
// (conf82424zx), whose decoding follows the chip's datasheet; the rows are
// the bits it reads, nothing more.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/isa486_descriptions.h"
#include "pci/tables/tables.h"

namespace {

constexpr char OFF_ON[] = "0 Off\r1 On";

}  // namespace

const RegisterField fields_82424zx[] = {
    // PCI header (PCI Local Bus 2.1, 6.2.1).
    {0x08, Fixed(7, 0), 0, "Revision ID Code", REVISION_ID_486},
    {0x09, Fixed(7, 0), 0, "Interface Identifier", INTERFACE_IDENTIFIER},
    {0x0A, Fixed(7, 0), 0, "Sub Class Code", SUB_CLASS_CODE},
    {0x0B, Fixed(7, 0), 0, "Base Class Code", BASE_CLASS_BRIDGE},
    // 50h, FreeBSD conf82424zx.
    {0x50, Field(7, 5), 0, "CPU Type",
     "000 486DX\r001 486SX\r010 486DX2 or 486DX4\r100 OverDrive (write-back)"},
    {0x50, Field(1, 0), 0, "Host Bus Frequency", "00 25 MHz\r01 33 MHz"},
    // 52h, FreeBSD conf82424zx: the secondary cache.
    {0x52, Field(7, 6), 0, "L2 Cache Size", "00 64 KB\r01 128 KB\r10 256 KB\r11 512 KB"},
    {0x52, Field(2, 2), 0, "L2 Cache Timing", "0 3-1-1-1\r1 2-1-1-1"},
    {0x52, Field(1, 1), 0, "L2 Write Policy", "0 Write-through\r1 Write-back"},
    {0x52, Field(0, 0), 0, "L2 Cache Enable", "0 No secondary cache\r1 Secondary cache on"},
    // 53h-54h, FreeBSD conf82424zx: posting and bursts.
    {0x53, Field(1, 1), 0, "CPU-to-PCI Posting", OFF_ON},
    {0x53, Field(0, 0), 0, "CPU-to-Memory Posting", OFF_ON},
    {0x54, Field(1, 1), 0, "CPU-to-PCI Burst Mode", OFF_ON},
    {0x54, Field(0, 0), 0, "PCI-to-Memory Posting", OFF_ON},
    // 55h, FreeBSD conf82424zx: DRAM page mode, burst timing and refresh.
    {0x55, Field(6, 6), 0, "DRAM Page Mode for Reads", OFF_ON},
    {0x55, Field(5, 5), 0, "DRAM Burst Timing", "0 X-2-2-2\r1 X-1-2-1"},
    {0x55, Field(2, 2), 0, "DRAM Refresh Off", "0 Refresh on\r1 Refresh off"},
    {0x55, Field(1, 1), 0, "DRAM Page Mode for Code Fetches", OFF_ON},
    {0x55, Field(0, 0), 0, "DRAM Page Mode for Writes", OFF_ON},
    // 56h, FreeBSD conf82424zx: a set bit turns parity checking off.
    {0x56, Field(5, 5), 0, "No L2 Cache Parity", "0 L2 cache parity on\r1 No L2 cache parity"},
    {0x56, Field(4, 4), 0, "No DRAM Parity", "0 DRAM parity on\r1 No DRAM parity"},
    {0, 0, 0, nullptr, nullptr},
};
