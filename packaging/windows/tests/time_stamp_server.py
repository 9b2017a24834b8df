#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""An RFC 3161 time-stamp server on 127.0.0.1 for the signing test, so that
the time-stamped signature is made and checked without the network. Each
request is answered by `openssl ts -reply` with the given TSA certificate.
Writes its port to <port file> once it listens; runs until killed.
Usage: time_stamp_server.py <openssl> <config> <cert> <key> <port file>"""
import http.server
import os
import subprocess
import sys
import tempfile

openssl, config, cert, key, port_file = sys.argv[1:6]


class TimeStamp(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        with tempfile.TemporaryDirectory() as work:
            with open(os.path.join(work, "query.tsq"), "wb") as f:
                f.write(query)
            made = subprocess.run(
                [openssl, "ts", "-reply", "-config", config, "-queryfile", f.name,
                 "-signer", cert, "-inkey", key, "-out", os.path.join(work, "reply.tsr")],
                capture_output=True)
            if made.returncode != 0:
                sys.stderr.write(made.stderr.decode(errors="replace"))
                self.send_error(500, "openssl ts -reply failed")
                return
            reply = open(os.path.join(work, "reply.tsr"), "rb").read()
        self.send_response(200)
        self.send_header("Content-Type", "application/timestamp-reply")
        self.send_header("Content-Length", str(len(reply)))
        self.end_headers()
        self.wfile.write(reply)

    def log_message(self, *args):
        pass


server = http.server.HTTPServer(("127.0.0.1", 0), TimeStamp)
with open(port_file + ".tmp", "w") as f:
    f.write(str(server.server_port))
os.replace(port_file + ".tmp", port_file)
server.serve_forever()
