#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Mostaric developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The Windows start-up benchmark: the sizes of mostaric.exe and of its three
# floors built the same way against the same static Qt (a bare window, that
# window showing one label in each of the program's three faces, and the
# main window's form alone in the program's faces), and the time each takes
# under Wine from its start to its exit right after its first paint, runs
# alternating so that all see the same load. Wine's own start is in every
# figure, so the ratios, not the milliseconds, are what a real Windows
# machine would repeat.
# Needs WINEPREFIX and DISPLAY (the Windows suite's prefix and display; the
# Windows tree runs it as the test startup_benchmark_wine).
# Usage: run_windows_startup_benchmark.sh <Qt prefix> <mostaric.exe> <floor window.exe>
#          <form floor.exe> <start-up probe.exe> [runs]
set -euo pipefail
qt_prefix=$1 program=$2
runs=${6:-9}
: "${WINEPREFIX:?needs a Wine prefix}" "${DISPLAY:?needs a display}"
# Each figure's name, program and argument; the program's probe last, as the
# ratios are its.
names=(floor text form mostaric)
programs=("$3" "$3" "$4" "$5")
arguments=("" --text "" "")

# Milliseconds of one start to exit; fails if the probe did not end by itself.
run_ms() {
  local start end
  start=$(date +%s%N)
  timeout 60 wine "$1" ${2:+"$2"} > /dev/null 2>&1 || return 1
  end=$(date +%s%N)
  echo $(((end - start) / 1000000))
}
median() { tr ' ' '\n' | sort -n | awk 'NF { a[++n] = $1 } END { print a[int((n + 1) / 2)] }'; }

wine "${programs[0]}" > /dev/null 2>&1 || true  # warms the prefix and the page cache
times=()
for _ in $(seq "$runs"); do
  for i in "${!names[@]}"; do times[$i]+="$(run_ms "${programs[i]}" "${arguments[i]}") "; done
done

echo "Windows start-up under Wine ($(wine --version), median of $runs runs each):"
printf '  %-28s %s\n' "Qt" "$(sed -n 's/^Source: Debian source package //p' "$qt_prefix/MOSTARIC-QT-SOURCE.txt")"
printf '  %-28s %10s bytes\n' "mostaric.exe" "$(stat -c %s "$program")"
mostaric_ms=$(median <<< "${times[-1]}")
for i in "${!names[@]}"; do
  ms=$(median <<< "${times[i]}")
  printf '  %-9s %18s bytes %6s ms, mostaric %s times this\n' "${names[i]}" \
    "$(stat -c %s "${programs[i]}")" "$ms" "$(awk -v p="$mostaric_ms" -v m="$ms" 'BEGIN { printf "%.2f", p / m }')"
done
