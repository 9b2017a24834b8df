// Readable failure messages for whole-state comparisons: gtest would
// otherwise print the structs as raw bytes.

#include <ostream>
#include <string>

#include "core/calculations.h"
#include "core/calculator_fields.h"

namespace mostaric {

void PrintTo(const CalculatorFields& fields, std::ostream* os) {
    static constexpr Field kAll[] = {
        Field::pinzhong, Field::weit, Field::bizhong, Field::xiguan, Field::tangdu,
        Field::T1,       Field::Tt2,  Field::Tt1,     Field::jiutiji, Field::s1,
        Field::s2,       Field::s3,   Field::jiaomu1, Field::jiaomu2, Field::sd,
    };
    *os << "{";
    for (Field field : kAll) *os << " " << fieldName(field) << "=\"" << fields.text(field) << "\"";
    *os << " | items: " << fields.pinzhong.items.size() << " varieties, " << fields.bizhong.items.size()
        << " gravities, " << fields.xiguan.items.size() << " sugar amounts }";
}

void PrintTo(const CalculationFailure& failure, std::ostream* os) {
    *os << (failure.kind == CalculationFailure::Kind::Unreadable ? "Unreadable " : "NotFinite ")
        << fieldName(failure.field);
}

}  // namespace mostaric
