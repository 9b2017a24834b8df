# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack after a package: a zip packed again with its files in sorted
# order, the same on every file system.
# CMake before 4.4 packs the zip in the file system's order: packed again sorted.
if(CPACK_GENERATOR STREQUAL "ZIP")
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
       "${CPACK_TEMPORARY_DIRECTORY}/*")
  file(REMOVE ${CPACK_PACKAGE_FILES})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${CPACK_PACKAGE_FILES} --format=zip -- ${files}
                  WORKING_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}" COMMAND_ERROR_IS_FATAL ANY)
endif()
