// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/start_up.h"

#include <array>

#include "core/gravity_table.h"
#include "core/variety_table.h"

namespace mostaric {
namespace {

constexpr std::array<std::string_view, 4> kCustomarySugarAmounts = {"17", "18", "19", "20"};

// The yield of the first variety of the list, 赤霞珠.
constexpr std::string_view kStartYield = "0.62";

}  // namespace

CalculatorFields startUpFields()
{
    CalculatorFields fields;
    fields.text(Field::sd) = kStartYield;
    fields.text(Field::weit) = "0";
    fields.text(Field::Tt2) = "0";
    fields.text(Field::s1) = "30";
    fields.text(Field::jiaomu1) = "0.2";
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
