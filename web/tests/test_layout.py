#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page's looks and its accessibility: no sideways scrolling on a phone
or at 200 % zoom, text of 16 px and more on a phone, light and dark, no font
downloaded, every control named by its caption and unit, and screenshots."""

import os

from browser import DESKTOP, MAIN_FORM, PHONE, PageTest, caption_with_unit, main, options, set_screen

# The roles Chromium gives each kind of control.
ROLES = {"input": "textbox", "result": "textbox", "list": "combobox"}


class Layout(PageTest):
    # (row, viewport, device pixels per CSS pixel, view)
    SCREENS = [
        ("phone, main view", PHONE, 1, "main"),
        ("phone, explanation", PHONE, 1, "explain"),
        ("desktop at 200 % zoom", (DESKTOP[0] // 2, DESKTOP[1] // 2), 2, "main"),
        ("desktop", DESKTOP, 1, "main"),
    ]

    def tearDown(self):
        set_screen(self.driver, PHONE)
        super().tearDown()

    def test_no_sideways_scrolling(self):
        for row, size, scale, view in self.SCREENS:
            with self.subTest(row):
                set_screen(self.driver, size, scale=scale)
                self.open_page()
                self.typical_batch()
                self.retype("weit", "")
                self.click("jisuan")  # notes shown too
                if view == "explain":
                    self.click("explain_c")
                width = self.driver.execute_script(
                    "return [document.documentElement.scrollWidth, window.innerWidth]")
                self.assertLessEqual(width[0], width[1])

    def test_phone_text_at_least_16px(self):
        for view in ("main", "explain"):
            with self.subTest(view):
                if view == "explain":
                    self.click("explain_c")
                small = self.driver.execute_script("""
                    const small = [];
                    for (const e of document.querySelectorAll('body *')) {
                      const own = [...e.childNodes].some(n => n.nodeType === 3 && n.textContent.trim());
                      if ((own || e.matches('input, select, button')) && e.checkVisibility()
                          && parseFloat(getComputedStyle(e).fontSize) < 16) small.push(e.id || e.tagName);
                    }
                    return small;""")
                self.assertEqual(small, [])

    def test_desktop_keeps_the_forms_arrangement(self):
        set_screen(self.driver, DESKTOP)
        self.open_page()
        # (row, control, control left of it, control above it) in the form's places
        places = [
            ("first row", "weit", "pinzhong", None),
            ("second row", "T1", "tangdu", "weit"),
            ("button beside its results", "jisuan", "Tt1", "Tt2"),
            ("results below their inputs", "s2", None, "s1"),
        ]
        for row, name, left_of, above in places:
            with self.subTest(row):
                box = self.el(name).rect
                if left_of:
                    other = self.el(left_of).rect
                    self.assertLess(other["x"] + other["width"], box["x"] + 1)
                if above:
                    self.assertLess(self.el(above).rect["y"], box["y"])

    def test_light_and_dark(self):
        backgrounds = {}
        for scheme in ("light", "dark"):
            with self.subTest(scheme):
                set_screen(self.driver, PHONE, dark=scheme == "dark")
                backgrounds[scheme] = self.driver.execute_script(
                    "return getComputedStyle(document.documentElement).backgroundColor")
                self.retype("weit", "")
                self.click("jisuan")
                expected = {"light": "rgb(192, 57, 43)", "dark": "rgb(255, 111, 97)"}[scheme]
                self.assertEqual(self.style("weit", "borderTopColor"), expected)
        self.assertNotEqual(backgrounds["light"], backgrounds["dark"])

    def test_no_font_downloaded(self):
        fonts = self.driver.execute_script("""
            return [document.fonts.size,
                    performance.getEntriesByType('resource').filter(r => /\\.(woff2?|ttf|otf)/.test(r.name)).length]""")
        self.assertEqual(fonts, [0, 0])

    def test_controls_named_by_caption_and_unit(self):
        controls = [(name, ROLES[MAIN_FORM.kind(name)], caption_with_unit(name)) for name in MAIN_FORM.fields()]
        buttons = [(name, "button", text) for name, text in MAIN_FORM.buttons().items() if name != "Command1"]
        for name, role, words in controls + [b for b in buttons if b[0] != "exit"]:
            with self.subTest(name):
                node = self.ax_node(name)
                self.assertEqual(node["role"]["value"], role)
                self.assertEqual(" ".join(node["name"]["value"].split()), " ".join(words.split()))
        with self.subTest("Command1"):
            node = self.ax_node("Command1")
            self.assertEqual(node["role"]["value"], "link")
            self.assertTrue(node["name"]["value"].startswith(MAIN_FORM.buttons()["Command1"]))
        with self.subTest("no exit"):
            self.assertEqual(self.driver.find_elements("id", "exit"), [])

    def test_screenshots(self):
        if not options.screenshots:
            self.fail("give --screenshots DIR")
        os.makedirs(options.screenshots, exist_ok=True)
        for size, size_name in ((PHONE, "phone"), (DESKTOP, "desktop")):
            for dark in (False, True):
                row = f"{size_name}-{'dark' if dark else 'light'}"
                with self.subTest(row):
                    set_screen(self.driver, size, dark=dark)
                    self.open_page()
                    self.typical_batch()
                    for button in ("jisuan", "jialiu", "jiaomu"):
                        self.click(button)
                    self.driver.execute_script("document.activeElement.blur()")
                    # The screen as the phone shows it, then the whole page at its width.
                    height = self.driver.execute_script("return document.documentElement.scrollHeight")
                    for name, shot_size in ((row, size), (f"{row}-whole", (size[0], max(size[1], height)))):
                        set_screen(self.driver, shot_size, dark=dark)
                        path = os.path.join(options.screenshots, f"{name}.png")
                        self.assertTrue(self.driver.save_screenshot(path))
                        self.assertGreater(os.path.getsize(path), 10000)


if __name__ == "__main__":
    main()
