// The keyboard controller (ports 60h and 64h), polled: key presses as
// characters, and the controller's reset line to restart the PC.
#pragma once

// Throws away whatever the controller still holds from before the program.
void KeyboardInit();
// The character of a key pressed since the last call (0 for keys without
// one, such as cursor or function keys), or -1 when none was pressed.
// Releases and the shift, control and lock keys are no key presses.
int KeyboardPollKey();
// Restarts the PC: the keyboard controller's reset line, then the PCI reset
// register, then a processor shutdown.  Never returns.
[[noreturn]] void RestartMachine();
