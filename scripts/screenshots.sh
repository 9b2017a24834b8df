#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots under docs/screenshots/: the main window at start-up,
# after the typical batch (1.08, 赤霞珠, 100 kg, 12.5 %vol, 17 g, the three
# calculations) and the explanation window. The drive tool starts the windows
# as ui/main.cpp does, on a private Xvfb server, and grabs each window's
# contents (without the frame, which Xvfb has no window manager to draw).
# Usage: scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/setup.sh

mostaric_install_packages "${MOSTARIC_TEST_PACKAGES[@]}" && cmake --workflow --preset screenshots
