// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

#include "core/field_update.h"

namespace mostaric {

// One measured specific gravity at 20 °C and what the must gives by itself.
struct GravityRow {
    std::string_view gravity;  // key and list entry, e.g. "1.06"
    std::string_view alcohol;  // %vol, into T1 and Tt2, e.g. "7.0"
    std::string_view brix;     // degrees Brix, into tangdu
};

extern const std::array<GravityRow, 56> kGravityTable;

// A gravity chosen in bizhong (its click): the row whose key equals `gravity`
// exactly gives T1, Tt2 and tangdu, in that order; a text that matches no key
// writes nothing.
FieldUpdate chooseGravity(std::string_view gravity);

}  // namespace mostaric
