// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <span>

#include "core/field_update.h"
#include "core/fields.h"

namespace mostaric {

enum class Calculation { Sugar, Sulfite, Yeast };

// The fields a calculation reads (its guards' fields included, its own
// results not) and the results it writes, in writing order. A result holds an
// answer only for the inputs it was computed from: a change of one of these
// inputs, or a failed run, leaves it describing an earlier batch.
struct CalculationFields {
    Calculation calculation;
    std::span<const Field> reads;
    std::span<const Field> writes;
};

namespace detail {
inline constexpr Field kSugarReads[] = {Field::bizhong, Field::xiguan, Field::sd,
                                        Field::Tt2,     Field::T1,     Field::weit};
inline constexpr Field kSugarWrites[] = {Field::Tt1, Field::jiutiji};
inline constexpr Field kSulfiteReads[] = {Field::bizhong, Field::s1, Field::sd, Field::weit};
inline constexpr Field kSulfiteWrites[] = {Field::s2, Field::s3};
inline constexpr Field kYeastReads[] = {Field::sd, Field::jiaomu1, Field::weit};
inline constexpr Field kYeastWrites[] = {Field::jiaomu2};
}  // namespace detail

inline constexpr std::array kCalculationFields = {
    CalculationFields{Calculation::Sugar, detail::kSugarReads, detail::kSugarWrites},
    CalculationFields{Calculation::Sulfite, detail::kSulfiteReads, detail::kSulfiteWrites},
    CalculationFields{Calculation::Yeast, detail::kYeastReads, detail::kYeastWrites},
};

constexpr const CalculationFields& calculationFields(Calculation calculation)
{
    return kCalculationFields[static_cast<std::size_t>(calculation)];
}

// 加糖计算 (jisuan): sugar to add for the target alcohol into Tt1, then the
// rough wine volume into jiutiji, computed from Tt1's rounded text.
FieldUpdate calculateSugar(const CalculatorFields& fields);

// 加硫计算 (jialiu): potassium metabisulfite into s2, then 6% sulfurous acid
// solution into s3.
FieldUpdate calculateSulfite(const CalculatorFields& fields);

// 酵母计算 (jiaomu): yeast into jiaomu2.
FieldUpdate calculateYeast(const CalculatorFields& fields);

}  // namespace mostaric
