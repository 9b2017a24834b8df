#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Pictures of the installer's and uninstaller's pages under Wine, walked
# through with the Enter key, on DISPLAY in WINEPREFIX. Wine draws NSIS's 宋体
# only with a replacement face set in the prefix, e.g.
#   wine reg add 'HKCU\Software\Wine\Fonts\Replacements' /v 宋体 /d 'AR PL UMing CN'
# Usage: installer_screenshots.sh <installer> <out dir> <display name> <app id>
set -euo pipefail
setup=$1 shots=$2 display_name=$3 app_id=$4
: "${DISPLAY:?needs an X display}" "${WINEPREFIX:?needs a Wine prefix}"
export WINEDEBUG=-all
mkdir -p "$shots"

# The id of the visible top-level window of that title, after at most 30 s.
wait_window() {
  local id i
  for i in $(seq 60); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -1) || true
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.5
  done
  echo "installer_screenshots.sh: no window '$1'" >&2
  return 1
}

# Saves the window's picture, then presses Enter on its default button.
shoot_and_go_on() {
  local id=$1 name=$2
  sleep 1.5
  import -window "$id" "$shots/$name.png"
  echo "$shots/$name.png"
  xdotool key --window "$id" Return
}

wine "$setup" > /dev/null 2>&1 &
id=$(wait_window "$display_name 安装")
for page in 1-welcome 2-licence 3-folder; do shoot_and_go_on "$id" "installer-$page"; done
# The progress page goes on to the finish page by itself; its box, which
# would start the program, is unticked.
sleep 4
import -window "$id" "$shots/installer-4-finish.png"
echo "$shots/installer-4-finish.png"
xdotool key --window "$id" space Return
wait

install_dir=$(wine reg query "HKCU\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$app_id" \
  /v InstallLocation | tr -d '\r' | sed -n 's/.*REG_SZ *//p')
wine "$install_dir\\uninstall.exe" > /dev/null 2>&1 &
id=$(wait_window "$display_name 卸载 ?")
shoot_and_go_on "$id" uninstaller-1-confirm
sleep 3
shoot_and_go_on "$id" uninstaller-2-done
wineserver -w
