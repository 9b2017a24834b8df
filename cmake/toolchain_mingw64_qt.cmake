# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The windows preset's toolchain: mingw-w64 and the static Qt for Windows
# that scripts/build_qt_windows.sh made for these sources, found where the
# preset says (MOSTARIC_QT_WINDOWS), with Debian's Qt as the host tools.
include(${CMAKE_CURRENT_LIST_DIR}/toolchain_mingw64.cmake)

# The versioned folder behind the stable name: a Qt built anew for changed
# settings lies elsewhere, and a tree configured with the old one forgets it.
# Read again for each of CMake's checks, which see only the variables named.
list(APPEND CMAKE_TRY_COMPILE_PLATFORM_VARIABLES MOSTARIC_QT_WINDOWS)
file(REAL_PATH "${MOSTARIC_QT_WINDOWS}" _qt_prefix)
if(NOT EXISTS "${_qt_prefix}/.complete")
  message(FATAL_ERROR "No Qt for Windows at '${MOSTARIC_QT_WINDOWS}': "
                      "scripts/build_windows.sh builds it and the tree")
endif()
if(MOSTARIC_QT_WINDOWS_PREFIX AND NOT MOSTARIC_QT_WINDOWS_PREFIX STREQUAL _qt_prefix)
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
