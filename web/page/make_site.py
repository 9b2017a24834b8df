#!/usr/bin/env python3

# SPDX-FileCopyrightText: 2026 The Mostaric developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the web edition's generated files from the windows' forms.

  pages:  index.html, style.css and manifest.webmanifest into the site, and
          floor.html (the same page with no script) for the benchmark. Every
          word comes from ui/main_window.ui and ui/explanation_window.ui; the
          forum address, names and version from the build's identity; the
          theme colours from style.css. The site's style.css is the written
          one followed by the form's arrangement: one stylesheet, one request.
  worker: sw.js, which caches every site file under a name carrying the
          version and a digest of the files, so a rebuilt site replaces the
          old cache even when the version stayed.
Only the standard library; the output is the same on every run.
"""

import argparse
import hashlib
import html
import json
import os
import re
import sys
import xml.etree.ElementTree as ET

# Controls the page leaves out: a page cannot end the program.
LEFT_OUT = {"exit"}

# Form pixels per column of the desktop grid, and the distance within which
# two controls' tops count as one row of the form.
COLUMN_PX = 8
ROW_PX = 12

# The page's modules besides app.js, which imports them.
MODULES = ["core.js", "controls.js"]

# Form pixels per em of the explanation page's indents (the form's 10.5 pt).
EM_PX = 14


class Widget:
    def __init__(self, node):
        self.cls = node.get("class")
        self.name = node.get("name")
        self.props = {}
        for prop in node.findall("property"):
            self.props[prop.get("name")] = prop
        rect = node.find("property[@name='geometry']/rect")
        self.x, self.y, self.w, self.h = (int(rect.find(k).text) for k in ("x", "y", "width", "height"))

    def text(self, prop="text"):
        node = self.props.get(prop)
        if node is None:
            return None
        value = node.find("string")
        if value is None:
            value = node.find("cstring")
        return value.text or "" if value is not None else None

    def flag(self, prop):
        node = self.props.get(prop)
        return node is not None and node.find("bool") is not None and node.find("bool").text == "true"

    def point_size(self):
        node = self.props.get("font")
        size = node.find("font/pointsize") if node is not None else None
        return int(size.text) if size is not None else 0

    @property
    def right(self):  # as QRect::right()
        return self.x + self.w - 1


def read_form(path):
    root = ET.parse(path).getroot().find("widget")
    return root, [Widget(node) for node in root.findall("widget")]


def field_kind(widget):
    if widget.cls.endswith("ChoiceList"):
        return "list"
    if widget.cls.endswith("NumberInput"):
        return "input"
    if widget.cls == "QLineEdit":
        if "visible" in widget.props and not widget.flag("visible"):
            return "hidden"
        return "result" if widget.flag("readOnly") else "input"
    return None


class Field:
    def __init__(self, widget):
        self.widget = widget
        self.kind = field_kind(widget)
        self.caption = None
        self.unit = None


def caption_above(field):
    return field.caption is not None and field.caption.y + ROW_PX // 2 < field.widget.y


def main_window_items(widgets):
    """The page's items in the form's reading order, row by row and left to
    right in a row: fields with their caption and unit, buttons, and the
    labels that belong to no field. Each item comes with its row's index."""
    fields = {w.name: Field(w) for w in widgets if field_kind(w) is not None}
    free_labels = []
    for label in (w for w in widgets if w.cls == "QLabel"):
        buddy = label.text("buddy")
        if buddy in fields:
            field = fields[buddy]
            # As the windows pair them: the unit right of the field, the caption before or above.
            if label.x > field.widget.right:
                field.unit = label
            else:
                field.caption = label
        else:
            free_labels.append(label)
    items = [("field", f.widget, f) for f in fields.values() if f.kind != "hidden"]
    items += [("button", w, None) for w in widgets if w.cls == "QPushButton" and w.name not in LEFT_OUT]
    items += [("text", w, None) for w in free_labels]
    items.sort(key=lambda item: item[1].y)
    tops = []
    for _, widget, _ in items:
        if not tops or widget.y - tops[-1] > ROW_PX:
            tops.append(widget.y)
    placed = []
    for kind, widget, field in items:
        first = max(i for i, top in enumerate(tops) if top <= widget.y + ROW_PX)
        # A button may stand beside two rows; a label's box is often taller than its text.
        last = max(i for i, top in enumerate(tops) if top < widget.y + widget.h) if kind == "button" else first
        placed.append(((first, max(first, last)), kind, widget, field))
    # Row by row; an item beside several rows (a button beside its results)
    # after the last of them, so that one column keeps a calculation together.
    placed.sort(key=lambda item: (item[0][1], item[2].x))
    return placed


