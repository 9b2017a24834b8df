#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Every test: the ci, asan, fuzz and web workflows; ci and web again in a
# root of the newest Debian release on an older one; the Windows suites
# under Wine; and the release made twice and compared. Installs what is
# missing first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/lib/setup.sh
source scripts/lib/windows.sh

# shellcheck disable=SC2046 # a list of package names
mostaric_install_packages $(mostaric_test_machine_packages)
mostaric_start_windows_preparation

# The analysers run once, with the newest release's clazy and headers: on an
# older release in that release's root, so the two releases' test commands
# agree on them and the slowest suite does not run twice.
ci=ci
mostaric_is_newest_debian || ci="ci-no-analysis"
for preset in "$ci" asan fuzz web; do
  cmake --workflow --preset "$preset"
done
mostaric_is_newest_debian ||
  mostaric_in_newest_root 'cmake --workflow --preset ci-newest-root && cmake --workflow --preset web-newest-root'
mostaric_finish_windows_preparation
mostaric_test_windows
bash scripts/check_reproducible.sh
