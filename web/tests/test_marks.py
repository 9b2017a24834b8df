#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The page in Chromium on a phone's screen: the marks the windows' tests
check, their colours, notes and descriptions, and how they go away."""

from browser import MAIN_FORM, PageTest, main

# The windows' mark colours in the light scheme, as getComputedStyle gives them.
FAILURE_RED = "rgb(192, 57, 43)"
NOTICE_AMBER = "rgb(184, 110, 0)"


class Marks(PageTest):
    # (row, set-up after the typical batch or None for start-up, button, marked results, note says)
    NOTICES = [
        ("sugar at start-up", None, "jisuan", ["Tt1"], "“习惯用糖量”"),
        ("sulfite, s1 emptied", ("s1", ""), "jialiu", ["s2", "s3"], "填写“习惯加硫量”"),
        ("target below the must", ("Tt2", "9"), "jisuan", ["Tt1"], "不需要加糖"),
    ]

    def test_notices_explain_the_number(self):
        for row, setup, button, results, says in self.NOTICES:
            with self.subTest(row):
                self.open_page()
                if setup:
                    self.typical_batch()
                    kept = self.value(setup[0])
                    self.retype(*setup)
                self.click(button)
                marked = self.driver.execute_script(
                    "return [...document.querySelectorAll('[data-mark]')].map(e => [e.id, e.dataset.mark])")
                self.assertEqual(sorted(marked), sorted([name, "notice"] for name in results))
                for name in results:
                    self.assertEqual(self.style(name, "borderTopColor"), NOTICE_AMBER)
                    self.assertIn(says, self.description(name))
                    note = self.el(f"note-{name}")
                    self.assertTrue(note.is_displayed())
                    self.assertIn(says, note.text)
                # The next run that needs none takes them away.
                self.typical_batch()
                if setup:
                    self.retype(setup[0], kept)
                self.click(button)
                self.assertEqual(self.driver.find_elements("css selector", "[data-mark]"), [])
                self.assertFalse(self.el(f"note-{results[0]}").is_displayed())

    # (row, button, results left stale, how the staleness goes)
    STALE = [
        ("sugar, run again", "jisuan", ["Tt1", "jiutiji"], ("run", None)),
        ("sugar, Tt2 typed", "jisuan", ["Tt1", "jiutiji"], ("type", ("Tt2", "13"))),
        ("sugar, xiguan chosen", "jisuan", ["Tt1", "jiutiji"], ("choose", ("xiguan", "18"))),
        ("sulfite, variety chosen", "jialiu", ["s2", "s3"], ("choose", ("pinzhong", "蛇龙珠"))),
    ]

    def test_emptied_weight_fails_and_leaves_results_stale(self):
        for row, button, stale, (clear_by, what) in self.STALE:
            with self.subTest(row):
                self.open_page()
                self.typical_batch()
                self.click(button)
                shown = {name: self.value(name) for name in stale}
                normal = self.style("T1", "color")
                self.retype("weit", "")
                self.click(button)
                self.assertEqual(self.mark("weit"), "failure")
                self.assertEqual(self.style("weit", "borderTopColor"), FAILURE_RED)
                self.assertEqual(self.el("weit").get_attribute("aria-invalid"), "true")
                self.assertIn(MAIN_FORM.fields()["weit"][0], self.description("weit"))
                for name in stale:
                    self.assertEqual(self.value(name), shown[name], "the old text stays, greyed")
                    self.assertEqual(self.mark(name), "stale")
                    self.assertNotEqual(self.style(name, "color"), normal)
                    self.assertIn("不是当前的结果", self.description(name))
                    self.assertTrue(self.el(f"note-{name}").is_displayed())

                if clear_by == "run":
                    self.retype("weit", "100")
                    self.click(button)
                elif clear_by == "type":
                    self.retype(*what)
                else:
                    self.choose(*what)
                for name in stale:
                    self.assertIsNone(self.mark(name))
                    self.assertEqual(self.style(name, "color"), normal)
                    self.assertNotIn("不是当前的结果", self.description(name))


if __name__ == "__main__":
    main()
