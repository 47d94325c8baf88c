// The checks every field table and every simulated board goes through; the
// per-chip files list the facts and instantiate these for their chips.
#include "tables/table_checks.h"

namespace {

// Conventions of the shipped rows: no identification registers, spans inside
// the byte, names of 7 to 62 characters, a description present, choice
// patterns no longer than the field, and the all-zero terminator.
void ExpectTableConventions(const RegisterField* table) {
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
    EXPECT_LE(HighBit(f), 7u);
    ASSERT_NE(f.name, nullptr);
    EXPECT_GE(strlen(f.name), 7u);
    EXPECT_LE(strlen(f.name), 62u);
    ASSERT_NE(f.description, nullptr);
    EXPECT_EQ(strchr(f.description, '\n'), nullptr);
    // Choice lines read as "pattern text": no longer than the field, a space
    // after the pattern, and no two lines of one description alike.
    std::set<std::string> patterns;
    for (const std::string& line : DescriptionLines(f.description)) {
      size_t k = ChoicePatternLength(line.c_str());
      if (k == 0)
        continue;
      EXPECT_LE(k, FieldWidth(f.bit_spec)) << line;
      EXPECT_LT(k, line.size()) << line;
      if (k < line.size()) {
        EXPECT_EQ(line[k], ' ') << line;
      }
      EXPECT_TRUE(patterns.insert(line.substr(0, k)).second) << line;
    }
  }
}

// The bit_spec of every row exactly: class 01 on the listed fixed fields,
// class 00 only for the reserved span 05h bits 7-2 (32h), class 11 elsewhere.
void ExpectAccessClasses(const RegisterField* table, const std::vector<Span>& fixed) {
  for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
    const RegisterField& f = table[i];
    SCOPED_TRACE(std::string("row ") + std::to_string(i) + " " + f.name);
    unsigned reg = f.reg & 0xFF, high = HighBit(f), low = LowBit(f);
    uint32_t access = 0xC0;
    for (const Span& s : fixed) {
      if (s.reg == reg && s.high == high && s.low == low)
        access = 0x40;
    }
    if (reg == 0x05 && high == 7 && low == 2)
      access = 0x00;
    EXPECT_EQ(f.bit_spec, access | (((high - low + 1) % 8) << 3) | low);
  }
}

}  // namespace

TEST_P(StatedTableTest, RowsAsListedWithTheSummaryCounts) {
  const StatedTable& t = GetParam();
  if (t.rows != nullptr) {
    EXPECT_EQ(t.rows->size(), t.row_count);
    ExpectRowsInOrder(t.fields, *t.rows);
  } else {
    EXPECT_EQ(CountRows(t.fields), t.row_count);
  }
  EXPECT_EQ(RegistersOf(t.fields), t.registers);
}

TEST_P(StatedTableTest, ConventionsAndAccessClasses) {
  const StatedTable& t = GetParam();
  ExpectTableConventions(t.fields);
  ExpectAccessClasses(t.fields, t.fixed);
}

// The noted values as stated; and each is a reading of its field: it fits
// the width and, where the field has choices, one of them names it.
TEST_P(StatedTableTest, NotedValues) {
  const StatedTable& t = GetParam();
  EXPECT_EQ(CountNotedRows(t.fields), t.noted_rows);
  for (const NotedRow& n : t.noted) {
    const RegisterField* f = FindRow(t.fields, n.span);
    ASSERT_NE(f, nullptr) << std::hex << n.span.reg << ":" << n.span.high << "-" << n.span.low;
    EXPECT_EQ(f->noted_value, n.noted) << f->name;
  }
  for (size_t i = 0; (t.fields[i].reg & 0xFF) != 0; i++) {
    const RegisterField& f = t.fields[i];
    if (f.noted_value == 0)
      continue;
    SCOPED_TRACE(f.name);
    EXPECT_LT(f.noted_value, 1u << FieldWidth(f.bit_spec));
    if (HasChoices(f.description)) {
      EXPECT_FALSE(MatchingChoices(f.description, f.noted_value).empty());
    }
  }
}

