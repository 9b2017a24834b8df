# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What the Windows build adds: programs linked statically and stripped, and
# GoogleTest built from Debian's sources (there is no MinGW build of it).
# Included before the warning options, which GoogleTest is not written for.

# The static Qt plugins a program links: the windows platform and those
# named (by type, as qt_import_plugins takes them), not every default image
# format and style. Nothing to do elsewhere.
function(mostaric_link_qt_plugins target)
  if(NOT WIN32)
    return()
  endif()
  set(excluded styles iconengines generic platforminputcontexts)
  if(NOT imageformats IN_LIST ARGN)
    list(APPEND excluded imageformats)
  endif()
  qt_import_plugins(${target}
    INCLUDE_BY_TYPE platforms Qt6::QWindowsIntegrationPlugin ${ARGN}
    EXCLUDE_BY_TYPE ${excluded})
endfunction()

# Every test of the Windows tree runs in the prefix of the fixture wine; the
# smoke tests click "退  出" where the form puts it. Called after every test.
function(mostaric_run_tests_in_wine)
  set(prefix ${PROJECT_BINARY_DIR}/wine-prefix)
  add_test(NAME wine_prefix COMMAND bash ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/wine_prefix.sh ${prefix})
  add_test(NAME wine_prefix_end
           COMMAND bash ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/wine_prefix.sh ${prefix} --remove)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
  set_tests_properties(wine_prefix_end PROPERTIES FIXTURES_CLEANUP wine)
  # Wine turns Unix paths and X window titles into text through the locale:
  # without a UTF-8 one it can open no Chinese path and names no window.
  set(locale LC_ALL=C.UTF-8)
  set_tests_properties(wine_prefix wine_prefix_end PROPERTIES ENVIRONMENT ${locale})
  # The button's centre and the window's size, in the form's pixels.
  file(READ ${PROJECT_SOURCE_DIR}/ui/main_window.ui form)
  string(REGEX MATCH "<width>([0-9]+)</width>[^<]*<height>([0-9]+)</height>" _ "${form}")
  set(window "${CMAKE_MATCH_1} ${CMAKE_MATCH_2}")
  set(number "</[a-z]+>[^<]*<[a-z]+>([0-9]+)")
  string(REGEX MATCH "name=\"exit\">[^<]*<property name=\"geometry\">[^<]*<rect>[^<]*<x>([0-9]+)${number}${number}${number}"
         _ "${form}")
  math(EXPR x "${CMAKE_MATCH_1} + ${CMAKE_MATCH_3} / 2")
  math(EXPR y "${CMAKE_MATCH_2} + (${CMAKE_MATCH_4} + 1) / 2")
  set(dirs ${PROJECT_SOURCE_DIR})
  while(dirs)
    list(POP_FRONT dirs dir)
    get_property(subdirs DIRECTORY ${dir} PROPERTY SUBDIRECTORIES)
    get_property(tests DIRECTORY ${dir} PROPERTY TESTS)
    list(APPEND dirs ${subdirs})
    list(REMOVE_ITEM tests wine_prefix wine_prefix_end)
    if(tests)
      set_property(TEST ${tests} DIRECTORY ${dir} APPEND PROPERTY FIXTURES_REQUIRED wine)
      set_property(TEST ${tests} DIRECTORY ${dir} APPEND PROPERTY ENVIRONMENT
        ${locale} WINEPREFIX=${prefix} MOSTARIC_WINE_TEMPLATE_PREFIX=${prefix}
        "MOSTARIC_EXIT_BUTTON=${x} ${y} ${window}")
    endif()
  endwhile()
endfunction()

if(NOT WIN32)
  return()
endif()
# The tests of every folder get their Wine settings from the top one.
if(CMAKE_VERSION VERSION_LESS 3.28)
  message(FATAL_ERROR "The Windows tree needs CMake 3.28 or later, as the newest Debian has")
endif()

add_link_options(-static $<$<CONFIG:Release>:-s>)
# Small, as Qt for Windows is built: nothing here gains from -O3.
string(REPLACE "-O3" "-Os" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
# A false alarm of MinGW's GCC on std::string copies (GCC bug 105329).
add_compile_options(-Wno-restrict)

if(BUILD_TESTING AND EXISTS /usr/src/googletest/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
