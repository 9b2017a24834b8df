# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What keeps a release the same byte for byte whoever builds it, wherever and
# whenever (scripts/release.sh, scripts/check_reproducible.sh). The times that
# files carry come from MOSTARIC_SOURCE_DATE_EPOCH (MostaricIdentity.cmake).

# No path of the clone in the program, as __FILE__ of an assertion or a
# message would put it there. Only in the Release configuration, which the
# released files are built in: elsewhere the debugger wants the real paths.
# GCC tries the last map first, so the build tree inside the sources wins.
add_compile_options("$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
                    "$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")

# rcc's default format records each resource file's modification time, which
# a clone sets to the moment of checkout; its first format records none.
set(CMAKE_AUTORCC_OPTIONS --format-version 1)

# GNU ld writes the time of linking into a PE file's header.
if(WIN32)
  add_link_options(LINKER:--no-insert-timestamp)
endif()
