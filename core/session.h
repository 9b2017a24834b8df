// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/calculations.h"
#include "core/field_update.h"
#include "core/fields.h"
#include "core/marks.h"

namespace mostaric {

// What one operation did: the texts it wrote, in order, and the note to show.
// The marks after it are the session's marks().
struct Outcome {
    std::vector<FieldText> writes;
    std::optional<Note> note;
};

// The calculator as a front end without its own state drives it: the field
// texts and marks, changed by the user's operations the way the main window
// changes them.
class Session {
public:
    // `listener` hears of each change of the marks as it happens (see Marks):
    // a front end that draws marks follows them without comparing.
    explicit Session(Marks::Listener listener = {}) : m_marks(std::move(listener)) { }

    FieldCaptions& captions() { return m_captions; }
    const CalculatorFields& fields() const { return m_fields; }
    const Marks& marks() const { return m_marks; }

    // Every field's start text, lists with nothing chosen; no marks.
    Outcome startUp();
    // The user changed the text of an input: its mark goes, and so do the
    // stale marks of the calculations that read it. Nothing for other fields.
    Outcome edit(Field input, std::string text);
    // The user chose `entry` in a list: a variety writes its yield, a gravity
    // its row. Nothing when `entry` is not one of the list's entries.
    Outcome choose(Field list, std::string_view entry);
    Outcome calculate(Calculation calculation);

private:
    void write(Outcome& outcome, const FieldText& written);

    CalculatorFields m_fields;
    Marks m_marks;
    FieldCaptions m_captions;
};

}  // namespace mostaric
