// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <vector>

#include "ui/control_table.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace mostaric::ui {

// A control made from its row, held by its own type.
struct BuiltControl {
    const ControlRow* row = nullptr;
    QWidget* widget = nullptr;  // always set; one of the four below as well
    QLabel* label = nullptr;
    QComboBox* list = nullptr;
    QLineEdit* box = nullptr;  // an input, a result or the hidden field
    QPushButton* button = nullptr;
};

// Makes every control of `table` as a child of `window`, in table order (the
// order assistive technology reads them in): name, text, place, size and
// font; lists are ChoiceLists. Then links the keyboard order by the Tab
// places and makes each label that names a field that field's label for
// assistive technology (its buddy). Focuses nothing.
std::vector<BuiltControl> buildControls(QWidget& window, std::span<const ControlRow> table);

QString toQString(std::string_view utf8);

// The lines a Lines control shows: its text without the trailing line end
// and blanks, split at the blank run before `secondLine` (that run dropped).
QStringList displayedLines(const ControlRow& control);

}  // namespace mostaric::ui
