#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Takes the screenshots under docs/screenshots/ on a private Xvfb: the main
# window at start-up and after the typical batch, and the explanation window.
# Usage: scripts/screenshots.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/setup.sh

mostaric_install_packages "${MOSTARIC_TEST_PACKAGES[@]}" && cmake --workflow --preset screenshots
