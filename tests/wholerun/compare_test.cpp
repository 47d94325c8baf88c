// Comparing with a saved dump: a simulated board as it powers up against the
// same board tuned by -set and saved, from korvalt's rows and from lspci's
// form, live and decoded; the -set specs the verbose comparison offers, run
// on the first board, must give the second board's bytes; bytes one side
// lacks are counted, never compared; bad input ends the run before the
// banner.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "pci/config_dump.h"
#include "pci/set_command.h"
#include "simulated_pc.h"
#include "wholerun/run_program.h"
#include "wholerun/saved_dump_files.h"

namespace {

const char HINT[] = "set the saved value with -set";

// Out of table order on purpose (67:4 stands after the 68h rows in the
// table), so that the comparison's order is its own.
const std::vector<std::string> TUNING = {"-set67:4=1",     "-set68:4=0",    "-set0D=01000000",
                                         "-set57:0-2=011", "-set52:6-7=01", "-set59:4-7=0011"};

std::string RightTrimmed(std::string text) {
  while (!text.empty() && text.back() == ' ')
    text.pop_back();
  return text;
}

// A report with one byte of its dump rows replaced.
std::string WithDumpByte(std::string report, unsigned reg, const char* hex) {
  char label[8];
  std::snprintf(label, sizeof label, "\n%02X  ", reg & 0xF0);
  size_t row = report.find(label);
  EXPECT_NE(row, std::string::npos);
  report.replace(row + 1 + 4 + 3 * (reg % 16), 2, hex);
  return report;
}

std::string ComparisonSection(const std::string& out) {
  size_t at = out.find("-----PCI HostBridge comparison");
  return at != std::string::npos ? out.substr(at) : "no comparison section";
}

std::string WithoutLineStarting(const std::string& text, const std::string& start) {
  std::string out;
  for (const std::string& line : Lines(text)) {
    if (line.compare(0, start.size(), start) != 0)
      out += line + "\n";
  }
  return out;
}

ConfigDump DumpOf(const std::string& report) {
  ConfigDump dump;
  DumpError error;
  EXPECT_EQ(ParseConfigDump(report.data(), report.size(), &dump, &error), 1) << error.message;
  return dump;
}

// The board as it powers up, and tuned: by TUNING, and by three bytes that
// no -set of this chip gives (a fixed field, a register without fields, a
// bit outside every field of its register).
struct TwoBoards {
  ProgramResult first;
  ProgramResult tuning;
  std::string second;
  TwoBoards() {
    first = RunKorvalt({"-b", "-nocpu", "-nomemory"}, {SIM_MACHINE});
    std::vector<std::string> args = {"-b", "-nocpu", "-nomemory"};
    args.insert(args.end(), TUNING.begin(), TUNING.end());
    tuning = RunKorvalt(args, {SIM_MACHINE});
    second =
        WithDumpByte(WithDumpByte(WithDumpByte(tuning.out, 0x08, "02"), 0x44, "5A"), 0x06, "10");
  }
};

TEST(Compare, TwoSimulatedBoardsDifferInTheTunedFieldsInTableOrder) {
  TwoBoards boards;
  ASSERT_EQ(boards.first.exit_status, 0);
  ASSERT_EQ(boards.tuning.exit_status, 0);
  ASSERT_EQ(boards.tuning.err, "");  // every tuned bit took
  TempFile first(boards.first.out);
  TempFile second(boards.second);

  // Each tuned field as the -set run showed it, before / after, placed
  // where the first board's chipset section has it.
  const std::vector<std::string> fields = TranslatedFieldLines(boards.first.out);
  std::vector<std::pair<size_t, std::string>> expected;
  const std::vector<std::string> set_lines = Lines(boards.tuning.out);
  for (size_t i = 0; i + 1 < set_lines.size(); ++i) {
    const std::string& old_line = set_lines[i];
    if (old_line.compare(0, 10, "old value:") != 0)
      continue;
    const std::string& new_line = set_lines[i + 1];
    const std::string place = old_line.substr(10, old_line.find('=') - 10);
    const size_t row = std::find_if(fields.begin(), fields.end(),
                                    [&](const std::string& f) { return f.find(place) == 0; }) -
                       fields.begin();
    expected.push_back({row, old_line.substr(10) + " / " +
                                 RightTrimmed(new_line.substr(new_line.find("= ") + 2))});
  }
  ASSERT_EQ(expected.size(), TUNING.size());
  const size_t revision = std::find_if(fields.begin(), fields.end(),
                                       [](const std::string& f) { return f.find("08 ") == 0; }) -
                          fields.begin();
  ASSERT_LT(revision, fields.size());
  expected.push_back({revision, fields[revision] + " / 00000010"});
  std::sort(expected.begin(), expected.end());

  std::string section =
      "-----PCI HostBridge comparison--------------------\n"
      "This : the dump in " +
      first.path() +
      ", [8086:7100] Intel Triton TX (82439TX)\n"
      "Saved: the dump in " +
      second.path() +
      ", [8086:7100] Intel Triton TX (82439TX)\n"
      "-----Fields that differ (this / saved)------------\n";
  for (const auto& line : expected)
    section += line.second + "\n";
  section +=
      "-----Bytes that differ outside any field----------\n"
      "06: 00 / 10\n"
      "44: 00 / 5A\n"
      "Fields that differ: 7; fields the same: " +
      std::to_string(fields.size() - 7) + "; bytes not readable on one side: 0\n";

  ProgramResult decoded =
      RunKorvalt({"-b", "-decode=" + first.path(), "-compare=" + second.path()}, {NO_MACHINE});
  EXPECT_EQ(decoded.exit_status, 0);
  EXPECT_EQ(decoded.err, "");
  EXPECT_EQ(decoded.out, BANNER + section);

  // The board itself in place of its saved report: the same comparison,
  // between the processor and the memory sections.
  ProgramResult live = RunKorvalt({"-b", "-compare=" + second.path()}, {SIM_MACHINE});
  EXPECT_EQ(live.exit_status, 0);
  const std::string live_section = ComparisonSection(live.out);
  EXPECT_NE(live_section.find("\nThis : this machine, [8086:7100]"), std::string::npos);
  const size_t count_end = live_section.find('\n', live_section.find("not readable on one side"));
  EXPECT_EQ(WithoutLineStarting(live_section.substr(0, count_end + 1), "This : "),
            WithoutLineStarting(section, "This : "))
      << live.out;
  EXPECT_NE(live.out.find(DASHES), std::string::npos);
  EXPECT_NE(live.out.find("READ "), std::string::npos);
}

TEST(Compare, LspciDumpComparesAsTheSameBoardInKorvaltRows) {
  TwoBoards boards;
  TempFile first(boards.first.out);
  TempFile second(boards.second);
  TempFile first_lspci(AsLspci(boards.first.out));
  TempFile second_lspci(AsLspci(boards.second));
  for (bool verbose : {false, true}) {
    std::vector<std::string> common = {"-b"};
    if (verbose)
      common.push_back("-v");
    auto compare = [&](const TempFile& a, const TempFile& b) {
      std::vector<std::string> args = common;
      args.push_back("-decode=" + a.path());
      args.push_back("-compare=" + b.path());
      ProgramResult run = RunKorvalt(args, {NO_MACHINE});
      EXPECT_EQ(run.exit_status, 0);
      return WithoutLineStarting(WithoutLineStarting(run.out, "This : "), "Saved: ");
    };
    const std::string rows = compare(first, second);
    EXPECT_NE(rows.find("Fields that differ: 7;"), std::string::npos) << rows;
    EXPECT_EQ(compare(first_lspci, second), rows);
    EXPECT_EQ(compare(first, second_lspci), rows);
  }
}

TEST(Compare, EverySetHintGivesTheSecondBoardsByte) {
  TwoBoards boards;
  TempFile first(boards.first.out);
  TempFile second(boards.second);
  ProgramResult verbose = RunKorvalt(
      {"-b", "-v", "-decode=" + first.path(), "-compare=" + second.path()}, {NO_MACHINE});
  ASSERT_EQ(verbose.exit_status, 0);

  std::vector<std::string> hints;
  std::set<unsigned> registers;
  for (const std::string& line : Lines(verbose.out)) {
    size_t at = line.find(HINT);
    if (at == std::string::npos)
      continue;
    const std::string spec = line.substr(at + sizeof HINT - 1);
    const ParsedSetSpec parsed = ParseSetSpec(spec.c_str());
    EXPECT_EQ(parsed.form, SPEC_BITS) << spec;
    hints.push_back("-set" + spec);
    registers.insert(parsed.reg);
  }
  // Only the changeable fields get one: not the revision, a fixed field.
  EXPECT_EQ(registers, (std::set<unsigned>{0x0D, 0x52, 0x57, 0x59, 0x67, 0x68}));

  std::vector<std::string> args = {"-b", "-nocpu", "-nomemory"};
  args.insert(args.end(), hints.begin(), hints.end());
  ProgramResult applied = RunKorvalt(args, {SIM_MACHINE});
  ASSERT_EQ(applied.exit_status, 0);
  EXPECT_EQ(applied.err, "");
  const ConfigDump result = DumpOf(applied.out);
  const ConfigDump wanted = DumpOf(boards.second);
  for (unsigned reg : registers)
    EXPECT_EQ(result.bytes[reg], wanted.bytes[reg]) << std::hex << reg;

  // Each value's choice is marked, the two marks told apart.
  EXPECT_NE(verbose.out.find("\n<==\t;*01: 256 KB\n==>\t;*10: 512 KB\n"), std::string::npos)
      << verbose.out;
}

TEST(Compare, BytesOneSideLacksAreCountedNotCompared) {
  TwoBoards boards;
  // lspci -xxx of an ordinary user: the header alone.
  std::string header = AsLspci(boards.second);
  header = header.substr(0, header.find("\n40:") + 1);
  TempFile short_dump(header);
  TempFile second(boards.second);
  ProgramResult run =
      RunKorvalt({"-b", "-nocpu", "-nomemory", "-compare=" + short_dump.path()}, {SIM_MACHINE});
  EXPECT_EQ(run.exit_status, 0);
  const std::string section = ComparisonSection(run.out);
  EXPECT_NE(section.find("\n       the dump holds only its first 64 configuration bytes\n"),
            std::string::npos)
      << section;
  EXPECT_NE(section.find("\n0D    :PCI latency timer               = 00100000 / 01000000\n"),
            std::string::npos);
  EXPECT_NE(section.find("\n06: 00 / 10\n"), std::string::npos);
  EXPECT_EQ(section.find("\n44:"), std::string::npos);
  EXPECT_EQ(section.find("\n52:"), std::string::npos);
  EXPECT_NE(section.find("Fields that differ: 2; fields the same: 30; bytes not readable on one "
                         "side: 192\n"),
            std::string::npos);

  // The short side as the one reported: the same bytes go uncompared.
  run =
      RunKorvalt({"-b", "-decode=" + short_dump.path(), "-compare=" + second.path()}, {NO_MACHINE});
  EXPECT_NE(run.out.find("Fields that differ: 0; fields the same: 32; bytes not readable on one "
                         "side: 192\n"),
            std::string::npos)
      << run.out;

  // Another chip: only the header, byte by byte.
  ProgramResult other = RunKorvalt({"-b", "-nocpu", "-nomemory"}, {"KORVALT_MACHINE=k6-vp2"});
  TempFile other_dump(other.out);
  run = RunKorvalt({"-b", "-decode=" + other_dump.path(), "-compare=" + short_dump.path()},
                   {NO_MACHINE});
  EXPECT_EQ(run.exit_status, 0);
  EXPECT_NE(run.out.find("The two are different host bridges: only the 64-byte PCI header is "
                         "compared.\n-----PCI header bytes that differ (this / saved)--\n00: 06 "
                         "/ 86\n"),
            std::string::npos)
      << run.out;
  EXPECT_NE(run.out.find("\nHeader bytes that differ: "), std::string::npos);
  EXPECT_EQ(run.out.find("Fields"), std::string::npos);
}

TEST(Compare, BadInputEndsTheRunWithStatusTwoBeforeTheBanner) {
  TempFile good("00:00.0 Host bridge: x\n00: 86 80 00 71 06 00 00 02 01 00 00 06 00 20 00 00\n");
  TempFile no_dump("Here is my board's report:\n(forgot to paste it)\n");
  const RefusedRun cases[] = {
      {{"-compare"}, "-compare=FILE"},
      {{"-compare="}, "-compare=FILE"},
      {{"-compare=/nonexistent/dump.txt"}, "/nonexistent/dump.txt"},
      {{"-compare=/"}, "cannot read /"},
      {{"-compare=" + no_dump.path()}, "no configuration dump found"},
      {{"-compare=-"}, "-: no configuration dump found"},
      {{"-set0D=00000000", "-compare=" + good.path()}, "-set cannot be used with -compare"},
      {{"-decode=-", "-compare=-"}, "cannot both read standard input"},
      {{"-decode=" + good.path(), "-compare=" + no_dump.path()}, no_dump.path()},
  };
  for (const RefusedRun& c : cases)
    ExpectRefusedBeforeTheBanner(c, SIM_MACHINE);
}

}  // namespace
