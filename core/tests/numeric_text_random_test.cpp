// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Seeded random texts and values against independent references: std::regex
// for the number grammar, a classic-locale stream for the value.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <locale>
#include <random>
#include <regex>
#include <sstream>
#include <string>

#include "core/numeric_text.h"

namespace mostaric {
namespace {

std::string randomText(std::mt19937_64& rng, const std::string& alphabet, std::size_t maxLength)
{
    std::string text(rng() % (maxLength + 1), ' ');
    for (char& c : text)
        c = alphabet[rng() % alphabet.size()];
    return text;
}

TEST(ReadNumberRandom, AcceptsExactlyTheGrammarWithTheStreamsValue)
{
    const std::regex grammar(R"(-?([0-9]+\.?[0-9]*|\.[0-9]+))");
    std::mt19937_64 rng(20261207);
    int accepted = 0;
    for (int i = 0; i < 20000; ++i) {
        // Half the texts from a narrow alphabet, so that many are numbers.
        const std::string text =
            i % 2 != 0 ? randomText(rng, "0123456789.-+ e,x", 8) : randomText(rng, "0123.-", 6);
        const bool isNumber = std::regex_match(text, grammar);
        const std::optional<double> value = readNumber(text);
        ASSERT_EQ(value.has_value(), isNumber) << "\"" << text << "\"";
        if (!isNumber)
            continue;
        ++accepted;
        std::istringstream in(text);
        in.imbue(std::locale::classic());
        double expected = 0;
        in >> expected;
        ASSERT_TRUE(in && in.peek() == std::char_traits<char>::eof()) << "\"" << text << "\"";
        ASSERT_EQ(value, expected) << "\"" << text << "\"";
    }
    EXPECT_GT(accepted, 3000);  // the run really tried numbers
}

double randomFiniteDouble(std::mt19937_64& rng)
{
    for (;;) {
        const std::uint64_t bits = rng();
        double value = 0;
        std::memcpy(&value, &bits, sizeof value);
        if (std::isfinite(value))
            return value;
    }
}

// Any finite value, DBL_MAX included, is written in plain form and reads back
// within half a unit of the last decimal (plus the double's own rounding).
TEST(FormatFixedRandom, WellFormedAndReadsBackWithinHalfAUnit)
{
    const std::regex three(R"(-?[0-9]+\.[0-9]{3})");
    const std::regex two(R"(-?[0-9]+\.[0-9]{2})");
    std::mt19937_64 rng(42);
    std::uniform_real_distribution<double> everyday(-1e6, 1e6);
    for (int i = 0; i < 20000; ++i) {
        double value = 0;
        switch (i % 4) {
        case 0: value = randomFiniteDouble(rng); break;  // every exponent
        case 1: value = everyday(rng); break;
        case 2: value = std::ldexp(everyday(rng) / 1e6, static_cast<int>(rng() % 1025)); break;
        default:
            value = (i % 8 == 3 ? 1 : -1)
                * (DBL_MAX - static_cast<double>(rng() % 1000) * std::ldexp(1.0, 971));
            break;
        }
        for (const FixedPattern pattern :
             {FixedPattern::ThreeDecimals, FixedPattern::TwoDecimals}) {
            const bool isThree = pattern == FixedPattern::ThreeDecimals;
            const std::string text = formatFixed(value, pattern);
            SCOPED_TRACE(testing::Message() << std::hexfloat << value << " -> " << text);
            ASSERT_TRUE(std::regex_match(text, isThree ? three : two));
            const std::optional<double> back = readNumber(text);
            ASSERT_TRUE(back.has_value());
            const double halfUnit = isThree ? 0.0005 : 0.005;
            ASSERT_LE(std::fabs(back.value_or(NAN) - value),
                      halfUnit * (1 + 1e-9) + std::fabs(value) * DBL_EPSILON);
        }
    }
}

}  // namespace
}  // namespace mostaric
