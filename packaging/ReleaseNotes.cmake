# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# SHA256SUMS and RELEASE-NOTES.md over the release's files in DIST: each
# file's use, size and sum, and each language's items of CHANGELOG's newest
# entry. Run by the target release_notes.

# Each kind of file, in the notes' order, with its use in Chinese and English.
set(kinds
    "*.tar.xz|源代码|source code"
    "*.deb|Debian ${MOSTARIC_PACKAGE_DEBIAN}、${MOSTARIC_NEWEST_DEBIAN} 的软件包|package for Debian ${MOSTARIC_PACKAGE_DEBIAN} and ${MOSTARIC_NEWEST_DEBIAN}"
    "*-setup.exe|Windows 10、11（64 位）安装程序|installer for Windows 10 and 11 (64-bit)"
    "*.zip|Windows 便携版，解压即可运行|portable Windows program: unpack and run")
set(sums "")
foreach(kind IN LISTS kinds)
  string(REPLACE "|" ";" kind "${kind}")
  list(GET kind 0 pattern)
  file(GLOB files RELATIVE ${DIST} ${DIST}/${pattern})
  foreach(file IN LISTS files)
    file(SIZE ${DIST}/${file} size)
    file(SHA256 ${DIST}/${file} sum)
    list(GET kind 1 zh)
    list(GET kind 2 en)
    string(APPEND zh_rows "| ${file} | ${zh} | ${size} |\n")
    string(APPEND en_rows "| ${file} | ${en} | ${size} |\n")
    string(APPEND sums "${sum}  ${file}\n")
  endforeach()
endforeach()
string(STRIP "${zh_rows}" zh_rows)
string(STRIP "${en_rows}" en_rows)

# The items of the newest entry: from its first line to its " -- " line.
file(STRINGS ${CHANGELOG} lines ENCODING UTF-8)
foreach(line IN LISTS lines)
  if(line MATCHES "^ -- ")
    break()
  elseif(line MATCHES "^  \\[ (.*) \\]$")
    set(language "")
    if(CMAKE_MATCH_1 STREQUAL "中文")
      set(language zh)
    elseif(CMAKE_MATCH_1 STREQUAL "English")
      set(language en)
    endif()
  elseif(language AND line MATCHES "^  (.+)$")
    string(APPEND ${language}_changes "${CMAKE_MATCH_1}\n")
  endif()
endforeach()
string(STRIP "${zh_changes}" zh_changes)
string(STRIP "${en_changes}" en_changes)
if(NOT zh_changes OR NOT en_changes)
  message(FATAL_ERROR "The changelog's newest entry lacks '[ 中文 ]' or '[ English ]' items")
endif()

file(WRITE ${DIST}/SHA256SUMS "${sums}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/release_notes.md.in ${DIST}/RELEASE-NOTES.md @ONLY)