def item_box(widget, field):
    parts = [widget] + ([p for p in (field.caption, field.unit) if p] if field else [])
    return min(p.x for p in parts), max(p.x + p.w for p in parts)


def grid_places(items):
    """Each item's grid area on a desktop: the form's rows, and columns
    COLUMN_PX wide from the leftmost item."""
    origin = min(item_box(widget, field)[0] for _, _, widget, field in items)
    places = {}
    row_ends = {}
    for (first, last), _, widget, field in sorted(items, key=lambda item: (item[0][0], item[2].x)):
        left, right = item_box(widget, field)
        first_col = (left - origin) // COLUMN_PX
        last_col = -(-(right - origin) // COLUMN_PX)
        # Never over the item before in the row: the page's text is wider than the form's.
        first_col = max(first_col, row_ends.get(first, 0))
        last_col = max(last_col, first_col + 1)
        row_ends[first] = last_col
        places[widget.name] = (first + 1, first_col + 1, last + 2, last_col + 1)
    return places


def esc(text):
    return html.escape(text, quote=True)


def field_html(field, indent):
    w = field.widget
    name = w.name
    ids = [f"cap-{name}"] + ([f"unit-{name}"] if field.unit else [])
    above = caption_above(field)
    out = [f'{indent}<div class="cell field{" caption-above" if above else ""}" id="cell-{name}">']
    if field.caption is not None:
        out.append(f'{indent}  <label class="caption" id="cap-{name}" for="{name}">{esc(field.caption.text())}</label>')
    hint = w.text("accessibleDescription") or w.text("toolTip")
    # The hint describes the field; controls.js adds a mark's note after it.
    described = f' aria-describedby="hint-{name}" data-hint="hint-{name}" title="{esc(hint)}"' if hint else ""
    common = f'id="{name}" name="{name}" aria-labelledby="{" ".join(ids)}"{described}'
    if field.kind == "list":
        control = (f'<select {common}><option value="" disabled selected hidden></option></select>')
    elif field.kind == "input":
        control = (f'<input {common} type="text" inputmode="decimal" autocomplete="off" '
                   f'spellcheck="false">')
    else:
        control = f'<input {common} type="text" readonly>'
    out.append(f"{indent}  {control}")
    if field.unit is not None:
        out.append(f'{indent}  <label class="unit" id="unit-{name}" for="{name}">{esc(field.unit.text())}</label>')
    if hint:
        out.append(f'{indent}  <span class="hint" id="hint-{name}">{esc(hint)}</span>')
    out.append(f'{indent}  <p class="note" id="note-{name}" hidden></p>')
    out.append(f"{indent}</div>")
    return "\n".join(out)


def explanation_lines(widgets):
    """The explanation form's labels as lines: labels starting within ROW_PX
    of each other are one line; each line indented as far as the form does."""
    labels = sorted((w for w in widgets if w.cls == "QLabel"), key=lambda w: (w.y, w.x))
    lines = []
    for label in labels:
        if lines and abs(label.y - lines[-1][0].y) <= ROW_PX // 2:
            lines[-1].append(label)
        else:
            lines.append([label])
    left = min(w.x for w in labels)
    return [(line, (line[0].x - left) / EM_PX) for line in lines]


def flowing(text):
    """The form's text as the page shows it: its line breaks were made for
    the window's width and go, unless spaces line it up as a table."""
    if re.search(r"\S {2,}\S", text):
        return text
    return text.replace("\n", "")


def page_html(args, main_root, main_widgets, explain_root, explain_widgets, with_script):
    items = main_window_items(main_widgets)
    biggest = max((w for _, k, w, _ in items if k == "text"), key=lambda w: w.point_size())
    body = []
    for _, kind, widget, field in items:
        if kind == "field":
            body.append(field_html(field, "      "))
        elif kind == "button":
            if widget.name == "Command1":
                text = widget.text() + args.forum
                body.append(f'      <a class="cell button forum" id="Command1" href="https://{esc(args.forum)}" '
                            f'target="_blank" rel="noopener noreferrer">{esc(text)}</a>')
            else:
                body.append(f'      <button class="cell button" type="button" id="{widget.name}">'
                            f'{esc(widget.text())}</button>')
        else:
            tag = "h1" if widget is biggest else "p"
            body.append(f'      <{tag} class="cell text" id="text-{widget.name}">{esc(widget.text())}</{tag}>')

    explain = []
    levels = sorted({round(indent * 2) for _, indent in explanation_lines(explain_widgets)})
    for line, indent in explanation_lines(explain_widgets):
        spans = "".join(f'<span id="explain-{w.name}">{esc(flowing(w.text()))}</span>' for w in line)
        explain.append(f'      <p class="line indent-{levels.index(round(indent * 2))}">{spans}</p>')
    back = next(w for w in explain_widgets if w.cls == "QPushButton")

    # Every module and the core asked for at once: on a slow network each
    # round trip that waits for the one before costs most of the start-up.
    # The module, the largest, first. `crossorigin` matches the mode and
    # credentials of core.js's fetch(), so that the fetch takes this response.
    preload = '\n  <link rel="preload" href="mostaric.wasm" as="fetch" type="application/wasm" crossorigin>' \
        if with_script else ""
    script = "".join(f'\n  <link rel="modulepreload" href="{name}">' for name in MODULES) + \
        '\n  <script type="module" src="app.js"></script>' if with_script else ""
    return f"""<!DOCTYPE html>
<!-- SPDX-FileCopyrightText: 2026 The Mostaric developers
     SPDX-License-Identifier: GPL-3.0-or-later -->
<!-- Generated by web/page/make_site.py from the windows' forms. -->
<html lang="zh-CN">
<head>
  <meta charset="utf-8">
  <meta http-equiv="Content-Security-Policy" content="default-src 'self'; script-src 'self' 'wasm-unsafe-eval'; style-src 'self'; img-src 'self'; connect-src 'self'; worker-src 'self'; manifest-src 'self'; object-src 'none'; base-uri 'none'; form-action 'none'">
  <meta name="viewport" content="width=device-width, initial-scale=1">
  <meta name="color-scheme" content="light dark">
  <meta name="theme-color" media="(prefers-color-scheme: light)" content="{args.colours['light']}">
  <meta name="theme-color" media="(prefers-color-scheme: dark)" content="{args.colours['dark']}">
  <meta name="description" content="{esc(args.summary)}">
  <title>{esc(args.name)}</title>
  <link rel="manifest" href="manifest.webmanifest">
  <link rel="icon" type="image/png" sizes="192x192" href="icons/icon-192.png">
  <link rel="apple-touch-icon" href="icons/icon-192.png">{preload}
  <link rel="stylesheet" href="style.css">{script}
</head>
<body>
  <main>
    <section id="main-view" aria-label="{esc(main_root.find("property[@name='windowTitle']/string").text)}">
      <form class="form" id="count1" autocomplete="off">
{chr(10).join(body)}
      </form>
      <p class="note" id="note-page" hidden></p>
      <div class="visually-hidden" id="announce" aria-live="polite"></div>
    </section>
    <section id="explain" hidden aria-labelledby="explain-title">
      <h2 id="explain-title">{esc(explain_root.find("property[@name='windowTitle']/string").text)}</h2>
{chr(10).join(explain)}
      <p class="back"><button class="button" type="button" id="{back.name}">{esc(back.text())}</button></p>
    </section>
  </main>
</body>
</html>
"""


def layout_css(items, explain_widgets):
    places = grid_places(items)
    columns = max(place[3] for place in places.values()) - 1
    lines = [
        "/* SPDX-FileCopyrightText: 2026 The Mostaric developers",
        "   SPDX-License-Identifier: GPL-3.0-or-later */",
        "/* Added by web/page/make_site.py: the main window's arrangement,",
        "   each control where the form puts it, on screens wide enough. */",
        "@media (min-width: 48rem) {",
        f"  .form {{ grid-template-columns: repeat({columns}, minmax(0, 1fr)); }}",
    ]
    rows_with_captions_above = {rows[0] for rows, kind, _, field in items
                                if kind == "field" and caption_above(field)}
    for (row, _), kind, widget, field in items:
        top, col, row_end, col_end = places[widget.name]
        selector = f"#cell-{widget.name}" if kind == "field" else f"#{widget.name}" if kind == "button" \
            else f"#text-{widget.name}"
        # A box beside others' captions-above lines up with their boxes.
        drop = " padding-top: 1.5em;" if kind == "field" and row in rows_with_captions_above \
            and not caption_above(field) else ""
        lines.append(f"  {selector} {{ grid-area: {top} / {col} / {row_end} / {col_end};{drop} }}")
    lines.append("}")
    indents = sorted({round(indent * 2) for _, indent in explanation_lines(explain_widgets)})
    for level, half_ems in enumerate(indents):
        lines.append(f".indent-{level} {{ padding-inline-start: {half_ems / 2:g}em; }}")
    return "\n".join(lines) + "\n"


def theme_colours(css):
    """The page's background in light and dark, as style.css sets it."""
    found = re.findall(r"--paper:\s*(#[0-9a-fA-F]{6})", css)
    if len(found) != 2:
        sys.exit(f"style.css: expected --paper once for light and once for dark, found {len(found)}")
    return {"light": found[0], "dark": found[1]}


def write(path, text):
    os.makedirs(os.path.dirname(path) or ".", exist_ok=True)
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)


