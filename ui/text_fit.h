// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace mostaric::ui {

// The boxes of both windows were sized for the faces that stand in for 宋体
// and 楷体_GB2312 on our reference machines (AR PL UMing and UKai, metrics like
// SimSun's). Other Chinese faces are taller or wider: Noto CJK keeps a large
// ascent above its glyphs, and several faces' lines are a pixel or two wider,
// so a text would wrap into a line its box cannot show, or lose its lower edge.
//
// fitTextsToBoxes looks at every caption label of `window` once, after its
// controls are built. A label whose text, laid out as the label draws it,
// stays inside its box is left alone (with the reference faces: all of them).
// Any other label is drawn by us instead: the same text in the same colours
// with the same face, first with its lines pulled up into the empty room
// above the glyphs and set at a tighter pitch (never so tight that lines
// touch), and only where that is not enough at a smaller size, in steps down
// to 85 % of the requested size. The label's font, text and geometry stay as
// the window set them, so what it asks for and what screen readers read do
// not change. Calling it again recomputes every fit.
void fitTextsToBoxes(QWidget& window);

// The smallest share of a label's requested size that fitting may use.
inline constexpr double kSmallestFitScale = 0.85;

}  // namespace mostaric::ui
