#pragma once

// Shared by the core's tests: readable printing of whole records, and a
// field record edited the way the window edits it.

#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/field_update.h"
#include "core/fields.h"

namespace mostaric {

void PrintTo(const CalculatorFields& fields, std::ostream* os);
void PrintTo(const CalculationFailure& failure, std::ostream* os);
void PrintTo(const FieldText& written, std::ostream* os);

namespace test {

using Texts = std::vector<std::pair<Field, std::string>>;

inline CalculatorFields with(CalculatorFields fields, const Texts& texts)
{
    for (const auto& [field, text] : texts)
        fields.text(field) = text;
    return fields;
}

}  // namespace test
}  // namespace mostaric
