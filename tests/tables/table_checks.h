// What the table tests share: reading rows, descriptions and simulated
// bridge images, and the stated facts of each field table and board, which
// the per-chip files list and table_properties_test.cpp checks.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <initializer_list>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "hw/sim/bridges/bridge_images.h"
#include "pci/tables/tables.h"

// One row as listed for a table: register, highest and lowest bit, name.
struct ExpectedRow {
  unsigned reg;
  unsigned high;
  unsigned low;
  const char* name;
};

// A field by place only.
struct Span {
  unsigned reg;
  unsigned high;
  unsigned low;
};

struct NotedRow {
  Span span;
  uint32_t noted;
};

inline size_t CountRows(const RegisterField* table) {
  size_t n = 0;
  while ((table[n].reg & 0xFF) != 0)
    n++;
  return n;
}

inline size_t CountNotedRows(const RegisterField* table) {
  size_t n = 0;
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++)
    n += table[i].noted_value != 0;
  return n;
}

inline unsigned LowBit(const RegisterField& f) {
  return FieldLowestBit(f.bit_spec);
}
inline unsigned HighBit(const RegisterField& f) {
  return LowBit(f) + FieldWidth(f.bit_spec) - 1;
}
// The field's bits within its register byte.
inline unsigned SpanMask(const RegisterField& f) {
  return ((1u << FieldWidth(f.bit_spec)) - 1) << LowBit(f);
}

inline const RegisterField* FindRow(const RegisterField* table, Span at) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
    if ((table[i].reg & 0xFF) == at.reg && HighBit(table[i]) == at.high &&
        LowBit(table[i]) == at.low)
      return &table[i];
  }
  return nullptr;
}

inline const RegisterField* FindRow(const RegisterField* table, const char* name) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
    if (strcmp(table[i].name, name) == 0)
      return &table[i];
  }
  return nullptr;
}

inline std::set<unsigned> RegistersOf(const RegisterField* table) {
  std::set<unsigned> regs;
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++)
    regs.insert(table[i].reg & 0xFF);
  return regs;
}

inline std::set<unsigned> RegisterRange(unsigned first, unsigned last) {
  std::set<unsigned> regs;
  for (unsigned r = first; r <= last; r++)
    regs.insert(r);
  return regs;
}

inline std::set<unsigned> Union(std::initializer_list<std::set<unsigned>> parts) {
  std::set<unsigned> all;
  for (const std::set<unsigned>& part : parts)
    all.insert(part.begin(), part.end());
  return all;
}

inline std::vector<ExpectedRow> Join(std::initializer_list<std::vector<ExpectedRow>> parts) {
  std::vector<ExpectedRow> all;
  for (const std::vector<ExpectedRow>& part : parts)
    all.insert(all.end(), part.begin(), part.end());
  return all;
}

// The standard header block as the tables with one list it: the command and
// status registers upper byte first, then identification, class, latency
// timer, header type and self test.  The chips name the revision and the
// master-abort bit differently, and only some list the cache line size.
inline std::vector<ExpectedRow> HeaderRows(const char* revision, const char* master_abort,
                                           bool cache_line_size) {
  std::vector<ExpectedRow> rows = {
      {0x05, 7, 2, "Reserved"},
      {0x05, 1, 1, "Fast Back-to-Back Cycle Enable"},
      {0x05, 0, 0, "SERR# Enable"},
      {0x04, 7, 7, "Address / Data Stepping"},
      {0x04, 6, 6, "Parity Error Response"},
      {0x04, 5, 5, "VGA Palette Snoop"},
      {0x04, 4, 4, "Memory Write&Invalidate Command"},
      {0x04, 3, 3, "Special Cycle Monitoring"},
      {0x04, 2, 2, "Bus Master"},
      {0x04, 1, 1, "Memory Space"},
      {0x04, 0, 0, "PCI I/O Space"},
      {0x07, 7, 7, "Detected Parity Error"},
      {0x07, 6, 6, "Signaled System Error"},
      {0x07, 5, 5, master_abort},
      {0x07, 4, 4, "Received Target Abort"},
      {0x07, 3, 3, "Signaled Target Abort"},
      {0x07, 2, 1, "DEVSEL# Timing"},
      {0x07, 0, 0, "Data Parity Error Detected"},
      {0x06, 7, 7, "Fast Back-to-Back Capable"},
      {0x06, 6, 6, "Reserved"},
      {0x06, 5, 5, "66MHz PCI Capable"},
      {0x06, 3, 0, "Reserved"},
      {0x08, 7, 0, revision},
      {0x09, 7, 0, "Interface Identifier"},
      {0x0A, 7, 0, "Sub Class Code"},
      {0x0B, 7, 0, "Base Class Code"},
      {0x0D, 7, 0, "PCI latency timer"},
      {0x0E, 7, 0, "Header Type Code"},
      {0x0F, 7, 7, "BIST Supported"},
      {0x0F, 6, 6, "Start Test"},
      {0x0F, 5, 4, "Reserved"},
      {0x0F, 3, 0, "Response Code"},
  };
  if (cache_line_size) {
    ExpectedRow line_size = {0x0C, 7, 0, "Cache Line Size"};
    rows.insert(rows.begin() + 26, line_size);  // after the base class code
  }
  return rows;
}

