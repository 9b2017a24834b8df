#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that a program names none of the given folders of the machine that
# built it, in 8-bit or UTF-16 text: a release must come out the same for
# whoever builds it, wherever. Two clones of one machine share the Qt cache
# and the home folder, so only this catches a path of those in the program.
# Usage: check_no_build_paths.sh <program> <folder>...
set -euo pipefail
program=$1
shift
texts=$(strings -a "$program"; strings -a -el "$program")
failures=0
for folder in "$@"; do
  if found=$(grep -F -m 3 -- "$folder" <<< "$texts"); then
    echo "FAIL: $program names $folder:"
    echo "$found"
    failures=$((failures + 1))
  else
    echo "not named: $folder"
  fi
done
[ "$failures" -eq 0 ]
