#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""After one visit the page loads and calculates with no server at all, and
a new site's service worker replaces the old cache."""

import os
import re
import shutil
import tempfile
import time

from browser import WAIT, PageTest, SiteServer, main, options


class Offline(PageTest):
    def setUp(self):
        # A copy of the site whose worker has an older cache name, to be replaced.
        self.folder = tempfile.mkdtemp(prefix="mostaric-site-")
        self.site = os.path.join(self.folder, "site")
        shutil.copytree(options.site, self.site)
        with open(os.path.join(self.site, "sw.js"), encoding="utf-8") as f:
            self.worker = f.read()
        self.cache = re.search(r'const CACHE = "([^"]+)";', self.worker).group(1)
        with open(os.path.join(self.site, "sw.js"), "w", encoding="utf-8") as f:
            f.write(self.worker.replace(self.cache, "mostaric-0.00-older"))
        self.own_server = SiteServer(self.site)

    def tearDown(self):
        super().tearDown()
        self.own_server.stop()
        shutil.rmtree(self.folder, ignore_errors=True)

    def caches(self):
        return self.driver.execute_async_script("caches.keys().then(arguments[0])")

    def wait_for_caches(self, expected):
        deadline = time.monotonic() + WAIT
        while time.monotonic() < deadline and self.caches() != expected:
            time.sleep(0.1)
        self.assertEqual(self.caches(), expected)

    def test_offline_after_one_visit(self):
        # (step, what it does)
        steps = [
            ("first visit caches the site", self.first_visit),
            ("a new site replaces the old cache", self.new_site),
            ("offline reload calculates", self.offline_reload),
        ]
        for step, run in steps:
            with self.subTest(step):
                run()

    def first_visit(self):
        self.open_page(self.own_server.url)
        self.driver.execute_async_script("navigator.serviceWorker.ready.then(() => arguments[0]())")
        self.wait_for_caches(["mostaric-0.00-older"])

    def new_site(self):
        self.assertTrue(self.cache.startswith("mostaric-"))
        with open(os.path.join(self.site, "sw.js"), "w", encoding="utf-8") as f:
            f.write(self.worker)
        self.driver.execute_async_script(
            "navigator.serviceWorker.getRegistration().then(r => r.update()).then(arguments[0], arguments[0])")
        self.wait_for_caches([self.cache])

    def offline_reload(self):
        self.own_server.stop()
        self.open_page(self.own_server.url)
        self.assertIsNotNone(self.driver.execute_script("return navigator.serviceWorker.controller"))
        self.choose("bizhong", "1.08")
        self.assertEqual(self.value("tangdu"), "19.3")
        self.typical_batch()
        self.click("jisuan")
        self.assertEqual(self.value("Tt1"), "1.659")


if __name__ == "__main__":
    main()
