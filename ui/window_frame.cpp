// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/window_frame.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace mostaric::ui {

void setUpFixedWindow(QWidget& window, WindowRole role)
{
    // Qt::Tool keeps a page out of the taskbar: on Windows it becomes a tool
    // window, on X11 a utility window that window managers do not list.
    const Qt::WindowFlags type = role == WindowRole::Page ? Qt::Tool : Qt::Window;
    window.setWindowFlags(type | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint
                          | Qt::MSWindowsFixedSizeDialogHint);
}

void centreOnScreen(QWidget& window)
{
    QScreen* screen = window.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // Before the first showing the frame is not known yet and equals the
    // client area; the client area is placed, so the frame follows it.
    const QRect frame = window.frameGeometry();
    QRect centred = frame;
    centred.moveCenter(screen->availableGeometry().center());
    window.setGeometry(window.geometry().translated(centred.topLeft() - frame.topLeft()));
}

}  // namespace mostaric::ui
