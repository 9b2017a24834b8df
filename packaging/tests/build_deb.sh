#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the build tree into a fresh directory.
# Usage: build_deb.sh <cpack> <CPackConfig.cmake> <output dir>
set -euo pipefail
cpack=$1 config=$2 out=$3
rm -rf "$out"
# CPack gives the package's ar members the modes the umask leaves.
umask 022
"$cpack" -G DEB --config "$config" -B "$out"
ls "$out"/*.deb
