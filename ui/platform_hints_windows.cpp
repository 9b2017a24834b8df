// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/platform_hints.h"

namespace mostaric::ui {

QString chineseFaceInstallHint()
{
    // Windows 10 and 11 install SimSun and KaiTi with this optional feature.
    return QStringLiteral("add \"Chinese (Simplified) Supplemental Fonts\" under Settings > "
                          "Apps > Optional features.");
}

const char* noDisplayLine()
{
    return "mostaric: the Windows desktop could not be opened; start the program from a "
           "signed-in desktop session.\n";
}

QString styleName()
{
    // Qt 6.4's native Windows style paints boxes and buttons white whatever
    // the palette, so light text on a dark palette would not read; Fusion
    // draws with the palette, as the Linux build does.
    return QStringLiteral("Fusion");
}

}  // namespace mostaric::ui
