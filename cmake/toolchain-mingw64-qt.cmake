# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The windows preset's toolchain: mingw-w64 as for Qt itself, plus the static
# Qt that scripts/build-qt-windows.sh keeps in the per-machine cache, with
# Debian's Qt as the host tools (moc, rcc, uic).
include(${CMAKE_CURRENT_LIST_DIR}/toolchain-mingw64.cmake)

execute_process(
  COMMAND bash ${CMAKE_CURRENT_LIST_DIR}/../scripts/build-qt-windows.sh --print-prefix
  OUTPUT_VARIABLE _qt_prefix OUTPUT_STRIP_TRAILING_WHITESPACE)
if(NOT MOSTARIC_QT_WINDOWS_PREFIX)
  set(MOSTARIC_QT_WINDOWS_PREFIX ${_qt_prefix})
elseif(NOT MOSTARIC_QT_WINDOWS_PREFIX STREQUAL _qt_prefix)
  # A Qt of this cache under an older key: the tree's cache holds that Qt's
  # package paths too, so only a fresh start is sound. A Qt given by hand
  # elsewhere is left alone.
  get_filename_component(_kept_dir "${MOSTARIC_QT_WINDOWS_PREFIX}" DIRECTORY)
  get_filename_component(_qt_dir "${_qt_prefix}" DIRECTORY)
  if(_kept_dir STREQUAL _qt_dir)
    message(FATAL_ERROR "This tree was configured with the Qt for Windows in "
                        "'${MOSTARIC_QT_WINDOWS_PREFIX}'; the one built for these sources is "
                        "'${_qt_prefix}': configure it afresh (cmake --preset windows --fresh)")
  endif()
endif()
if(NOT EXISTS "${MOSTARIC_QT_WINDOWS_PREFIX}/.complete")
  message(FATAL_ERROR "No static Qt for Windows in '${MOSTARIC_QT_WINDOWS_PREFIX}': "
                      "run scripts/build-qt-windows.sh first (./test.sh does)")
endif()
set(MOSTARIC_QT_WINDOWS_PREFIX ${MOSTARIC_QT_WINDOWS_PREFIX} CACHE PATH
    "Install prefix of the static Qt for Windows")

list(PREPEND CMAKE_FIND_ROOT_PATH ${MOSTARIC_QT_WINDOWS_PREFIX})
list(PREPEND CMAKE_PREFIX_PATH ${MOSTARIC_QT_WINDOWS_PREFIX})
execute_process(COMMAND dpkg-architecture -qDEB_HOST_MULTIARCH
                OUTPUT_VARIABLE _multiarch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(QT_HOST_PATH /usr)
set(QT_HOST_PATH_CMAKE_DIR /usr/lib/${_multiarch}/cmake)
