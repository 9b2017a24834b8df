#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks which Qt plugins a statically linked Windows program carries, by the
# class name each plugin leaves in the file (its metadata and meta-object).
# Usage: check_qt_plugins.sh <program.exe> <PluginClass=present|absent>...
set -euo pipefail
program=$1
shift
failures=0
for want in "$@"; do
  class=${want%=*} expected=${want#*=}
  if grep -a -q -w "$class" "$program"; then found=present; else found=absent; fi
  echo "$class: $found (expected $expected)"
  [ "$found" = "$expected" ] || failures=$((failures + 1))
done
[ "$failures" -eq 0 ]