// A value that two choice lines both accept would print two meanings at once.
TEST_P(StatedTableTest, EveryValueReadsAtMostOneWay) {
  const StatedTable& t = GetParam();
  for (size_t i = 0; (t.fields[i].reg & 0xFF) != 0; i++) {
    const RegisterField& f = t.fields[i];
    for (unsigned v = 0; v < (1u << FieldWidth(f.bit_spec)); v++) {
      EXPECT_LE(MatchingChoices(f.description, v).size(), 1u) << f.name << " value " << v;
    }
  }
}

// Each image lists a register once, in ascending order, and identifies as
// the catalogue row whose table translates it: its ids, the host bridge
// class 06 00 00, a standard header layout, and identification, status,
// class and header type bytes that software cannot change.
TEST_P(StatedBoardTest, IdentifiesAsItsCatalogueRow) {
  const StatedBoard& b = GetParam();
  const SimBridgeImage& image = *b.image;
  for (size_t i = 1; i < image.count; i++)
    EXPECT_LT(image.regs[i - 1].reg, image.regs[i].reg);
  EXPECT_EQ(ByteAt(image, 0x00).value | ByteAt(image, 0x01).value << 8, b.vendor);
  EXPECT_EQ(ByteAt(image, 0x02).value | ByteAt(image, 0x03).value << 8, b.device);
  const ChipsetEntry* entry = CatalogueEntry(b.vendor, b.device);
  EXPECT_EQ(entry ? entry->fields : nullptr, b.fields);
  EXPECT_EQ(ByteAt(image, 0x09).value, 0x00);
  EXPECT_EQ(ByteAt(image, 0x0A).value, 0x00);
  EXPECT_EQ(ByteAt(image, 0x0B).value, 0x06);
  EXPECT_EQ(ByteAt(image, 0x0E).value & 0x7F, 0x00);
  for (unsigned reg : {0x00, 0x01, 0x02, 0x03, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0E})
    EXPECT_EQ(ByteAt(image, reg).write_mask, 0) << "register " << std::hex << reg;
}

// Read through its table, the board shows no reserved or undefined setting;
// the chip's own guarantees on choices and writable bits hold as well.
TEST_P(StatedBoardTest, ReadsThroughItsTable) {
  const StatedBoard& b = GetParam();
  if (b.fields == nullptr)
    return;
  for (size_t i = 0; (b.fields[i].reg & 0xFF) != 0; i++) {
    const RegisterField& f = b.fields[i];
    SCOPED_TRACE(std::string("row ") + std::to_string(i) + " " + f.name);
    unsigned value = FieldValue(*b.image, f);
    std::vector<std::string> read = MatchingChoices(f.description, value);
    for (const std::string& line : read) {
      std::string text = line.substr(ChoicePatternLength(line.c_str()) + 1);
      EXPECT_NE(text.rfind("Reserved", 0), 0u) << line;
      EXPECT_NE(text.rfind("(undefined)", 0), 0u) << line;
    }
    if ((b.checks & NAMES_EVERY_VALUE) && HasChoices(f.description)) {
      EXPECT_EQ(read.size(), 1u) << "value " << value;
    }
    unsigned mask = ByteAt(*b.image, f.reg & 0xFF).write_mask;
    if ((b.checks & FIXED_READ_ONLY) && (f.bit_spec & 0xC0) != 0xC0) {
      EXPECT_EQ(mask & SpanMask(f), 0u) << "fixed field is writable";
    }
    if ((b.checks & RESERVED_READ_ONLY) && strncmp(f.name, "Reserved", 8) == 0) {
      EXPECT_EQ(mask & SpanMask(f), 0u) << "reserved field is writable";
    }
  }
}

