# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after each package: shows what sign.sh said of what makensis
# signed, which cpack would keep to itself; and takes away the package that
# an earlier run left where this one goes.
set(report "${CPACK_TOPLEVEL_DIRECTORY}/signed.txt")
if(EXISTS "${report}")
  execute_process(COMMAND cat "${report}")
  file(REMOVE "${report}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/../sorted_zip.cmake)

# cpack copies a package out only when its bytes differ, and a rebuilt
# program packs to the same bytes: the earlier file, with its earlier time,
# would look to the tests as if nothing had been packed since the build.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
  cmake_path(GET package FILENAME name)
  file(REMOVE "${CPACK_PACKAGE_DIRECTORY}/${name}")
endforeach()
