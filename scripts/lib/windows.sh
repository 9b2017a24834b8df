# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows program is built, tested under Wine and packed with the newest
# Debian release's tools and Qt: here on that release, else in a root of it.

source "$(dirname "${BASH_SOURCE[0]}")/newest_debian.sh"

# Runs a shell command where the Windows program is built, once Qt for
# Windows is ready there.
mostaric_for_windows() {
  local command="bash scripts/build_qt_windows.sh && $1"
  if mostaric_is_newest_debian; then
    mostaric_install_packages "${MOSTARIC_WINDOWS_PACKAGES[@]}" && bash -c "$command"
  else
    mostaric_in_newest_root "$command"
  fi
}

# The windows workflow: the tree, its installer and zip, and every test
# preset under Wine on one X server.
mostaric_test_windows() {
  mostaric_for_windows "xvfb-run -a -s '-screen 0 1280x1024x24' cmake --workflow --preset windows"
}
