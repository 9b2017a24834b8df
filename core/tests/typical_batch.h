// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The typical batch, written once for the core's tests, the window tests and
// the drive tool: what the user enters, in this order (lists chosen, inputs
// typed), then the three calculations pressed, and the texts that follow.

#include <string_view>
#include <utility>

#include "core/fields.h"

namespace mostaric::test {

using BatchText = std::pair<Field, std::string_view>;

inline constexpr BatchText kTypicalBatchEntries[] = {
    {Field::bizhong, "1.08"}, {Field::pinzhong, "赤霞珠"}, {Field::weit, "100"},
    {Field::Tt2, "12.5"},     {Field::xiguan, "17"},
};

// After the gravity and variety choices, then after 加糖计算, 加硫计算 and
// 加酵母计算.
inline constexpr BatchText kTypicalBatchResults[] = {
    {Field::T1, "10.8"},   {Field::tangdu, "19.3"},    {Field::sd, "0.62"},
    {Field::Tt1, "1.659"}, {Field::jiutiji, "63.029"}, {Field::s2, "3.44"},
    {Field::s3, "27.87"},  {Field::jiaomu2, "12.40"},
};

}  // namespace mostaric::test
