#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# `reuse lint` over a copy of the project's own files: outside a git tree
# reuse would read the build trees too. Debian 12's reuse 1.1 knows only
# .reuse/dep5, so for it REUSE.toml is written as one.
# Usage: check_reuse.sh <reuse> <python3> <source dir>
set -euo pipefail
reuse=$1 python=$2 src=$3

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
if command -v git > /dev/null && git -C "$src" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  git -C "$src" ls-files -z --cached --others --exclude-standard |
    (cd "$src" && xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
    tar -C "$src" --null -T - -cf - | tar -C "$copy" -xf -
else
  tar -C "$src" --exclude='./build*' --exclude=./out --exclude=./dist --exclude=./.git -cf - . |
    tar -C "$copy" -xf -
fi
cd "$copy"
major=$("$reuse" --version | grep -Eo '[0-9]+' | head -1)
[ "$major" -ge 4 ] && exec "$reuse" lint

mkdir -p .reuse
"$python" - REUSE.toml .reuse/dep5 <<'PY'
import sys, tomllib
with open(sys.argv[1], "rb") as f:
    annotations = tomllib.load(f)["annotations"]
out = ["Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/", ""]
for a in annotations:
    paths = a["path"] if isinstance(a["path"], list) else [a["path"]]
    texts = a["SPDX-FileCopyrightText"]
    texts = texts if isinstance(texts, list) else [texts]
    # dep5's * also crosses directories, as REUSE.toml's ** does.
    out.append("Files: " + " ".join(p.replace("**", "*") for p in paths))
    out.append("Copyright: " + "\n ".join(texts))
    out.append("License: " + a["SPDX-License-Identifier"])
    out.append("")
with open(sys.argv[2], "w") as f:
    f.write("\n".join(out))
PY
"$reuse" lint
