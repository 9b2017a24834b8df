# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows installer (NSIS) and the portable zip, which CPack makes from
# the install rules below, and their tests under Wine. Included from the
# top-level CMakeLists.txt in the Windows tree only, after ui/.
#
#   cpack --preset windows      # both into build-windows/packaging/windows/out/
#
# Both are signed with osslsigncode when MOSTARIC_SIGN_CERT and
# MOSTARIC_SIGN_KEY name a certificate and its key as cpack runs (see
# sign.sh); otherwise they are made unsigned, and cpack says so.
if(NOT TARGET mostaric)
  return()
endif()

set(MOSTARIC_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})
set(MOSTARIC_WINDOWS_OUT ${PROJECT_BINARY_DIR}/packaging/windows)
string(TOLOWER ${PROJECT_NAME} _package_name)
# The names a Windows user sees: the program file as its version record
# calls it, and the two downloads (without their endings, which CPack adds).
set(MOSTARIC_WINDOWS_EXE ${PROJECT_NAME}.exe)
set(CPACK_MOSTARIC_SETUP_NAME ${_package_name}-${MOSTARIC_VERSION_TEXT}-setup)
set(CPACK_MOSTARIC_ZIP_NAME ${_package_name}-${MOSTARIC_VERSION_TEXT}-windows-x64)
set(MOSTARIC_SETUP_NAME ${CPACK_MOSTARIC_SETUP_NAME}.exe)
set(MOSTARIC_ZIP_NAME ${CPACK_MOSTARIC_ZIP_NAME}.zip)

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

# The installed tree, the same in the installer and the zip.
install(PROGRAMS $<TARGET_FILE:mostaric> DESTINATION . RENAME ${MOSTARIC_WINDOWS_EXE})
install(FILES ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt DESTINATION LICENSES)
# The notice names the Qt the program links, as its build recorded it.
configure_file(${MOSTARIC_WINDOWS_DIR}/qt_notice.txt.in ${MOSTARIC_WINDOWS_OUT}/qt-notice.txt @ONLY)
install(FILES ${MOSTARIC_WINDOWS_OUT}/qt-notice.txt DESTINATION LICENSES/Qt RENAME NOTICE.txt)
# Text files end in .txt so that a double click opens them.
foreach(_file IN LISTS _qt_licences)
  get_filename_component(_name "${_file}" NAME)
  if(NOT _name MATCHES "\\.txt$")
    string(APPEND _name .txt)
  endif()
  install(FILES ${_file} DESTINATION LICENSES/Qt RENAME ${_name})
endforeach()
install(FILES ${_qt_prefix}/MOSTARIC-QT-SOURCE.txt ${_qt_prefix}/debian-patches-series.txt
        DESTINATION LICENSES/Qt OPTIONAL)
# The readme is in Windows' form: UTF-8 with a byte order mark (for the
# Notepad of older Windows) and CRLF line ends.
configure_file(${MOSTARIC_WINDOWS_DIR}/readme.txt.in ${MOSTARIC_WINDOWS_OUT}/README.txt
               @ONLY NEWLINE_STYLE CRLF)
install(FILES ${MOSTARIC_WINDOWS_OUT}/README.txt DESTINATION .)
# Also CPack's description: its default is in the configuring CMake's own
# folder, which the tests' cpack, the host's, may not have.
set(CPACK_PACKAGE_DESCRIPTION_FILE ${MOSTARIC_WINDOWS_OUT}/README.txt)

find_program(MOSTARIC_MAKENSIS makensis)
find_program(MOSTARIC_OSSLSIGNCODE osslsigncode)
add_feature_info(windows_package "MOSTARIC_MAKENSIS;MOSTARIC_OSSLSIGNCODE"
                 "the Windows installer and zip by cpack (packages nsis, osslsigncode); their tests fail without")

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME ${_package_name})
set(CPACK_PACKAGE_VERSION ${MOSTARIC_VERSION_TEXT})
set(CPACK_PACKAGE_VENDOR "${MOSTARIC_PUBLISHER}")
set(CPACK_PACKAGE_DIRECTORY ${MOSTARIC_WINDOWS_OUT}/out)
# The zip has no top folder: Windows' "Extract all" makes one named after it.
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
# Per generator: the file names, the release moment and UTC (package_options.cmake);
# on the staged files, signing, modes and times (stage.cmake); after the
# installer, what makensis signed (signed.cmake).
set(CPACK_PROJECT_CONFIG_FILE ${MOSTARIC_WINDOWS_DIR}/package_options.cmake)
set(CPACK_PRE_BUILD_SCRIPTS ${MOSTARIC_WINDOWS_DIR}/stage.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${MOSTARIC_WINDOWS_DIR}/signed.cmake)
set(CPACK_MOSTARIC_SOURCE_DATE_EPOCH ${MOSTARIC_SOURCE_DATE_EPOCH})
set(CPACK_MOSTARIC_EXE ${MOSTARIC_WINDOWS_EXE})
set(CPACK_MOSTARIC_SIGN_SCRIPT ${MOSTARIC_WINDOWS_DIR}/sign.sh)
set(CPACK_MOSTARIC_OSSLSIGNCODE "${MOSTARIC_OSSLSIGNCODE}")

# The installer, from our own template of CPack's: CPack's would install for
# every user, with administrator rights, and in English.
configure_file(${MOSTARIC_WINDOWS_DIR}/installer.nsi.in ${MOSTARIC_WINDOWS_OUT}/cpack/NSIS.template.in
               COPYONLY)
set(CPACK_MODULE_PATH ${MOSTARIC_WINDOWS_OUT}/cpack)
set(CPACK_NSIS_EXECUTABLE_PRE_ARGUMENTS V2 WX "INPUTCHARSET UTF8")
set(CPACK_NSIS_DISPLAY_NAME "${MOSTARIC_DISPLAY_NAME}")
# Per user, where Windows itself puts such programs (FOLDERID_UserProgramFiles).
set(CPACK_PACKAGE_INSTALL_DIRECTORY ${PROJECT_NAME})
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY ${MOSTARIC_APP_ID})
set(CPACK_NSIS_URL_INFO_ABOUT "${MOSTARIC_HOMEPAGE}")
set(CPACK_NSIS_MUI_ICON ${MOSTARIC_ICON_FILE})
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSES/GPL-3.0-or-later.txt)
string(REPLACE "," "." CPACK_MOSTARIC_VERSION_DOTTED "${MOSTARIC_VERSION_RECORD}")
set(CPACK_MOSTARIC_COPYRIGHT "${MOSTARIC_COPYRIGHT_TEXT}")
include(CPack)

if(BUILD_TESTING)
  add_subdirectory(${MOSTARIC_WINDOWS_DIR}/tests ${MOSTARIC_WINDOWS_OUT}/tests)
endif()
