# The bare machine's products: korvalt.elf (Multiboot), korvalt.img, a
# 1.44 MB FAT12 floppy that boots it through SYSLINUX, and korvalt.iso, the
# same menu for a CD or a USB stick.  Included by the main
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

# The CD image: ISO 9660 with ISOLINUX as its El Torito boot image, and an
# MBR and partition table in its first sectors (isohdpfx.bin, which starts
# ISOLINUX from the same file), so that the one file boots from a CD and,
# written to a USB stick, as a hard disk.  The menu is the floppy's, read by
# ISOLINUX as isolinux/isolinux.cfg beside the same modules.  xorriso makes
# the whole image in a staging folder, without root.
find_program(KORVALT_XORRISO xorriso)
set(KORVALT_ISOLINUX_DIR /usr/lib/ISOLINUX CACHE PATH
  "ISOLINUX's isolinux.bin and isohdpfx.bin (Debian's isolinux)")
if(KORVALT_XORRISO AND EXISTS ${KORVALT_ISOLINUX_DIR}/isolinux.bin
   AND EXISTS ${KORVALT_ISOLINUX_DIR}/isohdpfx.bin
   AND EXISTS ${KORVALT_SYSLINUX_MODULES}/ldlinux.c32
   AND EXISTS ${KORVALT_SYSLINUX_MODULES}/mboot.c32)
  set(iso ${CMAKE_CURRENT_BINARY_DIR}/korvalt.iso)
  set(root ${CMAKE_CURRENT_BINARY_DIR}/iso-root)
  add_custom_command(OUTPUT ${iso}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${root} ${iso}.tmp
    COMMAND ${CMAKE_COMMAND} -E make_directory ${root}/isolinux
    COMMAND ${CMAKE_COMMAND} -E copy ${KORVALT_ISOLINUX_DIR}/isolinux.bin
      ${KORVALT_SYSLINUX_MODULES}/ldlinux.c32 ${KORVALT_FLOPPY_FILES}
      $<TARGET_FILE:korvalt.elf> ${root}/isolinux/
    COMMAND ${CMAKE_COMMAND} -E copy ${PROJECT_SOURCE_DIR}/boot/syslinux.cfg
      ${root}/isolinux/isolinux.cfg
    COMMAND ${KORVALT_XORRISO} -as mkisofs -quiet -o ${iso}.tmp -V KORVALT -J -R
      -b isolinux/isolinux.bin -c isolinux/boot.cat -no-emul-boot -boot-load-size 4
      -boot-info-table -isohybrid-mbr ${KORVALT_ISOLINUX_DIR}/isohdpfx.bin ${root}
    COMMAND ${CMAKE_COMMAND} -E rename ${iso}.tmp ${iso}
    DEPENDS korvalt.elf ${PROJECT_SOURCE_DIR}/boot/syslinux.cfg ${KORVALT_FLOPPY_FILES}
      ${KORVALT_ISOLINUX_DIR}/isolinux.bin ${KORVALT_ISOLINUX_DIR}/isohdpfx.bin
      ${KORVALT_SYSLINUX_MODULES}/ldlinux.c32
    COMMENT "Assembling the hybrid CD and USB stick image korvalt.iso"
    VERBATIM)
  add_custom_target(iso ALL DEPENDS ${iso})
else()
  message(WARNING "xorriso or isolinux (and syslinux-common) missing: korvalt.iso is not built")
endif()
