#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes a release of the checked-out commit in dist/: the source tarball, the
# Debian package, the Windows installer and zip, SHA256SUMS over them, and the
# release notes in Chinese and English from the package's changelog. The same
# commit gives the same bytes whoever releases it, wherever and whenever
# (scripts/check-reproducible.sh checks that). The Windows files are signed
# where MOSTARIC_SIGN_CERT and MOSTARIC_SIGN_KEY are set (packaging/windows/sign.sh).
# In an unpacked source tarball, without .git, it makes everything but the
# tarball, to be checked with `sha256sum -c --ignore-missing SHA256SUMS`.
#
# Usage: scripts/release.sh [--any-debian]
#   --any-debian  go on on a system other than Debian 12
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
source scripts/test-windows.sh

any_debian=no
for arg in "$@"; do
  case $arg in
    --any-debian) any_debian=yes ;;
    *) echo "Usage: scripts/release.sh [--any-debian]" >&2; exit 2 ;;
  esac
done

# A package built on a newer Debian depends on that Debian's library versions.
system=$(. /etc/os-release && echo "${ID:-?} ${VERSION_ID:-?}")
if [ "$system" != "debian 12" ] && [ "$any_debian" = no ]; then
  echo "release.sh: this system is $(. /etc/os-release && echo "${PRETTY_NAME:-$system}"), not Debian 12." >&2
  echo "The Debian package made here would ask for its library versions and would not" >&2
  echo "install on Debian 12. Release on Debian 12, or give --any-debian to go on." >&2
  exit 1
fi

# The programs are built from the working tree and the source tarball from
# the commit: they are the same sources only in a clean tree.
commit=
if [ -e .git ]; then
  changes=$(git status --porcelain)
  if [ -n "$changes" ]; then
    echo "release.sh: the tree has changes that are not committed. The programs would be" >&2
    echo "built with them, the source tarball (the commit) would lack them. Commit or" >&2
    echo "stash them first:" >&2
    echo "$changes" >&2
    exit 1
  fi
  commit=$(git rev-parse HEAD)
fi

# dpkg-shlibdeps (dpkg-dev) names the library versions the package needs;
# without it the package would name them by hand, and differ.
mostaric_install_packages "${MOSTARIC_RUN_PACKAGES[@]}" dpkg-dev xz-utils

# The Linux program and the Debian package, in the release preset's tree. A
# fresh configuration, so that no setting given by hand to that tree goes in.
mostaric_configure release --fresh
linux=$MOSTARIC_BUILD_DIR
# shellcheck source=/dev/null
source "$linux/packaging/release-settings.sh"
export SOURCE_DATE_EPOCH=$MOSTARIC_SOURCE_DATE_EPOCH
mostaric_build release
work=$linux/release
rm -rf "$work"
mkdir -p "$work"
# CPack gives the package's ar members the modes the umask leaves.
(umask 022 && cpack -G DEB --config "$MOSTARIC_CPACK_CONFIG" -B "$work/deb" > "$work/cpack.log") ||
  { cat "$work/cpack.log" >&2; exit 1; }
debs=("$work"/deb/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "release.sh: cpack made no single .deb" >&2; exit 1; }

# The Windows installer and zip: cpack where the windows tree is built.
mostaric_build_windows
windows=$MOSTARIC_BUILD_DIR/packaging/windows/out
windows_files=("$MOSTARIC_PACKAGE_NAME-$MOSTARIC_VERSION_TEXT-setup.exe"
  "$MOSTARIC_PACKAGE_NAME-$MOSTARIC_VERSION_TEXT-windows-x64.zip")
rm -rf "$windows"
if mostaric_is_newest_debian; then cpack --preset windows; else mostaric_in_newest_root 'cpack --preset windows'; fi
# Where the tree is built elsewhere (the Debian 13 root), the signing settings
# must reach it: a release meant to be signed is never made unsigned.
if [ -n "${MOSTARIC_SIGN_CERT:-}" ] &&
  ! osslsigncode extract-signature -in "$windows/${windows_files[0]}" \
    -out "$work/setup-signature" > /dev/null 2>&1; then
  echo "release.sh: MOSTARIC_SIGN_CERT is set, but cpack made the installer unsigned" >&2
  exit 1
fi