def pages(args):
    main_root, main_widgets = read_form(args.main_ui)
    explain_root, explain_widgets = read_form(args.explanation_ui)
    with open(args.style, encoding="utf-8") as f:
        style = f.read()
    args.colours = theme_colours(style)
    write(os.path.join(args.site, "index.html"),
          page_html(args, main_root, main_widgets, explain_root, explain_widgets, True))
    write(args.floor, page_html(args, main_root, main_widgets, explain_root, explain_widgets, False))
    write(os.path.join(args.site, "style.css"),
          style.rstrip("\n") + "\n\n" + layout_css(main_window_items(main_widgets), explain_widgets))
    manifest = {
        "name": args.name,
        # The Chinese part of the display name: short enough under a home-screen icon.
        "short_name": args.name.split()[-1],
        "description": args.summary,
        "lang": "zh-CN",
        "dir": "ltr",
        "id": "./",
        "start_url": "./",
        "scope": "./",
        "display": "standalone",
        "theme_color": args.colours["light"],
        "background_color": args.colours["light"],
        "icons": [
            {"src": "icons/icon-192.png", "sizes": "192x192", "type": "image/png", "purpose": "any"},
            {"src": "icons/icon-512.png", "sizes": "512x512", "type": "image/png", "purpose": "any"},
            {"src": "icons/icon-maskable-512.png", "sizes": "512x512", "type": "image/png",
             "purpose": "maskable"},
        ],
    }
    write(os.path.join(args.site, "manifest.webmanifest"),
          json.dumps(manifest, ensure_ascii=False, indent=2) + "\n")


