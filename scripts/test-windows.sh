#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows part of the test command: builds the static Qt for Windows (once
# per machine), the windows preset's tree, and runs its suites under Wine in
# throwaway Windows 10 prefixes on a private Xvfb: once as they are, once with
# a comma as the decimal symbol, and the windows-platform tests once at 144 dpi.
# Sourced by test.sh and scripts/release.sh after scripts/setup.sh.

MOSTARIC_WINDOWS_TEST_PACKAGES=(
  g++-mingw-w64-x86-64-posix ninja-build dpkg-dev
  wine wine64 xvfb xauth x11-utils xdotool imagemagick
  "${MOSTARIC_WINDOWS_PACKAGE_TOOLS[@]}"
)

# Makes sure the static Qt for Windows exists, then configures and builds the
# windows preset's tree (the program, its suites, the installer and the zip),
# setting MOSTARIC_BUILD_DIR to it. scripts/release.sh builds through it too.
mostaric_build_windows() {
  mostaric_install_packages "${MOSTARIC_WINDOWS_TEST_PACKAGES[@]}" || return 1
  bash scripts/build-qt-windows.sh > /dev/null || return 1
  mostaric_configure windows || return 1
  mostaric_build windows
}

mostaric_test_windows() {
  mostaric_build_windows || return 1

  local wine_root display=:71 xvfb_pid status=0
  wine_root=$(mktemp -d /tmp/mostaric-wine.XXXXXX)
  while [ -e "/tmp/.X${display#:}-lock" ]; do display=:$((${display#:} + 1)); done
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp > /dev/null 2>&1 &
  xvfb_pid=$!
  export DISPLAY=$display WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  export MOSTARIC_WINE_TEMPLATE_PREFIX=$wine_root/windows10

  echo "Making a Windows 10 prefix for Wine in $wine_root"
  WINEPREFIX=$MOSTARIC_WINE_TEMPLATE_PREFIX wineboot -i > /dev/null 2>&1 &&
    WINEPREFIX=$MOSTARIC_WINE_TEMPLATE_PREFIX wine winecfg -v win10 > /dev/null 2>&1 &&
    # No window manager runs on the private display: Wine would wait two
    # seconds for one each time a window it lets a manager handle is hidden.
    WINEPREFIX=$MOSTARIC_WINE_TEMPLATE_PREFIX wine reg add 'HKCU\Software\Wine\X11 Driver' \
      /v Managed /t REG_SZ /d N /f > /dev/null 2>&1 &&
    WINEPREFIX=$MOSTARIC_WINE_TEMPLATE_PREFIX wineserver -w || status=1
  mostaric_wine_variant comma 'HKCU\Control Panel\International' sDecimal REG_SZ , || status=1
  mostaric_wine_variant dpi144 'HKCU\Control Panel\Desktop' LogPixels REG_DWORD 144 || status=1

  if [ "$status" -eq 0 ]; then
    WINEPREFIX=$MOSTARIC_WINE_TEMPLATE_PREFIX ctest --preset windows || status=1
    echo "Again with a comma as the decimal symbol"
    # The installer and the zip read no regional setting: they run once.
    WINEPREFIX=$wine_root/comma ctest --preset windows -E '_windows_platform$|^program_smoke' \
      -LE windows_package || status=1
    echo "The windows platform at 144 dpi"
    WINEPREFIX=$wine_root/dpi144 ctest --preset windows -R '_windows_platform$|^program_smoke' || status=1
    WINEPREFIX=$MOSTARIC_WINE_TEMPLATE_PREFIX bench/run_windows_startup_benchmark.sh build-windows ||
      status=1
  fi
  # Clean-up may find a server or Xvfb already gone: that is no failure.
  for prefix in "$wine_root"/*; do WINEPREFIX=$prefix wineserver -k 2>/dev/null || true; done
  kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$wine_root"
  return "$status"
}

# A copy of the Windows 10 prefix with one registry value changed.
mostaric_wine_variant() {
  local name=$1 key=$2 value=$3 type=$4 data=$5 prefix shown
  prefix=$(dirname "$MOSTARIC_WINE_TEMPLATE_PREFIX")/$name
  # reg query shows a DWORD in hexadecimal: 144 as 0x90. grep reads to the
  # end, so that no writer of the pipe dies of SIGPIPE under pipefail.
  shown=$data
  [ "$type" = REG_DWORD ] && shown=$(printf '0x%x' "$data")
  cp -a "$MOSTARIC_WINE_TEMPLATE_PREFIX" "$prefix" &&
    WINEPREFIX=$prefix wine reg add "$key" /v "$value" /t "$type" /d "$data" /f > /dev/null 2>&1 &&
    WINEPREFIX=$prefix wineserver -w &&
    WINEPREFIX=$prefix wine reg query "$key" /v "$value" 2>/dev/null | tr -d '\r' |
    grep "$type *$shown\$" > /dev/null || { echo "Could not set $value to $data in the $name prefix" >&2; return 1; }
}
