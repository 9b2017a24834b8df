// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <string>
#include <string_view>

// The core speaks UTF-8 in standard strings; the windows speak QString.
namespace mostaric::ui {

inline QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

inline std::string toStdString(const QString& text) { return text.toStdString(); }

}  // namespace mostaric::ui
