# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows installer (NSIS) and the portable zip, built from the program
# file and the licence texts, and their tests under Wine. Included from the
# top-level CMakeLists.txt in the Windows tree only, after ui/.
#
#   cmake --build --preset windows      # also builds both into
#                                       # build-windows/packaging/windows/out/
#
# Both are signed with osslsigncode when MOSTARIC_SIGN_CERT and
# MOSTARIC_SIGN_KEY name a certificate and its key at build time (see
# sign.sh); otherwise they are built unsigned, and the build says so.
if(NOT TARGET mostaric)
  return()
endif()

set(MOSTARIC_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})
set(MOSTARIC_WINDOWS_OUT ${PROJECT_BINARY_DIR}/packaging/windows)
string(TOLOWER ${PROJECT_NAME} _package_name)
# The names a Windows user sees: the program file as its version record
# calls it, and the two downloads.
set(MOSTARIC_WINDOWS_EXE ${PROJECT_NAME}.exe)
set(MOSTARIC_SETUP_NAME ${_package_name}-${MOSTARIC_VERSION_TEXT}-setup.exe)
set(MOSTARIC_ZIP_NAME ${_package_name}-${MOSTARIC_VERSION_TEXT}-windows-x64.zip)
# Per user, where Windows itself puts such programs (FOLDERID_UserProgramFiles).
set(MOSTARIC_WINDOWS_INSTALL_FOLDER ${PROJECT_NAME})
string(REPLACE "," "." MOSTARIC_VERSION_DOTTED "${MOSTARIC_VERSION_RECORD}")

# Qt's licence texts and the Debian source it was built from, as the build of
# the static Qt left them beside it. The commercial licence is not ours to
# pass on: the program uses Qt under the LGPL.
set(_qt_prefix "${MOSTARIC_QT_WINDOWS_PREFIX}")
if(NOT EXISTS "${_qt_prefix}/MOSTARIC-QT-SOURCE.txt" OR NOT IS_DIRECTORY "${_qt_prefix}/licenses")
  message(FATAL_ERROR "The static Qt in '${_qt_prefix}' has no MOSTARIC-QT-SOURCE.txt "
                      "or licenses/: the Windows package needs both")
endif()
file(STRINGS "${_qt_prefix}/MOSTARIC-QT-SOURCE.txt" _qt_source REGEX "^Source: ")
if(NOT _qt_source MATCHES "source package ([^ ,]+), version ([^ ]+)")
  message(FATAL_ERROR "No Debian source package and version in ${_qt_prefix}/MOSTARIC-QT-SOURCE.txt")
endif()
set(MOSTARIC_QT_DEBIAN_SOURCE ${CMAKE_MATCH_1})
set(MOSTARIC_QT_DEBIAN_VERSION ${CMAKE_MATCH_2})
file(STRINGS "${_qt_prefix}/MOSTARIC-QT-SOURCE.txt" _qt_release REGEX "^Release: Debian ")
string(REGEX REPLACE "^Release: Debian " "" MOSTARIC_QT_DEBIAN_RELEASE "${_qt_release}")
if(NOT MOSTARIC_QT_DEBIAN_RELEASE)
  message(FATAL_ERROR "No Debian release in ${_qt_prefix}/MOSTARIC-QT-SOURCE.txt")
endif()
file(GLOB _qt_licences LIST_DIRECTORIES false "${_qt_prefix}/licenses/*")
list(FILTER _qt_licences EXCLUDE REGEX "/LicenseRef-Qt-Commercial[^/]*$")
list(SORT _qt_licences)
list(APPEND _qt_licences "${_qt_prefix}/MOSTARIC-QT-SOURCE.txt")
if(EXISTS "${_qt_prefix}/debian-patches-series.txt")
  list(APPEND _qt_licences "${_qt_prefix}/debian-patches-series.txt")
endif()