name=$MOSTARIC_PACKAGE_NAME-$MOSTARIC_VERSION_TEXT
files=()
rm -rf dist
mkdir dist
if [ -n "$commit" ]; then
  # git archive stamps every member with the commit's time; xz on one thread,
  # since its output depends on the number of threads.
  git archive --format=tar --prefix="$name/" "$commit" | xz -T1 > "dist/$name.tar.xz"
  files+=("$name.tar.xz")
else
  echo "No .git: no source tarball is made from an unpacked one"
fi
cp "${debs[0]}" dist/
cp "${windows_files[@]/#/$windows/}" dist/
files+=("$(basename "${debs[0]}")" "${windows_files[@]}")
(cd dist && sha256sum -- "${files[@]}" > SHA256SUMS)

# The items under one language's heading in the newest entry of the changelog.
changes_in() {
  dpkg-deb --fsys-tarfile "${debs[0]}" | tar -xOf - "$MOSTARIC_PACKAGED_CHANGELOG" | gzip -dc |
    awk -v heading="  [ $1 ]" '/^ -- / { ended = 1 } ended { next }
                               /^  \[/ { inside = $0 == heading; next }
                               inside && NF { sub(/^  /, ""); print }'
}
size() { stat -c %s "dist/$1"; }
# One table row per file made, with its description in the notes' language.
rows() {
  local file
  for file in "${files[@]}"; do
    case $file in
      *.tar.xz) echo "| $file | $1 | $(size "$file") |" ;;
      *.deb) echo "| $file | $2 | $(size "$file") |" ;;
      *setup.exe) echo "| $file | $3 | $(size "$file") |" ;;
      *.zip) echo "| $file | $4 | $(size "$file") |" ;;
    esac
  done
}
zh_changes=$(changes_in 中文)
en_changes=$(changes_in English)
[ -n "$zh_changes" ] && [ -n "$en_changes" ] ||
  { echo "release.sh: the changelog's newest entry lacks '[ 中文 ]' or '[ English ]' items" >&2; exit 1; }
cat > dist/RELEASE-NOTES.md <<NOTES
# $MOSTARIC_DISPLAY_NAME $MOSTARIC_VERSION_TEXT

$MOSTARIC_RELEASE_DATE 发布。

## 更新内容

$zh_changes

## 下载

| 文件 | 用途 | 大小（字节） |
|---|---|---|
$(rows 源代码 "Debian 12、13 的软件包" "Windows 10、11（64 位）安装程序" "Windows 便携版，解压即可运行")

## 校验下载的文件

SHA256SUMS 列出每个文件的 SHA-256 校验值。在 Linux 上，在下载的文件所在的
文件夹里运行 \`sha256sum -c --ignore-missing SHA256SUMS\`；在 Windows 上，运行
\`certutil -hashfile 文件名 SHA256\` 或在 PowerShell 中运行
\`Get-FileHash 文件名\`，把结果和 SHA256SUMS 中同名文件的值比较。

同一份源代码在 Debian 12 上用 \`scripts/release.sh\` 重新生成的文件与这里的
逐字节相同，见源代码中 README.md 的“Check a download”一节。

---

# Mostaric $MOSTARIC_VERSION_TEXT

Released on $MOSTARIC_RELEASE_DATE.

## Changes

$en_changes

## Downloads

| File | What for | Size (bytes) |
|---|---|---|
$(rows "source code" "package for Debian 12 and 13" "installer for Windows 10 and 11 (64-bit)" \
  "portable Windows program: unpack and run")

## Checking a download

SHA256SUMS gives each file's SHA-256 sum. On Linux, run
\`sha256sum -c --ignore-missing SHA256SUMS\` in the folder of the downloads; on
Windows, run \`certutil -hashfile FILE SHA256\`, or \`Get-FileHash FILE\` in
PowerShell, and compare with the file's line in SHA256SUMS.

The same sources released again on Debian 12 with \`scripts/release.sh\` give
these files byte for byte; see "Check a download" in the sources' README.md.

## SHA256SUMS

\`\`\`
$(cat dist/SHA256SUMS)
\`\`\`
NOTES

echo "Released ${commit:-the unpacked sources} in $PWD/dist:"
(cd dist && for file in "${files[@]}" SHA256SUMS RELEASE-NOTES.md; do
  printf '  %-40s %10s bytes\n' "$file" "$(stat -c %s "$file")"
done)
cat dist/SHA256SUMS
