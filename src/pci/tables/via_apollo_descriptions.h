// Descriptions that the tables of VIA's later Apollo host bridges share: the
// VT82C597 (Apollo VP3) and VT82C598 (Apollo MVP3) table and the
// VT82C691/693/693A/694X (Apollo Pro, Pro Plus, Pro133, Pro133A) table.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
//
// VIA's register references of these chips are not published on the web.
// The public sources are:
// - 86Box via_apollo.c, one model of all of them: write masks, power-on
//   values, the register names of its comments, and the shadow RAM, SMRAM,
//   DRAM bank ending and host clock bits it acts on;
// - Linux drivers/char/agp/via-agp.c and FreeBSD agp_via.c, which drive the
//   graphics aperture registers (80h, 84h, 88h) of the VP3, MVP3 and Apollo
//   Pro alike;
// - Linux drivers/pci/quirks.c on the MVP3's switchable device id (FCh).
// Where the tables take a meaning from the documented VT82C595 instead
// (via_descriptions.h, RBIL's AMD-640 tables), the row's comment says so.
#pragma once

// Shadow RAM and SMRAM.
// 86Box: on the Apollo Pro family bits 1-0 of 63h select where A0000h-BFFFFh
// goes, in and out of system management mode.
constexpr char PRO_SMRAM_CONTROL[] =
    "00 DRAM in SMM; the PCI bus otherwise\r"
    "01 DRAM in and out of SMM\r"
    "10 No access in SMM; code from DRAM and data from the PCI bus otherwise\r"
    "11 DRAM in SMM; no access otherwise\r"
    "Where A0000h-BFFFFh goes, as 86Box models it.";
// 86Box comments, VP3 and MVP3: "Disable SMI Address Redirection (default)",
// "Allow access to DRAM Axxxx-Bxxxx for both normal and SMI cycles",
// "Reserved", "Allow SMI Axxxx-Bxxxx DRAM access".
constexpr char VP3_SMRAM_CONTROL[] =
    "00 Redirection off: A0000h-BFFFFh goes to the PCI bus\r"
    "01 A0000h-BFFFFh goes to DRAM for normal and SMM cycles\r"
    "10 Reserved\r"
    "11 A0000h-BFFFFh goes to DRAM for SMM cycles only\r"
    "86Box gives the VP3 code 10 the VT82C595's meaning: SMM cycles to 30000h-4FFFFh "
    "reach A0000h-BFFFFh.";

// DRAM.
// 86Box keeps the bank ending registers in 8 MB units on the VP3, MVP3 and
// Apollo Pro to Pro133A, and in 16 MB units on the VT82C694X.
constexpr char BANK_ENDING_8MB[] =
    "Ending address of the bank: all DRAM up to and including this bank, in 8 MB units.\r"
    "An empty bank repeats the value of the bank below it.\r"
    "Power-on value 00000001.";
constexpr char PRO_BANK_ENDING[] =
    "Ending address of the bank: all DRAM up to and including this bank, in 8 MB units "
    "(16 MB units on the VT82C694X).\r"
    "An empty bank repeats the value of the bank below it.\r"
    "Power-on value 00000001.";
constexpr char BANK_TIMING[] =
    "Unconfirmed: 86Box names this register; its bits are not documented here.";
constexpr char DRAM_ARBITRATION[] =
    "Unconfirmed: 86Box names this register and powers it on as 00000001; its bits are not "
    "documented here.";

// Host bus clock: 86Box sets these bits from the bus clock it runs and takes
// the PCI and AGP clocks from them.
constexpr char MVP3_HOST_CLOCK[] =
    "00 66 MHz\r01 100 MHz\r11 75 or 83 MHz\r"
    "Read by 86Box's MVP3 model; on the VP3 the bits are unconfirmed.";
constexpr char PRO_HOST_CLOCK[] =
    "00 66 MHz\r01 100 MHz\r10 133 MHz\r"
    "86Box's coding: the VT82C691 knows 00 and 01, the VT82C693A and VT82C694X add 10.\r"
    "Unconfirmed: a VT82C694X board with its processor on a 133 MHz bus reads 11 here.";

// Graphics aperture: Linux via-agp.c and FreeBSD agp_via.c.
constexpr char GART_TLB_FLUSH[] =
    "0 Normal operation\r1 Flush the aperture's translation cache\r"
    "Linux and FreeBSD write 1 and then 0 after they change the translation table.";
constexpr char GART_CONTROL[] =
    "Linux and FreeBSD write 1111 when they start the aperture's translation and 0000 when "
    "they stop it.\r"
    "Unconfirmed: the single bits are not documented.";
// via_generic_sizes of Linux via-agp.c; 86Box takes the size as the two's
// complement of the register in MB.
constexpr char APERTURE_SIZE[] =
    "00000000 256 MB\r10000000 128 MB\r11000000 64 MB\r11100000 32 MB\r11110000 16 MB\r"
    "11111000 8 MB\r11111100 4 MB";
constexpr char APERTURE_ENABLE[] =
    "0 Disabled\r1 Enabled\r86Box maps the graphics aperture only with this bit set.";
constexpr char GART_BASE[] =
    "Address bits of the aperture's translation table in DRAM (86Box; Linux and FreeBSD "
    "write the table's address to 88h-8Bh).";
