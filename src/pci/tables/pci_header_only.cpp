// The fields every PCI host bridge has in its configuration header, for the
// bridges whose own registers no public source explains, or which keep them
// outside PCI configuration space (the ALi M1489's sit behind ports 22h and
// 23h).  These rows follow the PCI Local Bus 2.1 header layout; the
// bridges are named by RBIL INTERRUP.E (tables 00760, 00798) and 86Box's
// chipset models, and the dump shows the rest of their bytes.
#include "pci/tables/descriptions_common.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/tables.h"

namespace {

constexpr char RECEIVED_MASTER_ABORT[] =
    "Write 1 to clear\r0 No master abort\r1 A transaction the bridge started ended in master abort";
constexpr char RECEIVED_TARGET_ABORT[] =
    "Write 1 to clear\r0 No target abort\r1 A transaction the bridge started was target-aborted";
constexpr char DEVSEL_TIMING[] = "00 Fast\r01 Medium\r10 Slow\r11 Reserved";
constexpr char LATENCY_TIMER[] =
    "Bus clocks the bridge may keep the PCI bus as master after its grant is taken away.";

}  // namespace

const RegisterField fields_pci_header_only[] = {
    {0x04, Field(2, 2), 0, "Bus Master", DISABLED_ENABLED},
    {0x04, Field(1, 1), 0, "Memory Space", DISABLED_ENABLED},
    {0x04, Field(0, 0), 0, "PCI I/O Space", DISABLED_ENABLED},
    {0x07, Field(5, 5), 0, "Received Master Abort", RECEIVED_MASTER_ABORT},
    {0x07, Field(4, 4), 0, "Received Target Abort", RECEIVED_TARGET_ABORT},
    {0x07, Fixed(2, 1), 0, "DEVSEL# Timing", DEVSEL_TIMING},
    {0x08, Fixed(7, 0), 0, "Revision ID Code", ""},
    {0x0D, Field(7, 0), 0, "PCI latency timer", LATENCY_TIMER},
    {0, 0, 0, nullptr, nullptr},
};
