// Checks shared by the per-table tests: the stated row list, and the
// conventions every shipped row keeps.
#pragma once

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "pci/tables/tables.h"

// One row as listed for a table: register, highest and lowest bit, name.
struct ExpectedRow {
  unsigned reg;
  unsigned high;
  unsigned low;
  const char* name;
};

inline size_t CountRows(const RegisterField* table) {
  size_t n = 0;
  while ((table[n].reg & 0xFF) != 0) n++;
  return n;
}

inline size_t CountNotedRows(const RegisterField* table) {
  size_t n = 0;
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) n += table[i].noted_value != 0;
  return n;
}

// Every row in order: register, span (from bit_spec) and name, character for character.
inline void ExpectRowsInOrder(const RegisterField* table, const std::vector<ExpectedRow>& rows) {
  ASSERT_EQ(CountRows(table), rows.size());
  for (size_t i = 0; i < rows.size(); i++) {
    SCOPED_TRACE("row " + std::to_string(i) + " " + rows[i].name);
    const RegisterField& f = table[i];
    unsigned low = FieldLowestBit(f.bit_spec);
    unsigned high = low + FieldWidth(f.bit_spec) - 1;
    EXPECT_EQ(f.reg & 0xFF, rows[i].reg);
    EXPECT_EQ(high, rows[i].high);
    EXPECT_EQ(low, rows[i].low);
    EXPECT_STREQ(f.name, rows[i].name);
  }
}

// The length of the pattern that starts a choice line, or 0 for a note line.
inline size_t ChoicePatternLength(const char* line) {
  size_t n = 0;
  while (line[n] == '0' || line[n] == '1' || line[n] == 'x') n++;
  return n;
}

// Conventions of the shipped rows: no identification registers, spans inside
// the byte, names of 7 to 62 characters, a description present, choice
// patterns no longer than the field, and the all-zero terminator.
inline void ExpectTableConventions(const RegisterField* table) {
  size_t n = CountRows(table);
  const RegisterField& end = table[n];
  EXPECT_EQ(end.reg, 0u);
  EXPECT_EQ(end.bit_spec, 0u);
  EXPECT_EQ(end.noted_value, 0u);
  EXPECT_EQ(end.name, nullptr);
  EXPECT_EQ(end.description, nullptr);
  for (size_t i = 0; i < n; i++) {
    const RegisterField& f = table[i];
    SCOPED_TRACE(std::string("row ") + std::to_string(i) + " " + (f.name ? f.name : "(null)"));
    EXPECT_GE(f.reg & 0xFF, 0x04u);
    unsigned low = FieldLowestBit(f.bit_spec);
    unsigned width = FieldWidth(f.bit_spec);
    EXPECT_LE(low + width, 8u);
    ASSERT_NE(f.name, nullptr);
    EXPECT_GE(strlen(f.name), 7u);
    EXPECT_LE(strlen(f.name), 62u);
    ASSERT_NE(f.description, nullptr);
    const char* p = f.description;
    while (*p) {
      while (*p && (static_cast<unsigned char>(*p) <= 0x20 || static_cast<unsigned char>(*p) >= 0x80))
        p++;
      if (!*p) break;
      EXPECT_LE(ChoicePatternLength(p), width) << "line: " << std::string(p, strcspn(p, "\r"));
      p += strcspn(p, "\r");
    }
  }
}

// The lines of a description, split at carriage returns, leading blanks skipped.
inline std::vector<std::string> DescriptionLines(const char* description) {
  std::vector<std::string> lines;
  const char* p = description;
  while (*p) {
    while (*p && (static_cast<unsigned char>(*p) <= 0x20 || static_cast<unsigned char>(*p) >= 0x80))
      p++;
    if (!*p) break;
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
    if (line[i] != 'x') mask |= 1;
    if (line[i] == '1') want |= 1;
  }
  return (value & mask) == want;
}

// Choice lines read as "pattern text": a space after the pattern, and no two
// lines of one description with the same pattern; no line feeds anywhere.
inline void ExpectChoiceLinesWellFormed(const RegisterField* table) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
    const RegisterField& f = table[i];
    SCOPED_TRACE(std::string("row ") + std::to_string(i) + " " + f.name);
    ASSERT_NE(f.description, nullptr);
    EXPECT_EQ(strchr(f.description, '\n'), nullptr);
    std::vector<std::string> patterns;
    for (const std::string& line : DescriptionLines(f.description)) {
      size_t k = ChoicePatternLength(line.c_str());
      if (k == 0) continue;
      EXPECT_LT(k, line.size()) << line;
      if (k < line.size()) {
        EXPECT_EQ(line[k], ' ') << line;
      }
      std::string pattern = line.substr(0, k);
      for (const std::string& seen : patterns) {
        EXPECT_NE(seen, pattern) << line;
      }
      patterns.push_back(pattern);
    }
  }
}

// The bit_spec of every row exactly: class 01 on the listed fixed fields,
// class 00 only for the reserved span 05h bits 7-2 (32h), class 11 elsewhere.
inline void ExpectAccessClasses(const RegisterField* table, const std::vector<ExpectedRow>& fixed) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
    const RegisterField& f = table[i];
    SCOPED_TRACE(std::string("row ") + std::to_string(i) + " " + f.name);
    unsigned low = FieldLowestBit(f.bit_spec);
    unsigned high = low + FieldWidth(f.bit_spec) - 1;
    unsigned width_code = (high - low + 1) % 8;
    uint32_t access = 0xC0;
    for (const ExpectedRow& r : fixed)
      if (r.reg == (f.reg & 0xFF) && r.high == high && r.low == low) access = 0x40;
    if ((f.reg & 0xFF) == 0x05 && high == 7 && low == 2) access = 0x00;
    EXPECT_EQ(f.bit_spec, access | (width_code << 3) | low);
  }
}
