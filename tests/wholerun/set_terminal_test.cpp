// The set command as a user meets it: rejected specs echoed with a caret on
// standard error, and the Abort/Ignore question answered at a terminal.
#include <gtest/gtest.h>

#include "wholerun/run_program.h"

namespace {

const char QUESTION[] = "Aboart(A) or Ignore(I)?";

TEST(SetCommandRun, RejectedSpecsAreEchoedWithACaretAndEndTheRun) {
  struct Case {
    const char* argument;
    const char* message;
    int caret;
  };
  const Case cases[] = {
      {"-setG3=1", "Invalid port number digit.", 0},
      {"-set5g=1", "Invalid port number digit.", 1},
      {"-set5", "Invalid port number digit.", 1},
      {"-set53:3x", "'=' or '-' expected.", 4},
      {"-set53:8=1", "Invalid bit number. Must be 0 - 7.", 3},
      {"-set53:5-2=1", "Invalid bit range. End bit must not be below start bit.", 5},
      {"-set53:2-5:1", "An '=' expected.", 6},
      {"-set53=12", "'0' or '1' expected.", 4},
      {"-set53=100000000", "Value too big for the specified bits.", 11},
      {"-set53:2-5=10101", "value too big for the specified bits.", 12},
      // Register 51h is not described for this chipset.
      {"-set51:2-5=1010",
       "The specified register number and bits are not registered. Specify -force if you want "
       "to set it anyhow.",
       11},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.argument);
    RunRequest request;
    request.args = {"-b", "-nocpu", "-nomemory", c.argument};
    request.env = {SIM_MACHINE};
    ProgramResult result = RunWithoutTerminal(request);
    std::string spec = std::string(c.argument).substr(4);
    EXPECT_EQ(result.exit_status, 0);
    EXPECT_EQ(result.out, BANNER);
    EXPECT_EQ(result.err, std::string("Error in port value setting:\n") + c.message + "\n" + spec +
                              "\n" + std::string(c.caret, ' ') + "^");
  }
}

TEST(SetCommandRun, ForceLetsAnUnregisteredSpanThrough) {
  RunRequest request;
  request.args = {"-b", "-nocpu", "-nomemory", "-nochipset", "-force", "-set51:2-5=1010"};
  request.env = {SIM_MACHINE};
  ProgramResult result = RunWithoutTerminal(request);
  // The TX keeps bits 3 and 5 of the register as they are; the new value
  // line shows what was written, the read-back says what did not take.
  EXPECT_EQ(result.err, "Register 51 reads back 00: bits 3, 5 did not take the value written.\n");
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(CountOf(result.out, "old value:51:2-5:***User Specified Field***      = "), 1);
  EXPECT_EQ(CountOf(result.out,
                    "new value:51:2-5:***User Specified Field***      = 1010    "
                    " ; x: unknown bit(s)\n"),
            1);
}

TEST(SetCommandOnTerminal, IgnoreSkipsTheSpecInBothPasses) {
  RunRequest request;
  request.args = {"-nocpu", "-nomemory",    "-nochipset",     "-nobeep",
                  "-force", "-set53:5-2=1", "-set51:2-5=1010"};
  request.env = {SIM_MACHINE};
  TerminalResult result =
      RunOnTerminal(request, {{QUESTION, "x"}, {QUESTION, "I"}, {RUN_END, " "}});
  EXPECT_FALSE(result.timed_out);
  EXPECT_EQ(result.exit_status, 0);
  const std::string& screen = result.screen;
  // A wrong key asks again; the ignored spec is noted in the apply pass and
  // the next one is still applied.
  EXPECT_EQ(CountOf(screen, QUESTION), 2);
  size_t caret = screen.find("53:5-2=1\r\n     ^");
  size_t ignored = screen.find("command ignored: -set53:5-2=1\r\n");
  size_t applied = screen.find("new value:51:2-5:***User Specified Field***      = 1010");
  size_t end = screen.find(RUN_END);
  ASSERT_NE(caret, std::string::npos) << screen;
  ASSERT_NE(ignored, std::string::npos) << screen;
  ASSERT_NE(applied, std::string::npos) << screen;
  EXPECT_LT(caret, ignored);
  EXPECT_LT(ignored, applied);
  EXPECT_LT(applied, end);
}

TEST(SetCommandOnTerminal, AbortEndsTheRunBeforeAnythingIsWritten) {
  RunRequest request;
  request.args = {"-nocpu", "-nomemory", "-nobeep", "-force", "-set51:2-5=1010", "-set53=2"};
  request.env = {SIM_MACHINE};
  TerminalResult result = RunOnTerminal(request, {{QUESTION, "a"}, {RUN_END, " "}});
  EXPECT_FALSE(result.timed_out);
  EXPECT_EQ(result.exit_status, 0);
  EXPECT_EQ(CountOf(result.screen, "value:"), 0) << result.screen;
  EXPECT_EQ(CountOf(result.screen, "PCI HostBridge"), 0) << result.screen;
  EXPECT_EQ(CountOf(result.screen, RUN_END), 1);
}

}  // namespace
