// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace mostaric::ui {

// The boxes were sized for the faces that stand in for 宋体 and 楷体_GB2312 on
// our reference machines (AR PL UMing and UKai, SimSun's metrics). Other
// faces are taller or wider (Noto CJK keeps a large ascent above its glyphs),
// so a text could wrap into a line its box cannot show, or lose its lower edge.
//
// fitTextsToBoxes leaves every label of `window` whose text stays inside its
// box alone (with the reference faces: all) and draws any other itself, same
// text, colours and face: its lines pulled up at a tighter pitch (never
// touching), and only where that is not enough smaller, down to 85 %. Font,
// text and geometry stay, so requests and screen readers do not change.
// Calling it again refits.
void fitTextsToBoxes(QWidget& window);

}  // namespace mostaric::ui
