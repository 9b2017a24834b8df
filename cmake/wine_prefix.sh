#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows 10 prefix the Windows tree's tests run in, made afresh (the test
# wine_prefix) and taken away again (wine_prefix_end, with --remove). Where
# the test preset sets MOSTARIC_WINE_SETTING to "key|value|type|data", the
# prefix carries that one registry value too, checked once written.
# Usage: wine_prefix.sh <prefix> [--remove]
set -euo pipefail
export WINEPREFIX=$1
[ -d "$WINEPREFIX" ] && { wineserver -k 2> /dev/null || true; }
rm -rf "$WINEPREFIX"
[ "${2:-}" = --remove ] && exit 0

wineboot -i > /dev/null 2>&1
wine winecfg -v win10 > /dev/null 2>&1
# No window manager runs on the test display: Wine would wait two seconds for
# one each time a window it lets a manager handle is hidden.
settings=('HKCU\Software\Wine\X11 Driver|Managed|REG_SZ|N' ${MOSTARIC_WINE_SETTING:+"$MOSTARIC_WINE_SETTING"})
for setting in "${settings[@]}"; do
  IFS='|' read -r key value type data <<< "$setting"
  wine reg add "$key" /v "$value" /t "$type" /d "$data" /f > /dev/null 2>&1
  wineserver -w
  # reg query shows a DWORD in hexadecimal: 144 as 0x90. grep reads to the
  # end, so that no writer of the pipe dies of SIGPIPE under pipefail.
  shown=$data
  [ "$type" = REG_DWORD ] && shown=$(printf '0x%x' "$data")
  wine reg query "$key" /v "$value" 2> /dev/null | tr -d '\r' | grep "$type *$shown\$" > /dev/null ||
    { echo "FAIL: could not set $value to $data in $WINEPREFIX" >&2; exit 1; }
  echo "$key\\$value = $data"
done
wineserver -w
