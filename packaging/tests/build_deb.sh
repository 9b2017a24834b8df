#!/usr/bin/env bash
# Builds the Debian package from the build tree into a fresh directory.
# Usage: build_deb.sh <cpack> <CPackConfig.cmake> <output dir>
set -euo pipefail
cpack=$1 config=$2 out=$3
rm -rf "$out"
"$cpack" -G DEB --config "$config" -B "$out"
ls "$out"/*.deb
