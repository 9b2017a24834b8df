# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on the staged files before each package: signs the program
# file, and gives every file the usual modes and the release moment.
set(staged "${CPACK_TEMPORARY_DIRECTORY}")
set(program "${staged}/${CPACK_MOSTARIC_EXE}")
file(REMOVE "${CPACK_TOPLEVEL_DIRECTORY}/signed.txt")

# Signed once per run: the installer and zip hold the same time stamp.
file(SHA256 "${program}" unsigned)
get_property(signed GLOBAL PROPERTY mostaric_signed_${unsigned})
if(signed)
  file(COPY_FILE "${signed}" "${program}")
else()
  execute_process(COMMAND bash "${CPACK_MOSTARIC_SIGN_SCRIPT}" "${CPACK_MOSTARIC_OSSLSIGNCODE}" "${program}"
                          "${CPACK_NSIS_DISPLAY_NAME}" "${CPACK_NSIS_URL_INFO_ABOUT}"
                  COMMAND_ERROR_IS_FATAL ANY)
  set_property(GLOBAL PROPERTY mostaric_signed_${unsigned} "${program}")
endif()

include(${CMAKE_CURRENT_LIST_DIR}/../fixed_stage.cmake)
file(CHMOD "${program}" PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
     WORLD_READ WORLD_EXECUTE)

# CMake before 4.4 lists the staged files in the file system's order: the
# uninstaller's lists, sorted here (deepest folder first), are taken as given.
file(GLOB_RECURSE files LIST_DIRECTORIES true RELATIVE "${staged}" "${staged}/*")
set(CPACK_NSIS_DELETE_FILES "")
set(CPACK_NSIS_DELETE_DIRECTORIES "")
foreach(file IN LISTS files)
  string(REPLACE "/" "\\" path "${file}")
  if(IS_DIRECTORY "${staged}/${file}")
    string(PREPEND CPACK_NSIS_DELETE_DIRECTORIES "  RMDir \"$INSTDIR\\${path}\"\n")
  else()
    string(APPEND CPACK_NSIS_DELETE_FILES "  Delete \"$INSTDIR\\${path}\"\n")
  endif()
endforeach()
