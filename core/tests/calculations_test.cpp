// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The three buttons: sugar (Tt1, then jiutiji), sulfite (s2, then s3) and
// yeast (jiaomu2). Each case starts from the start-up state with earlier
// results in every result field, applies its inputs, runs one button and
// compares the whole field record, so a stray write fails as well.
//
// Expected texts were worked out by hand and by a separate script in the
// calculator's operation order, in IEEE double; none lies on a rounding tie.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/calculations.h"
#include "core/fields.h"
#include "core/gravity_table.h"
#include "core/start_up.h"
#include "core/tests/test_support.h"
#include "core/tests/typical_batch.h"
#include "core/variety_table.h"

namespace mostaric {
namespace {

using F = Field;
using test::Texts;
using test::with;
using Kind = CalculationFailure::Kind;
using CalculationOutcome = std::optional<CalculationFailure>;

enum class Button { Sugar, Sulfite, Yeast };

struct CalcCase {
    std::string name;
    Button button;
    Texts inputs;   // applied in order over the start-up state
    Texts written;  // the only fields expected to change
    CalculationOutcome outcome;
};

void PrintTo(const CalcCase& c, std::ostream* os) { *os << c.name; }

CalculationOutcome unreadable(Field field) { return CalculationFailure{Kind::Unreadable, field}; }
CalculationOutcome notFinite(Field field) { return CalculationFailure{Kind::NotFinite, field}; }

Texts operator+(Texts base, const Texts& more)
{
    base.insert(base.end(), more.begin(), more.end());
    return base;
}

const std::string k1e306 = "1" + std::string(306, '0');
const std::string k1e307 = "1" + std::string(307, '0');
const std::string k1e308 = "1" + std::string(308, '0');
const std::string kUnderflowsToZero = "0." + std::string(400, '0') + "1";
const std::string k1e_320 = "0." + std::string(319, '0') + "1";  // a subnormal

// Gravity 1.08 chosen (T1 and Tt2 "10.8"), then the user's entries.
// clang-format off
const Texts kTypical = {{F::bizhong, "1.08"}, {F::T1, "10.8"}, {F::Tt2, "12.5"},
                        {F::xiguan, "17"},    {F::weit, "100"}};
const Texts kAt1056 = {{F::bizhong, "1.056"}, {F::T1, "7.0"}, {F::Tt2, "12"},
                       {F::xiguan, "17"},     {F::weit, "100"}, {F::sd, "0.62"}};

std::vector<CalcCase> sugarCases() {
    const Button b = Button::Sugar;
    const auto results = [](const char* tt1, const char* jiutiji) {
        return Texts{{F::Tt1, tt1}, {F::jiutiji, jiutiji}};
    };
    return {
        {"StartUpState", b, {}, results("0.000", "0.000"), {}},
        {"TypicalBatch", b, kTypical, results("1.659", "63.029"), {}},
        // Wine volume from the text "4.991", not from d = 4.99053...
        {"VolumeFromTheWrittenSugar", b, kAt1056, results("4.991", "65.094"), {}},
        // Here the unrounded sugar would give 32.392.
        {"VolumeFromTheWrittenSugarDiffers", b,
         {{F::bizhong, "1.056"}, {F::T1, "7.0"}, {F::Tt2, "11.5"}, {F::xiguan, "17"}, {F::weit, "50"}},
         results("2.246", "32.393"), {}},
        // sd * Tt1 + weit * sd; sd * (Tt1 + weit) would give 105.887.
        {"VolumeIsASumOfTwoProducts", b,
         {{F::bizhong, "1.056"}, {F::T1, "7.0"}, {F::Tt2, "12"}, {F::xiguan, "17"},
          {F::weit, "137"}, {F::sd, "0.73"}},
         results("8.050", "105.886"), {}},
        // Divided by the gravity, then by 1000; the other way round gives 7.788.
        {"DividedByGravityThenBy1000", b,
         {{F::bizhong, "1.08"}, {F::T1, "10.8"}, {F::Tt2, "14.3"}, {F::xiguan, "18"},
          {F::weit, "178"}, {F::sd, "0.75"}},
         results("7.787", "139.340"), {}},
        {"TargetEqualsPotential", b, kTypical + Texts{{F::Tt2, "10.8"}}, results("0.000", "62.000"), {}},
        {"TargetBelowPotentialGivesMinus", b, kAt1056 + Texts{{F::Tt2, "5"}}, results("-1.996", "60.762"), {}},
        {"NoSugarAmountChosen", b, kAt1056 + Texts{{F::xiguan, ""}}, results("0.000", "62.000"), {}},
        // The guard stops before Tt2 and T1 are read.
        {"NoGravityChosenTargetNotRead", b, {{F::weit, "100"}, {F::Tt2, "."}}, results("0.000", "62.000"), {}},
        {"TrailingPointAndZerosAreNumbers", b, kTypical + Texts{{F::weit, "100."}, {F::Tt2, "12.50"}},
         results("1.659", "63.029"), {}},
        {"SubnormalWeightIsNoFailure", b, kTypical + Texts{{F::weit, k1e_320}}, results("0.000", "0.000"), {}},
        // Failures: the field being computed and everything after keep their texts.
        {"BlankYieldIsNotEmptyButUnreadable", b, kAt1056 + Texts{{F::sd, " "}}, {}, unreadable(F::sd)},
        {"WeightEmptied", b, kAt1056 + Texts{{F::weit, ""}}, {}, unreadable(F::weit)},
        {"WeightEmptiedNoGravityKeepsGuardText", b, {{F::weit, ""}}, {{F::Tt1, "0.000"}}, unreadable(F::weit)},
        {"TargetLonePoint", b, kAt1056 + Texts{{F::Tt2, "."}}, {}, unreadable(F::Tt2)},
        {"TargetTwoPoints", b, kAt1056 + Texts{{F::Tt2, "12..5"}}, {}, unreadable(F::Tt2)},
        {"PotentialMissing", b, kAt1056 + Texts{{F::T1, ""}}, {}, unreadable(F::T1)},
        {"ZeroGravityDividesByZero", b, kAt1056 + Texts{{F::bizhong, "0"}}, {}, notFinite(F::Tt1)},
        {"ZeroGravityZeroDifference", b, kAt1056 + Texts{{F::bizhong, "0"}, {F::Tt2, "7"}}, {}, notFinite(F::Tt1)},
        {"SugarOverflows", b, kTypical + Texts{{F::weit, k1e307}}, {}, notFinite(F::Tt1)},
        {"VolumeOverflowsAfterGuard", b, {{F::weit, k1e308}, {F::sd, "2"}}, {{F::Tt1, "0.000"}},
         notFinite(F::jiutiji)},
    };
}

std::vector<CalcCase> sulfiteCases() {
    const Button b = Button::Sulfite;
    const auto results = [](const char* s2, const char* s3) { return Texts{{F::s2, s2}, {F::s3, s3}}; };
    const auto batch = [](const char* s1, const char* weit, const char* sd, const char* bizhong) {
        return Texts{{F::s1, s1}, {F::weit, weit}, {F::sd, sd}, {F::bizhong, bizhong}};
    };
    return {
        {"StartUpState", b, {}, results("0.00", "0.00"), {}},
        {"TypicalBatch", b, batch("30", "100", "0.62", "1.08"), results("3.44", "27.87"), {}},
        {"Gravity1056", b, batch("30", "100", "0.62", "1.056"), results("3.52", "28.50"), {}},
        {"Dose50Weight25", b, batch("50", "25", "0.75", "1.08"), results("1.74", "14.05"), {}},
        {"WeightZero", b, batch("30", "0", "0.62", "1.08"), results("0.00", "0.00"), {}},
        // m / gravity / (60 * 1.03): dividing by the gravity times 60 * 1.03,
        // or by 61.8, rounds the other way.
        {"ConstantAfterGravity54", b, batch("54", "12463", "0.75", "1.056"), results("955.97", "7734.37"), {}},
        {"ConstantAfterGravity31", b, batch("31", "1369.9", "0.75", "1.064"), results("59.87", "484.37"), {}},
        {"ConstantAfterGravity34", b, batch("34", "2070.3", "0.83", "1.072"), results("109.00", "881.88"), {}},
        {"ConstantAfterGravity51", b, batch("51", "103", "0.76", "1.088"), results("7.34", "59.37"), {}},
        {"DoseEmptied", b, batch("", "100", "0.62", "1.08"), results("0.00", "0.00"), {}},
        {"YieldEmpty", b, batch("30", "100", "", "1.08"), results("0.00", "0.00"), {}},
        {"NoGravityWeightNotRead", b, {{F::weit, ""}}, results("0.00", "0.00"), {}},
        {"WeightEmptied", b, batch("30", "", "0.62", "1.08"), {}, unreadable(F::weit)},
        {"BlankDoseIsNotEmptyButUnreadable", b, batch(" ", "100", "0.62", "1.08"), {}, unreadable(F::s1)},
        {"DoseTwoPoints", b, batch("3.0.", "100", "0.62", "1.08"), {}, unreadable(F::s1)},
        {"ZeroGravityDividesByZero", b, batch("30", "100", "0.62", "0"), {}, notFinite(F::s2)},
        {"ZeroGravityZeroWeight", b, batch("30", "0", "0.62", "0"), {}, notFinite(F::s2)},
        {"GravityUnderflowsToZero", b, batch("30", "100", "0.62", kUnderflowsToZero.c_str()), {},
         notFinite(F::s2)},
        {"DoseOverflows", b, batch("80", k1e307.c_str(), "0.62", "1.08"), {}, notFinite(F::s2)},
    };
}

std::vector<CalcCase> yeastCases() {
    const Button b = Button::Yeast;
    const auto result = [](const char* text) { return Texts{{F::jiaomu2, text}}; };
    return {
        {"StartUpState", b, {}, result("0.00"), {}},
        {"TypicalBatchNoGravityNeeded", b, {{F::weit, "100"}}, result("12.40"), {}},
        {"Weight25Yield075", b, {{F::weit, "25"}, {F::sd, "0.75"}}, result("3.75"), {}},
        {"YieldEmptyNothingRead", b, {{F::sd, ""}, {F::jiaomu1, ""}, {F::weit, ""}}, result("0.00"), {}},
        {"DoseEmptied", b, {{F::jiaomu1, ""}, {F::weit, "100"}}, {}, unreadable(F::jiaomu1)},
        {"WeightLonePoint", b, {{F::weit, "."}}, {}, unreadable(F::weit)},
        {"BlankYieldIsNotEmptyButUnreadable", b, {{F::weit, "100"}, {F::sd, " "}}, {}, unreadable(F::sd)},
        {"YeastOverflows", b, {{F::jiaomu1, "1000"}, {F::weit, k1e306}}, {}, notFinite(F::jiaomu2)},
    };
}
// clang-format on

// Runs the button's calculation and applies what it writes, as the window does.
CalculationOutcome press(Button button, CalculatorFields& fields)
{
    FieldUpdate update;
    switch (button) {
    case Button::Sugar: update = calculateSugar(fields); break;
    case Button::Sulfite: update = calculateSulfite(fields); break;
    case Button::Yeast: update = calculateYeast(fields); break;
    }
    fields = update.appliedTo(fields);
    return update.failure;
}

class Calculation : public testing::TestWithParam<CalcCase> { };

TEST_P(Calculation, WritesExactlyItsResults)
{
    const CalcCase& c = GetParam();
    // Results of an earlier round, so that "keeps its text" can be seen.
    CalculatorFields fields = with(startUpFields(),
                                   {{F::Tt1, "1.111"},
                                    {F::jiutiji, "2.222"},
                                    {F::s2, "3.33"},
                                    {F::s3, "4.44"},
                                    {F::jiaomu2, "5.55"}});
    fields = with(fields, c.inputs);
    const CalculatorFields expected = with(fields, c.written);

    EXPECT_EQ(press(c.button, fields), c.outcome);
    EXPECT_EQ(fields, expected);
}

std::string caseName(const testing::TestParamInfo<CalcCase>& info) { return info.param.name; }

INSTANTIATE_TEST_SUITE_P(Sugar, Calculation, testing::ValuesIn(sugarCases()), caseName);
INSTANTIATE_TEST_SUITE_P(Sulfite, Calculation, testing::ValuesIn(sulfiteCases()), caseName);
INSTANTIATE_TEST_SUITE_P(Yeast, Calculation, testing::ValuesIn(yeastCases()), caseName);

void choose(CalculatorFields& fields, Field list, const std::string& item)
{
    ASSERT_TRUE(test::choose(fields, list, item)) << item;
}

void pickGravity(CalculatorFields& f, const std::string& item)
{
    choose(f, F::bizhong, item);
    f = chooseGravity(f.text(F::bizhong)).appliedTo(f);
}

void pickVariety(CalculatorFields& f, const std::string& item)
{
    choose(f, F::pinzhong, item);
    f = chooseVariety(f.text(F::pinzhong)).appliedTo(f);
}

// The typical batch, driven only through the operations the window calls.
TEST(TypicalBatch, EndToEnd)
{
    CalculatorFields f = startUpFields();

    pickGravity(f, "1.08");
    EXPECT_EQ(f.text(F::T1), "10.8");
    EXPECT_EQ(f.text(F::Tt2), "10.8");
    EXPECT_EQ(f.text(F::tangdu), "19.3");

    EXPECT_EQ(press(Button::Sugar, f), std::nullopt);  // no target above the must's own yet
    EXPECT_EQ(f.text(F::Tt1), "0.000");
    EXPECT_EQ(f.text(F::jiutiji), "0.000");  // weit is still "0"

    pickVariety(f, "赤霞珠");
    EXPECT_EQ(f.text(F::sd), "0.62");

    f = with(f, {{F::weit, "100"}, {F::Tt2, "12.5"}});
    choose(f, F::xiguan, "17");
    EXPECT_EQ(press(Button::Sugar, f), std::nullopt);
    EXPECT_EQ(press(Button::Sulfite, f), std::nullopt);
    EXPECT_EQ(press(Button::Yeast, f), std::nullopt);

    CalculatorFields expected = startUpFields();
    for (const auto& [field, text] : test::kTypicalBatchEntries)
        expected.text(field) = text;
    for (const auto& [field, text] : test::kTypicalBatchResults)
        expected.text(field) = text;
    EXPECT_EQ(f, expected);
}

// A variety choice changes no result until the button is pressed again.
TEST(TypicalBatch, VarietyChoiceThenYeast)
{
    CalculatorFields f = with(startUpFields(), {{F::weit, "100"}});
    ASSERT_EQ(press(Button::Yeast, f), std::nullopt);
    ASSERT_EQ(f.text(F::jiaomu2), "12.40");

    pickVariety(f, "巨  峰");
    EXPECT_EQ(f.text(F::sd), "0.83");
    EXPECT_EQ(f.text(F::jiaomu2), "12.40");
    EXPECT_EQ(press(Button::Yeast, f), std::nullopt);
    EXPECT_EQ(f.text(F::jiaomu2), "16.60");
}

}  // namespace
}  // namespace mostaric
