# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installation of the program with its desktop integration, manual page and
# licence, the Debian package, and the tests of both.
if(NOT TARGET mostaric)
  return()
endif()

set(MOSTARIC_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(MOSTARIC_PACKAGING_OUT ${PROJECT_BINARY_DIR}/packaging)
# The icon as ui/icons/make_icon.py draws it; the files that name the id,
# the version or the forum, filled in from the identity.
set(MOSTARIC_ICON_PNG ${PROJECT_SOURCE_DIR}/ui/icons/mostaric.png)
set(MOSTARIC_ICON_SVG ${PROJECT_SOURCE_DIR}/ui/icons/mostaric.svg)
set(MOSTARIC_DESKTOP_FILE ${MOSTARIC_PACKAGING_OUT}/${MOSTARIC_APP_ID}.desktop)
set(MOSTARIC_METAINFO_FILE ${MOSTARIC_PACKAGING_OUT}/${MOSTARIC_APP_ID}.metainfo.xml)
set(MOSTARIC_MAN_PAGE ${MOSTARIC_PACKAGING_OUT}/mostaric.1)
set(MOSTARIC_CHANGELOG ${MOSTARIC_PACKAGING_OUT}/changelog)
set(MOSTARIC_COPYRIGHT ${MOSTARIC_PACKAGING_OUT}/copyright)
configure_file(${MOSTARIC_PACKAGING_DIR}/mostaric.desktop.in ${MOSTARIC_DESKTOP_FILE} @ONLY)
configure_file(${MOSTARIC_PACKAGING_DIR}/mostaric.metainfo.xml.in ${MOSTARIC_METAINFO_FILE} @ONLY)
configure_file(${MOSTARIC_PACKAGING_DIR}/mostaric.1.in ${MOSTARIC_MAN_PAGE} @ONLY)
configure_file(${MOSTARIC_PACKAGING_DIR}/debian/changelog.in ${MOSTARIC_CHANGELOG} @ONLY)
configure_file(${MOSTARIC_PACKAGING_DIR}/debian/copyright.in ${MOSTARIC_COPYRIGHT} @ONLY)

# Compressed as Debian wants them, without a time stamp in the header.
find_program(MOSTARIC_GZIP gzip REQUIRED)
add_custom_command(OUTPUT ${MOSTARIC_MAN_PAGE}.gz ${MOSTARIC_CHANGELOG}.gz
  COMMAND ${MOSTARIC_GZIP} -9nkf ${MOSTARIC_MAN_PAGE} ${MOSTARIC_CHANGELOG}
  # gzip gives each output its input's time; make compares with both inputs.
  COMMAND ${CMAKE_COMMAND} -E touch ${MOSTARIC_MAN_PAGE}.gz ${MOSTARIC_CHANGELOG}.gz
  DEPENDS ${MOSTARIC_MAN_PAGE} ${MOSTARIC_CHANGELOG}
  COMMENT "Compressing the manual page and the changelog")
add_custom_target(mostaric_compressed_docs ALL
  DEPENDS ${MOSTARIC_MAN_PAGE}.gz ${MOSTARIC_CHANGELOG}.gz)

set(MOSTARIC_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/mostaric)
install(TARGETS mostaric RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(CMAKE_OBJCOPY)
  # A stripped install (the package's) also drops the compilers' names, as
  # Debian's own dh_strip does; strip alone keeps them.
  install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
      execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
        \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/mostaric\"
        COMMAND_ERROR_IS_FATAL ANY)
    endif()")
endif()
# Everything else installed: file, folder, name. MOSTARIC_INSTALLED_FILES,
# relative to the prefix, is what the install and package checks expect.
set(_installed
  "${MOSTARIC_DESKTOP_FILE}|${CMAKE_INSTALL_DATADIR}/applications|${MOSTARIC_APP_ID}.desktop"
  "${MOSTARIC_METAINFO_FILE}|${CMAKE_INSTALL_DATADIR}/metainfo|${MOSTARIC_APP_ID}.metainfo.xml"
  "${MOSTARIC_ICON_PNG}|${CMAKE_INSTALL_DATADIR}/icons/hicolor/96x96/apps|${MOSTARIC_APP_ID}.png"
  "${MOSTARIC_ICON_SVG}|${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps|${MOSTARIC_APP_ID}.svg"
  "${MOSTARIC_MAN_PAGE}.gz|${CMAKE_INSTALL_MANDIR}/man1|mostaric.1.gz"
  "${MOSTARIC_COPYRIGHT}|${MOSTARIC_DOC_DIR}|copyright"
  "${MOSTARIC_CHANGELOG}.gz|${MOSTARIC_DOC_DIR}|changelog.gz")
set(MOSTARIC_INSTALLED_FILES ${CMAKE_INSTALL_BINDIR}/mostaric)
foreach(_entry IN LISTS _installed)
  string(REGEX MATCH "^([^|]*)\\|([^|]*)\\|([^|]*)$" _ "${_entry}")
  install(FILES ${CMAKE_MATCH_1} DESTINATION ${CMAKE_MATCH_2} RENAME ${CMAKE_MATCH_3})
  list(APPEND MOSTARIC_INSTALLED_FILES ${CMAKE_MATCH_2}/${CMAKE_MATCH_3})
endforeach()

include(${MOSTARIC_PACKAGING_DIR}/DebianPackage.cmake)

# SHA256SUMS and RELEASE-NOTES.md over exactly the release's files in dist/:
# no source tarball from an unpacked one (scripts/release.sh makes it from git).
set(_downloads ${MOSTARIC_RELEASE_DOWNLOADS})
if(NOT EXISTS ${PROJECT_SOURCE_DIR}/.git)
  list(REMOVE_ITEM _downloads TARBALL)
endif()
set(_notes_values)
foreach(_name IN ITEMS DISPLAY_NAME VERSION_TEXT RELEASE_DATE PACKAGE_DEBIAN NEWEST_DEBIAN)
  list(APPEND _notes_values -D "MOSTARIC_${_name}=${MOSTARIC_${_name}}")
endforeach()
add_custom_target(release_notes
  COMMAND ${CMAKE_COMMAND} ${_notes_values} -D "DOWNLOADS=${_downloads}" -D DIST=${PROJECT_SOURCE_DIR}/dist
          -D CHANGELOG=${MOSTARIC_CHANGELOG} -P ${MOSTARIC_PACKAGING_DIR}/ReleaseNotes.cmake
  VERBATIM)

if(BUILD_TESTING)
  add_subdirectory(${MOSTARIC_PACKAGING_DIR}/tests ${CMAKE_BINARY_DIR}/packaging/tests)
endif()
