// The native machine on Linux (CreateNativeMachine is declared in select.h).
#pragma once

#include <cstdint>

#include "hw/machine.h"

// A native machine that serves every port range through the operating
// system, whatever the kernel would grant: the same answers on every Linux
// system, so that its device models can be checked against the kernel's own
// view.  The processor, its loops and memory are the real ones.
Machine* CreateServedPortsMachine();

// For tests only: names a directory that stands in for /sys/bus/pci, so that
// the configuration access can be run against files the test owns.  The
// ports of configuration space are then never used directly.
constexpr char TEST_SYSFS_PCI_VARIABLE[] = "KORVALT_TEST_SYSFS_PCI";

// The operating system's access to configuration bytes (libpci, or sysfs
// when the program is built without it).  A read returns false when the
// function does not exist or cannot be read; a write returns false when the
// system refused it.
bool OsPciReadByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t* value);
bool OsPciWriteByte(unsigned bus, unsigned device, unsigned function, unsigned reg, uint8_t value);
// How many bytes from offset 0 can be read (an ordinary user gets 64 from
// Linux); 256 for an absent function, whose all-ones answer is the truth.
unsigned OsPciBytesReadable(unsigned bus, unsigned device, unsigned function);
