#include "core/calculations.h"

#include <cmath>
#include <initializer_list>
#include <string_view>

#include "core/numeric_text.h"

namespace mostaric {
namespace {

// What a guard writes instead of computing.
constexpr std::string_view kZeroKilos = "0.000";
constexpr std::string_view kZeroGrams = "0.00";

// 60 × 1.03 rounded to double is one unit in the last place above 61.8; the
// solution formula divides by this product, not by 61.8.
constexpr double kSolutionDivisor = 60 * 1.03;

bool anyEmpty(std::initializer_list<std::string_view> texts)
{
    for (const std::string_view text : texts) {
        if (IsEmptyText(text))
            return true;
    }
    return false;
}

// Reads the fields in the order given into `values`; the first text that is
// not a number stops the reading and names its field.
template <std::size_t N>
CalculationOutcome readAll(const CalculatorFields& fields, const Field (&names)[N],
                           double (&values)[N])
{
    for (std::size_t i = 0; i < N; ++i) {
        const auto value = ReadNumber(fields.text(names[i]));
        if (!value)
            return CalculationFailure{CalculationFailure::Kind::Unreadable, names[i]};
        values[i] = *value;
    }
    return std::nullopt;
}

// Every operand is finite, so a step without a finite result (division by
// zero, overflow) leaves the final value infinite or NaN: checking it once
// before writing stops at the same point as checking each step.
CalculationOutcome write(CalculatorFields& fields, Field result, double value,
                         FixedPattern pattern)
{
    if (!std::isfinite(value))
        return CalculationFailure{CalculationFailure::Kind::NotFinite, result};
    fields.text(result) = FormatFixed(value, pattern);
    return std::nullopt;
}

CalculationOutcome computeSugar(CalculatorFields& fields)
{
    double v[6];
    if (auto failure = readAll(fields, {Field::Tt2, Field::T1, Field::xiguan, Field::weit,
                                        Field::sd, Field::bizhong}, v))
        return failure;
    const auto [target, potential, customary, weight, yield, gravity] = v;
    double d = target - potential;
    d = d * customary;
    d = d * weight;
    d = d * yield;
    d = d / gravity;
    d = d / 1000;
    return write(fields, Field::Tt1, d, FixedPattern::ThreeDecimals);
}

// Reads Tt1 back as written, so the volume agrees with the rounded sugar shown.
CalculationOutcome computeWineVolume(CalculatorFields& fields)
{
    double v[3];
    if (auto failure = readAll(fields, {Field::Tt1, Field::sd, Field::weit}, v))
        return failure;
    const auto [sugar, yield, weight] = v;
    const double juice = weight * yield;
    const double sugarShare = yield * sugar;
    return write(fields, Field::jiutiji, sugarShare + juice, FixedPattern::ThreeDecimals);
}

// The dose for the whole batch, in mg, per litre of juice.
CalculationOutcome readSulfiteDose(const CalculatorFields& fields, double& dose)
{
    double v[4];
    if (auto failure = readAll(fields, {Field::s1, Field::weit, Field::sd, Field::bizhong}, v))
        return failure;
    const auto [perLitre, weight, yield, gravity] = v;
    dose = perLitre * weight;
    dose = dose * yield;
    dose = dose / gravity;
    return std::nullopt;
}

}  // namespace

CalculationOutcome onSugarCalculation(CalculatorFields& fields)
{
    if (anyEmpty({fields.bizhong.text, fields.xiguan.text, fields.sd}))
        fields.Tt1 = kZeroKilos;
    else if (auto failure = computeSugar(fields))
        return failure;
    return computeWineVolume(fields);
}

CalculationOutcome onSulfiteCalculation(CalculatorFields& fields)
{
    if (anyEmpty({fields.bizhong.text, fields.s1, fields.sd})) {
        fields.s2 = kZeroGrams;
        fields.s3 = kZeroGrams;
        return std::nullopt;
    }
    double dose = 0;
    if (auto failure = readSulfiteDose(fields, dose))
        return failure;
    if (auto failure = write(fields, Field::s2, dose / 500, FixedPattern::TwoDecimals))
        return failure;
    if (auto failure = readSulfiteDose(fields, dose))
        return failure;
    return write(fields, Field::s3, dose / kSolutionDivisor, FixedPattern::TwoDecimals);
}

CalculationOutcome onYeastCalculation(CalculatorFields& fields)
{
    if (IsEmptyText(fields.sd)) {
        fields.jiaomu2 = kZeroGrams;
        return std::nullopt;
    }
    double v[3];
    if (auto failure = readAll(fields, {Field::jiaomu1, Field::weit, Field::sd}, v))
        return failure;
    const auto [perKilo, weight, yield] = v;
    double yeast = perKilo * weight;
    yeast = yeast * yield;
    return write(fields, Field::jiaomu2, yeast, FixedPattern::TwoDecimals);
}

}  // namespace mostaric
