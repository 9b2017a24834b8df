# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# clazy and clang-tidy over every C++ file as two tests that fail on any
# finding (the checks: static_analysis.py, .clang-tidy); in the ci preset, a
# missing analyser fails its test.
option(MOSTARIC_STATIC_ANALYSIS "Run clazy and clang-tidy as tests" OFF)
if(NOT MOSTARIC_STATIC_ANALYSIS OR NOT BUILD_TESTING)
  add_feature_info(static_analysis OFF "clazy and clang-tidy as tests (MOSTARIC_STATIC_ANALYSIS)")
  return()
endif()
if(NOT CMAKE_EXPORT_COMPILE_COMMANDS)
  message(FATAL_ERROR "MOSTARIC_STATIC_ANALYSIS reads compile_commands.json: "
                      "set CMAKE_EXPORT_COMPILE_COMMANDS=ON")
endif()

# Analyser, its program and package: clang-tidy of the one LLVM
# (scripts/lib/debian_releases.sh) on every Debian release, so that each finds
# the same.
foreach(row IN ITEMS "clazy;clazy-standalone;clazy"
                     "clang-tidy;clang-tidy-${MOSTARIC_LLVM};clang-tidy-${MOSTARIC_LLVM}")
  list(POP_FRONT row analyser program package)
  string(REPLACE "-" "_" name static_analysis_${analyser})
  string(TOUPPER "MOSTARIC_${analyser}" tool)
  string(REPLACE "-" "_" tool ${tool})
  # A tree configured before the version changed looks again.
  if(NOT ${tool} MATCHES "/${program}$")
    unset(${tool} CACHE)
  endif()
  find_program(${tool} ${program})
  add_feature_info(${name} ${tool} "the test ${name} (package ${package}); fails without it")
  add_test(NAME ${name}
           COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/static_analysis.py ${analyser}
                   ${${tool}} ${package} ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR})
  # A first run reads every file: on two busy cores that took over 15 minutes.
  set_tests_properties(${name} PROPERTIES LABELS static_analysis TIMEOUT 2400)
endforeach()
