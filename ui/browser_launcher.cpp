// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/browser_launcher.h"

#include <QDesktopServices>

#include "mostaric_build_info.h"

namespace mostaric::ui {

QString forumAddress() { return QString::fromUtf8(MOSTARIC_FORUM_ADDRESS); }

// Always over HTTPS: the address names a host, the scheme is ours to choose.
QUrl forumUrl() { return QUrl(QStringLiteral("https://") + forumAddress()); }

bool openInSystemBrowser(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace mostaric::ui
