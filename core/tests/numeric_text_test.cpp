// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// How field texts become numbers and numbers become texts.

#include <gtest/gtest.h>

#include <cfloat>
#include <limits>
#include <optional>
#include <string>
#include <vector>

#include "core/numeric_text.h"
#include "core/tests/number_text.h"

namespace mostaric {
namespace {

constexpr auto k3 = FixedPattern::ThreeDecimals;
constexpr auto k2 = FixedPattern::TwoDecimals;

// The exact decimal value of DBL_MAX, an integer of 309 digits.
const std::string kDblMaxDigits =
    "17976931348623157081452742373170435679807056752584499659891747680315726078002853876058955"
    "86327668781715404589535143824642343213268894641827684675467035375169860499105765512820762"
    "45490090389328944075868508455133942304583236903222948165808559332123348274797826204144723"
    "168738177180919299881250404026184124858368";

std::string repeat(char c, std::size_t n) { return std::string(n, c); }

TEST(EmptyText, OnlyTheTextOfLengthZero)
{
    const struct {
        std::string text;
        bool empty;
    } cases[] = {
        {"", true},    {" ", false},      {"  ", false},
        {"\t", false}, {"\u3000", false}, {std::string(1, '\0'), false},
        {"0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\"");
        EXPECT_EQ(isEmptyText(c.text), c.empty);
    }
}

// Expected values are C++ literals of the same decimal, which the compiler
// rounds to the nearest double.
TEST(ReadNumber, NumbersGiveTheNearestDouble)
{
    const struct {
        std::string text;
        double value;
    } cases[] = {
        {"0", 0},
        {"12", 12},
        {".5", 0.5},
        {"5.", 5},
        {"0.000", 0},
        {"-1.996", -1.996},
        {"0.62", 0.62},
        {"7.0", 7},
        {"9", 9},
        {"30", 30},
        {"0.2", 0.2},
        {"1.056", 1.056},
        {"12.5", 12.5},
        {"1.659", 1.659},
        {"4.991", 4.991},
        {"-0.0004", -0.0004},
        {"-.5", -0.5},
        {"-5.", -5},
        {"-0", 0},
        {"007", 7},
        {"0.1", 0.1},
        {"100.", 100},
        {"0.30000000000000004", 0.30000000000000004},
        {"123456789012345678901234567890", 123456789012345678901234567890.0},
        // Correct rounding: 2^53 + 1 lies half-way and goes to the even 2^53;
        // 1 + 2^-53 is half-way too, and one more digit tips it up.
        {"9007199254740993", 9007199254740992.0},
        {"1.00000000000000011102230246251565404236316680908203125", 1.0},
        {"1.000000000000000111022302462515654042363166809082031251", 1.0000000000000002},
        {"0.1" + repeat('0', 500), 0.1},
        {repeat('0', 500) + "1.5", 1.5},
        // Huge but inside the range.
        {"1" + repeat('0', 308), 1e308},
        {kDblMaxDigits, DBL_MAX},
        {"-" + kDblMaxDigits + ".0", -DBL_MAX},
        // Tiny values are no failure: they underflow to subnormals or zero.
        {"0." + repeat('0', 307) + "1", 1e-308},
        {"0." + repeat('0', 323) + "5", 5e-324},
        {"0." + repeat('0', 400) + "1", 0},
        {"-0." + repeat('0', 400) + "1", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text.substr(0, 60) + (c.text.size() > 60 ? "...\"" : "\""));
        const std::optional<double> value = readNumber(c.text);
        EXPECT_EQ(value, c.value);
    }
}

// Only an optional "-", digits and at most one "." (with a digit somewhere)
// are numbers; the filtered inputs let nothing else through anyway.
TEST(ReadNumber, EverythingElseIsAFailure)
{
    const std::string cases[] = {
        "",
        ".",
        "-",
        "-.",
        "1.2.3",
        "1-2",
        "12-",
        "1.-2",
        "--1",
        "- 1",
        "..5",
        "5..",
        " ",
        "  ",
        " 1",
        "1 ",
        "\t1",
        "1\n",
        "+1",
        "1e5",
        "1E5",
        "1,5",
        "1,000",
        "0x1A",
        "inf",
        "-inf",
        "nan",
        "infinity",
        "1.5abc",
        "abc",
        std::string("1\0", 2),
        std::string("\0"
                    "1",
                    2),
        "\xef\xbc\x91" /* full-width 1 */,
        "\u30001" /* ideographic space, then 1 */,
        // Beyond the double range.
        repeat('9', 400),
        "-" + repeat('9', 400),
        repeat('9', 400) + ".5",
        "1" + repeat('0', 309),
        "2" + kDblMaxDigits.substr(1),
    };
    for (const std::string& text : cases) {
        SCOPED_TRACE("\"" + text.substr(0, 60) + "\"");
        EXPECT_EQ(readNumber(text), std::nullopt);
    }
}

TEST(FormatFixed, RoundsToTheNearestAndWritesAllDecimals)
{
    const struct {
        double value;
        FixedPattern pattern;
        std::string text;
    } cases[] = {
        {0, k3, "0.000"},
        {0, k2, "0.00"},  // the guards' texts
        {4.990530303030303, k3, "4.991"},
        {-1.9962121212121, k3, "-1.996"},
        {12.4, k2, "12.40"},
        {3.5227272727, k2, "3.52"},
        {1234567.891, k2, "1234567.89"},
        {0.5, k3, "0.500"},
        {1.5, k3, "1.500"},
        {0.125, k3, "0.125"},
        {-12.4, k2, "-12.40"},
        {7.77777, k2, "7.78"},
        {-0.0006, k3, "-0.001"},
        {0.0049, k2, "0.00"},
        {0.996, k2, "1.00"},
        {9.9996, k3, "10.000"},
        {-9.9996, k3, "-10.000"},
        {1e15, k2, "1000000000000000.00"},
        {1e20, k3, "100000000000000000000.000"},
        {123456789012.345678, k2, "123456789012.35"},
        {9007199254740992.0, k3, "9007199254740992.000"},
        // The double nearest 1e23 is below it; its exact digits are written.
        {1e23, k2, "99999999999999991611392.00"},
        {DBL_MAX, k2, kDblMaxDigits + ".00"},
        {-DBL_MAX, k3, "-" + kDblMaxDigits + ".000"},
        {DBL_MIN, k3, "0.000"},
        {std::numeric_limits<double>::denorm_min(), k2, "0.00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << (c.pattern == k3 ? " 0.000" : " 0.00"));
        EXPECT_EQ(formatFixed(c.value, c.pattern), c.text);
    }
}

// Whether a negative value that rounds to zero keeps its "-" is open; either
// text reads back as zero.
TEST(FormatFixed, NegativeValuesThatRoundToZero)
{
    const struct {
        double value;
        FixedPattern pattern;
    } cases[] = {
        {-0.0, k3}, {-0.0, k2}, {-0.0004, k3}, {-0.004, k2}, {-1e-300, k3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value);
        const std::string text = formatFixed(c.value, c.pattern);
        if (c.pattern == k3) {
            EXPECT_TRUE(text == "0.000" || text == "-0.000") << text;
        } else {
            EXPECT_TRUE(text == "0.00" || text == "-0.00") << text;
        }
    }
}

TEST(NumberText, ShortestPlainText)
{
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.62, "0.62"},
        {1.06, "1.06"},
        {1.1, "1.1"},
        {17, "17"},
        {0, "0"},
        {18, "18"},
        {19, "19"},
        {20, "20"},
        {1.056, "1.056"},
        {1.111, "1.111"},
        {1.11, "1.11"},
        {0.75, "0.75"},
        {0.58, "0.58"},
        {0.83, "0.83"},
        {0.5, "0.5"},
        {0.2, "0.2"},
        {1, "1"},
        // Float noise beyond 15 significant digits disappears, and so do the
        // zeros and the point that it leaves behind.
        {0.1 + 0.2, "0.3"},
        {0.7 + 0.1, "0.8"},
        {19.999999999999996, "20"},
        {1.0549999999999999, "1.055"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(numberText(c.value), c.text);
    }
}

}  // namespace
}  // namespace mostaric
