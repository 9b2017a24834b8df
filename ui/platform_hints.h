// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

// What the user of each system is told to do when something the program
// needs is missing. One definition per system: platform_hints_linux.cpp and
// platform_hints_windows.cpp; the build picks one.
namespace mostaric::ui {

// How to get faces that draw Simplified Chinese, completing a sentence in
// English (no Chinese character can be drawn then).
QString chineseFaceInstallHint();

// One line for stderr when no graphical display can be opened.
const char* noDisplayLine();

}  // namespace mostaric::ui
