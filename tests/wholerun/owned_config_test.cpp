// The native machine's configuration access run against a configuration
// file the test owns in place of sysfs: what closed standard streams, an
// ordinary user and a refused write do to the chipset and to the report;
// and the status of a report that could not be written.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "wholerun/run_program.h"

namespace {

const char DEVICE_DIR[] = "/devices/0000:00:00.0";

class OwnedConfigSpace : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/korvalt-sysfs-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    root = pattern;
    ASSERT_EQ(mkdir((root + "/devices").c_str(), 0755), 0);
    ASSERT_EQ(mkdir((root + DEVICE_DIR).c_str(), 0755), 0);
    // An ordinary user must reach the file when the test runs as root.
    chmod(root.c_str(), 0755);
    // An Intel 430TX with a few settings beyond the standard header.
    bytes.assign(256, 0);
    const unsigned char header[] = {0x86, 0x80, 0x00, 0x71, 0x06, 0x00, 0x00, 0x02};
    std::copy(std::begin(header), std::end(header), bytes.begin());
    bytes[0x50] = 0x08;
    bytes[0x52] = 0x42;
    bytes[0x57] = 0x01;
  }
  void TearDown() override {
    unlink(ConfigPath().c_str());
    unlink((root + "/korvalt").c_str());
    rmdir((root + DEVICE_DIR).c_str());
    rmdir((root + "/devices").c_str());
    rmdir(root.c_str());
  }

  std::string ConfigPath() const { return root + DEVICE_DIR + "/config"; }

  void WriteConfig(size_t length, mode_t mode) {
    std::ofstream file(ConfigPath(), std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(length));
    file.close();
    chmod(ConfigPath().c_str(), mode);
  }

  std::vector<unsigned char> ReadConfig() const {
    std::ifstream file(ConfigPath(), std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {});
  }

  RunRequest Request(std::vector<std::string> extra) const {
    RunRequest request;
    request.args = {"-b", "-nocpu", "-nomemory"};
    request.args.insert(request.args.end(), extra.begin(), extra.end());
    request.env = {"KORVALT_TEST_SYSFS_PCI=" + root};
    return request;
  }

  std::string root;
  std::vector<unsigned char> bytes;
};

TEST_F(OwnedConfigSpace, ClosedStandardStreamsNeverReachTheChipset) {
  WriteConfig(256, 0644);
  // The verbose report and the error text of a bad spec are long enough to
  // have overwritten most of the file had either landed in it.
  RunRequest both = Request({"-v"});
  both.close_stdout = true;
  both.close_stderr = true;
  ProgramResult closed = RunWithoutTerminal(both);
  ASSERT_FALSE(closed.timed_out);
  EXPECT_EQ(closed.exit_status, 4);
  EXPECT_EQ(ReadConfig(), bytes);

  RunRequest errors = Request({"-set5=bad"});
  errors.close_stderr = true;
  ProgramResult rejected = RunWithoutTerminal(errors);
  ASSERT_FALSE(rejected.timed_out);
  EXPECT_EQ(rejected.exit_status, 0);
  EXPECT_EQ(rejected.out, BANNER);
  EXPECT_EQ(ReadConfig(), bytes);
}

TEST_F(OwnedConfigSpace, OrdinaryUserSeesWhatWasNotReadAndWhatWasRefused) {
  // What Linux gives an ordinary user: the first 64 bytes, no writes.  Run
  // as root the test hands the run to nobody; otherwise the owner may not
  // write a read-only file.
  WriteConfig(64, geteuid() == 0 ? 0644 : 0444);
  const std::vector<unsigned char> before = ReadConfig();
  RunRequest request = Request({"-force", "-set04:0=1", "-set52:0=1"});
  request.unprivileged = true;
  if (geteuid() == 0) {
    // nobody runs a copy beside the configuration file, since the build
    // itself may lie in a folder that only root can enter.
    std::string why;
    request.program = CopyProgramForOrdinaryUser(root, &why);
    if (request.program.empty())
      GTEST_SKIP() << why;
  }
  ProgramResult run = RunWithoutTerminal(request);
  ASSERT_FALSE(run.timed_out);
  EXPECT_EQ(run.exit_status, 3);
  EXPECT_EQ(ReadConfig(), before);
  // The line of the byte written stays; the refusal and the unread register
  // are said, and the section is told to be incomplete, each once.
  EXPECT_NE(run.out.find("new value:04:0  :PCI I/O Space                   = 1 "),
            std::string::npos);
  // (A busy machine may add a line about the clock timing before them.)
  const std::string said =
      "Register 04 was not written: the system refused the write.\n"
      "Register 52 could not be read, so it was not written.\n"
      "Only the first 64 of the host bridge's 256 configuration bytes could be read; "
      "run as root to read them all.\n";
  ASSERT_GE(run.err.size(), said.size());
  EXPECT_EQ(run.err.substr(run.err.size() - said.size()), said);
  EXPECT_EQ(run.out.find("old value:52"), std::string::npos);
  // Fields in unread bytes are not translated from the all-ones they read as.
  EXPECT_NE(run.out.find("50:3  :PCI Concurrency Enable          = not read\n"), std::string::npos);
  EXPECT_NE(run.out.find("04:0  :PCI I/O Space                   = 0 "), std::string::npos);
  EXPECT_EQ(run.out.find("L2 Force Miss                   = 1"), std::string::npos);
  int unread_lines = 0;
  for (const std::string& line : TranslatedFieldLines(run.out)) {
    if (std::stoul(line.substr(0, 2), nullptr, 16) < 0x40)
      continue;
    ++unread_lines;
    EXPECT_EQ(line.substr(line.size() - 10), "= not read") << line;
  }
  EXPECT_GT(unread_lines, 10);
}

}  // namespace

TEST(ReportNotWritten, FullOrClosedStandardOutputEndsWithItsOwnStatus) {
  RunRequest full;
  full.args = {"-b", "-nomemory"};
  full.env = {SIM_MACHINE};
  full.stdout_path = "/dev/full";
  ProgramResult on_full = RunWithoutTerminal(full);
  EXPECT_EQ(on_full.exit_status, 4);
  EXPECT_EQ(on_full.err, "korvalt: the report could not be written to standard output.\n");

  RunRequest closed = full;
  closed.stdout_path.clear();
  closed.close_stdout = true;
  ProgramResult on_closed = RunWithoutTerminal(closed);
  EXPECT_EQ(on_closed.exit_status, 4);
  EXPECT_EQ(on_closed.err, on_full.err);

  // The help is a report too.
  RunRequest help = full;
  help.args = {"-b", "-?"};
  EXPECT_EQ(RunWithoutTerminal(help).exit_status, 4);
}
