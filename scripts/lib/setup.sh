# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by every command under scripts/, run.sh and test.sh: what a fresh
# Debian 12 or 13 machine needs, installed where missing, and the per-machine
# cache. The trees themselves are named and driven by CMakePresets.json.

source "$(dirname "${BASH_SOURCE[0]}")/debian_releases.sh"

# Each package in one list; the lists below build on one another.
# Building and running the program: compiler, CMake, Qt 6 and the faces the
# windows draw with (the Debian package depends on the same faces,
# packaging/DebianPackage.cmake; the deb test checks the two agree).
MOSTARIC_RUN_PACKAGES=(
  cmake g++ make pkgconf
  qt6-base-dev
  fonts-arphic-uming fonts-arphic-ukai fonts-liberation2
)
# Making the Debian package and the source tarball.
MOSTARIC_PACKAGE_TOOLS=(dpkg-dev xz-utils)

# The test command's, on top of those: test and benchmark libraries, every
# locale (the comma-decimal tests run under de_DE, the release check under
# zh_CN), Xvfb and the X tools that find windows, the checkers of the desktop
# files, the package and the licences, valgrind, Clang for the fuzzer, the
# formatter and the analysers clang-tidy and clazy, the CJK faces of the font
# tests, and git and diffoscope for the release check. The formatter and the
# analysers are LLVM 19's on both releases, so that both format and find alike.
MOSTARIC_TEST_PACKAGES=(
  "${MOSTARIC_RUN_PACKAGES[@]}" "${MOSTARIC_PACKAGE_TOOLS[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev
  locales-all python3
  xvfb xauth x11-utils
  desktop-file-utils appstream lintian reuse
  valgrind
  clang libclang-rt-dev clang-format-19 clang-tidy-19 clazy
  fonts-noto-cjk fonts-wqy-zenhei
  git diffoscope-minimal
)

# Building the Windows program, its installer and zip: MinGW, Ninja, NSIS,
# the signing tool, and OpenSSL, which the Windows tree's signing test finds
# when the tree is configured.
MOSTARIC_WINDOWS_BUILD_PACKAGES=(
  "${MOSTARIC_RUN_PACKAGES[@]}" "${MOSTARIC_PACKAGE_TOOLS[@]}"
  g++-mingw-w64-x86-64-posix ninja-build nsis osslsigncode openssl
)
# Running them under Wine, picturing them and reading their version records,
# beside the test command's own.
MOSTARIC_WINDOWS_TEST_PACKAGES=(
  wine wine64 xdotool imagemagick python3-pefile
)

# Qt Designer, to open and edit the windows' forms (ui/*.ui); not needed to
# build or test: mostaric_install_packages "${MOSTARIC_DESIGN_PACKAGES[@]}"
MOSTARIC_DESIGN_PACKAGES=(qt6-tools-dev-tools)

# What signs the Windows files (packaging/windows/sign.sh reads them); those
# ending in _CERT, _KEY or _FILE name files.
MOSTARIC_SIGN_SETTINGS=(
  MOSTARIC_SIGN_CERT MOSTARIC_SIGN_KEY MOSTARIC_SIGN_PASSWORD_FILE MOSTARIC_SIGN_TIMESTAMP_URL
)

# The per-machine cache: Qt for Windows, the newest Debian's root, the
# release check's clones. Kept across clones of the project.
export MOSTARIC_CACHE=${MOSTARIC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/mostaric}

# Every core builds and tests; the presets say what.
export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

# Whether this script can act as root: it is root, or sudo is there.
mostaric_can_be_root() {
  [ "$(id -u)" -eq 0 ] || command -v sudo > /dev/null
}

mostaric_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

# Installs those of the named packages that are missing.
mostaric_install_packages() {
  local missing=() pkg
  for pkg in "$@"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  if ! mostaric_can_be_root; then
    echo "Missing packages: ${missing[*]}" >&2
    echo "You are not root and sudo is not installed; as root, run:" >&2
    echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  mostaric_as_root apt-get update -qq &&
    mostaric_as_root env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
