# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Sourced by run.sh, test.sh and scripts/screenshots.sh: installs what a fresh
# Debian 12 or 13 machine lacks, then configures and builds the trees of the
# presets in CMakePresets.json. Quick and silent when everything is in place.

source "$(dirname "${BASH_SOURCE[0]}")/debian-releases.sh"

# Building and running the program: compiler, CMake, Qt 6 and the faces the
# windows draw with.
MOSTARIC_RUN_PACKAGES=(
  cmake g++ make pkgconf
  qt6-base-dev
  fonts-arphic-uming fonts-arphic-ukai fonts-liberation2
)

# The test command's on top of those: test and benchmark libraries, the
# comma-decimal locale, Xvfb for the screenshots, the checkers of the desktop
# files, the package and the licences, valgrind, Clang for the fuzzer, the
# formatter and the analysers clang-tidy and clazy, the CJK faces of the font
# tests, and git and diffoscope for the release check. The formatter and the
# analysers are LLVM 19's on both releases, so that both format and find alike.
MOSTARIC_TEST_PACKAGES=(
  "${MOSTARIC_RUN_PACKAGES[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev
  locales python3
  xvfb xauth
  desktop-file-utils appstream dpkg-dev lintian reuse
  valgrind
  clang libclang-rt-dev clang-format-19 clang-tidy-19 clazy
  fonts-noto-cjk fonts-wqy-zenhei
  git diffoscope-minimal
)

# Qt Designer, to open and edit the windows' forms (ui/*.ui); not needed to
# build or test: mostaric_install_packages "${MOSTARIC_DESIGN_PACKAGES[@]}"
MOSTARIC_DESIGN_PACKAGES=(qt6-tools-dev-tools)

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

# A UTF-8 locale the tests run under: by default de_DE, whose comma decimal
# the number tests prove changes nothing; the release check uses zh_CN.
mostaric_generate_locale() {
  local name=${1:-de_DE}
  locale -a 2>/dev/null | grep -qi "^$name\.utf-\?8\$" && return 0
  if ! mostaric_can_be_root; then
    echo "The $name.UTF-8 locale is missing. You are not root and sudo is not" >&2
    echo "installed; as root, run:  localedef -i $name -f UTF-8 $name.UTF-8" >&2
    return 1
  fi
  echo "Generating the $name.UTF-8 locale"
  mostaric_as_root localedef -i "$name" -f UTF-8 "$name.UTF-8"
}

# Configures a preset's tree (a fraction of a second once it exists) and sets
# MOSTARIC_BUILD_DIR to it, as CMake reports it, so that no script repeats
# the directory names of CMakePresets.json.
# Further arguments go to CMake.
mostaric_configure() {
  local log
  log=$(cmake --preset "$@") || { echo "$log"; return 1; }
  MOSTARIC_BUILD_DIR=$(sed -n 's/^-- Build files have been written to: //p' <<< "$log")
  [ -n "$MOSTARIC_BUILD_DIR" ] || { echo "$log"; return 1; }
}

mostaric_build() {
  cmake --build --preset "$1" --parallel "$(nproc)"
}

# What the Windows installer, zip and their tests need beyond the Windows
# build: NSIS, the signing tool, OpenSSL for the test's throwaway
# certificate, zip and unzip, and the X tools that find, close and picture
# windows. Installed by scripts/test-windows.sh with the rest of the Windows
# tools.
MOSTARIC_WINDOWS_PACKAGE_TOOLS=(
  nsis osslsigncode openssl zip unzip
  x11-utils xdotool imagemagick
)
