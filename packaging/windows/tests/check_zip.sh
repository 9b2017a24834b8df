#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The portable zip: it holds the packaged files, its readme says in Chinese
# what the program is and that it needs no installation, and the program
# starts from a folder whose name has Chinese characters and a blank.
# Usage: check_zip.sh <package-settings.sh> <package dir> <wine>
set -euo pipefail
out=$2
# shellcheck source=wine_env.sh
source "$(dirname "$0")/wine_env.sh"
mostaric_package_test "$1" "$out" MOSTARIC_ZIP_NAME "$3"
zip=$PACKAGE_FILE

folder="$(unix_path 'C:\users\Public')/葡萄酒 计算器"
mkdir -p "$folder"
(cd "$folder" && "${MOSTARIC_CMAKE}" -E tar xf "$zip")
diff <(cat "$out/files.txt") <(cd "$folder" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) ||
  fail "the zip does not hold the packaged files"
cmp -s "$out/payload/$MOSTARIC_WINDOWS_EXE" "$folder/$MOSTARIC_WINDOWS_EXE" || fail "the program file differs"
grep -q '^Source: Debian source package ' "$folder/LICENSES/Qt/MOSTARIC-QT-SOURCE.txt" ||
  fail "no Debian source of Qt in the zip"
for licence in GPL-3.0-or-later.txt Qt/LGPL-3.0-only.txt; do
  grep -q 'GNU' "$folder/LICENSES/$licence" || fail "no licence text $licence"
done

readme=$folder/README.txt
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt has no UTF-8 byte order mark"
[ "$(grep -c $'\r$' "$readme")" -eq "$(wc -l < "$readme")" ] || fail "README.txt does not end every line with CRLF"
for text in "$MOSTARIC_DISPLAY_NAME $MOSTARIC_VERSION_TEXT" 无需安装 "$MOSTARIC_WINDOWS_EXE" GPL-3.0-or-later LGPL-3.0-only \
  SHA256SUMS "Get-FileHash $MOSTARIC_ZIP_NAME" "certutil -hashfile $MOSTARIC_ZIP_NAME SHA256" scripts/release.sh; do
  grep -qF "$text" "$readme" || fail "README.txt does not say '$text'"
done
echo "ok: contents and readme"

start_and_close "$folder/$MOSTARIC_WINDOWS_EXE"
