// The chipset catalogue and the register field tables: constant data, searched
// linearly in stored order, each ending with a sentinel row.
#pragma once

#include <cstdint>

struct RegisterField {
  uint32_t reg;          // configuration register; low byte 0 ends the table
  uint32_t bit_spec;     // bits 2-0 lowest bit, 5-3 width (0 = 8), 7-6 access class
  uint32_t noted_value;  // carried with the row, read by no operation
  const char* name;
  const char* description;  // lines separated by '\r'; nullptr is a table error
};

struct ChipsetEntry {
  uint16_t vendor_id;
  uint16_t device_id;
  const char* vendor_name;
  const char* device_name;
  const RegisterField* fields;
};

// The rows, then the terminator with vendor FFFFh.
extern const ChipsetEntry chipset_catalogue[];

// The first catalogue row with these ids, or nullptr.
const ChipsetEntry* FindChipset(uint16_t vendor_id, uint16_t device_id);

extern const RegisterField fields_82439hx[];
extern const RegisterField fields_82439vx[];
extern const RegisterField fields_82439tx[];
extern const RegisterField fields_sis5571[];
extern const RegisterField fields_sis5591[];
extern const RegisterField fields_sis5596[];
extern const RegisterField fields_sis5597[];
extern const RegisterField fields_m1531[];
extern const RegisterField fields_m1541[];
extern const RegisterField fields_vt82c595[];
extern const RegisterField fields_vt82c580[];
extern const RegisterField fields_82437fx[];
extern const RegisterField fields_82434lx[];
extern const RegisterField fields_82441fx[];
extern const RegisterField fields_82443lx[];
extern const RegisterField fields_82443bx[];
extern const RegisterField fields_82443gx[];
// Thinly sourced tables of further bridges found at device 0.
extern const RegisterField fields_vt82c597[];
extern const RegisterField fields_vt82c691[];
extern const RegisterField fields_sis5501[];
extern const RegisterField fields_sis5511[];
extern const RegisterField fields_sis5600[];
extern const RegisterField fields_m1621[];
extern const RegisterField fields_vl82c591[];
extern const RegisterField fields_pci_header_only[];
extern const RegisterField fields_umc8881[];
extern const RegisterField fields_opti822[];
extern const RegisterField fields_sis85c496[];
extern const RegisterField fields_82424zx[];
extern const RegisterField fields_82425ex[];
extern const RegisterField fields_82454kx[];

// bit_spec decoding, shared by the report and the set command.
inline unsigned FieldLowestBit(uint32_t bit_spec) {
  return bit_spec & 7;
}
inline unsigned FieldWidth(uint32_t bit_spec) {
  return ((((bit_spec >> 3) & 7) + 7) % 8) + 1;
}
// The bits of its register byte that a field takes up.
inline uint8_t FieldMask(uint32_t bit_spec) {
  return static_cast<uint8_t>(((1u << FieldWidth(bit_spec)) - 1) << FieldLowestBit(bit_spec));
}
