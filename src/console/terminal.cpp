// The console beside the standard streams: the terminal the program runs in,
// reached through /dev/tty so that prompts and keys work whatever the report
// is redirected to.  A key is read alone and without echo; the terminal's
// own mode is put back on every way out, including terminating signals, and
// while the program is stopped with Ctrl-Z.
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

// The mode found before a key wait and the key-wait mode itself; read by
// the signal handlers, hence plain and volatile.
struct termios saved_mode;
struct termios key_mode;
volatile sig_atomic_t mode_changed = 0;  // the terminal is in key-wait mode now
volatile sig_atomic_t key_waiting = 0;   // a key wait wants that mode
volatile sig_atomic_t mode_fd = -1;
bool restore_installed = false;

// A stop asked for by a signal, carried out at the next safe point.
volatile sig_atomic_t stop_signal = 0;
int stops_held = 0;
volatile sig_atomic_t stopping = 0;
void (*stop_put_back)() = nullptr;

const int TERMINATING_SIGNALS[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT};
// Signals that stop the process on the terminal's behalf (Ctrl-Z, and a
// read from the background).
const int TERMINAL_STOP_SIGNALS[] = {SIGTSTP, SIGTTIN};

// Sets the terminal's mode even from the background (a job being killed or
// stopped), where tcsetattr would otherwise stop the process with SIGTTOU.
// Only async-signal-safe calls.
void SetModeQuietly(const struct termios* mode) {
  sigset_t ttou;
  sigset_t previous;
  sigemptyset(&ttou);
  sigaddset(&ttou, SIGTTOU);
  sigprocmask(SIG_BLOCK, &ttou, &previous);
  tcsetattr(mode_fd, TCSANOW, mode);
  sigprocmask(SIG_SETMASK, &previous, nullptr);
}

void RestoreTerminalMode() {
  if (mode_changed) {
    SetModeQuietly(&saved_mode);
    mode_changed = 0;
  }
}

// Lets signal_number take its default action now (end or stop the
// process); returns only if the process is continued.
void RaiseWithDefaultAction(int signal_number) {
  signal(signal_number, SIG_DFL);
  sigset_t only;
  sigemptyset(&only);
  sigaddset(&only, signal_number);
  sigprocmask(SIG_UNBLOCK, &only, nullptr);
  raise(signal_number);
}

[[noreturn]] void EndBySignal(int signal_number) {
  RaiseWithDefaultAction(signal_number);
  _exit(128 + signal_number);
}

void SetHandler(int signal_number, void (*handler_function)(int)) {
  struct sigaction handler;
  memset(&handler, 0, sizeof handler);
  handler.sa_handler = handler_function;
  sigemptyset(&handler.sa_mask);
  handler.sa_flags = SA_RESTART;
  sigaction(signal_number, &handler, nullptr);
}

// A terminating signal only notes the stop: the run puts back what it
// changed (the Cyrix registers, with their messages) at the next safe point,
// where printing is allowed, which a handler cannot do.  Every stretch
// between safe points is bounded, so the stop is never far off; a signal
// repeated meanwhile changes nothing, so that an impatient second Ctrl-C
// cannot leave the registers changed.
void NoteStop(int signal_number) {
  if (!stopping && stop_signal == 0)
    stop_signal = signal_number;
}

// Ctrl-Z during a key wait: the shell gets its own mode back while the
// program is stopped, and the key-wait mode is taken again on continuing
// in the foreground.
void StopForTerminal(int signal_number) {
  const int saved_errno = errno;
  RestoreTerminalMode();
  RaiseWithDefaultAction(signal_number);
  // Continued.
  SetHandler(signal_number, StopForTerminal);
  if (key_waiting && mode_fd >= 0 && tcgetpgrp(mode_fd) == getpgrp()) {
    mode_changed = 1;
    SetModeQuietly(&key_mode);
  }
  errno = saved_errno;
}

void CatchSignal(int signal_number, void (*handler_function)(int)) {
  struct sigaction current;
  if (sigaction(signal_number, nullptr, &current) != 0)
    return;
  // A signal someone chose to ignore (nohup) stays ignored.
  if (current.sa_handler != SIG_DFL)
    return;
  SetHandler(signal_number, handler_function);
}

void InstallRestore() {
  if (restore_installed)
    return;
  restore_installed = true;
  atexit(RestoreTerminalMode);
  for (int signal_number : TERMINATING_SIGNALS)
    CatchSignal(signal_number, NoteStop);
  for (int signal_number : TERMINAL_STOP_SIGNALS)
    CatchSignal(signal_number, StopForTerminal);
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
  mode.c_lflag &= ~static_cast<tcflag_t>(ICANON | ECHO);
  mode.c_cc[VMIN] = 1;
  mode.c_cc[VTIME] = 0;
  key_mode = mode;
  // The handlers may run as soon as mode_changed is set; both modes must be
  // complete by then.
  std::atomic_signal_fence(std::memory_order_seq_cst);
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
  if (fd < 0 || stop_signal != 0)
    return -1;
  key_waiting = 1;
  bool changed = EnterKeyMode(fd);
  unsigned char key = 0;
  ssize_t got = -1;
  // poll returns on every signal whatever the handler's flags, so a stop is
  // seen at once; the read follows only when a key is there.
  while (stop_signal == 0) {
    struct pollfd waiting = {fd, POLLIN, 0};
    if (poll(&waiting, 1, -1) < 0) {
      if (errno == EINTR)
        continue;
      break;
    }
    got = read(fd, &key, 1);
    if (got >= 0 || (errno != EINTR && errno != EAGAIN))
      break;
  }
  key_waiting = 0;
  if (got == 1 && key == 27)
    DiscardRestOfKey(fd);
  if (changed)
    RestoreTerminalMode();
  if (stop_signal != 0) {
    StopIfRequested();
    return -1;
  }
  return got == 1 ? key : -1;
}

void CatchStopSignals(void (*put_back)()) {
  stop_put_back = put_back;
  InstallRestore();
}

void HoldStops(bool hold) {
  if (hold) {
    ++stops_held;
    return;
  }
  if (stops_held > 0 && --stops_held == 0)
    StopIfRequested();
}

bool StopRequested() {
  return stop_signal != 0;
}

void StopIfRequested() {
  if (stop_signal == 0 || stops_held != 0 || stopping)
    return;
  stopping = 1;
  // The closing messages may go to a terminal this job no longer owns (a
  // stopped job being killed); they are written rather than stopping it.
  signal(SIGTTOU, SIG_IGN);
  if (stop_put_back != nullptr)
    stop_put_back();
  fflush(stdout);
  fflush(stderr);
  RestoreTerminalMode();
  EndBySignal(stop_signal);
}