// The descriptions quoted for these tables, and the bit_spec encodings of the
// stated examples, stored exactly.
TEST(TableText, QuotedDescriptionsAndEncodings) {
  const struct {
    const RegisterField* table;
    Span at;
    const char* text;
  } quoted[] = {
      {fields_82439tx,
       {0x5A, 3, 0},
       "xx00 ROM\rx001 Read only, non-cacheable\rx101 Read only, L1 cacheable for execute "
       "only.\rx010 Write only\rx110 (undefined)\rx011 Read/Write, non-cacheable\rx111 "
       "Read/Write, cacheable"},
      {fields_82439tx,
       {0x07, 4, 4},
       "Write 1 to clear\r0 No abort received\r1 Transaction aborted by the target."},
      {fields_82439tx, {0x0B, 7, 0}, "00000110 Bridge Device"},
      // Rows shown with nothing after them: their value is plainly their size.
      {fields_82439tx, {0x60, 6, 0}, ""},
      {fields_vt82c595, {0x5A, 7, 0}, ""},
      {fields_vt82c595,
       {0x50, 7, 6},
       "00 Cache disable\r01 Cache Init - always does L2 fill\r10 Cache enable (normal "
       "operation)\r11 Cache flush - always does L2 write-back/fill\r"
       "RBIL (AMD-640 table) lists code 11 as reserved rather than as a flush."},
      {fields_vt82c595,
       {0x59, 2, 0},
       "000 Bank 0\r001 Bank 1\r010 Bank 2\r011 Bank 3\r100 Bank 4\r101 Bank 5\r11x Reserved"},
      {fields_m1531,
       {0x0D, 7, 0},
       "00100000 default\rBits 0-2 are fixed, resulting in a granularity of 8 clocks."},
      {fields_m1531, {0x0F, 5, 4}, "0 always reads 0"},
  };
  for (const auto& q : quoted) {
    const RegisterField* f = FindRow(q.table, q.at);
    ASSERT_NE(f, nullptr) << std::hex << q.at.reg << ":" << q.at.high << "-" << q.at.low;
    EXPECT_STREQ(f->description, q.text);
  }

  // A don't-care bit takes both values; a pattern shorter than its field
  // tests only the low bits ("0" on 0Fh bits 5-4 accepts 00 and 10).
  const char* last_bank = FindRow(fields_vt82c595, Span{0x59, 2, 0})->description;
  EXPECT_EQ(MatchingChoices(last_bank, 6), std::vector<std::string>{"11x Reserved"});
  EXPECT_EQ(MatchingChoices(last_bank, 7), std::vector<std::string>{"11x Reserved"});
  const char* reserved_0f = FindRow(fields_m1531, Span{0x0F, 5, 4})->description;
  EXPECT_EQ(MatchingChoices(reserved_0f, 2).size(), 1u);
  EXPECT_TRUE(MatchingChoices(reserved_0f, 1).empty());

  EXPECT_EQ(FindRow(fields_82439hx, Span{0x52, 7, 6})->bit_spec, 0xD6u);
  EXPECT_EQ(FindRow(fields_82439hx, Span{0x60, 6, 0})->bit_spec, 0xF8u);
  EXPECT_EQ(FindRow(fields_82439tx, Span{0x5A, 3, 0})->bit_spec, 0xE0u);
  EXPECT_EQ(FindRow(fields_82439tx, Span{0x5A, 7, 4})->bit_spec, 0xE4u);
  EXPECT_EQ(FindRow(fields_82439vx, Span{0x0D, 7, 0})->bit_spec, 0xC0u);
  EXPECT_EQ(FindRow(fields_m1531, Span{0x05, 7, 2})->bit_spec, 0x32u);
}

// Every table the catalogue reaches, the thinly sourced ones included, keeps
// the conventions, reads each value at most one way and uses only the two
// access classes of field rows (00 belongs to 05h bits 7-2 alone).
TEST(CataloguedTables, EveryTableKeepsTheConventions) {
  std::set<const RegisterField*> tables;
  for (const ChipsetEntry* e = chipset_catalogue; e->vendor_id != 0xFFFF; e++)
    tables.insert(e->fields);
  for (const RegisterField* table : tables) {
    ExpectTableConventions(table);
    for (size_t i = 0; (table[i].reg & 0xFF) != 0; i++) {
      const RegisterField& f = table[i];
      SCOPED_TRACE(f.name);
      uint32_t access = f.bit_spec & 0xC0;
      if (access == 0x00) {
        EXPECT_EQ(f.reg & 0xFF, 0x05u);
      } else {
        EXPECT_TRUE(access == 0xC0 || access == 0x40);
      }
      for (unsigned v = 0; v < (1u << FieldWidth(f.bit_spec)); v++)
        EXPECT_LE(MatchingChoices(f.description, v).size(), 1u) << "value " << v;
    }
  }
}
