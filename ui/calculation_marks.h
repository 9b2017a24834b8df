// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <optional>
#include <span>
#include <vector>

#include "core/field_update.h"
#include "core/fields.h"
#include "ui/field_marks.h"
#include "ui/note_texts.h"

namespace mostaric::ui {

struct PlannedMark {
    Field field;
    MarkKind kind;
    QString message;
};

// The marks and the note one run of an operation leaves on the window.
struct MarkPlan {
    std::vector<PlannedMark> marks;
    QString note;                 // empty when there is nothing to say
    std::optional<Field> anchor;  // where the note is shown
};

// What `update` calls for, given the operation's `results` (in writing order,
// empty for a choice) and the fields as they stand after it:
//  - the field a failure names gets a failure mark, its text quoted;
//  - a failed run's results that it did not write and that still hold an
//    earlier text are stale;
//  - each notice marks its results with a notice mark.
// The note is the failure's, or else the first notice's.
MarkPlan planMarks(std::span<const Field> results, const FieldUpdate& update,
                   const CalculatorFields& after, const NoteCaption& captionOf);

}  // namespace mostaric::ui
