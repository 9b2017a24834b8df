// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <string_view>

#include "core/field_update.h"

namespace mostaric {

// A grape variety and the share of the must's weight that is juice.
struct VarietyRow {
    std::string_view name;        // two-character names hold two U+0020 blanks
    std::string_view juiceYield;  // into sd, e.g. "0.62"
};

extern const std::array<VarietyRow, 9> kVarietyTable;

// The variety names in the order of the pinzhong list, which is not the
// table's order.
extern const std::array<std::string_view, 9> kVarietyListOrder;

// A variety chosen in pinzhong (its click): the yield of the variety named
// exactly `name` goes into sd; a text that names no variety writes nothing.
FieldUpdate chooseVariety(std::string_view name);

}  // namespace mostaric
