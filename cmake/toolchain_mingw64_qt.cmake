# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The windows preset's toolchain: mingw-w64 and the cached static Qt for
# Windows, built here where missing, with Debian's Qt as the host tools.
include(${CMAKE_CURRENT_LIST_DIR}/toolchain_mingw64.cmake)

execute_process(
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../scripts/build_qt_windows.sh
  OUTPUT_VARIABLE _qt_prefix OUTPUT_STRIP_TRAILING_WHITESPACE
  COMMAND_ERROR_IS_FATAL ANY)
# The last line is the prefix.
string(REGEX REPLACE "^.*\n" "" _qt_prefix "${_qt_prefix}")
if(MOSTARIC_QT_WINDOWS_PREFIX AND NOT MOSTARIC_QT_WINDOWS_PREFIX STREQUAL _qt_prefix)
  # Built with another Qt before: forget every path into it.
  get_cmake_property(_cached CACHE_VARIABLES)
  foreach(_name IN LISTS _cached)
    string(FIND "${${_name}}" "${MOSTARIC_QT_WINDOWS_PREFIX}" _at)
    if(_at EQUAL 0)
      unset(${_name} CACHE)
    endif()
  endforeach()
endif()
set(MOSTARIC_QT_WINDOWS_PREFIX ${_qt_prefix} CACHE PATH "Install prefix of the static Qt for Windows" FORCE)

list(PREPEND CMAKE_FIND_ROOT_PATH ${MOSTARIC_QT_WINDOWS_PREFIX})
list(PREPEND CMAKE_PREFIX_PATH ${MOSTARIC_QT_WINDOWS_PREFIX})
execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH
                OUTPUT_VARIABLE _multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${_multiarch}/cmake)
