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

    friend bool operator==(const CalculationFailure&, const CalculationFailure&) = default;
};

struct FieldText {
    Field field;
    std::string text;

    friend bool operator==(const FieldText&, const FieldText&) = default;
};

// What one operation does to the fields: the texts it writes, in the order
// it writes them, and why it stopped, if it did.
struct FieldUpdate {
    std::vector<FieldText> writes;
    std::optional<CalculationFailure> failure;

    // The fields after this update.
    CalculatorFields appliedTo(CalculatorFields fields) const;
};

}  // namespace mostaric
