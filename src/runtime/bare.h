// The C runtime of the bare machine is set up by the boot code: where the
// standard streams' bytes go, what ends the program, and the memory the heap
// hands out.  The runtime knows nothing of the machine beyond these.
#pragma once

#include <cstddef>

typedef void (*RuntimeWriter)(const char* text, size_t length);
typedef void (*RuntimeEnd)(int status);

void RuntimeSetOutput(RuntimeWriter writer);
// Called by exit after the atexit functions; must not return.
void RuntimeSetEnd(RuntimeEnd end);
void RuntimeSetHeap(void* start, size_t bytes);
