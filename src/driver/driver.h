// The program driver: the option scan, the help, and the run order.
#pragma once

// Scans the arguments after the program name into options.  Returns 1 when
// the scan reached "-?" (the flags before it are in effect, the arguments
// after it are not looked at), else 0.
int ScanOptions(int argc, const char* const argv[]);

// The set spec of a set command (the argument after its first four
// characters), or nullptr when the argument is not a set command.
const char* SetSpecOf(const char* argument);

// Prints the help and waits for a key, batch or not.
void RunHelp(const char* program_name);

// Exit statuses besides 0 (success), 1 (the time-stamp counter stopped) and
// 2 (bad input: an unknown simulated machine).
constexpr int EXIT_WRITE_REFUSED = 3;  // the system refused a -set write
constexpr int EXIT_REPORT_LOST = 4;    // standard output could not be written

// One whole run after the machine has been chosen; returns the exit status.
int RunMainSequence(int argc, char* argv[]);
