#include "ui/app_icon.h"

#include <QImage>
#include <QPixmap>
#include <QString>

// The icon lives in a resource file compiled into this static library; the
// linker keeps its object file only if something refers to it.
static void initIconResources()
{
    Q_INIT_RESOURCE(icons);
}

namespace mostaric::ui {

QIcon appIcon()
{
    static const QIcon icon = [] {
        initIconResources();
        QIcon result;
        result.addPixmap(QPixmap::fromImage(
            QImage(QStringLiteral(":/mostaric/icons/mostaric.png"))));
        return result;
    }();
    return icon;
}

}  // namespace mostaric::ui
