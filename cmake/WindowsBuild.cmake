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

if(NOT WIN32)
  return()
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
