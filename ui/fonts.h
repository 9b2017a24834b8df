// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QFont>

namespace mostaric::ui {

// Our windows ask for 宋体 (a Song/Ming serif), 楷体_GB2312 (a Kai brush
// face) and Times New Roman at fixed sizes, because their boxes are measured
// for faces of those kinds and sizes. Where a face is not installed, Qt is
// told which installed faces stand in for it, most alike first: the same
// face under other platforms' names, then the free faces of its kind, then
// the nearest other kind. Only names are registered; no font file is loaded.
// Call once at start-up, before the first window is created; calling it
// again does nothing. The font functions below call it themselves too.
void registerFontSubstitutes();

// 宋体 at the given point size, regular weight: the windows' own font, which
// their forms cannot give, since a form holds whole points only.
QFont songTiFont(qreal pointSize);

// Empty while some installed face can draw Simplified Chinese. Otherwise one
// line, in English since no Chinese character could be drawn, saying how this
// system gets the faces our windows are measured for.
QString missingChineseFaceMessage();

}  // namespace mostaric::ui
