# Run by CPack on the staged files before it builds the Debian package:
# Debian keeps a package's licence as usr/share/doc/<package>/copyright.
file(GLOB_RECURSE licences "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/${CPACK_KORVALT_DOC_DIR}/LICENSE")
foreach(licence ${licences})
  get_filename_component(dir "${licence}" DIRECTORY)
  file(RENAME "${licence}" "${dir}/copyright")
endforeach()
