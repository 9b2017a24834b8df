// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/start_up.h"

#include <array>
#include <utility>

#include "core/gravity_table.h"
#include "core/variety_table.h"

namespace mostaric {
namespace {

constexpr std::array<std::string_view, 4> kCustomarySugarAmounts = {"17", "18", "19", "20"};

// The texts the fields start with: the yield of the list's first variety,
// 赤霞珠, and the inputs' customary values.
constexpr std::pair<Field, std::string_view> kStartTexts[] = {
    {Field::sd, "0.62"}, {Field::weit, "0"},      {Field::Tt2, "0"},
    {Field::s1, "30"},   {Field::jiaomu1, "0.2"},
};

}  // namespace

CalculatorFields startUpFields()
{
    CalculatorFields fields;
    for (const auto& [field, text] : kStartTexts)
        fields.text(field).assign(text);
    return fields;
}

std::vector<std::string_view> listEntries(Field list)
{
    switch (list) {
    case Field::pinzhong: return {kVarietyListOrder.begin(), kVarietyListOrder.end()};
    case Field::bizhong: {
        std::vector<std::string_view> entries;
        entries.reserve(kGravityTable.size());
        for (const GravityRow& row : kGravityTable)
            entries.push_back(row.gravity);
        return entries;
    }
    case Field::xiguan: return {kCustomarySugarAmounts.begin(), kCustomarySugarAmounts.end()};
    default: return {};
    }
}

}  // namespace mostaric
