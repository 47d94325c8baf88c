// The native machine on Linux (CreateNativeMachine is declared in select.h).
#pragma once

#include <cstdint>

#include "hw/machine.h"

// A native machine that serves every port range through the operating
// system, whatever the kernel would grant: the same answers on every Linux
// system, so that its device models can be checked against the kernel's own
// view.  The processor, its loops and memory are the real ones.
Machine* CreateServedPortsMachine();

// The operating system's access to configuration bytes (libpci, or sysfs
// when the program is built without it).  A read returns false when the
// function does not exist or cannot be read; a refused write is dropped.
bool OsPciReadByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t* value);
void OsPciWriteByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t value);
