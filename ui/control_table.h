// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string_view>

#include "core/fields.h"

namespace mostaric::ui {

enum class ControlKind {
    Label,   // static caption, wraps at its box's width
    Lines,   // static text shown in the lines it is written in, never wrapped
    List,    // drop-down list: pick only
    Input,   // number input behind the key filter
    Result,  // read-only text box: takes focus, text can be selected and copied
    Hidden,  // read-only text box never shown nor focused (sd)
    Button,
};

enum class FontRole {
    SongTi10_5,       // 宋体 10.5 pt: nearly every control
    KaiTi15,          // 楷体_GB2312 15 pt: the main window's heading
    SongTi12,         // 宋体 12 pt
    TimesNewRoman12,  // Times New Roman 12 pt
    WindowDefault,    // the window's own default font
};

// One control of a window. Positions and sizes are in twips from the top
// left corner of the client area; `tab` is the place in the keyboard order.
struct ControlRow {
    ControlKind kind;
    std::string_view name;  // objectName
    std::string_view text;  // UTF-8
    int left;
    int top;
    int width;
    int height;
    int tab;
    FontRole font = FontRole::SongTi10_5;
    // A field's control: the field it shows. A caption label: the field it names.
    std::optional<Field> field = {};
    // Lines only: the text that begins the second line. The run of blanks
    // just before its first occurrence is where the line breaks; empty for a
    // text of one line.
    std::string_view secondLine = {};
};

constexpr ControlKind controlKindOf(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Input: return ControlKind::Input;
    case FieldKind::Result: return ControlKind::Result;
    case FieldKind::List: return ControlKind::List;
    case FieldKind::Hidden: return ControlKind::Hidden;
    }
    return ControlKind::Hidden;
}

// The control of a field; its name and kind come from the field registry.
constexpr ControlRow fieldControl(Field field, int left, int top, int width, int height, int tab,
                                  FontRole font = FontRole::SongTi10_5,
                                  std::string_view designText = {})
{
    return {controlKindOf(fieldKind(field)),
            fieldName(field),
            designText,
            left,
            top,
            width,
            height,
            tab,
            font,
            field};
}

// The caption label before or above a field, and the unit label after it:
// their texts are the field's, from the registry.
constexpr ControlRow captionLabel(std::string_view name, Field field, int left, int top, int width,
                                  int height, int tab)
{
    return {ControlKind::Label,   name, fieldInfo(field).caption, left, top, width, height, tab,
            FontRole::SongTi10_5, field};
}

constexpr ControlRow unitLabel(std::string_view name, Field field, int left, int top, int width,
                               int height, int tab)
{
    return {ControlKind::Label,   name, fieldInfo(field).unit, left, top, width, height, tab,
            FontRole::SongTi10_5, field};
}

}  // namespace mostaric::ui
