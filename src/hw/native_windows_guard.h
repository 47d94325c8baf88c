// The privileged instructions of the native Windows machine, each run under
// an exception frame of its own.  Windows 9x lets an ordinary program execute
// them; the NT family (and Wine) refuse them with an exception, which the
// frame catches: a refused instruction has no effect and returns false.
#pragma once

#include <cstdint>

bool GuardedInByte(uint16_t port, uint8_t* value);
bool GuardedOutByte(uint16_t port, uint8_t value);
bool GuardedOutDword(uint16_t port, uint32_t value);
bool GuardedDisableInterrupts();
bool GuardedEnableInterrupts();
