// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Which fields the calculations mark, how the notes word what went wrong,
// and when the marks go away.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/calculations.h"
#include "core/marks.h"
#include "core/tests/test_support.h"

namespace mostaric {

void PrintTo(const Mark& mark, std::ostream* os)
{
    *os << fieldName(mark.field) << ":" << static_cast<int>(mark.kind) << " \"" << mark.message
        << "\"";
}

void PrintTo(const Note& note, std::ostream* os)
{
    *os << fieldName(note.anchor) << " \"" << note.text << "\"";
}

namespace {

using F = Field;
using K = MarkKind;
using test::Texts;
using test::with;

// Captions and units as a front end's labels might read.
FieldCaptions sampleCaptions()
{
    FieldCaptions captions;
    const std::tuple<Field, std::string, std::string> labels[] = {
        {F::pinzhong, "葡萄品种", ""},    {F::weit, "葡萄浆重量", "Kg"},
        {F::bizhong, "测得的比重", ""},   {F::xiguan, "习惯用糖量", ""},
        {F::Tt2, "理想酒精度", "%"},      {F::Tt1, "您需要加入", "Kg糖"},
        {F::jiutiji, "约能得到", "升酒"}, {F::s1, "习惯加硫量", "mg/L"},
        {F::s2, "您需要加入", "g焦亚"},   {F::s3, "或加入", "ml亚硫酸"},
        {F::jiaomu1, "酵母用量", "g/Kg"}, {F::jiaomu2, "您需要加入", "g酵母"},
    };
    for (const auto& [field, caption, unit] : labels)
        captions.set(field, caption, unit);
    return captions;
}

FieldUpdate calculate(Calculation calculation, const CalculatorFields& fields)
{
    constexpr FieldUpdate (*kRun[])(const CalculatorFields&) = {calculateSugar, calculateSulfite,
                                                                calculateYeast};
    return kRun[static_cast<int>(calculation)](fields);
}

const Texts kTypical = {{F::bizhong, "1.08"},   {F::T1, "10.8"},  {F::Tt2, "12.5"},
                        {F::xiguan, "17"},      {F::weit, "100"}, {F::Tt1, "1.659"},
                        {F::jiutiji, "63.029"}, {F::s2, "3.44"},  {F::s3, "27.87"}};

CalculatorFields typical() { return with(startUpFields(), kTypical); }

struct NoteCase {
    std::string name;
    Calculation calculation;
    CalculatorFields before;
    std::optional<Note> note;
    std::vector<std::pair<Field, MarkKind>> marks;
};

void PrintTo(const NoteCase& c, std::ostream* os) { *os << c.name; }

const std::string kStale = "不是当前的结果：上次计算没有完成，这里仍是之前的数值。";
const std::string kHuge = "1" + std::string(300, '0');  // 1e300 times 1e300 overflows
const std::string kLong = "1." + std::string(40, '2') + ".3";

const NoteCase kNoteCases[] = {
    {"Typical", Calculation::Sugar, typical(), std::nullopt, {}},
    {"EmptyWeight",
     Calculation::Sugar,
     with(typical(), {{F::weit, ""}}),
     Note{F::weit, "“葡萄浆重量”是空的，不是一个数字，请填写后再计算。"},
     {{F::weit, K::Failure}, {F::Tt1, K::Stale}, {F::jiutiji, K::Stale}}},
    {"UnreadableTarget",
     Calculation::Sugar,
     with(typical(), {{F::Tt2, "1012.5.8"}}),
     Note{F::Tt2, "“理想酒精度”不是一个数字：它现在是“1012.5.8”，请检查后再计算。"},
     {{F::Tt2, K::Failure}, {F::Tt1, K::Stale}, {F::jiutiji, K::Stale}}},
    {"LongUnreadableQuotedAroundAnEllipsis",
     Calculation::Yeast,
     with(typical(), {{F::jiaomu1, kLong}}),
     Note{F::jiaomu1,
          "“酵母用量”不是一个数字：它现在是“1.222222222222…2222222.3”，请检查后再计算。"},
     {{F::jiaomu1, K::Failure}}},
    {"NotFiniteNamesTheResultWithItsUnit",
     Calculation::Sulfite,
     with(typical(), {{F::weit, kHuge}, {F::s1, kHuge}}),
     Note{F::s2, "无法计算“您需要加入 g焦亚”：结果超出了数值范围。"},
     {{F::s2, K::Failure}, {F::s3, K::Stale}}},
    {"StaleOnlyWhereAResultHoldsAText",
     Calculation::Sugar,
     with(typical(), {{F::weit, "."}, {F::jiutiji, ""}}),
     Note{F::weit, "“葡萄浆重量”不是一个数字：它现在是“.”，请检查后再计算。"},
     {{F::weit, K::Failure}, {F::Tt1, K::Stale}}},
    {"GuardZeroListsChosen",
     Calculation::Sugar,
     startUpFields(),
     Note{F::Tt1, "请先选择“测得的比重”、“习惯用糖量”再计算：这里的 0 不是算出来的。"},
     {{F::Tt1, K::Notice}}},
    {"GuardZeroChosenAndTyped",
     Calculation::Sulfite,
     with(startUpFields(), {{F::s1, ""}}),
     Note{F::s2, "请先选择“测得的比重”，填写“习惯加硫量”再计算：这里的 0 不是算出来的。"},
     {{F::s2, K::Notice}, {F::s3, K::Notice}}},
    {"GuardZeroYieldNamedByTheVarietyList",
     Calculation::Yeast,
     with(startUpFields(), {{F::sd, ""}}),
     Note{F::jiaomu2, "请先选择“葡萄品种”再计算：这里的 0 不是算出来的。"},
     {{F::jiaomu2, K::Notice}}},
    {"TargetBelowMust",
     Calculation::Sugar,
     with(typical(), {{F::Tt2, "9"}}),
     Note{F::Tt1, "理想酒精度低于此葡萄浆本身能酿出的酒精度，不需要加糖；负数是超出的部分。"},
     {{F::Tt1, K::Notice}}},
};

class MarkNotes : public ::testing::TestWithParam<NoteCase> { };

TEST_P(MarkNotes, MarkTheFieldsAndWordTheNote)
{
    const NoteCase& c = GetParam();
    const CalculatorFields& before = c.before;
    const FieldUpdate update = calculate(c.calculation, before);
    Marks marks;
    const auto note =
        marks.apply(c.calculation, update, update.appliedTo(before), sampleCaptions());
    EXPECT_EQ(note, c.note);
    std::vector<std::pair<Field, MarkKind>> marked;
    for (const Mark& mark : marks.all()) {
        marked.emplace_back(mark.field, mark.kind);
        EXPECT_EQ(mark.owner, c.calculation);
        EXPECT_TRUE(mark.kind == K::Stale ? mark.message == kStale
                                          : mark.message == note.value().text);
    }
    std::ranges::sort(marked);
    auto expected = c.marks;
    std::ranges::sort(expected);
    EXPECT_EQ(marked, expected);
}

INSTANTIATE_TEST_SUITE_P(Calculations, MarkNotes, ::testing::ValuesIn(kNoteCases),
                         [](const auto& info) { return info.param.name; });

struct PasteCase {
    std::string name;
    std::string text;
    std::string note;
};

void PrintTo(const PasteCase& c, std::ostream* os) { *os << c.name; }

const PasteCase kPasteCases[] = {
    {"Comma", "1,5", "粘贴的内容不是数字：“1,5”"},
    {"TwentyFourUnitsWhole", std::string(24, 'x'),
     "粘贴的内容不是数字：“" + std::string(24, 'x') + "”"},
    {"LongShortened", std::string(40, 'x'), "粘贴的内容不是数字：“xxxxxxxxxxxxxx…xxxxxxxxx”"},
    // 😀 is two UTF-16 units: eleven of them are 22 units, quoted whole.
    {"ElevenEmojiWhole", "😀😀😀😀😀😀😀😀😀😀😀x",
     "粘贴的内容不是数字：“😀😀😀😀😀😀😀😀😀😀😀x”"},
    // A cut inside a pair moves before it: the head keeps 13 units, the tail 10.
    {"CutInsidePairs", "x" + std::string("😀😀😀😀😀😀😀😀😀😀😀😀"),
     "粘贴的内容不是数字：“x😀😀😀😀😀😀…😀😀😀😀😀”"},
    {"ChineseByUnits", "一二三四五六七八九十一二三四五六七八九十一二三四五",
     "粘贴的内容不是数字：“一二三四五六七八九十一二三四…七八九十一二三四五”"},
};

class PasteNotes : public ::testing::TestWithParam<PasteCase> { };

TEST_P(PasteNotes, QuoteThePaste) { EXPECT_EQ(pasteRefusedNote(GetParam().text), GetParam().note); }

INSTANTIATE_TEST_SUITE_P(Pastes, PasteNotes, ::testing::ValuesIn(kPasteCases),
                         [](const auto& info) { return info.param.name; });

// The windows' rule over UTF-16, written independently: any text of ASCII,
// Chinese and four-byte characters is quoted as the windows quote it.
std::u16string toUtf16(std::string_view utf8)
{
    std::u16string out;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        const int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
        std::uint32_t cp = length == 1 ? lead : lead & (0x7FU >> length);
        for (int k = 1; k < length; ++k)
            cp = (cp << 6U) | (static_cast<unsigned char>(utf8[i + k]) & 0x3FU);
        i += length;
        if (cp >= 0x10000) {
            out += static_cast<char16_t>(0xD800 + ((cp - 0x10000) >> 10U));
            out += static_cast<char16_t>(0xDC00 + ((cp - 0x10000) & 0x3FFU));
        } else {
            out += static_cast<char16_t>(cp);
        }
    }
    return out;
}

std::u16string windowQuote(const std::u16string& text)
{
    if (text.size() <= 24)
        return text;
    const auto safeCut = [&text](std::size_t at) {
        return at > 0 && at < text.size() && text[at] >= 0xDC00 && text[at] <= 0xDFFF ? at - 1 : at;
    };
    return text.substr(0, safeCut(14)) + u"…" + text.substr(safeCut(text.size() - 9));
}

TEST(PasteNotes, SeededTextsQuotedAsTheWindowsQuote)
{
    const std::string pieces[] = {"1", ".", "x", "é", "葡", "😀", "𠀀"};
    std::mt19937 random(20260518);
    for (int round = 0; round < 5000; ++round) {
        std::string text;
        const int length = std::uniform_int_distribution(0, 40)(random);
        for (int i = 0; i < length; ++i)
            text += pieces[std::uniform_int_distribution<std::size_t>(0, 6)(random)];
        const std::u16string expected =
            u"粘贴的内容不是数字：“" + windowQuote(toUtf16(text)) + u"”";
        ASSERT_EQ(toUtf16(pasteRefusedNote(text)), expected) << text;
    }
}

// After a failed run: an edit of something the calculation reads takes its
// stale marks away (and only those); editing the failing field takes that.
TEST(Marks, EditsTakeAwayWhatTheyMakeOld)
{
    const CalculatorFields before = with(typical(), {{F::weit, ""}});
    std::vector<std::pair<Field, bool>> heard;
    Marks marks(
        [&heard](Field field, const Mark* mark) { heard.emplace_back(field, mark != nullptr); });
    for (const Calculation calculation : {Calculation::Sugar, Calculation::Sulfite}) {
        const FieldUpdate update = calculate(calculation, before);
        marks.apply(calculation, update, update.appliedTo(before), sampleCaptions());
    }
    ASSERT_EQ(marks.all().size(), 5U);  // weit, Tt1, jiutiji, s2, s3
    const auto& weit = marks.of(F::weit);
    EXPECT_TRUE(weit && weit->owner == Calculation::Sulfite);  // the later run's failure

    heard.clear();
    marks.clearStaleReading(F::Tt2);  // read by the sugar calculation only
    EXPECT_FALSE(marks.of(F::Tt1));
    EXPECT_FALSE(marks.of(F::jiutiji));
    EXPECT_TRUE(marks.of(F::s2));
    EXPECT_EQ(heard, (std::vector<std::pair<Field, bool>>{{F::Tt1, false}, {F::jiutiji, false}}));

    marks.clearStaleReading(F::xiguan);  // nothing of the sulfite calculation
    EXPECT_TRUE(marks.of(F::s3));
    marks.clear(F::weit);
    EXPECT_FALSE(marks.of(F::weit));
    EXPECT_TRUE(marks.carries(kStale));
    marks.clearStaleReading(F::bizhong);
    EXPECT_TRUE(marks.all().empty());
    EXPECT_FALSE(marks.carries(kStale));
}

// A successful run takes away every mark of its own calculation, and no other.
TEST(Marks, ASuccessfulRunClearsItsOwnMarks)
{
    const CalculatorFields failing = with(typical(), {{F::weit, ""}});
    const CalculatorFields typicalFields = typical();
    Marks marks;
    for (const Calculation calculation : {Calculation::Sugar, Calculation::Yeast}) {
        const FieldUpdate update = calculate(calculation, failing);
        marks.apply(calculation, update, update.appliedTo(failing), sampleCaptions());
    }
    const FieldUpdate update = calculate(Calculation::Sugar, typicalFields);
    EXPECT_FALSE(
        marks.apply(Calculation::Sugar, update, update.appliedTo(typicalFields), sampleCaptions()));
    ASSERT_EQ(marks.all().size(), 1U);
    EXPECT_EQ(marks.all().front().owner, Calculation::Yeast);
}

struct CaptionCase {
    std::string name;
    Field field;
    std::string inNote;
    std::string withUnit;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

const CaptionCase kCaptionCases[] = {
    {"ResultByCaptionAndUnit", F::jiaomu2, "您需要加入 g酵母", "您需要加入 g酵母"},
    {"InputByCaptionAlone", F::weit, "葡萄浆重量", "葡萄浆重量 Kg"},
    {"ListWithoutUnit", F::bizhong, "测得的比重", "测得的比重"},
    {"YieldByTheVarietyList", F::sd, "葡萄品种", ""},
};

class Captions : public ::testing::TestWithParam<CaptionCase> { };

TEST_P(Captions, NameTheField)
{
    const FieldCaptions captions = sampleCaptions();
    EXPECT_EQ(captions.inNote(GetParam().field), GetParam().inNote);
    EXPECT_EQ(captions.withUnit(GetParam().field), GetParam().withUnit);
}

INSTANTIATE_TEST_SUITE_P(Fields, Captions, ::testing::ValuesIn(kCaptionCases),
                         [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace mostaric
