#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Packs again signed with a certificate made on the spot and time-stamped by
# a local server, and verifies both; then packs unsigned.
# Usage: check_signing.sh <cpack> <CPackConfig.cmake> <work dir> <openssl> <python3>
#                         <osslsigncode> <program file name> <installer name> <zip name>
set -euo pipefail
cpack=$1 config=$2 work=$3 openssl=$4 python=$5 osslsigncode=$6 exe=$7 setup=$8 zip=$9
fail() { echo "FAIL: $*" >&2; exit 1; }
[ -x "$openssl" ] || fail "openssl not found (package openssl)"
[ -x "$osslsigncode" ] || fail "osslsigncode not found (package osslsigncode)"
# Packs into $1, keeping the log and the zip's program file as $1.exe.
pack() {
  "$cpack" --verbose --config "$config" -B "$work/$1" > "$work/$1.log" || { cat "$work/$1.log"; fail "cpack failed"; }
  grep -E '^(Not )?[Ss]igned: ' "$work/$1.log"
  unzip -p "$work/$1/$zip" "$exe" > "$work/$1.exe"
}
rm -rf "$work"
mkdir -p "$work"

"$openssl" req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Mostaric test signer" \
  -addext extendedKeyUsage=codeSigning -keyout "$work/key.pem" -out "$work/cert.pem" 2> /dev/null
"$openssl" req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Mostaric test time stamps" \
  -addext extendedKeyUsage=critical,timeStamping -keyout "$work/tsa-key.pem" -out "$work/tsa-cert.pem" 2> /dev/null
echo 01 > "$work/tsa-serial"
cat > "$work/tsa.cnf" <<CONFIG
[ tsa ]
default_tsa = test_tsa
[ test_tsa ]
serial = $work/tsa-serial
signer_digest = sha256
default_policy = 1.2.3.4.1
digests = sha256, sha384, sha512
accuracy = secs:1
ess_cert_id_alg = sha256
CONFIG
"$python" "$(dirname "$0")/time_stamp_server.py" "$openssl" "$work/tsa.cnf" \
  "$work/tsa-cert.pem" "$work/tsa-key.pem" "$work/tsa-port" &
server=$!
trap 'kill "$server" 2> /dev/null || true' EXIT
for _ in $(seq 50); do [ -s "$work/tsa-port" ] && break; sleep 0.1; done
[ -s "$work/tsa-port" ] || fail "the time-stamp server did not start"
url=http://127.0.0.1:$(cat "$work/tsa-port")/

# The proxy variables of the environment would send the request elsewhere.
(unset http_proxy HTTP_PROXY
  export MOSTARIC_SIGN_CERT=$work/cert.pem MOSTARIC_SIGN_KEY=$work/key.pem MOSTARIC_SIGN_TIMESTAMP_URL=$url
  pack signed)
for file in "$work/signed.exe" "$work/signed/$setup"; do
  "$osslsigncode" verify -CAfile "$work/cert.pem" -TSA-CAfile "$work/tsa-cert.pem" -in "$file" |
    tee "$work/verify.log"
  grep -q '^Signature verification: ok' "$work/verify.log" || fail "$file: signature not verified"
  grep -q 'Subject: /CN=Mostaric test signer' "$work/verify.log" || fail "$file: not signed by the test certificate"
  grep -q '^Timestamp Server Signature verification: ok' "$work/verify.log" || fail "$file: time stamp not verified"
  grep -q 'Subject: /CN=Mostaric test time stamps' "$work/verify.log" || fail "$file: not time-stamped by the test server"
done
[ "$(grep -c "^Signed: .*, time-stamped by $url\$" "$work/signed.log")" -eq 3 ] ||
  fail "not program, uninstaller and installer signed and time-stamped"
installer_payload=$(find "$work/signed/_CPack_Packages" -path "*/NSIS/*/$exe")
cmp "$installer_payload" "$work/signed.exe" || fail "the installer and the zip do not hold one signed program file"

# Without a certificate: unsigned, and said so.
(unset MOSTARIC_SIGN_CERT MOSTARIC_SIGN_KEY && pack unsigned)
[ "$(grep -c '^Not signed: ' "$work/unsigned.log")" -eq 3 ] || fail "the unsigned build does not say so"
! "$osslsigncode" verify -in "$work/unsigned/$setup" > /dev/null 2>&1 ||
  fail "the unsigned installer has a signature"
# Signing adds the signature and nothing else.
"$osslsigncode" remove-signature -in "$work/signed.exe" -out "$work/signature-removed.exe" > /dev/null
cmp "$work/signature-removed.exe" "$work/unsigned.exe" ||
  fail "the signed program file without its signature is not the unsigned one"
echo "ok: signed, time-stamped and verified; unsigned without a certificate"
