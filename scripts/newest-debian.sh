# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# A root of the newest Debian release (scripts/debian-releases.sh), for a
# machine of an older one: made with mmdebstrap from the machine's own apt
# mirror, kept in the per-machine cache and reused until its package set
# changes. Commands run in it through chroot in a private mount namespace,
# with the project and the cache of Qt for Windows at the same paths as
# outside, so that a tree built inside is the same tree outside.
# Sourced by scripts/test-windows.sh.

# What the root holds: the test command's packages, what builds the Windows
# program, OpenSSL for the signing test the Windows tree sets up, and the X
# tools that find the installed program's window.
mostaric_newest_root_packages() {
  printf '%s\n' "${MOSTARIC_TEST_PACKAGES[@]}" "${MOSTARIC_WINDOWS_BUILD_PACKAGES[@]}" \
    openssl x11-utils | LC_ALL=C sort -u
}

# The machine's own mirrors of the main archive and of the security archive,
# as apt reads them from its configuration.
mostaric_apt_mirror() {
  apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' |
    awk -v want="$1" '{ security = ($2 ~ /-security$/) }
      (want == "security") == security && $2 !~ /-updates$/ { print $1; exit }'
}

# Sets MOSTARIC_NEWEST_ROOT to the root, making it first where needed.
mostaric_make_newest_root() {
  local packages mirror security key cache
  packages=$(mostaric_newest_root_packages)
  mirror=$(mostaric_apt_mirror main)
  security=$(mostaric_apt_mirror security)
  [ -n "$mirror" ] || { echo "No Debian mirror in this machine's apt configuration" >&2; return 1; }
  key=$(printf '%s\n' "$MOSTARIC_NEWEST_SUITE" "$mirror" "$security" "$packages" | sha256sum | cut -c1-12)
  cache="${XDG_CACHE_HOME:-$HOME/.cache}/mostaric/debian$MOSTARIC_NEWEST_DEBIAN"
  MOSTARIC_NEWEST_ROOT=$cache/root-$key
  [ -f "$MOSTARIC_NEWEST_ROOT/.complete" ] && return 0

  mostaric_install_packages mmdebstrap || return 1
  # One maker at a time: a second test command waits for the first's root.
  mkdir -p "$cache"
  local lock status=0
  exec {lock}> "$cache.lock"
  flock "$lock"
  if [ ! -f "$MOSTARIC_NEWEST_ROOT/.complete" ]; then
    mostaric_make_root_now "$mirror" "$security" "$packages" || status=1
  fi
  exec {lock}>&-
  return "$status"
}

mostaric_make_root_now() {
  local mirror=$1 security=$2 packages=$3 cache tmp
  cache=$(dirname "$MOSTARIC_NEWEST_ROOT")
  echo "Making a Debian $MOSTARIC_NEWEST_DEBIAN ($MOSTARIC_NEWEST_SUITE) root in $MOSTARIC_NEWEST_ROOT"
  # A root of another package set is out of date: only one is kept.
  mostaric_as_root rm -rf "$cache"/root-* "$cache/making"
  tmp=$cache/making
  local sources=("deb $mirror $MOSTARIC_NEWEST_SUITE main" "deb $mirror $MOSTARIC_NEWEST_SUITE-updates main")
  [ -n "$security" ] && sources+=("deb $security $MOSTARIC_NEWEST_SUITE-security main")
  mostaric_as_root mmdebstrap --quiet --mode=root --variant=apt \
    --aptopt='APT::Install-Recommends "false"' \
    --include="$(paste -sd, <<< "$packages")" \
    "$MOSTARIC_NEWEST_SUITE" "$tmp" "${sources[@]}" || {
    echo "Could not make the Debian $MOSTARIC_NEWEST_DEBIAN root" >&2
    return 1
  }
  # The comma-decimal tests' locale, and the release check's.
  mostaric_as_root chroot "$tmp" localedef -i de_DE -f UTF-8 de_DE.UTF-8 &&
    mostaric_as_root chroot "$tmp" localedef -i zh_CN -f UTF-8 zh_CN.UTF-8 &&
    mv "$tmp" "$MOSTARIC_NEWEST_ROOT" && touch "$MOSTARIC_NEWEST_ROOT/.complete"
}

# Runs a shell command in the root, in the current directory, as root. Of
# the caller's environment only what a build may rightly depend on goes in:
# the time zone and locale (which a release must not depend on, and the
# release check varies) and the signing settings, with the files they name
# at the same paths.
mostaric_in_newest_root() {
  local qt_cache="${XDG_CACHE_HOME:-$HOME/.cache}/mostaric/qt-windows" name files=() settings=()
  mkdir -p "$qt_cache"
  for name in TZ LC_ALL MOSTARIC_SIGN_CERT MOSTARIC_SIGN_KEY MOSTARIC_SIGN_PASSWORD_FILE \
    MOSTARIC_SIGN_TIMESTAMP_URL; do
    [ -n "${!name:-}" ] || continue
    case $name in
      MOSTARIC_SIGN_CERT | MOSTARIC_SIGN_KEY | MOSTARIC_SIGN_PASSWORD_FILE)
        files+=("$(realpath "${!name}")") || return 1
        settings+=("$name=${files[-1]}") ;;
      *) settings+=("$name=${!name}") ;;
    esac
  done
  mostaric_as_root unshare --mount --propagation private bash -c '
    set -e
    root=$1 here=$2 cache=$3 command=$4 count=$5
    shift 5
    mount -t proc proc "$root/proc"
    mount --rbind /sys "$root/sys"
    mount --rbind /dev "$root/dev"
    mount --bind /etc/resolv.conf "$root/etc/resolv.conf"
    for dir in "$here" "$cache"; do
      mkdir -p "$root$dir"
      mount --bind "$dir" "$root$dir"
    done
    for file in "${@:1:count}"; do
      mkdir -p "$root$(dirname "$file")"
      touch "$root$file"
      mount --bind -o ro "$file" "$root$file"
    done
    exec chroot "$root" env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
      XDG_CACHE_HOME="${cache%/mostaric/qt-windows}" \
      PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin "${@:count+1}" \
      bash -c "cd \"\$0\" && $command" "$here"
  ' _ "$MOSTARIC_NEWEST_ROOT" "$PWD" "$qt_cache" "$1" "${#files[@]}" "${files[@]}" "${settings[@]}"
}

# The ci preset's suite in the root, in a tree of its own.
mostaric_test_in_newest_root() {
  mostaric_make_newest_root || return 1
  echo "The ci suite on Debian $MOSTARIC_NEWEST_DEBIAN, in $MOSTARIC_NEWEST_ROOT"
  mostaric_in_newest_root 'source scripts/setup.sh && mostaric_configure ci-newest-debian &&
    mostaric_build ci-newest-debian && ctest --preset ci-newest-debian --parallel "$(nproc)"'
}

# Installs the given .deb (built on this older release) in the root, starts
# the program there and removes the package again.
mostaric_try_deb_in_newest_root() {
  local deb
  deb=$(realpath "$1") || return 1
  mostaric_make_newest_root || return 1
  echo "Installing $(basename "$deb") on Debian $MOSTARIC_NEWEST_DEBIAN"
  mostaric_in_newest_root "dpkg -i '$deb' > /dev/null && status=0 &&
    { bash scripts/check_installed_program.sh || status=1; } &&
    dpkg --purge mostaric > /dev/null && exit \$status"
}
