# Installation and packaging. `cmake --install` puts the game and the two
# tools in bin/, and on Linux and the BSDs the desktop entry, the icons in the
# hicolor theme, the AppStream metainfo and the manual pages under share/.
# CPack turns the same tree into a Debian package whose dependencies
# dpkg-shlibdeps derives from the binaries.
#
# Desktop entry, icons and metainfo share one reverse-DNS id, so that the
# software centre, the menu and the window manager see one application.
include(GNUInstallDirs)

set(KALVOR_APP_ID nl.kalvor.kalvor)
set(KALVOR_SCREENSHOT_URL "" CACHE STRING
    "Public https address of the screenshot named in the AppStream metainfo; \
empty leaves the screenshot out")

# Debian's policy puts the programs of a game in /usr/games, so its package
# is built with KALVOR_INSTALL_BINDIR=games (scripts/check-package); an
# ordinary install keeps them in bin/, which every PATH holds. On Windows
# they sit at the top of the tree, beside the README and the licence.
if(WIN32)
  set(kalvor_bindir .)
else()
  set(kalvor_bindir ${CMAKE_INSTALL_BINDIR})
endif()
set(KALVOR_INSTALL_BINDIR ${kalvor_bindir} CACHE STRING
    "Folder of the installed programs, relative to the prefix")
foreach(target kalvor pbrain-kalvor kalvor-selfplay)
  if(TARGET ${target})
    install(TARGETS ${target} RUNTIME DESTINATION ${KALVOR_INSTALL_BINDIR})
  endif()
