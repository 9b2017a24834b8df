#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the Windows program under Wine on the test command's X display,
# waits for its main window "欢迎使用", saves a picture of the screen, clicks
# "退  出" and checks that it ends with status 0.
# Usage: wine_smoke_test.sh <mostaric.exe> <screenshot.png>
set -uo pipefail
exe=$1 shot=$2
fail() { echo "FAIL: $*"; exit 1; }
[ -n "${DISPLAY:-}" ] || fail "no DISPLAY: run it on an X server, e.g. under xvfb-run"
[ -n "${WINEPREFIX:-}" ] || fail "no WINEPREFIX: the wine_prefix test makes one"
# "退  出"'s centre and the client area's size in the form's pixels, as the
# Windows tree reads them from the form.
read -r button_x button_y form_width form_height <<< "${MOSTARIC_EXIT_BUTTON:-}"
[ -n "${form_height:-}" ] || fail "no MOSTARIC_EXIT_BUTTON: the Windows tree sets it for this test"

wine "$exe" &
pid=$!
shown=no
for _ in $(seq 120); do
  if xwininfo -root -tree | grep -qiF "\"欢迎使用\": (\"$(basename "$exe")\""; then shown=yes; break; fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
[ "$shown" = yes ] || { kill "$pid" 2>/dev/null; fail "no window \"欢迎使用\" within 60 s"; }
sleep 1
import -window root "$shot" || fail "could not take the screenshot"
# The client area is scaled as a whole with the screen; Wine's own frame is
# 3 pixels at the sides and bottom.
read -r x y < <(xwininfo -name "欢迎使用" | awk -v bx="$button_x" -v by="$button_y" \
  -v fw="$form_width" -v fh="$form_height" '
  /Absolute upper-left X/ { left = $NF } /Absolute upper-left Y/ { top = $NF }
  /Width:/ { w = $NF } /Height:/ { h = $NF }
  END { s = (w - 6) / fw; printf "%d %d\n", left + 3 + bx * s, top + h - 3 - (fh - by) * s }')
xdotool mousemove "$x" "$y" click 1 || fail "could not click \"退  出\""
for _ in $(seq 60); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "still running 30 s after \"退  出\""; }
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "ended with status $status"
echo "mostaric.exe showed \"欢迎使用\" and ended with status 0; screen in $shot"
