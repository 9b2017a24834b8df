#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build twice into a fresh staging directory: with DESTDIR and
# prefix /usr, as a package does, and with another prefix, to show that the
# rules honour both.
# Usage: install_stage.sh <cmake> <build dir> <stage dir>
set -euo pipefail
cmake=$1 build=$2 stage=$3
rm -rf "$stage" "$stage-opt"
DESTDIR=$stage "$cmake" --install "$build" --prefix /usr
DESTDIR=$stage-opt "$cmake" --install "$build" --prefix /opt/mostaric
