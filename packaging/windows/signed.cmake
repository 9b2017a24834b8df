# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after each package: shows what sign.sh said of what makensis
# signed, which cpack would keep to itself.
set(report "${CPACK_TOPLEVEL_DIRECTORY}/signed.txt")
if(EXISTS "${report}")
  execute_process(COMMAND cat "${report}")
  file(REMOVE "${report}")
endif()

# CMake before 4.4 packs the zip in the file system's order: packed again sorted.
if(CPACK_GENERATOR STREQUAL "ZIP")
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
       "${CPACK_TEMPORARY_DIRECTORY}/*")
  file(REMOVE ${CPACK_PACKAGE_FILES})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${CPACK_PACKAGE_FILES} --format=zip -- ${files}
                  WORKING_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}" COMMAND_ERROR_IS_FATAL ANY)
endif()
