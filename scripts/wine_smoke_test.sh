#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Starts the Windows program under Wine on the test command's X display,
# waits for its main window "欢迎使用", saves a picture of the screen, asks it
# to close as the close box does (which ends it as "退  出" does) and checks
# that it ends with status 0.
# Usage: wine_smoke_test.sh <mostaric.exe> <screenshot.png>
set -uo pipefail
exe=$1 shot=$2
fail() { echo "FAIL: $*"; exit 1; }
[ -n "${DISPLAY:-}" ] || fail "no DISPLAY: scripts/test-windows.sh starts Xvfb for this test"
[ -n "${WINEPREFIX:-}" ] || fail "no WINEPREFIX: scripts/test-windows.sh makes one for this test"

wine "$exe" &
pid=$!
shown=no
for _ in $(seq 120); do
  if xwininfo -root -tree | grep -q '"欢迎使用": ("mostaric.exe"'; then shown=yes; break; fi
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.5
done
[ "$shown" = yes ] || { kill "$pid" 2>/dev/null; fail "no window \"欢迎使用\" within 60 s"; }
sleep 1
import -window root "$shot" || fail "could not take the screenshot"
wine taskkill /im mostaric.exe > /dev/null 2>&1
for _ in $(seq 60); do kill -0 "$pid" 2>/dev/null || break; sleep 0.5; done
kill -0 "$pid" 2>/dev/null && { kill "$pid"; fail "still running 30 s after it was asked to close"; }
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "ended with status $status"
echo "mostaric.exe showed \"欢迎使用\" and ended with status 0; screen in $shot"
