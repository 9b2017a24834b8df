#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the installed program on a private Xvfb and checks that it opens
# its main window and keeps running.
# Usage: check_installed_program.sh [program]
set -euo pipefail
if [ -z "${MOSTARIC_ON_XVFB:-}" ]; then
  MOSTARIC_ON_XVFB=1 exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$@"
fi
program=${1:-/usr/bin/mostaric}
title=欢迎使用
log=$(mktemp)
"$program" > "$log" 2>&1 &
pid=$!
trap 'kill "$pid" 2> /dev/null || true; rm -f "$log"' EXIT
for _ in $(seq 100); do
  if xwininfo -root -tree 2> /dev/null | grep -q "\"$title\""; then
    kill -0 "$pid" 2> /dev/null || break
    echo "$program shows its \"$title\" window ($(dpkg-query -W -f='${Version}' mostaric 2>/dev/null || echo 'not from a package'))"
    exit 0
  fi
  kill -0 "$pid" 2> /dev/null || break
  sleep 0.2
done
echo "FAIL: $program showed no \"$title\" window; it printed:" >&2
cat "$log" >&2
exit 1
