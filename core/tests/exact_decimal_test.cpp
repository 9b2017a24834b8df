// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The core's own decimal conversions give what the standard library's give,
// bit for bit, on texts and values of every size, halfway cases included.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <system_error>

#include "core/exact_decimal.h"

namespace mostaric {
namespace {

struct Read {
    std::errc error;
    std::size_t consumed;
    std::uint64_t bits;
    friend bool operator==(const Read&, const Read&) = default;
};

void PrintTo(const Read& read, std::ostream* os)
{
    *os << "errc " << static_cast<int>(read.error) << ", " << read.consumed << " chars, bits "
        << std::hex << read.bits;
}

template <typename Convert> Read readWith(const std::string& text, Convert convert)
{
    double value = 1.5;  // left alone on failure
    const auto [ptr, ec] = convert(text.data(), text.data() + text.size(), value);
    return {ec, static_cast<std::size_t>(ptr - text.data()), std::bit_cast<std::uint64_t>(value)};
}

void expectSameRead(const std::string& text)
{
    const Read expected = readWith(text, [](const char* f, const char* l, double& v) {
        return std::from_chars(f, l, v, std::chars_format::fixed);
    });
    EXPECT_EQ(readWith(text, decimalToDouble), expected) << text;
}

// The exact decimal expansion of the point halfway between two neighbours.
std::string halfwayText(double below)
{
    const long double half =
        (static_cast<long double>(below)
         + static_cast<long double>(std::nextafter(below, std::numeric_limits<double>::infinity())))
        / 2;
    std::array<char, 1500> buffer{};
    const auto [end, ec] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), half,
                                         std::chars_format::fixed, 1100);
    EXPECT_EQ(ec, std::errc());
    std::string text(buffer.data(), end);
    while (text.back() == '0')
        text.pop_back();
    return text;
}

struct TextCase {
    std::string name;
    std::string text;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.name; }

const TextCase kTexts[] = {
    {"Integer", "100"},
    {"Fraction", "0.62"},
    {"NegativeZero", "-0.000"},
    {"LeadingPoint", ".5"},
    {"TrailingPoint", "5."},
    {"LongerThanAnyDouble", "1.00000000000000011102230246251565404236316680908203125000001"},
    {"ExactlyHalfwayAboveOne", "1.00000000000000011102230246251565404236316680908203125"},
    {"LargestDouble",
     "179769313486231570814527423731704356798070567525844996598917476803157260780028538760589558632"
     "766878171540458953514382464234321326889464182768467546703537516986049910576551282076245490090"
     "389328944075868508455133942304583236903222948165808559332123348274797826204144723168738177180"
     "919299881250404026184124858368"},
    {"BeyondTheLargest", "179769313486231580793728971405301e276"},
    {"FarBeyond", "1" + std::string(400, '0')},
    {"SmallestSubnormal", "0." + std::string(323, '0') + "5"},
    {"BelowHalfTheSmallest", "0." + std::string(324, '0') + "2"},
    {"SmallestNormal",
     "0."
     "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000000"
     "000000000000000000000022250738585072014"},
    {"StopsAtASecondPoint", "1.2.3"},
    {"StopsAtALetter", "12x"},
    {"NoDigits", "-."},
    {"Empty", ""},
};

class DecimalToDouble : public ::testing::TestWithParam<TextCase> { };

TEST_P(DecimalToDouble, ReadsAsTheStandardLibrary) { expectSameRead(GetParam().text); }

INSTANTIATE_TEST_SUITE_P(Texts, DecimalToDouble, ::testing::ValuesIn(kTexts),
                         [](const auto& info) { return info.param.name; });

TEST(DecimalToDoubleRandom, SeededTextsOfEverySize)
{
    std::mt19937_64 random(2026);
    const auto digits = [&random](std::size_t count) {
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text.push_back(static_cast<char>('0' + random() % 10));
        return text;
    };
    for (int round = 0; round < 20000; ++round) {
        std::string text = random() % 2 == 0 ? "-" : "";
        text += digits(random() % 25);
        if (random() % 3 != 0)
            text += "." + std::string(random() % 4 == 0 ? random() % 330 : 0, '0')
                + digits(random() % 30);
        if (text.find_first_of("0123456789") == std::string::npos)
            text += "7";
        expectSameRead(text);
    }
}

TEST(DecimalToDoubleRandom, HalfwayBetweenNeighboursRoundsToEven)
{
    std::mt19937_64 random(18);
    for (int round = 0; round < 3000; ++round) {
        const auto below = std::bit_cast<double>(random() % 0x7fe0000000000000ULL);
        std::string text = halfwayText(below);
        expectSameRead(text);
        expectSameRead(text + "1");  // just above halfway
        if (text.back() > '1') {
            text.back() = static_cast<char>(text.back() - 1);  // just below
            expectSameRead(text);
        }
    }
}

std::string fixedWith(double value, int decimals, bool own)
{
    std::array<char, 400> buffer{};
    const auto [end, ec] = own
        ? doubleToFixed(buffer.data(), buffer.data() + buffer.size(), value, decimals)
        : std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                        std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(buffer.data(), end) : "error";
}

struct ValueCase {
    std::string name;
    double value;
};

void PrintTo(const ValueCase& c, std::ostream* os) { *os << c.name; }

const ValueCase kValues[] = {
    {"Zero", 0.0},
    {"NegativeZero", -0.0},
    {"TieToEvenDown", 0.125},
    {"TieToEvenUp", 0.375},
    {"TieAtThreeDecimals", 1.0625},
    {"JustBelowATie", 2.675},
    {"NegativeRoundingToZero", -0.0001},
    {"Large", 123456789012345678.0},
    {"Largest", std::numeric_limits<double>::max()},
    {"SmallestSubnormal", std::numeric_limits<double>::denorm_min()},
};

class DoubleToFixed : public ::testing::TestWithParam<ValueCase> { };

TEST_P(DoubleToFixed, WritesAsTheStandardLibrary)
{
    for (const int decimals : {0, 2, 3})
        EXPECT_EQ(fixedWith(GetParam().value, decimals, true),
                  fixedWith(GetParam().value, decimals, false))
            << decimals;
}

INSTANTIATE_TEST_SUITE_P(Values, DoubleToFixed, ::testing::ValuesIn(kValues),
                         [](const auto& info) { return info.param.name; });

TEST(DoubleToFixedRandom, SeededValuesOfEveryMagnitudeAndTies)
{
    std::mt19937_64 random(7);
    for (int round = 0; round < 20000; ++round) {
        const auto any = std::bit_cast<double>(random() % 0x7ff0000000000000ULL);
        const double ordinary = std::ldexp(static_cast<double>(random() % (1ULL << 53U)),
                                           static_cast<int>(random() % 80) - 70);
        const double tie = static_cast<double>(random() % 100000) / 16;  // often k + 0.xxx5
        for (const double value : {any, -ordinary, ordinary, tie}) {
            for (const int decimals : {2, 3})
                ASSERT_EQ(fixedWith(value, decimals, true), fixedWith(value, decimals, false))
                    << value;
        }
    }
}

}  // namespace
}  // namespace mostaric
