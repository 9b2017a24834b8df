// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/app_icon.h"

#include <QImage>
#include <QPixmap>
#include <QString>

// The icon lives in a resource file compiled into this static library; the
// linker keeps its object file only if something refers to it.
static void initIconResources() { Q_INIT_RESOURCE(icons); }

namespace mostaric::ui {

QIcon appIcon()
{
    static const QIcon icon = [] {
        initIconResources();
        QIcon result;
        result.addPixmap(
            QPixmap::fromImage(QImage(QStringLiteral(":/mostaric/icons/mostaric.png"))));
        // The same picture drawn at the sizes desktops ask for on scaled
        // screens, so that none is blown up from 96 pixels.
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            result.addPixmap(QPixmap::fromImage(
                QImage(QStringLiteral(":/mostaric/icons/mostaric-%1.png").arg(size))));
        }
        return result;
    }();
    return icon;
}

}  // namespace mostaric::ui
