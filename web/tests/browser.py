# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""What the browser tests share: the built site served over HTTP from this
process, a headless Chromium with a fresh profile, the page's words from the
forms, and the checks every test ends with (no console error, no request to
another host). A missing Chromium, chromedriver or Selenium fails the test."""

import argparse
import functools
import gzip
import http.server
import io
import json
import os
import shutil
import sys
import tempfile
import threading
import time
import unittest
from urllib.parse import urlparse

from forms import Form

HERE = os.path.dirname(os.path.abspath(__file__))
SOURCE = os.path.normpath(os.path.join(HERE, "..", ".."))
MAIN_FORM = Form(os.path.join(SOURCE, "ui", "main_window.ui"))
EXPLANATION_FORM = Form(os.path.join(SOURCE, "ui", "explanation_window.ui"))

PHONE = (360, 740)
DESKTOP = (1280, 800)
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage", "--no-first-run",
                  "--disable-background-networking", "--disable-component-update", "--disable-sync"]
WAIT = 20  # seconds for anything the page does

options = argparse.Namespace(site=None, screenshots=None)


def main():
    """unittest.main with the suite's own --site and --screenshots."""
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--site", required=True)
    parser.add_argument("--screenshots", default=None)
    known, rest = parser.parse_known_args()
    options.site = os.path.abspath(known.site)
    options.screenshots = known.screenshots
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    extensions_map = {**http.server.SimpleHTTPRequestHandler.extensions_map,
                      ".wasm": "application/wasm", ".js": "text/javascript",
                      ".webmanifest": "application/manifest+json", ".css": "text/css",
                      ".html": "text/html; charset=utf-8"}
    timeout = 10  # a stalled connection cannot hold a test

    def log_message(self, *args):
        pass

    def end_headers(self):
        # The browser asks again each load: what the service worker keeps is what is tested.
        self.send_header("Cache-Control", "no-store")
        super().end_headers()


# What a static host compresses when the browser accepts gzip: text and the module, not the PNGs.
COMPRESSED = (".html", ".css", ".js", ".wasm", ".webmanifest")


class GzipHandler(QuietHandler):
    """As QuietHandler, but sends the compressible files gzip-compressed
    (Content-Encoding: gzip) to a browser that accepts it, as most static
    hosts do; each file is compressed once (the benchmark compresses all
    before the first load, so no load waits for it)."""

    def send_head(self):
        path = self.translate_path(self.path)
        if os.path.isdir(path) and self.path.split("?")[0].endswith("/"):
            path = os.path.join(path, "index.html")
        accepts = "gzip" in self.headers.get("Accept-Encoding", "")
        if not (accepts and path.endswith(COMPRESSED) and os.path.isfile(path)):
            return super().send_head()  # a redirect, a 404, a PNG, or a browser that asks for raw bytes
        body = self.server.compressed(path)
        self.send_response(200)
        self.send_header("Content-Type", self.guess_type(path))
        self.send_header("Content-Encoding", "gzip")
        self.send_header("Vary", "Accept-Encoding")
        self.send_header("Content-Length", str(len(body)))
        self.end_headers()
        return io.BytesIO(body)


class SiteServer(http.server.ThreadingHTTPServer):
    """The site over http://127.0.0.1 on a free port, in a daemon thread;
    with compress=True, as GzipHandler serves it."""
    daemon_threads = True

    def __init__(self, directory, compress=False):
        self.gzipped = {}
        self.gzip_lock = threading.Lock()
        handler = GzipHandler if compress else QuietHandler
        super().__init__(("127.0.0.1", 0), functools.partial(handler, directory=directory))
        self.thread = threading.Thread(target=self.serve_forever, kwargs={"poll_interval": 0.1}, daemon=True)
        self.thread.start()

    def compressed(self, path):
        """The file gzip-compressed, kept until the file changes."""
        key = (path, os.stat(path).st_mtime_ns)
        with self.gzip_lock:
            if key not in self.gzipped:
                with open(path, "rb") as f:
                    self.gzipped[key] = gzip.compress(f.read(), compresslevel=9, mtime=0)
            return self.gzipped[key]

    @property
    def url(self):
        return f"http://127.0.0.1:{self.server_address[1]}/"

    def stop(self):
        self.shutdown()
        self.server_close()
        self.thread.join(timeout=5)


def require_tools():
    missing = [tool for tool in ("chromium", "chromedriver") if shutil.which(tool) is None]
    try:
        import selenium  # noqa: F401
    except ImportError:
        missing.append("selenium (Debian's python3-selenium)")
    if missing:
        raise AssertionError("the browser tests need: " + ", ".join(missing))


