#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows program and its suites (the windows workflow).
# Usage: scripts/build_windows.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/setup.sh
source scripts/lib/windows.sh

mostaric_where_windows_builds 'cmake --workflow --preset windows'
