// Descriptions that the SiS 5511 and 5600 tables share: shadow RAM bits that
// send one 16 KB segment's reads, or its writes, to DRAM.  86Box
// (sis_5511_h2p.c, sis_5600_h2p.c) is the source: it maps each segment with
// one read bit and one write bit.
// Each constant has internal linkage, so another maker's header may give the
// same name to a different text.
#pragma once

constexpr char SHADOW_READ[] =
    "0 Reads go to the PCI bus (ROM)\r1 Reads come from DRAM (shadow RAM)";
constexpr char SHADOW_WRITE[] =
    "0 Writes go to the PCI bus (ROM)\r1 Writes go to DRAM (shadow RAM)";
// 86Box sis_5511_h2p.c and sis_5600_h2p.c: a set bit 6 turns the external
// cache on in the model.
constexpr char SIS_L2_ENABLE[] = "0 L2 cache disabled\r1 L2 cache enabled";
// 86Box: with the SMRAM area chosen, bit 4 lets cycles outside system
// management mode reach it as well.
constexpr char SMRAM_OUTSIDE_SMM[] =
    "0 SMRAM reached in system management mode only\r"
    "1 SMRAM reached outside system management mode as well";
