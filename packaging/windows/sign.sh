#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Signs a Windows program file in place (Authenticode, SHA-256) when the
# environment names a certificate and its key:
#   MOSTARIC_SIGN_CERT           certificate chain, PEM or DER (or SPC)
#   MOSTARIC_SIGN_KEY            its private key, PEM or DER
#   MOSTARIC_SIGN_PASSWORD_FILE  optional: file holding the key's password
#   MOSTARIC_SIGN_TIMESTAMP_URL  optional: RFC 3161 time-stamp server
# Usage: sign.sh <osslsigncode> <file> <description> <address> [<name to report>]
set -euo pipefail
osslsigncode=$1 file=$2 description=$3 address=$4 what=${5:-$(basename "$2")}
cert=${MOSTARIC_SIGN_CERT:-} key=${MOSTARIC_SIGN_KEY:-}

if [ -z "$cert" ] && [ -z "$key" ]; then
  echo "Not signed: $what (MOSTARIC_SIGN_CERT and MOSTARIC_SIGN_KEY are not set)"
  exit 0
fi
if [ -z "$cert" ] || [ -z "$key" ]; then
  echo "sign.sh: MOSTARIC_SIGN_CERT and MOSTARIC_SIGN_KEY go together; only one is set" >&2
  exit 1
fi

args=(sign -certs "$cert" -key "$key" -h sha256 -n "$description" -i "$address")
if [ -n "${MOSTARIC_SIGN_PASSWORD_FILE:-}" ]; then
  args+=(-readpass "$MOSTARIC_SIGN_PASSWORD_FILE")
fi
if [ -n "${MOSTARIC_SIGN_TIMESTAMP_URL:-}" ]; then
  args+=(-ts "$MOSTARIC_SIGN_TIMESTAMP_URL")
fi
rm -f "$file.signed"
"$osslsigncode" "${args[@]}" -in "$file" -out "$file.signed" > /dev/null
mv -f "$file.signed" "$file"
echo "Signed: $what${MOSTARIC_SIGN_TIMESTAMP_URL:+, time-stamped by $MOSTARIC_SIGN_TIMESTAMP_URL}"
