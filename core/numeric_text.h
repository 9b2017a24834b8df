// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

// How field texts and numbers meet. The decimal point is always ".", whatever
// the process locale: nothing here calls a locale-dependent function.
namespace mostaric {

enum class FixedPattern {
    ThreeDecimals,  // "0.000": kg of sugar, litres of wine
    TwoDecimals,    // "0.00": grams and millilitres of additives
};

// The guards' test: true only for the text of length 0 (blanks are not empty).
bool isEmptyText(std::string_view text);

// Reads an optional "-", then digits with at most one ".", at least one digit.
// Anything else, and a value beyond the double range, gives nothing.
std::optional<double> readNumber(std::string_view text);

// The value rounded to 3 or 2 decimals: no grouping, no exponent, no "+".
std::string formatFixed(double value, FixedPattern pattern);

}  // namespace mostaric
