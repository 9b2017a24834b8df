#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Mostaric developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows start-up benchmark: the size of mostaric.exe and of a bare
# static Qt window built the same way, and the time each takes under Wine
# from its start to its exit right after its first paint, runs alternating
# so that all see the same load; the same for the bare window showing one
# label in each of the program's three faces, the floor of any window that
# draws this text. Wine's own start is in both figures, so the
# ratio, not the milliseconds, is what a real Windows machine would repeat.
# Needs WINEPREFIX and DISPLAY (the test command's own prefix and Xvfb).
# Usage: bench/run_windows_startup_benchmark.sh [build dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-windows}
runs=${2:-9}
: "${WINEPREFIX:?needs a Wine prefix}" "${DISPLAY:?needs a display}"
program=$build/ui/mostaric.exe
probe=$build/bench/mostaric_startup_probe.exe
floor=$build/bench/mostaric_floor_window.exe

# Milliseconds of one start to exit; fails if the probe did not end by itself.
run_ms() {
  local start end
  start=$(date +%s%N)
  timeout 60 wine "$@" > /dev/null 2>&1 || return 1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
median() { sort -n | awk '{ a[NR] = $1 } END { print a[int((NR + 1) / 2)] }'; }

wine "$floor" > /dev/null 2>&1 || true  # warms the prefix and the page cache
probe_times=() floor_times=() text_times=()
for _ in $(seq "$runs"); do
  probe_times+=("$(run_ms "$probe")")
  floor_times+=("$(run_ms "$floor")")
  text_times+=("$(run_ms "$floor" --text)")
done
probe_ms=$(printf '%s\n' "${probe_times[@]}" | median)
floor_ms=$(printf '%s\n' "${floor_times[@]}" | median)
text_ms=$(printf '%s\n' "${text_times[@]}" | median)

echo "Windows start-up under Wine ($(wine --version), median of $runs runs each):"
qt_prefix=$(sed -n 's/^MOSTARIC_QT_WINDOWS_PREFIX:PATH=//p' "$build/CMakeCache.txt")
printf '  %-28s %s\n' "Qt" "$(sed -n 's/^Source: Debian source package //p' "$qt_prefix/MOSTARIC-QT-SOURCE.txt")"
printf '  %-28s %10s bytes\n' "mostaric.exe" "$(stat -c %s "$program")" \
  "bare Qt window" "$(stat -c %s "$floor")"
printf '  %-28s %10s ms\n' "mostaric start-up" "$probe_ms" "bare window start-up" "$floor_ms" \
  "bare window with three faces" "$text_ms"
awk -v p="$probe_ms" -v f="$floor_ms" -v t="$text_ms" \
  'BEGIN { printf "  ratio %.2f to the bare window, %.2f to the one with three faces\n", p / f, p / t }'
