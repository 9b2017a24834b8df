#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The zip holds the installed files and a Windows readme, and the program
# starts from a folder named in Chinese with a blank.
# Usage: check_zip.sh <zip> <wine> <cmake> <windows tree> <program file name>
#                     <display name> <version> <publisher>
set -euo pipefail
zip=$1 cmake=$3 tree=$4 exe=$5 display_name=$6 version=$7
# shellcheck source=wine_env.sh
source "$(dirname "$0")/wine_env.sh"
mostaric_package_test "$zip" "$2"

folder="$(unix_path 'C:\users\Public')/葡萄酒 计算器"
unpack_zip "$zip" "$folder" "$cmake"
"$cmake" --install "$tree" --prefix "$WORK/installed" > /dev/null
# The same files, the program file (which may be signed) only by its name.
[ -f "$folder/$exe" ] && diff -r -x "$exe" "$folder" "$WORK/installed" ||
  fail "the zip does not hold the installed files"
grep -q '^Source: Debian source package ' "$folder/LICENSES/Qt/MOSTARIC-QT-SOURCE.txt" ||
  fail "no Debian source of Qt in the zip"
for licence in GPL-3.0-or-later.txt Qt/LGPL-3.0-only.txt; do
  grep -q 'GNU' "$folder/LICENSES/$licence" || fail "no licence text $licence"
done

readme=$folder/README.txt
name=$(basename "$zip")
[ "$(head -c 3 "$readme" | od -An -tx1 | tr -d ' ')" = efbbbf ] || fail "README.txt has no UTF-8 byte order mark"
[ "$(grep -c $'\r$' "$readme")" -eq "$(wc -l < "$readme")" ] || fail "README.txt does not end every line with CRLF"
for text in "$display_name $version" 无需安装 "$exe" GPL-3.0-or-later LGPL-3.0-only \
  SHA256SUMS "Get-FileHash $name" "certutil -hashfile $name SHA256" scripts/release.sh; do
  grep -qF "$text" "$readme" || fail "README.txt does not say '$text'"
done
echo "ok: contents and readme"

start_and_close "$folder/$exe"
