# Read by CPack once per package: each gets its own file name, and the
# portable archive also takes the first-start files.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_DRAVOMEL_FILE_STEM}-setup)
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_DRAVOMEL_FILE_STEM}-portable)
  set(CPACK_INSTALL_CMAKE_PROJECTS
    ${CPACK_DRAVOMEL_BINARY_DIR} Dravomel ALL /
    ${CPACK_DRAVOMEL_BINARY_DIR} Dravomel portable /)
endif()