// The header fields the hardware fixes, which carry access class 01: the
// fixed command and status bits, identification, class, cache line size,
// header type and self test.
inline std::vector<Span> HeaderFixedFields() {
  return {{0x04, 7, 7}, {0x04, 5, 5}, {0x04, 4, 4}, {0x04, 3, 3}, {0x04, 2, 2}, {0x04, 1, 1},
          {0x04, 0, 0}, {0x06, 7, 7}, {0x06, 6, 6}, {0x06, 5, 5}, {0x06, 3, 0}, {0x07, 0, 0},
          {0x08, 7, 0}, {0x09, 7, 0}, {0x0A, 7, 0}, {0x0B, 7, 0}, {0x0C, 7, 0}, {0x0E, 7, 0},
          {0x0F, 7, 7}, {0x0F, 6, 6}, {0x0F, 5, 4}, {0x0F, 3, 0}};
}

// The readings that every table with a header block notes: bus master and
// memory space on, DEVSEL# at medium speed; then the chip's own.
inline std::vector<NotedRow> HeaderReadings(std::initializer_list<NotedRow> more = {}) {
  std::vector<NotedRow> noted = {{{0x04, 2, 2}, 1}, {{0x04, 1, 1}, 1}, {{0x07, 2, 1}, 1}};
  noted.insert(noted.end(), more.begin(), more.end());
  return noted;
}

// The length of the pattern that starts a choice line, or 0 for a note line.
inline size_t ChoicePatternLength(const char* line) {
  size_t n = 0;
  while (line[n] == '0' || line[n] == '1' || line[n] == 'x')
    n++;
  return n;
}

// The lines of a description, split at carriage returns, leading blanks skipped.
inline std::vector<std::string> DescriptionLines(const char* description) {
  std::vector<std::string> lines;
  const char* p = description;
  while (*p) {
    while (*p && (static_cast<unsigned char>(*p) <= 0x20 || static_cast<unsigned char>(*p) >= 0x80))
      p++;
    if (!*p)
      break;
    size_t n = strcspn(p, "\r");
    lines.emplace_back(p, n);
    p += n;
  }
  return lines;
}

// Whether a choice line's pattern accepts a field value: the pattern's k
// characters stand for the k lowest bits, most significant first.
inline bool ChoiceMatches(const std::string& line, unsigned value) {
  unsigned want = 0, mask = 0;
  for (size_t i = 0; i < ChoicePatternLength(line.c_str()); i++) {
    want <<= 1;
    mask <<= 1;
    if (line[i] != 'x')
      mask |= 1;
    if (line[i] == '1')
      want |= 1;
  }
  return (value & mask) == want;
}

inline bool HasChoices(const char* description) {
  for (const std::string& line : DescriptionLines(description)) {
    if (ChoicePatternLength(line.c_str()) > 0)
      return true;
  }
  return false;
}

// The choice lines of a description, pattern included, that accept a value.
inline std::vector<std::string> MatchingChoices(const char* description, unsigned value) {
  std::vector<std::string> found;
  for (const std::string& line : DescriptionLines(description)) {
    if (ChoicePatternLength(line.c_str()) > 0 && ChoiceMatches(line, value))
      found.push_back(line);
  }
  return found;
}

// Every row in order: register, span (from bit_spec) and name, character for character.
inline void ExpectRowsInOrder(const RegisterField* table, const std::vector<ExpectedRow>& rows) {
  ASSERT_EQ(CountRows(table), rows.size());
  for (size_t i = 0; i < rows.size(); i++) {
    SCOPED_TRACE("row " + std::to_string(i) + " " + rows[i].name);
    const RegisterField& f = table[i];
    EXPECT_EQ(f.reg & 0xFF, rows[i].reg);
    EXPECT_EQ(HighBit(f), rows[i].high);
    EXPECT_EQ(LowBit(f), rows[i].low);
    EXPECT_STREQ(f.name, rows[i].name);
  }
}

