// The console beside the standard streams on Windows: the console window the
// program runs in, opened as CONOUT$ and CONIN$ so that prompts and keys
// work whatever the report is redirected to.  Keys come from the console's
// input events, one key press at a time and without echo, which needs no
// change of the console's mode and so leaves nothing to put back.
#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "console/console.h"

namespace {

// The report is bytes: a line end goes out as the single line feed the
// report holds, as on every other system, not as CR LF.  Done before main so
// that no text can go out in the other mode.
bool SetStandardStreamsBinary() {
  _setmode(_fileno(stdout), _O_BINARY);
  _setmode(_fileno(stderr), _O_BINARY);
  return true;
}
const bool streams_binary = SetStandardStreamsBinary();

bool console_chosen = false;
HANDLE console_in = INVALID_HANDLE_VALUE;
HANDLE console_out = INVALID_HANDLE_VALUE;
// Descriptors handed over by UseConsoleDescriptors, used instead of the
// console handles when set.
bool use_descriptors = false;
int descriptor_in = -1;
int descriptor_out = -1;

HANDLE OpenConsoleDevice(const char* name) {
  HANDLE handle =
      CreateFileA(name, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                  OPEN_EXISTING, 0, nullptr);
  DWORD mode;
  // A process without a console may still open the names; only a handle the
  // console answers for is one.
  if (handle != INVALID_HANDLE_VALUE && !GetConsoleMode(handle, &mode)) {
    CloseHandle(handle);
    handle = INVALID_HANDLE_VALUE;
  }
  return handle;
}

void ChooseConsole() {
  if (console_chosen)
    return;
  console_chosen = true;
  console_in = OpenConsoleDevice("CONIN$");
  console_out = OpenConsoleDevice("CONOUT$");
}

// Keys that only change what another key means make no key press of their
// own.
bool IsModifierKey(WORD key) {
  switch (key) {
    case VK_SHIFT:
    case VK_CONTROL:
    case VK_MENU:
    case VK_CAPITAL:
    case VK_NUMLOCK:
    case VK_SCROLL:
    case VK_LWIN:
    case VK_RWIN:
      return true;
    default:
      return false;
  }
}

// The next key press from the console's input events; cursor and function
// keys, which have no character, come back as 0.  -1 when the console fails.
int ReadConsoleKey(HANDLE input) {
  for (;;) {
    INPUT_RECORD event;
    DWORD count = 0;
    if (!ReadConsoleInputA(input, &event, 1, &count) || count != 1)
      return -1;
    if (event.EventType != KEY_EVENT)
      continue;
    const KEY_EVENT_RECORD& key = event.Event.KeyEvent;
    if (!key.bKeyDown || IsModifierKey(key.wVirtualKeyCode))
      continue;
    return static_cast<unsigned char>(key.uChar.AsciiChar);
  }
}

int ReadDescriptorKey(int fd) {
  unsigned char key;
  return _read(fd, &key, 1) == 1 ? key : -1;
}

}  // namespace

void UseConsoleDescriptors(int read_fd, int write_fd) {
  console_chosen = true;
  use_descriptors = true;
  descriptor_in = read_fd;
  descriptor_out = write_fd;
}

bool ConsoleIsInteractive() {
  ChooseConsole();
  return use_descriptors ? descriptor_in >= 0 : console_in != INVALID_HANDLE_VALUE;
}

void ConsoleWrite(const char* text) {
  fflush(stdout);
  fflush(stderr);
  ChooseConsole();
  size_t left = strlen(text);
  if (use_descriptors) {
    if (descriptor_out >= 0)
      _write(descriptor_out, text, static_cast<unsigned>(left));
    return;
  }
  if (console_out == INVALID_HANDLE_VALUE)
    return;
  while (left > 0) {
    DWORD written = 0;
    if (!WriteFile(console_out, text, static_cast<DWORD>(left), &written, nullptr) || written == 0)
      return;
    text += written;
    left -= written;
  }
}

int WaitForKey() {
  fflush(stdout);
  fflush(stderr);
  ChooseConsole();
  if (use_descriptors)
    return descriptor_in >= 0 ? ReadDescriptorKey(descriptor_in) : -1;
  if (console_in == INVALID_HANDLE_VALUE)
    return -1;
  return ReadConsoleKey(console_in);
}
