# Read by CPack once per generator.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/deb-copyright.cmake)
endif()
