// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What differs between the systems the program runs on: what the user is
// told when something the program needs is missing, and the widget style.
// One definition per system: platform_hints_linux.cpp and
// platform_hints_windows.cpp; the build picks one.
namespace mostaric::ui {

// How to get faces that draw Simplified Chinese, completing a sentence in
// English (no Chinese character can be drawn then).
QString chineseFaceInstallHint();

// One line for stderr when no graphical display can be opened.
const char* noDisplayLine();

// The style the windows are drawn in, or an empty string for the desktop's.
QString styleName();

}  // namespace mostaric::ui
