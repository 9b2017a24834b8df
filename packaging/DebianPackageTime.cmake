# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack when it packs (CPACK_PROJECT_CONFIG_FILE of DebianPackage.cmake):
# without SOURCE_DATE_EPOCH CPack would stamp the package with the time of
# packing, so two builds of one commit would differ.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
  set(ENV{SOURCE_DATE_EPOCH} "${CPACK_MOSTARIC_SOURCE_DATE_EPOCH}")
endif()
