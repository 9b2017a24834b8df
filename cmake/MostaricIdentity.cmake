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
# Day of the newest release, in the metainfo, the changelog and the man page.
set(MOSTARIC_RELEASE_DATE 2026-12-07)
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

# The release moment: the release day at 12:00 UTC, as the changelog gives
# it ("Mon, 07 Dec 2026 12:00:00 +0000"), and as seconds since 1970 for
# SOURCE_DATE_EPOCH, the time every file of a release is stamped with. Worked
# out from the date alone (days from the civil calendar), never from a clock,
# so that the same sources give the same bytes; a source tarball without .git
# gives the same as a clone.
string(REGEX MATCH "^([0-9]+)-([0-9]+)-([0-9]+)$" _ "${MOSTARIC_RELEASE_DATE}")
math(EXPR _year "${CMAKE_MATCH_1}")
math(EXPR _month "${CMAKE_MATCH_2}")
set(_day ${CMAKE_MATCH_3})
math(EXPR _day_number "${CMAKE_MATCH_3}")
# Counted in years starting in March, so that the leap day ends a year.
if(_month LESS 3)
  math(EXPR _y "${_year} - 1")
else()
  set(_y ${_year})
endif()
math(EXPR _era "${_y} / 400")
math(EXPR _year_of_era "${_y} - ${_era} * 400")
math(EXPR _day_of_year "(153 * ((${_month} + 9) % 12) + 2) / 5 + ${_day_number} - 1")
math(EXPR _days "${_era} * 146097 + ${_year_of_era} * 365 + ${_year_of_era} / 4 \
                 - ${_year_of_era} / 100 + ${_day_of_year} - 719468")
math(EXPR MOSTARIC_SOURCE_DATE_EPOCH "${_days} * 86400 + 12 * 3600")
# 1 January 1970 was a Thursday.
math(EXPR _weekday "(${_days} + 4) % 7")
set(_weekdays Sun Mon Tue Wed Thu Fri Sat)
list(GET _weekdays ${_weekday} _weekday_name)
math(EXPR _month_index "${_month} - 1")
set(_months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
list(GET _months ${_month_index} _month_name)
set(MOSTARIC_RELEASE_DATE_RFC2822
    "${_weekday_name}, ${_day} ${_month_name} ${_year} 12:00:00 +0000")

# The header the program reads these from: build/generated/mostaric_build_info.h.
set(MOSTARIC_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/mostaric_build_info.h.in
               ${MOSTARIC_GENERATED_DIR}/mostaric_build_info.h @ONLY)
# The Windows resource script, generated on every platform so that its record
# is checked on Linux too.
set(MOSTARIC_ICON_FILE ${PROJECT_SOURCE_DIR}/ui/icons/mostaric.ico)
configure_file(${PROJECT_SOURCE_DIR}/ui/mostaric.rc.in
               ${MOSTARIC_GENERATED_DIR}/mostaric.rc @ONLY)
