#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Windows installer and the portable zip into <out dir>: stages the
# program file (signed by sign.sh where a certificate is given) with the
# licence texts and the readme, runs makensis, and zips the same files.
# Skips the work when nothing it is made from changed, the signing settings
# of the environment included.
# Usage: make_package.sh <package-settings.sh> <program file> <out dir>
set -euo pipefail
settings=$1 program=$2 out=$3
# shellcheck source=/dev/null
source "$settings"
here=$(cd "$(dirname "$0")" && pwd)
for tool in "$MOSTARIC_MAKENSIS" "$MOSTARIC_OSSLSIGNCODE" "$MOSTARIC_ZIP"; do
  [ -x "$tool" ] || { echo "make_package.sh: '$tool' is not a program" >&2; exit 1; }
done

# What the result depends on: every input file's contents, and which
# certificate, key and time-stamp server sign it (not the password).
sources=("$settings" "$program" "$MOSTARIC_NSIS_SCRIPT" "$here/make_package.sh" "$MOSTARIC_SIGN_SCRIPT")
while IFS='|' read -r src _; do sources+=("$src"); done <<< "$MOSTARIC_PAYLOAD"
recipe=$( {
  sha256sum "${sources[@]}" | cut -d' ' -f1
  for f in "${MOSTARIC_SIGN_CERT:-}" "${MOSTARIC_SIGN_KEY:-}"; do
    if [ -n "$f" ]; then sha256sum < "$f"; else echo unsigned; fi
  done
  echo "${MOSTARIC_SIGN_TIMESTAMP_URL:-}"
} | sha256sum | cut -d' ' -f1)
setup=$out/$MOSTARIC_SETUP_NAME zip=$out/$MOSTARIC_ZIP_NAME
if [ -f "$setup" ] && [ -f "$zip" ] && [ "$(cat "$out/.recipe" 2>/dev/null)" = "$recipe" ]; then
  exit 0
fi

mkdir -p "$out"
rm -rf "$out/payload" "$out/.recipe" "$setup" "$zip"
payload=$out/payload
mkdir -p "$payload"
cp "$program" "$payload/$MOSTARIC_WINDOWS_EXE"
bash "$MOSTARIC_SIGN_SCRIPT" "$MOSTARIC_OSSLSIGNCODE" "$payload/$MOSTARIC_WINDOWS_EXE" \
  "$MOSTARIC_DISPLAY_NAME" "$MOSTARIC_HOMEPAGE"
while IFS='|' read -r src dest; do
  mkdir -p "$payload/$(dirname "$dest")"
  cp "$src" "$payload/$dest"
done <<< "$MOSTARIC_PAYLOAD"
# The same bytes from every build: the modes the usual umask leaves (the zip
# keeps them) and the release moment as every file's time (both keep it).
chmod -R u=rwX,go=rX "$payload"
find "$payload" -exec touch -h -d "@$MOSTARIC_SOURCE_DATE_EPOCH" {} +

# The installer's file lists: each folder's files from the staged tree, and
# for the uninstaller the same files and then the folders, deepest first.
files=$out/files
(cd "$payload" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) > "$files.txt"
: > "$files.install.nsh"
: > "$files.uninstall.nsh"
last_dir=
while read -r rel; do
  dir=$(dirname "$rel")
  if [ "$dir" != "$last_dir" ]; then
    win_dir=${dir//\//\\}
    [ "$dir" = . ] && echo 'SetOutPath "$INSTDIR"' >> "$files.install.nsh" ||
      echo "SetOutPath \"\$INSTDIR\\$win_dir\"" >> "$files.install.nsh"
    last_dir=$dir
  fi
  echo "File \"$payload/$rel\"" >> "$files.install.nsh"
  echo "Delete \"\$INSTDIR\\${rel//\//\\}\"" >> "$files.uninstall.nsh"
done < "$files.txt"
(cd "$payload" && find . -mindepth 1 -type d | sed 's|^\./||' | LC_ALL=C sort -r) |
  while read -r dir; do echo "RMDir \"\$INSTDIR\\${dir//\//\\}\""; done >> "$files.uninstall.nsh"
# Back to the top folder, so that the shortcut starts the program there.
echo 'SetOutPath "$INSTDIR"' >> "$files.install.nsh"

"$MOSTARIC_MAKENSIS" -V2 -WX -INPUTCHARSET UTF8 -DPAYLOAD="$payload" -DFILES="$files" \
  -DOUTFILE="$setup" "$MOSTARIC_NSIS_SCRIPT"

# The zip holds the files without a top folder: Windows' "Extract all" makes
# one named after the zip. -X leaves out the Unix extra fields, which would
# add the access and change times; the DOS times left are local, so UTC.
(cd "$payload" && TZ=UTC "$MOSTARIC_ZIP" -X -D -q "$zip" -@ < "$files.txt")
echo "$recipe" > "$out/.recipe"
echo "Built $setup ($(stat -c %s "$setup") bytes) and $zip ($(stat -c %s "$zip") bytes)"
