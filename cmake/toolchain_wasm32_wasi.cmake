# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The web module: Debian's Clang 19 for wasm32-wasi against wasi-libc and
# libc++ (packages clang-19 lld-19 wasi-libc libc++-19-dev-wasm32
# libclang-rt-19-dev-wasm32). No exceptions: a failure traps.
set(CMAKE_SYSTEM_NAME WASI)
set(CMAKE_SYSTEM_PROCESSOR wasm32)
set(CMAKE_CXX_COMPILER clang++-19)
set(CMAKE_CXX_COMPILER_TARGET wasm32-wasi)
set(CMAKE_EXECUTABLE_SUFFIX .wasm)
set(CMAKE_CXX_FLAGS_INIT "-fno-exceptions -fno-rtti")
# The module is downloaded before the page can start: optimise for size, and
# across the core and its interface at link time (about a fifth smaller).
# (Cached here: CMake would append its own -Os to an _INIT value.)
set(CMAKE_CXX_FLAGS_MINSIZEREL "-Oz -DNDEBUG -flto" CACHE STRING "Flags for the web module's MinSizeRel build")
set(CMAKE_EXE_LINKER_FLAGS_MINSIZEREL "-flto" CACHE STRING "Link flags for the web module's MinSizeRel build")
# LTO objects are Clang 19 bitcode, which the host's older llvm-ar cannot
# index; wasm-ld reads an archive without an index.
set(CMAKE_CXX_ARCHIVE_CREATE "<CMAKE_AR> qcS <TARGET> <LINK_FLAGS> <OBJECTS>")
set(CMAKE_CXX_ARCHIVE_APPEND "<CMAKE_AR> qS <TARGET> <LINK_FLAGS> <OBJECTS>")
set(CMAKE_CXX_ARCHIVE_FINISH "")

# Libraries and packages from the WASI sysroot only; programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/lib/wasm32-wasi /usr/include/wasm32-wasi)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
