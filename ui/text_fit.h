// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace mostaric::ui {

// The boxes were sized for the faces that stand in for 宋体 and 楷体_GB2312 on
// our reference machines (AR PL UMing and UKai, SimSun's metrics). Other
// faces are taller or wider (Noto CJK keeps a large ascent above its glyphs),
// so a text could wrap into a line its box cannot show, or lose its lower edge.
//
// fitTextsToBoxes leaves alone every caption label of `window` whose text, as
// the label lays it out, stays inside its box (with the reference faces: all).
// It draws any other one itself, same text, colours and face: its lines first
// pulled up into the room above the glyphs at a tighter pitch (never
// touching), and only where that is not enough smaller, in steps down to 85 %.
// The label's font, text and geometry stay as they were, so what it asks for
// and what screen readers read do not change. Calling it again refits.
void fitTextsToBoxes(QWidget& window);

}  // namespace mostaric::ui
