#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds and runs every test through the workflow presets: ci, asan and
# fuzz; ci again in a root of the newest Debian release on an older one; the
# Windows tree under Wine; then makes the release twice and compares the two.
# Installs what is missing on Debian 12 or 13 first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/lib/setup.sh
source scripts/lib/windows.sh

mostaric_install_packages "${MOSTARIC_TEST_PACKAGES[@]}"

# ci: warnings as errors, every test, the package and licence checks; asan:
# the same suite under AddressSanitizer and UndefinedBehaviorSanitizer; fuzz:
# a short libFuzzer run over the calculator core (Clang only).
for preset in ci asan fuzz; do
  cmake --workflow --preset "$preset"
done
# A newest-release machine has proved itself above.
mostaric_is_newest_debian || mostaric_in_newest_root 'cmake --workflow --preset ci-newest-root'

# mostaric.exe and the same suites, cross-built and run under Wine.
mostaric_test_windows

# The release, made twice from two clones and compared byte for byte, the
# program built from its source tarball, and its .deb on the newest release.
bash scripts/check_reproducible.sh
