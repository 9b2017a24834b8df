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

# CMake before 4.4 packs the zip in the order the file system lists the
# files: packed again here in sorted order, as every file system gives it.
if(CPACK_GENERATOR STREQUAL "ZIP")
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${CPACK_TEMPORARY_DIRECTORY}"
       "${CPACK_TEMPORARY_DIRECTORY}/*")
  file(REMOVE ${CPACK_PACKAGE_FILES})
  execute_process(COMMAND ${CMAKE_COMMAND} -E tar cf ${CPACK_PACKAGE_FILES} --format=zip -- ${files}
                  WORKING_DIRECTORY "${CPACK_TEMPORARY_DIRECTORY}" COMMAND_ERROR_IS_FATAL ANY)
endif()
