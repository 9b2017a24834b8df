#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The layer's rules: commands in scripts/ with a usage line, sourced files in
# scripts/lib/, underscores in names, and no script that names a tree's
# folder or reads what CMake writes for itself.
# Usage: check_layout.sh <source dir>
set -euo pipefail
cd "$1"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
layer=(test.sh run.sh scripts/*.sh scripts/lib/*.sh cmake/wine_prefix.sh cmake/check_format.sh bench/*.sh ui/tests/*.sh
  packaging/tests/*.sh packaging/windows/*.sh packaging/windows/tests/*.sh)

for file in scripts/*.sh; do
  grep -q '^# Usage: scripts/' "$file" || fail "$file has no usage line"
  grep -q '^#!/usr/bin/env bash' "$file" || fail "$file is not a command (sourced files go in scripts/lib/)"
done
for file in scripts/lib/*.sh; do
  ! grep -q '^#!' "$file" || fail "$file is a command, not sourced (commands go in scripts/)"
done
for file in $(git ls-files scripts cmake packaging bench ui/tests 2> /dev/null ||
  find scripts cmake packaging bench ui/tests -type f); do
  case $(basename "$file") in *-*.sh | *-*.py | *-*.cmake | *-*.sh.in | *-*.nsi.in) fail "$file: a hyphen in its name" ;; esac
done
# what no script may do | pattern
while IFS='|' read -r what pattern; do
  hits=$(grep -nE "$pattern" "${layer[@]}" | grep -vE '^[^:]+:[0-9]+: *#' || true)
  [ -z "$hits" ] || fail "$what:"$'\n'"$hits"
done << 'RULES'
name a tree's folder|build-(ci|release|dev|asan|fuzz|windows|web|ci-newest-root|web-newest-root)\b|(^|[ "'/=])build/
read CMake's cache|CMakeCache\.txt
parse CMake's log|Build files have been written
probe for a free X display|\.X[0-9$].*-lock
RULES
[ "$failures" -eq 0 ] && echo "layout: every rule holds"
[ "$failures" -eq 0 ]
