// The program run without any terminal, as from a pipe, a service or CI:
// nothing may wait, and the help and option matching must hold exactly.
#include <gtest/gtest.h>

#include "wholerun/run_program.h"

namespace {

const char HELP_AFTER_NAME[] =
    " <options>\n"
    "<options>: -v or -verbose printout verbose messages.\n"
    "           -b or -batch   no pause for user input.\n"
    "           -?             printout this message.\n"
    "           -nocpu         do not report CPU.\n"
    "           -nochipset     do not report chipset.\n"
    "           -nomemory      do not report memory performance.\n"
    "           -nobeep        do not beep.\n"
    "           -force         force set PCI registers by -set command\n"
    "           -set<set spec> set PCI register.\n"
    "\n"
    "                          (accept multiple occurences)\n"
    "<set spec>\n"
    "  XX:S-E=BBBB  : set register XX's bits S to E to BBBB.\n"
    "  XX:S=B       : set register XX's bit S to B.\n"
    "  XX=BBBBBBBB  : set register XX to BBBBBBBB.\n"
    "\n"
    "where\n"
    "  X  : Hexadecimal digit. 0-9 and A-F\n"
    "  S,E: Octal digit.       0-7\n"
    "  B  : Binary digit.      0 or 1\n"
    "\n"
    "Examples)\n"
    "  -set53=11110000  ; set register 53 to 11110000(=0xF0)\n"
    "  -set52:3=1       ; set register 52's bit 3 to 1\n";

ProgramResult RunAlone(std::vector<std::string> args, std::vector<std::string> env = {}) {
  RunRequest request;
  request.args = std::move(args);
  request.env = std::move(env);
  return RunWithoutTerminal(request);
}

TEST(HelpWithoutTerminal, PrintsTheHelpExactlyAndEndsAtOnce) {
  // Flags before "-?" take effect, everything after it is never looked at:
  // neither a bad set spec nor an unknown argument may leak into the output.
  const std::vector<std::vector<std::string>> argument_lists = {
      {"-?"}, {"-b", "-?"}, {"-nobeep", "-?", "-set=junk"}, {"-?", "-nocpu", "-x"}};
  for (const auto& args : argument_lists) {
    ProgramResult result = RunAlone(args);
    SCOPED_TRACE(args.front() + " " + args.back());
    EXPECT_FALSE(result.timed_out);
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(result.out, std::string(BANNER) + "korvalt" + HELP_AFTER_NAME);
    EXPECT_EQ(result.err, "");
  }
}

TEST(HelpWithoutTerminal, ShowsTheProgramNameAsInvoked) {
  RunRequest request;
  request.args = {"-?"};
  request.argv0 = "./some dir/KORVALT.EXE";
  // The help reads no hardware, so a simulated machine changes nothing.
  request.env = {SIM_MACHINE};
  ProgramResult result = RunWithoutTerminal(request);
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.out, std::string(BANNER) + "./some dir/KORVALT.EXE" + HELP_AFTER_NAME);
}

TEST(LongOptions, HelpAndVersionNeedNoMachineAndNoKey) {
  // An unknown machine would end any run that chose one with status 2.
  const std::string no_machine = "KORVALT_MACHINE=no-such-machine";
  ProgramResult help = RunAlone({"-b", "--HELP", "-set=junk"}, {no_machine});
  EXPECT_EQ(help.exit_status, 0);
  // The help of -?, then the saved-dump options it does not show.
  const std::string short_help = std::string(BANNER) + "korvalt" + HELP_AFTER_NAME;
  EXPECT_EQ(help.out.substr(0, short_help.size()), short_help);
  EXPECT_NE(help.out.find("-compare=FILE", short_help.size()), std::string::npos) << help.out;
  EXPECT_EQ(help.err, "");

  ProgramResult version = RunAlone({"--version", "-?"}, {no_machine});
  EXPECT_EQ(version.exit_status, 0);
  EXPECT_EQ(version.out, "korvalt 0.14.0\n");
  EXPECT_EQ(version.err, "");
  // The report's banner names the same major and minor version.
  EXPECT_NE(std::string(BANNER).find("ver " + version.out.substr(8, 4) + " "), std::string::npos);
}

TEST(MachineChoice, UnknownMachineEndsWithStatusTwoBeforeTheBanner) {
  ProgramResult result = RunAlone({"-?"}, {"KORVALT_MACHINE=no-such-machine"});
  EXPECT_EQ(result.exit_status, 2);
  EXPECT_EQ(result.out, "");
  EXPECT_NE(result.err, "");
}

