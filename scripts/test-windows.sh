#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# The Windows part of the test command: builds the static Qt for Windows (once
# per machine), the windows preset's tree, and runs its suites under Wine in
# throwaway Windows 10 prefixes on a private Xvfb: once as they are, once with
# a comma as the decimal symbol, and the windows-platform tests once at 144 dpi.
# Qt for Windows is the newest Debian release's: on an older machine it and
# the tree are built in that release's root (scripts/newest-debian.sh) and
# Wine runs the suites outside. Sourced by test.sh, scripts/build-windows.sh
# and scripts/release.sh after scripts/setup.sh.

source "$(dirname "${BASH_SOURCE[0]}")/newest-debian.sh"

# What builds the program, its Qt, the installer and the zip.
MOSTARIC_WINDOWS_BUILD_PACKAGES=(
  cmake g++-mingw-w64-x86-64-posix ninja-build dpkg-dev qt6-base-dev
  nsis osslsigncode zip
)
# What runs and pictures them.
MOSTARIC_WINDOWS_TEST_PACKAGES=(
  wine wine64 xvfb xauth x11-utils xdotool imagemagick python3-pefile
  "${MOSTARIC_WINDOWS_PACKAGE_TOOLS[@]}"
)

# Makes sure Qt for Windows is there and builds the windows preset's tree;
# sets MOSTARIC_BUILD_DIR to it. The tree is configured where it is built,
# so its directory comes back on descriptor 3.
mostaric_build_windows() {
  # The suites run on this machine: the tree names this machine's Wine and
  # Python, where it has them, wherever the tree is built.
  local tool tools=() steps
  for tool in MOSTARIC_WINE=wine Python3_EXECUTABLE=python3; do
    command -v "${tool#*=}" > /dev/null && tools+=("-D${tool%%=*}=$(command -v "${tool#*=}")")
  done
  # A tree configured with another Qt (its key changed) is configured afresh,
  # since its cache holds that Qt's paths.
  steps="qt=\$(bash scripts/build-qt-windows.sh) && source scripts/setup.sh && fresh= &&
    { grep -qxF \"MOSTARIC_QT_WINDOWS_PREFIX:PATH=\$qt\" build-windows/CMakeCache.txt 2> /dev/null ||
      fresh=--fresh; } &&
    mostaric_configure windows \$fresh ${tools[*]} && mostaric_build windows &&
    echo \"\$MOSTARIC_BUILD_DIR\" >&3"
  { MOSTARIC_BUILD_DIR=$(
      if mostaric_is_newest_debian; then
        mostaric_install_packages "${MOSTARIC_WINDOWS_BUILD_PACKAGES[@]}" >&4 && bash -c "$steps" 3>&1 >&4
      else
        mostaric_make_newest_root >&4 && mostaric_in_newest_root "$steps" 3>&1 >&4
      fi); } 4>&1 || return 1
  [ -n "$MOSTARIC_BUILD_DIR" ]
}

mostaric_test_windows() {
  mostaric_install_packages "${MOSTARIC_WINDOWS_TEST_PACKAGES[@]}" || return 1
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
