#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt for Windows cache key follows the feature switches, not comments.
# Usage: check_qt_key.sh <source dir> <scratch dir>
set -euo pipefail
source=$1 scratch=$2
rm -rf "$scratch"
mkdir -p "$scratch/scripts" "$scratch/cmake"
cp -r "$source/scripts/build_qt_windows.sh" "$source/scripts/lib" "$scratch/scripts/"
prefix() { MOSTARIC_CACHE=$scratch/cache bash "$scratch/scripts/build_qt_windows.sh" --print-prefix; }

failures=0
# case, file edited, edit, expected prefix
while IFS='|' read -r name file edit expected; do
  cp "$source/cmake/QtWindowsFeatures.cmake" "$source/cmake/qt_windows.patch" "$scratch/cmake/"
  before=$(prefix)
  sed -i "$edit" "$scratch/cmake/$file"
  if [ "$before" = "$(prefix)" ]; then got=same; else got=other; fi
  echo "$name: $got prefix (expected $expected)"
  [ "$got" = "$expected" ] || failures=$((failures + 1))
done << 'CASES'
nothing changed|QtWindowsFeatures.cmake|s/^//|same
a comment reworded|QtWindowsFeatures.cmake|1s/$/ (reworded)/|same
a feature switched off|QtWindowsFeatures.cmake|$amostaric_qt_off(colornames)|other
a feature switched on again|QtWindowsFeatures.cmake|s/ textedit / /|other
size no longer optimised|QtWindowsFeatures.cmake|s/optimize_size ON/optimize_size OFF/|other
the patch changed|qt_windows.patch|s/withSign/signed/|other
CASES
[ "$failures" -eq 0 ]
