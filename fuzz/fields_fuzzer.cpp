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
//  - the key filter passes digits, "." and backspace and turns the rest to 0.
// A broken rule aborts, which libFuzzer reports with the input that did it.
#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
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
#include "core/variety_table.h"

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

void runCalculation(CalculatorFields& fields,
                    FieldUpdate (*calculation)(const CalculatorFields&),
                    std::initializer_list<Written> results)
{
    const CalculatorFields before = fields;
    const FieldUpdate update = calculation(fields);
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
    const auto row = std::find_if(kGravityTable.begin(), kGravityTable.end(),
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
    const auto row = std::find_if(kVarietyTable.begin(), kVarietyTable.end(),
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
    require(isFixedText(formatFixed(*value, FixedPattern::ThreeDecimals), 3), "3-decimal text", text);
    require(isFixedText(formatFixed(*value, FixedPattern::TwoDecimals), 2), "2-decimal text", text);
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
        switch (in.ConsumeIntegralInRange<int>(0, 11)) {
        case 0: {  // any text into any field, results included
            fields.text(pickField(in)) = in.ConsumeRandomLengthString(24);
            break;
        }
        case 1:
        case 2: {  // a list entry chosen by its place
            const Field list = pickList(in);
            const auto entries = listEntries(list);
            const auto index = in.ConsumeIntegralInRange<std::size_t>(0, entries.size() - 1);
            fields.text(list) = entries[index];
            break;
        }
        case 3:
            runGravityChosen(fields);
            break;
        case 4:
            runVarietyChosen(fields);
            break;
        case 5:
            runCalculation(fields, calculateSugar, {{Field::Tt1, 3}, {Field::jiutiji, 3}});
            break;
        case 6:
            runCalculation(fields, calculateSulfite, {{Field::s2, 2}, {Field::s3, 2}});
            break;
        case 7:
            runCalculation(fields, calculateYeast, {{Field::jiaomu2, 2}});
            break;
        case 8:
            runKeyPress(in.ConsumeIntegral<std::int16_t>());
            break;
        case 9:
            runNumberRoundTrip(in.ConsumeRandomLengthString(24));
            break;
        case 10: {  // a list chosen by a typed text, not by an entry
            fields.text(pickList(in)) = in.ConsumeRandomLengthString(24);
            break;
        }
        default: {  // a number typed key by key, as the window does
            std::string& target = fields.text(
                in.PickValueInArray({Field::weit, Field::Tt2, Field::s1, Field::jiaomu1}));
            target.clear();
            for (const char c : in.ConsumeRandomLengthString(12)) {
                if (acceptsKey(static_cast<unsigned char>(c)))
                    target.push_back(c);
            }
            break;
        }
        }
    }
    return 0;
}
