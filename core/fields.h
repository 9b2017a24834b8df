// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace mostaric {

// Every field of the main window, written once: control name, kind, the
// caption that names it and the unit label after it. The enumeration, the
// registry table and everything built on them come from this list.
//   Input:  a number the user types       List: a pick-only drop-down list
//   Result: a read-only computed text     Hidden: the juice yield, never shown
#define MOSTARIC_FIELDS(X) \
    X(pinzhong, List, "葡萄品种", "") \
    X(weit, Input, "葡萄浆重量", "Kg") \
    X(bizhong, List, "测得的比重", "") \
    X(xiguan, List, "习惯用糖量", "g/L") \
    X(tangdu, Result, "此葡萄浆的糖度", "度(白利度)") \
    X(T1, Result, "能酿出", "%vol(度)的红酒") \
    X(Tt2, Input, "理想酒精度", "%vol(度）") \
    X(Tt1, Result, "您需要加入", "Kg(公斤)的糖才能达到理想酒精度") \
    X(jiutiji, Result, "大概能酿出", "L(升)的红酒") \
    X(s1, Input, "习惯加硫量", "mg/L (PPM、一般为30-80mg/L)") \
    X(s2, Result, "您需要加入", "g(克)的偏重亚硫酸钾") \
    X(s3, Result, "或者是", "ml(毫升)浓度为6%的亚硫酸溶液") \
    X(jiaomu1, Input, "习惯加酵母量", "g/Kg (一般为0.2g/Kg)") \
    X(jiaomu2, Result, "您需要加入", "g(克)的酵母") \
    X(sd, Hidden, "出汁率", "")

enum class Field {
#define MOSTARIC_FIELD_ENUMERATOR(name, kind, caption, unit) name,
    MOSTARIC_FIELDS(MOSTARIC_FIELD_ENUMERATOR)
#undef MOSTARIC_FIELD_ENUMERATOR
};

enum class FieldKind { Input, Result, List, Hidden };

struct FieldInfo {
    Field field;
    std::string_view name;  // the control's name, e.g. "Tt2"
    FieldKind kind;
    std::string_view caption;  // the label before or above the field
    std::string_view unit;     // the label after it; empty where there is none
};

inline constexpr std::array kFields = {
#define MOSTARIC_FIELD_INFO(name, kind, caption, unit) \
    FieldInfo{Field::name, #name, FieldKind::kind, caption, unit},
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
