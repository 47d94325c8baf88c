// Start-up choice of the machine: KORVALT_MACHINE names a simulated PC,
// unset means the native machine.  An unknown name lists the simulated PCs
// on standard error and ends the process with status 2.
#pragma once

#include "hw/machine.h"

// Native machine of this system (defined by the platform's native file).
Machine* CreateNativeMachine();

// Chooses and installs the machine (UseMachine); called first in main.
void SelectMachineFromEnvironment();
