// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/colours.h"

namespace mostaric::ui {

PinnedColours linkButtonColours()
{
    return {
        .face = QColor(0xc0, 0xc0, 0xc0),
        .text = QColor(0x00, 0x00, 0x00),
        .hoverFace = QColor(0xca, 0xca, 0xca),
        .pressedFace = QColor(0xb0, 0xb0, 0xb0),
        .border = QColor(0x80, 0x80, 0x80),
        .focusBorder = QColor(0x30, 0x30, 0x30),
    };
}

QColor failureFrameColour(bool darkWindow)
{
    return darkWindow ? QColor(0xff, 0x6f, 0x61) : QColor(0xc0, 0x39, 0x2b);
}

QColor noticeFrameColour(bool darkWindow)
{
    return darkWindow ? QColor(0xff, 0xb3, 0x40) : QColor(0xb8, 0x6e, 0x00);
}

QColor staleTextColour(const QColor& text, const QColor& background)
{
    constexpr float kFade = 0.5F;
    const auto mix = [](float from, float to) { return from + (to - from) * kFade; };
    return QColor::fromRgbF(mix(text.redF(), background.redF()),
                            mix(text.greenF(), background.greenF()),
                            mix(text.blueF(), background.blueF()));
}

QString pinnedButtonStyleSheet(const QString& objectName, const PinnedColours& colours)
{
    const QString button = QStringLiteral("QPushButton#") + objectName;
    const auto name = [](const QColor& colour) { return colour.name(QColor::HexRgb); };
    // The text colour is repeated in each state: a state rule of a theme's
    // own style sheet must not take it over there.
    return QStringLiteral("%1 { background-color: %2; color: %3; border: 1px solid %4;"
                          " border-radius: 2px; padding: 2px; }"
                          "%1:hover { background-color: %5; color: %3; }"
                          "%1:pressed { background-color: %6; color: %3; }"
                          "%1:focus { border: 1px solid %7; color: %3; }")
        .arg(button, name(colours.face), name(colours.text), name(colours.border),
             name(colours.hoverFace), name(colours.pressedFace), name(colours.focusBorder));
}

}  // namespace mostaric::ui
