// The console beside the standard streams: the terminal the program runs in,
// reached through /dev/tty so that prompts and keys work whatever the report
// is redirected to.  A key is read alone and without echo; the terminal's
// own mode is put back on every way out, including terminating signals.
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "console/console.h"

namespace {

bool console_chosen = false;
int console_read_fd = -1;
int console_write_fd = -1;

// The mode found before a key wait, and whether the terminal is currently in
// the key-wait mode; read by the signal handler, hence plain and volatile.
struct termios saved_mode;
volatile sig_atomic_t mode_changed = 0;
volatile sig_atomic_t mode_fd = -1;
bool restore_installed = false;

const int TERMINATING_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};

void RestoreTerminalMode() {
  if (mode_changed) {
    tcsetattr(mode_fd, TCSANOW, &saved_mode);
    mode_changed = 0;
  }
}

// Puts the terminal back, then lets the signal do what it would have done.
void RestoreAndResignal(int signal_number) {
  RestoreTerminalMode();
  signal(signal_number, SIG_DFL);
  raise(signal_number);
}

void InstallRestore() {
  if (restore_installed)
    return;
  restore_installed = true;
  atexit(RestoreTerminalMode);
  for (int signal_number : TERMINATING_SIGNALS) {
    struct sigaction current;
    if (sigaction(signal_number, nullptr, &current) != 0)
      continue;
    // A signal someone chose to ignore (nohup) stays ignored.
    if (current.sa_handler != SIG_DFL)
      continue;
    struct sigaction handler;
    memset(&handler, 0, sizeof handler);
    handler.sa_handler = RestoreAndResignal;
    sigemptyset(&handler.sa_mask);
    sigaction(signal_number, &handler, nullptr);
  }
}

void ChooseConsole() {
  if (console_chosen)
    return;
  console_chosen = true;
  int fd = open("/dev/tty", O_RDWR | O_NOCTTY | O_CLOEXEC);
  console_read_fd = fd;
  console_write_fd = fd;
}

// Raw enough to take one key: no line editing, no echo; Ctrl-C still
// interrupts.  Returns whether the mode was changed.
bool EnterKeyMode(int fd) {
  struct termios mode;
  if (tcgetattr(fd, &mode) != 0)
    return false;
  InstallRestore();
  saved_mode = mode;
  // The handler may run as soon as mode_changed is set; the saved mode must
  // be complete by then.
  std::atomic_signal_fence(std::memory_order_seq_cst);
  mode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  mode.c_cc[VMIN] = 1;
  mode.c_cc[VTIME] = 0;
  mode_fd = fd;
  mode_changed = 1;
  if (tcsetattr(fd, TCSANOW, &mode) != 0) {
    mode_changed = 0;
    return false;
  }
  return true;
}

// Cursor and function keys arrive as an escape followed by a few codes that
// are already queued; they belong to the same key press.
void DiscardRestOfKey(int fd) {
  char rest[16];
  struct pollfd waiting = {fd, POLLIN, 0};
  for (int reads = 0; reads < 4; ++reads) {
    if (poll(&waiting, 1, 0) <= 0 || !(waiting.revents & POLLIN))
      return;
    if (read(fd, rest, sizeof rest) <= 0)
      return;
  }
}

}  // namespace

void UseConsoleDescriptors(int read_fd, int write_fd) {
  console_chosen = true;
  console_read_fd = read_fd;
  console_write_fd = write_fd;
}

bool ConsoleIsInteractive() {
  ChooseConsole();
  return console_read_fd >= 0;
}

void ConsoleWrite(const char* text) {
  fflush(stdout);
  fflush(stderr);
  ChooseConsole();
  if (console_write_fd < 0)
    return;
  size_t left = strlen(text);
  while (left > 0) {
    ssize_t written = write(console_write_fd, text, left);
    if (written < 0 && errno == EINTR)
      continue;
    if (written <= 0)
      return;
    text += written;
    left -= static_cast<size_t>(written);
  }
}

int WaitForKey() {
  fflush(stdout);
  fflush(stderr);
  ChooseConsole();
  int fd = console_read_fd;
  if (fd < 0)
    return -1;
  bool changed = EnterKeyMode(fd);
  unsigned char key = 0;
  ssize_t got;
  for (;;) {
    got = read(fd, &key, 1);
    if (got >= 0 || (errno != EINTR && errno != EAGAIN))
      break;
    // A console handed over in non-blocking mode is waited on, not spun on.
    struct pollfd waiting = {fd, POLLIN, 0};
    if (errno == EAGAIN)
      poll(&waiting, 1, -1);
  }
  if (got == 1 && key == 27)
    DiscardRestOfKey(fd);
  if (changed)
    RestoreTerminalMode();
  return got == 1 ? key : -1;
}
