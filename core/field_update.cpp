// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/field_update.h"

#include <algorithm>

namespace mostaric {

CalculatorFields FieldUpdate::appliedTo(CalculatorFields fields) const
{
    for (const FieldText& written : writes)
        fields.text(written.field) = written.text;
    return fields;
}

bool FieldUpdate::wrote(Field field) const
{
    return std::any_of(writes.begin(), writes.end(),
                       [field](const FieldText& written) { return written.field == field; });
}

}  // namespace mostaric
