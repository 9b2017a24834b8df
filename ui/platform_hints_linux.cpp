// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/platform_hints.h"

#include "mostaric_build_info.h"

namespace mostaric::ui {

QString chineseFaceInstallHint()
{
    // The faces the windows are measured for, as Debian packages them.
    return QStringLiteral("install " MOSTARIC_FONT_PACKAGES " (or fonts-noto-cjk).");
}

const char* noDisplayLine()
{
    return "mostaric: no graphical display could be opened; run it in a desktop session, or set "
           "DISPLAY (X11) or WAYLAND_DISPLAY to the display to use.\n";
}

QString styleName()
{
    return {};  // the desktop's own styles follow its palette
}

}  // namespace mostaric::ui
