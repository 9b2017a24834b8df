# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before each generator (CPACK_PROJECT_CONFIG_FILE of
# WindowsPackage.cmake): the name of each download, and what makes the same
# bytes from every build.
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_MOSTARIC_SETUP_NAME})
else()
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_MOSTARIC_ZIP_NAME})
endif()
# The zip stamps its files with SOURCE_DATE_EPOCH, else with the time of
# packing; its DOS times are local ones, so UTC.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_MOSTARIC_SOURCE_DATE_EPOCH})
endif()
set(ENV{TZ} UTC)
