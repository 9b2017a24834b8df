# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The program's identity, each written once: the version comes from
# project(VERSION), the rest is set here. Every shipped file that names one of
# them (the program, the desktop entry, the metainfo, the man page, the Debian
# package and its changelog) is generated from these variables at configure
# time, as is the Windows resource script with the program file's version
# record.

# The reverse-DNS id of the desktop entry, the AppStream component and the icon.
set(MOSTARIC_APP_ID org.mostaric.Mostaric)
# Host name of the web forum that the welcome button opens; the homepage.
set(MOSTARIC_FORUM_ADDRESS "forum.mostaric.example" CACHE STRING
    "Host name of the program's web forum, opened by the welcome button")
set(MOSTARIC_HOMEPAGE "https://${MOSTARIC_FORUM_ADDRESS}/")
set(MOSTARIC_MAINTAINER "Mostaric maintainers <maintainers@mostaric.example>")
# Who publishes the program, as the metainfo, the Windows version record and
# the Windows installer name them.
set(MOSTARIC_PUBLISHER "The Mostaric developers")
set(MOSTARIC_COPYRIGHT_TEXT "© 2026 ${MOSTARIC_PUBLISHER}")
# The program's name in Chinese, as menus and Windows' file properties show it,
# and its one-line description.
set(MOSTARIC_DISPLAY_NAME "Mostaric 葡萄酒计算器")
set(MOSTARIC_SUMMARY "计算家酿红葡萄酒的加糖、加硫和酵母用量")

# The text form users see is major.minor with two minor digits: 1.0 -> "1.00".
# The Windows version record has four numbers.
set(_patch 0)
if(NOT PROJECT_VERSION_PATCH STREQUAL "")
  set(_patch ${PROJECT_VERSION_PATCH})
endif()
if(PROJECT_VERSION_MINOR LESS 10)
  set(MOSTARIC_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.0${PROJECT_VERSION_MINOR}")
else()
  set(MOSTARIC_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}")
endif()
set(MOSTARIC_VERSION_RECORD
    "${PROJECT_VERSION_MAJOR},${PROJECT_VERSION_MINOR},${_patch},0")

# The release moment, in seconds since 1970 (Mon, 07 Dec 2026 12:00:00 UTC):
# the time every file of a release is stamped with (SOURCE_DATE_EPOCH), and
# the day the metainfo, the changelog and the man page give. Written here,
# never read from a clock, so that the same sources give the same bytes.
set(MOSTARIC_SOURCE_DATE_EPOCH 1796644800)
set(_clock "$ENV{SOURCE_DATE_EPOCH}")
set(ENV{SOURCE_DATE_EPOCH} ${MOSTARIC_SOURCE_DATE_EPOCH})
string(TIMESTAMP MOSTARIC_RELEASE_DATE "%Y-%m-%d" UTC)
string(TIMESTAMP MOSTARIC_RELEASE_DATE_RFC2822 "%a, %d %b %Y %H:%M:%S +0000" UTC)
set(ENV{SOURCE_DATE_EPOCH} "${_clock}")

# The Debian releases (the .deb's build release, the newest and its suite),
# as their one home, scripts/lib/debian_releases.sh, assigns them.
file(STRINGS ${CMAKE_CURRENT_LIST_DIR}/../scripts/lib/debian_releases.sh _releases
     REGEX "^MOSTARIC_[A-Z_]+=[a-z0-9]+$")
foreach(_release IN LISTS _releases)
  string(REGEX MATCH "^([A-Z_]+)=(.*)$" _ "${_release}")
  set(${CMAKE_MATCH_1} ${CMAKE_MATCH_2})
endforeach()

# The header the program reads these from: generated/mostaric_build_info.h in the tree.
set(MOSTARIC_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/mostaric_build_info.h.in
               ${MOSTARIC_GENERATED_DIR}/mostaric_build_info.h @ONLY)
# The Windows resource script, generated on every platform so that its record
# is checked on Linux too.
set(MOSTARIC_ICON_FILE ${PROJECT_SOURCE_DIR}/ui/icons/mostaric.ico)
configure_file(${PROJECT_SOURCE_DIR}/ui/mostaric.rc.in
               ${MOSTARIC_GENERATED_DIR}/mostaric.rc @ONLY)
