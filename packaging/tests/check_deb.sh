#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks the Debian package's control fields and file list.
# Usage: check_deb.sh <directory holding the .deb> <its name> <version> <homepage>
#          <release moment, seconds since 1970> <the package lists' script>
#          <installed file>...
#   installed files relative to the prefix, as the install rules name them
set -euo pipefail
dir=$1 deb_name=$2 version=$3 homepage=$4 moment=$5 package_lists=$6
shift 6
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

deb=$dir/$deb_name
[ -f "$deb" ] || { echo "FAIL: no $deb_name in $dir:" "$dir"/*; exit 1; }
echo "package: $deb"
dpkg-deb -I "$deb"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = mostaric ] || fail "Package is $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version is $(field Version), not $version"
[ "$(field Homepage)" = "$homepage" ] || fail "Homepage is $(field Homepage), not $homepage"
case "$(field Section)" in utils|math) ;; *) fail "Section is $(field Section)";; esac
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
[ "$(field Architecture)" = "$(dpkg --print-architecture)" ] || fail "Architecture is $(field Architecture)"
# The download's name is Debian's for the package.
[ "$deb_name" = "$(field Package)_$(field Version)_$(field Architecture).deb" ] || fail "$deb_name is not Debian's name"

# Each dependency is a whole name in the comma-separated list. Qt's packages
# are named by the release that built the package (libqt6core6 on Debian 12,
# libqt6core6t64 on 13): the expected ones own the libraries on this machine.
depends=$(field Depends)
names=$(echo "$depends" | tr ',' '\n' | sed 's/^ *//; s/[ (].*//')
qt_packages=()
for lib in Widgets Gui Core; do
  owner=$(dpkg-query -S "*/libQt6$lib.so.6" 2>/dev/null | sed -n '1s/[:,].*//p')
  [ -n "$owner" ] || fail "no package here owns libQt6$lib.so.6"
  qt_packages+=("$owner")
done
# The faces' packages as the shell reads their one list, not as CMake passed
# them on: the package and run.sh install the same faces.
mapfile -t fonts < <(bash -c 'source "$1" && printf "%s\n" "${MOSTARIC_FONT_PACKAGES[@]}"' _ "$package_lists")
run_packages=$(bash -c 'source "$1" && echo "${MOSTARIC_RUN_PACKAGES[*]}"' _ "$package_lists")
[ ${#fonts[@]} -gt 0 ] || fail "$package_lists gives no MOSTARIC_FONT_PACKAGES"
for pkg in "${qt_packages[@]}" "${fonts[@]}"; do
  grep -qx "$pkg" <<< "$names" || fail "Depends lacks $pkg: $depends"
done
for pkg in "${fonts[@]}"; do
  grep -qw -- "$pkg" <<< "$run_packages" || fail "MOSTARIC_RUN_PACKAGES of $package_lists lacks $pkg"
done

# Whole listings are read first and searched from here-strings: with pipefail,
# grep -q ending early would break a pipe and fail the line.
listing=$(dpkg-deb -c "$deb")
contents=$(echo "$listing" | awk '{print $6}')
for f in "${@/#/./usr/}"; do
  grep -qx "$f" <<< "$contents" || fail "package lacks $f"
done
grep -q '^-rwxr-xr-x .* \./usr/bin/mostaric$' <<< "$listing" || fail "usr/bin/mostaric is not 0755"
outside=$(grep -v '/$' <<< "$contents" | grep -v '^\./usr/' || true)
[ -z "$outside" ] || fail "files outside /usr: $outside"

# The same bytes whoever packs it and when: every file root's and of the
# release moment, and the ar members of that moment with the usual modes.
when=$(date -u -d "@$moment" '+%Y-%m-%d %H:%M')
others=$(TZ=UTC dpkg-deb -c "$deb" | awk -v when="$when" '$2 != "root/root" || $4 " " $5 != when')
[ -z "$others" ] || fail "files not root's or not of $when: $others"
when=$(date -u -d "@$moment" '+%b %-d %H:%M %Y')
others=$(TZ=UTC ar tv "$deb" | awk -v when="$when" '$1 != "rw-r--r--" || $2 != "0/0" || $4 " " $5 " " $6 " " $7 != when')
[ -z "$others" ] || fail "ar members not 0644, root's and of $when: $others"

[ "$failures" -eq 0 ] || { echo "$failures check(s) failed"; exit 1; }
echo "package is complete"
