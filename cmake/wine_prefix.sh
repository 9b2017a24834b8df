#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes afresh and starts (or with --remove ends and takes away) the
# Windows 10 prefix of the Windows tests, with the registry value
# "key|value|type|data" of MOSTARIC_WINE_SETTING where the test preset sets one.
# Usage: wine_prefix.sh <prefix> [--remove]
set -euo pipefail
export WINEPREFIX=$1
[ -d "$WINEPREFIX" ] && { wineserver -k 2> /dev/null || true; }
rm -rf "$WINEPREFIX"
[ "${2:-}" = --remove ] && exit 0

wineboot -i > /dev/null 2>&1
wine winecfg -v win10 > /dev/null 2>&1
# No window manager on the test display: Wine would wait for one.
settings=('HKCU\Software\Wine\X11 Driver|Managed|REG_SZ|N' ${MOSTARIC_WINE_SETTING:+"$MOSTARIC_WINE_SETTING"})
for setting in "${settings[@]}"; do
  IFS='|' read -r key value type data <<< "$setting"
  wine reg add "$key" /v "$value" /t "$type" /d "$data" /f > /dev/null 2>&1
  wineserver -w
  # reg query shows a DWORD in hexadecimal; grep reads to the end (pipefail).
  shown=$data
  [ "$type" = REG_DWORD ] && shown=$(printf '0x%x' "$data")
  wine reg query "$key" /v "$value" 2> /dev/null | tr -d '\r' | grep "$type *$shown\$" > /dev/null ||
    { echo "FAIL: could not set $value to $data in $WINEPREFIX" >&2; exit 1; }
  echo "$key\\$value = $data"
done
wineserver -w
# A server kept running between the tests spares each test the prefix's
# start (about 3 of its 4 seconds); --remove ends it, or two idle minutes.
# Its services start here, on no test's output: CTest would wait for them.
wineserver -p120 < /dev/null > /dev/null 2>&1
wine cmd /c exit < /dev/null > /dev/null 2>&1
