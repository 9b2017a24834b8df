#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Fills one flat folder with links to every face fontconfig knows, for the
# offscreen platform of the Windows build: it reads faces from a single
# folder (QT_QPA_FONTDIR) and takes only names ending in .ttf or .otf, so
# collections are linked under a .ttf name (FreeType reads them by content).
set -euo pipefail
folder=${1:?usage: link_host_fonts.sh FOLDER}
rm -rf "$folder"
mkdir -p "$folder"
count=0
while IFS= read -r file; do
  name=${file#/}
  ln -s "$file" "$folder/${name//\//_}.ttf"
  count=$((count + 1))
done < <(fc-list --format '%{file}\n' | sort -u)
echo "$count faces linked into $folder"
[ "$count" -gt 0 ]
