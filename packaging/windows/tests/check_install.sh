#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine, silently as an administrator would run it:
# install into a fresh prefix and check files, shortcut and uninstall entry;
# start the program; install again over a damaged copy; uninstall and check
# that the prefix is as before.
# Usage: check_install.sh <package-settings.sh> <package dir> <wine>
set -euo pipefail
out=$2
# shellcheck source=wine_env.sh
source "$(dirname "$0")/wine_env.sh"
mostaric_package_test "$1" "$out" MOSTARIC_SETUP_NAME "$3"
setup=$PACKAGE_FILE

key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$MOSTARIC_APP_ID"
local_app_data=$(unix_path "$("$WINE" cmd /c echo %LOCALAPPDATA% | tr -d '\r')")
start_menu=$(unix_path "$("$WINE" cmd /c echo %APPDATA% | tr -d '\r')")/Microsoft/Windows/"Start Menu"/Programs
dir=$local_app_data/Programs/$MOSTARIC_INSTALL_FOLDER
shortcut=$start_menu/$MOSTARIC_DISPLAY_NAME.lnk
snapshot() { (cd "$WINEPREFIX" && find drive_c | LC_ALL=C sort); }
wineserver -w
snapshot > "$WORK/before.txt"

install() {
  "$WINE" "$setup" /S
  wineserver -w
}

# Every staged file is installed as it is, and nothing else but the uninstaller.
check_installed() {
  local rel
  [ -d "$dir" ] || fail "nothing installed in $dir"
  while read -r rel; do
    cmp -s "$out/payload/$rel" "$dir/$rel" || fail "$rel is not installed as packaged"
  done < "$out/files.txt"
  diff <(cat "$out/files.txt"; echo uninstall.exe) <(cd "$dir" && find . -type f | sed 's|^\./||' | LC_ALL=C sort) ||
    fail "the installed files are not the packaged ones"
  [ -f "$shortcut" ] || fail "no Start menu shortcut $shortcut"
  [ "$(ls "$start_menu" | grep -c '\.lnk$')" -eq 1 ] || fail "not exactly one shortcut in the Start menu"
  echo "ok: files and shortcut"
}

install
check_installed
entry=$(reg_export "$key") || fail "no uninstall entry $key"
echo "$entry"
while IFS='|' read -r name want; do
  got=$(reg_value "$entry" "$name")
  [ "$got" = "$want" ] || fail "$name in the uninstall entry is '$got', not '$want'"
done <<TABLE
DisplayName|$MOSTARIC_DISPLAY_NAME
DisplayVersion|$MOSTARIC_VERSION_TEXT
Publisher|$MOSTARIC_PUBLISHER
DisplayIcon|$("$WINE" winepath -w "$dir" 2> /dev/null | tr -d '\r')\\$MOSTARIC_WINDOWS_EXE,0
NoModify|dword:00000001
NoRepair|dword:00000001
TABLE
size=$((16#$(reg_value "$entry" EstimatedSize | sed s/dword://)))
files_kib=$(( $(du -sb "$dir" | cut -f1) / 1024 ))
[ "$size" -ge $((files_kib * 9 / 10)) ] && [ "$size" -le $((files_kib * 11 / 10 + 8)) ] ||
  fail "EstimatedSize $size KiB, the installed files take $files_kib KiB"
uninstall=$(reg_value "$entry" QuietUninstallString)
[[ $uninstall == *'uninstall.exe" /S' ]] || fail "QuietUninstallString is '$uninstall'"
echo "ok: uninstall entry"

start_and_close "$dir/$MOSTARIC_WINDOWS_EXE"

# Over an installed copy whose program file was damaged and with a file the
# old uninstaller knows: both replaced, entry and shortcut once.
echo broken > "$dir/$MOSTARIC_WINDOWS_EXE"
rm "$dir/README.txt"
install
check_installed
[ "$("$WINE" reg query "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" | tr -d '\r' | grep -c "$MOSTARIC_APP_ID\$")" -eq 1 ] ||
  fail "not exactly one uninstall entry after the second install"
echo "ok: second install over the first"

# By its Windows path, as "Apps & features" runs it: the uninstaller passes
# its folder on to its copy, and a Unix path of the prefix does not survive.
"$WINE" "$(reg_value "$entry" InstallLocation)\\uninstall.exe" /S
wineserver -w
[ ! -e "$dir" ] || fail "the uninstaller left $(find "$dir" | head -5)"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
! "$WINE" reg query "$key" > /dev/null 2>&1 || fail "the uninstaller left the uninstall entry"
# The uninstaller ran from a copy in the temporary folder, which Windows
# removes at the next start; so does Wine's restart, all but the empty
# folder of the copy, which is let pass (a file in it is not).
"$WINE" wineboot -r
wineserver -w
snapshot | grep -v '/Temp/~nsu[^/]*\.tmp$' > "$WORK/after.txt"
diff "$WORK/before.txt" "$WORK/after.txt" || fail "the uninstall left files in the prefix"
echo "ok: uninstall leaves the prefix as before"
