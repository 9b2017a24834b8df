#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that the cache key of Qt for Windows follows its feature switches:
# a switch changed names another prefix, so that Qt is built again; a comment
# changed names the same one. Works on copies in a scratch folder.
# Usage: check_qt_key.sh <source dir> <scratch dir>
set -euo pipefail
source=$1 scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/scripts" "$scratch/cmake"
cp -r "$source/scripts/build_qt_windows.sh" "$source/scripts/lib" "$scratch/scripts/"
features=$scratch/cmake/QtWindowsFeatures.cmake
prefix() { MOSTARIC_CACHE=$scratch/cache bash "$scratch/scripts/build_qt_windows.sh" --print-prefix; }

failures=0
# case, edit of the features file, expected prefix
while IFS='|' read -r name edit expected; do
  cp "$source/cmake/QtWindowsFeatures.cmake" "$features"
  before=$(prefix)
  sed -i "$edit" "$features"
  if [ "$before" = "$(prefix)" ]; then got=same; else got=other; fi
  echo "$name: $got prefix (expected $expected)"
  [ "$got" = "$expected" ] || failures=$((failures + 1))
done << 'CASES'
nothing changed|s/^//|same
a comment reworded|1s/$/ (reworded)/|same
a feature switched off|$amostaric_qt_off(colornames)|other
a feature switched on again|s/ textedit / /|other
size no longer optimised|s/optimize_size ON/optimize_size OFF/|other
CASES
[ "$failures" -eq 0 ]
