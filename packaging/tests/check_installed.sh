#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the files that `cmake --install` placed under DESTDIR.
# Usage: check_installed.sh <stage dir> <application id> <installed file>...
#   installed files relative to the prefix, as the install rules name them
set -euo pipefail
stage=$1 id=$2
shift 2
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

expected=("${@/#/usr/}")
for f in "${expected[@]}"; do
  [ -f "$stage/$f" ] || fail "missing $f"
done
[ -x "$stage/usr/bin/mostaric" ] || fail "usr/bin/mostaric is not executable"

# Nothing but those files is installed.
actual=$(cd "$stage" && find . -type f | sed 's|^\./||' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
[ "$actual" = "$wanted" ] || fail "installed files differ:"$'\n'"$(diff <(echo "$wanted") <(echo "$actual") || true)"

# The same files under another prefix.
for f in "${expected[@]}"; do
  [ -f "$stage-opt/opt/mostaric/${f#usr/}" ] || fail "prefix /opt/mostaric: missing ${f#usr/}"
done
# Debian's format for the licence, and the manual page readable by man.
grep -qx 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' \
  "$stage/usr/share/doc/mostaric/copyright" || fail "copyright: not machine-readable"
gzip -t "$stage/usr/share/man/man1/mostaric.1.gz" "$stage/usr/share/doc/mostaric/changelog.gz" ||
  fail "manual page or changelog: not gzip"
[ -z "$(cd "$stage-opt" && find . -type f ! -path './opt/mostaric/*')" ] ||
  fail "prefix /opt/mostaric: files outside the prefix"

# The icon is the 96 x 96 picture: PNG signature and IHDR width and height.
png="$stage/usr/share/icons/hicolor/96x96/apps/$id.png"
header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
[ "${header:0:16}" = 89504e470d0a1a0a ] || fail "icon is not a PNG"
[ "${header:32:16}" = 0000006000000060 ] || fail "icon is not 96 x 96 (IHDR ${header:32:16})"
grep -q '<svg' "$stage/usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "scalable icon is not SVG"

# The desktop entry, the metainfo and the icon use one id.
desktop="$stage/usr/share/applications/$id.desktop"
grep -qx "Icon=$id" "$desktop" || fail "desktop entry: Icon is not $id"
grep -qx 'Exec=mostaric' "$desktop" || fail "desktop entry: Exec is not mostaric"
grep -qx 'Categories=Utility;Calculator;' "$desktop" || fail "desktop entry: Categories"
for key in 'Name' 'Name\[zh_CN\]' 'Comment' 'Comment\[zh_CN\]'; do
  grep -q "^$key=." "$desktop" || fail "desktop entry: no $key"
done
metainfo="$stage/usr/share/metainfo/$id.metainfo.xml"
grep -q "<id>$id</id>" "$metainfo" || fail "metainfo: id is not $id"
grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
  fail "metainfo: launchable is not $id.desktop"
grep -q '<release version="[^"]*" date="[0-9-]*"' "$metainfo" || fail "metainfo: no dated release"
grep -q '<screenshot' "$metainfo" || fail "metainfo: no screenshots"

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "installed tree is complete"
