# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after each package: shows what sign.sh said of what makensis
# signed, which cpack would keep to itself.
set(report "${CPACK_TOPLEVEL_DIRECTORY}/signed.txt")
if(EXISTS "${report}")
  execute_process(COMMAND cat "${report}")
  file(REMOVE "${report}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/../sorted_zip.cmake)
