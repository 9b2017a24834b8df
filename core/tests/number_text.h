// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace mostaric {

// Shortest plain text of a value, as the list entries and start texts are
// written: "17", "0.62", "1.1". The tests and the fuzzer build their
// expected texts with it; the program's texts are tables.
inline std::string numberText(double value)
{
    constexpr int kSignificantDigits = 15;
    std::array<char, 400> buffer{};  // the longest fixed text of a double
    char* const first = buffer.data();
    char* const last = first + buffer.size();
    auto result = std::to_chars(first, last, value, std::chars_format::general, kSignificantDigits);
    if (std::find(first, result.ptr, 'e') != result.ptr)
        result = std::to_chars(first, last, value, std::chars_format::fixed);
    return std::string(first, result.ptr);
}

}  // namespace mostaric
