# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after it made each package (CPACK_POST_BUILD_SCRIPTS of
# WindowsPackage.cmake): shows what sign.sh said of the uninstaller and the
# installer, which makensis signed and cpack would keep to itself.
set(report "${CPACK_TOPLEVEL_DIRECTORY}/signed.txt")
if(EXISTS "${report}")
  execute_process(COMMAND cat "${report}")
  file(REMOVE "${report}")
endif()
