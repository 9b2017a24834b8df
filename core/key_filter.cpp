// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/key_filter.h"

namespace mostaric {

bool acceptsKey(std::int16_t keyCode)
{
    constexpr std::int16_t kBackspace = 8;
    const bool isDigit = keyCode >= '0' && keyCode <= '9';
    return isDigit || keyCode == '.' || keyCode == kBackspace;
}

}  // namespace mostaric
