#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Figures for the web edition; it prints and asserts nothing about time.

  sizes:    the whole site and the core's module, gzip-compressed, against
            their targets (150 KB and 80 KB);
  start-up: in headless Chromium with a phone's settings (CPU 4 times
            slower, a slow mobile network of 400 kbit/s and 400 ms), the
            time from navigation to the start-up texts shown (the mark
            app.js sets) against the floor page, the same HTML and styles
            with no script and no module (its first contentful paint), and
            the same start-up with the service worker's cache warm.
            The local server sends the HTML, CSS, scripts, manifest and module
            gzip-compressed (Content-Encoding: gzip) when the browser accepts
            it, as most static hosts do, to the floor page and the page
            alike; the PNG icons as they are. It speaks HTTP/1.0, so Chromium
            opens at most six connections at once and no request shares one.
Usage: web_benchmark.py --site DIR --floor FLOOR.html [--runs N]
"""

import argparse
import gzip
import os
import shutil
import statistics
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests"))
from browser import COMPRESSED, PHONE, SiteServer, start_chromium  # noqa: E402

SITE_TARGET_KB = 150
MODULE_TARGET_KB = 80
SLOW_MOBILE = {"offline": False, "latency": 400, "downloadThroughput": 400 * 1000 / 8,
               "uploadThroughput": 400 * 1000 / 8}


def gzip_size(path):
    with open(path, "rb") as f:
        return len(gzip.compress(f.read(), compresslevel=9, mtime=0))


def sizes(site):
    total = 0
    print("gzip-compressed sizes:")
    for folder, _, files in sorted(os.walk(site)):
        for name in sorted(files):
            path = os.path.join(folder, name)
            size = gzip_size(path)
            total += size
            print(f"  {os.path.relpath(path, site):32} {size / 1000:8.1f} KB")
    module = gzip_size(os.path.join(site, "mostaric.wasm"))
    print(f"  whole site                       {total / 1000:8.1f} KB (target <= {SITE_TARGET_KB} KB)")
    print(f"  module                           {module / 1000:8.1f} KB (target <= {MODULE_TARGET_KB} KB)")


def until(driver, script, timeout=120):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = driver.execute_script(script)
        if value:
            return value
        time.sleep(0.02)
    raise RuntimeError(f"timed out waiting for: {script}")


APP_SHOWN = ("const m = performance.getEntriesByName('mostaric-start-up-shown')[0]; "
             "return m ? m.startTime : (document.documentElement.dataset.ready === 'failed' ? -1 : 0)")
FLOOR_SHOWN = ("const p = performance.getEntriesByName('first-contentful-paint')[0]; "
               "return p ? p.startTime : 0")


def start_up(runs):
    folder = tempfile.mkdtemp(prefix="mostaric-bench-")
    site = os.path.join(folder, "site")
    shutil.copytree(options.site, site)
    shutil.copy(options.floor, os.path.join(site, "floor.html"))
    server = SiteServer(site, compress=True)
    for folder_, _, files in os.walk(site):  # compressed before any load, not during one
        for name in files:
            if name.endswith(COMPRESSED):
                server.compressed(os.path.join(folder_, name))
    driver = start_chromium(PHONE)
    origin = server.url.rstrip("/")
    try:
        driver.execute_cdp_cmd("Emulation.setCPUThrottlingRate", {"rate": 4})
        driver.execute_cdp_cmd("Network.emulateNetworkConditions", SLOW_MOBILE)

        def cold(page, shown):
            times = []
            for _ in range(runs):
                driver.get("about:blank")
                driver.execute_cdp_cmd("Storage.clearDataForOrigin", {"origin": origin, "storageTypes": "all"})
                driver.execute_cdp_cmd("Network.clearBrowserCache", {})
                driver.get(server.url + page)
                times.append(until(driver, shown))
            return times

        floor = cold("floor.html", FLOOR_SHOWN)
        app = cold("", APP_SHOWN)
        # Warm: one visit fills the worker's cache; every later load is served from it.
        driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        until(driver, "return navigator.serviceWorker.controller !== null || (location.reload(), false)")
        warm = []
        for _ in range(runs):
            driver.get("about:blank")
            driver.get(server.url)
            warm.append(until(driver, APP_SHOWN))
    finally:
        driver.quit()
        shutil.rmtree(driver.profile, ignore_errors=True)
        server.stop()
        shutil.rmtree(folder, ignore_errors=True)

    if min(app + warm) < 0:
        print("the page failed to start: is the module built?")
        return 1
    floor_ms, app_ms, warm_ms = (statistics.median(t) for t in (floor, app, warm))
    print(f"start-up on a slow phone (CPU x4, 400 kbit/s, 400 ms), median of {runs} runs;")
    print("  text and module served gzip-compressed to both pages, as most static hosts do:")
    print(f"  floor page, first paint          {floor_ms:8.0f} ms")
    print(f"  page, start-up texts shown       {app_ms:8.0f} ms   {app_ms / floor_ms:5.2f} x the floor")
    print(f"  same, service worker cache warm  {warm_ms:8.0f} ms   {warm_ms / floor_ms:5.2f} x the floor")
    return 0


if __name__ == "__main__":
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--site", required=True)
    parser.add_argument("--floor", required=True)
    parser.add_argument("--runs", type=int, default=3)
    options = parser.parse_args()
    sizes(options.site)
    sys.exit(start_up(options.runs))
