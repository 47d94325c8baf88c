// The field line and its translation: the exact bytes of the line, the choice
// and note lines of a description in both forms, and the table-error path.
#include <string>

#include "console/console.h"
#include "pci_test_support.h"

namespace {

const RegisterField CACHE_ENABLE = {
    0x50, 0xD6, 0, "Cache Enable",
    "00 Cache disable\r01 Cache Init - always does L2 fill\r10 Cache enable (normal "
    "operation)\r11 Cache flush - always does L2 write-back/fill"};
const RegisterField LATENCY_TIMER = {
    0x0D, 0xC0, 0x20, "PCI latency timer",
    "00100000 default\rBits 0-2 are fixed, resulting in a granularity of 8 clocks."};
const RegisterField LAST_BANK = {
    0x59, 0xD8, 0, "Last Bank DRAM Populated",
    "000 Bank 0\r001 Bank 1\r010 Bank 2\r011 Bank 3\r100 Bank 4\r101 Bank 5\r11x Reserved"};
const RegisterField ROW_SIZE = {0x60, 0xF8, 0, "DRAM Size Row 0 (4M unit)", ""};
const RegisterField TARGET_ABORT = {
    0x07, 0xE4, 0, "Received Target Abort",
    "Write 1 to clear\r0 No abort received\r1 Transaction aborted by the target."};

std::string FieldLine(const RegisterField& field, uint8_t value, const char* prefix = "",
                      bool verbose = false) {
  testing::internal::CaptureStdout();
  PrintFieldLine(field, value, prefix, verbose);
  return testing::internal::GetCapturedStdout();
}

RegisterField WithDescription(const char* description, uint32_t bit_spec = 0xD0) {
  return {0x52, bit_spec, 0, "Test Field", description};
}

class FieldLineTest : public ::testing::Test {
 protected:
  void SetUp() override { ResetRunState(); }
};

TEST_F(FieldLineTest, PrintsTheFourShapesOfALine) {
  EXPECT_EQ(FieldLine(CACHE_ENABLE, 0x80),
            "50:6-7:Cache Enable                    = 10       ; 10: Cache enable (normal "
            "operation)\n");
  EXPECT_EQ(FieldLine(LATENCY_TIMER, 0x20),
            "0D    :PCI latency timer               = 00100000 ; 00100000: default\n");
  EXPECT_EQ(FieldLine(LAST_BANK, 0x07),
            "59:0-2:Last Bank DRAM Populated        = 111      ; 11x: Reserved\n");
  EXPECT_EQ(FieldLine(ROW_SIZE, 0x02), "60:0-6:DRAM Size Row 0 (4M unit)       = 0000010 \n");
}

TEST_F(FieldLineTest, SpanNameAndPrefixLayout) {
  // A single bit keeps the span four characters wide; the prefix comes first;
  // only the bits of the field reach the binary digits.
  RegisterField one_bit = {0x57, 0xCB, 0, "Single", "0 off\r1 on"};
  EXPECT_EQ(FieldLine(one_bit, 0x08, "old value:"),
            "old value:57:3  :Single                          = 1        ; 1: on\n");
  RegisterField top_bits = {0x1C4, 0xE4, 0, "High Nibble", ""};
  EXPECT_EQ(FieldLine(top_bits, 0xA5), "C4:4-7:High Nibble                     = 1010    \n");
  std::string long_name(40, 'N');
  RegisterField wide = {0x60, 0xC0, 0, long_name.c_str(), ""};
  EXPECT_EQ(FieldLine(wide, 0xFF), "60    :" + long_name + "= 11111111\n");
}

TEST_F(FieldLineTest, BinaryDigitsFollowTheWidthCode) {
  EXPECT_STREQ(FormatBinary(0x00, 1), "0");
  EXPECT_STREQ(FormatBinary(0x05, 3), "101");
  EXPECT_STREQ(FormatBinary(0x02, 7), "0000010");
  EXPECT_STREQ(FormatBinary(0xA5, 0), "10100101");
  EXPECT_STREQ(FormatBinary(0x01, 0), "00000001");
}

TEST_F(FieldLineTest, VerboseListsEveryChoiceAndMarksTheMatch) {
  EXPECT_EQ(FieldLine(CACHE_ENABLE, 0x80, "", true),
            "50:6-7:Cache Enable                    = 10      \n"
            "   \t; 00: Cache disable\n"
            "   \t; 01: Cache Init - always does L2 fill\n"
            "==>\t;*10: Cache enable (normal operation)\n"
            "   \t; 11: Cache flush - always does L2 write-back/fill\n");
  // Notes keep the carriage return that separated them from the next line.
  EXPECT_STREQ(TranslateField(TARGET_ABORT, 1, true),
               "\n\t; Write 1 to clear\r"
               "\n   \t; 0: No abort received"
               "\n==>\t;*1: Transaction aborted by the target.");
  EXPECT_STREQ(TranslateField(WithDescription("First note\rSecond note"), 0, true),
               "\n\t; First note\r\n\t; Second note");
  EXPECT_STREQ(TranslateField(WithDescription("Trailing note\r"), 0, true),
               "\n\t; Trailing note\r");
}

TEST_F(FieldLineTest, NotesAreSilentWithoutVerbose) {
  EXPECT_STREQ(TranslateField(TARGET_ABORT, 0, false), " ; 0: No abort received");
  EXPECT_STREQ(TranslateField(WithDescription("Only a note\rAnd another"), 1, false), "");
  EXPECT_STREQ(TranslateField(WithDescription(""), 1, false), "");
}

TEST_F(FieldLineTest, PatternsMatchOnlyTheBitsTheyName) {
  RegisterField wildcard = WithDescription("11x Reserved", 0xD8);
  EXPECT_STREQ(TranslateField(wildcard, 6, false), " ; 11x: Reserved");
  EXPECT_STREQ(TranslateField(wildcard, 7, false), " ; 11x: Reserved");
  EXPECT_STREQ(TranslateField(wildcard, 5, false), "");

  // One character on a two-bit field tests the low bit only.
  RegisterField short_pattern = WithDescription("0 always reads 0", 0xD4);
  EXPECT_STREQ(TranslateField(short_pattern, 0, false), " ; 0: always reads 0");
  EXPECT_STREQ(TranslateField(short_pattern, 2, false), " ; 0: always reads 0");
  EXPECT_STREQ(TranslateField(short_pattern, 1, false), "");
  EXPECT_STREQ(TranslateField(short_pattern, 3, false), "");

  EXPECT_STREQ(TranslateField(LATENCY_TIMER, 0x20, false), " ; 00100000: default");
  EXPECT_STREQ(TranslateField(LATENCY_TIMER, 0xA0, false), "");

  // Overlapping patterns: each match in description order.
  RegisterField overlap = WithDescription("1x high\rx1 odd\r00 none", 0xD0);
  EXPECT_STREQ(TranslateField(overlap, 3, false), " ; 1x: high ; x1: odd");
  EXPECT_STREQ(TranslateField(overlap, 0, false), " ; 00: none");
}

TEST_F(FieldLineTest, LineBoundariesAndFillers) {
  // Blanks, control characters and upper-half bytes before a line are
  // dropped; a pattern that fills its line gets no colon.
  RegisterField messy = WithDescription(
      "  \t00 zero\r\r \x81\xFE"
      "01\r\n10\tten\r11",
      0xD0);
  EXPECT_STREQ(TranslateField(messy, 0, false), " ; 00: zero");
  EXPECT_STREQ(TranslateField(messy, 1, false), " ; 01");
  EXPECT_STREQ(TranslateField(messy, 2, false), " ; 10:\tten");
  EXPECT_STREQ(TranslateField(messy, 3, false), " ; 11");
  // Text after the pattern is kept as it is, blanks included.
  EXPECT_STREQ(TranslateField(WithDescription("1  two spaces", 0xC8), 1, false),
               " ; 1:  two spaces");
}

TEST_F(FieldLineTest, VerboseTranslationLongerThanAKilobyteIsPrintedWhole) {
  std::string description;
  std::string expected;
  for (int bank = 0; bank < 16; ++bank) {
    char pattern[5];
    for (int b = 0; b < 4; ++b)
      pattern[b] = (bank >> (3 - b)) & 1 ? '1' : '0';
    pattern[4] = '\0';
    std::string text = "Chip type " + std::to_string(bank) +
                       ": 4M x 4 asymmetric, 12 row and 10 column address lines";
    if (bank > 0)
      description += '\r';
    description += std::string(pattern) + " " + text;
    expected += (bank == 9 ? "\n==>\t;*" : "\n   \t; ") + std::string(pattern) + ": " + text;
  }
  description += "\rUnlisted values are reserved and must not be programmed by software.";
  expected += "\n\t; Unlisted values are reserved and must not be programmed by software.";
  ASSERT_GT(expected.size(), 1024u);

  RegisterField chip_type = {0x60, 0xE0, 0, "Bank 0 DRAM Chip Type", description.c_str()};
  std::string line = FieldLine(chip_type, 0xF9, "", true);
  EXPECT_EQ(line, "60:0-3:Bank 0 DRAM Chip Type           = 1001    " + expected + "\n");
}

TEST_F(FieldLineTest, MissingDescriptionIsReportedAndMarked) {
  RegisterField broken = {0x55, 0xC8, 0, "Broken Row", nullptr};
  RegisterField table[] = {broken, {0, 0, 0, nullptr, nullptr}};
  ChipsetEntry entry = {0x1106, 0x0595, "VIA Technologies", "Apollo VP2 (VT82C595)", table};
  current_chipset = &entry;
  testing::internal::CaptureStderr();
  std::string line = FieldLine(broken, 0x01);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "\nAn error detected in PCI register table: \"NULL comment string\"\n"
            "Probablly a table data setup miss. contact program owner.\n"
            "The error was found in \"Broken Row\" register of \"VIA "
            "Technologies::Apollo VP2 (VT82C595)\" chipset.\n");
  EXPECT_EQ(line, "55:0  :Broken Row                      = 1       !ERROR!\n");
}

}  // namespace
