#pragma once

#include <QFont>

namespace mostaric::ui {

// The windows name the fonts of the original program: 宋体 (SimSun),
// 楷体_GB2312 (KaiTi) and Times New Roman. Where the platform lacks them, Qt
// is told which installed face of like kind stands in for each (on Debian:
// AR PL UMing CN, AR PL UKai CN and Liberation Serif). Only names are
// registered; no font file is loaded. Call once at start-up, before the first
// window is created; calling it again does nothing. The font functions below
// call it themselves too.
void registerFontSubstitutes();

// 宋体 / 楷体_GB2312 / Times New Roman at the given point size: regular weight
// (400), not italic, not underlined.
QFont songTiFont(qreal pointSize);
QFont kaiTiFont(qreal pointSize);
QFont timesNewRomanFont(qreal pointSize);

}  // namespace mostaric::ui
