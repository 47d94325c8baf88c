// Paged output to the standard streams, and the console beside them: prompts,
// BEL and key input reach the terminal whatever the streams are redirected to.
#pragma once

#include <cstdio>

#if defined(__GNUC__)
#define KORVALT_PRINTF(fmt, args) __attribute__((format(printf, fmt, args)))
#else
#define KORVALT_PRINTF(fmt, args)
#endif

void PagedPutChar(char c, FILE* stream);
void PagedPutString(const char* text, FILE* stream);
void PagedPrintTo(FILE* stream, const char* format, ...) KORVALT_PRINTF(2, 3);
void PagedPrint(const char* format, ...) KORVALT_PRINTF(1, 2);
[[noreturn]] void FatalError(int status, const char* text, const char* detail);

void ConsoleWrite(const char* text);
void Beep();
int WaitForKey();
// Whether a person can answer at a terminal; without one, key waits return
// at once and questions take the answer that changes nothing.
bool ConsoleIsInteractive();
