#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs `reuse lint` over the source tree. REUSE.toml is read by reuse 4 and
# later; older releases (Debian 12 has 1.1) know only .reuse/dep5, so for them
# the same annotations are written as one into a copy of the tree.
# Usage: check_reuse.sh <reuse> <python3> <source dir>
set -euo pipefail
reuse=$1 python=$2 src=$3

major=$("$reuse" --version | grep -Eo '[0-9]+' | head -1)
if [ "$major" -ge 4 ]; then
  cd "$src"
  exec "$reuse" lint
fi

copy=$(mktemp -d)
trap 'rm -rf "$copy"' EXIT
# The files reuse would see: tracked and untracked, less what git ignores.
if git -C "$src" rev-parse --is-inside-work-tree > /dev/null 2>&1; then
  git -C "$src" ls-files -z --cached --others --exclude-standard |
    (cd "$src" && xargs -0 -r sh -c 'for f; do [ -e "$f" ] && printf "%s\0" "$f"; done' sh) |
    tar -C "$src" --null -T - -cf - | tar -C "$copy" -xf -
else
  tar -C "$src" --exclude='./build*' --exclude=./out -cf - . | tar -C "$copy" -xf -
fi
mkdir -p "$copy/.reuse"
"$python" - "$copy/REUSE.toml" "$copy/.reuse/dep5" <<'PY'
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
cd "$copy"
"$reuse" lint
