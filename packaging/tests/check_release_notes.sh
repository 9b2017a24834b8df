#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The release notes and sums over a made-up dist/: every file in its row with
# its size, the sums as sha256sum checks them, the newest changelog entry's
# items under each language and none of an older entry, and a changelog
# without one language's items refused.
# Usage: check_release_notes.sh <cmake> <ReleaseNotes.cmake> <scratch dir>
set -euo pipefail
cmake=$1 script=$2 dist=$3/dist
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$3"
mkdir -p "$dist"
printf 'tar' > "$dist/m-1.00.tar.xz"
printf 'deb!' > "$dist/m_1.00_amd64.deb"
printf 'setup' > "$dist/m-1.00-setup.exe"
printf 'zip file' > "$dist/m-1.00-windows-x64.zip"
cat > "$3/changelog" <<'LOG'
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
  "$cmake" -D DIST="$dist" -D CHANGELOG="$1" -D MOSTARIC_DISPLAY_NAME=M -D MOSTARIC_VERSION_TEXT=1.00 \
    -D MOSTARIC_RELEASE_DATE=2026-12-07 -D MOSTARIC_PACKAGE_DEBIAN=12 -D MOSTARIC_NEWEST_DEBIAN=13 -P "$script"
}
notes "$3/changelog"
(cd "$dist" && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS does not hold"
[ "$(wc -l < "$dist/SHA256SUMS")" -eq 4 ] || fail "SHA256SUMS does not list the four files"
text=$(cat "$dist/RELEASE-NOTES.md")
# expected text in the notes
while IFS= read -r line; do
  grep -qxF -- "$line" <<< "$text" || fail "the notes lack the line: $line"
done << 'LINES'
| m-1.00.tar.xz | 源代码 | 3 |
| m_1.00_amd64.deb | Debian 12、13 的软件包 | 4 |
| m-1.00-setup.exe | installer for Windows 10 and 11 (64-bit) | 5 |
| m-1.00-windows-x64.zip | portable Windows program: unpack and run | 8 |
* Newer item,
  on two lines.
* 新条目。
2026-12-07 发布。
LINES
! grep -q "Older item" <<< "$text" || fail "the notes give an older entry's item"
sed -i '/\[ 中文 \]/,/新条目/d' "$3/changelog"
! notes "$3/changelog" > /dev/null 2>&1 || fail "a changelog without Chinese items was taken"
echo "ok: notes, rows and sums"
