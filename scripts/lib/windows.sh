# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program is built against the newest Debian release's Qt: here
# on that release, else in a root of it; its suites run under Wine here.

source "$(dirname "${BASH_SOURCE[0]}")/newest_debian.sh"

# Runs a shell command where the Windows program is built.
mostaric_where_windows_builds() {
  if mostaric_is_newest_debian; then
    mostaric_install_packages "${MOSTARIC_WINDOWS_BUILD_PACKAGES[@]}" && bash -c "$1"
  else
    mostaric_in_newest_root "$1"
  fi
}

# Builds the windows tree (and Qt for Windows, once per machine) and runs
# its test presets, each on an X server of its own.
mostaric_test_windows() {
  mostaric_install_packages "${MOSTARIC_WINDOWS_TEST_PACKAGES[@]}" &&
    mostaric_where_windows_builds 'cmake --workflow --preset windows' || return 1
  local preset status=0
  for preset in windows windows-comma windows-dpi144 windows-benchmark; do
    echo "Test preset $preset"
    xvfb-run -a -s '-screen 0 1280x1024x24' ctest --preset "$preset" || status=1
  done
  return "$status"
}
