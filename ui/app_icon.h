// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>

namespace mostaric::ui {

// The program's icon: the 96 x 96, 16-colour picture of a bunch of grapes
// (drawn by ui/icons/make_icon.py), the same for both windows and, through
// ui/mostaric.rc, for the Windows program file; with it, the same picture
// drawn smooth at 16 to 256 pixels for scaled screens. Decoded on the first
// call (which needs a QGuiApplication); later calls return the same icon.
QIcon appIcon();

}  // namespace mostaric::ui
