# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file is larger than its ceiling in bytes: what a Qt feature
# switched back on, or a library newly linked in, would do.
# Usage: cmake -P check_sizes.cmake -- <file> <ceiling> [<file> <ceiling>...]
set(failed FALSE)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(index RANGE 0 ${last})
  if(CMAKE_ARGV${index} STREQUAL "--")
    math(EXPR first "${index} + 1")
  endif()
endforeach()
foreach(index RANGE ${first} ${last} 2)
  math(EXPR next "${index} + 1")
  set(file "${CMAKE_ARGV${index}}")
  set(ceiling "${CMAKE_ARGV${next}}")
  file(SIZE "${file}" size)
  message("${file}: ${size} bytes, at most ${ceiling}")
  if(size GREATER ceiling)
    set(failed TRUE)
  endif()
endforeach()
if(failed)
  message(FATAL_ERROR "a file is larger than its ceiling")
endif()
