// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/variety_table.h"

#include <string>

namespace mostaric {

// Two-character names carry two U+0020 blanks between their characters.
// clang-format off
constexpr std::array<VarietyRow, 9> kVarietyTable = {{
    {"赤霞珠", "0.62"},
    {"蛇龙珠", "0.75"},
    {"品丽珠", "0.76"},
    {"美  乐", "0.74"},
    {"西  拉", "0.73"},
    {"巨  峰", "0.83"},
    {"玫瑰香", "0.76"},
    {"桂  葡", "0.65"},
    {"山葡萄", "0.58"},
}};

constexpr std::array<std::string_view, 9> kVarietyListOrder = {
    "赤霞珠", "蛇龙珠", "桂  葡", "品丽珠", "美  乐",
    "西  拉", "巨  峰", "玫瑰香", "山葡萄",
};
// clang-format on

FieldUpdate chooseVariety(std::string_view name)
{
    FieldUpdate update;
    for (const VarietyRow& row : kVarietyTable) {
        if (row.name == name) {
            update.writes = {{Field::sd, std::string(row.juiceYield)}};
            break;
        }
    }
    return update;
}

}  // namespace mostaric
