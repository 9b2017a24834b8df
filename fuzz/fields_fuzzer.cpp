// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// libFuzzer target for the calculator core. Each input is a short program:
// put arbitrary texts into the fields, choose arbitrary list entries, type
// arbitrary key codes and run every operation. After
// each step it checks what must always hold:
//  - an operation changes only the fields it writes;
//  - a result field keeps its text or holds a fixed-decimal text ("-"?,
//    digits, ".", 3 digits for Tt1 and jiutiji, 2 for s2, s3 and jiaomu2);
//  - a calculation that stops leaves the field it failed on, and every later
//    one, untouched; one that succeeds writes well-formed texts;
//  - a choice copies exactly one table row or writes nothing;
//  - the key filter passes digits, "." and backspace and turns the rest to 0;
//  - every calculation's whole update (texts in order, failure, notices) is
//    what reference_model.h works out again from the rules on its own.
// Texts have any length, so numbers beyond the double range are read too.
// A broken rule aborts, which libFuzzer reports with the input that did it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculations.h"
#include "core/fields.h"
#include "core/gravity_table.h"
#include "core/key_filter.h"
#include "core/numeric_text.h"
#include "core/start_up.h"
#include "core/tests/number_text.h"
#include "core/variety_table.h"
#include "fuzz/reference_model.h"

namespace {

using namespace mostaric;

[[noreturn]] void broken(const char* rule, std::string_view detail = {})
{
    std::fprintf(stderr, "invariant broken: %s [%.*s]\n", rule, static_cast<int>(detail.size()),
                 detail.data());
    std::abort();
}

void require(bool holds, const char* rule, std::string_view detail = {})
{
    if (!holds)
        broken(rule, detail);
}

bool isDigit(char c) { return c >= '0' && c <= '9'; }

// "-"? digits "." exactly `decimals` digits, with at least one digit before
// the point.
bool isFixedText(std::string_view text, std::size_t decimals)
{
    if (!text.empty() && text.front() == '-')
        text.remove_prefix(1);
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos || point == 0)
        return false;
    if (text.size() - point - 1 != decimals)
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (i != point && !isDigit(text[i]))
            return false;
    return true;
}

// The fields an operation may write, in the order it writes them, with the
// number of decimals of each.
struct Written {
    Field field;
    std::size_t decimals;
};

// Every field that is not in `written` is the same before and after.
void requireOnlyWritten(const CalculatorFields& before, const CalculatorFields& after,
                        const std::vector<Field>& written)
{
    for (const FieldInfo& info : kFields) {
        if (std::find(written.begin(), written.end(), info.field) != written.end())
            continue;
        require(before.text(info.field) == after.text(info.field),
                "an unwritten field keeps its text", info.name);
    }
}

using Calculate = FieldUpdate (*)(const CalculatorFields&);

void requireAsReference(const FieldUpdate& update, const FieldUpdate& expected)
{
    require(update.writes.size() == expected.writes.size(), "as many writes as the rules give");
    for (std::size_t i = 0; i < update.writes.size(); ++i) {
        require(update.writes[i].field == expected.writes[i].field, "the order of writing",
                fieldName(update.writes[i].field));
        require(update.writes[i].text == expected.writes[i].text,
                "a result as the rules compute it",
                update.writes[i].text + " expected " + expected.writes[i].text);
    }
    require(update.failure == expected.failure, "the failure the rules give");
    require(update.notices == expected.notices, "the notices the rules give");
}

void runCalculation(CalculatorFields& fields, Calculate calculation, Calculate reference,
                    std::initializer_list<Written> results)
{
    const CalculatorFields before = fields;
    const FieldUpdate update = calculation(fields);
    requireAsReference(update, reference(fields));
    const std::optional<CalculationFailure>& outcome = update.failure;
    fields = update.appliedTo(fields);

    std::vector<Field> written;
    for (const Written& result : results)
        written.push_back(result.field);
    const CalculatorFields& after = fields;
    requireOnlyWritten(before, after, written);

    bool failedHere = false;
    for (const Written& result : results) {
        const std::string& text = after.text(result.field);
        if (outcome && outcome->kind == CalculationFailure::Kind::NotFinite
            && outcome->field == result.field)
            failedHere = true;
        if (failedHere) {
            require(text == before.text(result.field),
                    "the failing result and later ones are untouched", fieldName(result.field));
        } else if (!outcome) {
            require(isFixedText(text, result.decimals), "a computed result is a fixed text", text);
        } else {
            require(text == before.text(result.field) || isFixedText(text, result.decimals),
                    "a result keeps its text or is a fixed text", text);
        }
    }
    if (outcome && outcome->kind == CalculationFailure::Kind::NotFinite) {
        require(failedHere, "NotFinite names one of the calculation's results",
                fieldName(outcome->field));
    }
    if (outcome && outcome->kind == CalculationFailure::Kind::Unreadable) {
        // Only a text that is not a number can be unreadable.
        require(!readNumber(after.text(outcome->field)).has_value(),
                "an unreadable field holds no number", after.text(outcome->field));
    }
}

void runGravityChosen(CalculatorFields& fields)
{
    const CalculatorFields before = fields;
    const std::string& chosen = before.text(Field::bizhong);
    fields = chooseGravity(chosen).appliedTo(fields);
    requireOnlyWritten(before, fields, {Field::T1, Field::Tt2, Field::tangdu});
    const auto* const row = std::find_if(kGravityTable.begin(), kGravityTable.end(),
                                         [&](const GravityRow& r) { return r.gravity == chosen; });
    if (row == kGravityTable.end()) {
        require(fields == before, "an unknown gravity writes nothing", chosen);
    } else {
        require(fields.text(Field::T1) == row->alcohol && fields.text(Field::Tt2) == row->alcohol
                    && fields.text(Field::tangdu) == row->brix,
                "a known gravity copies its row", chosen);
    }
}

