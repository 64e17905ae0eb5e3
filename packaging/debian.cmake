# The Debian package: the native velortin-calc; velortin.exe from the win32 build and
# velortin.html from the web build, with a launcher that runs the one under Wine or opens
# the other; a menu entry and its icons; manual pages; copyright.
set(VELORTIN_WIN32_DIR ${PROJECT_SOURCE_DIR}/build/win32 CACHE PATH
    "The win32 build whose velortin.exe the package carries")
set(VELORTIN_WEB_DIR ${PROJECT_SOURCE_DIR}/build/web CACHE PATH
    "The web build whose velortin.html the package carries")
# The page comes from another build, which this one cannot make: say so at once.
set(page ${VELORTIN_WEB_DIR}/velortin.html)
if(NOT EXISTS ${page})
  message(FATAL_ERROR "No ${page}: the package carries the web build's page. Build it first "
    "(cmake --preset web && cmake --build --preset web --target velortin_html), or run "
    "scripts/package.sh, which builds everything the package carries.")
endif()
find_program(HELP2MAN help2man REQUIRED)
find_program(GZIP gzip REQUIRED)
find_program(MINGW_STRIP i686-w64-mingw32-strip REQUIRED)
find_package(Python3 REQUIRED COMPONENTS Interpreter)
set(gen ${CMAKE_CURRENT_BINARY_DIR})
set(man ${gen}/velortin.1.gz ${gen}/velortin-calc.1.gz)
set(doc ${gen}/copyright ${gen}/changelog.Debian.gz)

# velortin-calc(1) comes from the program's own --help and --version, so it follows them.
add_custom_command(
  OUTPUT ${gen}/velortin-calc.1
  COMMAND ${HELP2MAN} --no-info --name "${CPACK_PACKAGE_DESCRIPTION_SUMMARY}"
          --include ${CMAKE_CURRENT_SOURCE_DIR}/velortin-calc.h2m
          --output ${gen}/velortin-calc.1 $<TARGET_FILE:velortin-calc>
  DEPENDS velortin-calc velortin-calc.h2m
  COMMENT "velortin-calc(1) from velortin-calc --help")
configure_file(velortin.1.in ${gen}/velortin.1 @ONLY)
configure_file(changelog.in ${gen}/changelog.Debian @ONLY)
# Debian wants manual pages and changelogs compressed, without a time stamp.
foreach(file velortin.1 velortin-calc.1 changelog.Debian)
  add_custom_command(OUTPUT ${gen}/${file}.gz COMMAND ${GZIP} -9nkf ${gen}/${file}
                     DEPENDS ${gen}/${file})
endforeach()

# The machine-readable copyright file carries LICENSE as its licence text.
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX REPLACE "^MIT License\n\n[^\n]*\n\n" "" license "${license}")
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REGEX REPLACE "\n([^\n])" "\n \\1" license " ${license}")
configure_file(copyright.in ${gen}/copyright @ONLY)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/LICENSE)

# The program as the Windows packages carry it: without its symbols.
add_custom_command(
  OUTPUT ${gen}/velortin.exe
  COMMAND ${MINGW_STRIP} -o ${gen}/velortin.exe ${VELORTIN_WIN32_DIR}/ui/velortin.exe
  DEPENDS ${VELORTIN_WIN32_DIR}/ui/velortin.exe
  COMMENT "velortin.exe from the win32 build, stripped")

foreach(size 32 48)
  set(png ${gen}/${size}x${size}/velortin.png)
  add_custom_command(
    OUTPUT ${png}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${gen}/${size}x${size}
    COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/resources/pixmap.py png
            ${PROJECT_SOURCE_DIR}/resources/icon.txt ${png} ${size}
    DEPENDS ${PROJECT_SOURCE_DIR}/resources/pixmap.py ${PROJECT_SOURCE_DIR}/resources/icon.txt
    COMMENT "${size}x${size} icon from its pixel map")
  list(APPEND icons ${png})
  install(FILES ${png} DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()
add_custom_target(package_files ALL DEPENDS ${man} ${doc} ${icons} ${gen}/velortin.exe ${page})

install(TARGETS velortin-calc RUNTIME DESTINATION bin)
install(PROGRAMS velortin.sh DESTINATION bin RENAME velortin)
install(FILES ${gen}/velortin.exe DESTINATION lib/velortin)
install(FILES ${page} DESTINATION share/velortin)
install(FILES velortin.desktop DESTINATION share/applications)
install(FILES ${man} DESTINATION share/man/man1)
install(FILES ${doc} DESTINATION share/doc/velortin)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The launcher opens the page with xdg-open where Wine cannot run the window. wine32 runs
# the 32-bit program and brings wine, the command, through its own Recommends; naming wine
# here too would have apt install a 64-bit Wine of 1.4 GB on a system without i386, where
# it cannot run the window. Liberation Serif stands in for Times New Roman, and notify-send
# shows that the first start sets up Wine. Debian's Wine 8.0 is 8.0~repack, below 8.0.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "xdg-utils")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "wine32 (>= 8.0~), fonts-liberation | fonts-liberation2, libnotify-bin")
