#include "hw/select.h"

#include <cstdio>
#include <cstdlib>

#include "hw/hw.h"
#include "hw/sim/sim_machine.h"

void SelectMachineFromEnvironment() {
  const char* name = std::getenv("KORVALT_MACHINE");
  if (name == nullptr || name[0] == '\0') {
    UseMachine(CreateNativeMachine(), true);
    return;
  }
  const SimMachineDesc* desc = FindSimMachine(name);
  if (desc == nullptr) {
    std::fprintf(stderr, "korvalt: unknown machine '%s'; simulated machines:\n", name);
    for (const SimMachineDesc* known = sim_catalogue; known->name != nullptr; ++known) {
      std::fprintf(stderr, "  %-16s %s\n", known->name, known->description);
    }
    std::exit(2);
  }
  // Lives for the whole run; the program ends without taking it down.
  SimMachine* machine = new SimMachine(*desc);
  machine->tracing = false;
  UseMachine(machine, false);
}
