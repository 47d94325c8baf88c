#include "wholerun/run_program.h"

#include <fcntl.h>
#include <grp.h>
#include <poll.h>
#include <pty.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <termios.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

extern char** environ;

namespace {

#ifndef KORVALT_BIN_DEFAULT
#define KORVALT_BIN_DEFAULT "korvalt"
#endif

std::string ProgramPath() {
  const char* path = getenv("KORVALT_BIN");
  return (path != nullptr && path[0] != '\0') ? path : KORVALT_BIN_DEFAULT;
}

long NowMs() {
  struct timespec now;
  clock_gettime(CLOCK_MONOTONIC, &now);
  return now.tv_sec * 1000L + now.tv_nsec / 1000000L;
}

std::string NameOf(const std::string& entry) {
  return entry.substr(0, entry.find('='));
}

// The test's own environment without any machine choice, plus the request's
// entries, which win.
std::vector<std::string> BuildEnvironment(const RunRequest& request) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    std::string text = *entry;
    std::string name = NameOf(text);
    bool replaced = (name == "KORVALT_MACHINE");
    for (const std::string& extra : request.env)
      replaced = replaced || NameOf(extra) == name;
    if (!replaced)
      env.push_back(text);
  }
  for (const std::string& extra : request.env)
    env.push_back(extra);
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts)
    pointers.push_back(&text[0]);
  pointers.push_back(nullptr);
  return pointers;
}

// The program's arguments and environment, built before the fork so that
// the child only has to exec.
struct PreparedExec {
  std::string path;
  std::vector<std::string> argv_texts;
  std::vector<std::string> env_texts;
  std::vector<char*> argv;
  std::vector<char*> envp;
};

void Prepare(const RunRequest& request, PreparedExec* prepared) {
  prepared->path = request.program.empty() ? ProgramPath() : request.program;
  prepared->argv_texts.push_back(request.argv0);
  for (const std::string& arg : request.args)
    prepared->argv_texts.push_back(arg);
  prepared->env_texts = BuildEnvironment(request);
  prepared->argv = Pointers(prepared->argv_texts);
  prepared->envp = Pointers(prepared->env_texts);
}

// In the child.  A runner may have ignored these signals (a background job
// does), and an ignored disposition survives exec.
[[noreturn]] void ExecProgram(PreparedExec& prepared) {
  const int signals[] = {SIGINT, SIGQUIT, SIGTERM, SIGHUP, SIGPIPE};
  for (int signal_number : signals)
    signal(signal_number, SIG_DFL);
  execve(prepared.path.c_str(), prepared.argv.data(), prepared.envp.data());
  _exit(127);
}

void Decode(int wait_status, int* exit_status, int* signal_number) {
  if (WIFEXITED(wait_status))
    *exit_status = WEXITSTATUS(wait_status);
  if (WIFSIGNALED(wait_status))
    *signal_number = WTERMSIG(wait_status);
}

// Appends what fd has now; returns false at its end.
bool ReadSome(int fd, std::string* into) {
  char buffer[4096];
  ssize_t got = read(fd, buffer, sizeof buffer);
  if (got < 0 && errno == EINTR)
    return true;
  if (got <= 0)
    return false;
  into->append(buffer, static_cast<size_t>(got));
  return true;
}

bool InKeyWaitMode(int master) {
  struct termios mode;
  if (tcgetattr(master, &mode) != 0)
    return false;
  return (mode.c_lflag & (ICANON | ECHO)) == 0;
}

std::string ReadWholeFile(const std::string& path) {
  std::string text;
  int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0)
    return text;
  while (ReadSome(fd, &text)) {
  }
  close(fd);
  return text;
}

// The job and the last signal passed on to it, for the stand-in shell.
pid_t job_pid = -1;
volatile sig_atomic_t last_passed_on = 0;

// Passes a signal sent to the shell on to its job.  A continue that does not
// follow a termination is `fg`: the job gets the terminal back first; after
// a termination it is `kill %1`, and the shell keeps the terminal.
void PassOn(int signal_number) {
  if (signal_number == SIGCONT && last_passed_on != SIGTERM && last_passed_on != SIGHUP)
    tcsetpgrp(0, job_pid);
  last_passed_on = signal_number;
  kill(job_pid, signal_number);
}