endforeach()
if(WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/LICENSE DESTINATION .)
  # The game carries Liberation Sans and, linked in, Qt (under the GNU LGPL
  # version 3, which builds on the GPL version 3; the README says where its
  # source and the patches are): their licences go with it.
  if(TARGET kalvor)
    install(FILES ${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt DESTINATION .
            RENAME LiberationSans-OFL.txt)
    foreach(licence LGPL-3 GPL-3)
      find_file(KALVOR_${licence} ${licence} PATHS /usr/share/common-licenses
                NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
      if(NOT KALVOR_${licence})
        message(FATAL_ERROR "${licence} not found in /usr/share/common-licenses (base-files)")
      endif()
      install(FILES ${KALVOR_${licence}} DESTINATION . RENAME Qt-${licence}.txt)
    endforeach()
  endif()
  # The 64-bit build names its adapter pbrain-kalvor64.exe; the 32-bit
  # pbrain-kalvor.exe, made by a build of its own, joins it in the zip.
  set(KALVOR_WIN32_PBRAIN "" CACHE FILEPATH "pbrain-kalvor.exe of a 32-bit build, for the zip")
  if(KALVOR_WIN32_PBRAIN)
    install(PROGRAMS ${KALVOR_WIN32_PBRAIN} DESTINATION .)
  endif()
endif()

if(UNIX AND NOT APPLE)
  set(kalvor_res ${PROJECT_SOURCE_DIR}/resources)

  if(TARGET kalvor)
    install(FILES ${kalvor_res}/desktop/${KALVOR_APP_ID}.desktop
            DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)

    # kalvor.png is the 256 px image; the smaller ones carry their size.
    foreach(size 16 32 48 64 128 256)
      if(size EQUAL 256)
        set(png ${kalvor_res}/kalvor.png)
      else()
        set(png ${kalvor_res}/kalvor-${size}.png)
      endif()
      install(FILES ${png} RENAME ${KALVOR_APP_ID}.png
              DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
    endforeach()
    install(FILES ${kalvor_res}/kalvor.svg RENAME ${KALVOR_APP_ID}.svg
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

    # The metainfo names a screenshot only where one is published: software
    # centres fetch it over the web, and an address that answers nothing is
    # worse than none.
    set(KALVOR_SCREENSHOTS "")
    if(KALVOR_SCREENSHOT_URL)
      if(NOT KALVOR_SCREENSHOT_URL MATCHES "^https://[^/]+/.")
        message(FATAL_ERROR "KALVOR_SCREENSHOT_URL must be an https address of an image, "
                            "not '${KALVOR_SCREENSHOT_URL}'")
      endif()
      string(CONCAT KALVOR_SCREENSHOTS
        "  <screenshots>\n"
        "    <screenshot type=\"default\">\n"
        "      <caption>A game of computer 1 against computer 2</caption>\n"
        "      <caption xml:lang=\"nl\">Een partij van computer 1 tegen computer 2</caption>\n"
        "      <image type=\"source\">${KALVOR_SCREENSHOT_URL}</image>\n"
        "    </screenshot>\n"
        "  </screenshots>\n")
    endif()
    configure_file(${kalvor_res}/desktop/${KALVOR_APP_ID}.metainfo.xml.in
                   ${PROJECT_BINARY_DIR}/${KALVOR_APP_ID}.metainfo.xml @ONLY)
    install(FILES ${PROJECT_BINARY_DIR}/${KALVOR_APP_ID}.metainfo.xml
            DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  endif()

  # Manual pages: section 6 (games) for the game and for its two tools,
  # which belong to it. Debian keeps manual pages compressed; where gzip is
  # missing they are installed as they are, which man reads as well.
  set(kalvor_man ${PROJECT_SOURCE_DIR}/tools/man)
  set(kalvor_pages)
  foreach(target kalvor pbrain-kalvor kalvor-selfplay)
    if(TARGET ${target})
      list(APPEND kalvor_pages ${target}.6)
    endif()
  endforeach()
  find_program(KALVOR_GZIP gzip)
  mark_as_advanced(KALVOR_GZIP)
  set(kalvor_man_files)
  foreach(page ${kalvor_pages})
    if(KALVOR_GZIP)
      # -n leaves name and time out of the header, so that rebuilds give the
      # same bytes.
      add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND ${KALVOR_GZIP} -9nc ${kalvor_man}/${page} > ${PROJECT_BINARY_DIR}/man/${page}.gz
        DEPENDS ${kalvor_man}/${page} VERBATIM)
      list(APPEND kalvor_man_files ${PROJECT_BINARY_DIR}/man/${page}.gz)
    else()
      list(APPEND kalvor_man_files ${kalvor_man}/${page})
    endif()
  endforeach()
  if(KALVOR_GZIP AND kalvor_man_files)
    add_custom_target(kalvor_man ALL DEPENDS ${kalvor_man_files})
  endif()
  install(FILES ${kalvor_man_files} DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)

  install(FILES ${PROJECT_SOURCE_DIR}/README.md
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kalvor)

  # Debian's copyright file in its machine-readable format, made from LICENSE
  # so that the two cannot disagree: the holder from the copyright line, the
  # terms indented by one space with "." for an empty line.
  file(READ ${PROJECT_SOURCE_DIR}/LICENSE kalvor_licence)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${PROJECT_SOURCE_DIR}/LICENSE)
  if(NOT kalvor_licence MATCHES "\nCopyright \\(c\\) ([^\n]+)\n\n(.*[^\n])\n*$")
    message(FATAL_ERROR "LICENSE has no copyright line followed by the terms")
  endif()
  set(KALVOR_COPYRIGHT "${CMAKE_MATCH_1}")
  string(REPLACE "\n" "\n " kalvor_terms " ${CMAKE_MATCH_2}")
  string(REPLACE "\n \n" "\n .\n" KALVOR_LICENCE_TERMS "${kalvor_terms}")
  # The face carried inside the game, with its own licence, in the same
  # form: the copyright lines, then the terms.
  file(READ ${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt kalvor_ofl)
  set_property(DIRECTORY ${PROJECT_SOURCE_DIR} APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
               ${PROJECT_SOURCE_DIR}/resources/fonts/OFL.txt)
  if(NOT kalvor_ofl MATCHES "\n\n(Digitized[^\n]+\nCopyright[^\n]+)\n\n(.*[^\n])\n*$")
    message(FATAL_ERROR "resources/fonts/OFL.txt has no copyright lines followed by the terms")
  endif()
  string(REPLACE "\n" "\n " KALVOR_FONT_COPYRIGHT "${CMAKE_MATCH_1}")
  string(REPLACE "\n" "\n " kalvor_terms " ${CMAKE_MATCH_2}")
  string(REPLACE "\n \n" "\n .\n" KALVOR_FONT_TERMS "${kalvor_terms}")
  configure_file(${PROJECT_SOURCE_DIR}/cmake/debian/copyright.in
                 ${PROJECT_BINARY_DIR}/doc/copyright @ONLY)

  # The changelog in Debian's format, which the package carries as
  # changelog.gz (the name for a package without a Debian revision),
  # compressed as the manual pages are.
  set(kalvor_changelog ${PROJECT_SOURCE_DIR}/cmake/debian/changelog)
  if(KALVOR_GZIP)
    add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/doc/changelog.gz
      COMMAND ${KALVOR_GZIP} -9nc ${kalvor_changelog} > ${PROJECT_BINARY_DIR}/doc/changelog.gz
      DEPENDS ${kalvor_changelog} VERBATIM)
    add_custom_target(kalvor_doc ALL DEPENDS ${PROJECT_BINARY_DIR}/doc/changelog.gz)
    set(kalvor_changelog ${PROJECT_BINARY_DIR}/doc/changelog.gz)
  endif()
  install(FILES ${PROJECT_BINARY_DIR}/doc/copyright ${kalvor_changelog}
          DESTINATION ${CMAKE_INSTALL_DATAROOTDIR}/doc/kalvor)
endif()

# ---------------------------------------------------------------- CPack

set(CPACK_PACKAGE_NAME kalvor)
set(CPACK_PACKAGE_VENDOR "Kalvor developers")
set(CPACK_PACKAGE_CONTACT "Kalvor developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "five-in-a-row board game with a Dutch interface")
# Broken into lines here: the Debian control field keeps them as they are,
# and terminals show no more than 80 columns.
set(CPACK_PACKAGE_DESCRIPTION
    "Kalvor is a desktop five-in-a-row game (5 op een rijtje) on a 19 x 19\n\
board: black and white place stones in turn, and the first to make an\n\
unbroken line of five wins. A person plays a person or the computer, or two\n\
computers play each other, each with one of five playing styles from\n\
reckless to anxious. The interface is Dutch.\n\n\
The package also holds pbrain-kalvor, the same computer player for\n\
tournament managers that speak the Gomocup protocol, and kalvor-selfplay,\n\
which plays seeded computer-against-computer games for comparing styles.")
set(CPACK_STRIP_FILES ON)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build[^/]*/")

if(CMAKE_SYSTEM_NAME STREQUAL "Linux")
  set(CPACK_GENERATOR DEB)
  set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
  set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
  set(CPACK_DEBIAN_PACKAGE_SECTION games)
  set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
  # dpkg-shlibdeps (package dpkg-dev) reads the libraries the binaries need
  # and writes the Depends line with the versions they were built against.
  set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
else()
  # Elsewhere a zip of the install tree, the least that works everywhere. On
  # Windows it is the game's and the tools' zip (scripts/windows), with the
  # programs at its top: a player unpacks it and starts kalvor.exe, and
  # managers take an engine's zip so, as tournaments receive them.
  set(CPACK_GENERATOR ZIP)
  if(WIN32)
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
    set(CPACK_SYSTEM_NAME windows) # 32- and 64-bit programs alike
  endif()
endif()

include(CPack)
