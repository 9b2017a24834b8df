#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Mostaric developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Runs the start-up benchmark under a private Xvfb server, then, where
# valgrind is installed, counts the instructions the program and each of its
# three floors run from their start to the end of their first paint (and
# their exit right after), a figure that other load on the machine does not
# disturb.
# Usage: bench/run_startup_benchmark.sh <build tree> [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:?usage: bench/run_startup_benchmark.sh <build tree> [runs]}
runs=${2:-15}
cmake --build "$build" --target mostaric_startup_benchmark > /dev/null
xvfb() { env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" "$@"; }

xvfb "$build/bench/mostaric_startup_benchmark" "$runs"

command -v valgrind > /dev/null || exit 0
echo
echo "instructions to the first paint and exit (valgrind --tool=callgrind, one run each):"
# The program's own process is the first one valgrind names (a child that
# the toolkit forks, e.g. for D-Bus, reports its own count).
count() {
  xvfb valgrind --tool=callgrind --callgrind-out-file=/dev/null "$@" 2>&1 >/dev/null |
    awk 'match($0, /^==[0-9]+==/) && !pid { pid = substr($0, RSTART, RLENGTH) }
         index($0, pid " Collected : ") == 1 { print $NF }'
}
floor=$(count "$build/bench/mostaric_floor_window")
text=$(count "$build/bench/mostaric_floor_window" --text)
form=$(count "$build/bench/mostaric_form_floor")
probe=$(count "$build/bench/mostaric_startup_probe")
printf '  %-9s %14s\n' floor "$floor" text "$text" form "$form" mostaric "$probe"
awk -v f="$floor" -v t="$text" -v m="$form" -v p="$probe" \
  'BEGIN { printf "  mostaric to floor %.2f, to text %.2f, to form %.2f\n", p / f, p / t, p / m }'
