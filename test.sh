#!/usr/bin/env bash
# Builds and runs every test. Installs what is missing on Debian 12 first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

mostaric_install_packages
mostaric_generate_locale
mostaric_configure build -DMOSTARIC_WERROR=ON
mostaric_build build
QT_QPA_PLATFORM=offscreen ctest --test-dir build --output-on-failure --parallel "$(nproc)"

# The same suite built with AddressSanitizer and UndefinedBehaviorSanitizer.
mostaric_configure build-asan -DMOSTARIC_WERROR=ON -DMOSTARIC_SANITIZE=ON \
  -DMOSTARIC_BUILD_BENCHMARKS=OFF
mostaric_build build-asan
QT_QPA_PLATFORM=offscreen ctest --test-dir build-asan --output-on-failure --parallel "$(nproc)"

# A short libFuzzer run over the calculator core (Clang only).
mostaric_configure build-fuzz -DCMAKE_CXX_COMPILER=clang++ -DMOSTARIC_WERROR=ON \
  -DMOSTARIC_FUZZ=ON -DMOSTARIC_BUILD_UI=OFF -DMOSTARIC_BUILD_TESTS=OFF \
  -DMOSTARIC_BUILD_BENCHMARKS=OFF
mostaric_build build-fuzz
ctest --test-dir build-fuzz --output-on-failure --parallel "$(nproc)"
