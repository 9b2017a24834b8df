#pragma once

#include <optional>

#include "core/calculator_fields.h"

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

// Nothing on success.
using CalculationOutcome = std::optional<CalculationFailure>;

// Sugar to add for the target alcohol into Tt1, then the rough wine volume
// into jiutiji (computed from Tt1's rounded text).
CalculationOutcome onSugarCalculation(CalculatorFields& fields);

// Potassium metabisulfite into s2, then 6% sulfurous acid solution into s3.
CalculationOutcome onSulfiteCalculation(CalculatorFields& fields);

// Yeast into jiaomu2.
CalculationOutcome onYeastCalculation(CalculatorFields& fields);

}  // namespace mostaric