// In the pseudo-terminal's session leader: stands in for a shell, running
// the program as a foreground job in a process group of its own, where
// Ctrl-Z stops it (a session leader's own group has no shell to return to,
// so the system does not stop it).  Each stop of the job is shown to the
// runner as a stop of this process; signals sent here go on to the job, and
// its end is this process's end.
[[noreturn]] void RunAsJob(PreparedExec& prepared) {
  signal(SIGTTOU, SIG_IGN);
  pid_t job = fork();
  if (job == 0) {
    setpgid(0, 0);
    tcsetpgrp(0, getpid());
    ExecProgram(prepared);
  }
  setpgid(job, job);
  job_pid = job;
  for (int signal_number : {SIGTERM, SIGHUP, SIGCONT}) {
    struct sigaction handler;
    memset(&handler, 0, sizeof handler);
    handler.sa_handler = PassOn;
    sigemptyset(&handler.sa_mask);
    handler.sa_flags = SA_RESTART;
    sigaction(signal_number, &handler, nullptr);
  }
  for (;;) {
    int status = 0;
    if (waitpid(job, &status, WUNTRACED) < 0) {
      if (errno == EINTR)
        continue;
      _exit(127);
    }
    if (WIFSTOPPED(status)) {
      tcsetpgrp(0, getpgrp());
      raise(SIGSTOP);
      continue;
    }
    if (WIFEXITED(status))
      _exit(WEXITSTATUS(status));
    signal(WTERMSIG(status), SIG_DFL);
    raise(WTERMSIG(status));
    _exit(128 + WTERMSIG(status));
  }
}

}  // namespace

std::vector<std::string> TranslatedFieldLines(const std::string& report) {
  std::vector<std::string> lines;
  const size_t section = report.find("-----Translated");
  if (section == std::string::npos)
    return lines;
  for (size_t at = report.find('\n', section); at + 1 < report.size();
       at = report.find('\n', at + 1))
    lines.push_back(report.substr(at + 1, report.find('\n', at + 1) - at - 1));
  return lines;
}

int CountOf(const std::string& text, const std::string& part) {
  int count = 0;
  if (part.empty())
    return 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
    count++;
  }
  return count;
}

std::string CopyProgramForOrdinaryUser(const std::string& folder, std::string* why) {
  const std::string copy = folder + "/korvalt";
  int from = open(ProgramPath().c_str(), O_RDONLY | O_CLOEXEC);
  int to = open(copy.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0755);
  bool copied = from >= 0 && to >= 0;
  char block[65536];
  for (ssize_t got; copied && (got = read(from, block, sizeof block)) != 0;)
    copied = got > 0 && write(to, block, static_cast<size_t>(got)) == got;
  if (from >= 0)
    close(from);
  if (to >= 0 && close(to) != 0)
    copied = false;
  if (!copied || chmod(copy.c_str(), 0755) != 0) {
    *why = "could not copy the program to " + copy + ": " + strerror(errno);
    unlink(copy.c_str());
    return "";
  }
  // The folder's own modes, or a mount that forbids running programs,
  // decide whether nobody may start it: ask as nobody.
  pid_t child = fork();
  if (child == 0) {
    const gid_t nobody = 65534;
    if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
      _exit(2);
    _exit(access(copy.c_str(), X_OK) == 0 ? 0 : 1);
  }
  int status = 0;
  if (child < 0 || waitpid(child, &status, 0) != child || !WIFEXITED(status) ||
      WEXITSTATUS(status) != 0) {
    *why = "the ordinary user nobody cannot run " + copy;
    unlink(copy.c_str());
    return "";
  }
  return copy;
}

