#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the release of the checked-out commit in dist/: source tarball, .deb,
# Windows installer and zip (signed where the signing settings are set), the
# web edition's zip, SHA256SUMS and the release notes. The same commit gives
# the same bytes. In an unpacked source tarball it makes everything but the
# tarball.
# Usage: scripts/release.sh [--any-debian]
#   --any-debian  go on on a Debian release other than the package's
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/lib/setup.sh
source scripts/lib/windows.sh

any_debian=no
for arg in "$@"; do
  case $arg in
    --any-debian) any_debian=yes ;;
    *) echo "Usage: scripts/release.sh [--any-debian]" >&2; exit 2 ;;
  esac
done

# A package built on a newer Debian depends on that Debian's library versions.
if [ "$(mostaric_debian_release)" != "$MOSTARIC_PACKAGE_DEBIAN" ] && [ "$any_debian" = no ]; then
  echo "release.sh: not Debian $MOSTARIC_PACKAGE_DEBIAN: the .deb would not install there (--any-debian goes on)" >&2
  exit 1
fi

# The programs come from the working tree, the tarball from the commit.
commit=
if [ -e .git ]; then
  changes=$(git status --porcelain)
  if [ -n "$changes" ]; then
    printf 'release.sh: commit or stash these changes first; the tarball would lack them:\n%s\n' "$changes" >&2
    exit 1
  fi
  commit=$(git rev-parse HEAD)
fi

mostaric_install_packages "${MOSTARIC_RUN_PACKAGES[@]}" "${MOSTARIC_PACKAGE_TOOLS[@]}"
rm -rf dist
# Configured afresh, so that no setting given by hand goes in; CPack gives
# the .deb's ar members the modes the umask leaves.
(umask 022 && cmake --workflow --preset deb --fresh)
# A release meant to be signed is never made unsigned, wherever it is built.
mostaric_for_windows 'cmake --workflow --preset windows-release && rm -rf dist/_CPack_Packages &&
  { [ -z "${MOSTARIC_SIGN_CERT:-}" ] || osslsigncode extract-signature -in dist/*-setup.exe -out dist/.signature > /dev/null 2>&1 ||
    { echo "release.sh: MOSTARIC_SIGN_CERT is set, but the windows tree made the installer unsigned" >&2; exit 1; }; }'
rm -f dist/.signature
cmake --workflow --preset web-release && rm -rf dist/_CPack_Packages

if [ -n "$commit" ]; then
  # Named as packaging/Downloads.cmake says, unpacking into a folder of that
  # name. git archive stamps every member with the commit's time; xz on one
  # thread, since its output depends on the number of threads.
  tarball=$(cmake -D PRINT=TARBALL -P packaging/Downloads.cmake)
  git archive --format=tar --prefix="${tarball%.tar.xz}/" "$commit" | xz -T1 > "dist/$tarball"
else
  echo "No .git: no source tarball is made from an unpacked one"
fi
# Over exactly the files a release holds: fails on one missing or a stray one.
cmake --build --preset release-notes

echo "Released ${commit:-the unpacked sources} in $PWD/dist:"
ls -l dist
cat dist/SHA256SUMS
