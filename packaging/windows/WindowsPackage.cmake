# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer (NSIS) and the portable zip, made by CPack from the
# install rules below, and their tests under Wine. Both are signed when the
# signing settings are set as cpack runs (sign.sh).
if(NOT TARGET mostaric)
  return()
endif()

set(MOSTARIC_WINDOWS_DIR ${CMAKE_CURRENT_LIST_DIR})
set(MOSTARIC_WINDOWS_OUT ${PROJECT_BINARY_DIR}/packaging/windows)
string(TOLOWER ${PROJECT_NAME} _package_name)
# The names a Windows user sees: the program file as its version record
# calls it, and the two downloads' (packaging/Downloads.cmake) without the
# endings CPack adds.
set(MOSTARIC_WINDOWS_EXE ${PROJECT_NAME}.exe)
get_filename_component(CPACK_MOSTARIC_SETUP_NAME ${MOSTARIC_SETUP_NAME} NAME_WLE)
get_filename_component(CPACK_MOSTARIC_ZIP_NAME ${MOSTARIC_ZIP_NAME} NAME_WLE)

# Qt's licence texts and the Debian source it was built from, as the build of
# the static Qt left them beside it; not the commercial licence: the program
# uses Qt under the LGPL.
set(_qt_prefix "${MOSTARIC_QT_WINDOWS_PREFIX}")
file(READ "${_qt_prefix}/MOSTARIC-QT-SOURCE.txt" _qt_source)
if(NOT _qt_source MATCHES "source package ([^ ,]+), version ([^\n]+)\nRelease: Debian ([^\n]+)"
   OR NOT IS_DIRECTORY "${_qt_prefix}/licenses")
  message(FATAL_ERROR "The static Qt in '${_qt_prefix}' lacks licenses/ or its source")
endif()
set(MOSTARIC_QT_DEBIAN_SOURCE ${CMAKE_MATCH_1})
set(MOSTARIC_QT_DEBIAN_VERSION ${CMAKE_MATCH_2})
set(MOSTARIC_QT_DEBIAN_RELEASE ${CMAKE_MATCH_3})
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
  string(REGEX REPLACE "\\.txt$" "" _name "${_name}")
  install(FILES ${_file} DESTINATION LICENSES/Qt RENAME ${_name}.txt)
endforeach()
install(FILES ${_qt_prefix}/MOSTARIC-QT-SOURCE.txt ${_qt_prefix}/debian-patches-series.txt
              ${_qt_prefix}/mostaric-qt-windows.patch DESTINATION LICENSES/Qt OPTIONAL)
# The readme is in Windows' form: UTF-8 with a byte order mark (for the
# Notepad of older Windows) and CRLF line ends.
configure_file(${MOSTARIC_WINDOWS_DIR}/readme.txt.in ${MOSTARIC_WINDOWS_OUT}/README.txt
               @ONLY NEWLINE_STYLE CRLF)
install(FILES ${MOSTARIC_WINDOWS_OUT}/README.txt DESTINATION .)
# Also CPack's description: its default lies in the configuring CMake's own
# folder, which the host's cpack may lack.
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
# On the staged files: signing, modes and times; after: signed.cmake.
set(CPACK_PRE_BUILD_SCRIPTS ${MOSTARIC_WINDOWS_DIR}/stage.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${MOSTARIC_WINDOWS_DIR}/signed.cmake)
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
