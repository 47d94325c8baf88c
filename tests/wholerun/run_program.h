// Runs the built program the way a user would: without any terminal (a pipe,
// a service, CI) or on a pseudo-terminal that shows everything the terminal
// would and types keys when a given text has appeared.
#pragma once

#include <string>
#include <vector>

// What every run prints first, the rule above and below the processor
// section, and the prompt that closes a run.
const char BANNER[] = "\n--- KORVALT  ver 0.14  by Telvaroq ---\n";
const char DASHES[] = "------------------------------------------\n";
const char RUN_END[] = "***END*** Hit any key to exit";
// The simulated PC of the runs that need a known chipset.
const char SIM_MACHINE[] = "KORVALT_MACHINE=p55c-430tx";

struct RunRequest {
  std::vector<std::string> args;  // after the program name
  std::vector<std::string> env;   // extra "NAME=value" entries
  std::string argv0 = "korvalt";  // what the program sees as its own name
  int timeout_ms = 30000;
  // Without a terminal only: standard output to this file instead of the
  // pipe ("/dev/full" for a full disk), or left closed, and standard error
  // left closed.
  std::string stdout_path;
  bool close_stdout = false;
  bool close_stderr = false;
  // Run as an ordinary user (nobody) when the test itself runs as root.
  bool unprivileged = false;
  // The program file to run; empty: the one the build made.
  std::string program;
  // On a terminal only: run as a job of a stand-in shell, which Ctrl-Z
  // stops; the runner sees each stop, and its signals reach the job.
  bool as_job = false;
};

struct ProgramResult {
  std::string out;       // standard output
  std::string err;       // standard error
  int exit_status = -1;  // -1 when ended by a signal or the timeout
  int signal = 0;        // the ending signal, else 0
  bool timed_out = false;
};

// Copies the built program into `folder` (which an ordinary user must be
// able to reach) and checks that nobody may run the copy there: the build
// may sit inside a folder only its owner can enter.  Returns the copy's
// path, or an empty string with the reason in `why`.
std::string CopyProgramForOrdinaryUser(const std::string& folder, std::string* why);

// Runs the program with no controlling terminal (so /dev/tty cannot be
// opened) and standard input from /dev/null.
ProgramResult RunWithoutTerminal(const RunRequest& request);

// An answer to a prompt: when `wait_for` appears on the terminal and the
// program has put the terminal into its key-wait mode, type `keys`; at most
// `times` times.  Of several answers the one whose text appears first (after
// the text last answered) is used, so a script of different prompts runs in
// the order the program shows them.
struct KeyStep {
  std::string wait_for;
  std::string keys;
  int times = 1;
  // Sends this signal to the program instead of typing keys.
  int signal = 0;
  // Answers only while the program is stopped (a job after Ctrl-Z), not at
  // a key wait.
  bool when_stopped = false;
  // Answers only after the step before it has answered all its times.
  bool after_previous = false;
};

struct TerminalResult {
  std::string screen;     // every byte the terminal received, in order
  std::string file_text;  // standard output, when it went to a file
  int exit_status = -1;
  int signal = 0;
  bool timed_out = false;
  int keys_typed = 0;                   // answers typed, each during a key wait
  bool mode_restored = false;           // line editing and echo on again at the end
  int stops = 0;                        // times the program was seen stopped
  bool key_mode_while_stopped = false;  // the key-wait mode left on at a stop
};

// Runs the program on a fresh 80x25 pseudo-terminal.  With `stdout_file`
// set, standard output goes to that file while the terminal stays the
// console and standard error.
TerminalResult RunOnTerminal(const RunRequest& request, const std::vector<KeyStep>& steps,
                             const std::string& stdout_file = "");

// How many times `part` occurs in `text`.
int CountOf(const std::string& text, const std::string& part);

// The field lines of a report's translated chipset section (none without one).
std::vector<std::string> TranslatedFieldLines(const std::string& report);
