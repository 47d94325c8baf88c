// The set command driven directly: the grammar and its caret reports, the
// exact-span lookup, the forced field, the read-modify-write and the fact that
// nothing is written before the apply pass.
#include "pci/set_command.h"

#include <unistd.h>

#include <string>

#include "console/console.h"
#include "pci_test_support.h"

namespace {

const RegisterField TEST_FIELDS[] = {
    {0x53, 0xDB, 0, "Three Bits", "000 cleared\r111 all set"},
    {0x53, 0xCE, 0, "Bit Six", "0 off\r1 on"},
    {0x5A, 0xC0, 0, "Whole Register", ""},
    {0x54, 0xCB, 0, "Bit Three", "0 off\r1 on"},
    {0x55, 0x4B, 0, "Fixed Bit", "0 off\r1 on"},     // access class 01
    {0x05, 0x32, 0, "Reserved", "000000 reserved"},  // access class 00
    {0, 0, 0, nullptr, nullptr},
};
const ChipsetEntry TEST_CHIPSET = {0x1106, 0x0595, "VIA Technologies", "Apollo VP2 (VT82C595)",
                                   TEST_FIELDS};

struct Outcome {
  SetResult result;
  std::string out;
  std::string err;
};

class SetCommandTest : public ::testing::Test {
 protected:
  void SetUp() override {
    StartRunOn(&sim);
    current_chipset = &TEST_CHIPSET;
    sim.trace.clear();
  }

  Outcome Run(const std::string& spec, SetMode mode) {
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    SetResult result = ApplySetSpec(spec.c_str(), mode, force, verbose);
    std::string out = testing::internal::GetCapturedStdout();
    return {result, out, testing::internal::GetCapturedStderr()};
  }

  bool AnythingWritten() const {
    for (const PortAccess& a : sim.trace) {
      if (a.kind == 'o')
        return true;
    }
    return false;
  }

