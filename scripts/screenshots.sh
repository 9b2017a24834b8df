#!/usr/bin/env bash
# Takes the screenshots under docs/screenshots/: the main window at start-up,
# after the typical batch (1.08, 赤霞珠, 100 kg, 12.5 %vol, 17 g, the three
# calculations) and the explanation window. The drive tool starts the windows
# as ui/main.cpp does, on a private Xvfb server, and grabs each window's
# contents (without the frame, which Xvfb has no window manager to draw).
# Usage: scripts/screenshots.sh [build dir]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh

build=${1:-build}
mostaric_install_packages
mostaric_configure "$build" -DMOSTARIC_WERROR=ON
cmake --build "$build" --target mostaric_drive --parallel "$(nproc)"

mkdir -p docs/screenshots
env -u QT_QPA_PLATFORM LC_ALL=C.UTF-8 xvfb-run -a -s "-screen 0 1280x1024x24" \
  "$build/bench/mostaric_drive" screenshots docs/screenshots
