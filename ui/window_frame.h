// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

class QWidget;

namespace mostaric::ui {

enum class WindowRole {
    Main,  // the program's window: listed in the taskbar
    Page,  // a page opened from it: a tool window the taskbar does not list
};

// Makes `window` a top-level window with a title bar, its system menu and
// close box, and no minimise or maximise button. Its form fixes its size.
void setUpFixedWindow(QWidget& window, WindowRole role);

// Places the window, frame included, in the middle of its screen's free area.
void centreOnScreen(QWidget& window);

}  // namespace mostaric::ui
