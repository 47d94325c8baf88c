// Register fields of the ALi M1541 (Aladdin V) host bridge: cache control,
// fast page / EDO and SDRAM timing, DRAM arbitration, posted writes, refresh,
// the 100 MHz SDRAM pipeline and the PCI clock mode.  The table has no rows
// for the PCI header.
//
// ALi's datasheet is not published on the web.  The L2 size coding and the
// L2 enable come from memtest86+ system/hwquirks.c, which reads them on real
// boards; 86Box ali1541.c's write masks confirm which bits exist.  Every
// other text offers only what the field's name states and its note says it
// is unconfirmed, or says that the coding is not documented, so that nobody
// is led to write a value on the strength of a guess.
#include "pci/tables/ali_descriptions.h"
#include "pci/tables/field_bits.h"
#include "pci/tables/tables.h"

namespace {

const char LATENCY_UNKNOWN[] =
    "Arbitration latency granted to this requester of the DRAM controller.\r"
    "The clocks of each value are not documented here.";
const char SLICE_UNKNOWN[] =
    "Time slice this requester may hold the DRAM controller once granted.\r"
    "The clocks of each value are not documented here.";
const char ONE_WAIT[] =
    "0 No wait state\r"
    "1 One wait state inserted\r"
    "Unconfirmed: no public register reference describes this bit.";

}  // namespace

