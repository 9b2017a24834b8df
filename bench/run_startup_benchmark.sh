#!/usr/bin/env bash
# Runs the start-up benchmark under a private Xvfb server.
# Usage: bench/run_startup_benchmark.sh [build dir] [runs]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
runs=${2:-15}
cmake --build "$build" --target mostaric_startup_benchmark mostaric_startup_probe \
  mostaric_floor_window > /dev/null
exec env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/bench/mostaric_startup_benchmark" "$runs"
