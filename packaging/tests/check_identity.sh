#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Compares every installed file that names the version, the application id or
# the forum with the build's single values, and the Windows resource script
# with the version and with the names the Linux files give.
# Usage: check_identity.sh <stage dir> <mostaric.rc> <version text>
#                          <version record a,b,c,d> <app id> <homepage> <release date>
set -euo pipefail
stage=$1 rc=$2 version=$3 record=$4 id=$5 homepage=$6 date=$7
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# Each check: file, extended regular expression its lines must match, what.
expect() { grep -Eq -- "$2" "$1" || fail "$(basename "$1"): $3 (wanted /$2/)"; }
# Dots in the values are literal.
re() { sed 's/[.[\*^$/]/\\&/g' <<< "$1"; }

desktop=$stage/usr/share/applications/$id.desktop
metainfo=$stage/usr/share/metainfo/$id.metainfo.xml
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
# The entry's time, worked out by the build from the date alone, is the
# release day at noon UTC as coreutils reckons it.
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

if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "every file names version $version, id $id and $homepage"
