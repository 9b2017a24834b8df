#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the release of the checked-out commit twice, from two clones at two
# paths with another umask, time zone and locale, and compares every file
# (diffoscope shows what differs). Checks that the source tarball holds the
# commit's files and gives the same .deb, and on an older Debian starts that
# .deb in a root of the newest. The clones are kept in the per-machine cache,
# so that a second run builds only what changed; without .git it releases two
# copies of the sources and has no tarball to check. A commit that passed
# with the same packages, root and Qt for Windows is not checked again.
# Usage: scripts/check_reproducible.sh [--again]
#   --again  check a commit that passed already
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/setup.sh
source scripts/lib/windows.sh
started=$SECONDS
again=no
case "${1:-}" in
  --again) again=yes ;;
  "") ;;
  *) echo "Usage: scripts/check_reproducible.sh [--again]" >&2; exit 2 ;;
esac

mostaric_install_packages "${MOSTARIC_TEST_PACKAGES[@]}"
commit=
if [ -e .git ]; then
  commit=$(git rev-parse HEAD)
  [ -z "$(git status --porcelain)" ] || echo "Note: the release check takes the commit $commit, without uncommitted changes"
fi

cache=$MOSTARIC_CACHE/release-check
first=$cache/first
second=/var/tmp/mostaric-$(id -u)/release-check/second-clone
mkdir -p "$cache"
# One check at a time: the clones are shared.
exec {lock}> "$cache.lock"
flock "$lock"

# What a release is made from, besides the commit: every package of this
# machine and of the newest release's root, and the Qt for Windows in use.
passed=
if [ -n "$commit" ]; then
  mostaric_is_newest_debian || mostaric_make_newest_root
  passed=$cache/passed-$({ echo "$commit"; dpkg-query -W
    [ -z "${MOSTARIC_NEWEST_ROOT:-}" ] || dpkg-query --admindir="$MOSTARIC_NEWEST_ROOT/var/lib/dpkg" -W
    readlink "$MOSTARIC_CACHE/qt-windows/current"; } | sha256sum | cut -c1-16)
  if [ "$again" = no ] && [ -f "$passed" ]; then
    echo "Release check: $commit passed on $(cat "$passed") with the same packages and Qt; not made again (--again makes it)"
    exit 0
  fi
fi

# Brings the clone at $1 to the commit, with the last check's build trees.
clone_at() {
  if [ -z "$commit" ]; then
    rm -rf "$1" && mkdir -p "$1"
    tar -C . --exclude='./build*' --exclude=./dist -cf - . | tar -C "$1" -xf -
    return
  fi
  [ -d "$1/.git" ] || { rm -rf "$1" && mkdir -p "$(dirname "$1")" && git clone -q --no-checkout "$PWD" "$1"; }
  git -C "$1" fetch -q "$PWD" "$commit"
  # A tree keeps the toolchain file it was configured with: made afresh.
  local kept=(-e '/build*/')
  git -C "$1" diff --quiet HEAD "$commit" -- 'cmake/toolchain*' 2> /dev/null || kept=()
  git -C "$1" checkout -q --force --detach "$commit"
  git -C "$1" clean -q -ffdx "${kept[@]}"
}

# Releases in the clone at $1 with the settings that follow, none of the
# caller's signing settings.
release_in() {
  local dir=$1 log
  log=$cache/$(basename "$1").log
  shift
  echo "Releasing ${commit:-the unpacked sources} in $dir ($*)"
  (cd "$dir" && unset "${MOSTARIC_SIGN_SETTINGS[@]}" SOURCE_DATE_EPOCH && env "$@" scripts/release.sh --any-debian) \
    > "$log" 2>&1 || { tail -n 40 "$log"; echo "FAIL: the release in $dir failed (log: $log)"; exit 1; }
}

clone_at "$first"
clone_at "$second"
(umask 022 && release_in "$first" TZ=UTC LC_ALL=C.UTF-8)
(umask 0002 && release_in "$second" TZ=Asia/Shanghai LC_ALL=zh_CN.UTF-8)

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
(cd "$first/dist" && ls -l && sha256sum -c --quiet SHA256SUMS) || fail "SHA256SUMS does not hold"
# The files and their bytes; not their modes and times, which no download carries.
diffoscope --no-progress --exclude-directory-metadata=recursive "$first/dist" "$second/dist" | head -n 300 ||
  fail "the two releases differ"

# The release's files by their names (packaging/Downloads.cmake).
deb=$first/dist/$(cmake -D PRINT=DEB -P "$first/packaging/Downloads.cmake")
# The tarball holds the commit's files and gives the release's .deb again.
if [ -n "$commit" ]; then
  tarball=$first/dist/$(cmake -D PRINT=TARBALL -P "$first/packaging/Downloads.cmake") unpacked=$cache/tarball
  name=$(basename "$tarball" .tar.xz)
  rm -rf "$unpacked" && mkdir -p "$unpacked" && tar -C "$unpacked" -xf "$tarball"
  diff <(cd "$unpacked/$name" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) \
    <(git ls-tree -r --name-only "$commit" | LC_ALL=C sort) || fail "the tarball does not hold the commit's files"
  (cd "$unpacked/$name" && umask 022 && cmake --workflow --preset deb && cmp "dist/${deb##*/}" "$deb") \
    > "$unpacked.log" 2>&1 || { tail -n 20 "$unpacked.log"; fail "the tarball does not give the release's .deb"; }
fi
if ! mostaric_is_newest_debian; then
  mostaric_try_deb_in_newest_root "$deb" || fail "the Debian package does not start on Debian $MOSTARIC_NEWEST_DEBIAN"
fi

echo "Release check: $((SECONDS - started)) s, $failures failure(s)"
[ "$failures" -eq 0 ] || exit 1
# Only the last commit's pass is kept.
[ -z "$passed" ] || { rm -f "$cache"/passed-* && date -u '+%F %T UTC' > "$passed"; }
