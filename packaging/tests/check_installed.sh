#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The files `cmake --install` placed under DESTDIR, and every one that names
# the version, the id or the forum, with the Windows resource script, against
# the build's single values.
# Usage: check_installed.sh <stage dir> <mostaric.rc> <version text> <version record a,b,c,d>
#          <app id> <homepage> <release date> <installed file>...
#   installed files relative to the prefix, as the install rules name them
set -euo pipefail
stage=$1 rc=$2 version=$3 record=$4 id=$5 homepage=$6 date=$7
shift 7
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
desktop=$stage/usr/share/applications/$id.desktop
metainfo=$stage/usr/share/metainfo/$id.metainfo.xml

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

# The 96 x 96 PNG: signature, and IHDR width and height.
png="$stage/usr/share/icons/hicolor/96x96/apps/$id.png"
header=$(od -An -tx1 -N24 "$png" | tr -d ' \n')
[ "${header:0:16}" = 89504e470d0a1a0a ] || fail "icon is not a PNG"
[ "${header:32:16}" = 0000006000000060 ] || fail "icon is not 96 x 96 (IHDR ${header:32:16})"
grep -q '<svg' "$stage/usr/share/icons/hicolor/scalable/apps/$id.svg" || fail "scalable icon is not SVG"

grep -qx 'Exec=mostaric' "$desktop" || fail "desktop entry: Exec is not mostaric"
grep -qx 'Categories=Utility;Calculator;' "$desktop" || fail "desktop entry: Categories"
for key in 'Name' 'Name\[zh_CN\]' 'Comment' 'Comment\[zh_CN\]'; do
  grep -q "^$key=." "$desktop" || fail "desktop entry: no $key"
done
grep -q '<screenshot' "$metainfo" || fail "metainfo: no screenshots"

expect() { grep -Eq -- "$2" "$1" || fail "$(basename "$1"): $3 (wanted /$2/)"; }
# Dots in the values are literal.
re() { sed 's/[.[\*^$/]/\\&/g' <<< "$1"; }

expect "$desktop" "^Icon=$(re "$id")$" "icon name"
expect "$metainfo" "<id>$(re "$id")</id>" "component id"
expect "$metainfo" "<launchable type=\"desktop-id\">$(re "$id").desktop</launchable>" "launchable"
expect "$metainfo" "<url type=\"homepage\">$(re "$homepage")</url>" "homepage"
# The newest release is the first one listed.
first_release=$(grep -m1 '<release ' "$metainfo" || true)
grep -q "version=\"$version\" date=\"$date\"" <<< "$first_release" ||
  fail "metainfo: newest release is '$first_release', not $version of $date"
# Every address in the metainfo is on the forum.
others=$(grep -Eo 'https?://[^<"]*' "$metainfo" | grep -v "^$(re "$homepage")" || true)
[ -z "$others" ] || fail "metainfo: addresses off the forum: $others"

man=$(gzip -dc "$stage/usr/share/man/man1/mostaric.1.gz")
grep -Eq "^\.TH MOSTARIC 1 \"$date\" \"Mostaric $(re "$version")\"" <<< "$man" ||
  fail "manual page: heading does not name $version of $date"
changelog=$(gzip -dc "$stage/usr/share/doc/mostaric/changelog.gz" | head -1)
[[ $changelog == "mostaric ($version) "* ]] || fail "changelog: first entry is '$changelog'"
# The entry's time is the release day at noon UTC, as coreutils reckons it.
signed=$(gzip -dc "$stage/usr/share/doc/mostaric/changelog.gz" | sed -n 's/^ -- .*>  //p' | head -1)
noon=$(LC_ALL=C date -u -d "$date 12:00" '+%a, %d %b %Y %H:%M:%S +0000')
[ "$signed" = "$noon" ] || fail "changelog: first entry is of '$signed', not $noon"

for value in FILEVERSION PRODUCTVERSION; do
  expect "$rc" "^$value $record\s*$" "$value"
done
# The program's Chinese name and its publisher are the same on both systems.
zh_name=$(sed -n 's/^Name\[zh_CN\]=//p' "$desktop")
[ -n "$zh_name" ] || fail "desktop entry: no Name[zh_CN]"
expect "$metainfo" "<name xml:lang=\"zh-CN\">$(re "$zh_name")</name>" "Chinese name"
publisher=$(sed -n 's:.*<developer_name>\(.*\)</developer_name>.*:\1:p' "$metainfo")
[ -n "$publisher" ] || fail "metainfo: no developer name"
# each text of the Windows version record | what it must say
while IFS='|' read -r value text; do
  expect "$rc" "VALUE \"$value\", \"$(re "$text")\"" "$value"
done << VALUES
FileVersion|$version
ProductVersion|$version
FileDescription|$zh_name
ProductName|$zh_name
CompanyName|$publisher
VALUES

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "installed tree is complete; every file names version $version, id $id and $homepage"
