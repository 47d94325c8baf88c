// The pager: every report character goes through here so that the program
// knows where it lands on an 80-column, 24-line screen and can stop after
// each screenful.
#include <unistd.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "console/console.h"

int pager_column = 0;
int pager_line = 0;

namespace {

bool pause_switch = true;
bool beep_switch = true;

const char MORE_PROMPT[] = "--more-- hit any key to continue";
const char MORE_BLANKING[] = "\r                                \r";

// Most formatted texts fit here; longer ones get a buffer of their own.
const int FORMAT_BUFFER_SIZE = 2048;
char format_buffer[FORMAT_BUFFER_SIZE];

// Whether a standard stream is a terminal, looked up once: text on a
// terminal must be on the screen before any later prompt.
bool StreamIsTerminal(FILE* stream) {
  static int stdout_tty = -1;
  static int stderr_tty = -1;
  int& known = (stream == stdout) ? stdout_tty : stderr_tty;
  if (known < 0)
    known = isatty(fileno(stream)) ? 1 : 0;
  return known == 1;
}

void PauseForKey() {
  ConsoleWrite(MORE_PROMPT);
  Beep();
  WaitForKey();
  ConsoleWrite(MORE_BLANKING);
  pager_line = 0;
}

void PrintFormatted(FILE* stream, const char* format, va_list args) {
  va_list again;
  va_copy(again, args);
  int length = vsnprintf(format_buffer, sizeof format_buffer, format, args);
  if (length < 0) {
    va_end(again);
    return;
  }
  if (length < FORMAT_BUFFER_SIZE) {
    va_end(again);
    PagedPutString(format_buffer, stream);
    return;
  }
  std::unique_ptr<char[]> whole(new char[static_cast<size_t>(length) + 1]);
  vsnprintf(whole.get(), static_cast<size_t>(length) + 1, format, again);
  va_end(again);
  PagedPutString(whole.get(), stream);
}

}  // namespace

void SetConsoleSwitches(bool pause, bool beep) {
  pause_switch = pause;
  beep_switch = beep;
}

bool ConsolePauses() {
  return pause_switch;
}

void PagedPutChar(char c, FILE* stream) {
  StopIfRequested();
  bool counted = (stream == stdout || stream == stderr);
  // Standard error is unbuffered; whatever standard output still holds goes
  // first, so that a merged log keeps the order of the report.
  if (stream == stderr)
    fflush(stdout);
  fputc(static_cast<unsigned char>(c), stream);
  if (!counted)
    return;
  if (StreamIsTerminal(stream))
    fflush(stream);

  bool line_ended = false;
  switch (c) {
    case '\t':
      pager_column = (pager_column + 8) / 8 * 8;
      if (pager_column >= SCREEN_COLUMNS) {
        pager_column = 0;
        pager_line++;
        line_ended = true;
      }
      break;
    case '\n':
      pager_column = 0;
      pager_line++;
      line_ended = true;
      break;
    case '\r':
      pager_column = 0;
      break;
    default:
      pager_column++;
      if (pager_column >= SCREEN_COLUMNS) {
        pager_column = 0;
        pager_line++;
        line_ended = true;
      }
      break;
  }
  // Once a stop is on its way (a held stretch finishing) nobody waits for
  // the next screen.
  if (line_ended && pager_line == SCREEN_LINES && pause_switch && !StopRequested())
    PauseForKey();
}

void PagedPutString(const char* text, FILE* stream) {
  for (const char* p = text; *p != '\0'; ++p)
    PagedPutChar(*p, stream);
}

void PagedPrintTo(FILE* stream, const char* format, ...) {
  va_list args;
  va_start(args, format);
  PrintFormatted(stream, format, args);
  va_end(args);
}

void PagedPrint(const char* format, ...) {
  va_list args;
  va_start(args, format);
  PrintFormatted(stdout, format, args);
  va_end(args);
}

// The console's bell, the same on every system.
void Beep() {
  if (beep_switch)
    ConsoleWrite("\a");
}

void FatalError(int status, const char* text, const char* detail) {
  if (text == nullptr)
    text = "";
  if (detail != nullptr && detail[0] != '\0') {
    PagedPrintTo(stderr, "%s [%s]\n", text, detail);
  } else {
    PagedPrintTo(stderr, "%s \n", text);
  }
  exit(status);
}
