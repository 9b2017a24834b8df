#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The release notes and sums over made-up dist/ folders of version 1.00: made
# over exactly the expected downloads, in their order, each in its row with
# its size, the sums as sha256sum checks them; refused, naming the file, when
# one is missing or another lies there; the newest changelog entry's items
# under each language and none of an older entry, and a changelog without one
# language's items refused. Also that `cmake -P` on Downloads.cmake names the
# files as the configured tree does.
# Usage: check_release_notes.sh <cmake> <ReleaseNotes.cmake> <scratch dir>
#          <the configured tree's download names, in Downloads.cmake's order>...
set -euo pipefail
cmake=$1 script=$2 scratch=$3 dist=$3/dist
shift 3
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$scratch"
mkdir -p "$scratch"

mapfile -t names < <("$cmake" -D 'PRINT=TARBALL;DEB;SETUP;ZIP;WEB' -P "$(dirname "$script")/Downloads.cmake")
[ "${names[*]}" = "$*" ] || fail "cmake -P names the downloads '${names[*]}', the configured tree '$*'"

cat > "$scratch/changelog" <<'LOG'
m (1.00) unstable; urgency=medium

  [ English ]
  * Newer item,
    on two lines.

  [ 中文 ]
  * 新条目。

 -- A <a@b.example>  Mon, 07 Dec 2026 12:00:00 +0000

m (0.90) unstable; urgency=medium

  [ English ]
  * Older item.
LOG
notes() {
  "$cmake" -D DIST="$dist" -D CHANGELOG="$scratch/changelog" -D "DOWNLOADS=$1" -D MOSTARIC_DISPLAY_NAME=M \
    -D MOSTARIC_VERSION_TEXT=1.00 -D MOSTARIC_RELEASE_DATE=2026-12-07 -D MOSTARIC_PACKAGE_DEBIAN=12 \
    -D MOSTARIC_NEWEST_DEBIAN=13 -P "$script"
}

# what | kinds expected | files in dist/, each holding its name | "notes", or the file the failure names
while IFS='|' read -r what kinds files outcome; do
  rm -rf "$dist" && mkdir -p "$dist"
  for file in $files; do printf '%s' "$file" > "$dist/$file"; done
  if [ "$outcome" = notes ]; then
    notes "$kinds" > "$scratch/log" 2>&1 || { cat "$scratch/log"; fail "$what: no notes"; }
    (cd "$dist" && sha256sum -c --quiet SHA256SUMS) || fail "$what: SHA256SUMS does not hold"
    [ "$(awk '{ print $2 }' "$dist/SHA256SUMS" | paste -sd' ')" = "$files" ] ||
      fail "$what: SHA256SUMS lists $(awk '{ print $2 }' "$dist/SHA256SUMS" | paste -sd' '), not $files"
    for file in $files; do
      [ "$(grep -c "^| $file | .* | ${#file} |$" "$dist/RELEASE-NOTES.md")" -eq 2 ] ||
        fail "$what: $file is not in a row with its size under each language"
    done
  else
    ! notes "$kinds" > "$scratch/log" 2>&1 || fail "$what: notes made"
    grep -qF "$outcome" "$scratch/log" || { cat "$scratch/log"; fail "$what: the failure does not name $outcome"; }
    [ ! -e "$dist/SHA256SUMS" ] || fail "$what: SHA256SUMS written"
  fi
done << 'CASES'
all there|TARBALL;DEB;SETUP;ZIP|mostaric-1.00.tar.xz mostaric_1.00_amd64.deb mostaric-1.00-setup.exe mostaric-1.00-windows-x64.zip|notes
the installer missing|TARBALL;DEB;SETUP;ZIP|mostaric-1.00.tar.xz mostaric_1.00_amd64.deb mostaric-1.00-windows-x64.zip|mostaric-1.00-setup.exe
a stray file|TARBALL;DEB;SETUP;ZIP|mostaric-1.00.tar.xz mostaric_1.00_amd64.deb mostaric-1.00-setup.exe mostaric-1.00-windows-x64.zip notes.txt|notes.txt
a hidden stray file|TARBALL;DEB;SETUP;ZIP|mostaric-1.00.tar.xz mostaric_1.00_amd64.deb mostaric-1.00-setup.exe mostaric-1.00-windows-x64.zip .signature|.signature
an older version's tarball|TARBALL;DEB;SETUP;ZIP|mostaric-0.90.tar.xz mostaric_1.00_amd64.deb mostaric-1.00-setup.exe mostaric-1.00-windows-x64.zip|mostaric-1.00.tar.xz
no tarball from an unpacked one|DEB;SETUP;ZIP|mostaric_1.00_amd64.deb mostaric-1.00-setup.exe mostaric-1.00-windows-x64.zip|notes
a tarball not asked for|DEB;SETUP;ZIP|mostaric-1.00.tar.xz mostaric_1.00_amd64.deb mostaric-1.00-setup.exe mostaric-1.00-windows-x64.zip|mostaric-1.00.tar.xz
a kind the release does not make|TARBALL;DEB;SETUP;ZIP|mostaric-1.00.tar.xz mostaric_1.00_amd64.deb mostaric-1.00-setup.exe mostaric-1.00-windows-x64.zip mostaric-1.00-web.zip|mostaric-1.00-web.zip
a kind no table has|DEB;MSI|mostaric_1.00_amd64.deb|MSI
the web zip listed|TARBALL;DEB;SETUP;ZIP;WEB|mostaric-1.00.tar.xz mostaric_1.00_amd64.deb mostaric-1.00-setup.exe mostaric-1.00-windows-x64.zip mostaric-1.00-web.zip|notes
CASES

# The texts of the last notes made (the web zip's) and the changelog's items.
text=$(cat "$dist/RELEASE-NOTES.md")
while IFS= read -r line; do
  grep -qxF -- "$line" <<< "$text" || fail "the notes lack the line: $line"
done << 'LINES'
| mostaric-1.00.tar.xz | 源代码 | 20 |
| mostaric_1.00_amd64.deb | Debian 12、13 的软件包 | 23 |
| mostaric-1.00-setup.exe | installer for Windows 10 and 11 (64-bit) | 23 |
| mostaric-1.00-windows-x64.zip | portable Windows program: unpack and run | 29 |
| mostaric-1.00-web.zip | web edition, runs in a web browser | 21 |
* Newer item,
  on two lines.
* 新条目。
2026-12-07 发布。
LINES
! grep -q "Older item" <<< "$text" || fail "the notes give an older entry's item"
sed -i '/\[ 中文 \]/,/新条目/d' "$scratch/changelog"
! notes "TARBALL;DEB;SETUP;ZIP;WEB" > /dev/null 2>&1 || fail "a changelog without Chinese items was taken"
echo "ok: notes, rows and sums over exactly the expected files; download names alike in both modes"
