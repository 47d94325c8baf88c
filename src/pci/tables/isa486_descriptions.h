// Descriptions shared by the tables of the 486 host bridges, whose makers'
// datasheets are not public; what they say comes from the PCI Local Bus
// 2.1 header layout and from 86Box's models of the chips.
#pragma once

// The identification bytes every PCI function has (PCI Local Bus 2.1, 6.2.1).
constexpr char REVISION_ID_486[] = "Chip revision, as the maker numbers it.\rRead only.";
constexpr char BASE_CLASS_BRIDGE[] = "00000110 Bridge Device";

// Said of a register or field that a source names but does not explain.
constexpr char UNCONFIRMED[] = "Unconfirmed";

// Shadow RAM bits that 86Box models as a read and a write enable.
constexpr char SHADOW_READ[] = "0 Reads go to the ISA/VL bus (ROM)\r1 Reads come from shadow DRAM";
constexpr char SHADOW_WRITE[] = "0 Writes go to the ISA/VL bus\r1 Writes go to shadow DRAM";
