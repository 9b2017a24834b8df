#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The installer under Wine, silently: files (as the zip's), shortcut and
# uninstall entry; the program starts; a second install over a damaged copy;
# the uninstall leaves the prefix as before.
# Usage: check_install.sh <installer> <zip> <wine> <cmake> <app id> <install folder>
#                         <program file name> <display name> <version> <publisher>
set -euo pipefail
setup=$1 zip=$2 app_id=$5 install_folder=$6 exe=$7 display_name=$8 version=$9 publisher=${10}
# shellcheck source=wine_env.sh
source "$(dirname "$0")/wine_env.sh"
mostaric_package_test "$setup" "$3"
packaged=$WORK/packaged
unpack_zip "$zip" "$packaged" "$4"

key="HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app_id"
local_app_data=$(unix_path "$("$WINE" cmd /c echo %LOCALAPPDATA% | tr -d '\r')")
start_menu=$(unix_path "$("$WINE" cmd /c echo %APPDATA% | tr -d '\r')")/Microsoft/Windows/"Start Menu"/Programs
dir=$local_app_data/Programs/$install_folder
shortcut=$start_menu/$display_name.lnk
snapshot() { (cd "$WINEPREFIX" && find drive_c | LC_ALL=C sort); }
wineserver -w
snapshot > "$WORK/before.txt"

install() { "$WINE" "$setup" /S && wineserver -w; }

# Every file of the zip is installed as it is, and nothing else but the uninstaller.
check_installed() {
  [ -f "$dir/uninstall.exe" ] && diff -r -x uninstall.exe "$packaged" "$dir" ||
    fail "the installed files are not the packaged ones and the uninstaller"
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
DisplayName|$display_name
DisplayVersion|$version
Publisher|$publisher
DisplayIcon|$("$WINE" winepath -w "$dir" 2> /dev/null | tr -d '\r')\\$exe,0
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

start_and_close "$dir/$exe"

# Over a damaged copy: both files replaced, entry and shortcut once.
echo broken > "$dir/$exe"
rm "$dir/README.txt"
install
check_installed
[ "$("$WINE" reg query "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall" | tr -d '\r' | grep -c "$app_id\$")" -eq 1 ] ||
  fail "not exactly one uninstall entry after the second install"
echo "ok: second install over the first"

# By its Windows path, as "Apps & features" runs it.
"$WINE" "$(reg_value "$entry" InstallLocation)\\uninstall.exe" /S
wineserver -w
[ ! -e "$dir" ] || fail "the uninstaller left $(find "$dir" | head -5)"
[ ! -e "$shortcut" ] || fail "the uninstaller left the shortcut"
! "$WINE" reg query "$key" > /dev/null 2>&1 || fail "the uninstaller left the uninstall entry"
# Windows removes the uninstaller's copy in Temp at the next start; Wine's
# restart leaves its empty folder, which is let pass.
"$WINE" wineboot -r
wineserver -w
snapshot | grep -v '/Temp/~nsu[^/]*\.tmp$' > "$WORK/after.txt"
diff "$WORK/before.txt" "$WORK/after.txt" || fail "the uninstall left files in the prefix"
echo "ok: uninstall leaves the prefix as before"
