// Paged output to the standard streams, and the console beside them: prompts,
// BEL and key input reach the terminal whatever the streams are redirected to.
#pragma once

#include <cstdio>

#if defined(__GNUC__)
#define KORVALT_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define KORVALT_PRINTF(fmt, args)
#endif

// Where the next character lands on the 80-column screen, and the lines
// completed since the start or the last pause.  Standard output and standard
// error share them, since both appear on the same screen.
extern int pager_column;
extern int pager_line;

const int SCREEN_COLUMNS = 80;
const int SCREEN_LINES = 24;

void PagedPutChar(char c, FILE* stream);
void PagedPutString(const char* text, FILE* stream);
// Prints the formatted text whole, however long it is.
void PagedPrintTo(FILE* stream, const char* format, ...) KORVALT_PRINTF(2, 3);
void PagedPrint(const char* format, ...) KORVALT_PRINTF(1, 2);
[[noreturn]] void FatalError(int status, const char* text, const char* detail);

// The run's switches, set by the driver once the options are read; both are
// on until then.  Without pause (batch runs) no screenful waits for a key and
// no question is asked; without beep (-nobeep) Beep sends nothing.
void SetConsoleSwitches(bool pause, bool beep);
// Whether the run may stop to wait for the user: a screenful, a question.
bool ConsolePauses();

void ConsoleWrite(const char* text);
void Beep();
// Waits for one key and returns it (0 to 255), read alone and without echo.
// Returns -1 at once when there is no terminal, or when it has gone away.
int WaitForKey();
// Whether a person can answer at a terminal; without one, key waits return
// at once and questions take the answer that changes nothing.
bool ConsoleIsInteractive();

// Stops by signal (interrupt, termination, hang-up, quit).  A handler only
// notes the signal; the run stops at the next safe point (a key wait, or the
// next character printed) by calling put_back, which puts back what the run
// changed in the machine, then ends by that signal with the terminal's mode
// restored.  Set up once at the start of a run.
void CatchStopSignals(void (*put_back)());
// A held stretch (holds nest) runs to its end before a noted stop is
// carried out, which then happens when the last hold is let go.
void HoldStops(bool hold);
bool StopRequested();
void StopIfRequested();

// Makes the console the given descriptors instead of the terminal (-1, -1:
// no console at all).  For tests and for callers that own a terminal of
// their own; the descriptors stay the caller's.
void UseConsoleDescriptors(int read_fd, int write_fd);
