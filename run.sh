#!/usr/bin/env bash
# Builds the program and starts it. Installs what is missing on Debian 12 first.
set -euo pipefail
cd "$(dirname "$0")"
source scripts/setup.sh

mostaric_install_packages
mostaric_configure build -DMOSTARIC_WERROR=ON
mostaric_build build
exec ./build/ui/mostaric
