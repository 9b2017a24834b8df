# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by run.sh, test.sh and scripts/: what a fresh Debian 12 or 13
# machine needs, installed where missing, and the per-machine cache.

source "$(dirname "${BASH_SOURCE[0]}")/debian_releases.sh"

# Each package in one list; the lists build on one another. Python unpacks
# the icon's pixels.
MOSTARIC_RUN_PACKAGES=(cmake g++ make pkgconf python3 qt6-base-dev "${MOSTARIC_FONT_PACKAGES[@]}")
# Making the Debian package and the source tarball.
MOSTARIC_PACKAGE_TOOLS=(dpkg-dev xz-utils)

# The web edition: C++ to WebAssembly with the LLVM below, and its tests in
# a headless browser driven from Python.
MOSTARIC_WEB_PACKAGES=("clang-$MOSTARIC_LLVM" "lld-$MOSTARIC_LLVM" wasi-libc "libc++-$MOSTARIC_LLVM-dev-wasm32"
  "libclang-rt-$MOSTARIC_LLVM-dev-wasm32" binaryen nodejs chromium chromium-driver python3-selenium)

# The test command's: every locale (de_DE for the comma-decimal tests, zh_CN
# for the release check); the one LLVM's formatter and analysers.
MOSTARIC_TEST_PACKAGES=("${MOSTARIC_RUN_PACKAGES[@]}" "${MOSTARIC_PACKAGE_TOOLS[@]}" "${MOSTARIC_WEB_PACKAGES[@]}"
  libgtest-dev libgmock-dev libbenchmark-dev locales-all xvfb xauth x11-utils valgrind
  desktop-file-utils appstream lintian reuse fonts-noto-cjk fonts-wqy-zenhei git diffoscope-minimal
  clang libclang-rt-dev "clang-format-$MOSTARIC_LLVM" "clang-tidy-$MOSTARIC_LLVM" clazy)

# The Windows program, its installer and zip, built and tested under Wine
# only on the newest release (openssl: the signing test's certificate;
# imagemagick pictures the windows; python3-pefile reads the version records).
MOSTARIC_WINDOWS_PACKAGES=("${MOSTARIC_TEST_PACKAGES[@]}"
  g++-mingw-w64-x86-64-posix ninja-build nsis osslsigncode openssl
  wine wine64 xdotool imagemagick python3-pefile)

# Qt Designer, for the forms (ui/*.ui); not needed to build or test.
MOSTARIC_DESIGN_PACKAGES=(qt6-tools-dev-tools)

# What signs the Windows files (packaging/windows/sign.sh); *_CERT, *_KEY and
# *_FILE name files.
MOSTARIC_SIGN_SETTINGS=(MOSTARIC_SIGN_CERT MOSTARIC_SIGN_KEY MOSTARIC_SIGN_PASSWORD_FILE MOSTARIC_SIGN_TIMESTAMP_URL)

# Qt for Windows, the newest Debian's root, the release check's clones.
export MOSTARIC_CACHE=${MOSTARIC_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/mostaric}

export CMAKE_BUILD_PARALLEL_LEVEL=${CMAKE_BUILD_PARALLEL_LEVEL:-$(nproc)}
export CTEST_PARALLEL_LEVEL=${CTEST_PARALLEL_LEVEL:-$(nproc)}

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
  if [ "$(id -u)" -ne 0 ] && ! command -v sudo > /dev/null; then
    echo "Missing packages; as root, run: apt-get install --no-install-recommends ${missing[*]}" >&2
    return 1
  fi
  echo "Installing: ${missing[*]}"
  mostaric_as_root apt-get update -qq &&
    mostaric_as_root env DEBIAN_FRONTEND=noninteractive \
      apt-get install -y -qq --no-install-recommends "${missing[@]}"
}
