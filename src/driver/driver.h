// The program driver: the option scan, the help, and the run order.
#pragma once

// Where the option scan stopped.  "-?", "--help" and "--version" are acted
// on where they stand: the flags before them are in effect, the arguments
// after them are not looked at.
enum ScanStop {
  SCAN_RUN = 0,    // every argument looked at: a report run
  SCAN_HELP = 1,   // "-?": the help, then a key wait
  SCAN_LONG_HELP,  // "--help": the same help, no key wait
  SCAN_VERSION,    // "--version": one line naming the version
};

// Scans the arguments after the program name into options.
ScanStop ScanOptions(int argc, const char* const argv[]);

// The file named by a -decode command (any argument whose first seven
// characters are "-decode" in any case): the text after "-decode=", which is
// empty when the argument has no '=' right there.  nullptr when the argument
// is no -decode command.
const char* DecodeFileOf(const char* argument);
// Likewise the file named by a -compare command ("-compare=FILE").
const char* CompareFileOf(const char* argument);

// The set spec of a set command (the argument after its first four
// characters), or nullptr when the argument is not a set command.
const char* SetSpecOf(const char* argument);

// Prints the help; with wait_for_key ("-?"), then waits for a key, batch or
// not; without ("--help"), goes on with the saved-dump options instead.
void RunHelp(const char* program_name, bool wait_for_key = true);

// The program's version, "MAJOR.MINOR.PATCH"; MAJOR.MINOR is the one the
// report's banner shows.
extern const char KORVALT_VERSION_TEXT[];

// The whole program after main: the option scan, the choice of the machine
// (the environment's, or a saved dump with -decode) and one run.  Returns the
// exit status.
int RunProgram(int argc, char* argv[]);

struct ConfigDump;
// The dump that -compare named, read by RunProgram before the run; nullptr
// when there is none.
const ConfigDump* ComparisonDump();

// Exit statuses besides 0 (success) and 1 (the time-stamp counter stopped).
// The hardware layer ends an unknown simulated machine with 2 itself.
constexpr int EXIT_BAD_INPUT = 2;      // an unusable -decode or -compare file, -set with either
constexpr int EXIT_WRITE_REFUSED = 3;  // the system refused a -set write
constexpr int EXIT_REPORT_LOST = 4;    // standard output could not be written

// One whole run after the machine has been chosen; returns the exit status.
int RunMainSequence(int argc, char* argv[]);
