// Descriptions that the tables of Intel's Pentium Pro and Pentium II host
// bridges (82441FX, 82443LX/EX, 82443BX/ZX) share word for word.
//
// Sources named below: RBIL is Ralf Brown's Interrupt List, file INTERRUP.E,
// by table number; 86Box is src/chipset/intel_4x0.c (power-on values and
// write masks); coreboot is src/northbridge/intel/i440bx (register names and
// the datasheet's defaults and codes, quoted in its raminit.c and i440bx.h).
#pragma once

// PCI configuration header.  86Box powers 04h on as 06h on all three.
constexpr char P6_BUS_MASTER[] =
    "0 Bus mastering off\r1 Bus master enabled\rThe bridge always runs PCI cycles for the "
    "processor; the chip reads 1.";
constexpr char P6_SERR_ENABLE[] =
    "0 SERR# is never driven\r1 SERR# driven for the errors that the error command register "
    "selects";
constexpr char P6_PARITY_ERROR_RESPONSE[] =
    "0 PCI parity errors are ignored\r1 PCI parity errors are reported";
constexpr char P6_PCI_IO_SPACE[] =
    "0 No I/O space claimed as a PCI target\r1 I/O space enabled\rThe chip hardwires this bit "
    "to 0; emulators may let it be set.";
constexpr char WRITE_1_TO_CLEAR_STATUS[] = "Write 1 to clear\r0 Not detected\r1 Detected";
constexpr char P6_DEVSEL_TIMING[] =
    "00 Fast\r01 Medium\r10 Slow\r11 Reserved\rRead only; the bridge decodes at medium speed.";
constexpr char P6_LATENCY_TIMER[] =
    "PCI clocks the bridge may keep the bus as a master after its grant is removed.\r"
    "Bits 2-0 read as 0, resulting in a granularity of 8 clocks.\rDefault 00h.";
// 06h bit 4 on the 82443LX/EX and on the 82443BX with its AGP port on
// (86Box: 06h powers on as 90h and 10h).
constexpr char CAPABILITIES_LIST[] =
    "0 No capability list\r1 Capability list at the pointer in 34h (the AGP capability)\r"
    "Read only.";

// 10h-13h graphics aperture base (RBIL 01142; 86Box: 10h powers on as 08h
// and only 12h bits 7-6 and 13h take writes, fewer as the aperture grows).
constexpr char APERTURE_PREFETCHABLE[] = "1 Prefetchable memory\rHardwired to 1.";
constexpr char APERTURE_TYPE[] = "00 32-bit address anywhere below 4 GB\rHardwired to 00.";
constexpr char APERTURE_MEMORY_SPACE[] = "0 Memory space\rHardwired to 0.";
constexpr char APERTURE_BASE[] =
    "Address bits of the graphics aperture's base.\rThe base is aligned to the aperture's size "
    "(B4h): the bits that the size covers read 0.";
constexpr char CAPABILITY_POINTER_AGP[] =
    "00000000 No capabilities\r10100000 AGP capability registers at A0h\rRead only.";

// 55h-56h DRAM row type of the 82441FX (RBIL 01233) and 82443LX/EX (RBIL
// 01133): two bits per row.
constexpr char FX_ROW_TYPE[] =
    "00 Fast page mode DRAM\r01 EDO DRAM\r10 Burst EDO DRAM\r11 Empty row";
constexpr char LX_ROW_TYPE[] = "00 EDO DRAM\r01 Reserved\r10 SDRAM\r11 Empty row";

// 59h-5Fh programmable attribute map, RBIL 01118: on these chips bits 2 and 6
// are reserved, since the processor's MTRRs set the cacheability, and each
// nibble holds only the read and write enables.  coreboot names the four
// settings so.
constexpr char P6_PAM[] =
    "xx00 Disabled: reads and writes go to PCI\rxx01 Read only: reads from DRAM, writes to "
    "PCI\rxx10 Write only: writes to DRAM, reads from PCI\rxx11 Read/Write: DRAM\r"
    "Bits 3 and 2 are reserved; the processor's MTRRs set what is cached.";

// 60h-67h DRAM row boundaries, RBIL 01229, 01129 and 01142: the running
// total of the rows, in 8 MB.  86Box powers them on as 02h on the 82441FX and
// 01h on the 82443LX/EX and BX; coreboot gives 01h for the 82443BX.
constexpr char P6_ROW_0_SIZE[] = "DRAM in row 0, in 8 MB units.";
constexpr char P6_BOUNDARY_NOTE[] =
    "DRAM in this row and all rows below it, in 8 MB units; the row itself holds this value "
    "minus the one before.\rAn empty row repeats the value of the row before it.\r"
    "A DIMM takes two rows: the front in the even row, the back in the odd one.";

