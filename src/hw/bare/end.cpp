#include "hw/bare/end.h"

#include <cstring>

#include "hw/bare/devices.h"
#include "hw/bare/keyboard.h"
#include "hw/bare/ports.h"

namespace {

const char END_LINE[] = "korvalt has finished: switch the PC off, or press a key to restart it.\n";
const char TEST_EXIT_QEMU[] = "test-exit=qemu";
const char TEST_EXIT_BOCHS[] = "test-exit=bochs";

enum TestExit { NO_TEST_EXIT, QEMU_EXIT, BOCHS_EXIT };
TestExit test_exit = NO_TEST_EXIT;

void EndEmulator(int status) {
  if (test_exit == QEMU_EXIT) {
    // QEMU ends with status * 2 + 1.
    OutPort(0xF4, static_cast<uint8_t>(status));
  } else if (test_exit == BOCHS_EXIT) {
    for (const char* p = "Shutdown"; *p != '\0'; ++p)
      OutPort(0x8900, static_cast<uint8_t>(*p));
  }
}

}  // namespace

bool TakeTestExitWord(const char* word) {
  if (strcmp(word, TEST_EXIT_QEMU) == 0) {
    test_exit = QEMU_EXIT;
    return true;
  }
  if (strcmp(word, TEST_EXIT_BOCHS) == 0) {
    test_exit = BOCHS_EXIT;
    return true;
  }
  return false;
}

void EndRun(int status) {
  asm volatile("cli");
  if (DevicesColumn() != 0)
    DevicesWrite("\n", 1);
  DevicesWrite(END_LINE, sizeof END_LINE - 1);
  EndEmulator(status);
  // Still here: a real PC, or the test device is missing.
  DevicesWaitForKey();
  RestartMachine();
}
