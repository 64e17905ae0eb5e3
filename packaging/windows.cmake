# The Windows zip and the installer: the two programs, and the README and licence with
# Windows line ends.
foreach(text "README.md;README.txt" "LICENSE;LICENSE.txt")
  list(GET text 0 source)
  list(GET text 1 target)
  file(READ ${PROJECT_SOURCE_DIR}/${source} content)
  string(REPLACE "\n" "\r\n" content "${content}")
  file(WRITE ${CMAKE_CURRENT_BINARY_DIR}/${target} "${content}")
  set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${source})
endforeach()

install(TARGETS velortin velortin-calc RUNTIME DESTINATION .)
install(FILES ${CMAKE_CURRENT_BINARY_DIR}/README.txt ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt
        DESTINATION .)

set(CPACK_GENERATOR "ZIP;NSIS")
set(CPACK_PACKAGE_FILE_NAME velortin-${PROJECT_VERSION}-win32)
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_CURRENT_BINARY_DIR}/LICENSE.txt)
set(CPACK_PACKAGE_INSTALL_DIRECTORY Velortin)
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY Velortin)
set(CPACK_NSIS_PACKAGE_NAME Velortin)
set(CPACK_NSIS_DISPLAY_NAME "Velortin ${PROJECT_VERSION}")
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/resources/velortin.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/resources/velortin.ico)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")
# CPack's own NSIS template installs for all users with administrator rights; ours
# (NSIS.template.in here) installs for the current user only.
list(APPEND CMAKE_MODULE_PATH ${CMAKE_CURRENT_SOURCE_DIR})
