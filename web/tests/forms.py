# SPDX-FileCopyrightText: 2026 The Mostaric developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""The windows' words as the forms hold them, read here on their own so the
tests compare the page with the forms and not with the page's generator."""

import xml.etree.ElementTree as ET


def _text(widget, prop="text"):
    node = widget.find(f"property[@name='{prop}']/string")
    if node is None:
        node = widget.find(f"property[@name='{prop}']/cstring")
    return None if node is None else (node.text or "")


def _rect(widget):
    rect = widget.find("property[@name='geometry']/rect")
    return {k: int(rect.find(k).text) for k in ("x", "y", "width", "height")}


class Form:
    def __init__(self, path):
        self.root = ET.parse(path).getroot().find("widget")
        self.title = _text(self.root, "windowTitle")
        self.widgets = self.root.findall("widget")

    def of_class(self, suffix):
        return [w for w in self.widgets if w.get("class").endswith(suffix)]

    def fields(self):
        """{name: (caption, unit or None)} for every shown field: a label
        whose buddy is the field is its unit right of it, else its caption."""
        shown = {}
        for w in self.widgets:
            hidden = w.find("property[@name='visible']/bool")
            if w.get("class") in ("QLineEdit", "mostaric::ui::NumberInput", "mostaric::ui::ChoiceList") \
                    and not (hidden is not None and hidden.text == "false"):
                shown[w.get("name")] = w
        words = {name: [None, None] for name in shown}
        for label in self.of_class("QLabel"):
            buddy = _text(label, "buddy")
            if buddy in shown:
                box = _rect(shown[buddy])
                words[buddy][1 if _rect(label)["x"] > box["x"] + box["width"] - 1 else 0] = _text(label)
        return {name: tuple(pair) for name, pair in words.items()}

    def kind(self, name):
        w = next(w for w in self.widgets if w.get("name") == name)
        if w.get("class").endswith("ChoiceList"):
            return "list"
        read_only = w.find("property[@name='readOnly']/bool")
        return "result" if read_only is not None and read_only.text == "true" else "input"

    def buttons(self):
        return {w.get("name"): _text(w) for w in self.of_class("QPushButton")}

    def free_labels(self):
        return {w.get("name"): _text(w) for w in self.of_class("QLabel") if _text(w, "buddy") is None}

    def descriptions(self):
        return {w.get("name"): _text(w, "accessibleDescription") for w in self.widgets
                if _text(w, "accessibleDescription") and w.get("class") != "QPushButton"}
