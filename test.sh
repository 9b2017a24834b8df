#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test, in the trees of the presets ci, asan and fuzz,
# the ci suite again on the newest Debian release, and the Windows tree under
# Wine; then makes the release twice and compares the two. Installs what is
# missing on Debian 12 or 13 first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh
source scripts/test-windows.sh

mostaric_install_packages "${MOSTARIC_TEST_PACKAGES[@]}"
mostaric_generate_locale

# ci: warnings as errors, every test, the package and licence checks; asan:
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer; fuzz:
# a short libFuzzer run over the calculator core (Clang only).
for preset in ci asan fuzz; do
  mostaric_configure "$preset"
  [ "$preset" = ci ] && ci_tree=$MOSTARIC_BUILD_DIR
  mostaric_build "$preset"
  ctest --preset "$preset" --parallel "$(nproc)"
done

# The newest Debian release: on an older one, the ci suite again in a root of
# it, and the .deb built here installed and started there; a newest-release
# machine has proved itself above.
if ! mostaric_is_newest_debian; then
  mostaric_test_in_newest_root
  mostaric_try_deb_in_newest_root "$ci_tree"/packaging/tests/deb/mostaric_*.deb
fi

# windows: mostaric.exe and the same suites, cross-built and run under Wine.
mostaric_test_windows

# The release, made twice from two clones and compared byte for byte, and the
# program built from its source tarball.
bash scripts/check-reproducible.sh
