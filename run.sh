#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program alone (no tests) and starts it; installs what is missing.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/lib/setup.sh

mostaric_install_packages "${MOSTARIC_RUN_PACKAGES[@]}"
cmake --preset release > /dev/null
cmake --build --preset run
