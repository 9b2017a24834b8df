#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a release of the checked-out commit in dist/: the source tarball, the
# Debian package, the Windows installer and zip, SHA256SUMS over them, and the
# release notes in Chinese and English from the package's changelog. The same
# commit gives the same bytes whoever releases it, wherever and whenever
# (scripts/check_reproducible.sh checks that). The Windows files are signed
# where the signing settings are set (packaging/windows/sign.sh).
# In an unpacked source tarball, without .git, it makes everything but the
# tarball, to be checked with `sha256sum -c --ignore-missing SHA256SUMS`.
#
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
  echo "release.sh: this system is $(. /etc/os-release && echo "${PRETTY_NAME:-?}"), not Debian $MOSTARIC_PACKAGE_DEBIAN." >&2
  echo "The Debian package made here would ask for its library versions and would not install" >&2
  echo "on Debian $MOSTARIC_PACKAGE_DEBIAN. Release on Debian $MOSTARIC_PACKAGE_DEBIAN, or give --any-debian to go on." >&2
  exit 1
fi

# The programs are built from the working tree and the source tarball from
# the commit: they are the same sources only in a clean tree.
commit=
if [ -e .git ]; then
  changes=$(git status --porcelain)
  if [ -n "$changes" ]; then
    echo "release.sh: the tree has changes that are not committed. The programs would be" >&2
    echo "built with them, the source tarball (the commit) would lack them. Commit or" >&2
    echo "stash them first:" >&2
    echo "$changes" >&2
    exit 1
  fi
  commit=$(git rev-parse HEAD)
fi

mostaric_install_packages "${MOSTARIC_RUN_PACKAGES[@]}" "${MOSTARIC_PACKAGE_TOOLS[@]}"
rm -rf dist
# The Debian package, from the release tree configured afresh, so that no
# setting given to it by hand goes in; CPack gives the package's ar members
# the modes the umask leaves.
(umask 022 && cmake --workflow --preset deb --fresh)
# The Windows installer and zip, from the windows tree.
mostaric_where_windows_builds 'cmake --workflow --preset windows-release'
rm -rf dist/_CPack_Packages
# A release meant to be signed is never made unsigned, wherever it is built.
if [ -n "${MOSTARIC_SIGN_CERT:-}" ] &&
  ! osslsigncode extract-signature -in dist/*-setup.exe -out dist/.signature > /dev/null 2>&1; then
  echo "release.sh: MOSTARIC_SIGN_CERT is set, but the windows tree's build made the installer unsigned" >&2
  exit 1
fi
rm -f dist/.signature

if [ -n "$commit" ]; then
  # git archive stamps every member with the commit's time; xz on one thread,
  # since its output depends on the number of threads.
  name=$(basename dist/*.deb | sed 's/^\([^_]*\)_\([^_]*\)_.*/\1-\2/')
  git archive --format=tar --prefix="$name/" "$commit" | xz -T1 > "dist/$name.tar.xz"
else
  echo "No .git: no source tarball is made from an unpacked one"
fi
cmake --build --preset release-notes

echo "Released ${commit:-the unpacked sources} in $PWD/dist:"
ls -l dist
cat dist/SHA256SUMS
