// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up state, the gravity table and the variety table, and the two
// choices that copy table texts into fields.

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/fields.h"
#include "core/gravity_table.h"
#include "core/numeric_text.h"
#include "core/start_up.h"
#include "core/tests/number_text.h"
#include "core/tests/test_support.h"
#include "core/variety_table.h"

namespace mostaric {
namespace {

struct GravityCase {
    const char* gravity;
    const char* alcohol;
    const char* brix;
};

// The whole table, written out row by row. Note the first alcohol "7.0", the
// six short keys, the repeated alcohols (1.095/1.096, 1.101/1.102), the jump
// 1.104 -> 1.105 and the Brix step of 0.1 from 1.094 to 1.095.
// clang-format off
constexpr GravityCase kGravityRows[] = {
    {"1.056", "7.0", "13.7"},  {"1.057", "7.2", "14"},    {"1.058", "7.3", "14.2"},
    {"1.059", "7.5", "14.4"},  {"1.06", "7.6", "14.7"},   {"1.061", "7.8", "14.9"},
    {"1.062", "7.9", "15.1"},  {"1.063", "8.1", "15.4"},  {"1.064", "8.2", "15.6"},
    {"1.065", "8.4", "15.8"},  {"1.066", "8.6", "16.1"},  {"1.067", "8.7", "16.3"},
    {"1.068", "8.9", "16.5"},  {"1.069", "9", "16.8"},    {"1.07", "9.2", "17"},
    {"1.071", "9.3", "17.2"},  {"1.072", "9.5", "17.5"},  {"1.073", "9.6", "17.7"},
    {"1.074", "9.8", "17.9"},  {"1.075", "10", "18.1"},   {"1.076", "10.1", "18.4"},
    {"1.077", "10.3", "18.6"}, {"1.078", "10.5", "18.8"}, {"1.079", "10.6", "19"},
    {"1.08", "10.8", "19.3"},  {"1.081", "10.9", "19.5"}, {"1.082", "11", "19.7"},
    {"1.083", "11.2", "20"},   {"1.084", "11.4", "20.2"}, {"1.085", "11.5", "20.4"},
    {"1.086", "11.7", "20.6"}, {"1.087", "11.9", "20.8"}, {"1.088", "12", "21.1"},
    {"1.089", "12.2", "21.3"}, {"1.09", "12.3", "21.5"},  {"1.091", "12.5", "21.7"},
    {"1.092", "12.6", "21.9"}, {"1.093", "12.8", "22.2"}, {"1.094", "12.9", "22.4"},
    {"1.095", "13.1", "22.5"}, {"1.096", "13.1", "22.8"}, {"1.097", "13.4", "23"},
    {"1.098", "13.6", "23.2"}, {"1.099", "13.8", "23.5"}, {"1.1", "13.9", "23.7"},
    {"1.101", "14", "23.9"},   {"1.102", "14", "24.1"},   {"1.103", "14.2", "24.3"},
    {"1.104", "14.3", "24.5"}, {"1.105", "14.7", "24.8"}, {"1.106", "14.8", "25"},
    {"1.107", "15", "25.2"},   {"1.108", "15.1", "25.4"}, {"1.109", "15.3", "25.6"},
    {"1.11", "15.4", "25.8"},  {"1.111", "15.6", "26.1"},
};
// clang-format on
static_assert(std::size(kGravityRows) == 56);

void PrintTo(const GravityCase& row, std::ostream* os) { *os << row.gravity; }

struct VarietyCase {
    const char* id;    // test name
    const char* name;  // two-character names hold two U+0020 blanks
    const char* yield;
    std::size_t listPosition;  // 1-based place in the pinzhong list
};

// In table order; the list order differs ("桂  葡" is third in the list).
// clang-format off
constexpr VarietyCase kVarietyRows[] = {
    {"chixiazhu", "赤霞珠", "0.62", 1},  {"shelongzhu", "蛇龙珠", "0.75", 2},
    {"pinlizhu", "品丽珠", "0.76", 4},   {"meile", "美  乐", "0.74", 5},
    {"xila", "西  拉", "0.73", 6},       {"jufeng", "巨  峰", "0.83", 7},
    {"meiguixiang", "玫瑰香", "0.76", 8}, {"guipu", "桂  葡", "0.65", 3},
    {"shanputao", "山葡萄", "0.58", 9},
};
// clang-format on

void PrintTo(const VarietyCase& row, std::ostream* os) { *os << row.id; }

const std::vector<std::string> kVarietyList = {
    "赤霞珠", "蛇龙珠", "桂  葡", "品丽珠", "美  乐", "西  拉", "巨  峰", "玫瑰香", "山葡萄",
};

using test::with;

// Chooses the entry at `index` of `list` the way the user does: by its place.
void chooseEntry(CalculatorFields& fields, Field list, std::size_t index)
{
    const auto entries = listEntries(list);
    ASSERT_LT(index, entries.size());
    ASSERT_TRUE(test::choose(fields, list, entries[index]));
}

// A state in the middle of a session: a typed target, earlier results and a
// chosen variety, so that a choice that writes too much shows up.
CalculatorFields midSession()
{
    CalculatorFields fields = startUpFields();
    chooseEntry(fields, Field::pinzhong, 1);
    chooseEntry(fields, Field::xiguan, 2);
    return with(fields,
                {{Field::sd, "0.75"},
                 {Field::weit, "250"},
                 {Field::Tt2, "14.5"},
                 {Field::s1, "45"},
                 {Field::jiaomu1, "0.3"},
                 {Field::tangdu, "19.3"},
                 {Field::T1, "10.8"},
                 {Field::Tt1, "12.345"},
                 {Field::jiutiji, "123.456"},
                 {Field::s2, "1.23"},
                 {Field::s3, "4.56"},
                 {Field::jiaomu2, "7.89"}});
}

TEST(StartUp, FillsTheListsAndStartTextsAndChoosesNothing)
{
    std::vector<std::string_view> gravities;
    for (const GravityCase& row : kGravityRows)
        gravities.emplace_back(row.gravity);
    EXPECT_EQ(listEntries(Field::pinzhong),
              std::vector<std::string_view>(kVarietyList.begin(), kVarietyList.end()));
    EXPECT_EQ(listEntries(Field::bizhong), gravities);
    EXPECT_EQ(listEntries(Field::xiguan), (std::vector<std::string_view>{"17", "18", "19", "20"}));
    EXPECT_TRUE(listEntries(Field::weit).empty());

    const CalculatorFields expected = with({},
                                           {{Field::sd, "0.62"},
                                            {Field::weit, "0"},
                                            {Field::Tt2, "0"},
                                            {Field::s1, "30"},
                                            {Field::jiaomu1, "0.2"}});
    EXPECT_EQ(startUpFields(), expected);
}

// The calculations name fields through these; a mix-up would write or blame
// the wrong field.
TEST(Fields, NamesAndTextAccessMatchTheMembers)
{
    CalculatorFields f;
    for (const FieldInfo& info : kFields)
        f.text(info.field) = info.name;
    const struct {
        Field field;
        const char* name;
    } cases[] = {
        {Field::pinzhong, "pinzhong"},
        {Field::weit, "weit"},
        {Field::bizhong, "bizhong"},
        {Field::xiguan, "xiguan"},
        {Field::tangdu, "tangdu"},
        {Field::T1, "T1"},
        {Field::Tt2, "Tt2"},
        {Field::Tt1, "Tt1"},
        {Field::jiutiji, "jiutiji"},
        {Field::s1, "s1"},
        {Field::s2, "s2"},
        {Field::s3, "s3"},
        {Field::jiaomu1, "jiaomu1"},
        {Field::jiaomu2, "jiaomu2"},
        {Field::sd, "sd"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fieldName(c.field), c.name);
        EXPECT_EQ(f.text(c.field), c.name);
        EXPECT_EQ(std::as_const(f).text(c.field), c.name);
    }
}

TEST(GravityTableData, EveryRowInOrder)
{
    for (std::size_t i = 0; i < std::size(kGravityRows); ++i) {
        SCOPED_TRACE(kGravityRows[i].gravity);
        EXPECT_EQ(kGravityTable[i].gravity, kGravityRows[i].gravity);
        EXPECT_EQ(kGravityTable[i].alcohol, kGravityRows[i].alcohol);
        EXPECT_EQ(kGravityTable[i].brix, kGravityRows[i].brix);
    }
}

class GravityChoice : public testing::TestWithParam<GravityCase> { };

TEST_P(GravityChoice, WritesTheRowIntoT1Tt2AndTangduOnly)
{
    const GravityCase& row = GetParam();
    CalculatorFields fields = midSession();
    ASSERT_TRUE(test::choose(fields, Field::bizhong, row.gravity));
    const CalculatorFields expected =
        with(fields,
             {{Field::T1, row.alcohol},
              {Field::Tt2, row.alcohol},  // the typed target is overwritten
              {Field::tangdu, row.brix}});

    EXPECT_EQ(chooseGravity(fields.text(Field::bizhong)).appliedTo(fields), expected);
}

// A list entry built from the number 1.0xy must come out as the key itself,
// or choosing it would match nothing.
TEST_P(GravityChoice, KeyIsTheShortestTextOfItsNumber)
{
    const GravityCase& row = GetParam();
    const auto* const at =
        std::find_if(std::begin(kGravityRows), std::end(kGravityRows),
                     [&](const GravityCase& r) { return r.gravity == std::string(row.gravity); });
    const int index = static_cast<int>(at - std::begin(kGravityRows)) + 56;  // thousandths
    EXPECT_EQ(numberText((1000.0 + index) / 1000.0), row.gravity);
    EXPECT_EQ(numberText(1.0 + index * 0.001), row.gravity);  // carries float noise
}

INSTANTIATE_TEST_SUITE_P(EveryRow, GravityChoice, testing::ValuesIn(kGravityRows),
                         [](const testing::TestParamInfo<GravityCase>& info) {
                             std::string name = info.param.gravity;
                             std::replace(name.begin(), name.end(), '.', '_');
                             return name;
                         });

TEST(GravityChoice, OtherFormsOfAKeyWriteNothing)
{
    const char* texts[] = {
        "1.060",  "1.100", "1.110", " 1.06", "1.06 ", "1,06",  "1.0560", "1,1",
        "1.06\t", "01.06", "1.1.",  "",      "1.112", "1.055", "1",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(std::string("\"") + text + "\"");
        EXPECT_TRUE(chooseGravity(text).writes.empty());
    }
}

TEST(VarietyTableData, TableOrderAndListOrder)
{
    for (std::size_t i = 0; i < std::size(kVarietyRows); ++i) {
        SCOPED_TRACE(kVarietyRows[i].id);
        EXPECT_EQ(kVarietyTable[i].name, kVarietyRows[i].name);
        EXPECT_EQ(kVarietyTable[i].juiceYield, kVarietyRows[i].yield);
        EXPECT_EQ(kVarietyListOrder[kVarietyRows[i].listPosition - 1], kVarietyRows[i].name);
    }
    for (std::size_t i = 0; i < kVarietyList.size(); ++i) {
        EXPECT_EQ(kVarietyListOrder[i], kVarietyList[i]) << "list position " << i + 1;
    }
}

class VarietyChoice : public testing::TestWithParam<VarietyCase> { };

TEST_P(VarietyChoice, WritesTheYieldIntoSdOnly)
{
    const VarietyCase& row = GetParam();
    CalculatorFields fields = midSession();
    fields.text(Field::sd) = row.name == std::string("山葡萄") ? "0.83" : "0.58";  // another yield
    chooseEntry(fields, Field::pinzhong, row.listPosition - 1);
    ASSERT_EQ(fields.text(Field::pinzhong), row.name);
    const CalculatorFields expected = with(fields, {{Field::sd, row.yield}});

    fields = chooseVariety(fields.text(Field::pinzhong)).appliedTo(fields);
    EXPECT_EQ(fields, expected);
    fields = chooseVariety(fields.text(Field::pinzhong)).appliedTo(fields);  // again: no change
    EXPECT_EQ(fields, expected);
}

INSTANTIATE_TEST_SUITE_P(EveryVariety, VarietyChoice, testing::ValuesIn(kVarietyRows),
                         [](const testing::TestParamInfo<VarietyCase>& info) {
                             return std::string(info.param.id);
                         });

TEST(VarietyChoice, NamesThatDifferInTheirBlanksWriteNothing)
{
    const char* texts[] = {
        "美 乐",             // one blank
        "美乐",              // none
        "美\u3000乐",        // one full-width blank
        "美\u3000\u3000乐",  // two full-width blanks
        "美   乐",           // three
        "美\t\t乐",
        "赤霞珠 ",  // trailing blank
        " 赤霞珠",
        "桂  葡 ",
        "",
    };
    for (const char* text : texts) {
        SCOPED_TRACE(std::string("\"") + text + "\"");
        EXPECT_TRUE(chooseVariety(text).writes.empty());
    }
}

}  // namespace
}  // namespace mostaric
