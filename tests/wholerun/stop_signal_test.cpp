// Signals on a pseudo-terminal, on a Cyrix 6x86 whose CPUID and register
// mapping the run switches on: whatever ends the run puts them back, with
// their messages, and hands the terminal back; Ctrl-Z hands it over only
// while stopped; the apply pass of the set commands is never cut short.
#include <gtest/gtest.h>
#include <signal.h>

#include "wholerun/run_program.h"

namespace {

const char MORE[] = "--more-- hit any key to continue";
const char QUESTION[] = "Aboart(A) or Ignore(I)?";
const char CYRIX_MACHINE[] = "KORVALT_MACHINE=6x86-sis5597";
const char PUT_BACK[] =
    "M1 CPUID is set back to original value (disabled).\r\n"
    "M1 Register I/O Mapping is set back to original value (disabled).\r\n";

TerminalResult RunCyrix(std::vector<std::string> args, const std::vector<KeyStep>& steps) {
  RunRequest request;
  request.args = std::move(args);
  request.as_job = true;
  request.env = {CYRIX_MACHINE};
  request.timeout_ms = 20000;
  return RunOnTerminal(request, steps);
}

// The run was ended by `signal_number` after putting the Cyrix registers
// back once, after `mark`, and the terminal is as it was found.
void ExpectPutBackAndEndedBy(const TerminalResult& result, int signal_number,
                             const std::string& mark) {
  ASSERT_FALSE(result.timed_out);
  EXPECT_EQ(result.signal, signal_number);
  EXPECT_TRUE(result.mode_restored);
  EXPECT_EQ(CountOf(result.screen, PUT_BACK), 1) << result.screen;
  EXPECT_LT(result.screen.find(mark), result.screen.find(PUT_BACK));
  EXPECT_EQ(CountOf(result.screen, RUN_END), 0);
}

TEST(StopSignal, EveryEndingSignalAtAPausePutsTheCyrixRegistersBack) {
  struct Case {
    int signal_number;
    const char* typed;  // the key that raises it, or nullptr to send it
  };
  const Case cases[] = {{SIGINT, "\x03"}, {SIGQUIT, "\x1c"}, {SIGTERM, nullptr}, {SIGHUP, nullptr}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.signal_number);
    KeyStep step{MORE, c.typed != nullptr ? c.typed : ""};
    if (c.typed == nullptr)
      step.signal = c.signal_number;
    TerminalResult result = RunCyrix({}, {step});
    ExpectPutBackAndEndedBy(result, c.signal_number, MORE);
  }
}

TEST(StopSignal, InterruptAtTheSetQuestionPutsTheCyrixRegistersBack) {
  TerminalResult result = RunCyrix({"-force", "-set53:5-2=1"}, {{QUESTION, "\x03"}});
  ExpectPutBackAndEndedBy(result, SIGINT, QUESTION);
}

TEST(StopSignal, InterruptDuringTheApplyPassFinishesItThenStops) {
  // Twelve forced specs fill the first screen, so its pause falls inside
  // the pass.
  std::vector<std::string> args = {"-force"};
  // Registers 50h-59h, 60h and 61h, named by their digits.
  for (int reg = 50; reg < 62; ++reg)
    args.push_back("-set" + std::to_string(reg) + ":0=1");
  TerminalResult result = RunCyrix(args, {{MORE, "\x03"}});
  ExpectPutBackAndEndedBy(result, SIGINT, "new value:61:0");
  // Every spec was applied, and nothing after the pass was run.
  for (int reg = 50; reg < 62; ++reg)
    EXPECT_EQ(CountOf(result.screen, "new value:" + std::to_string(reg) + ":0"), 1) << reg;
  EXPECT_EQ(CountOf(result.screen, MORE), 1);
  EXPECT_EQ(CountOf(result.screen, "CPU Frequency"), 0);
}

TEST(StopSignal, CtrlZHandsTheTerminalBackUntilTheJobContinues) {
  KeyStep resume{"", "", 1, SIGCONT, true, true};
  KeyStep next_key{"", " ", 1, 0, false, true};
  KeyStep later_pauses{MORE, " ", 1000, 0, false, true};
  TerminalResult result =
      RunCyrix({}, {{MORE, "\x1a"}, resume, next_key, later_pauses, {RUN_END, "x"}});
  ASSERT_FALSE(result.timed_out);
  EXPECT_EQ(result.stops, 1);
  EXPECT_FALSE(result.key_mode_while_stopped);
  // After continuing, a single key without Enter goes on.
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_TRUE(result.mode_restored);
  EXPECT_EQ(CountOf(result.screen, PUT_BACK), 1);
  EXPECT_EQ(CountOf(result.screen, RUN_END), 1);
}

TEST(StopSignal, KillingTheStoppedJobEndsIt) {
  KeyStep terminate{"", "", 1, SIGTERM, true, true};
  KeyStep resume{"", "", 1, SIGCONT, true, true};
  TerminalResult result = RunCyrix({}, {{MORE, "\x1a"}, terminate, resume});
  ExpectPutBackAndEndedBy(result, SIGTERM, MORE);
  EXPECT_EQ(result.stops, 1);
}

}  // namespace
