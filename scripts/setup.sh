# Sourced by run.sh and test.sh: installs what a fresh Debian 12 machine lacks
# and configures the build tree. Quick and silent when everything is in place.

MOSTARIC_PACKAGES=(
  cmake g++ make pkgconf
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-base-dev libgl-dev
  fonts-arphic-uming fonts-arphic-ukai fonts-liberation2
  fonts-noto-cjk fonts-wqy-zenhei
  locales
  xvfb xauth
  desktop-file-utils appstream dpkg-dev
  valgrind
  clang libclang-rt-14-dev
)

mostaric_as_root() {
  if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

mostaric_install_packages() {
  local missing=() pkg
  for pkg in "${MOSTARIC_PACKAGES[@]}"; do
    dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q 'ok installed' || missing+=("$pkg")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  mostaric_as_root apt-get update -qq
  mostaric_as_root env DEBIAN_FRONTEND=noninteractive \
    apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# The number tests run under a comma-decimal locale to prove it changes nothing.
mostaric_generate_locale() {
  locale -a 2>/dev/null | grep -qi '^de_DE\.utf-\?8$' && return 0
  echo "Generating the de_DE.UTF-8 locale"
  mostaric_as_root localedef -i de_DE -f UTF-8 de_DE.UTF-8
}

# Configures build/ once; later runs only rebuild what changed.
mostaric_configure() {
  local build_dir=$1; shift
  if [ ! -f "$build_dir/CMakeCache.txt" ]; then
    cmake -S . -B "$build_dir" "$@"
  fi
}

mostaric_build() {
  cmake --build "$1" --parallel "$(nproc)"
}
