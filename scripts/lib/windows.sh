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

# What the test command installs on this machine: on the newest release the
# Windows build's packages too, else what makes that release's root.
mostaric_test_machine_packages() {
  if mostaric_is_newest_debian; then
    echo "${MOSTARIC_WINDOWS_PACKAGES[@]}"
  else
    echo "${MOSTARIC_TEST_PACKAGES[@]}" mmdebstrap
  fi
}

# Prepares, at low priority and while the Linux suites run, where the Windows
# program is built (the newest release's root, on an older one) and Qt for
# Windows there: on a fresh machine those take half an hour, mostly waiting
# on the network and compiling on cores that the suites leave idle. Its
# output goes to a log, shown if it fails.
mostaric_start_windows_preparation() {
  mkdir -p "$MOSTARIC_CACHE"
  MOSTARIC_WINDOWS_PREPARATION_LOG=$MOSTARIC_CACHE/windows-preparation.log
  # A session of its own, so that an interrupted test command ends it whole.
  setsid nice -n 10 bash -c 'source scripts/lib/setup.sh && source scripts/lib/windows.sh && mostaric_for_windows :' \
    > "$MOSTARIC_WINDOWS_PREPARATION_LOG" 2>&1 &
  MOSTARIC_WINDOWS_PREPARATION=$!
  trap 'kill -- "-$MOSTARIC_WINDOWS_PREPARATION" 2> /dev/null || true' EXIT
}

mostaric_finish_windows_preparation() {
  echo "Waiting for Qt for Windows (log: $MOSTARIC_WINDOWS_PREPARATION_LOG)"
  wait "$MOSTARIC_WINDOWS_PREPARATION" ||
    { tail -n 40 "$MOSTARIC_WINDOWS_PREPARATION_LOG"; echo "Could not prepare the Windows build" >&2; return 1; }
  trap - EXIT
}

# The windows workflow: the tree, its installer and zip, and every test
# preset under Wine on one X server.
mostaric_test_windows() {
  mostaric_for_windows "xvfb-run -a -s '-screen 0 1280x1024x24' cmake --workflow --preset windows"
}
