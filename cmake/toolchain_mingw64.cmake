# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# 64-bit Windows with Debian's mingw-w64, posix threads as Qt needs them;
# for the static Qt and the windows preset.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MOSTARIC_MINGW_TRIPLET x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${MOSTARIC_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MOSTARIC_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MOSTARIC_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${MOSTARIC_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Tests and tools run through Wine (the windows preset names this machine's).
find_program(MOSTARIC_WINE wine)
if(MOSTARIC_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${MOSTARIC_WINE})
endif()