ProgramResult RunWithoutTerminal(const RunRequest& request) {
  ProgramResult result;
  PreparedExec prepared;
  Prepare(request, &prepared);
  int out_pipe[2];
  int err_pipe[2];
  if (pipe2(out_pipe, O_CLOEXEC) != 0)
    return result;
  if (pipe2(err_pipe, O_CLOEXEC) != 0) {
    close(out_pipe[0]);
    close(out_pipe[1]);
    return result;
  }
  pid_t child = fork();
  if (child == 0) {
    setsid();  // no controlling terminal from here on
    int null_fd = open("/dev/null", O_RDONLY);
    dup2(null_fd, 0);
    dup2(out_pipe[1], 1);
    dup2(err_pipe[1], 2);
    if (!request.stdout_path.empty()) {
      int file_fd = open(request.stdout_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (file_fd < 0)
        _exit(126);
      dup2(file_fd, 1);
      close(file_fd);
    }
    if (request.close_stdout)
      close(1);
    if (request.close_stderr)
      close(2);
    if (request.unprivileged && geteuid() == 0) {
      const gid_t nobody = 65534;
      if (setgroups(0, nullptr) != 0 || setgid(nobody) != 0 || setuid(nobody) != 0)
        _exit(126);
    }
    ExecProgram(prepared);
  }
  close(out_pipe[1]);
  close(err_pipe[1]);
  long deadline = NowMs() + request.timeout_ms;
  int fds[2] = {out_pipe[0], err_pipe[0]};
  std::string* texts[2] = {&result.out, &result.err};
  bool open_ends[2] = {true, true};
  while (child > 0 && (open_ends[0] || open_ends[1])) {
    long left = deadline - NowMs();
    if (left <= 0) {
      result.timed_out = true;
      kill(child, SIGKILL);
      break;
    }
    struct pollfd ends[2];
    for (int i = 0; i < 2; ++i)
      ends[i] = {open_ends[i] ? fds[i] : -1, POLLIN, 0};
    if (poll(ends, 2, static_cast<int>(left)) < 0 && errno != EINTR)
      break;
    for (int i = 0; i < 2; ++i) {
      if (open_ends[i] && (ends[i].revents & (POLLIN | POLLHUP | POLLERR))) {
        open_ends[i] = ReadSome(fds[i], texts[i]);
      }
    }
  }
  close(out_pipe[0]);
  close(err_pipe[0]);
  int wait_status = 0;
  if (child > 0 && waitpid(child, &wait_status, 0) == child && !result.timed_out) {
    Decode(wait_status, &result.exit_status, &result.signal);
  }
  return result;
}

TerminalResult RunOnTerminal(const RunRequest& request, const std::vector<KeyStep>& steps,
                             const std::string& stdout_file) {
  TerminalResult result;
  PreparedExec prepared;
  Prepare(request, &prepared);
  struct winsize size;
  memset(&size, 0, sizeof size);
  size.ws_row = 25;
  size.ws_col = 80;
  int master = -1;
  pid_t child = forkpty(&master, nullptr, nullptr, &size);
  if (child < 0)
    return result;
  if (child == 0) {
    if (!stdout_file.empty()) {
      int file_fd = open(stdout_file.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
      if (file_fd < 0)
        _exit(126);
      dup2(file_fd, 1);
      close(file_fd);
    }
    if (request.as_job)
      RunAsJob(prepared);
    ExecProgram(prepared);
  }

  long deadline = NowMs() + request.timeout_ms;
  std::vector<int> uses_left;
  for (const KeyStep& step : steps)
    uses_left.push_back(step.times);
  size_t search_from = 0;
  bool exited = false;
  bool stopped = false;
  int wait_status = 0;
  while (!exited) {
    if (NowMs() >= deadline) {
      result.timed_out = true;
      kill(child, SIGKILL);
      waitpid(child, &wait_status, 0);
      break;
    }
    struct pollfd output = {master, POLLIN, 0};
    if (poll(&output, 1, 20) > 0 && (output.revents & POLLIN))
      ReadSome(master, &result.screen);
    size_t first_at = std::string::npos;
    size_t chosen = steps.size();
    const bool key_wait = !stopped && InKeyWaitMode(master);
    for (size_t i = 0; i < steps.size(); ++i) {
      if (uses_left[i] <= 0)
        continue;
      if (steps[i].after_previous && i > 0 && uses_left[i - 1] > 0)
        continue;
      if (steps[i].when_stopped ? !stopped : !key_wait)
        continue;
      size_t at = result.screen.find(steps[i].wait_for, search_from);
      if (at == std::string::npos)
        continue;
      if (at < first_at ||
          (at == first_at && steps[i].wait_for.size() > steps[chosen].wait_for.size())) {
        first_at = at;
        chosen = i;
      }
    }
    if (chosen < steps.size()) {
      const KeyStep& step = steps[chosen];
      if (step.signal != 0) {
        kill(child, step.signal);
        stopped = stopped && step.signal != SIGCONT;
      } else if (write(master, step.keys.data(), step.keys.size()) ==
                 static_cast<ssize_t>(step.keys.size())) {
        result.keys_typed++;
      }
      uses_left[chosen]--;
      search_from = first_at + step.wait_for.size();
    }
    if (waitpid(child, &wait_status, WNOHANG | WUNTRACED) == child) {
      if (WIFSTOPPED(wait_status)) {
        stopped = true;
        result.stops++;
        result.key_mode_while_stopped = result.key_mode_while_stopped || InKeyWaitMode(master);
      } else {
        exited = true;
      }
    }
  }
  if (exited) {
    // What the program wrote just before it ended is still in the terminal.
    struct pollfd output = {master, POLLIN, 0};
    while (poll(&output, 1, 50) > 0 && (output.revents & POLLIN) &&
           ReadSome(master, &result.screen)) {
    }
    Decode(wait_status, &result.exit_status, &result.signal);
    struct termios mode;
    result.mode_restored =
        tcgetattr(master, &mode) == 0 && (mode.c_lflag & (ICANON | ECHO)) == (ICANON | ECHO);
  }
  close(master);
  if (!stdout_file.empty())
    result.file_text = ReadWholeFile(stdout_file);
  return result;
}
