// How the program ends on the bare machine, and the few other services a
// C++ program expects of its runtime.  There is nothing to return to: exit
// runs what atexit registered and hands over to the end the boot code set.
#include <csignal>
#include <cstdio>
#include <cstdlib>

#include "runtime/bare.h"

namespace {

const int MAX_EXIT_FUNCTIONS = 32;
void (*exit_functions[MAX_EXIT_FUNCTIONS])();
int exit_function_count = 0;
RuntimeEnd end_of_run = nullptr;

[[noreturn]] void Stop(const char* text) {
  fputs(text, stderr);
  exit(EXIT_FAILURE);
}

}  // namespace

void RuntimeSetEnd(RuntimeEnd end) {
  end_of_run = end;
}

extern "C" {

void* __dso_handle = nullptr;

int atexit(void (*function)()) {
  if (exit_function_count == MAX_EXIT_FUNCTIONS)
    return -1;
  exit_functions[exit_function_count++] = function;
  return 0;
}

// Destructors of static objects: the program's statics need no taking
// down, since the machine stops with them.
int __cxa_atexit(void (*)(void*), void*, void*) {
  return 0;
}

void exit(int status) {
  while (exit_function_count > 0)
    exit_functions[--exit_function_count]();
  if (end_of_run != nullptr)
    end_of_run(status);
  for (;;)
    asm volatile("cli; hlt");
}

void abort() {
  Stop("korvalt: aborted\n");
}

// There is no environment: no simulated machine, no settings.
char* getenv(const char*) {
  return nullptr;
}

void __cxa_pure_virtual() {
  Stop("korvalt: pure virtual function called\n");
}

}  // extern "C"

// The library's own failures, which the program never provokes; without
// exceptions they stop the run with a line saying which.
namespace std {
void __throw_length_error(const char*) {
  Stop("korvalt: length error\n");
}
void __throw_logic_error(const char*) {
  Stop("korvalt: logic error\n");
}
void __throw_out_of_range_fmt(const char*, ...) {
  Stop("korvalt: out of range\n");
}
void __throw_bad_alloc() {
  Stop("korvalt: out of memory\n");
}
void __throw_bad_array_new_length() {
  Stop("korvalt: out of memory\n");
}
}  // namespace std

// No signals reach a program alone on the machine.
extern "C" sighandler_t signal(int, sighandler_t) {
  return SIG_DFL;
}
