// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

class QWidget;

namespace mostaric::ui {

enum class WindowRole {
    Main,  // the program's window: listed in the taskbar
    Page,  // a page opened from it: a tool window the taskbar does not list
};

// Makes `window` a fixed, non-resizable top-level window of the given client
// size in twips: a title bar with its system menu and close box, no minimise
// or maximise button.
void setUpFixedWindow(QWidget& window, WindowRole role, const QString& objectName,
                      const QString& title, int widthTwips, int heightTwips);

// Places the window, frame included, in the middle of its screen's free area.
void centreOnScreen(QWidget& window);

}  // namespace mostaric::ui
