// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/calculation_marks.h"

#include "ui/note_texts.h"

namespace mostaric::ui {

MarkPlan planMarks(std::span<const Field> results, const FieldUpdate& update,
                   const CalculatorFields& after, const NoteCaption& captionOf)
{
    MarkPlan plan;
    for (const CalculationNotice& notice : update.notices) {
        const QString message = noticeNote(notice, captionOf);
        for (const Field result : notice.results)
            plan.marks.push_back({result, MarkKind::Notice, message});
        if (plan.note.isEmpty() && !notice.results.empty()) {
            plan.note = message;
            plan.anchor = notice.results.front();
        }
    }
    if (!update.failure)
        return plan;

    const CalculationFailure& failure = *update.failure;
    const QString message = failure.kind == CalculationFailure::Kind::Unreadable
        ? unreadableNote(captionOf(failure.field),
                         QString::fromStdString(after.text(failure.field)))
        : notFiniteNote(captionOf(failure.field));
    plan.marks.push_back({failure.field, MarkKind::Failure, message});
    plan.note = message;
    plan.anchor = failure.field;
    for (const Field result : results) {
        if (result != failure.field && !update.wrote(result) && !after.text(result).empty())
            plan.marks.push_back({result, MarkKind::Stale, staleNote()});
    }
    return plan;
}

}  // namespace mostaric::ui
