// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/numeric_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <system_error>
#include <version>

#include "core/exact_decimal.h"

namespace mostaric {
namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// An optional "-", then digits and at most one ".", with at least one digit.
bool isNumberText(std::string_view text)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    int digits = 0;
    int points = 0;
    for (const char c : text) {
        if (isDigit(c))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return false;
    }
    return digits > 0 && points <= 1;
}

bool hasNonZeroIntegerPart(std::string_view text)
{
    const auto digits = text.substr(0, text.find('.'));
    return digits.find_first_of("123456789") != std::string_view::npos;
}

int decimalsOf(FixedPattern pattern) { return pattern == FixedPattern::ThreeDecimals ? 3 : 2; }

// The standard library's conversions where it has them (and they fit);
// the core's own, which give the same results, where not.
std::from_chars_result readDouble(std::string_view text, double& value)
{
#if defined(__cpp_lib_to_chars)
    return std::from_chars(text.data(), text.data() + text.size(), value);
#else
    return decimalToDouble(text.data(), text.data() + text.size(), value);
#endif
}

std::to_chars_result writeFixed(char* first, char* last, double value, int decimals)
{
#if defined(MOSTARIC_OWN_FIXED_FORMAT)
    return doubleToFixed(first, last, value, decimals);
#else
    return std::to_chars(first, last, value, std::chars_format::fixed, decimals);
#endif
}

// Fixed notation of the largest double has 309 digits before the point.
constexpr std::size_t kFixedBufferSize = 400;

}  // namespace

bool isEmptyText(std::string_view text) { return text.empty(); }

std::optional<double> readNumber(std::string_view text)
{
    if (!isNumberText(text))
        return std::nullopt;
    const char* const end = text.data() + text.size();
    double value = 0.0;
    const auto [ptr, ec] = readDouble(text, value);
    if (ec == std::errc::result_out_of_range) {
        // Too small to tell from zero is still a number; too large is not.
        if (hasNonZeroIntegerPart(text))
            return std::nullopt;
        return text.front() == '-' ? -0.0 : 0.0;
    }
    if (ec != std::errc() || ptr != end)
        return std::nullopt;
    return value;
}

std::string formatFixed(double value, FixedPattern pattern)
{
    std::array<char, kFixedBufferSize> buffer{};
    const auto [end, ec] =
        writeFixed(buffer.data(), buffer.data() + buffer.size(), value, decimalsOf(pattern));
    if (ec != std::errc())
        return {};
    std::string text(buffer.data(), end);
    // A negative value that rounds to zero reads back as zero; write it as such.
    if (text.front() == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);
    return text;
}

}  // namespace mostaric
