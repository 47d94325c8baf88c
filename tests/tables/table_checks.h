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
