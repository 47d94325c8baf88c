// The pieces of the C and C++ runtime that korvalt.exe would otherwise take
// from mingw-w64's prebuilt libraries, which are compiled for the Pentium
// Pro and later: their start-up code, operator new and llround execute CMOV
// and FCOMI, which a Pentium (P5) does not have.  These are compiled with
// the program's own flags instead.  (Formatted printing, operator new and
// llround are beside this file, shared with the bare machine.)  What is left
// of the prebuilt runtime runs only while a C++ exception is thrown, which
// the program never does.
#include <windows.h>

#include <cstdlib>

extern "C" {
// msvcrt's own start-up services, present since Windows 95.
struct MsvcrtStartupInfo {
  int new_mode;
};
int __cdecl __getmainargs(int* argc, char*** argv, char*** environment, int expand_wildcards,
                          MsvcrtStartupInfo* info);
void __cdecl __set_app_type(int type);
}

int main(int argc, char* argv[]);

namespace {

const int CONSOLE_APPLICATION = 1;
// x87: 53-bit precision, as every double operation on other systems has,
// rounding to nearest, every exception masked.
const unsigned short FPU_CONTROL = 0x027F;

}  // namespace

// The program's entry point (the linker is told so), in place of mingw's
// mainCRTStartup: the few steps of it that this program needs.
extern "C" __attribute__((force_align_arg_pointer, noreturn)) void KorvaltStart() {
  __set_app_type(CONSOLE_APPLICATION);
  asm volatile("fninit\n\tfldcw %0" : : "m"(FPU_CONTROL));
  // No run-time fix-ups of imported data: the linker is told to refuse any
  // import that would need them.
  int argc = 0;
  char** argv = nullptr;
  char** environment = nullptr;
  MsvcrtStartupInfo info = {0};
  __getmainargs(&argc, &argv, &environment, 0, &info);
  // Static constructors run from main itself (the compiler puts a call to
  // __main at its start); exit runs what atexit registered and flushes.
  exit(main(argc, argv));
}
