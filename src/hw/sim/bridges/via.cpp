// Configuration images of the VIA host bridges as a BIOS leaves them on a
// working board.  Write masks follow the chips' writable bits; identification,
// class and status bytes are read-only (status bits that software clears by
// writing 1 read 0 on a healthy board, so they are modelled as read-only).
//
// Values and masks are checked against 86Box via_apollo.c (VT82C585VPX and
// VT82C595) and via_vpx.c from its history.  Where they differ on purpose:
// - 0Dh: 86Box lets bits 2-0 be written; RBIL (AMD-640) puts the latency
//   timer in bits 7-3, so those are the writable ones here.
// - 54h, 56h-57h, 67h: 86Box ignores writes to some of these bits on these
//   chips, but RBIL documents them as registers a BIOS programs.
// - 0Fh: 86Box lets the self-test byte be written; with no self-test to run it
//   stays read-only here.
// - 6Bh bit 0: 86Box powers it on as 1; RBIL calls bits 5-0 reserved (0).
// - 6Ch bit 4 (VT82C595): 86Box lets it be written; RBIL calls it reserved (0).
// - 0Dh, 50h-53h, 58h-6Dh hold what the BIOS sets, not the power-on values.
#include "hw/sim/bridges/bridge_images.h"

// Apollo VP2 board: AMD K6 on a 66 MHz bus, 512 KB pipelined burst L2 in one
// bank, 64 MB of SDRAM on one double-sided DIMM (banks 0 and 1, 32 MB each),
// video BIOS and the E and F segments shadowed read-only.
static const SimRegInit SIM_BRIDGE_VT82C595_REGS[] = {
    // Identification, command (memory, bus master: the bridge claims no PCI
    // I/O space), status (fast back-to-back and 66 MHz capable, DEVSEL#
    // medium), class 06 00 00; 86Box power-on values.
    {0x00, 0x06, 0x00},
    {0x01, 0x11, 0x00},
    {0x02, 0x95, 0x00},
    {0x03, 0x05, 0x00},
    {0x04, 0x06, 0x40},
    {0x05, 0x00, 0x03},
    {0x06, 0xA0, 0x00},
    {0x07, 0x02, 0x00},
    {0x08, 0x00, 0x00},
    {0x0B, 0x06, 0x00},
    {0x0D, 0x20, 0xF8},  // latency timer: bits 2-0 fixed
    // Cache: enabled, interleaved bursts, pipelined burst SRAM, 512 KB in one
    // bank; C0000-C7FFF and F0000-FFFFF cacheable; all pipelines on.
    {0x50, 0x83, 0xFB},
    {0x51, 0x01, 0x2B},
    {0x52, 0x92, 0xF5},  // bit 1 reads 1 and has no function
    {0x53, 0xF8, 0xF8},
    // Non-cacheable regions unused.
    {0x54, 0x00, 0xFF},
    {0x55, 0x00, 0xFF},
    {0x56, 0x00, 0xFF},
    {0x57, 0x00, 0xFF},
    // DRAM: MA map left at its power-on code, last populated bank 1, banks
    // ending at 32 MB and 64 MB, the empty banks repeating 64 MB; SDRAM.
    {0x58, 0x40, 0xEE},
    {0x59, 0x01, 0xE7},
    {0x5A, 0x08, 0xFF},
    {0x5B, 0x10, 0xFF},
    {0x5C, 0x10, 0xFF},
    {0x5D, 0x10, 0xFF},
    {0x5E, 0x10, 0xFF},
    {0x5F, 0x10, 0xFF},
    {0x60, 0x03, 0x3F},
    // Shadow RAM: C0000-C7FFF, E0000-EFFFF and F0000-FFFFF read from DRAM.
    {0x61, 0x0A, 0xFF},
    {0x62, 0x00, 0xFF},
    {0x63, 0xA0, 0xFF},
    // DRAM timing and control; SDRAM precharge and RAS-to-CAS shortened.
    {0x64, 0xAB, 0xFF},
    {0x65, 0xA1, 0xF9},  // bit 0 set: RBIL requires it with read around write
    {0x66, 0x03, 0x8F},  // bits 6-4 reserved, 6 and 4 always read 0
    {0x67, 0x00, 0xFF},
    // Refresh every 64 x 16 clocks (15.5 us at 66 MHz), CAS-before-RAS.
    {0x6A, 0x40, 0xFF},
    {0x6B, 0x80, 0xC0},
    // SDRAM in normal operation, burst writes and bank interleave on.
    {0x6C, 0x60, 0xEF},
    // High drive on the SDRAM command, address and strobe lines.
    {0x6D, 0x0F, 0xFF},
    // ECC off; PCI buffer, flow, target, initiator and arbitration controls
    // (RBIL 01002-01010) at their power-on 00h, with 86Box's write masks.
    {0x6E, 0x00, 0xFF},
    {0x70, 0x00, 0xE3},
    {0x71, 0x00, 0xDF},
    {0x72, 0x00, 0xFF},
    {0x73, 0x00, 0xEF},
    {0x74, 0x00, 0xC0},
    {0x75, 0x00, 0xCF},
    {0x76, 0x00, 0xB0},
    {0x77, 0x00, 0xC0},
};
const SimBridgeImage SIM_BRIDGE_VT82C595 = ImageOf(SIM_BRIDGE_VT82C595_REGS);