  BridgeBytes bridge{0x1106,
                     0x0595,
                     {{0x51, 0xFF, 0xFF},
                      {0x53, 0x81, 0xFF},
                      {0x54, 0x00, 0xFF},
                      {0x55, 0x00, 0xFF},
                      {0x5A, 0x00, 0xFF},
                      {0x05, 0x00, 0xFF}}};
  SimMachineDesc desc = BareMachine(&bridge.image);
  SimMachine sim{desc};
  bool force = false;
  bool verbose = false;
};

std::string Caret(const std::string& spec, int position, const std::string& message) {
  return "Error in port value setting:\n" + message + "\n" + spec + "\n" +
         std::string(position, ' ') + "^";
}

TEST_F(SetCommandTest, MalformedSpecsAreShownWithACaretAndTouchNothing) {
  struct Case {
    const char* spec;
    int position;
    const char* message;
  };
  // The whole-program runs cover the other listed cases; these are the
  // spec ending early at each step, and stray characters after a valid part.
  const Case cases[] = {
      {"53", 2, "'=' or ':' expected."},
      {"53;1", 2, "'=' or ':' expected."},
      {"53:", 3, "Invalid bit number. Must be 0 - 7."},
      {"53:3-9=1", 5, "Invalid bit number. Must be 0 - 7."},
      {"53:2-5", 6, "An '=' expected."},
      {"53=1 ", 4, "'0' or '1' expected."},
      {"53:6=10", 7, "value too big for the specified bits."},
      {"5G=1", 1, "Invalid port number digit."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.spec);
    sim.trace.clear();
    Outcome o = Run(c.spec, SET_CHECK);
    EXPECT_EQ(o.result, SET_ABORT);
    EXPECT_EQ(o.err, Caret(c.spec, c.position, c.message));
    EXPECT_EQ(o.out, "");
    // Grammar errors are found before the register is even read.
    EXPECT_TRUE(PciAccesses(sim.trace).empty());
  }
}

TEST_F(SetCommandTest, OnlyAnExactlyMatchingRowAllowsASpan) {
  const char* const accepted[] = {
      "53:3-5=101", "53:6=1",   "53:6-6=0", "5a=11111111", "5A=",
      "54:3=1",     "54:3-3=0", "55:3=1",   "05:2-7=0",    "53:3-5=0000000000000111"};
  for (const char* spec : accepted) {
    SCOPED_TRACE(spec);
    sim.trace.clear();
    Outcome o = Run(spec, SET_CHECK);
    EXPECT_EQ(o.result, SET_CONTINUE);
    EXPECT_EQ(o.out + o.err, "");
    // The check pass still reads the register, and writes nothing.
    unsigned reg = static_cast<unsigned>(std::stoul(std::string(spec, 2), nullptr, 16));
    EXPECT_EQ(Describe(sim.trace), ReadSequence(reg));
  }

  const std::string unregistered =
      "The specified register number and bits are not registered. Specify -force if you want "
      "to set it anyhow.";
  // Narrower and wider than the 3-5 row, a register with no rows at all.
  for (const char* spec : {"53:3-4=1", "53=0", "53:0=", "51:2-5=1010"}) {
    SCOPED_TRACE(spec);
    sim.trace.clear();
    Outcome o = Run(spec, SET_CHECK);
    EXPECT_EQ(o.result, SET_ABORT);
    EXPECT_EQ(o.err, Caret(spec, static_cast<int>(std::strlen(spec)), unregistered));
    EXPECT_FALSE(AnythingWritten());
    EXPECT_EQ(PciAccesses(sim.trace).size(), 3u);
  }

  force = true;
  for (const char* spec : {"53:3-4=1", "53=0", "53:0=", "53:0-7=", "51:2-5=1010"}) {
    SCOPED_TRACE(spec);
    Outcome o = Run(spec, SET_CHECK);
    EXPECT_EQ(o.result, SET_CONTINUE);
    EXPECT_EQ(o.out + o.err, "");
  }
  EXPECT_FALSE(AnythingWritten());
}

TEST_F(SetCommandTest, ForcedSpanOnAFullRegisterWritesTheMergedByte) {
  force = true;
  Outcome o = Run("51:2-5=1010", SET_APPLY);
  EXPECT_EQ(o.result, SET_CONTINUE);
  EXPECT_EQ(o.err, "");
  EXPECT_EQ(o.out,
            "old value:51:2-5:***User Specified Field***      = 1111     ; x: unknown bit(s)\n"
            "new value:51:2-5:***User Specified Field***      = 1010     ; x: unknown bit(s)\n");
  std::vector<std::string> expected = ReadSequence(0x51);
  // The write, then the read-back that checks it took.
  expected.insert(expected.end(), {"d CF8 80000051", "o CFD EB", "d CF8 0"});
  std::vector<std::string> read_back = ReadSequence(0x51);
  expected.insert(expected.end(), read_back.begin(), read_back.end());
  EXPECT_EQ(Describe(sim.trace), expected);
  EXPECT_EQ(sim.config[0x51], 0xEB);
}

TEST_F(SetCommandTest, ApplyActsOnTheRegisterAsEarlierSpecsLeftIt) {
  Outcome first = Run("53:3-5=111", SET_APPLY);
  EXPECT_EQ(first.out,
            "old value:53:3-5:Three Bits                      = 000      ; 000: cleared\n"
            "new value:53:3-5:Three Bits                      = 111      ; 111: all set\n");
  EXPECT_EQ(sim.config[0x53], 0xB9);  // bits 7 and 0 untouched

  Outcome second = Run("53:3-5=000", SET_APPLY);
  EXPECT_EQ(second.out,
            "old value:53:3-5:Three Bits                      = 111      ; 111: all set\n"
            "new value:53:3-5:Three Bits                      = 000      ; 000: cleared\n");
  EXPECT_EQ(sim.config[0x53], 0x81);

  // Leading zeros beyond eight digits are allowed; the whole byte is taken.
  force = true;
  Run("53=0000000011111111", SET_APPLY);
  EXPECT_EQ(sim.config[0x53], 0xFF);
  Run("53=", SET_APPLY);
  EXPECT_EQ(sim.config[0x53], 0x00);

  // Rows of any access class are written like all others.
  Outcome fixed = Run("55:3=1", SET_APPLY);
  EXPECT_EQ(fixed.out,
            "old value:55:3  :Fixed Bit                       = 0        ; 0: off\n"
            "new value:55:3  :Fixed Bit                       = 1        ; 1: on\n");
  EXPECT_EQ(sim.config[0x55], 0x08);
}

TEST_F(SetCommandTest, UnknownBridgeWithForceUsesAUserField) {
  current_chipset = nullptr;
  force = true;
  verbose = true;
  Outcome o = Run("5a:0=1", SET_APPLY);
  EXPECT_EQ(
      o.out,
      "old value:5A:0  :***User Specified Field***      = 0       \n==>\t;*x: unknown bit(s)\n"
      "new value:5A:0  :***User Specified Field***      = 1       \n==>\t;*x: unknown bit(s)\n");
  EXPECT_EQ(sim.config[0x5A], 0x01);
}

TEST_F(SetCommandTest, ApplyPassNotesFailuresAndGoesOn) {
  sim.trace.clear();
  Outcome o = Run("53:5-2=1", SET_APPLY);
  EXPECT_EQ(o.result, SET_CONTINUE);
  EXPECT_EQ(o.err, "command ignored: -set53:5-2=1\n");
  EXPECT_EQ(o.out, "");

  o = Run("53:3-4=1", SET_APPLY);
  EXPECT_EQ(o.result, SET_CONTINUE);
  EXPECT_EQ(o.err, "command ignored: -set53:3-4=1\n");
  EXPECT_FALSE(AnythingWritten());

  for (SetMode mode : {SET_CHECK, SET_APPLY}) {
    sim.trace.clear();
    Outcome empty = Run("", mode);
    EXPECT_EQ(empty.result, SET_CONTINUE);
    EXPECT_EQ(empty.out + empty.err, "");
    EXPECT_TRUE(sim.trace.empty());
  }
}

TEST_F(SetCommandTest, SpecsOfAnyLengthAreEchoedWhole) {
  std::string spec = "53=" + std::string(5000, '0') + "2";
  Outcome check = Run(spec, SET_CHECK);
  EXPECT_EQ(check.err, Caret(spec, 5003, "'0' or '1' expected."));
  Outcome apply = Run(spec, SET_APPLY);
  EXPECT_EQ(apply.err, "command ignored: -set" + spec + "\n");
}

// The Abort/Ignore question, answered through a console made of two pipes.
class SetQuestionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetRunState();
    SetConsoleSwitches(true, false);
  }
  void TearDown() override { UseConsoleDescriptors(-1, -1); }

  // Answers the question with the typed keys (then the keyboard goes away);
  // returns the result and sets `console` to what the console showed.
  SetResult Ask(const std::string& keys) {
    int key_pipe[2];
    int screen_pipe[2];
    EXPECT_EQ(pipe(key_pipe), 0);
    EXPECT_EQ(pipe(screen_pipe), 0);
    EXPECT_EQ(write(key_pipe[1], keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    close(key_pipe[1]);
    UseConsoleDescriptors(key_pipe[0], screen_pipe[1]);

    testing::internal::CaptureStderr();
    SetResult result = ReportSetError("53:3x", 4, "'=' or '-' expected.", SET_CHECK);
    error_text = testing::internal::GetCapturedStderr();

    UseConsoleDescriptors(-1, -1);
    close(key_pipe[0]);
    close(screen_pipe[1]);
    console.clear();
    char buffer[256];
    ssize_t got;
    while ((got = read(screen_pipe[0], buffer, sizeof buffer)) > 0)
      console.append(buffer, got);
    close(screen_pipe[0]);
    return result;
  }

  std::string console;
  std::string error_text;
};

const char QUESTION[] = "Aboart(A) or Ignore(I)?\n";

TEST_F(SetQuestionTest, RepeatsUntilAbortOrIgnore) {
  EXPECT_EQ(Ask("I"), SET_CONTINUE);
  EXPECT_EQ(console, std::string("\n") + QUESTION);
  EXPECT_EQ(error_text, Caret("53:3x", 4, "'=' or '-' expected."));

  EXPECT_EQ(Ask("i"), SET_CONTINUE);
  EXPECT_EQ(Ask("A"), SET_ABORT);
  EXPECT_EQ(Ask("xq\ra"), SET_ABORT);
  EXPECT_EQ(console, std::string("\n") + QUESTION + QUESTION + QUESTION + QUESTION);
  EXPECT_EQ(Ask("n I"), SET_CONTINUE);
  EXPECT_EQ(console, std::string("\n") + QUESTION + QUESTION + QUESTION);
}

TEST_F(SetQuestionTest, NoAnswerMeansAbort) {
  // The keyboard goes away after two wrong keys: the question cannot loop.
  EXPECT_EQ(Ask("zz"), SET_ABORT);
  EXPECT_EQ(console, std::string("\n") + QUESTION + QUESTION + QUESTION);

  // No console at all: abort at once, nothing asked.
  UseConsoleDescriptors(-1, -1);
  testing::internal::CaptureStderr();
  EXPECT_EQ(ReportSetError("5", 1, "Invalid port number digit.", SET_CHECK), SET_ABORT);
  EXPECT_EQ(testing::internal::GetCapturedStderr(), Caret("5", 1, "Invalid port number digit."));
}

TEST_F(SetQuestionTest, BatchBeepsAndAbortsWithoutAsking) {
  SetConsoleSwitches(false, true);
  EXPECT_EQ(Ask("I"), SET_ABORT);
  EXPECT_EQ(console, "\a");

  SetConsoleSwitches(true, true);
  EXPECT_EQ(Ask("I"), SET_CONTINUE);
  EXPECT_EQ(console, std::string("\a\n") + QUESTION);
}

}  // namespace
