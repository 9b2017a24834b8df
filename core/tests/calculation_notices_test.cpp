// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the calculations tell the window beside their texts, and the table of
// the fields each one reads and writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/calculations.h"
#include "core/tests/test_support.h"

namespace mostaric {
namespace {

using F = Field;
using Kind = CalculationNotice::Kind;
using test::Texts;
using test::with;

FieldUpdate calculate(Calculation calculation, const CalculatorFields& fields)
{
    constexpr FieldUpdate (*kRun[])(const CalculatorFields&) = {calculateSugar, calculateSulfite,
                                                                calculateYeast};
    return kRun[static_cast<int>(calculation)](fields);
}

const Texts kChosen = {
    {F::bizhong, "1.08"}, {F::T1, "10.8"}, {F::Tt2, "12.5"}, {F::xiguan, "17"}, {F::weit, "100"}};
const CalculationNotice kBelowMust{Kind::TargetBelowMust, {F::Tt1}, {F::Tt2, F::T1}};

struct NoticeCase {
    std::string name;
    Calculation calculation;
    Texts inputs;  // over the start-up state, after kChosen when `chosen`
    bool chosen;
    std::vector<CalculationNotice> notices;
};

void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name; }

const NoticeCase kCases[] = {
    {"SugarAtStartUp",
     Calculation::Sugar,
     {},
     false,
     {{Kind::GuardedEmpty, {F::Tt1}, {F::bizhong, F::xiguan}}}},
    {"SugarWithoutYield",
     Calculation::Sugar,
     {{F::sd, ""}},
     true,
     {{Kind::GuardedEmpty, {F::Tt1}, {F::sd}}}},
    {"SugarComputed", Calculation::Sugar, {}, true, {}},
    {"SugarNegative", Calculation::Sugar, {{F::Tt2, "9"}}, true, {kBelowMust}},
    // Below the must's own by so little that the amount rounds to zero.
    {"SugarBelowRoundsToZero", Calculation::Sugar, {{F::Tt2, "10.7999"}}, true, {}},
    {"SugarBelowButUnreadable", Calculation::Sugar, {{F::Tt2, "9"}, {F::weit, "."}}, true, {}},
    {"SulfiteAllMissing",
     Calculation::Sulfite,
     {{F::s1, ""}, {F::sd, ""}},
     false,
     {{Kind::GuardedEmpty, {F::s2, F::s3}, {F::bizhong, F::s1, F::sd}}}},
    {"YeastWithoutYield",
     Calculation::Yeast,
     {{F::sd, ""}},
     false,
     {{Kind::GuardedEmpty, {F::jiaomu2}, {F::sd}}}},
};

class CalculationNotices : public ::testing::TestWithParam<NoticeCase> { };

TEST_P(CalculationNotices, SayWhatTheTextsDoNot)
{
    const NoticeCase& c = GetParam();
    const CalculatorFields base = c.chosen ? with(startUpFields(), kChosen) : startUpFields();
    EXPECT_EQ(calculate(c.calculation, with(base, c.inputs)).notices, c.notices);
}

INSTANTIATE_TEST_SUITE_P(Calculations, CalculationNotices, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return info.param.name; });

// A calculation writes its table's results in order; a change of one of its
// reads changes what it writes, a change of any other field does not.
TEST(CalculationFieldsTable, MatchesWhatTheCalculationsDo)
{
    const CalculatorFields base = with(startUpFields(), kChosen);
    for (const CalculationFields& entry : kCalculationFields) {
        const FieldUpdate update = calculate(entry.calculation, base);
        ASSERT_EQ(update.writes.size(), entry.writes.size());
        for (std::size_t i = 0; i < entry.writes.size(); ++i)
            EXPECT_EQ(update.writes[i].field, entry.writes[i]);
        for (const FieldInfo& info : kFields) {
            const bool read = std::ranges::find(entry.reads, info.field) != entry.reads.end();
            if (std::ranges::find(entry.writes, info.field) != entry.writes.end())
                continue;
            const FieldUpdate changed =
                calculate(entry.calculation, with(base, {{info.field, "3"}}));
            EXPECT_EQ(changed.writes != update.writes, read) << info.name;
        }
    }
}

}  // namespace
}  // namespace mostaric
