// The console of the bare machine: the screen and COM1 are the console and
// the standard streams at once, and a person (or a terminal on COM1) is
// always assumed to be there.
#include <cstring>

#include "console/console.h"
#include "hw/bare/devices.h"

void UseConsoleDescriptors(int, int) {}

bool ConsoleIsInteractive() {
  return true;
}

void ConsoleWrite(const char* text) {
  DevicesWrite(text, strlen(text));
}

int WaitForKey() {
  return DevicesWaitForKey();
}