def worker(args):
    files = sorted(args.files)
    digest = hashlib.sha256()
    for name in files:
        with open(os.path.join(args.site, name), "rb") as f:
            digest.update(name.encode() + b"\0" + f.read())
    with open(args.template, encoding="utf-8") as f:
        text = f.read()
    text = text.replace("@CACHE_NAME@", json.dumps(f"mostaric-{args.version}-{digest.hexdigest()[:12]}"))
    text = text.replace("@FILES@", json.dumps(["./"] + files, indent=2))
    write(os.path.join(args.site, "sw.js"), text)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    sub = parser.add_subparsers(dest="command", required=True)
    p = sub.add_parser("pages")
    p.add_argument("--main-ui", required=True)
    p.add_argument("--explanation-ui", required=True)
    p.add_argument("--style", required=True)
    p.add_argument("--forum", required=True)
    p.add_argument("--name", required=True)
    p.add_argument("--summary", required=True)
    p.add_argument("--site", required=True)
    p.add_argument("--floor", required=True)
    w = sub.add_parser("worker")
    w.add_argument("--site", required=True)
    w.add_argument("--template", required=True)
    w.add_argument("--version", required=True)
    w.add_argument("files", nargs="+")
    args = parser.parse_args()
    pages(args) if args.command == "pages" else worker(args)


if __name__ == "__main__":
    main()
