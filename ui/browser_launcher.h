// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QUrl>

#include <functional>

namespace mostaric::ui {

// Opens a web page somewhere outside the program and returns at once without
// waiting for it; false when it could not be handed over.
using BrowserLauncher = std::function<bool(const QUrl&)>;

// The program's web forum as configured at build time (MOSTARIC_FORUM_ADDRESS):
// a bare host name, the text that Command1 shows.
QString forumAddress();

// The page that Command1 opens: "https://" and forumAddress().
QUrl forumUrl();

// The user's default browser through QDesktopServices::openUrl: no shell, no
// command line, no waiting.
bool openInSystemBrowser(const QUrl& url);

}  // namespace mostaric::ui
