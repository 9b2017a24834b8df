// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace mostaric::ui {

// The windows ask for 宋体, 楷体_GB2312 and Times New Roman, as their boxes are
// measured for faces of those kinds. Registers, for each, the installed faces
// that stand in for it, most alike first. Only names: no font file is loaded.
// Call before the first window is made; again, it does nothing.
void registerFontSubstitutes();

// 宋体 at the given point size, regular weight: the windows' own font, which
// their forms cannot give, since a form holds whole points only.
QFont songTiFont(qreal pointSize);

// Empty while some installed face can draw Simplified Chinese. Otherwise one
// line, in English since no Chinese character could be drawn, saying how this
// system gets the faces our windows are measured for.
QString missingChineseFaceMessage();

}  // namespace mostaric::ui