// What the catalogue walk of the host bridge detection finds for an id pair.
inline const ChipsetEntry* CatalogueEntry(uint16_t vendor, uint16_t device) {
  for (const ChipsetEntry* e = chipset_catalogue; e->vendor_id != 0xFFFF; e++) {
    if (e->vendor_id == vendor && e->device_id == device)
      return e;
  }
  return nullptr;
}

// What a simulated bridge holds at a register: unlisted registers read 00h
// and are read-only.
struct ImageByte {
  uint8_t value;
  uint8_t write_mask;
};

inline ImageByte ByteAt(const SimBridgeImage& image, unsigned reg) {
  for (size_t i = 0; i < image.count; i++) {
    if (image.regs[i].reg == reg)
      return {image.regs[i].value, image.regs[i].write_mask};
  }
  return {0, 0};
}

inline unsigned FieldValue(const SimBridgeImage& image, const RegisterField& f) {
  return (ByteAt(image, f.reg & 0xFF).value & SpanMask(f)) >> LowBit(f);
}

// The one choice line a named field of the image reads as, or "" for none.
inline std::string Reading(const SimBridgeImage& image, const RegisterField* table,
                           const char* name) {
  const RegisterField* f = FindRow(table, name);
  if (f == nullptr) {
    ADD_FAILURE() << "no row " << name;
    return "";
  }
  std::vector<std::string> found = MatchingChoices(f->description, FieldValue(image, *f));
  return found.size() == 1 ? found[0] : "";
}

inline unsigned NamedValue(const SimBridgeImage& image, const RegisterField* table,
                           const char* name) {
  const RegisterField* f = FindRow(table, name);
  if (f == nullptr) {
    ADD_FAILURE() << "no row " << name;
    return 0;
  }
  return FieldValue(image, *f);
}

// The one choice a named field's value reads as, or "" for none or several.
inline std::string ChoiceFor(const RegisterField* table, const char* name, unsigned value) {
  const RegisterField* f = FindRow(table, name);
  if (f == nullptr) {
    ADD_FAILURE() << "no row " << name;
    return "";
  }
  std::vector<std::string> found = MatchingChoices(f->description, value);
  return found.size() == 1 ? found[0] : "";
}

// DRAM row boundaries of an image, registers first to last: a running
// total, so never falling, and some memory in the end.
inline void ExpectBoundariesRise(const SimBridgeImage& image, unsigned first, unsigned last) {
  unsigned previous = 0;
  for (unsigned reg = first; reg <= last; reg++) {
    EXPECT_GE(ByteAt(image, reg).value, previous) << "row boundaries must not fall";
    previous = ByteAt(image, reg).value;
  }
  EXPECT_GT(previous, 0u);
}

// The stated facts of one field table.
struct StatedTable {
  const char* label;  // letters and digits only: it names the test instance
  const RegisterField* fields;
  const std::vector<ExpectedRow>* rows;  // nullptr: only the count is stated
  size_t row_count;                      // the summary's count
  std::set<unsigned> registers;
  std::vector<Span> fixed;  // the rows of access class 01
  size_t noted_rows;
  std::vector<NotedRow> noted;
};

// The simulated board of one host bridge.
enum BoardCheck : unsigned {
  NAMES_EVERY_VALUE = 1,   // every field with choices reads as one of them
  FIXED_READ_ONLY = 2,     // no field the table calls fixed takes a write
  RESERVED_READ_ONLY = 4,  // no field named Reserved takes a write
};

struct StatedBoard {
  const char* label;
  const SimBridgeImage* image;
  uint16_t vendor;
  uint16_t device;
  const RegisterField* fields;  // nullptr for a bridge the catalogue lacks
  unsigned checks;              // BoardCheck bits
};

// A failing instance names its table or board rather than dumping its bytes.
inline void PrintTo(const StatedTable& t, std::ostream* os) {
  *os << t.label;
}
inline void PrintTo(const StatedBoard& b, std::ostream* os) {
  *os << b.label;
}

class StatedTableTest : public testing::TestWithParam<StatedTable> {};
class StatedBoardTest : public testing::TestWithParam<StatedBoard> {};

template <typename T>
std::string LabelOf(const testing::TestParamInfo<T>& info) {
  return info.param.label;
}
