// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QStringList>

#include <span>
#include <string_view>

#include "ui/control_builder.h"
#include "ui/control_table.h"

namespace mostaric::ui {

// The 16 controls of the explanation window `explain`, in reading order (top
// to bottom, then left to right). Each text is exactly as the page is
// written, with its runs of blanks and, for Label2 and Label7, the trailing
// carriage return and line feed; two-line texts name where the second line
// begins (see displayedLines).
std::span<const ControlRow> explanationControls();

// The control named `name`, or nullptr.
const ControlRow* findExplanationControl(std::string_view name);

// The stored text of a control as a QString.
QString storedText(const ControlRow& control);

// displayedLines joined with "\n": the text the control is given.
QString displayedText(const ControlRow& control);

}  // namespace mostaric::ui
