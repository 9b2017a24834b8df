// What the calculations tell the window beside their texts: which guarded
// fields were empty when a guard wrote its zero, that a negative sugar amount
// comes from a target below the must's own alcohol, and which fields each
// calculation reads and writes.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/calculations.h"
#include "core/start_up.h"
#include "core/tests/test_support.h"

namespace mostaric {
namespace {

using F = Field;
using Kind = CalculationNotice::Kind;
using test::Texts;
using test::with;
using Notices = std::vector<CalculationNotice>;

struct NoticeCase {
    std::string name;
    Calculation calculation;
    Texts inputs;  // applied over the start-up state
    Notices notices;
};

void PrintTo(const NoticeCase& c, std::ostream* os) { *os << c.name; }

FieldUpdate calculate(Calculation calculation, const CalculatorFields& fields)
{
    switch (calculation) {
    case Calculation::Sugar: return calculateSugar(fields);
    case Calculation::Sulfite: return calculateSulfite(fields);
    case Calculation::Yeast: break;
    }
    return calculateYeast(fields);
}

Texts operator+(Texts base, const Texts& more)
{
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

const Texts kChosen = {{F::bizhong, "1.08"}, {F::T1, "10.8"}, {F::Tt2, "12.5"},
                       {F::xiguan, "17"},    {F::weit, "100"}};

CalculationNotice guarded(std::vector<Field> results, std::vector<Field> causes)
{
    return {Kind::GuardedEmpty, std::move(results), std::move(causes)};
}

const CalculationNotice kBelowMust{Kind::TargetBelowMust, {F::Tt1}, {F::Tt2, F::T1}};

std::vector<NoticeCase> noticeCases()
{
    const auto sugar = Calculation::Sugar;
    const auto sulfite = Calculation::Sulfite;
    return {
        {"SugarAtStartUp", sugar, {}, {guarded({F::Tt1}, {F::bizhong, F::xiguan})}},
        {"SugarWithoutCustomary", sugar, kChosen + Texts{{F::xiguan, ""}},
         {guarded({F::Tt1}, {F::xiguan})}},
        {"SugarWithoutYield", sugar, kChosen + Texts{{F::sd, ""}}, {guarded({F::Tt1}, {F::sd})}},
        {"SugarComputed", sugar, kChosen, {}},
        {"SugarTargetEqualsMust", sugar, kChosen + Texts{{F::Tt2, "10.8"}}, {}},
        {"SugarNegative", sugar, kChosen + Texts{{F::Tt2, "9"}}, {kBelowMust}},
        // Below the must's own, but so little that the amount rounds to zero.
        {"SugarBelowRoundsToZero", sugar, kChosen + Texts{{F::Tt2, "10.7999"}}, {}},
        {"SugarBelowButWeightUnreadable", sugar, kChosen + Texts{{F::Tt2, "9"}, {F::weit, "."}}, {}},
        {"SulfiteAtStartUp", sulfite, {}, {guarded({F::s2, F::s3}, {F::bizhong})}},
        {"SulfiteAllMissing", sulfite, {{F::s1, ""}, {F::sd, ""}},
         {guarded({F::s2, F::s3}, {F::bizhong, F::s1, F::sd})}},
        {"SulfiteComputed", sulfite, kChosen, {}},
        {"YeastWithoutYield", Calculation::Yeast, {{F::sd, ""}}, {guarded({F::jiaomu2}, {F::sd})}},
        {"YeastComputed", Calculation::Yeast, kChosen, {}},
    };
}

class CalculationNotices : public ::testing::TestWithParam<NoticeCase> {};

TEST_P(CalculationNotices, SaysWhatTheTextsDoNot)
{
    const NoticeCase& c = GetParam();
    const CalculatorFields fields = with(startUpFields(), c.inputs);
    EXPECT_EQ(calculate(c.calculation, fields).notices, c.notices);
}

INSTANTIATE_TEST_SUITE_P(Calculations, CalculationNotices, ::testing::ValuesIn(noticeCases()),
                         [](const auto& info) { return info.param.name; });

// Every field a calculation writes is in its table, in writing order, and a
// change of any field outside its reads changes none of its texts.
TEST(CalculationFieldsTable, MatchesWhatTheCalculationsDo)
{
    const CalculatorFields base = with(startUpFields(), kChosen);
    for (const CalculationFields& entry : kCalculationFields) {
        const FieldUpdate update = calculate(entry.calculation, base);
        std::vector<Field> written;
        for (const FieldText& text : update.writes)
            written.push_back(text.field);
        EXPECT_TRUE(std::equal(written.begin(), written.end(), entry.writes.begin(),
                               entry.writes.end()));
        for (const FieldInfo& info : kFields) {
            const bool read = std::ranges::find(entry.reads, info.field) != entry.reads.end();
            const bool own = std::ranges::find(entry.writes, info.field) != entry.writes.end();
            if (read || own)
                continue;
            const FieldUpdate changed = calculate(entry.calculation, with(base, {{info.field, "7"}}));
            EXPECT_EQ(changed.writes, update.writes) << info.name;
        }
        for (const Field field : entry.reads) {
            const FieldUpdate changed = calculate(entry.calculation, with(base, {{field, "3"}}));
            EXPECT_NE(changed.writes, update.writes) << fieldName(field);
        }
    }
}

}  // namespace
}  // namespace mostaric