# What both the installer and the zip hold, as "source|path inside" lines;
# the program file itself is added at build time. Text files end in .txt so
# that a double click opens them.
set(_payload "${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt|LICENSES/GPL-3.0-or-later.txt")
# The notice names the Qt the program links, as its build recorded it.
configure_file(${MOSTARIC_WINDOWS_DIR}/qt-notice.txt.in ${MOSTARIC_WINDOWS_OUT}/qt-notice.txt @ONLY)
list(APPEND _payload "${MOSTARIC_WINDOWS_OUT}/qt-notice.txt|LICENSES/Qt/NOTICE.txt")
foreach(_file IN LISTS _qt_licences)
  get_filename_component(_name "${_file}" NAME)
  if(NOT _name MATCHES "\\.txt$")
    string(APPEND _name .txt)
  endif()
  list(APPEND _payload "${_file}|LICENSES/Qt/${_name}")
endforeach()
# The readme is in Windows' form: UTF-8 with a byte order mark (for the
# Notepad of older Windows) and CRLF line ends.
set(MOSTARIC_WINDOWS_README ${MOSTARIC_WINDOWS_OUT}/README.txt)
configure_file(${MOSTARIC_WINDOWS_DIR}/readme.txt.in ${MOSTARIC_WINDOWS_README}
               @ONLY NEWLINE_STYLE CRLF)
list(APPEND _payload "${MOSTARIC_WINDOWS_README}|README.txt")
list(JOIN _payload "\n" MOSTARIC_WINDOWS_PAYLOAD)

find_program(MOSTARIC_MAKENSIS makensis)
find_program(MOSTARIC_OSSLSIGNCODE osslsigncode)
find_program(MOSTARIC_ZIP zip)
set(MOSTARIC_LICENCE_PAGE_FILE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
set(MOSTARIC_SIGN_SCRIPT ${MOSTARIC_WINDOWS_DIR}/sign.sh)
set(MOSTARIC_PACKAGE_SETTINGS ${MOSTARIC_WINDOWS_OUT}/package-settings.sh)
set(MOSTARIC_WINDOWS_PACKAGE_DIR ${MOSTARIC_WINDOWS_OUT}/out)
configure_file(${MOSTARIC_WINDOWS_DIR}/installer.nsi.in ${MOSTARIC_WINDOWS_OUT}/installer.nsi @ONLY)
configure_file(${MOSTARIC_WINDOWS_DIR}/package-settings.sh.in ${MOSTARIC_PACKAGE_SETTINGS} @ONLY)

set(MOSTARIC_SETUP_FILE ${MOSTARIC_WINDOWS_PACKAGE_DIR}/${MOSTARIC_SETUP_NAME})
set(MOSTARIC_ZIP_FILE ${MOSTARIC_WINDOWS_PACKAGE_DIR}/${MOSTARIC_ZIP_NAME})
if(MOSTARIC_MAKENSIS AND MOSTARIC_OSSLSIGNCODE AND MOSTARIC_ZIP)
  # Always run: make_package.sh rebuilds only when the program, a payload
  # file, the script or the signing settings of the environment changed.
  add_custom_target(windows_package ALL
    COMMAND bash ${MOSTARIC_WINDOWS_DIR}/make_package.sh ${MOSTARIC_PACKAGE_SETTINGS}
            $<TARGET_FILE:mostaric> ${MOSTARIC_WINDOWS_PACKAGE_DIR}
    DEPENDS mostaric
    BYPRODUCTS ${MOSTARIC_SETUP_FILE} ${MOSTARIC_ZIP_FILE}
    COMMENT "Windows installer and zip"
    VERBATIM)
endif()
add_feature_info(windows_package "MOSTARIC_MAKENSIS;MOSTARIC_OSSLSIGNCODE;MOSTARIC_ZIP"
                 "the Windows installer and zip (packages nsis, osslsigncode, zip); their tests fail without")

if(BUILD_TESTING)
  add_subdirectory(${MOSTARIC_WINDOWS_DIR}/tests ${MOSTARIC_WINDOWS_OUT}/tests)
endif()
