# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# A root of the newest Debian release for a machine of an older one, made
# with mmdebstrap from the machine's own mirror and kept until its package set
# changes. Commands run in it with the project and the cache at the same paths
# as outside, so that a tree built inside is the same tree outside.

# The machine's mirror of the main or the security archive, as apt has it.
mostaric_apt_mirror() {
  apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Created-By: Packages' |
    awk -v want="$1" '{ security = ($2 ~ /-security$/) }
      (want == "security") == security && $2 !~ /-updates$/ { print $1; exit }'
}

# Sets MOSTARIC_NEWEST_ROOT, making the root first where needed.
mostaric_make_newest_root() {
  local packages mirror security key cache lock status=0
  packages=$(printf '%s\n' "${MOSTARIC_WINDOWS_PACKAGES[@]}" | LC_ALL=C sort -u)
  mirror=$(mostaric_apt_mirror main)
  security=$(mostaric_apt_mirror security)
  [ -n "$mirror" ] || { echo "No Debian mirror in this machine's apt configuration" >&2; return 1; }
  key=$(printf '%s\n' "$MOSTARIC_NEWEST_SUITE" "$mirror" "$security" "$packages" | sha256sum | cut -c1-12)
  cache=$MOSTARIC_CACHE/debian$MOSTARIC_NEWEST_DEBIAN
  MOSTARIC_NEWEST_ROOT=$cache/root-$key
  [ -f "$MOSTARIC_NEWEST_ROOT/.complete" ] && return 0

  mostaric_install_packages mmdebstrap || return 1
  # One maker at a time: a second test command waits for the first's root.
  mkdir -p "$cache"
  exec {lock}> "$cache.lock"
  flock "$lock"
  if [ ! -f "$MOSTARIC_NEWEST_ROOT/.complete" ]; then
    echo "Making a Debian $MOSTARIC_NEWEST_DEBIAN ($MOSTARIC_NEWEST_SUITE) root in $MOSTARIC_NEWEST_ROOT"
    # Only one root is kept.
    local sources=("deb $mirror $MOSTARIC_NEWEST_SUITE main" "deb $mirror $MOSTARIC_NEWEST_SUITE-updates main")
    [ -n "$security" ] && sources+=("deb $security $MOSTARIC_NEWEST_SUITE-security main")
    { mostaric_as_root rm -rf "$cache"/root-* "$cache/making" &&
      mostaric_as_root mmdebstrap --quiet --mode=root --variant=apt \
        --aptopt='APT::Install-Recommends "false"' --include="$(paste -sd, <<< "$packages")" \
        "$MOSTARIC_NEWEST_SUITE" "$cache/making" "${sources[@]}" &&
      mostaric_as_root mv "$cache/making" "$MOSTARIC_NEWEST_ROOT" &&
      mostaric_as_root touch "$MOSTARIC_NEWEST_ROOT/.complete"; } ||
      { echo "Could not make the Debian $MOSTARIC_NEWEST_DEBIAN root" >&2; status=1; }
  fi
  exec {lock}>&-
  return "$status"
}

# Runs a shell command in the root, in the current directory, as root. Of
# the caller's environment only the time zone and locale (which the release
# check varies) and the signing settings, with their files, go in.
mostaric_in_newest_root() {
  mostaric_make_newest_root || return 1
  local name files=() settings=()
  mkdir -p "$MOSTARIC_CACHE"
  for name in TZ LC_ALL "${MOSTARIC_SIGN_SETTINGS[@]}"; do
    [ -n "${!name:-}" ] || continue
    case $name in
      *_CERT | *_KEY | *_FILE)
        files+=("$(realpath "${!name}")") || return 1
        settings+=("$name=${files[-1]}") ;;
      *) settings+=("$name=${!name}") ;;
    esac
  done
  mostaric_as_root unshare --mount --propagation private bash -c '
    set -e
    root=$1 here=$2 cache=$3 command=$4 count=$5
    shift 5
    # Before the mounts of the root itself, which lies in the cache.
    for dir in "$here" "$cache"; do
      mkdir -p "$root$dir"
      mount --rbind "$dir" "$root$dir"
    done
    mount -t proc proc "$root/proc"
    for dir in sys dev; do mount --rbind "/$dir" "$root/$dir"; done
    mount --bind /etc/resolv.conf "$root/etc/resolv.conf"
    for file in "${@:1:count}"; do
      mkdir -p "$root$(dirname "$file")"
      touch "$root$file"
      mount --bind -o ro "$file" "$root$file"
    done
    exec chroot "$root" env -i HOME=/root LANG=C.UTF-8 TERM="${TERM:-dumb}" CI="${CI:-}" \
      MOSTARIC_CACHE="$cache" PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
      "${@:count+1}" bash -c "cd \"\$0\" && source scripts/lib/setup.sh && $command" "$here"
  ' _ "$MOSTARIC_NEWEST_ROOT" "$PWD" "$MOSTARIC_CACHE" "$1" "${#files[@]}" "${files[@]}" "${settings[@]}"
}

# Installs the .deb in the root, starts the program and purges it again.
mostaric_try_deb_in_newest_root() {
  local deb
  deb=$(realpath "$1") || return 1
  echo "Installing $(basename "$deb") on Debian $MOSTARIC_NEWEST_DEBIAN"
  mostaric_in_newest_root "dpkg -i '$deb' > /dev/null && status=0 &&
    { bash packaging/tests/check_installed_program.sh || status=1; } &&
    dpkg --purge mostaric > /dev/null && exit \$status"
}
