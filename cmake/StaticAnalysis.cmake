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

# clang-tidy 19 on every Debian release, so that each finds the same.
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
