// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Shared by the core's tests: readable printing of whole records, and a
// field record edited the way the window edits it.

#include <algorithm>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/field_update.h"
#include "core/fields.h"
#include "core/start_up.h"

namespace mostaric {

void PrintTo(const CalculatorFields& fields, std::ostream* os);
void PrintTo(CalculationFailure failure, std::ostream* os);
void PrintTo(const FieldText& written, std::ostream* os);

namespace test {

using Texts = std::vector<std::pair<Field, std::string>>;

inline CalculatorFields with(CalculatorFields fields, const Texts& texts)
{
    for (const auto& [field, text] : texts)
        fields.text(field) = text;
    return fields;
}

// Chooses `entry` in `list` as the user does, by picking it; false when the
// list has no such entry.
inline bool choose(CalculatorFields& fields, Field list, std::string_view entry)
{
    const auto entries = listEntries(list);
    if (std::find(entries.begin(), entries.end(), entry) == entries.end())
        return false;
    fields.text(list) = entry;
    return true;
}

}  // namespace test
}  // namespace mostaric
