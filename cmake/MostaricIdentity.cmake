# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The program's identity, each fact once (the version in project()); every
# shipped file that names one is generated from these variables. Also read
# by `cmake -P` scripts, which have no project() and write no file.

if(CMAKE_SCRIPT_MODE_FILE)
  file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../CMakeLists.txt _project REGEX "^project\\(Mostaric VERSION ")
  if(NOT _project MATCHES " VERSION ([0-9]+)\\.([0-9]+)(\\.([0-9]+))? ")
    message(FATAL_ERROR "No 'project(Mostaric VERSION x.y ...' line in CMakeLists.txt")
  endif()
  set(PROJECT_VERSION_MAJOR ${CMAKE_MATCH_1})
  set(PROJECT_VERSION_MINOR ${CMAKE_MATCH_2})
  set(PROJECT_VERSION_PATCH "${CMAKE_MATCH_4}")
endif()

# The id of the desktop entry, the AppStream component and the icon.
set(MOSTARIC_APP_ID org.mostaric.Mostaric)
# Host name of the web forum that the welcome button opens; the homepage.
set(MOSTARIC_FORUM_ADDRESS "forum.mostaric.example" CACHE STRING
    "Host name of the program's web forum, opened by the welcome button")
set(MOSTARIC_HOMEPAGE "https://${MOSTARIC_FORUM_ADDRESS}/")
set(MOSTARIC_MAINTAINER "Mostaric maintainers <maintainers@mostaric.example>")
set(MOSTARIC_PUBLISHER "The Mostaric developers")
set(MOSTARIC_COPYRIGHT_TEXT "© 2026 ${MOSTARIC_PUBLISHER}")
set(MOSTARIC_DISPLAY_NAME "Mostaric 葡萄酒计算器")
set(MOSTARIC_SUMMARY "计算家酿红葡萄酒的加糖、加硫和酵母用量")

# Users see major.minor with two minor digits (1.0 -> "1.00"); the Windows
# version record has four numbers.
set(_patch 0)
if(NOT PROJECT_VERSION_PATCH STREQUAL "")
  set(_patch ${PROJECT_VERSION_PATCH})
endif()
math(EXPR _minor "100 + ${PROJECT_VERSION_MINOR}")
string(SUBSTRING ${_minor} 1 2 _minor)
set(MOSTARIC_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${_minor}")
set(MOSTARIC_VERSION_RECORD "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${_patch},0")

# The release moment (Mon, 07 Dec 2026 12:00:00 UTC): every file's time and
# the day the metainfo, changelog and man page give; never read from a clock.
set(MOSTARIC_SOURCE_DATE_EPOCH 1796644800)
set(_clock "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${MOSTARIC_SOURCE_DATE_EPOCH})
string(TIMESTAMP MOSTARIC_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP MOSTARIC_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${_clock}")

# What comes from Debian (the releases, the LLVM version, the faces'
# packages), as its one home assigns them: a word, or a shell array as a list.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/debian_releases.sh _assignments
     REGEX "^MOSTARIC_[A-Z_]+=([a-z0-9]+|\\([a-z0-9 .+-]+\\))$")
foreach(_assignment IN LISTS _assignments)
  string(REGEX MATCH "^([A-Z_]+)=\\(?([^)]*)\\)?$" _ "${_assignment}")
  string(REPLACE " " ";" ${CMAKE_MATCH_1} "${CMAKE_MATCH_2}")
endforeach()
if(NOT MOSTARIC_LLVM OR NOT MOSTARIC_FONT_PACKAGES)
  message(FATAL_ERROR "scripts/lib/debian_releases.sh assigns no MOSTARIC_LLVM or MOSTARIC_FONT_PACKAGES")
endif()
string(REPLACE ";" " " MOSTARIC_FONT_PACKAGES_TEXT "${MOSTARIC_FONT_PACKAGES}")
if(CMAKE_SCRIPT_MODE_FILE)
  return()
endif()

# Every download's name (packaging/Downloads.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/../packaging/Downloads.cmake)

# The header the program reads these from.
set(MOSTARIC_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/mostaric_build_info.h.in
               ${MOSTARIC_GENERATED_DIR}/mostaric_build_info.h @ONLY)
# The Windows resource script, generated everywhere so Linux checks it too.
set(MOSTARIC_ICON_FILE ${PROJECT_SOURCE_DIR}/ui/icons/mostaric.ico)
configure_file(${PROJECT_SOURCE_DIR}/ui/mostaric.rc.in
               ${MOSTARIC_GENERATED_DIR}/mostaric.rc @ONLY)
