// The program on a pseudo-terminal: where the pauses fall, what the prompts
// and BELs look like, that keys are taken without echo, and that the
// terminal is handed back as it was found.
#include <gtest/gtest.h>
#include <signal.h>
#include <unistd.h>

#include "wholerun/run_program.h"

namespace {

const char MORE[] = "--more-- hit any key to continue";
const char BLANKING[] = "\r                                \r";
const char HELP_END[] = "Hit any key to exit";

TerminalResult RunHelpOnTerminal(std::vector<std::string> args, std::vector<KeyStep> steps,
                                 const std::string& stdout_file = "") {
  RunRequest request;
  request.args = std::move(args);
  request.timeout_ms = 15000;
  return RunOnTerminal(request, steps, stdout_file);
}

std::string Before(const std::string& text, const std::string& mark) {
  return text.substr(0, text.find(mark));
}

TEST(HelpOnTerminal, PausesAfterTheTwentyFourthLineAndWaitsAtTheEnd) {
  TerminalResult result = RunHelpOnTerminal({"-?"}, {{MORE, "k"}, {HELP_END, "q"}});
  ASSERT_FALSE(result.timed_out);
  EXPECT_EQ(result.keys_typed, 2);  // each key was typed during a key wait
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_TRUE(result.mode_restored);

  // Exactly 24 line ends before the prompt (the terminal shows each as
  // CR LF), the prompt right after the 24th.
  std::string before = Before(result.screen, MORE);
  EXPECT_EQ(CountOf(before, "\n"), 24);
  EXPECT_EQ(before.substr(before.size() - 2), "\r\n");
  // One BEL, no echo of the key, the prompt blanked, then the rest of the
  // help on the blanked line.
  EXPECT_NE(result.screen.find(std::string(MORE) + "\a" + BLANKING + "Examples)"),
            std::string::npos);
  EXPECT_EQ(CountOf(result.screen, MORE), 1);
  // The help ends with its own prompt and a BEL, and nothing after it.
  std::string ending = std::string("bit 3 to 1\r\n") + HELP_END + "\a";
  ASSERT_GE(result.screen.size(), ending.size());
  EXPECT_EQ(result.screen.substr(result.screen.size() - ending.size()), ending);
  EXPECT_EQ(CountOf(result.screen, "\a"), 2);
}

TEST(HelpOnTerminal, BatchRemovesThePausesButNotTheFinalWait) {
  for (const char* batch : {"-b", "-BATCH"}) {
    SCOPED_TRACE(batch);
    TerminalResult result = RunHelpOnTerminal({batch, "-?"}, {{HELP_END, " "}});
    ASSERT_FALSE(result.timed_out);
    EXPECT_EQ(result.keys_typed, 1);
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(CountOf(result.screen, MORE), 0);
    EXPECT_EQ(CountOf(result.screen, "\a"), 1);
  }
}

TEST(HelpOnTerminal, NoBeepCountsOnlyBeforeTheQuestionMark) {
  TerminalResult silent = RunHelpOnTerminal({"-nobeep", "-?"}, {{MORE, "a"}, {HELP_END, "b"}});
  ASSERT_FALSE(silent.timed_out);
  EXPECT_EQ(silent.keys_typed, 2);  // still waits at both prompts
  EXPECT_EQ(CountOf(silent.screen, "\a"), 0);
  EXPECT_NE(silent.screen.find(std::string(MORE) + BLANKING), std::string::npos);

  TerminalResult beeping = RunHelpOnTerminal({"-?", "-nobeep"}, {{MORE, "a"}, {HELP_END, "b"}});
  ASSERT_FALSE(beeping.timed_out);
  EXPECT_EQ(beeping.keys_typed, 2);
  EXPECT_EQ(CountOf(beeping.screen, "\a"), 2);
}

TEST(HelpOnTerminal, PromptsReachTheTerminalWhenOutputGoesToAFile) {
  char path[] = "/tmp/korvalt-help-XXXXXX";
  int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  close(fd);
  TerminalResult result = RunHelpOnTerminal({"-?"}, {{MORE, "x"}, {HELP_END, "y"}}, path);
  unlink(path);
  ASSERT_FALSE(result.timed_out);
  EXPECT_EQ(result.keys_typed, 2);
  EXPECT_EQ(result.exit_status, 0);
  // The terminal holds the prompts and nothing of the report; the file holds
  // the report and nothing of the prompts.
  EXPECT_EQ(result.screen, std::string(MORE) + "\a" + BLANKING + HELP_END + "\a");
  EXPECT_NE(result.file_text.find("Examples)"), std::string::npos);
  EXPECT_EQ(result.file_text.find(MORE), std::string::npos);
  EXPECT_EQ(result.file_text.find('\a'), std::string::npos);
}

TEST(HelpOnTerminal, LongHelpNeitherPausesNorWaits) {
  TerminalResult result = RunHelpOnTerminal({"--help"}, {{MORE, "x"}, {HELP_END, "y"}});
  ASSERT_FALSE(result.timed_out);
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.keys_typed, 0);
  EXPECT_NE(result.screen.find("Examples)"), std::string::npos);
  EXPECT_EQ(result.screen.find(MORE), std::string::npos);
  EXPECT_EQ(result.screen.find(HELP_END), std::string::npos);
}

