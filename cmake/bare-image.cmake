# The bare machine's two products: korvalt.elf (Multiboot) and korvalt.img, a
# 1.44 MB FAT12 floppy that boots it through SYSLINUX.  Included by the main
# CMakeLists.txt when KORVALT_BARE is set.
set(KORVALT_LINK_SCRIPT ${PROJECT_SOURCE_DIR}/src/hw/bare/link.ld)
add_executable(korvalt.elf src/driver/main.cpp)
target_link_libraries(korvalt.elf PRIVATE korvalt_core)
# The whole library, so that the boot entry, which nothing calls, comes in.
target_link_options(korvalt.elf PRIVATE -T ${KORVALT_LINK_SCRIPT} -Wl,--whole-archive
  $<TARGET_FILE:korvalt_core> -Wl,--no-whole-archive -Wl,-Map=korvalt.map)
set_target_properties(korvalt.elf PROPERTIES LINK_DEPENDS ${KORVALT_LINK_SCRIPT})
