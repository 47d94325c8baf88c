// The bare machine's console devices taken together: text goes to the screen
// and to COM1, a BEL sounds the speaker (and goes down the line), and a key
// is whichever comes first of the keyboard and a byte on COM1.
#pragma once

#include <cstddef>

void DevicesInit();
void DevicesWrite(const char* text, size_t length);
// Waits as long as it takes for a key and returns it.
int DevicesWaitForKey();
// The column the screen's next character lands in.
int DevicesColumn();
