#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds a static Qt for 64-bit Windows from Debian's qt6-base source
# package (Debian's patches applied) with mingw-w64, Debian's installed Qt of
# the same version serving as the host tools, and only what Mostaric's
# programs and tests link. Kept in the per-machine cache, keyed by the source
# and compiler versions and every file that shapes the build; the windows
# preset finds the one for these sources at $MOSTARIC_CACHE/qt-windows/current.
# Usage: scripts/build_qt_windows.sh [--print-prefix]
#   --print-prefix  only print where the cached Qt is (or would be) installed
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
source "$here/scripts/lib/setup.sh"

step() { printf '[qt-windows] %s\n' "$*" >&2; }
fail() { printf '[qt-windows] FAILED at step: %s\n' "$*" >&2; exit 1; }

qt_version=$(dpkg-query -W -f='${Version}' qt6-base-dev 2>/dev/null) ||
  fail "find the installed qt6-base-dev (install it first)"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)

# The key: the versions, and the files that shape the build, less their
# comments.
features=$here/cmake/QtWindowsFeatures.cmake
toolchain=$here/cmake/toolchain_mingw64.cmake
patch=$here/cmake/qt_windows.patch
settings=$(grep -v '^ *#' "$features")
key_text=$(echo "qt6-base $qt_version"; x86_64-w64-mingw32-g++-posix -dumpfullversion 2>/dev/null || true
  grep -hv '^ *#' "$features" "$toolchain" "${BASH_SOURCE[0]}"; cat "$patch")
key=$(sha256sum <<< "$key_text" | cut -c1-12)
# The same bytes on any machine: a fixed prefix compiled in (not the cache),
# source and build paths mapped to fixed names, and times from the source
# package's changelog.
fixed_prefix=/opt/mostaric-qt-windows
cache_root=$MOSTARIC_CACHE/qt-windows
prefix="$cache_root/${qt_version//[^A-Za-z0-9.+-]/_}-$key"
[ "${1:-}" != --print-prefix ] || { echo "$prefix"; exit 0; }

# One builder at a time, also of the work folder.
mkdir -p "$cache_root"
exec {lock}> "$cache_root.lock"
flock "$lock"
# Where the windows preset looks, for these sources.
use_prefix() { ln -sfn "$(basename "$prefix")" "$cache_root/current"; echo "$prefix"; }
[ ! -f "$prefix/.complete" ] || { use_prefix; exit 0; }
step "building static Qt ${qt_version} for x86_64-w64-mingw32 into $prefix (once per machine and settings)"
work="$cache_root/work-$key"
rm -rf "$prefix"
# An interrupted run's configured tree is compiled on.
if [ -f "$work/configured" ]; then
  src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
  step "resuming the interrupted build in $work"
else
rm -rf "$work"
mkdir -p "$work/apt/lists/partial" "$work/apt/archives/partial"

# Fetched through a private deb-src list made from the system's deb entries,
# the system's apt configuration untouched.
step "1/5 source list for qt6-base ${qt_version}"
parts="$work/apt/parts"
mkdir -p "$parts"
for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
  [ -f "$f" ] && sed -n 's/^deb \(.*\)/deb-src \1/p' "$f"
done > "$parts/mostaric-src.list"
for f in /etc/apt/sources.list.d/*.sources; do
  [ -f "$f" ] && awk -v RS= '/Types:.*deb/ { sub(/Types:[^\n]*/, "Types: deb-src"); print; print "" }' "$f"
done > "$parts/mostaric-src.sources"
apt_private=(
  -o "Dir::Etc::SourceList=/dev/null" -o "Dir::Etc::SourceParts=$parts"
  -o "Dir::State::Lists=$work/apt/lists"
  -o "Dir::Cache::Archives=$work/apt/archives"
  -o "Dir::Cache::pkgcache=" -o "Dir::Cache::srcpkgcache=")

step "2/5 fetching the qt6-base ${qt_version} source package (apt-get source)"
apt-get "${apt_private[@]}" -qq update || fail "apt-get update of the deb-src list"
(cd "$work" && apt-get "${apt_private[@]}" -qq source "qt6-base=${qt_version}") ||
  fail "apt-get source qt6-base=${qt_version}"
src=$(find "$work" -maxdepth 1 -type d -name 'qt6-base-*' | head -n1)
[ -d "$src/src/corelib" ] || fail "unpacking the source package (dpkg-source applies Debian's patches)"
cp "$src/debian/patches/series" "$work/applied-patches.txt" 2>/dev/null || true
patch -d "$src" -p1 --forward < "$patch" || fail "apply $patch"

step "3/5 configuring (CMake, Ninja)"
# GCC tries the last map first.
maps="-ffile-prefix-map=$work=/usr/src -ffile-prefix-map=$work/build=/usr/src/qt6-base-build"
cmake -S "$src" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
  -DCMAKE_INSTALL_PREFIX="$fixed_prefix" \
  -DCMAKE_C_FLAGS="$maps" -DCMAKE_CXX_FLAGS="$maps" \
  -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
  -C "$features" > "$work/configure.log" 2>&1 ||
  { tail -n 40 "$work/configure.log" >&2; fail "configure (log: $work/configure.log)"; }
touch "$work/configured"
fi

SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$src/debian/changelog" -STimestamp) ||
  fail "read the time of the source package's changelog"
export SOURCE_DATE_EPOCH QT_RCC_SOURCE_DATE_OVERRIDE=$SOURCE_DATE_EPOCH

step "4/5 compiling ($(nproc) jobs)"
ninja -C "$work/build" -j "$(nproc)" | awk '/^\[[0-9]+\/[0-9]+\]/ { n++; if (n % 50 == 0) { print $1 > "/dev/stderr" } next } { print > "/dev/stderr" }'
[ "${PIPESTATUS[0]}" -eq 0 ] || fail "compile (ninja -C $work/build)"

step "5/5 installing"
rm -rf "$work/stage"
DESTDIR="$work/stage" cmake --install "$work/build" > "$work/install.log" 2>&1 ||
  fail "install (log: $work/install.log)"
# Qt's CMake packages find their files from where they lie.
mkdir -p "$(dirname "$prefix")"
mv "$work/stage$fixed_prefix" "$prefix" || fail "move the staged install to $prefix"
# Where this Qt came from, for the Windows program's licence notice.
printf '%s\n' "Source: Debian source package qt6-base, version ${qt_version}" \
  "Release: Debian $(. /etc/os-release && echo "$VERSION_ID")" \
  "Patches: Debian's series, as applied by dpkg-source, then mostaric-qt-windows.patch" \
  "Configure: cmake -C with this initial cache (cmake/QtWindowsFeatures.cmake):" \
  "$settings" > "$prefix/MOSTARIC-QT-SOURCE.txt"
cp "$work/applied-patches.txt" "$prefix/debian-patches-series.txt" 2>/dev/null || true
cp "$patch" "$prefix/mostaric-qt-windows.patch"
mkdir -p "$prefix/licenses"
cp "$src"/LICENSES/* "$prefix/licenses/" 2>/dev/null || true
cp "$src/debian/copyright" "$prefix/licenses/debian-copyright" 2>/dev/null || true
touch "$prefix/.complete"
rm -rf "$work"
step "done"
use_prefix