def start_chromium(size=PHONE, dark=False):
    require_tools()
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    profile = tempfile.mkdtemp(prefix="mostaric-chromium-")
    opts = webdriver.ChromeOptions()
    opts.binary_location = shutil.which("chromium")
    for flag in CHROMIUM_FLAGS + [f"--user-data-dir={profile}", f"--window-size={size[0]},{size[1]}"]:
        opts.add_argument(flag)
    opts.set_capability("goog:loggingPrefs", {"browser": "ALL", "performance": "ALL"})
    driver = webdriver.Chrome(service=Service(shutil.which("chromedriver")), options=opts)
    driver.profile = profile
    driver.set_script_timeout(WAIT)
    driver.execute_cdp_cmd("Network.enable", {})
    set_screen(driver, size, dark)
    return driver


def set_screen(driver, size, dark=False, scale=1):
    width, height = size
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
        "width": width, "height": height, "deviceScaleFactor": scale, "mobile": width < 600})
    driver.execute_cdp_cmd("Emulation.setEmulatedMedia", {
        "features": [{"name": "prefers-color-scheme", "value": "dark" if dark else "light"}]})


class PageTest(unittest.TestCase):
    """A served site and a Chromium per test class; every test ends with no
    console error and no request to another host."""
    size = PHONE

    @classmethod
    def setUpClass(cls):
        if not options.site or not os.path.isfile(os.path.join(options.site, "index.html")):
            raise AssertionError(f"no built site in {options.site}: build the target mostaric_site")
        cls.server = SiteServer(options.site)
        cls.driver = start_chromium(cls.size)

    @classmethod
    def tearDownClass(cls):
        cls.driver.quit()
        shutil.rmtree(cls.driver.profile, ignore_errors=True)
        cls.server.stop()

    def setUp(self):
        self.open_page()

    def tearDown(self):
        self.check_console_and_hosts()

    def open_page(self, url=None):
        self.driver.get(url or self.server.url)
        self.wait_ready()

    def wait_ready(self):
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline:
            state = self.driver.execute_script("return document.documentElement.dataset.ready || ''")
            if state == "true":
                return
            if state == "failed":
                break
            time.sleep(0.05)
        self.fail(f"the page did not start; console: {self.driver.get_log('browser')}")

    def check_console_and_hosts(self):
        errors = [e for e in self.driver.get_log("browser") if e["level"] == "SEVERE"]
        self.assertEqual(errors, [], "console errors")
        others = set()
        for entry in self.driver.get_log("performance"):
            message = json.loads(entry["message"])["message"]
            if message["method"] == "Network.requestWillBeSent":
                url = urlparse(message["params"]["request"]["url"])
                if url.scheme in ("http", "https", "ws", "wss") and url.hostname != "127.0.0.1":
                    others.add(url.geturl())
        self.assertEqual(others, set(), "requests to another host")

    # Acting as a user does, and reading what the page shows.

    def el(self, element_id):
        return self.driver.find_element("id", element_id)

    def value(self, element_id):
        return self.el(element_id).get_attribute("value")

    def choose(self, name, entry):
        from selenium.webdriver.support.ui import Select
        Select(self.el(name)).select_by_visible_text(entry)

    def retype(self, name, text):
        from selenium.webdriver.common.keys import Keys
        box = self.el(name)
        box.click()
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys(Keys.BACKSPACE)
        if text:
            box.send_keys(text)

    def click(self, element_id):
        self.el(element_id).click()

    def typical_batch(self):
        self.choose("bizhong", "1.08")
        self.choose("pinzhong", "赤霞珠")
        self.retype("weit", "100")
        self.retype("Tt2", "12.5")
        self.choose("xiguan", "17")

    def mark(self, name):
        return self.el(name).get_attribute("data-mark")

    def description(self, name):
        """The field's description as the accessibility tree gives it."""
        return self.ax_node(name).get("description", {}).get("value", "")

    def ax_node(self, element_id):
        found = self.driver.execute_cdp_cmd("Runtime.evaluate", {
            "expression": f"document.getElementById({json.dumps(element_id)})"})
        node = self.driver.execute_cdp_cmd("DOM.describeNode", {"objectId": found["result"]["objectId"]})
        backend = node["node"]["backendNodeId"]
        tree = self.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        return next(n for n in tree if n.get("backendDOMNodeId") == backend)

    def style(self, element_id, prop):
        return self.driver.execute_script(
            "return getComputedStyle(document.getElementById(arguments[0]))[arguments[1]]", element_id, prop)


def caption_with_unit(name):
    caption, unit = MAIN_FORM.fields()[name]
    return caption if unit is None else f"{caption} {unit}"
