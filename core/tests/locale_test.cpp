// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Numbers keep their "." under a comma-decimal locale. Its own executable:
// it changes the process-wide C and C++ locales.

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/calculations.h"
#include "core/fields.h"
#include "core/numeric_text.h"
#include "core/start_up.h"
#include "core/tests/number_text.h"
#include "core/tests/test_support.h"

namespace mostaric {
namespace {

// The test command generates this locale; a missing one is a set-up fault,
// so the test fails instead of skipping. Its name and whether the C++
// library knows named locales (MinGW's does not) come from the build.
class GermanLocale : public testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_NE(std::setlocale(LC_ALL, MOSTARIC_COMMA_LOCALE), nullptr)
            << "locale " MOSTARIC_COMMA_LOCALE " is missing";
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
        if (!MOSTARIC_NAMED_CXX_LOCALES)
            return;
        try {
            std::locale::global(std::locale(MOSTARIC_COMMA_LOCALE));
        } catch (const std::runtime_error& e) {
            FAIL() << "C++ locale " MOSTARIC_COMMA_LOCALE ": " << e.what();
        }
        // Without a comma here the test would prove nothing.
        ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    }
    void TearDown() override
    {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_F(GermanLocale, ReadNumberUsesThePoint)
{
    const struct {
        const char* text = nullptr;
        std::optional<double> value;
    } cases[] = {
        {"0.62", 0.62},
        {"1.5", 1.5},
        {"-1.996", -1.996},
        {".5", 0.5},
        {"1234567.891", 1234567.891},
        {"0,62", std::nullopt},
        {"1.234,5", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(readNumber(c.text), c.value);
    }
}

TEST_F(GermanLocale, FormatFixedAndNumberTextWriteThePoint)
{
    EXPECT_EQ(formatFixed(1.5, FixedPattern::ThreeDecimals), "1.500");
    EXPECT_EQ(formatFixed(-1.9962121, FixedPattern::ThreeDecimals), "-1.996");
    EXPECT_EQ(formatFixed(1234567.891, FixedPattern::TwoDecimals), "1234567.89");  // no grouping
    EXPECT_EQ(numberText(0.62), "0.62");
    EXPECT_EQ(numberText(1.056), "1.056");
    EXPECT_EQ(numberText(1.1), "1.1");
    EXPECT_EQ(numberText(17), "17");
}

TEST_F(GermanLocale, StartUpAndSugarCalculation)
{
    const CalculatorFields start = startUpFields();
    EXPECT_EQ(start.text(Field::sd), "0.62");
    const auto gravities = listEntries(Field::bizhong);
    ASSERT_EQ(gravities.size(), 56U);
    EXPECT_EQ(gravities[0], "1.056");
    EXPECT_EQ(gravities[4], "1.06");
    EXPECT_EQ(gravities[44], "1.1");

    const CalculatorFields f = test::with(start,
                                          {{Field::bizhong, "1.08"},
                                           {Field::T1, "10.8"},
                                           {Field::Tt2, "12.5"},
                                           {Field::xiguan, "17"},
                                           {Field::weit, "100"}});
    const FieldUpdate update = calculateSugar(f);
    EXPECT_EQ(update.failure, std::nullopt);
    EXPECT_EQ(update.writes,
              (std::vector<FieldText>{{Field::Tt1, "1.659"}, {Field::jiutiji, "63.029"}}));
}

}  // namespace
}  // namespace mostaric
