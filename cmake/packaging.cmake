# `cmake --build build --target package`: a Debian package and a .tar.gz of
# what `cmake --install` puts in place, the program stripped.
set(CPACK_PACKAGE_NAME korvalt)
set(CPACK_PACKAGE_VENDOR "the korvalt authors")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
  "report a PC's processor, chipset registers and memory speed")
set(CPACK_PACKAGE_DESCRIPTION
  "korvalt asks the machine itself what processor, PCI host bridge and memory
system it has (CPUID, the time-stamp counter, the 8254 timer, the CMOS clock,
PCI configuration mechanism #1) and prints one plain-text report: the
processor and its measured clock, the chipset's configuration registers
translated field by field, and cache and memory bandwidth. It can change
host bridge register bits, and decode a configuration dump saved elsewhere.")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_RESOURCE_FILE_README ${PROJECT_SOURCE_DIR}/README.md)
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/build[^/]*/" "/dist/" "/\\\\.git/")

if(WIN32)
  set(CPACK_GENERATOR ZIP)
else()
  set(CPACK_GENERATOR DEB TGZ)
endif()

# Debian: the program, the manual page and the README under /usr, the
# licence as the package's copyright file, and the shared libraries it links
# (libpci) as found by dpkg-shlibdeps, which comes with dpkg-dev.
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "the korvalt authors")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The Debian package carries the licence under the name Debian gives it
# (usr/share/doc/korvalt/copyright), the .tar.gz as LICENSE.
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/cmake/packaging-generator.cmake)
set(CPACK_KORVALT_DOC_DIR ${CMAKE_INSTALL_DOCDIR})

include(CPack)