void runVarietyChosen(CalculatorFields& fields)
{
    const CalculatorFields before = fields;
    const std::string& chosen = before.text(Field::pinzhong);
    fields = chooseVariety(chosen).appliedTo(fields);
    requireOnlyWritten(before, fields, {Field::sd});
    const auto* const row = std::find_if(kVarietyTable.begin(), kVarietyTable.end(),
                                         [&](const VarietyRow& r) { return r.name == chosen; });
    if (row == kVarietyTable.end())
        require(fields == before, "an unknown variety writes nothing", chosen);
    else
        require(fields.text(Field::sd) == row->juiceYield, "a known variety copies its yield",
                row->name);
}

void runKeyPress(std::int16_t original)
{
    const bool passes = (original >= '0' && original <= '9') || original == '.' || original == 8;
    require(acceptsKey(original) == passes, "the key filter's rule");
}

void runNumberRoundTrip(std::string_view text)
{
    const std::optional<double> value = readNumber(text);
    if (!value)
        return;
    // Whatever ReadNumber accepts is finite, and formats to a fixed text.
    require(*value - *value == 0.0, "ReadNumber gives finite values", text);
    require(isFixedText(formatFixed(*value, FixedPattern::ThreeDecimals), 3), "3-decimal text",
            text);
    require(isFixedText(formatFixed(*value, FixedPattern::TwoDecimals), 2), "2-decimal text", text);
}

// numberText writes plain digits that read back as nearly the same value.
void runNumberText(double value)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e300)
        return;
    const std::string text = numberText(value);
    require(text.find_first_not_of("-0123456789.") == std::string::npos, "plain number text", text);
    const std::optional<double> back = readNumber(text);
    require(back.has_value(), "number text reads back", text);
    require(std::fabs(back.value_or(NAN) - value) <= std::fabs(value) * 1e-14 + 1e-300,
            "number text keeps the value", text);
}

// A long run of digits with an optional sign and point: the texts whose
// value lies beyond the double range, or below it, in either direction.
std::string longNumber(FuzzedDataProvider& in)
{
    std::string text = in.ConsumeBool() ? "-" : "";
    const auto length = in.ConsumeIntegralInRange<std::size_t>(1, 700);
    const auto point = in.ConsumeIntegralInRange<std::size_t>(0, length + 1);
    const auto digit = [&in] {
        return static_cast<char>('0' + in.ConsumeIntegralInRange<int>(0, 9));
    };
    const char first = digit();
    const char last = digit();
    for (std::size_t i = 0; i < length; ++i) {
        if (i == point)
            text.push_back('.');
        text.push_back(i == 0 ? first : (i + 1 == length ? last : '0'));
    }
    return text;
}

Field pickList(FuzzedDataProvider& in)
{
    return in.PickValueInArray({Field::pinzhong, Field::bizhong, Field::xiguan});
}

Field pickField(FuzzedDataProvider& in)
{
    return kFields[in.ConsumeIntegralInRange<std::size_t>(0, kFieldCount - 1)].field;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    CalculatorFields fields;
    if (in.ConsumeBool())
        fields = startUpFields();

    for (int step = 0; step < 64 && in.remaining_bytes() > 0; ++step) {
        switch (in.ConsumeIntegralInRange<int>(0, 13)) {
        case 0: {  // any text into any field, results included
            fields.text(pickField(in)) = in.ConsumeRandomLengthString();
            break;
        }
        case 12: fields.text(pickField(in)) = longNumber(in); break;
        case 13: runNumberText(in.ConsumeFloatingPoint<double>()); break;
        case 1:
        case 2: {  // a list entry chosen by its place
            const Field list = pickList(in);
            const auto entries = listEntries(list);
            const auto index = in.ConsumeIntegralInRange<std::size_t>(0, entries.size() - 1);
            fields.text(list) = entries[index];
            break;
        }
        case 3: runGravityChosen(fields); break;
        case 4: runVarietyChosen(fields); break;
        case 5:
            runCalculation(fields, calculateSugar, reference::sugar,
                           {{Field::Tt1, 3}, {Field::jiutiji, 3}});
            break;
        case 6:
            runCalculation(fields, calculateSulfite, reference::sulfite,
                           {{Field::s2, 2}, {Field::s3, 2}});
            break;
        case 7:
            runCalculation(fields, calculateYeast, reference::yeast, {{Field::jiaomu2, 2}});
            break;
        case 8: runKeyPress(in.ConsumeIntegral<std::int16_t>()); break;
        case 9: runNumberRoundTrip(in.ConsumeRandomLengthString()); break;
        case 10: {  // a list chosen by a typed text, not by an entry
            fields.text(pickList(in)) = in.ConsumeRandomLengthString();
            break;
        }
        default: {  // a number typed key by key, as the window does
            std::string& target = fields.text(
                in.PickValueInArray({Field::weit, Field::Tt2, Field::s1, Field::jiaomu1}));
            target.clear();
            for (const char c : in.ConsumeRandomLengthString()) {
                if (acceptsKey(static_cast<unsigned char>(c)))
                    target.push_back(c);
            }
            break;
        }
        }
    }
    return 0;
}
