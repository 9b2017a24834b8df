// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <span>
#include <string_view>

#include "ui/control_table.h"

namespace mostaric::ui {

// The main window's 50 controls in reading order.
std::span<const ControlRow> mainWindowControls();

// Client area, in twips.
inline constexpr int kMainWindowWidthTwips = 8205;
inline constexpr int kMainWindowHeightTwips = 8160;

// Texts of our own wording: Command1's line ends with the forum address it
// opens.
inline constexpr std::string_view kWelcomeLine = "欢迎访问 Mostaric 家酿论坛：";

}  // namespace mostaric::ui
