#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks which Qt plugins and widgets a statically linked Windows program
# carries, by the class name each leaves in the file (its meta-object, and a
# plugin's metadata).
# Usage: check_qt_classes.sh <program.exe> <Class=present|absent>...
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