const RegisterField fields_m1541[] = {
    // 40h: tag RAM, processor burst support, L1 cache.  86Box write mask 7Fh.
    {0x40, Field(6, 6), 0, "Enable Internal Tag Ram",
     "0 Disable: external tag SRAM\r"
     "1 Enable: on-chip tag RAM\r"
     "The chip holds 16K x 10 bits of tag RAM.\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x40, Field(5, 5), 0, "Disable M1541 Internal MESI",
     "0 On-chip MESI state bits in use\r"
     "1 On-chip MESI state bits disabled\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x40, Field(4, 4), 0, "Cyrix M1/M2 1+4 Burst Support & K6 Write Allocate",
     CYRIX_BURST_K6_ALLOCATE},
    {0x40, Field(3, 3), 0, "Cyrix M1/M2 Linear Burst Support", CYRIX_LINEAR_BURST},
    {0x40, Field(2, 2), 0, "L1 snoop HITMJ Check Point", SNOOP_CHECK_POINT},
    {0x40, Field(1, 1), 0, "L2 Hit/Miss Check Point", TAG_CHECK_POINT},
    {0x40, Field(0, 0), 0, "L1 Cache On/Off",
     "0 CPU L1 cache off\r"
     "1 CPU L1 cache on\r"
     "Unconfirmed: no public register reference describes this bit."},

    // 41h: L2 cache organisation.  86Box write mask 7Fh; the size coding is
    // memtest86+'s.
    {0x41, Field(6, 6), 0, "CPU Read Command Mode",
     "Selects how CPU read cycles are passed to the DRAM controller.\r"
     "The meaning of each value is not documented here."},
    {0x41, Field(5, 5), 0, "L2 Cache Bank Select", L2_BANKS},
    {0x41, Field(4, 4), 0, "L2 Cache Type",
     "Kind of SRAM fitted for the L2 cache.\r"
     "The value of each kind is not documented here."},
    {0x41, Field(3, 2), 0, "L2 Cache Size",
     "00 256 KB\r"
     "01 512 KB\r"
     "10 1 MB\r"
     "11 Not documented"},
    {0x41, Field(1, 1), 0, "Tag[9-8] Configuration",
     "Use of tag bits 9 and 8, which set how much memory the L2 cache can serve.\r"
     "The meaning of each value is not documented here."},
    {0x41, Field(0, 0), 0, "Use External TAG",
     "0 On-chip tag RAM\r"
     "1 External tag SRAM\r"
     "Unconfirmed: no public register reference describes this bit."},

    // 42h: L2 cache control.  86Box keeps all bits writable; 86Box and
    // memtest86+ take the L2 enable from bit 0.
    {0x42, Field(7, 7), 0, "L2 Tag Outpt Delay",
     "Delays the output of the L2 tag for slower parts.\r"
     "The delay of each value is not documented here."},
    {0x42, Field(6, 6), 0, "L2 Cache Fill on non-burst CPU Read", L2_FILL_ON_SINGLE_READ},
    {0x42, Field(5, 5), 0, "A0000-BFFFF Cacheable", A0000_BFFFF_CACHEABLE},
    {0x42, Field(4, 4), 0, "L2 Dirty Bit Settng", L2_DIRTY_BIT},
    {0x42, Field(3, 3), 0, "L2 frce Cache Hit",
     "0 Normal operation\r"
     "1 Every L2 lookup hits (test use only)\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x42, Field(2, 2), 0, "Force L2 Cache Miss or Invalid", FORCE_L2_MISS},
    {0x42, Field(1, 1), 0, "L2 Cache ON/OFF", L2_CACHE_ON_OFF},

    // 43h: snoop and pipeline control.  86Box write mask F7h.
    {0x43, Field(7, 7), 0, "Force Snoop INV",
     "0 Disable\r"
     "1 Enable: every snoop invalidates the CPU's line\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x43, Field(6, 6), 0, "Dynamic Write Back", DISABLE_ENABLE},
    {0x43, Field(5, 0), 0, "Pipeline function (NAJ Timing) Control",
     "Controls when NA# (next address) is given to the CPU for pipelined bus cycles.\r"
     "The timing of each value is not documented here.\r"
     "86Box keeps bit 3 read-only."},

    // 44h-47h: fast page / EDO DRAM.  86Box write masks FFh, FFh, F0h, FFh.
    {0x44, Field(7, 6), 0, "EDO/FPM DRAM to RAS Delay", TIMING_UNKNOWN},
    {0x44, Field(5, 4), 0, "EDO/FPM DRAM Write Timing", TIMING_UNKNOWN},
    {0x44, Field(3, 2), 0, "EDO DRAM read Timing", TIMING_UNKNOWN},
    {0x44, Field(1, 0), 0, "FPM DRAM read Timing", TIMING_UNKNOWN},
    {0x45, Field(7, 6), 0, "EDO/FPM Cycle Time", TIMING_UNKNOWN},
    {0x45, Field(5, 4), 0, "EDO/FPM RAS Pulse Width", TIMING_UNKNOWN},
    {0x45, Field(3, 3), 0, "EDO/FPM Command to Command Interval", TIMING_UNKNOWN},
    {0x45, Field(2, 2), 0, "EDO/FPM CAS Precharge Time", TIMING_UNKNOWN},
    {0x45, Field(1, 0), 0, "EDO/FPM RAS Precharge Time", TIMING_UNKNOWN},
    {0x46, Field(7, 7), 0, "EDO/FPM Fast Back-to-back", DISABLE_ENABLE},
    {0x46, Field(6, 6), 0, "EDO Detect Mode (for BIOS init)", EDO_DETECTION_MODE},
    {0x46, Field(5, 4), 0, "EDO Detection Timer (for BIOS init)", EDO_DETECTION_TIMER},
    {0x47, Field(2, 2), 0, "EDO/FPM Insert 1 wait on Bank Miss", ONE_WAIT},
    {0x47, Field(1, 1), 0, "EDO/FPM Enhanced Page Mode", ENHANCED_PAGING},
    {0x47, Field(0, 0), 0, "EDO Detection Timer (for BIOS init)",
     "Further bit of the EDO detection timer used during BIOS memory sizing.\r"
     "Its units are not documented here."},

    // 48h-49h: SDRAM.  86Box keeps every bit writable.
    {0x48, Field(7, 5), 0, "SDRAM Operation Mode", SDRAM_OPERATION_MODE},
    {0x48, Field(4, 4), 0, "SDRAM CAS Latency", SDRAM_CAS_LATENCY},
    {0x48, Field(3, 2), 0, "SDRAM RASJ Latency", SDRAM_RAS_TO_READ_WRITE},
    {0x48, Field(1, 0), 0, "SDRAM RASJ cycle time & RASJ low pulse duration",
     "Row cycle time and RAS# active time of SDRAM.\r"
     "The clock counts of each value are not documented here."},
    {0x49, Field(7, 7), 0, "SDRAM JEDEC \"2n rule\" restricted",
     "0 Not restricted\r"
     "1 Commands keep to the JEDEC 2n rule\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x49, Field(6, 6), 0, "SDRAM REFRESH cycle precharges all internal banks", DISABLE_ENABLE},
    {0x49, Field(5, 5), 0, "SDRAM Precharge ALL command inserts 1 wait", ONE_WAIT},
    {0x49, Field(4, 4), 0, "SDRAM Command inserts 1 wait", ONE_WAIT},
    {0x49, Field(3, 3), 0, "SDRAM Enhanced Page Mode",
     "0 Disable\r"
     "1 Enable: SDRAM pages stay open between accesses\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x49, Field(2, 2), 0, "SDRAM Bank Miss Detection", DISABLE_ENABLE},
    {0x49, Field(1, 1), 0, "SDRAM Internal Page Hit Detection", DISABLE_ENABLE},

    // 4Ah-4Fh: DRAM write buffer and arbitration.  86Box write mask F8h for
    // 4Ah, FFh for the rest.
    {0x4A, Field(7, 6), 0, "DRAM Write Buffer Threshold",
     "Fill level of the DRAM write buffer at which it is written out.\r"
     "The level of each value is not documented here."},
    {0x4A, Field(5, 5), 0, "DRAM Write Buffer Threshold Detect", DISABLE_ENABLE},
    {0x4A, Field(3, 3), 0, "Support two DIMMs only",
     "0 Disable\r"
     "1 Enable: the board has two DIMM sockets\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x4B, Field(7, 7), 0, "DRAM Sequencing parking Support", DISABLE_ENABLE},
    {0x4B, Field(5, 4), 0, "DRAM Arbitration Mode",
     "Selects how the CPU, PCI, AGP and write buffer requests take turns at the DRAM "
     "controller.\r"
     "The scheme of each value is not documented here."},
    {0x4C, Field(7, 4), 0, "DRAM Write Buffer (DMWBF) Latency", LATENCY_UNKNOWN},
    {0x4C, Field(3, 0), 0, "Host Latency", LATENCY_UNKNOWN},
    {0x4D, Field(7, 4), 0, "AGP Latency", LATENCY_UNKNOWN},
    {0x4D, Field(3, 0), 0, "PCI Latency", LATENCY_UNKNOWN},
    {0x4E, Field(7, 4), 0, "DRAM Write Buffer (DMWBF) Slice", SLICE_UNKNOWN},
    {0x4E, Field(3, 0), 0, "Host Slice", SLICE_UNKNOWN},
    {0x4F, Field(7, 4), 0, "AGP Slice", SLICE_UNKNOWN},
    {0x4F, Field(3, 0), 0, "PCI Slice", SLICE_UNKNOWN},

    // 53h: posted write buffer.  86Box keeps every bit writable.
    {0x53, Field(7, 6), 0, "DRAM Posted Write CPU IDLE SEL Timer",
     "Idle time of the CPU bus after which posted writes go to DRAM.\r"
     "The time of each value is not documented here."},
    {0x53, Field(3, 1), 0, "DRAM Posted Write Buffer idle flush timer",
     "Idle time after which the posted write buffer is flushed.\r"
     "The time of each value is not documented here."},
    {0x53, Field(0, 0), 0, "DRAM Posted Write Buffer idle flush", DISABLE_ENABLE},

    // 5Dh-5Fh: clock gating and refresh.  86Box write masks 17h, FFh, C1h.
    {0x5D, Field(1, 0), 0, "DRAM Controller Gated Clock Timer",
     "Idle time after which the DRAM controller's clock is stopped.\r"
     "The time of each value is not documented here."},
    {0x5E, Field(7, 7), 0, "EDO/FPM Refresh Mode",
     "Selects the refresh method for fast page and EDO DRAM.\r"
     "The method of each value is not documented here."},
    {0x5E, Field(6, 6), 0, "DRAM Self Refresh Mode", DISABLE_ENABLE},
    {0x5E, Field(5, 4), 0, "Power Saving Mode DRAM Refresh Rate",
     "Refresh rate while the system is in a power saving state.\r"
     "The rate of each value is not documented here."},
    {0x5E, Field(3, 3), 0, "DRAM Refresh Queue", REFRESH_QUEUE},
    {0x5E, Field(2, 0), 0, "DRAM Refresh Interval", REFRESH_INTERVAL},
    {0x5F, Field(5, 4), 0, "Enhanced Page Mode Counter",
     "Clocks an open DRAM page is kept while idle in enhanced page mode.\r"
     "The count of each value is not documented here.\r"
     "86Box keeps bits 5-4 read-only."},
    {0x5F, Field(0, 0), 0, "DRAM Refresh Function",
     "0 Refresh stopped\r"
     "1 Refresh running\r"
     "Unconfirmed: no public register reference describes this bit."},

    // 72h-73h: 100 MHz SDRAM.  86Box write masks C7h and 1Fh.
    {0x72, Field(2, 2), 0, "100MHz SDRAM command delay 1T",
     "0 No delay\r"
     "1 SDRAM commands delayed by one clock\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x72, Field(1, 1), 0, "100MHz SDRAM add row delay 1T",
     "0 No delay\r"
     "1 One more clock after the row activate command\r"
     "Unconfirmed: no public register reference describes this bit."},
    {0x73, Field(2, 2), 0, "MD Input Data Path Pipeline Function", DISABLE_ENABLE},
    {0x73, Field(1, 1), 0, "100MHz SDRAM Command Output Pipeline Function", DISABLE_ENABLE},
    {0x73, Field(1, 1), 0, "75-100MHz MD Output Pipe",
     "0 Disable\r"
     "1 Enable\r"
     "The same bit as the SDRAM command output pipeline above.\r"
     "Unconfirmed: no public register reference describes this bit."},

    // 8Dh: PCI clock.  86Box keeps every bit writable.
    {0x8D, Field(2, 0), 0, "PCI Frequency Mode",
     "Ratio of the PCI clock to the CPU bus clock.\r"
     "The ratio of each value is not documented here."},

    {0, 0, 0, nullptr, nullptr},
};