// 70h multi-transaction timer (RBIL 01229 and 01140; 86Box writes bits 7-3).
constexpr char MULTI_TRANSACTION_TIMER[] =
    "PCI clocks granted to the current PCI agent before the bridge may hand the bus to another "
    "that requests it, in units of 8.\rDefault 00h.";

// 90h error command, RBIL 01237 and 01156.
constexpr char SERR_ON_ERROR_P6[] =
    "0 No SERR# for this error\r1 SERR# asserted\rNeeds the SERR# Enable bit of the command "
    "register (05h bit 0).";
// 91h error status, RBIL 01238, 01138 and 01157: the first row in error,
// latched with its flag.
constexpr char FIRST_ERROR_ROW[] =
    "Number of the DRAM row that held the first such error, 0 to 7.\rRead only; valid while "
    "the error's flag is set.";

// 93h reset control, RBIL 01239 (port CF9h reaches the same register).
constexpr char RESET_CPU[] = "0 No reset\r1 Reset the processor, in the mode that bit 1 selects";
constexpr char RESET_MODE[] = "0 Soft reset\r1 Hard reset";
constexpr char BIST_ON_HARD_RESET[] =
    "0 No built-in self test\r1 Processor runs its built-in self test on a hard reset\r"
    "Not for a soft reset.";

// A0h-BDh AGP registers of the 82443LX/EX and 82443BX, RBIL 01158-01163;
// power-on values from 86Box and coreboot (A0h 00100002h, A4h 1F000203h).
constexpr char AGP_CAPABILITY_ID[] = "00000000 AGP disabled\r00000010 AGP capability\rRead only.";
constexpr char AGP_NEXT_CAPABILITY[] = "00000000 Last capability in the list\rRead only.";
constexpr char AGP_MAJOR_VERSION[] = "0000 No AGP\r0001 AGP revision 1\rRead only.";
constexpr char AGP_MINOR_VERSION[] = "0000 Minor revision 0\rRead only.";
constexpr char AGP_RATES_SUPPORTED[] =
    "00 Not allowed\r01 1x transfers\r10 2x transfers\r11 1x and 2x transfers\rRead only.";
constexpr char AGP_SIDEBAND_SUPPORTED[] = "0 Not supported\r1 Sideband addressing supported";
constexpr char AGP_REQUEST_DEPTH[] =
    "The deepest AGP request queue the bridge accepts, as the chip reports it.\rRead only; "
    "1Fh on these chips.";
constexpr char AGP_SIDEBAND_ENABLE[] = "0 Sideband addressing off\r1 Sideband addressing on";
constexpr char AGP_ENABLE[] = "0 AGP transactions refused\r1 AGP enabled";
constexpr char AGP_DATA_RATE[] = "00 Default\r01 1x\r10 2x\r11 Illegal";
constexpr char GTLB_ENABLE[] =
    "0 Graphics translation lookaside buffer off\r1 Graphics translation lookaside buffer on";
constexpr char APERTURE_WRITE_SYNC[] = "0 Off\r1 Aperture writes and AGP reads are synchronised";
constexpr char APERTURE_SIZE[] =
    "000000 256 MB\r100000 128 MB\r110000 64 MB\r111000 32 MB\r111100 16 MB\r"
    "111110 8 MB\r111111 4 MB\rOther codes are illegal.";
constexpr char TRANSLATION_TABLE_BASE[] =
    "Bits of the physical address of the aperture's translation table, which is aligned to "
    "4 KB.";
constexpr char APERTURE_GLOBAL_ENABLE[] = "0 Graphics aperture closed\r1 Graphics aperture open";
constexpr char PCI_TO_APERTURE_DISABLE[] =
    "0 PCI agents may reach the aperture\r1 PCI agents may not reach the aperture\r"
    "Ignored while the aperture is closed.";
constexpr char MDA_PRESENT[] =
    "0 No monochrome adapter: with the AGP bridge's VGA enable set, all VGA cycles go to AGP\r"
    "1 Monochrome adapter on PCI or ISA: its ranges stay on PCI, the other VGA cycles go to "
    "AGP";
constexpr char WSC_HANDSHAKE_DISABLE[] =
    "0 WSC# handshake on: dual processors with an I/O APIC\r1 WSC# handshake off: "
    "uniprocessor";
