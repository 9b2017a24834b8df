# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The web edition's download: the site's files in a zip with no top folder,
# made by CPack like the Windows zip (fixed modes, the release moment, the
# files in sorted order), to unpack onto any static host.
include(${PROJECT_SOURCE_DIR}/packaging/Downloads.cmake)
install(DIRECTORY ${PROJECT_BINARY_DIR}/site/ DESTINATION .)

set(CPACK_GENERATOR ZIP)
set(CPACK_PACKAGE_NAME mostaric)
set(CPACK_PACKAGE_VERSION ${MOSTARIC_VERSION_TEXT})
string(REGEX REPLACE "\\.zip$" "" CPACK_MOSTARIC_ZIP_NAME ${MOSTARIC_WEB_NAME})
set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY OFF)
set(CPACK_PACKAGE_DIRECTORY ${PROJECT_BINARY_DIR}/packages)
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/fixed_stage.cmake)
set(CPACK_POST_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/packaging/sorted_zip.cmake)
include(CPack)

if(BUILD_TESTING)
  # The zip that the package step (cpack --preset web) made.
  add_test(NAME web_package_zip
           COMMAND ${Python3_EXECUTABLE} ${PROJECT_SOURCE_DIR}/web/tests/check_zip.py
                   ${CPACK_PACKAGE_DIRECTORY}/${MOSTARIC_WEB_NAME} ${PROJECT_BINARY_DIR}/site
                   ${MOSTARIC_SOURCE_DATE_EPOCH})
  set_tests_properties(web_package_zip PROPERTIES FIXTURES_REQUIRED web_site LABELS web)
endif()
