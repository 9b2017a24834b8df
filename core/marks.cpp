// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/marks.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace mostaric {
namespace {

// Long enough for any number a user means to type, short enough for a tip.
// Counted in UTF-16 units, as the windows count a text's length.
constexpr std::size_t kQuotedLength = 24;
constexpr std::size_t kQuotedHead = 14;

constexpr std::string_view kEllipsis = "…";

bool isContinuationByte(char byte) { return (static_cast<unsigned char>(byte) & 0xC0U) == 0x80U; }

// A code point of four UTF-8 bytes takes two UTF-16 units, any other one.
std::size_t utf16UnitsOf(char leadByte)
{
    return static_cast<unsigned char>(leadByte) >= 0xF0U ? 2 : 1;
}

std::size_t utf16Length(std::string_view text)
{
    std::size_t units = 0;
    for (const char byte : text) {
        if (!isContinuationByte(byte))
            units += utf16UnitsOf(byte);
    }
    return units;
}

// The byte offset of the last code point boundary at or before UTF-16 unit
// `unit`: a cut inside a surrogate pair moves before the pair.
std::size_t cutBefore(std::string_view text, std::size_t unit)
{
    std::size_t units = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (isContinuationByte(text[i]))
            continue;
        units += utf16UnitsOf(text[i]);
        if (units > unit)
            return i;
    }
    return text.size();
}

std::string quotedForNote(std::string_view text)
{
    const std::size_t length = utf16Length(text);
    if (length <= kQuotedLength)
        return std::string(text);
    const std::size_t headEnd = cutBefore(text, kQuotedHead);
    const std::size_t tailStart = cutBefore(text, length - (kQuotedLength - kQuotedHead - 1));
    std::string quoted(text.substr(0, headEnd));
    quoted += kEllipsis;
    quoted += text.substr(tailStart);
    return quoted;
}

std::string quoted(std::string_view text)
{
    std::string result = "“";
    result += text;
    result += "”";
    return result;
}

std::string unreadableNote(std::string_view caption, std::string_view text)
{
    if (text.empty())
        return quoted(caption) + "是空的，不是一个数字，请填写后再计算。";
    return quoted(caption) + "不是一个数字：它现在是" + quoted(quotedForNote(text))
        + "，请检查后再计算。";
}

std::string notFiniteNote(std::string_view caption)
{
    return "无法计算" + quoted(caption) + "：结果超出了数值范围。";
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator)
{
    std::string result;
    for (const std::string& part : parts) {
        if (!result.empty())
            result += separator;
        result += part;
    }
    return result;
}

// 请先选择“测得的比重”、“习惯用糖量”，填写“习惯加硫量”再计算
std::string noticeNote(const CalculationNotice& notice, const FieldCaptions& captions)
{
    if (notice.kind == CalculationNotice::Kind::TargetBelowMust)
        return "理想酒精度低于此葡萄浆本身能酿出的酒精度，不需要加糖；负数是超出的部分。";
    std::vector<std::string> chosen;
    std::vector<std::string> typed;
    for (const Field field : notice.causes)
        (fieldKind(field) == FieldKind::Input ? typed : chosen)
            .push_back(quoted(captions.inNote(field)));
    std::vector<std::string> steps;
    if (!chosen.empty())
        steps.push_back("选择" + joined(chosen, "、"));
    if (!typed.empty())
        steps.push_back("填写" + joined(typed, "、"));
    return "请先" + joined(steps, "，") + "再计算：这里的 0 不是算出来的。";
}

constexpr std::string_view kStaleNote = "不是当前的结果：上次计算没有完成，这里仍是之前的数值。";

}  // namespace

void FieldCaptions::set(Field field, std::string caption, std::string unit)
{
    m_captions[indexOf(field)] = std::move(caption);
    m_units[indexOf(field)] = std::move(unit);
}

std::string FieldCaptions::withUnit(Field field) const
{
    const std::string& unit = m_units[indexOf(field)];
    if (unit.empty())
        return caption(field);
    return caption(field) + " " + unit;
}

std::string FieldCaptions::inNote(Field field) const
{
    if (fieldKind(field) == FieldKind::Result)
        return withUnit(field);
    return caption(field == Field::sd ? Field::pinzhong : field);
}

std::string pasteRefusedNote(std::string_view text)
{
    return "粘贴的内容不是数字：" + quoted(quotedForNote(text));
}

std::optional<Note> Marks::apply(Calculation calculation, const FieldUpdate& update,
                                 const CalculatorFields& after, const FieldCaptions& captions)
{
    clearOwnedBy(calculation);
    std::optional<Note> note;
    for (const CalculationNotice& notice : update.notices) {
        const std::string message = noticeNote(notice, captions);
        for (const Field result : notice.results)
            mark({result, MarkKind::Notice, calculation, message});
        if (!note && !notice.results.empty())
            note = Note{notice.results.front(), message};
    }
    if (!update.failure)
        return note;

    const CalculationFailure& failure = *update.failure;
    const std::string caption = captions.inNote(failure.field);
    std::string message = failure.kind == CalculationFailure::Kind::Unreadable
        ? unreadableNote(caption, after.text(failure.field))
        : notFiniteNote(caption);
    mark({failure.field, MarkKind::Failure, calculation, message});
    for (const Field result : calculationFields(calculation).writes) {
        if (result != failure.field && !update.wrote(result) && !after.text(result).empty())
            mark({result, MarkKind::Stale, calculation, std::string(kStaleNote)});
    }
    return Note{failure.field, std::move(message)};
}

void Marks::mark(Mark mark)
{
    std::optional<Mark>& slot = m_marks[indexOf(mark.field)];
    slot = std::move(mark);
    if (m_listener)
        m_listener(slot->field, &*slot);
}

void Marks::clear(Field field)
{
    std::optional<Mark>& slot = m_marks[indexOf(field)];
    if (!slot)
        return;
    slot.reset();
    if (m_listener)
        m_listener(field, nullptr);
}

void Marks::clearAll()
{
    for (const FieldInfo& info : kFields)
        clear(info.field);
}

void Marks::clearOwnedBy(Calculation owner, std::optional<MarkKind> kind)
{
    for (const FieldInfo& info : kFields) {
        const std::optional<Mark>& slot = m_marks[indexOf(info.field)];
        if (slot && slot->owner == owner && (!kind || slot->kind == *kind))
            clear(info.field);
    }
}

void Marks::clearStaleReading(Field input)
{
    for (const CalculationFields& calculation : kCalculationFields) {
        if (std::ranges::find(calculation.reads, input) != calculation.reads.end())
            clearOwnedBy(calculation.calculation, MarkKind::Stale);
    }
}

std::vector<Mark> Marks::all() const
{
    std::vector<Mark> marks;
    for (const std::optional<Mark>& slot : m_marks) {
        if (slot)
            marks.push_back(*slot);
    }
    return marks;
}

bool Marks::carries(std::string_view message) const
{
    return std::ranges::any_of(m_marks, [message](const std::optional<Mark>& slot) {
        return slot && slot->message == message;
    });
}

}  // namespace mostaric
