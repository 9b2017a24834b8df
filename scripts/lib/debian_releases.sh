# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# What Mostaric takes from Debian, each said once: the releases it supports,
# the LLVM they both package and the faces' packages. CMake reads these
# assignments too (a word, or a list in brackets). The package lists name only
# packages both releases have.

# The .deb is built on the older release, so that it installs on both.
MOSTARIC_PACKAGE_DEBIAN=12
# The newest: an older machine proves it in a root; its Qt goes into Windows.
MOSTARIC_NEWEST_DEBIAN=13
MOSTARIC_NEWEST_SUITE=trixie
# LLVM's major version for the formatter, the analysers and the web edition's
# compiler: the same on both releases, so that both format and find alike.
MOSTARIC_LLVM=19
# The faces the windows are measured for: AR PL UMing (宋体), AR PL UKai
# (楷体_GB2312), Liberation Serif (Times New Roman). run.sh installs them, the
# .deb depends on them and the program names them when it finds no Chinese face.
MOSTARIC_FONT_PACKAGES=(fonts-arphic-uming fonts-arphic-ukai fonts-liberation2)

# This machine's major release, e.g. 12; empty off Debian.
mostaric_debian_release() {
  local id="" version=""
  # shellcheck source=/dev/null
  [ -r /etc/os-release ] && eval "$(. /etc/os-release && printf 'id=%q version=%q' "${ID:-}" "${VERSION_ID:-}")"
  [ "$id" = debian ] && echo "${version%%.*}"
}

# Whether this machine runs the newest release (or a later one).
mostaric_is_newest_debian() {
  local release
  release=$(mostaric_debian_release)
  [ -n "$release" ] && [ "$release" -ge "$MOSTARIC_NEWEST_DEBIAN" ]
}
