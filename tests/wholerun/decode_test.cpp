// Decoding a saved dump: every simulated bridge's report, saved and decoded
// again, must give exactly the chipset section of the machine itself, from
// korvalt's own report and from lspci's form; a dump that cannot be used
// ends the run before the banner.
#include <gtest/gtest.h>

#include <string>

#include "hw/sim/sim_machine.h"
#include "wholerun/run_program.h"
#include "wholerun/saved_dump_files.h"

namespace {

// The banner and the chipset section of a run without the processor and
// memory sections (a clock warning, which such a run may still print, left
// out).  A saved dump holds the bridge's bytes, not where it was found, so
// the line that says where is left out as well.
std::string ChipsetSection(const std::string& out) {
  size_t found = out.find("-----PCI HostBridge found");
  size_t at = found != std::string::npos ? found : out.find("Unsupported Device");
  if (at == std::string::npos)
    return "no chipset section";
  std::string section = BANNER + out.substr(at);
  const size_t place = section.find("\nFound at bus 0, ");
  if (place != std::string::npos)
    section.erase(place + 1, section.find('\n', place + 1) - place);
  return section;
}

TEST(Decode, EverySimulatedBridgeDecodesToItsOwnChipsetSection) {
  for (const SimMachineDesc* m = sim_catalogue; m->name != nullptr; ++m) {
    SCOPED_TRACE(m->name);
    const std::string machine = std::string("KORVALT_MACHINE=") + m->name;
    ProgramResult report = RunKorvalt({"-b"}, {machine});
    ASSERT_EQ(report.exit_status, 0);
    TempFile saved(report.out);
    TempFile lspci(AsLspci(report.out));

    for (const char* verbose : {"-b", "-v"}) {
      ProgramResult own = RunKorvalt({"-b", "-nocpu", "-nomemory", verbose}, {machine});
      ASSERT_EQ(own.exit_status, 0);
      for (const TempFile* file : {&saved, &lspci}) {
        ProgramResult decoded =
            RunKorvalt({"-b", verbose, "-decode=" + file->path()}, {NO_MACHINE});
        EXPECT_EQ(decoded.exit_status, 0);
        EXPECT_EQ(decoded.out, ChipsetSection(own.out));
        EXPECT_EQ(decoded.err, own.err);
      }
    }
  }
}

TEST(Decode, ShortLspciDumpIsSaidToBeShortAndItsMissingFieldsNotRead) {
  // lspci -xxx of an ordinary user: the first 64 bytes of an 82439TX.
  TempFile short_dump(
      "00:00.0 Host bridge: Intel Corporation 430TX - 82439TX MTXC (rev 01)\n"
      "00: 86 80 00 71 06 00 00 02 01 00 00 06 00 40 00 00\n"
      "10: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
      "20: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n"
      "30: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00\n");
  ProgramResult run = RunKorvalt({"-b", "-decode=" + short_dump.path()}, {NO_MACHINE});
  EXPECT_EQ(run.exit_status, 0);
  // Root would not help: the bytes were never saved.
  EXPECT_EQ(run.err,
            "The saved dump holds only the first 64 of the host bridge's 256 configuration "
            "bytes.\n");
  EXPECT_NE(run.out.find("0D    :PCI latency timer               = 01000000"), std::string::npos)
      << run.out;
  int unread = 0;
  for (const std::string& line : TranslatedFieldLines(run.out)) {
    const bool past_dump = std::stoul(line.substr(0, 2), nullptr, 16) >= 0x40;
    const bool not_read = line.size() > 10 && line.substr(line.size() - 10) == "= not read";
    EXPECT_EQ(past_dump, not_read) << line;
    unread += not_read;
  }
  EXPECT_GT(unread, 0);
}

TEST(Decode, UnusableInputEndsTheRunWithStatusTwoBeforeTheBanner) {
  TempFile damaged(
      "00:00.0 Host bridge: x\n00: 86 80 00 71 06 00 00 02 01 00 00 06 00 20 00 00\n"
      "10: 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 0g\n");
  TempFile good("00:00.0 Host bridge: x\n00: 86 80 00 71 06 00 00 02 01 00 00 06 00 20 00 00\n");
  const RefusedRun cases[] = {
      {{"-decode=" + damaged.path()}, damaged.path() + ":3:"},
      {{"-decode=/nonexistent/dump.txt"}, "/nonexistent/dump.txt"},
      {{"-decode=" + good.path(), "-set50=00000000"}, "-set"},
      {{"-set50:1=1", "-decode=" + good.path()}, "-set"},
      {{"-decode"}, "-decode=FILE"},
  };
  for (const RefusedRun& c : cases)
    ExpectRefusedBeforeTheBanner(c, NO_MACHINE);
}

}  // namespace