TEST(OptionsWithoutTerminal, FlagsMatchWholeArgumentsInAnyCase) {
  ProgramResult plain = RunAlone({}, {SIM_MACHINE});
  ASSERT_EQ(plain.exit_status, 0);
  ASSERT_FALSE(plain.timed_out);
  EXPECT_EQ(plain.out.rfind(BANNER, 0), 0u);

  // -nocpu really changes the report (no dash lines), so the comparisons
  // below are not between identical runs by accident.
  ProgramResult no_cpu = RunAlone({"-nocpu"}, {SIM_MACHINE});
  EXPECT_EQ(no_cpu.exit_status, 0);
  EXPECT_NE(no_cpu.out, plain.out);
  EXPECT_EQ(no_cpu.out.find(DASHES), std::string::npos);
  EXPECT_NE(plain.out.find(DASHES), std::string::npos);

  const std::vector<std::pair<std::string, std::string>> same = {{"-NOCPU", "-nocpu"},
                                                                 {"-B", "-b"},
                                                                 {"-Verbose", "-verbose"},
                                                                 {"-nOcHiPsEt", "-nochipset"},
                                                                 {"-NoMemory", "-nomemory"}};
  for (const auto& pair : same) {
    SCOPED_TRACE(pair.first);
    ProgramResult upper = RunAlone({pair.first}, {SIM_MACHINE});
    ProgramResult lower = RunAlone({pair.second}, {SIM_MACHINE});
    EXPECT_EQ(upper.exit_status, 0);
    EXPECT_EQ(upper.out, lower.out);
    EXPECT_EQ(upper.err, lower.err);
  }

  // Longer or shorter than a flag name is no flag at all.
  for (const char* ignored : {"-nocpux", "--nocpu"}) {
    SCOPED_TRACE(ignored);
    ProgramResult result = RunAlone({ignored}, {SIM_MACHINE});
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(result.out, plain.out);
  }
}

TEST(OptionsWithoutTerminal, SectionFlagsLeaveOutTheirSections) {
  ProgramResult plain = RunAlone({}, {SIM_MACHINE});
  ProgramResult bare = RunAlone({"-nocpu", "-nochipset", "-nomemory"}, {SIM_MACHINE});
  EXPECT_EQ(bare.exit_status, 0);
  // Only the banner is left.
  EXPECT_EQ(bare.out, BANNER);
  EXPECT_GT(plain.out.size(), bare.out.size());
}

TEST(OptionsWithoutTerminal, NoCpuStillMeasuresTheClockForTheMemorySection) {
  ProgramResult result = RunAlone({"-nocpu", "-nochipset"}, {SIM_MACHINE});
  EXPECT_EQ(result.exit_status, 0);
  // A simulated PC's interrupts really are off: one pass per loop, and the
  // rows exactly as they have always been.
  EXPECT_EQ(
      result.out,
      BANNER + std::string("     [size]: [clk/burst] [MB/sec]\n"
                           "READ     1K:   2.000     1780.2  ----------------------------------|\n"
                           "READ     2K:   2.000     1780.2  ----------------------------------|\n"
                           "READ     4K:   2.000     1780.2  ----------------------------------|\n"
                           "READ     8K:   2.000     1780.2  ----------------------------------|\n"
                           "READ    16K:   2.000     1780.2  ----------------------------------|\n"
                           "READ    32K:  10.500      339.1  --------------------|\n"
                           "READ    64K:  10.500      339.1  --------------------|\n"
                           "READ   128K:  10.500      339.1  --------------------|\n"
                           "READ   256K:  10.500      339.1  --------------------|\n"
                           "READ   512K:  10.500      339.1  --------------------|\n"
                           "READ  1024K:  17.500      203.4  ----------------|\n"
                           "READ  2048K:  17.500      203.4  ----------------|\n"
                           "READ  4096K:  17.500      203.4  ----------------|\n"
                           "READ  8192K:  17.500      203.4  ----------------|\n"
                           "     [size]: [clk/burst] [MB/sec]\n"
                           "WRITE    1K:   2.000     1780.2  ----------------------------------|\n"
                           "WRITE    2K:   2.000     1780.2  ----------------------------------|\n"
                           "WRITE    4K:   2.000     1780.2  ----------------------------------|\n"
                           "WRITE    8K:   2.000     1780.2  ----------------------------------|\n"
                           "WRITE   16K:   2.000     1780.2  ----------------------------------|\n"
                           "WRITE   32K:   7.000      508.6  -----------------------|\n"
                           "WRITE   64K:   7.000      508.6  -----------------------|\n"
                           "WRITE  128K:   7.000      508.6  -----------------------|\n"
                           "WRITE  256K:   7.000      508.6  -----------------------|\n"
                           "WRITE  512K:   7.000      508.6  -----------------------|\n"
                           "WRITE 1024K:  14.000      254.3  -----------------|\n"
                           "WRITE 2048K:  14.000      254.3  -----------------|\n"
                           "WRITE 4096K:  14.000      254.3  -----------------|\n"
                           "WRITE 8192K:  14.000      254.3  -----------------|\n"));
}

}  // namespace
