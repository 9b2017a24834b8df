// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/fields.h"

namespace mostaric {

// Why a calculation stopped. Fields written before the failing step keep
// their new texts; the field being computed and all later ones are untouched.
struct CalculationFailure {
    enum class Kind {
        Unreadable,  // `field` holds a text that is not a number
        NotFinite,   // the value for result `field` has no finite result
    };
    Kind kind;
    Field field;

    friend bool operator==(CalculationFailure, CalculationFailure) = default;
};

// Something the user should know about results that were written all the
// same: the texts stay exactly as the rules give them, the window says why.
struct CalculationNotice {
    enum class Kind {
        GuardedEmpty,     // `causes` were empty, so `results` got the guard's zero
        TargetBelowMust,  // the target alcohol is below the must's own: `results`
                          // hold a negative amount, no sugar is needed
    };
    Kind kind;
    std::vector<Field> results;  // the results the notice is about
    std::vector<Field> causes;   // the fields behind it, in the order checked

    friend bool operator==(const CalculationNotice&, const CalculationNotice&) = default;
};

struct FieldText {
    Field field;
    std::string text;

    friend bool operator==(const FieldText&, const FieldText&) = default;
};

// What one operation does to the fields: the texts it writes, in the order
// it writes them, why it stopped, if it did, and what the user should be told
// about what it wrote.
struct FieldUpdate {
    std::vector<FieldText> writes;
    std::optional<CalculationFailure> failure;
    std::vector<CalculationNotice> notices;

    bool wrote(Field field) const;

    // The fields after this update.
    CalculatorFields appliedTo(CalculatorFields fields) const;
};

}  // namespace mostaric
