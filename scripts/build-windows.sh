#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows program, its installer and zip (the windows preset's
# tree) against the static Qt of the newest Debian release: on that release
# here, on an older one in a root of it. Installs what is missing first and
# prints the tree's directory last.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/test-windows.sh

mostaric_build_windows
echo "$MOSTARIC_BUILD_DIR"
