# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Wine tests: a copy of the template prefix as WINEPREFIX,
# and helpers; fails, saying why, where the display or a tool is missing.

fail() { echo "FAIL: $*" >&2; exit 1; }
MOSTARIC_SMOKE_TEST=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../../ui/tests" && pwd)/wine_smoke_test.sh

# Unpacks zip $1 into $2 with CMake $3.
unpack_zip() { mkdir -p "$2" && (cd "$2" && "$3" -E tar xf "$1"); }

# The package file $1 must exist; a fresh prefix for the wine program $2.
mostaric_package_test() {
  local wine=$2 tool
  [ -f "$1" ] || fail "no $1 (cpack --preset windows makes it)"
  [ -x "$wine" ] || fail "wine not found (package wine)"
  for tool in wineserver xwininfo xdotool iconv; do
    command -v "$tool" > /dev/null || fail "$tool not found (packages wine, x11-utils, xdotool)"
  done
  [ -n "${DISPLAY:-}" ] || fail "DISPLAY is not set: the tests need a running X server (Xvfb)"
  [ -n "${MOSTARIC_WINE_TEMPLATE_PREFIX:-}" ] && [ -f "$MOSTARIC_WINE_TEMPLATE_PREFIX/system.reg" ] ||
    fail "MOSTARIC_WINE_TEMPLATE_PREFIX does not name a booted Wine prefix"
  WINE=$wine
  WORK=$(mktemp -d)
  export WINEPREFIX=$WORK/prefix WINEDEBUG=-all
  cp -a "$MOSTARIC_WINE_TEMPLATE_PREFIX" "$WINEPREFIX"
  trap 'wineserver -k 2> /dev/null || true; rm -rf "$WORK"' EXIT
}

# The Unix path of a Windows path in the prefix.
unix_path() { "$WINE" winepath -u "$1" 2> /dev/null | tr -d '\r'; }

# A key as `wine reg export` writes it, in UTF-8 (`reg query` loses Chinese).
reg_export() {
  rm -f "$WORK/key.reg"
  "$WINE" reg export "$1" "$WORK/key.reg" /y > /dev/null 2>&1 || return 1
  iconv -f UTF-16 -t UTF-8 "$WORK/key.reg" | tr -d '\r'
}

# One value of an exported key: a string's text, or dword:<8 hex digits>.
reg_value() {
  sed -n "s/^\"$2\"=//p" <<< "$1" | sed 's/^"\(.*\)"$/\1/; s/\\"/"/g; s/\\\\/\\/g'
}

# Starts a program from its own folder: "欢迎使用" shows, "退  出" ends it.
start_and_close() {
  (cd "$(dirname "$1")" && bash "$MOSTARIC_SMOKE_TEST" "$1" "$WORK/shown.png") ||
    fail "$1 did not show 欢迎使用 and end with status 0"
}