TEST(KeyWait, InterruptDuringTheWaitGivesTheTerminalBack) {
  TerminalResult result = RunHelpOnTerminal({"-?"}, {{MORE, "\x03"}});
  ASSERT_FALSE(result.timed_out);
  EXPECT_EQ(result.keys_typed, 1);
  EXPECT_EQ(result.signal, SIGINT);
  EXPECT_TRUE(result.mode_restored);
  EXPECT_EQ(result.screen.find(HELP_END), std::string::npos);
}

TerminalResult RunReport(std::vector<std::string> args) {
  RunRequest request;
  request.args = std::move(args);
  request.env = {SIM_MACHINE};
  return RunOnTerminal(request, {{MORE, " ", 1000}, {RUN_END, "\n"}});
}

TEST(ReportOnTerminal, PausesEveryScreenAndEndsWithThePrompt) {
  TerminalResult result = RunReport({});
  ASSERT_FALSE(result.timed_out);
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_TRUE(result.mode_restored);
  int pauses = CountOf(result.screen, MORE);
  EXPECT_GE(pauses, 1);
  EXPECT_EQ(result.keys_typed, pauses + 1);
  // The first screenful (short processor lines) holds exactly 24 line
  // ends; later ones at most 24, since long lines wrap into more.
  size_t start = 0;
  for (size_t at = result.screen.find(MORE); at != std::string::npos;
       at = result.screen.find(MORE, start)) {
    int line_ends = CountOf(result.screen.substr(start, at - start), "\n");
    if (start == 0) {
      EXPECT_EQ(line_ends, 24);
    } else {
      EXPECT_LE(line_ends, 24);
    }
    start = at + sizeof MORE - 1;
  }
  std::string ending = std::string(RUN_END) + "\a";
  ASSERT_GE(result.screen.size(), ending.size());
  EXPECT_EQ(result.screen.substr(result.screen.size() - ending.size()), ending);
  EXPECT_EQ(CountOf(result.screen, "\a"), pauses + 1);
}

TEST(ReportOnTerminal, BatchNeverStopsAndNoBeepNeverRings) {
  TerminalResult batch = RunReport({"-B"});
  ASSERT_FALSE(batch.timed_out);
  EXPECT_EQ(batch.exit_status, 0);
  EXPECT_EQ(batch.keys_typed, 0);
  EXPECT_EQ(CountOf(batch.screen, MORE), 0);
  EXPECT_EQ(CountOf(batch.screen, RUN_END), 0);
  EXPECT_EQ(CountOf(batch.screen, "\a"), 0);

  TerminalResult quiet = RunReport({"-NOBEEP"});
  ASSERT_FALSE(quiet.timed_out);
  EXPECT_EQ(quiet.exit_status, 0);
  EXPECT_GE(quiet.keys_typed, 2);
  EXPECT_EQ(CountOf(quiet.screen, "\a"), 0);
}

TEST(ReportOnTerminal, ClosingPromptFollowsTheApologyOnTheSameLine) {
  // Without a time-stamp counter the memory section is one sentence with no
  // line end, and the closing prompt goes right after it.
  RunRequest request;
  request.args = {"-nocpu", "-nochipset"};
  request.env = {"KORVALT_MACHINE=486dx2-nocpuid"};
  TerminalResult result = RunOnTerminal(request, {{RUN_END, "x"}});
  ASSERT_FALSE(result.timed_out);
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(result.keys_typed, 1);
  std::string ending = std::string("do not have RDTSR instruction.") + RUN_END + "\a";
  ASSERT_GE(result.screen.size(), ending.size());
  EXPECT_EQ(result.screen.substr(result.screen.size() - ending.size()), ending);
}

}  // namespace
