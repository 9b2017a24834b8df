// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string_view>

// The core speaks UTF-8 in standard strings, the windows QString; the other
// way is Qt's own QString::toStdString.
namespace mostaric::ui {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

}  // namespace mostaric::ui
