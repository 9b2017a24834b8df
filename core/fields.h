// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace mostaric {

// Every field of the main window, written once: control name and kind. The
// enumeration, the registry table and everything built on them come from
// this list; the window's wording (captions, units) is the window's own.
//   Input:  a number the user types       List: a pick-only drop-down list
//   Result: a read-only computed text     Hidden: the juice yield, never shown
#define MOSTARIC_FIELDS(X) \
    X(pinzhong, List) \
    X(weit, Input) \
    X(bizhong, List) \
    X(xiguan, List) \
    X(tangdu, Result) \
    X(T1, Result) \
    X(Tt2, Input) \
    X(Tt1, Result) \
    X(jiutiji, Result) \
    X(s1, Input) \
    X(s2, Result) \
    X(s3, Result) \
    X(jiaomu1, Input) \
    X(jiaomu2, Result) \
    X(sd, Hidden)

enum class Field {
#define MOSTARIC_FIELD_ENUMERATOR(name, kind) name,
    MOSTARIC_FIELDS(MOSTARIC_FIELD_ENUMERATOR)
#undef MOSTARIC_FIELD_ENUMERATOR
};

enum class FieldKind { Input, Result, List, Hidden };

struct FieldInfo {
    Field field;
    std::string_view name;  // the control's name, e.g. "Tt2"
    FieldKind kind;
};

inline constexpr std::array kFields = {
#define MOSTARIC_FIELD_INFO(name, kind) FieldInfo{Field::name, #name, FieldKind::kind},
    MOSTARIC_FIELDS(MOSTARIC_FIELD_INFO)
#undef MOSTARIC_FIELD_INFO
};

inline constexpr std::size_t kFieldCount = kFields.size();

constexpr std::size_t indexOf(Field field) { return static_cast<std::size_t>(field); }
constexpr const FieldInfo& fieldInfo(Field field) { return kFields[indexOf(field)]; }
constexpr std::string_view fieldName(Field field) { return fieldInfo(field).name; }
constexpr FieldKind fieldKind(Field field) { return fieldInfo(field).kind; }

// The calculator's state: one text per field, and nothing else. A list's
// text is its chosen entry, or empty while nothing is chosen.
class CalculatorFields {
public:
    std::string& text(Field field) { return m_texts[indexOf(field)]; }
    const std::string& text(Field field) const { return m_texts[indexOf(field)]; }

    friend bool operator==(const CalculatorFields&, const CalculatorFields&) = default;

private:
    std::array<std::string, kFieldCount> m_texts;
};

}  // namespace mostaric
