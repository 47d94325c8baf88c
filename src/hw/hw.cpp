#include "hw/hw.h"

Machine* current_machine = nullptr;
bool tsc_is_native = false;

void UseMachine(Machine* machine, bool native) {
  current_machine = machine;
  tsc_is_native = native;
}
