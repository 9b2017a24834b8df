// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QString>

namespace mostaric::ui {

// Every colour the windows pin comes from here; everything else follows the
// desktop's theme. A control that pins one colour pins all it draws with:
// face and text in each state, border and focus border, so no theme can put
// its own text colour on our face.
struct PinnedColours {
    QColor face;
    QColor text;
    QColor hoverFace;
    QColor pressedFace;
    QColor border;
    QColor focusBorder;
};

// Command1: the classic system colour for inactive caption text (index 19),
// a calm light grey, with the classic black button text.
PinnedColours linkButtonColours();

// The frame of a mark on a field: red where a calculation could not use a
// field, amber where it answered with a zero or a negative amount to explain.
// Each stands out at 3:1 or better against a light and a dark window.
QColor failureFrameColour(bool darkWindow);
QColor noticeFrameColour(bool darkWindow);

// The text of a result that no longer belongs to the fields: halfway from its
// own text colour to its background, grey on either palette and still legible.
QColor staleTextColour(const QColor& text, const QColor& background);

// The style sheet that draws the push button named `objectName` in
// `colours`, in every state.
QString pinnedButtonStyleSheet(const QString& objectName, const PinnedColours& colours);

}  // namespace mostaric::ui
