// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Readable failure messages for whole-state comparisons: gtest would
// otherwise print the structs as raw bytes.

#include "core/tests/test_support.h"

namespace mostaric {

void PrintTo(const CalculatorFields& fields, std::ostream* os)
{
    *os << "{";
    for (const FieldInfo& info : kFields)
        *os << " " << info.name << "=\"" << fields.text(info.field) << "\"";
    *os << " }";
}

void PrintTo(CalculationFailure failure, std::ostream* os)
{
    *os << (failure.kind == CalculationFailure::Kind::Unreadable ? "Unreadable " : "NotFinite ")
        << fieldName(failure.field);
}

void PrintTo(const FieldText& written, std::ostream* os)
{
    *os << fieldName(written.field) << "=\"" << written.text << "\"";
}

}  // namespace mostaric
