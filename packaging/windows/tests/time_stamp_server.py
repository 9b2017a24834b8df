#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""An RFC 3161 time-stamp server on 127.0.0.1 (`openssl ts -reply`), so that
the signing test needs no network. Writes its port once it listens.
Usage: time_stamp_server.py <openssl> <config> <cert> <key> <port file>"""
import http.server
import os
import subprocess
import sys

openssl, config, cert, key, port_file = sys.argv[1:6]


class TimeStamp(http.server.BaseHTTPRequestHandler):
    def do_POST(self):
        query = self.rfile.read(int(self.headers.get("Content-Length", 0)))
        made = subprocess.run([openssl, "ts", "-reply", "-config", config, "-queryfile", "/dev/stdin",
                               "-signer", cert, "-inkey", key, "-out", "/dev/stdout"],
                              input=query, capture_output=True)
        if made.returncode != 0:
            sys.stderr.write(made.stderr.decode(errors="replace"))
            self.send_error(500, "openssl ts -reply failed")
            return
        reply = made.stdout
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
