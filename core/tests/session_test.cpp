// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator driven as the web page drives it, and the paste rule.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/paste.h"
#include "core/session.h"
#include "core/tests/test_support.h"
#include "core/tests/typical_batch.h"

namespace mostaric {
namespace {

using F = Field;

void typeTypicalBatch(Session& session)
{
    session.startUp();
    for (const auto& [field, text] : test::kTypicalBatchEntries) {
        if (fieldKind(field) == FieldKind::List)
            session.choose(field, text);
        else
            session.edit(field, std::string(text));
    }
}

Session typedTypicalBatch()
{
    Session session;
    typeTypicalBatch(session);
    return session;
}

TEST(Session, TypicalBatchGivesTheTypicalResults)
{
    Session session = typedTypicalBatch();
    for (const Calculation calculation :
         {Calculation::Sugar, Calculation::Sulfite, Calculation::Yeast})
        EXPECT_FALSE(session.calculate(calculation).note);
    for (const auto& [field, text] : test::kTypicalBatchResults)
        EXPECT_EQ(session.fields().text(field), text) << fieldName(field);
    EXPECT_TRUE(session.marks().all().empty());
}

TEST(Session, StartUpWritesEveryFieldAndClearsMarks)
{
    Session session = typedTypicalBatch();
    session.edit(F::weit, "");
    EXPECT_TRUE(session.calculate(Calculation::Yeast).note);
    const Outcome outcome = session.startUp();
    EXPECT_EQ(outcome.writes.size(), kFieldCount);
    EXPECT_EQ(session.fields(), startUpFields());
    EXPECT_TRUE(session.marks().all().empty());
}

TEST(Session, EditsAndChoicesTakeAwayStaleMarks)
{
    Session session = typedTypicalBatch();
    session.calculate(Calculation::Sugar);
    session.edit(F::weit, ".");
    const Outcome failed = session.calculate(Calculation::Sugar);
    EXPECT_TRUE(failed.note && failed.note->anchor == F::weit);
    EXPECT_TRUE(failed.writes.empty());
    EXPECT_EQ(session.marks().all().size(), 3U);  // weit, Tt1, jiutiji

    EXPECT_TRUE(session.choose(F::xiguan, "16").writes.empty());  // not an entry
    EXPECT_EQ(session.marks().all().size(), 3U);
    EXPECT_TRUE(session.edit(F::T1, "5").writes.empty());  // a result: not the user's
    EXPECT_EQ(session.fields().text(F::T1), "10.8");

    session.choose(F::xiguan, "18");
    EXPECT_EQ(session.marks().all().size(), 1U);
    session.edit(F::weit, "100");
    EXPECT_TRUE(session.marks().all().empty());
}

TEST(Session, AGravityChoiceWritesItsRow)
{
    Session session;
    session.startUp();
    const Outcome outcome = session.choose(F::bizhong, "1.1");
    ASSERT_EQ(outcome.writes.size(), 3U);
    EXPECT_EQ(session.fields().text(F::T1), "13.9");
    EXPECT_EQ(session.fields().text(F::bizhong), "1.1");
}

// The listener hears every change of the marks, in order, as the main
// window draws them.
TEST(Session, TheListenerHearsEachChangeOfTheMarks)
{
    std::vector<std::pair<Field, std::optional<MarkKind>>> heard;
    Session session([&heard](Field field, const Mark* mark) {
        heard.emplace_back(field, mark != nullptr ? std::optional(mark->kind) : std::nullopt);
    });
    typeTypicalBatch(session);
    session.calculate(Calculation::Sugar);
    EXPECT_TRUE(heard.empty());

    session.edit(F::weit, "");
    session.calculate(Calculation::Sugar);
    using Heard = std::pair<Field, std::optional<MarkKind>>;
    EXPECT_EQ(heard,
              (std::vector<Heard>{{F::weit, MarkKind::Failure},
                                  {F::Tt1, MarkKind::Stale},
                                  {F::jiutiji, MarkKind::Stale}}));
    heard.clear();
    session.edit(F::weit, "100");
    EXPECT_EQ(heard,
              (std::vector<Heard>{
                  {F::weit, std::nullopt}, {F::Tt1, std::nullopt}, {F::jiutiji, std::nullopt}}));
}

struct PasteCase {
    std::string name;
    std::string text;
    std::string offered;
    bool accepted;
    bool refused;
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

const PasteCase kPastes[] = {
    {"Number", "12.5", "12.5", true, false},
    {"BlanksAround", " \t12\r\n", "12", true, false},
    {"UnicodeSpacesAround", "\u300012.5\u00a0\u2029", "12.5", true, false},
    {"OnlyBlanks", " \u2003 ", "", false, false},
    {"Empty", "", "", false, false},
    {"Comma", "1,5", "1,5", false, true},
    {"Minus", "-3", "-3", false, true},
    {"BlankInside", "1 2", "1 2", false, true},
    {"Backspace", "1\b2", "1\b2", false, true},
    {"FullWidthDigits", "１２", "１２", false, true},
    {"NoBreakJoinerIsNotBlank", "\u200b12", "\u200b12", false, true},
};

class Pastes : public ::testing::TestWithParam<PasteCase> { };

TEST_P(Pastes, TakenWholeOrRefusedWhole)
{
    const PasteCase& c = GetParam();
    const PasteCheck check = checkPaste(c.text);
    EXPECT_EQ(check.offered, c.offered);
    EXPECT_EQ(check.accepted, c.accepted);
    EXPECT_EQ(check.note.has_value(), c.refused);
    if (check.note) {
        EXPECT_EQ(*check.note, pasteRefusedNote(c.offered));
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, Pastes, ::testing::ValuesIn(kPastes),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace mostaric
