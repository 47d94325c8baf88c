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
# Without its debugging information the program is a third of the size on
# the floppy; the symbols stay, for the instruction check.
add_custom_command(TARGET korvalt.elf POST_BUILD
  COMMAND ${CMAKE_OBJCOPY} --strip-debug $<TARGET_FILE:korvalt.elf>
  VERBATIM)

# The floppy: FAT12 made with mtools, SYSLINUX installed into it (the
# mtools-based installer needs no root and no loop mount), then the loader
# modules, the configuration of boot/ and the program copied in.
find_program(KORVALT_MFORMAT mformat)
find_program(KORVALT_MCOPY mcopy)
find_program(KORVALT_SYSLINUX syslinux)
set(KORVALT_SYSLINUX_MODULES /usr/lib/syslinux/modules/bios CACHE PATH
  "SYSLINUX's BIOS modules (Debian's syslinux-common)")
set(KORVALT_FLOPPY_MODULES mboot.c32 menu.c32 libcom32.c32 libutil.c32)
set(KORVALT_FLOPPY_FILES)
foreach(module ${KORVALT_FLOPPY_MODULES})
  list(APPEND KORVALT_FLOPPY_FILES ${KORVALT_SYSLINUX_MODULES}/${module})
endforeach()
if(KORVALT_MFORMAT AND KORVALT_MCOPY AND KORVALT_SYSLINUX
   AND EXISTS ${KORVALT_SYSLINUX_MODULES}/mboot.c32)
  set(image ${CMAKE_CURRENT_BINARY_DIR}/korvalt.img)
  add_custom_command(OUTPUT ${image}
    COMMAND ${CMAKE_COMMAND} -E remove -f ${image}.tmp
    COMMAND ${KORVALT_MFORMAT} -C -f 1440 -v KORVALT -i ${image}.tmp ::
    COMMAND ${KORVALT_SYSLINUX} --install ${image}.tmp
    COMMAND ${KORVALT_MCOPY} -i ${image}.tmp ${KORVALT_FLOPPY_FILES}
      ${PROJECT_SOURCE_DIR}/boot/syslinux.cfg $<TARGET_FILE:korvalt.elf> ::
    COMMAND ${CMAKE_COMMAND} -E rename ${image}.tmp ${image}
    DEPENDS korvalt.elf ${PROJECT_SOURCE_DIR}/boot/syslinux.cfg ${KORVALT_FLOPPY_FILES}
    COMMENT "Assembling the boot floppy korvalt.img"
    VERBATIM)
  add_custom_target(floppy ALL DEPENDS ${image})
else()
  message(WARNING "mtools or syslinux (and syslinux-common) missing: korvalt.img is not built")
endif()
