#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The built page says what the windows' forms say, word for word, and
nothing of its own: it fails when the page and the forms drift apart."""

import argparse
import html.parser
import json
import os
import sys
import unittest

from forms import Form

args = argparse.Namespace()


class Page(html.parser.HTMLParser):
    """Each element's text by its id, its attributes, and every text of the body."""
    VOID = {"meta", "link", "input", "br", "img"}

    def __init__(self, path):
        super().__init__()
        self.open = []
        self.texts = {}
        self.attrs = {}
        self.body_texts = []
        self.in_body = False
        with open(path, encoding="utf-8") as f:
            self.feed(f.read())

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        self.in_body = self.in_body or tag == "body"
        if tag == "html":
            self.lang = attrs.get("lang")
        if "id" in attrs:
            self.attrs[attrs["id"]] = {**attrs, "tag": tag}
            self.texts.setdefault(attrs["id"], "")
        if tag not in self.VOID:
            self.open.append(attrs.get("id"))

    def handle_endtag(self, tag):
        if tag not in self.VOID:
            self.open.pop()

    def handle_data(self, data):
        for element_id in filter(None, self.open):
            self.texts[element_id] += data
        if self.in_body and data.strip():
            self.body_texts.append(data)


def lines_joined(text):
    return (text or "").replace("\n", "")


class Words(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.page = Page(os.path.join(args.site, "index.html"))
        cls.main = Form(args.main_ui)
        cls.explanation = Form(args.explanation_ui)

    def test_captions_and_units(self):
        for name, (caption, unit) in self.main.fields().items():
            with self.subTest(name):
                self.assertEqual(self.page.texts.get(f"cap-{name}"), caption)
                self.assertEqual(self.page.texts.get(f"unit-{name}"), unit)
                self.assertIn(name, self.page.attrs, "the control has the form's name as its id")
                labelled = self.page.attrs[name]["aria-labelledby"].split()
                self.assertEqual(labelled, [f"cap-{name}"] + ([f"unit-{name}"] if unit else []))

    def test_buttons(self):
        for name, text in self.main.buttons().items():
            with self.subTest(name):
                if name == "exit":
                    self.assertNotIn(name, self.page.attrs, "a page has no exit")
                elif name == "Command1":
                    self.assertEqual(self.page.texts[name], text + args.forum)
                    self.assertEqual(self.page.attrs[name]["href"], f"https://{args.forum}")
                else:
                    self.assertEqual(self.page.texts[name], text)
        for name, text in self.explanation.buttons().items():
            with self.subTest(name):
                self.assertEqual(self.page.texts[name], text)

    def test_descriptions(self):
        for name, text in self.main.descriptions().items():
            with self.subTest(name):
                self.assertEqual(self.page.texts[f"hint-{name}"], text)
                self.assertIn(f"hint-{name}", self.page.attrs[name]["aria-describedby"].split())

    def test_texts_of_no_field(self):
        for name, text in self.main.free_labels().items():
            with self.subTest(name):
                self.assertEqual(self.page.texts[f"text-{name}"], text)

    def test_explanation(self):
        with self.subTest("title"):
            self.assertEqual(self.page.texts["explain-title"], self.explanation.title)
        for name, text in self.explanation.free_labels().items():
            with self.subTest(name):
                self.assertEqual(lines_joined(self.page.texts[f"explain-{name}"]), lines_joined(text))

    def test_no_words_of_its_own(self):
        words = {t for _, t in self.main.free_labels().items()}
        words |= {t for pair in self.main.fields().values() for t in pair if t}
        words |= set(self.main.descriptions().values())
        words |= {t + args.forum for n, t in self.main.buttons().items() if n == "Command1"}
        words |= set(self.main.buttons().values()) | set(self.explanation.buttons().values())
        words |= {self.explanation.title} | {lines_joined(t) for t in self.explanation.free_labels().values()}
        for text in self.page.body_texts:
            with self.subTest(text):
                self.assertIn(lines_joined(text), words)

    def test_page_and_manifest_identity(self):
        with open(os.path.join(args.site, "manifest.webmanifest"), encoding="utf-8") as f:
            manifest = json.load(f)
        rows = [
            ("page language", self.page.lang, "zh-CN"),
            ("manifest name", manifest["name"], args.name),
            ("manifest language", manifest["lang"], "zh-CN"),
            ("short name is part of the name", manifest["short_name"] in args.name, True),
            ("main view named by the window's title", self.page.attrs["main-view"]["aria-label"], self.main.title),
        ]
        for row, got, want in rows:
            with self.subTest(row):
                self.assertEqual(got, want)


def main():
    parser = argparse.ArgumentParser()
    for option in ("--site", "--main-ui", "--explanation-ui", "--forum", "--name"):
        parser.add_argument(option, required=True)
    known, rest = parser.parse_known_args(namespace=args)
    unittest.main(argv=[sys.argv[0]] + rest, verbosity=2)


if __name__ == "__main__":
    main()
