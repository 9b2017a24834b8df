# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What keeps a release the same byte for byte whoever builds it, wherever and
# whenever; times come from MOSTARIC_SOURCE_DATE_EPOCH.

# No path of the clone in released programs (__FILE__); elsewhere the
# debugger wants the real paths. GCC tries the last map first.
add_compile_options("$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.>"
                    "$<$<CONFIG:Release>:-ffile-prefix-map=${PROJECT_BINARY_DIR}=build>")

# rcc's default format records each resource file's modification time, which
# a clone sets to the moment of checkout; its first format records none.
set(MOSTARIC_RCC_OPTIONS --format-version 1)

# GNU ld writes the time of linking into a PE file's header.
if(WIN32)
  add_link_options(LINKER:--no-insert-timestamp)
endif()

# Every package's times and names, set as cpack runs.
set(CPACK_MOSTARIC_SOURCE_DATE_EPOCH ${MOSTARIC_SOURCE_DATE_EPOCH})
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_SOURCE_DIR}/packaging/cpack_options.cmake)
