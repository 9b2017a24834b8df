# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the Wine tests: a fresh copy of the booted template prefix as
# WINEPREFIX, removed again at the end, and helpers that start, find and
# close the program. Fails, saying why, where the display, the template or
# a tool is missing.

fail() { echo "FAIL: $*" >&2; exit 1; }

mostaric_wine_prefix() {
  local wine=$1 tool
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

# A key as `wine reg export` writes it, in UTF-8: `reg query` prints through
# the console's code page, which turns Chinese into question marks.
reg_export() {
  rm -f "$WORK/key.reg"
  "$WINE" reg export "$1" "$WORK/key.reg" /y > /dev/null 2>&1 || return 1
  iconv -f UTF-16 -t UTF-8 "$WORK/key.reg" | tr -d '\r'
}

# One value of an exported key: a string's text, or dword:<8 hex digits>.
reg_value() {
  sed -n "s/^\"$2\"=//p" <<< "$1" | sed 's/^"\(.*\)"$/\1/; s/\\"/"/g; s/\\\\/\\/g'
}

# Starts a program file, waits up to 60 s for its main window, the one titled
# "欢迎使用", then closes it as a user would and waits for it to end.
start_and_close() {
  local exe=$1 found= i
  (cd "$(dirname "$exe")" && "$WINE" "$exe" > "$WORK/run.log" 2>&1) &
  local pid=$!
  for i in $(seq 120); do
    if xwininfo -root -tree | grep -q '"欢迎使用": '; then found=1; break; fi
    kill -0 "$pid" 2> /dev/null || break
    sleep 0.5
  done
  [ -n "$found" ] || { cat "$WORK/run.log" >&2; fail "$exe showed no window titled 欢迎使用"; }
  echo "ok: $(basename "$exe") shows its window 欢迎使用"
  # taskkill without /F asks the windows to close (WM_CLOSE), as the close
  # box does. Under Wine the program reads that message only once some input
  # wakes it, hence the pointer moving over the window; and a request made
  # while it is still starting up may go unseen, hence the repeats.
  for i in $(seq 60); do
    kill -0 "$pid" 2> /dev/null || break
    if [ $((i % 10)) -eq 1 ]; then
      "$WINE" taskkill /IM "$(basename "$exe")" > /dev/null 2>&1 || true
    fi
    xdotool search --name '^欢迎使用$' mousemove --window %1 $((10 + i % 2)) 10 > /dev/null 2>&1 || true
    sleep 0.5
  done
  ! kill -0 "$pid" 2> /dev/null || fail "$exe did not end when its window was closed"
  wait "$pid" || true
}
