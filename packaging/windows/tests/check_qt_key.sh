#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Qt for Windows cache key follows every file that shapes that build,
# not their comments.
# Usage: check_qt_key.sh <source dir> <scratch dir>
set -euo pipefail
source=$1 scratch=$2
shaping=(scripts/build_qt_windows.sh cmake/QtWindowsFeatures.cmake cmake/qt_windows.patch cmake/toolchain_mingw64.cmake)
prefix() { MOSTARIC_CACHE=$scratch/cache bash "$scratch/scripts/build_qt_windows.sh" --print-prefix; }

failures=0
# case, file edited, edit, expected prefix
while IFS='|' read -r name file edit expected; do
  rm -rf "$scratch"
  mkdir -p "$scratch/scripts" "$scratch/cmake"
  cp -r "$source/scripts/lib" "$scratch/scripts/"
  for f in "${shaping[@]}"; do cp "$source/$f" "$scratch/$f"; done
  before=$(prefix)
  sed -i "$edit" "$scratch/$file"
  if [ "$before" = "$(prefix)" ]; then got=same; else got=other; fi
  echo "$name: $got prefix (expected $expected)"
  [ "$got" = "$expected" ] || failures=$((failures + 1))
done << 'CASES'
nothing changed|cmake/QtWindowsFeatures.cmake|s/^//|same
a comment reworded|cmake/QtWindowsFeatures.cmake|1s/$/ (reworded)/|same
a feature switched off|cmake/QtWindowsFeatures.cmake|$amostaric_qt_off(colornames)|other
a feature switched on again|cmake/QtWindowsFeatures.cmake|s/ textedit / /|other
size no longer optimised|cmake/QtWindowsFeatures.cmake|s/optimize_size ON/optimize_size OFF/|other
the patch changed|cmake/qt_windows.patch|s/withSign/signed/|other
the compiler's flags changed|cmake/toolchain_mingw64.cmake|$aset(CMAKE_CXX_FLAGS_INIT -O1)|other
a comment of the toolchain reworded|cmake/toolchain_mingw64.cmake|3s/$/ (reworded)/|same
the build steps changed|scripts/build_qt_windows.sh|s/ -j "\$(nproc)"/ -j 1/|other
a comment of the build reworded|scripts/build_qt_windows.sh|4s/$/ (reworded)/|same
CASES
[ "$failures" -eq 0 ]
