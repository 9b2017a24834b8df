# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Debian releases Mostaric supports and what differs between them: the one
# place that says so. Sourced by scripts/lib/setup.sh.
#
# Its package lists hold names that both releases have
# (libclang-rt-dev, clang-format-19 ...), so that nothing else needs to know
# which release it runs on.

# The release the downloadable .deb is built on: its libraries' versions are
# the older ones, so the package installs on both.
MOSTARIC_PACKAGE_DEBIAN=12
# The newest release: a machine of the older one proves it in a root made with
# Debian's own tools, and its Qt is the one the Windows program links.
MOSTARIC_NEWEST_DEBIAN=13
MOSTARIC_NEWEST_SUITE=trixie

# The major release this machine runs, e.g. 12; empty off Debian.
mostaric_debian_release() {
  local id="" version=""
  # shellcheck source=/dev/null
  [ -r /etc/os-release ] && eval "$(. /etc/os-release && printf 'id=%q version=%q' "${ID:-}" "${VERSION_ID:-}")"
  [ "$id" = debian ] && echo "${version%%.*}"
}

# Whether this machine runs the newest release itself (or a later one), so
# that it needs no root of it.
mostaric_is_newest_debian() {
  local release
  release=$(mostaric_debian_release)
  [ -n "$release" ] && [ "$release" -ge "$MOSTARIC_NEWEST_DEBIAN" ]
}
