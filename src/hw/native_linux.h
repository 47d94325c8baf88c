// The native machine on Linux (CreateNativeMachine is declared in select.h).
#pragma once

#include "hw/machine.h"

// A native machine that serves every port range through the operating
// system, whatever the kernel would grant: the same answers on every Linux
// system, so that its device models can be checked against the kernel's own
// view.  The processor, its loops and memory are the real ones.
Machine* CreateServedPortsMachine();