// Apollo VPX board: Cyrix 6x86MX on a 75 MHz bus, 512 KB pipelined burst L2,
// linear bursts for the Cyrix, 32 MB of EDO DRAM in bank 0 (a pair of SIMMs),
// video BIOS and the E and F segments shadowed read-only.
static const SimRegInit SIM_BRIDGE_VT82C580VPX_REGS[] = {
    {0x00, 0x06, 0x00},
    {0x01, 0x11, 0x00},
    {0x02, 0x85, 0x00},
    {0x03, 0x05, 0x00},
    {0x04, 0x06, 0x40},
    {0x05, 0x00, 0x03},
    {0x06, 0xA0, 0x00},
    {0x07, 0x02, 0x00},
    {0x08, 0x02, 0x00},
    {0x0B, 0x06, 0x00},
    {0x0D, 0x20, 0xF8},
    // Cache: enabled, linear bursts, pipelined burst SRAM, 512 KB in one bank.
    {0x50, 0xA3, 0xFF},
    {0x51, 0x01, 0x2B},
    {0x52, 0x92, 0xF5},
    {0x53, 0xF8, 0xF8},
    {0x54, 0x00, 0xFF},
    {0x55, 0x00, 0xFF},
    {0x56, 0x00, 0xFF},
    {0x57, 0x00, 0xFF},
    // DRAM: 32 MB in bank 0, every later bank repeating its ending; EDO
    // (type code 01).
    {0x58, 0x40, 0xEE},
    {0x59, 0x00, 0xE7},
    {0x5A, 0x08, 0xFF},
    {0x5B, 0x08, 0xFF},
    {0x5C, 0x08, 0xFF},
    {0x5D, 0x08, 0xFF},
    {0x5E, 0x08, 0xFF},
    {0x5F, 0x08, 0xFF},
    {0x60, 0x01, 0x3F},
    {0x61, 0x0A, 0xFF},
    {0x62, 0x00, 0xFF},
    {0x63, 0xA0, 0xFF},
    // DRAM timing and control; shorter EDO leadoff and turbo EDO.
    {0x64, 0xAB, 0xFF},
    {0x65, 0xB1, 0xFD},  // bit 0 set: RBIL requires it with read around write
    {0x66, 0x08, 0xAF},
    {0x67, 0x00, 0xFF},
    {0x68, 0x00, 0xFC},  // 86Box write mask; RBIL 00982 leaves 68h unnamed
    // Refresh every 73 x 16 clocks (15.6 us at 75 MHz), CAS-before-RAS.
    {0x6A, 0x49, 0xFF},
    {0x6B, 0x80, 0xC4},
    {0x6C, 0x00, 0xEF},
    {0x6D, 0x00, 0xFF},
    // PCI buffer, flow, master and arbitration controls (RBIL 00982) at their
    // power-on 00h, with 86Box's write masks.
    {0x70, 0x00, 0xE3},
    {0x71, 0x00, 0xDF},
    {0x72, 0x00, 0xFF},
    {0x73, 0x00, 0xEF},
    {0x74, 0x00, 0xC0},
    {0x75, 0x00, 0xCF},
    {0x76, 0x00, 0xB0},
    {0x77, 0x00, 0xC0},
};
const SimBridgeImage SIM_BRIDGE_VT82C580VPX = ImageOf(SIM_BRIDGE_VT82C580VPX_REGS);
