#include "ui/browser_launcher.h"

#include <QDesktopServices>

#ifndef MOSTARIC_FORUM_ADDRESS
#error "MOSTARIC_FORUM_ADDRESS is set by ui/CMakeLists.txt"
#endif

namespace mostaric::ui {

QString forumAddress() { return QString::fromUtf8(MOSTARIC_FORUM_ADDRESS); }

// Always over HTTPS: the address names a host, the scheme is ours to choose.
QUrl forumUrl() { return QUrl(QStringLiteral("https://") + forumAddress()); }

bool openInSystemBrowser(const QUrl& url) { return QDesktopServices::openUrl(url); }

}  // namespace mostaric::ui
