#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails when a file is larger than its ceiling in bytes.
# Usage: check_sizes.sh <file> <ceiling> [<file> <ceiling>...]
set -euo pipefail
status=0
while [ $# -ge 2 ]; do
  size=$(stat -c %s "$1")
  echo "$1: $size bytes, at most $2"
  [ "$size" -le "$2" ] || status=1
  shift 2
done
exit "$status"
