// The pager's screen model and its pause, with standard output captured in a
// file and the console replaced by two pipes: one the test types keys into,
// one that collects the prompts and BELs.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <string>

#include "console/console.h"

namespace {

const char MORE[] = "--more-- hit any key to continue";
const char BLANKING[] = "\r                                \r";

std::string ReadAll(int fd) {
  std::string text;
  char buffer[4096];
  ssize_t got;
  while ((got = read(fd, buffer, sizeof buffer)) > 0)
    text.append(buffer, static_cast<size_t>(got));
  return text;
}

// A pause that a fault brings where none belongs would wait for a key that no
// test types.  The watchdog closes the keys' pipe instead, so the wait sees the
// console gone, returns, and the test fails on what it then finds.
int watched_key_writer = -1;
const unsigned KEY_WATCHDOG_SECONDS = 10;
void CloseKeyWriter(int) {
  if (watched_key_writer >= 0)
    close(watched_key_writer);
  watched_key_writer = -1;
}

class PagerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SetConsoleSwitches(true, true);
    pager_column = 0;
    pager_line = 0;
    ASSERT_EQ(pipe(keys_), 0);
    ASSERT_EQ(pipe(console_), 0);
    fcntl(console_[0], F_SETFL, O_NONBLOCK);
    fcntl(keys_[0], F_SETFL, O_NONBLOCK);
    UseConsoleDescriptors(keys_[0], console_[1]);
    watched_key_writer = keys_[1];
    signal(SIGALRM, CloseKeyWriter);
    alarm(KEY_WATCHDOG_SECONDS);
    fflush(stdout);
    saved_stdout_ = dup(1);
    char path[] = "/tmp/korvalt-pager-XXXXXX";
    captured_ = mkstemp(path);
    ASSERT_GE(captured_, 0);
    unlink(path);
    dup2(captured_, 1);
  }

  void TearDown() override {
    fflush(stdout);
    dup2(saved_stdout_, 1);
    close(saved_stdout_);
    close(captured_);
    UseConsoleDescriptors(-1, -1);
    alarm(0);
    CloseKeyWriter(0);
    for (int fd : {keys_[0], console_[0], console_[1]})
      close(fd);
  }

  void TypeKeys(const std::string& keys) {
    ASSERT_EQ(write(keys_[1], keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
  }
  std::string Console() { return ReadAll(console_[0]); }
  std::string KeysLeft() { return ReadAll(keys_[0]); }
  std::string Output() {
    fflush(stdout);
    return Arrived();
  }
  // What has reached the file so far, without flushing anything.
  std::string Arrived() {
    std::string text;
    char buffer[4096];
    ssize_t got;
    for (off_t at = 0; (got = pread(captured_, buffer, sizeof buffer, at)) > 0; at += got) {
      text.append(buffer, static_cast<size_t>(got));
    }
    return text;
  }
  void PutLines(int count) {
    for (int i = 0; i < count; ++i)
      PagedPrint("line %d\n", i);
  }

  int keys_[2];
  int console_[2];
  int saved_stdout_ = -1;
  int captured_ = -1;
};

TEST_F(PagerTest, LinesEndAtTheWrapAndAtLineFeedsOnly) {
  SetConsoleSwitches(false, true);
  PagedPutString(std::string(80, 'x').c_str(), stdout);
  EXPECT_EQ(pager_line, 1);
  EXPECT_EQ(pager_column, 0);
  PagedPutChar('\n', stdout);
  EXPECT_EQ(pager_line, 2);  // an exact 80-column line and its line feed: two lines

  PagedPutString(std::string(79, 'y').c_str(), stdout);
  PagedPutChar('\n', stdout);
  EXPECT_EQ(pager_line, 3);

  PagedPutString("abc\r", stdout);
  EXPECT_EQ(pager_column, 0);
  EXPECT_EQ(pager_line, 3);  // a carriage return ends no line

  // Control characters other than tab, line feed and return take a column.
  PagedPutString("\a\b\x1b", stdout);
  EXPECT_EQ(pager_column, 3);
  EXPECT_EQ(Output().size(), 80u + 1 + 79 + 1 + 4 + 3);
}

TEST_F(PagerTest, TabsStopEveryEightColumnsAndEndTheLineAtTheEdge) {
  SetConsoleSwitches(false, true);
  PagedPutChar('\t', stdout);
  EXPECT_EQ(pager_column, 8);
  PagedPutString("abc\t", stdout);
  EXPECT_EQ(pager_column, 16);
  for (int start = 72; start <= 79; ++start) {
    pager_column = start;
    pager_line = 0;
    PagedPutChar('\t', stdout);
    EXPECT_EQ(pager_column, 0) << "tab at column " << start;
    EXPECT_EQ(pager_line, 1) << "tab at column " << start;
  }
  pager_column = 71;
  pager_line = 0;
  PagedPutChar('\t', stdout);
  EXPECT_EQ(pager_column, 72);
  EXPECT_EQ(pager_line, 0);
}

TEST_F(PagerTest, OutputAndErrorShareOneScreenOtherStreamsDoNot) {
  SetConsoleSwitches(false, true);
  PagedPutString(std::string(50, 'o').c_str(), stdout);
  fflush(stdout);
  int saved_stderr = dup(2);
  dup2(captured_, 2);
  PagedPutString(std::string(30, 'e').c_str(), stderr);
  dup2(saved_stderr, 2);
  close(saved_stderr);
  EXPECT_EQ(pager_line, 1);
  EXPECT_EQ(pager_column, 0);

  FILE* other = tmpfile();
  ASSERT_NE(other, nullptr);
  PagedPutString("not on the screen\n", other);
  fclose(other);
  EXPECT_EQ(pager_line, 1);
  EXPECT_EQ(pager_column, 0);
}

TEST_F(PagerTest, PausesRightAfterTheTwentyFourthLineEnd) {
  TypeKeys("k");
  PutLines(23);
  PagedPutString(std::string(79, 'z').c_str(), stdout);
  EXPECT_EQ(Console(), "");
  PagedPutChar('z', stdout);  // the wrap ends line 24
  EXPECT_EQ(Console(), std::string(MORE) + "\a" + BLANKING);
  EXPECT_EQ(pager_line, 0);
  EXPECT_EQ(KeysLeft(), "");

  // The next screenful starts afresh: 23 more lines, no prompt.
  PutLines(23);
  EXPECT_EQ(Console(), "");
  EXPECT_EQ(pager_line, 23);
}

TEST_F(PagerTest, EveryPromptFollowsTheTextBeforeIt) {
  // Standard output is a file here, so it is buffered; the text must still
  // be out before the prompt is on the console.
  TypeKeys("k");
  PutLines(23);
  PagedPrint("last line before the pause\n");
  EXPECT_NE(Arrived().find("last line before the pause\n"), std::string::npos);
  EXPECT_EQ(Console(), std::string(MORE) + "\a" + BLANKING);

  fputs("unpaged text", stdout);
  ConsoleWrite("prompt");
  EXPECT_NE(Arrived().find("unpaged text"), std::string::npos);
  fputs("more unpaged text", stdout);
  Beep();
  EXPECT_NE(Arrived().find("more unpaged text"), std::string::npos);
}

TEST_F(PagerTest, NoBeepKeepsThePauseWithoutTheBell) {
  SetConsoleSwitches(true, false);
  TypeKeys("ab");
  PutLines(48);
  EXPECT_EQ(Console(), std::string(MORE) + BLANKING + MORE + BLANKING);
  EXPECT_EQ(KeysLeft(), "");
}

TEST_F(PagerTest, OneCursorKeyAnswersOnePause) {
  // An arrow key arrives as three codes; the two after the escape are part
  // of the same key and must not answer the next pause.
  TypeKeys("\x1b[A");
  PutLines(24);
  EXPECT_EQ(KeysLeft(), "");
  TypeKeys("q");
  EXPECT_EQ(WaitForKey(), 'q');
}

TEST_F(PagerTest, BatchNeverPausesAndKeepsCounting) {
  SetConsoleSwitches(false, true);
  PutLines(1000);
  EXPECT_EQ(Console(), "");
  EXPECT_EQ(pager_line, 1000);
}

TEST_F(PagerTest, FormattedTextIsPrintedWholeWhateverItsLength) {
  SetConsoleSwitches(false, true);
  std::string long_spec(5000, 'A');
  long_spec[4999] = 'Z';
  PagedPrint("[%s]\n", long_spec.c_str());
  EXPECT_EQ(Output(), "[" + long_spec + "]\n");
  // 5002 characters wrap 62 times, then the line feed.
  EXPECT_EQ(pager_line, 63);

  // The shared buffer is still right for short texts afterwards.
  PagedPrint("%d-%s\n", 7, "ok");
  EXPECT_EQ(Output().substr(5003), "7-ok\n");
}

TEST_F(PagerTest, WithoutAConsoleNothingWaitsAndNothingIsWritten) {
  UseConsoleDescriptors(-1, -1);
  EXPECT_FALSE(ConsoleIsInteractive());
  EXPECT_EQ(WaitForKey(), -1);
  PutLines(30);  // the pause passes at once
  EXPECT_EQ(pager_line, 6);
  ConsoleWrite("nobody sees this");
  Beep();
  EXPECT_EQ(Console(), "");
}

TEST_F(PagerTest, KeysComeBackOneAtATime) {
  EXPECT_TRUE(ConsoleIsInteractive());
  TypeKeys("yN");
  EXPECT_EQ(WaitForKey(), 'y');
  EXPECT_EQ(WaitForKey(), 'N');
  TypeKeys("\xe9");
  EXPECT_EQ(WaitForKey(), 0xe9);  // never a negative key
  CloseKeyWriter(0);
  EXPECT_EQ(WaitForKey(), -1);  // the console has gone away
}

TEST(FatalErrorTest, WritesTextAndDetailToErrorAndEndsWithTheStatus) {
  EXPECT_EXIT(FatalError(1, "Time stamp counter stands still.", ""), ::testing::ExitedWithCode(1),
              "^Time stamp counter stands still\\. \n$");
  EXPECT_EXIT(FatalError(3, "Bad", "detail"), ::testing::ExitedWithCode(3), "^Bad \\[detail\\]\n$");
  // A text that already ends its line is followed by a line holding a space.
  EXPECT_EXIT(FatalError(1, "Two\n", nullptr), ::testing::ExitedWithCode(1), "^Two\n \n$");
}

}  // namespace
