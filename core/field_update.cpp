#include "core/field_update.h"

namespace mostaric {

CalculatorFields FieldUpdate::appliedTo(CalculatorFields fields) const
{
    for (const FieldText& written : writes)
        fields.text(written.field) = written.text;
    return fields;
}

}  // namespace mostaric
