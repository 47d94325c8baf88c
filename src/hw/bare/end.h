// The end of a run on the bare machine, normal or fatal: the report stays
// on the screen, one line says that the PC may be switched off or restarted
// with a key, and a key restarts it.
#pragma once

// Only for tests in emulators: the boot line word that makes the end stop
// the emulator instead ("test-exit=qemu" for QEMU's isa-debug-exit device at
// port F4h, "test-exit=bochs" for Bochs's shutdown port 8900h).  A real PC
// has neither device.  Returns whether word was that word.
bool TakeTestExitWord(const char* word);

[[noreturn]] void EndRun(int status);
