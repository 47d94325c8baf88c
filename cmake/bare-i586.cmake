# korvalt for the bare machine: a Multiboot ELF and a SYSLINUX floppy image,
# built with the system's g++ in 32-bit mode (Debian's g++-multilib):
#   cmake -S . -B build-boot -DCMAKE_TOOLCHAIN_FILE=cmake/bare-i586.cmake
#   cmake --build build-boot -j
#
# The code is generated for the i486, so that it runs on every processor the
# program knows; the Pentium's RDTSC and CPUID run only in the machine's own
# functions, after the program has seen the features.  Nothing of the C
# library is linked: the declarations of the system's headers are used, the
# definitions are the program's own (src/runtime/*_bare.cpp).
set(CMAKE_SYSTEM_NAME Generic)
set(CMAKE_SYSTEM_PROCESSOR i486)
set(CMAKE_C_COMPILER gcc)
set(CMAKE_CXX_COMPILER g++)
set(CMAKE_TRY_COMPILE_TARGET_TYPE STATIC_LIBRARY)

set(KORVALT_BARE ON CACHE BOOL "Build korvalt for the bare machine" FORCE)
set(KORVALT_TESTS OFF CACHE BOOL "No test suite: the bare build is checked by tests/boot/run" FORCE)

# _GLIBCXX_ASSERTIONS also makes std::string's members instantiated in the
# program instead of taken from the prebuilt library, which is compiled for
# later processors.
set(KORVALT_BARE_FLAGS "-m32 -march=i486 -mtune=pentium -ffreestanding -fno-pic -fno-pie \
-fno-stack-protector -fno-exceptions -fno-rtti -fno-asynchronous-unwind-tables \
-fno-threadsafe-statics -fno-use-cxa-atexit -DKORVALT_BARE_MACHINE -D_GLIBCXX_ASSERTIONS")
set(CMAKE_C_FLAGS_INIT "${KORVALT_BARE_FLAGS}")
set(CMAKE_CXX_FLAGS_INIT "${KORVALT_BARE_FLAGS}")
set(CMAKE_EXE_LINKER_FLAGS_INIT
  "-m32 -nostdlib -static -no-pie -Wl,--build-id=none -Wl,--no-warn-rwx-segments")
