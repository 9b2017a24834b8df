#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Signing: builds the package again with a certificate made on the spot and
# verifies the signatures of the program file and the installer; the build
# without a certificate says that it is unsigned and signs nothing.
# Usage: check_signing.sh <package-settings.sh> <program file> <work dir> <openssl>
set -euo pipefail
settings=$1 program=$2 work=$3 openssl=$4
here=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=/dev/null
source "$settings"
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$openssl" ] || fail "openssl not found (package openssl)"
[ -x "$MOSTARIC_OSSLSIGNCODE" ] || fail "osslsigncode not found (package osslsigncode)"
rm -rf "$work"
mkdir -p "$work"

"$openssl" req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Mostaric test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2> /dev/null
MOSTARIC_SIGN_CERT=$work/cert.pem MOSTARIC_SIGN_KEY=$work/key.pem \
  bash "$here/make_package.sh" "$settings" "$program" "$work/signed" | tee "$work/signed.log"
for file in "$work/signed/payload/$MOSTARIC_WINDOWS_EXE" "$work/signed/$MOSTARIC_SETUP_NAME"; do
  "$MOSTARIC_OSSLSIGNCODE" verify -CAfile "$work/cert.pem" -in "$file" | tee "$work/verify.log"
  grep -q 'Signature verification: ok' "$work/verify.log" || fail "$file: signature not verified"
  grep -q 'Mostaric test signer' "$work/verify.log" || fail "$file: not signed by the test certificate"
done
[ "$(grep -c '^Signed: ' "$work/signed.log")" -eq 3 ] || fail "not program, uninstaller and installer signed"
cmp -s "$work/signed/payload/$MOSTARIC_WINDOWS_EXE" <(unzip -p "$work/signed/$MOSTARIC_ZIP_NAME" "$MOSTARIC_WINDOWS_EXE") ||
  fail "the zip does not hold the signed program file"

# Without a certificate: unsigned, and said so.
env -u MOSTARIC_SIGN_CERT -u MOSTARIC_SIGN_KEY \
  bash "$here/make_package.sh" "$settings" "$program" "$work/unsigned" | tee "$work/unsigned.log"
[ "$(grep -c '^Not signed: ' "$work/unsigned.log")" -eq 3 ] || fail "the unsigned build does not say so"
! "$MOSTARIC_OSSLSIGNCODE" verify -in "$work/unsigned/$MOSTARIC_SETUP_NAME" > /dev/null 2>&1 ||
  fail "the unsigned installer has a signature"
echo "ok: signed and verified; unsigned without a certificate"
