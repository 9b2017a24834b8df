#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Fails, naming the files, when a C++ source is not formatted as .clang-format
# says. Usage: check_format.sh <clang-format> <source dir>
set -euo pipefail
format=$1
cd "$2"
if git rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  mapfile -d '' files < <(git ls-files -z --cached --others --exclude-standard -- '*.cpp' '*.h')
else
  mapfile -d '' files < <(find core ui fuzz bench -name '*.cpp' -print0 -o -name '*.h' -print0)
fi
existing=()
for f in "${files[@]}"; do [ -e "$f" ] && existing+=("$f"); done
"$format" --dry-run --Werror "${existing[@]}"
echo "${#existing[@]} files formatted as .clang-format says"
