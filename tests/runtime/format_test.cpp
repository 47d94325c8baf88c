// The program's own formatter against the C library's: the same text for
// every flag, width, precision and length, and for floating-point values of
// every magnitude, rounded exactly.
#include "runtime/format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <random>
#include <string>

#include "console/console.h"

namespace {

std::string Ours(const char* format, ...) KORVALT_PRINTF(1, 2);
std::string Ours(const char* format, ...) {
  static char buffer[8192];
  va_list args;
  va_start(args, format);
  int length = FormatToBuffer(buffer, sizeof buffer, format, args);
  va_end(args);
  EXPECT_EQ(length, static_cast<int>(strlen(buffer))) << format;
  return buffer;
}

std::string Library(const char* format, ...) KORVALT_PRINTF(1, 2);
std::string Library(const char* format, ...) {
  static char buffer[8192];
  va_list args;
  va_start(args, format);
  vsnprintf(buffer, sizeof buffer, format, args);
  va_end(args);
  return buffer;
}

// Formats are passed on as variables here, so the compiler cannot check
// them against the arguments; each list below keeps to one argument type.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-nonliteral"

template <typename T>
void ExpectSameForAll(const char* const* formats, size_t format_count, const T* values,
                      size_t value_count) {
  for (size_t f = 0; f < format_count; ++f) {
    for (size_t v = 0; v < value_count; ++v)
      EXPECT_EQ(Ours(formats[f], values[v]), Library(formats[f], values[v])) << formats[f];
  }
}

TEST(FormatTest, IntegersMatchTheLibraryForEveryFlagWidthAndPrecision) {
  const char* const int_formats[] = {"%d",     "%i",    "%5d",  "%-5d|",  "%05d",   "%+d",   "% d",
                                     "%.3d",   "%8.3d", "%.0d", "%-+8d|", "%0+8d",  "%+.0d", "%x",
                                     "%#x",    "%#X",   "%#o",  "%o",     "%08X",   "%#.0o", "%u",
                                     "%#8.4x", "%hhd",  "%hd",  "%hhx",   "%-#10o|"};
  const int ints[] = {0, 1, -1, 7, 42, -42, 255, 256, 65535, 123456789, INT_MAX, INT_MIN};
  ExpectSameForAll(int_formats, sizeof int_formats / sizeof *int_formats, ints,
                   sizeof ints / sizeof *ints);

  const char* const long_formats[] = {"%ld", "%1ld", "% 5ld", "%2ld", "%08lX", "%-12lx|", "%+ld"};
  const long longs[] = {0, -1, 99, 100000, LONG_MAX, LONG_MIN};
  ExpectSameForAll(long_formats, sizeof long_formats / sizeof *long_formats, longs,
                   sizeof longs / sizeof *longs);

  const char* const wide_formats[] = {"%lld", "%llu", "%llx", "%#llo", "%25lld", "%-25lld|"};
  const long long wides[] = {0, LLONG_MIN, LLONG_MAX, -1, 1234567890123LL};
  ExpectSameForAll(wide_formats, sizeof wide_formats / sizeof *wide_formats, wides,
                   sizeof wides / sizeof *wides);

  const char* const size_formats[] = {"%zu", "%zx", "%10zu"};
  const size_t sizes[] = {0, 1, SIZE_MAX};
  ExpectSameForAll(size_formats, sizeof size_formats / sizeof *size_formats, sizes,
                   sizeof sizes / sizeof *sizes);

  EXPECT_EQ(Ours("%*d|%-*d|%.*d", 6, 42, 6, 42, 4, 7),
            Library("%*d|%-*d|%.*d", 6, 42, 6, 42, 4, 7));
  // A negative width read from the arguments means left-aligned; a negative
  // precision means none.
  EXPECT_EQ(Ours("%*d|%.*d", -6, 42, -3, 7), Library("%*d|%.*d", -6, 42, -3, 7));
}

TEST(FormatTest, FixedPointRoundsTheExactValueTiesToEven) {
  const char* const formats[] = {"%.0f",  "%.1f",  "%.2f", "%.3f",  "%6.2f",   "%7.3f",
                                 "%6.1f", "%5.4f", "%f",   "%#.0f", "%+08.2f", "%-9.1f|"};
  // Exactly representable halves round to even; the nearest doubles to
  // 2.675 and 1.005 lie below the half and round down; carries ripple into
  // a new integer digit.
  const double values[] = {0.0,         -0.0,
                           0.5,         1.5,
                           2.5,         -2.5,
                           0.125,       0.375,
                           0.8125,      1.21875,
                           2.675,       1.005,
                           9.995,       99.95,
                           0.9999,      999.9996,
                           233.33,      2596.14,
                           32371.2,     1e-7,
                           123456789.0, -0.05,
                           0.05,        1e22,
                           4.35,        0.0049999999999999999};
  ExpectSameForAll(formats, sizeof formats / sizeof *formats, values,
                   sizeof values / sizeof *values);
}

TEST(FormatTest, ScientificAndGeneralMatchTheLibrary) {
  const char* const formats[] = {"%e",     "%.0e", "%.3E",    "%#.0e", "%12.4e", "%g",
                                 "%.0g",   "%.1g", "%.3g",    "%#g",   "%#.3g",  "%G",
                                 "%-12g|", "%+g",  "%010.3e", "%.17g"};
  const double values[] = {0.0,      -0.0,      1.0,   9.5,    9.9999995, 0.0001,  0.00001,
                           123456.0, 1234567.0, 1e100, 1e-100, 5e-324,    DBL_MAX, DBL_MIN,
                           0.1,      2.5,       -3.75, 100.0,  1e15,      1.25e-5};
  ExpectSameForAll(formats, sizeof formats / sizeof *formats, values,
                   sizeof values / sizeof *values);
}

TEST(FormatTest, DoublesOfEveryMagnitudeExpandExactly) {
  // Random bit patterns cover normal and subnormal doubles alike; every
  // digit printed must be the library's, also far past 17 digits.
  std::mt19937_64 random(20240611);
  const char* const formats[] = {"%.0f", "%.3f", "%.20f", "%.6e", "%.25e", "%.17g", "%.40g"};
  for (int i = 0; i < 3000; ++i) {
    uint64_t bits = random();
    double value;
    memcpy(&value, &bits, sizeof value);
    if (!std::isfinite(value))
      continue;
    // Keep the fixed-notation texts within the comparison buffers.
    if (std::fabs(value) > 1e300)
      value = std::ldexp(value, -200);
    for (const char* format : formats)
      ASSERT_EQ(Ours(format, value), Library(format, value)) << format << " " << bits;
  }
  // The longest expansions there are: the smallest subnormal and the largest
  // double, in full.
  EXPECT_EQ(Ours("%.1100f", 5e-324), Library("%.1100f", 5e-324));
  EXPECT_EQ(Ours("%.0f", DBL_MAX), Library("%.0f", DBL_MAX));
  EXPECT_EQ(Ours("%.800e", DBL_MAX), Library("%.800e", DBL_MAX));
}

TEST(FormatTest, InfinityAndNotANumberKeepTheirSignAndIgnoreZeroPadding) {
  const char* const formats[] = {"%f", "%F", "%e", "%G", "%8f|", "%-8f|", "%08f", "%+f", "% f"};
  const double values[] = {INFINITY, -INFINITY, NAN, -NAN};
  ExpectSameForAll(formats, sizeof formats / sizeof *formats, values,
                   sizeof values / sizeof *values);
}

TEST(FormatTest, TextAndCharactersPadAndTruncate) {
  const char* const formats[] = {"%s", "%10s|", "%-10s|", "%.3s", "%8.2s|", "%-32s|", "%.0s|"};
  const char* const texts[] = {"", "a", "korvalt", "Pentium MMX 233 MHz"};
  ExpectSameForAll(formats, sizeof formats / sizeof *formats, texts, sizeof texts / sizeof *texts);
  EXPECT_EQ(Ours("%c|%3c|%-3c|", 'A', 'b', 'c'), Library("%c|%3c|%-3c|", 'A', 'b', 'c'));
  EXPECT_EQ(Ours("100%%|"), "100%|");
  // Hidden from the compiler, which would refuse a null it can see.
  const char* volatile missing = nullptr;
  EXPECT_EQ(Ours("[%s][%.3s][%8s]", missing, missing, missing),
            Library("[%s][%.3s][%8s]", missing, missing, missing));
  int here = 0;
  EXPECT_EQ(Ours("%p|%p", static_cast<void*>(nullptr), static_cast<void*>(&here)),
            Library("%p|%p", static_cast<void*>(nullptr), static_cast<void*>(&here)));
}

#pragma GCC diagnostic pop

int FormatInto(char* buffer, size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = FormatToBuffer(buffer, size, format, args);
  va_end(args);
  return length;
}

int FormatOnto(FILE* stream, const char* format, ...) {
  va_list args;
  va_start(args, format);
  int length = FormatToStream(stream, format, args);
  va_end(args);
  return length;
}

TEST(FormatTest, BufferIsCutAndTerminatedWhileTheFullLengthIsReturned) {
  struct Case {
    size_t size;
    const char* expected;
  };
  // Size 0 writes nothing at all, not even the terminator.
  const Case cases[] = {{0, "xxxxxxx"}, {1, ""}, {5, "val="}, {8, "val=123"}};
  for (const Case& c : cases) {
    char buffer[8] = "xxxxxxx";
    EXPECT_EQ(FormatInto(buffer, c.size, "val=%d", 12345), 9) << c.size;
    EXPECT_STREQ(buffer, c.expected) << c.size;
  }
}

TEST(FormatTest, StreamsGetTheWholeTextInPiecesAndNothingIsWrittenThroughN) {
  FILE* stream = tmpfile();
  ASSERT_NE(stream, nullptr);
  std::string long_text(1000, 'k');
  int target = 77;
  int written = FormatOnto(stream, "<%s>%n%6.2f|%-300d|", long_text.c_str(), &target, 233.325, 5);
  EXPECT_EQ(target, 77);
  ASSERT_EQ(written, 1002 + 6 + 1 + 300 + 1);
  rewind(stream);
  std::string back(static_cast<size_t>(written) + 1, '\0');
  ASSERT_EQ(fread(&back[0], 1, back.size(), stream), static_cast<size_t>(written));
  back.resize(static_cast<size_t>(written));
  fclose(stream);
  EXPECT_EQ(back.substr(0, 1002), "<" + long_text + ">");
  EXPECT_EQ(back.substr(1002, 7), Library("%6.2f|", 233.325));
  EXPECT_EQ(back.substr(1009), "5" + std::string(299, ' ') + "|");
}

}  // namespace
