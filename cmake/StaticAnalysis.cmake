# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# clazy and clang-tidy over every C++ file of core/, ui/, bench/ and fuzz/,
# through the compile commands this tree exports, as the tests
# static_analysis_clazy and static_analysis_clang_tidy: any finding fails
# (cmake/static_analysis.py; the checks are in it and in .clang-tidy). On in
# the ci preset, where a missing analyser fails its test instead of leaving it
# out: the test command installs both. `ctest --preset analyse` runs the two alone.
option(MOSTARIC_STATIC_ANALYSIS "Run clazy and clang-tidy as tests" OFF)
if(NOT MOSTARIC_STATIC_ANALYSIS OR NOT BUILD_TESTING)
  add_feature_info(static_analysis OFF "clazy and clang-tidy as tests (MOSTARIC_STATIC_ANALYSIS)")
  return()
endif()
if(NOT CMAKE_EXPORT_COMPILE_COMMANDS)
  message(FATAL_ERROR "MOSTARIC_STATIC_ANALYSIS reads compile_commands.json: "
                      "set CMAKE_EXPORT_COMPILE_COMMANDS=ON")
endif()

# clang-tidy 19 on every Debian release the project builds on, so that each
# finds the same; clazy by its one name.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(MOSTARIC_CLAZY clazy-standalone)
find_program(MOSTARIC_CLANG_TIDY NAMES clang-tidy-19 clang-tidy)
add_feature_info(static_analysis_clazy MOSTARIC_CLAZY
                 "the test static_analysis_clazy (package clazy); fails without it")
add_feature_info(static_analysis_clang_tidy MOSTARIC_CLANG_TIDY
                 "the test static_analysis_clang_tidy (package clang-tidy-19); fails without it")

foreach(analyser IN ITEMS clazy clang-tidy)
  string(REPLACE "-" "_" name static_analysis_${analyser})
  string(TOUPPER "MOSTARIC_${analyser}" tool)
  string(REPLACE "-" "_" tool ${tool})
  add_test(NAME ${name}
           COMMAND Python3::Interpreter ${PROJECT_SOURCE_DIR}/cmake/static_analysis.py ${analyser}
                   ${${tool}} ${PROJECT_BINARY_DIR} ${PROJECT_SOURCE_DIR})
  # A first run reads every file: on two busy cores that took over 15 minutes.
  set_tests_properties(${name} PROPERTIES LABELS static_analysis TIMEOUT 2400)
endforeach()
