# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack before each generator (CPACK_PROJECT_CONFIG_FILE): every time
# in a package is the release moment, not the time of packing (the zip's DOS
# times are local ones, so UTC), and each Windows download has its name.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} ${CPACK_MOSTARIC_SOURCE_DATE_EPOCH})
endif()
set(ENV{TZ} UTC)
if(CPACK_GENERATOR STREQUAL "NSIS")
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_MOSTARIC_SETUP_NAME})
elseif(CPACK_GENERATOR STREQUAL "ZIP")
  set(CPACK_PACKAGE_FILE_NAME ${CPACK_MOSTARIC_ZIP_NAME})
endif()
