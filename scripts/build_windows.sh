#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds Qt for Windows where missing, then the Windows program and its
# suites (the windows tree), where the Windows build runs.
# Usage: scripts/build_windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/setup.sh
source scripts/lib/windows.sh

mostaric_for_windows 'cmake --preset windows && cmake --build --preset windows'
