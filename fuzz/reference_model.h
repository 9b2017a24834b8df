// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The three calculations worked out again for the fuzzer, straight from
// their rules and without the core's own helpers: texts are read with a
// syntax check of our own and strtod (the fuzzer never leaves the "C"
// locale), results are written with snprintf. Every step is checked for a
// finite result on its own. The fuzzer compares the core's whole update
// (texts, order, failure, notices) with what this model says.

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/field_update.h"
#include "core/fields.h"

namespace mostaric::reference {

// "-"?, then digits and at most one ".", at least one digit; beyond the
// double range is no number, below it reads as the nearest double (0 or a
// subnormal).
inline std::optional<double> read(const std::string& text)
{
    std::size_t i = text.empty() || text[0] != '-' ? 0 : 1;
    int digits = 0;
    int points = 0;
    for (; i < text.size(); ++i) {
        if (text[i] >= '0' && text[i] <= '9')
            ++digits;
        else if (text[i] == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    errno = 0;
    const double value = std::strtod(text.c_str(), nullptr);
    if (errno == ERANGE && std::isinf(value))
        return std::nullopt;
    return value;
}

inline std::string format(double value, int decimals)
{
    const int size = std::snprintf(nullptr, 0, "%.*f", decimals, value);
    std::string text(static_cast<std::size_t>(size) + 1, '\0');
    std::snprintf(text.data(), text.size(), "%.*f", decimals, value);
    text.resize(static_cast<std::size_t>(size));
    if (text[0] == '-' && text.find_first_of("123456789") == std::string::npos)
        text.erase(0, 1);  // a negative value that rounds to zero is zero
    return text;
}

// One run: the fields as they stand, this run's writes included.
class Model {
public:
    explicit Model(CalculatorFields fields) : m_fields(std::move(fields)) { }

    bool guard(std::initializer_list<Field> guarded, std::initializer_list<Field> results,
               const char* zero)
    {
        std::vector<Field> empty;
        for (const Field field : guarded) {
            if (m_fields.text(field).empty())
                empty.push_back(field);
        }
        if (empty.empty())
            return false;
        for (const Field result : results)
            write(result, zero);
        m_update.notices.push_back({CalculationNotice::Kind::GuardedEmpty, results, empty});
        return true;
    }

    std::optional<double> value(Field field)
    {
        const auto read = reference::read(m_fields.text(field));
        if (!read && !m_update.failure)
            m_update.failure = CalculationFailure{CalculationFailure::Kind::Unreadable, field};
        return read;
    }

    // The step's result, or nothing (and a failure for `result`) when it is
    // not finite.
    std::optional<double> step(double value, Field result)
    {
        if (std::isfinite(value))
            return value;
        m_update.failure = CalculationFailure{CalculationFailure::Kind::NotFinite, result};
        return std::nullopt;
    }

    void write(Field field, std::string text)
    {
        m_fields.text(field) = text;
        m_update.writes.push_back({field, std::move(text)});
    }

    const std::string& text(Field field) const { return m_fields.text(field); }
    void notice(CalculationNotice notice) { m_update.notices.push_back(std::move(notice)); }
    FieldUpdate& update() { return m_update; }

private:
    CalculatorFields m_fields;
    FieldUpdate m_update;
};

// Reads `fields` in order and chains the steps; nothing when a read or a
// step fails.
// NOLINTBEGIN(bugprone-macro-parentheses): `name` is the name of the variable declared
#define MOSTARIC_READ(model, name, field) \
    const auto name##_ = (model).value(field); \
    if (!name##_) \
        return (model).update(); \
    const double name = *name##_
#define MOSTARIC_STEP(model, name, expression, result) \
    const auto name##_ = (model).step((expression), (result)); \
    if (!name##_) \
        return (model).update(); \
    const double name = *name##_
// NOLINTEND(bugprone-macro-parentheses)

inline FieldUpdate sugarVolume(Model& m)
{
    MOSTARIC_READ(m, sugar, Field::Tt1);
    MOSTARIC_READ(m, yield, Field::sd);
    MOSTARIC_READ(m, weight, Field::weit);
    MOSTARIC_STEP(m, juice, weight * yield, Field::jiutiji);
    MOSTARIC_STEP(m, share, yield * sugar, Field::jiutiji);
    MOSTARIC_STEP(m, volume, share + juice, Field::jiutiji);
    m.write(Field::jiutiji, format(volume, 3));
    return m.update();
}

inline FieldUpdate sugar(const CalculatorFields& fields)
{
    Model m(fields);
    if (m.guard({Field::bizhong, Field::xiguan, Field::sd}, {Field::Tt1}, "0.000"))
        return sugarVolume(m);
    MOSTARIC_READ(m, target, Field::Tt2);
    MOSTARIC_READ(m, potential, Field::T1);
    MOSTARIC_READ(m, customary, Field::xiguan);
    MOSTARIC_READ(m, weight, Field::weit);
    MOSTARIC_READ(m, yield, Field::sd);
    MOSTARIC_READ(m, gravity, Field::bizhong);
    MOSTARIC_STEP(m, d1, target - potential, Field::Tt1);
    MOSTARIC_STEP(m, d2, d1 * customary, Field::Tt1);
    MOSTARIC_STEP(m, d3, d2 * weight, Field::Tt1);
    MOSTARIC_STEP(m, d4, d3 * yield, Field::Tt1);
    MOSTARIC_STEP(m, d5, d4 / gravity, Field::Tt1);
    MOSTARIC_STEP(m, d6, d5 / 1000, Field::Tt1);
    m.write(Field::Tt1, format(d6, 3));
    if (m.text(Field::Tt1)[0] == '-')
        m.notice({CalculationNotice::Kind::TargetBelowMust, {Field::Tt1}, {Field::Tt2, Field::T1}});
    return sugarVolume(m);
}

inline FieldUpdate sulfite(const CalculatorFields& fields)
{
    Model m(fields);
    if (m.guard({Field::bizhong, Field::s1, Field::sd}, {Field::s2, Field::s3}, "0.00"))
        return m.update();
    const double k = 60 * 1.03;
    for (const Field result : {Field::s2, Field::s3}) {
        MOSTARIC_READ(m, dose, Field::s1);
        MOSTARIC_READ(m, weight, Field::weit);
        MOSTARIC_READ(m, yield, Field::sd);
        MOSTARIC_READ(m, gravity, Field::bizhong);
        MOSTARIC_STEP(m, m1, dose * weight, result);
        MOSTARIC_STEP(m, m2, m1 * yield, result);
        MOSTARIC_STEP(m, m3, m2 / gravity, result);
        MOSTARIC_STEP(m, amount, m3 / (result == Field::s2 ? 500 : k), result);
        m.write(result, format(amount, 2));
    }
    return m.update();
}

inline FieldUpdate yeast(const CalculatorFields& fields)
{
    Model m(fields);
    if (m.guard({Field::sd}, {Field::jiaomu2}, "0.00"))
        return m.update();
    MOSTARIC_READ(m, dose, Field::jiaomu1);
    MOSTARIC_READ(m, weight, Field::weit);
    MOSTARIC_READ(m, yield, Field::sd);
    MOSTARIC_STEP(m, y1, dose * weight, Field::jiaomu2);
    MOSTARIC_STEP(m, y2, y1 * yield, Field::jiaomu2);
    m.write(Field::jiaomu2, format(y2, 2));
    return m.update();
}

#undef MOSTARIC_READ
#undef MOSTARIC_STEP

}  // namespace mostaric::reference
