// The option scan: which arguments are flags, which are set commands, and
// where "-?" stops the scan.
#include "driver/options.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "driver/driver.h"

namespace {

// Scans "korvalt" followed by args; returns whether "-?" was reached.
int Scan(std::vector<const char*> args) {
  args.insert(args.begin(), "korvalt");
  return ScanOptions(static_cast<int>(args.size()), args.data());
}

int FlagsSet() {
  return options.batch + options.verbose + options.no_cpu + options.no_chipset + options.no_memory +
         options.no_beep + options.force;
}

TEST(OptionScan, EachNameSetsItsOwnFlagInAnyLetterCase) {
  struct Case {
    const char* argument;
    int Options::*flag;
  };
  const Case cases[] = {
      {"-batch", &Options::batch},          {"-B", &Options::batch},
      {"-BaTcH", &Options::batch},          {"-v", &Options::verbose},
      {"-Verbose", &Options::verbose},      {"-NOCPU", &Options::no_cpu},
      {"-noChipset", &Options::no_chipset}, {"-NOMEMORY", &Options::no_memory},
      {"-NoBeep", &Options::no_beep},       {"-FORCE", &Options::force},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Scan({c.argument}), 0) << c.argument;
    EXPECT_EQ(options.*c.flag, 1) << c.argument;
    EXPECT_EQ(FlagsSet(), 1) << c.argument;
  }
}

TEST(OptionScan, AnythingButAWholeFlagNameIsIgnored) {
  EXPECT_EQ(Scan({"-batchx", "-nocpux", "-b2", "--b", "batch", "-", "", "-no", "-set53=1", "-SET",
                  "-forced", "/b"}),
            0);
  EXPECT_EQ(FlagsSet(), 0);
}

TEST(OptionScan, StartsWithEveryFlagOffAndAllowsRepeats) {
  options.force = 1;
  options.batch = 1;
  EXPECT_EQ(Scan({"-v", "-v", "-V"}), 0);
  EXPECT_EQ(options.verbose, 1);
  EXPECT_EQ(options.force, 0);
  EXPECT_EQ(options.batch, 0);
}

TEST(OptionScan, QuestionMarkStopsTheScanWhereItStands) {
  EXPECT_EQ(Scan({"-b", "-nobeep", "-?", "-force", "-v"}), 1);
  EXPECT_EQ(options.batch, 1);
  EXPECT_EQ(options.no_beep, 1);
  EXPECT_EQ(options.force, 0);
  EXPECT_EQ(options.verbose, 0);

  EXPECT_EQ(Scan({"-?", "-nobeep"}), 1);
  EXPECT_EQ(options.no_beep, 0);

  // Only the exact argument counts.
  EXPECT_EQ(Scan({"-??", "?", "-?x", "/?"}), 0);
}

TEST(OptionScan, ProgramNameIsNeverAnOption) {
  const char* args[] = {"-b", "-v"};
  EXPECT_EQ(ScanOptions(2, args), 0);
  EXPECT_EQ(options.batch, 0);
  EXPECT_EQ(options.verbose, 1);
  EXPECT_EQ(ScanOptions(0, args), 0);
  EXPECT_EQ(FlagsSet(), 0);
}

TEST(SetCommand, RecognisedByItsFirstFourCharactersInAnyCase) {
  EXPECT_STREQ(SetSpecOf("-set53=11110000"), "53=11110000");
  EXPECT_STREQ(SetSpecOf("-SET53=0"), "53=0");
  EXPECT_STREQ(SetSpecOf("-Set52:3=1"), "52:3=1");
  EXPECT_STREQ(SetSpecOf("-set"), "");  // an empty spec is still a set command
  EXPECT_STREQ(SetSpecOf("-settle"), "tle");
  EXPECT_EQ(SetSpecOf("-se"), nullptr);
  EXPECT_EQ(SetSpecOf(""), nullptr);
  EXPECT_EQ(SetSpecOf("--set53=1"), nullptr);
  EXPECT_EQ(SetSpecOf("set53=1"), nullptr);
  EXPECT_EQ(SetSpecOf(nullptr), nullptr);
}

TEST(OptionScan, LongHelpAndVersionStopTheScanLikeTheQuestionMark) {
  EXPECT_EQ(Scan({"-b", "--help", "-v"}), SCAN_LONG_HELP);
  EXPECT_EQ(options.batch, 1);
  EXPECT_EQ(options.verbose, 0);
  EXPECT_EQ(Scan({"--VERSION", "-?"}), SCAN_VERSION);
  EXPECT_EQ(Scan({"-?", "--version"}), SCAN_HELP);
  EXPECT_EQ(Scan({"-help", "--help=x", "-version", "--versions"}), SCAN_RUN);
}

TEST(OptionScan, DecodeAndCompareNameTheirFilesAndTheLastOneCounts) {
  EXPECT_EQ(Scan({"-decode=a.txt", "-v", "-DECODE=dir/b c.txt"}), SCAN_RUN);
  EXPECT_STREQ(options.decode_file, "dir/b c.txt");
  EXPECT_EQ(options.verbose, 1);
  EXPECT_EQ(Scan({"-v"}), SCAN_RUN);
  EXPECT_EQ(options.decode_file, nullptr);
  // Without '=' right after the name it names no file, which the run
  // refuses, rather than being ignored and reporting the hardware instead.
  for (const char* nameless : {"-decode", "-decode=", "-Decodefile.txt", "-decode:x"}) {
    Scan({nameless});
    ASSERT_NE(options.decode_file, nullptr) << nameless;
    EXPECT_STREQ(options.decode_file, "") << nameless;
  }
  // -compare names its own file the same way, beside -decode's.
  Scan({"-compare=b.txt", "-decode=a.txt", "-COMPARE"});
  EXPECT_STREQ(options.decode_file, "a.txt");
  EXPECT_STREQ(options.compare_file, "");
  EXPECT_EQ(CompareFileOf("-compar=x"), nullptr);
  EXPECT_EQ(DecodeFileOf("-decod=x"), nullptr);
  EXPECT_EQ(DecodeFileOf("--decode=x"), nullptr);
  EXPECT_EQ(DecodeFileOf(nullptr), nullptr);
}

}  // namespace
