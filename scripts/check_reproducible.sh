#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks that a release is the same byte for byte whoever makes it, where and
# when: makes the release of the checked-out commit twice with
# scripts/release.sh, from two clones at two paths, the second later and with
# another umask, time zone and locale, and compares every file of the two
# dist/ (diffoscope shows what differs). Then unpacks the source tarball,
# checks that it holds the commit's files, makes the Debian package from it
# and compares that with the release's; on an older Debian, it installs and
# starts that package in a root of the newest. Run by test.sh.
#
# The clones are kept in a per-machine cache and brought to the commit, so
# that a second run builds only what changed; the tarball is built afresh. In
# an unpacked source tarball, without .git, it releases two fresh copies of
# the sources instead, and has no tarball to check.
# Usage: scripts/check_reproducible.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/setup.sh
source scripts/lib/windows.sh
started=$SECONDS

mostaric_install_packages "${MOSTARIC_TEST_PACKAGES[@]}"
commit=
if [ -e .git ]; then
  commit=$(git rev-parse HEAD)
  if [ -n "$(git status --porcelain)" ]; then
    echo "Note: the release check takes the commit $commit; uncommitted changes are not in it"
  fi
fi

cache=$MOSTARIC_CACHE/release-check
first=$cache/first
second=/var/tmp/mostaric-$(id -u)/release-check/second-clone
mkdir -p "$cache"
# One check at a time on a machine: a second test command waits for the
# first's, then brings the clones to its own commit.
exec {lock}> "$cache.lock"
flock "$lock"

# Brings the clone at $1 to the commit: the same files as a fresh clone, with
# the build trees of the last check kept. Without .git, a fresh copy: the
# unpacked files carry the commit's time, older than any kept build.
clone_at() {
  if [ -z "$commit" ]; then
    rm -rf "$1"
    mkdir -p "$1"
    tar -C . --exclude='./build*' --exclude=./dist -cf - . | tar -C "$1" -xf -
    return
  fi
  if [ ! -d "$1/.git" ]; then
    rm -rf "$1"
    mkdir -p "$(dirname "$1")"
    git clone -q --no-checkout "$PWD" "$1"
  fi
  git -C "$1" fetch -q "$PWD" "$commit"
  # A tree keeps the path of the toolchain file it was first configured
  # with: where the toolchains changed, the trees are made afresh.
  local kept=(-e '/build*/')
  git -C "$1" diff --quiet HEAD "$commit" -- 'cmake/toolchain*' 2> /dev/null || kept=()
  git -C "$1" checkout -q --force --detach "$commit"
  git -C "$1" clean -q -ffdx "${kept[@]}"
}

# Releases in the clone at $1 with the environment settings that follow; no
# signing setting of the caller's can reach the compared files.
release_in() {
  local dir=$1 log
  log=$cache/$(basename "$1").log
  shift
  echo "Releasing ${commit:-the unpacked sources} in $dir ($*)"
  if ! (cd "$dir" && for name in "${MOSTARIC_SIGN_SETTINGS[@]}" SOURCE_DATE_EPOCH; do unset "$name"; done &&
      env "$@" scripts/release.sh --any-debian) > "$log" 2>&1; then
    tail -n 40 "$log"
    echo "FAIL: the release in $dir failed (log: $log)"
    exit 1
  fi
}

clone_at "$first"
clone_at "$second"
(umask 022 && release_in "$first" TZ=UTC LC_ALL=C.UTF-8)
(umask 0002 && release_in "$second" TZ=Asia/Shanghai LC_ALL=zh_CN.UTF-8)

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
diff <(cd "$first/dist" && LC_ALL=C ls) <(cd "$second/dist" && LC_ALL=C ls) ||
  fail "the two releases made different files"
for path in "$first"/dist/*; do
  file=$(basename "$path")
  [ -f "$second/dist/$file" ] || continue
  if cmp -s "$path" "$second/dist/$file"; then
    printf 'same: %-40s %10s bytes\n' "$file" "$(stat -c %s "$path")"
  else
    fail "$file differs between the two releases:"
    diffoscope --no-progress "$path" "$second/dist/$file" | head -n 150 || true
  fi
done
cmp -s "$first/dist/SHA256SUMS" "$second/dist/SHA256SUMS" && (cd "$first/dist" && sha256sum -c --quiet SHA256SUMS) ||
  fail "SHA256SUMS does not hold for both releases"

# The source tarball: the commit's files, from which the release's Debian
# package comes again byte for byte.
if [ -n "$commit" ]; then
  tarballs=("$first"/dist/*.tar.xz)
  name=$(basename "${tarballs[0]}" .tar.xz)
  unpacked=$cache/tarball
  rm -rf "$unpacked"
  mkdir -p "$unpacked"
  tar -C "$unpacked" -xf "${tarballs[0]}"
  diff <(cd "$unpacked/$name" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort) \
    <(git ls-tree -r --name-only "$commit" | LC_ALL=C sort) ||
    fail "the source tarball does not hold exactly the commit's files"
  echo "Making the Debian package from $name.tar.xz in $unpacked"
  debs=("$first"/dist/*.deb)
  if (cd "$unpacked/$name" && umask 022 && cmake --workflow --preset deb &&
      cmp dist/"$(basename "${debs[0]}")" "${debs[0]}") > "$unpacked.log" 2>&1; then
    echo "same: the Debian package made from the source tarball"
  else
    tail -n 20 "$unpacked.log"
    fail "the Debian package made from the source tarball is not the release's (log: $unpacked.log)"
  fi
else
  echo "No .git: no source tarball was made from the unpacked sources"
fi

# The package made on the older release installs and starts on the newest.
if ! mostaric_is_newest_debian; then
  mostaric_try_deb_in_newest_root "$first"/dist/*.deb || fail "the Debian package does not start on Debian $MOSTARIC_NEWEST_DEBIAN"
fi

echo "Release check: $((SECONDS - started)) s"
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "Both releases of ${commit:-the unpacked sources} are the same byte for byte"
