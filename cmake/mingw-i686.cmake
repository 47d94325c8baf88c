# Cross build of korvalt.exe for 32-bit Windows with mingw-w64 (Debian's
# g++-mingw-w64-i686):
#   cmake -S . -B build-win -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DKORVALT_TESTS=OFF
#
# The program is for Pentium-era PCs, so the code is generated for the P5:
# no CMOV, FCMOV, FCOMI or SSE, which only the Pentium Pro and later have.
# The C and C++ runtimes are linked in, so the program needs no DLL beyond
# the system's own KERNEL32 and MSVCRT.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)

set(KORVALT_MINGW_PREFIX i686-w64-mingw32 CACHE STRING "Target prefix of the mingw-w64 tools")

# The win32 thread model keeps libwinpthread out of the program.
find_program(KORVALT_MINGW_CC NAMES ${KORVALT_MINGW_PREFIX}-gcc-win32 ${KORVALT_MINGW_PREFIX}-gcc)
find_program(KORVALT_MINGW_CXX NAMES ${KORVALT_MINGW_PREFIX}-g++-win32 ${KORVALT_MINGW_PREFIX}-g++)
set(CMAKE_C_COMPILER ${KORVALT_MINGW_CC})
set(CMAKE_CXX_COMPILER ${KORVALT_MINGW_CXX})
set(CMAKE_RC_COMPILER ${KORVALT_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KORVALT_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_C_FLAGS_INIT "-march=pentium -mtune=pentium")
set(CMAKE_CXX_FLAGS_INIT "-march=pentium -mtune=pentium")
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")
