#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in Chromium on a phone's screen: the typical batch, the key
filter and pastes, and the explanation."""

from browser import EXPLANATION_FORM, MAIN_FORM, PageTest, main


class TypicalBatch(PageTest):
    # (step, action, expected texts afterwards)
    STEPS = [
        ("gravity 1.08", ("choose", "bizhong", "1.08"), {"T1": "10.8", "Tt2": "10.8", "tangdu": "19.3"}),
        ("variety 赤霞珠", ("choose", "pinzhong", "赤霞珠"), {}),
        ("weight 100", ("type", "weit", "100"), {"weit": "100"}),
        ("target 12.5", ("type", "Tt2", "12.5"), {"Tt2": "12.5"}),
        ("sugar amount 17", ("choose", "xiguan", "17"), {}),
        ("加糖计算", ("click", "jisuan", None), {"Tt1": "1.659", "jiutiji": "63.029"}),
        ("加硫计算", ("click", "jialiu", None), {"s2": "3.44", "s3": "27.87"}),
        ("酵母计算", ("click", "jiaomu", None), {"jiaomu2": "12.40"}),
    ]

    def test_typical_batch(self):
        for step, (action, target, text), expected in self.STEPS:
            with self.subTest(step):
                {"choose": self.choose, "type": self.retype, "click": lambda t, _: self.click(t)}[action](
                    target, text)
                for name, want in expected.items():
                    self.assertEqual(self.value(name), want, name)
                self.assertEqual(self.driver.find_elements("css selector", "[data-mark]"), [])

    def test_results_are_announced(self):
        self.typical_batch()
        self.click("jisuan")
        region = self.el("announce")
        self.assertEqual(region.get_attribute("aria-live"), "polite")
        self.driver.execute_script("return new Promise((done) => requestAnimationFrame(() => done()))")
        said = region.get_attribute("textContent")
        for name in ("Tt1", "jiutiji"):
            self.assertIn(self.value(name), said)
        self.assertIn(MAIN_FORM.fields()["Tt1"][1], said)

    def test_results_cannot_be_typed_in(self):
        for name, kind in ((n, MAIN_FORM.kind(n)) for n in MAIN_FORM.fields()):
            with self.subTest(name):
                self.assertEqual(self.el(name).get_attribute("readonly") is not None, kind == "result")

    def test_lists_start_with_nothing_chosen(self):
        for name in ("pinzhong", "bizhong", "xiguan"):
            with self.subTest(name):
                self.assertEqual(self.value(name), "")
                options = self.driver.execute_script(
                    "return [...document.getElementById(arguments[0]).options].slice(1).map(o => o.text)", name)
                self.assertGreater(len(options), 0)
                self.assertNotIn("", options)


class Typing(PageTest):
    # (row, keys typed into an emptied Tt2, what the box holds)
    KEYS = [
        ("letters dropped", "1a2.5", "12.5"),
        ("Chinese dropped", "1二2", "12"),
        ("signs and comma dropped", "-1,5+", "15"),
        ("digits and point kept", "0.25", "0.25"),
    ]

    def test_key_filter(self):
        for row, keys, kept in self.KEYS:
            with self.subTest(row):
                self.retype("Tt2", keys)
                self.assertEqual(self.value("Tt2"), kept)

    # (row, clipboard text, refused, note says)
    PASTES = [
        ("comma", "1,5", True, "粘贴的内容不是数字：“1,5”"),
        ("letters", "12kg", True, "“12kg”"),
        ("clean number", "13", False, None),
    ]

    def test_paste(self):
        from selenium.webdriver.common.keys import Keys
        self.driver.execute_cdp_cmd("Browser.grantPermissions", {
            "origin": self.server.url.rstrip("/"), "permissions": ["clipboardReadWrite", "clipboardSanitizedWrite"]})
        for row, text, refused, says in self.PASTES:
            with self.subTest(row):
                self.open_page()
                self.typical_batch()
                box = self.el("Tt2")
                box.click()
                self.driver.execute_async_script(
                    "navigator.clipboard.writeText(arguments[0]).then(arguments[1], arguments[1])", text)
                box.send_keys(Keys.CONTROL, "a")
                box.send_keys(Keys.CONTROL, "v")
                self.assertEqual(self.value("Tt2"), "12.5" if refused else text)
                note = self.el("note-Tt2")
                if refused:
                    self.assertTrue(note.is_displayed())
                    self.assertIn(says, note.text)
                else:
                    self.assertFalse(note.is_displayed())


class Explanation(PageTest):
    # (row, how the explanation is left)
    WAYS_BACK = [
        ("返  回", lambda test: test.click("goback")),
        ("the browser's back", lambda test: test.driver.back()),
    ]

    def test_explanation_and_back_keep_the_fields(self):
        explain_text = EXPLANATION_FORM.free_labels()["Label6"]
        for row, go_back in self.WAYS_BACK:
            with self.subTest(row):
                self.open_page()
                self.typical_batch()
                self.click("jisuan")
                before = {name: self.value(name) for name in MAIN_FORM.fields()}
                url = self.driver.current_url
                self.click("explain_c")
                self.assertFalse(self.el("main-view").is_displayed())
                self.assertTrue(self.el("explain").is_displayed())
                self.assertIn(explain_text, self.el("explain").text)
                go_back(self)
                self.assertTrue(self.el("main-view").is_displayed())
                self.assertFalse(self.el("explain").is_displayed())
                self.assertEqual({name: self.value(name) for name in MAIN_FORM.fields()}, before)
                self.assertEqual(self.driver.current_url, url)
                self.assertEqual(self.driver.execute_script("return document.activeElement.id"), "explain_c")


if __name__ == "__main__":
    main()
