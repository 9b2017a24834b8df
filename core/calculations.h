#pragma once

#include "core/field_update.h"
#include "core/fields.h"

namespace mostaric {

// 加糖计算 (jisuan): sugar to add for the target alcohol into Tt1, then the
// rough wine volume into jiutiji, computed from Tt1's rounded text.
FieldUpdate calculateSugar(const CalculatorFields& fields);

// 加硫计算 (jialiu): potassium metabisulfite into s2, then 6% sulfurous acid
// solution into s3.
FieldUpdate calculateSulfite(const CalculatorFields& fields);

// 酵母计算 (jiaomu): yeast into jiaomu2.
FieldUpdate calculateYeast(const CalculatorFields& fields);

}  // namespace mostaric
