#include <gtest/gtest.h>

#include <string>

#include "cpu/cpu.h"

namespace {

struct ModelCase {
  int family;
  int model;
  const char* vendor;
  const char* name;
  int asks_flaw_test;
};

const ModelCase MODEL_CASES[] = {
    {0, 0, "GenuineIntel", "  non ", 0},
    {4, 0, "GenuineIntel", " 486DX", 0},
    {4, 1, "AuthenticAMD", " 486DX", 0},
    {4, 2, "GenuineIntel", " 486SX", 0},
    {4, 2, "AuthenticAMD", "  UMC ", 0},
    {4, 2, "genuineintel", "  UMC ", 0},  // the vendor test is case-sensitive
    {4, 3, "GenuineIntel", "486DX2", 0},
    {4, 4, "GenuineIntel", " 486SL", 0},
    {4, 5, "GenuineIntel", "486SX2", 0},
    {4, 7, "AuthenticAMD", "WBEDX2", 0},
    {4, 8, "GenuineIntel", "  DX4 ", 0},
    {4, 14, "AuthenticAMD", "Am5x86", 0},
    {5, 1, "GenuineIntel", "  P5  ", 1},
    {5, 2, "CyrixInstead", " 6x86 ", 0},
    {5, 2, "GenuineIntel", " P54C ", 1},
    {5, 3, "CyrixInstead", " 6x86 ", 0},
    {5, 3, "GenuineIntel", " P24T ", 1},
    {5, 4, "GenuineIntel", " P55C ", 0},
    {5, 6, "AuthenticAMD", "K6.35u", 0},
    {5, 7, "GenuineIntel", "P5note", 1},
    {5, 8, "AuthenticAMD", "K6.25u", 0},
    {5, 9, "AuthenticAMD", "K6 3D ", 0},
    {6, 0, "CyrixInstead", "6x86MX", 0},
    {6, 1, "GenuineIntel", "  P6  ", 0},
    {6, 3, "GenuineIntel", "Pen-II", 0},
    // Not in the table: the key between question marks, no flaw test.
    {5, 0, "GenuineIntel", "?0050?", 0},
    {6, 2, "GenuineIntel", "?0062?", 0},
    {5, 5, "CyrixInstead", "?0055?", 0},
    {15, 15, "AuthenticAMD", "?00FF?", 0},
};

TEST(ModelNameTable, EveryRowWithItsVendorConditionAndTheFallback) {
  for (const ModelCase& row : MODEL_CASES) {
    SCOPED_TRACE(std::string(row.vendor) + " family " + std::to_string(row.family) + " model " +
                 std::to_string(row.model));
    fdiv_check = 0;
    const std::string name = LookUpModelName(row.family, row.model, row.vendor);
    EXPECT_EQ(name, row.name);
    EXPECT_EQ(name.size(), 6u);
    EXPECT_EQ(fdiv_check, row.asks_flaw_test);
  }
}

// The names of the later processors belong to their own vendor: another
// maker's processor with the same family and model (an Athlon is family 6,
// a Rise mP6 family 5 model 0) keeps the fallback, as does every key after
// them, such as the Core Duo's family 6 model 14.
TEST(ModelNameTable, LaterProcessorsAreNamedForTheirVendorOnly) {
  const ModelCase cases[] = {
      {6, 5, "GenuineIntel", "P2/Cel", 0},  {6, 5, "CyrixInstead", "CyrIII", 0},
      {6, 5, "AuthenticAMD", "?0065?", 0},  {6, 6, "GenuineIntel", "Cel-A ", 0},
      {6, 6, "CentaurHauls", "CyrIII", 0},  {6, 6, "AuthenticAMD", "?0066?", 0},
      {6, 7, "GenuineIntel", "PenIII", 0},  {6, 8, "CentaurHauls", "VIA C3", 0},
      {5, 13, "AuthenticAMD", "K6.18u", 0}, {5, 13, "GenuineIntel", "?005D?", 0},
      {5, 0, "RiseRiseRise", " mP6  ", 0},  {5, 0, "GenuineIntel", "?0050?", 0},
      {6, 14, "GenuineIntel", "?006E?", 0}, {6, 3, "AuthenticAMD", "Pen-II", 0},
  };
  for (const ModelCase& row : cases) {
    SCOPED_TRACE(std::string(row.vendor) + " family " + std::to_string(row.family) + " model " +
                 std::to_string(row.model));
    fdiv_check = 0;
    const std::string name = LookUpModelName(row.family, row.model, row.vendor);
    EXPECT_EQ(name, row.name);
    EXPECT_EQ(name.size(), 6u);
    EXPECT_EQ(fdiv_check, 0);
  }
}

TEST(ModelNameTable, FlawTestRequestIsNeverWithdrawn) {
  fdiv_check = 0;
  LookUpModelName(5, 2, "GenuineIntel");
  LookUpModelName(5, 4, "GenuineIntel");
  LookUpModelName(6, 2, "GenuineIntel");
  EXPECT_EQ(fdiv_check, 1);
}

TEST(BitPattern, MaskedBitsShowAsDashesInColonSeparatedBytes) {
  EXPECT_STREQ(FormatBitPattern(0, 0xFFFFF000u), "00000000:00000000:0000----:--------");
  EXPECT_STREQ(FormatBitPattern(0, 0xFF7F0C00u), "00000000:-0000000:----00--:--------");
  EXPECT_STREQ(FormatBitPattern(0xFFFFFFFFu, 0xFF7F0C00u), "11111111:-1111111:----11--:--------");
  EXPECT_STREQ(FormatBitPattern(0x80000001u, 0xFFFFFFFFu), "10000000:00000000:00000000:00000001");
  EXPECT_STREQ(FormatBitPattern(0x01020304u, 0xFFFFFFFFu), "00000001:00000010:00000011:00000100");
  // Value bits outside the mask do not show; the processor-type bits of EAX do.
  EXPECT_STREQ(FormatBitPattern(0x00001525u, 0xFFFFF000u), "00000000:00000000:0001----:--------");
  EXPECT_STREQ(FormatBitPattern(0xFFFFFFFFu, 0), "--------:--------:--------:--------");
}

}  // namespace
