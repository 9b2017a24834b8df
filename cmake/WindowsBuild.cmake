# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# What the Windows build adds: every program linked statically (no MinGW
# runtime DLL beside it) and stripped, and GoogleTest compiled from the
# sources Debian's libgtest-dev ships, since Debian has no MinGW build of it.
# Included before the warning options, which GoogleTest's sources are not
# written for.

# The Qt plugins a program links from the static Qt: the windows platform
# plugin, and those named after their type as qt_import_plugins takes them
# (the tests' offscreen platform, the icon test's ICO reader). Qt would
# otherwise add every default image format and style, none of which the
# windows use: they draw in Fusion, which is part of Qt Widgets. Nothing to
# do elsewhere.
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

# Every test of the Windows tree runs in the Windows 10 prefix that the test
# wine_prefix makes, with the setting its test preset gives, and that
# wine_prefix_end takes away again; the smoke tests click "退  出" where the
# main window's form puts it. Called once every test is added.
function(mostaric_run_tests_in_wine)
  set(prefix ${PROJECT_BINARY_DIR}/wine-prefix)
  add_test(NAME wine_prefix COMMAND bash ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/wine_prefix.sh ${prefix})
  add_test(NAME wine_prefix_end
           COMMAND bash ${CMAKE_CURRENT_FUNCTION_LIST_DIR}/wine_prefix.sh ${prefix} --remove)
  set_tests_properties(wine_prefix PROPERTIES FIXTURES_SETUP wine)
  set_tests_properties(wine_prefix_end PROPERTIES FIXTURES_CLEANUP wine)
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
        WINEPREFIX=${prefix} MOSTARIC_WINE_TEMPLATE_PREFIX=${prefix}
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
# Small, as Qt for Windows is built (cmake/QtWindowsFeatures.cmake): the
# program's own code does nothing at start-up that -O3 would speed up.
string(REPLACE "-O3" "-Os" CMAKE_CXX_FLAGS_RELEASE "${CMAKE_CXX_FLAGS_RELEASE}")
# MinGW's GCC reports std::string copies as overlapping memcpy when it
# optimises (GCC bug 105329), a false alarm the Linux compiler does not raise.
add_compile_options(-Wno-restrict)

if(BUILD_TESTING AND EXISTS /usr/src/googletest/CMakeLists.txt)
  set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
  set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
  add_subdirectory(/usr/src/googletest ${PROJECT_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
endif()
