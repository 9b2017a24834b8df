# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every file a release offers, each named once here with its use in Chinese
# and English: CPack names the packages from it, the release notes list
# exactly the kinds a release makes, and scripts ask for names by running it:
#   cmake -D PRINT="TARBALL;DEB" -P packaging/Downloads.cmake   (a name a line)
# It needs MOSTARIC_VERSION_TEXT, MOSTARIC_PACKAGE_DEBIAN and
# MOSTARIC_NEWEST_DEBIAN; run alone, it takes them from the identity.
if(NOT DEFINED MOSTARIC_VERSION_TEXT)
  include(${CMAKE_CURRENT_LIST_DIR}/../cmake/MostaricIdentity.cmake)
endif()

# kind|file|use in Chinese|use in English, in the notes' order. The .deb is
# named as Debian names packages; the release is for x86-64.
set(_stem mostaric-${MOSTARIC_VERSION_TEXT})
set(_downloads
  "TARBALL|${_stem}.tar.xz|源代码|source code"
  "DEB|mostaric_${MOSTARIC_VERSION_TEXT}_amd64.deb|Debian ${MOSTARIC_PACKAGE_DEBIAN}、${MOSTARIC_NEWEST_DEBIAN} 的软件包|package for Debian ${MOSTARIC_PACKAGE_DEBIAN} and ${MOSTARIC_NEWEST_DEBIAN}"
  "SETUP|${_stem}-setup.exe|Windows 10、11（64 位）安装程序|installer for Windows 10 and 11 (64-bit)"
  "ZIP|${_stem}-windows-x64.zip|Windows 便携版，解压即可运行|portable Windows program: unpack and run"
  "WEB|${_stem}-web.zip|网页版，在浏览器中运行|web edition, runs in a web browser")
# The kinds a release makes.
set(MOSTARIC_RELEASE_DOWNLOADS TARBALL DEB SETUP ZIP WEB)

# MOSTARIC_<kind>_NAME and MOSTARIC_<kind>_USE ("Chinese|English").
set(MOSTARIC_DOWNLOADS "")
foreach(_row IN LISTS _downloads)
  string(REGEX MATCH "^([A-Z]+)\\|([^|]+)\\|(.+)$" _ "${_row}")
  list(APPEND MOSTARIC_DOWNLOADS ${CMAKE_MATCH_1})
  set(MOSTARIC_${CMAKE_MATCH_1}_NAME ${CMAKE_MATCH_2})
  set(MOSTARIC_${CMAKE_MATCH_1}_USE "${CMAKE_MATCH_3}")
endforeach()

if(CMAKE_SCRIPT_MODE_FILE STREQUAL CMAKE_CURRENT_LIST_FILE)
  foreach(_kind IN LISTS PRINT)
    if(NOT DEFINED MOSTARIC_${_kind}_NAME)
      message(FATAL_ERROR "No download of kind '${_kind}'; the kinds: ${MOSTARIC_DOWNLOADS}")
    endif()
    execute_process(COMMAND ${CMAKE_COMMAND} -E echo ${MOSTARIC_${_kind}_NAME})
  endforeach()
endif()
