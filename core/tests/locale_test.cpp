// Numbers keep their "." under a comma-decimal locale. Its own executable:
// it changes the process-wide C and C++ locales.

#include <gtest/gtest.h>

#include <clocale>
#include <locale>
#include <optional>
#include <stdexcept>
#include <string>

#include "core/calculations.h"
#include "core/calculator_fields.h"
#include "core/numeric_text.h"

namespace mostaric {
namespace {

// The test command generates this locale; a missing one is a set-up fault,
// so the test fails instead of skipping.
class GermanLocale : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
            << "locale de_DE.UTF-8 is missing (localedef -i de_DE -f UTF-8 de_DE.UTF-8)";
        try {
            std::locale::global(std::locale("de_DE.UTF-8"));
        } catch (const std::runtime_error& e) {
            FAIL() << "C++ locale de_DE.UTF-8: " << e.what();
        }
        // Without a comma here the test would prove nothing.
        ASSERT_EQ(std::string(std::localeconv()->decimal_point), ",");
        ASSERT_EQ(std::use_facet<std::numpunct<char>>(std::locale()).decimal_point(), ',');
    }
    void TearDown() override {
        std::locale::global(std::locale::classic());
        std::setlocale(LC_ALL, "C");
    }
};

TEST_F(GermanLocale, ReadNumberUsesThePoint) {
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"0.62", 0.62}, {"1.5", 1.5}, {"-1.996", -1.996}, {".5", 0.5}, {"1234567.891", 1234567.891},
        {"0,62", std::nullopt}, {"1.234,5", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(ReadNumber(c.text), c.value);
    }
}

TEST_F(GermanLocale, FormatFixedAndNumberTextWriteThePoint) {
    EXPECT_EQ(FormatFixed(1.5, FixedPattern::ThreeDecimals), "1.500");
    EXPECT_EQ(FormatFixed(-1.9962121, FixedPattern::ThreeDecimals), "-1.996");
    EXPECT_EQ(FormatFixed(1234567.891, FixedPattern::TwoDecimals), "1234567.89");  // no grouping
    EXPECT_EQ(NumberText(0.62), "0.62");
    EXPECT_EQ(NumberText(1.056), "1.056");
    EXPECT_EQ(NumberText(1.1), "1.1");
    EXPECT_EQ(NumberText(17), "17");
}

TEST_F(GermanLocale, StartUpAndSugarCalculation) {
    CalculatorFields f;
    onMainWindowLoad(f);
    EXPECT_EQ(f.sd, "0.62");
    ASSERT_EQ(f.bizhong.items.size(), 56u);
    EXPECT_EQ(f.bizhong.items[0], "1.056");
    EXPECT_EQ(f.bizhong.items[4], "1.06");
    EXPECT_EQ(f.bizhong.items[44], "1.1");

    f.bizhong.text = "1.08";
    f.T1 = "10.8";
    f.Tt2 = "12.5";
    f.xiguan.text = "17";
    f.weit = "100";
    EXPECT_EQ(onSugarCalculation(f), std::nullopt);
    EXPECT_EQ(f.Tt1, "1.659");
    EXPECT_EQ(f.jiutiji, "63.029");
}

}  // namespace
}  // namespace mostaric
