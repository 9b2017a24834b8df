// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/calculations.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <initializer_list>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "core/numeric_text.h"

namespace mostaric {
namespace {

// What a guard writes instead of computing.
constexpr std::string_view kZeroKilos = "0.000";
constexpr std::string_view kZeroGrams = "0.00";

// 60 × 1.03 rounded to double is one unit in the last place above 61.8; the
// solution formula divides by this product, not by 61.8.
constexpr double kSolutionDivisor = 60 * 1.03;

// One run of a calculation: reads the fields as they stand, its own writes
// included, and records what it writes without touching anything else.
class Run {
public:
    explicit Run(const CalculatorFields& fields) : m_fields(fields) { }

    const std::string& text(Field field) const
    {
        const auto written = std::find_if(m_update.writes.rbegin(), m_update.writes.rend(),
                                          [field](const FieldText& w) { return w.field == field; });
        if (written != m_update.writes.rend())
            return written->text;
        return m_fields.text(field);
    }

    // The guarded fields that are empty, in the order given.
    std::vector<Field> emptyOf(std::initializer_list<Field> guarded) const
    {
        std::vector<Field> empty;
        for (const Field field : guarded) {
            if (isEmptyText(text(field)))
                empty.push_back(field);
        }
        return empty;
    }

    // Writes the guard's zero into `results` and says which fields were empty.
    void writeGuardZero(std::vector<Field> empty, std::initializer_list<Field> results,
                        std::string_view zero)
    {
        for (const Field result : results)
            write(result, zero);
        m_update.notices.push_back(
            {CalculationNotice::Kind::GuardedEmpty, std::vector<Field>(results), std::move(empty)});
    }

    void notice(CalculationNotice notice) { m_update.notices.push_back(std::move(notice)); }

    // The values of the fields named, read in the order given; the first
    // text that is not a number stops the reading and the run.
    template <std::size_t N>
    std::optional<std::array<double, N>> read(const std::array<Field, N>& names)
    {
        std::array<double, N> values{};
        for (std::size_t i = 0; i < N; ++i) {
            const auto value = readNumber(text(names[i]));
            if (!value) {
                m_update.failure = {CalculationFailure::Kind::Unreadable, names[i]};
                return std::nullopt;
            }
            values[i] = *value;
        }
        return values;
    }

    void write(Field field, std::string_view text)
    {
        m_update.writes.push_back({field, std::string(text)});
    }

    // Every operand is finite, so a step without a finite result (division by
    // zero, overflow) leaves the final value infinite or NaN: checking it once
    // before writing stops at the same point as checking each step.
    bool writeResult(Field result, double value, FixedPattern pattern)
    {
        if (!std::isfinite(value)) {
            m_update.failure = {CalculationFailure::Kind::NotFinite, result};
            return false;
        }
        write(result, formatFixed(value, pattern));
        return true;
    }

    FieldUpdate finish() { return std::move(m_update); }

private:
    const CalculatorFields& m_fields;
    FieldUpdate m_update;
};

bool computeSugar(Run& run)
{
    const auto v = run.read(
        std::array{Field::Tt2, Field::T1, Field::xiguan, Field::weit, Field::sd, Field::bizhong});
    if (!v)
        return false;
    const auto [target, potential, customary, weight, yield, gravity] = *v;
    double d = target - potential;
    d = d * customary;
    d = d * weight;
    d = d * yield;
    d = d / gravity;
    d = d / 1000;
    if (!run.writeResult(Field::Tt1, d, FixedPattern::ThreeDecimals))
        return false;
    // The amount stays as computed; the user is told why it is negative.
    if (run.text(Field::Tt1).starts_with('-'))
        run.notice(
            {CalculationNotice::Kind::TargetBelowMust, {Field::Tt1}, {Field::Tt2, Field::T1}});
    return true;
}

// Reads Tt1 back as written, so the volume agrees with the rounded sugar shown.
void computeWineVolume(Run& run)
{
    const auto v = run.read(std::array{Field::Tt1, Field::sd, Field::weit});
    if (!v)
        return;
    const auto [sugar, yield, weight] = *v;
    const double juice = weight * yield;
    const double sugarShare = yield * sugar;
    run.writeResult(Field::jiutiji, sugarShare + juice, FixedPattern::ThreeDecimals);
}

// The dose for the whole batch, in mg, per litre of juice.
std::optional<double> readSulfiteDose(Run& run)
{
    const auto v = run.read(std::array{Field::s1, Field::weit, Field::sd, Field::bizhong});
    if (!v)
        return std::nullopt;
    const auto [perLitre, weight, yield, gravity] = *v;
    double dose = perLitre * weight;
    dose = dose * yield;
    dose = dose / gravity;
    return dose;
}

}  // namespace

FieldUpdate calculateSugar(const CalculatorFields& fields)
{
    Run run(fields);
    if (auto empty = run.emptyOf({Field::bizhong, Field::xiguan, Field::sd}); !empty.empty())
        run.writeGuardZero(std::move(empty), {Field::Tt1}, kZeroKilos);
    else if (!computeSugar(run))
        return run.finish();
    computeWineVolume(run);
    return run.finish();
}

FieldUpdate calculateSulfite(const CalculatorFields& fields)
{
    Run run(fields);
    if (auto empty = run.emptyOf({Field::bizhong, Field::s1, Field::sd}); !empty.empty()) {
        run.writeGuardZero(std::move(empty), {Field::s2, Field::s3}, kZeroGrams);
        return run.finish();
    }
    // The dose is read again for s3, as the fields stand after s2 is written.
    auto dose = readSulfiteDose(run);
    if (!dose || !run.writeResult(Field::s2, *dose / 500, FixedPattern::TwoDecimals))
        return run.finish();
    dose = readSulfiteDose(run);
    if (dose)
        run.writeResult(Field::s3, *dose / kSolutionDivisor, FixedPattern::TwoDecimals);
    return run.finish();
}

FieldUpdate calculateYeast(const CalculatorFields& fields)
{
    Run run(fields);
    if (auto empty = run.emptyOf({Field::sd}); !empty.empty()) {
        run.writeGuardZero(std::move(empty), {Field::jiaomu2}, kZeroGrams);
        return run.finish();
    }
    const auto v = run.read(std::array{Field::jiaomu1, Field::weit, Field::sd});
    if (!v)
        return run.finish();
    const auto [perKilo, weight, yield] = *v;
    double yeast = perKilo * weight;
    yeast = yeast * yield;
    run.writeResult(Field::jiaomu2, yeast, FixedPattern::TwoDecimals);
    return run.finish();
}

}  // namespace mostaric
