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
