// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include <functional>

#include "core/field_update.h"
#include "core/fields.h"

// The words of the main window's notes and marks. The core says what
// happened; these say it to the user.
namespace mostaric::ui {

// A text quoted in a note: whole when short, otherwise its start and its end
// around an ellipsis, so a long text never hides the note.
QString quotedForNote(const QString& text);

// How a note names a field: the caption it is known by on the window.
using NoteCaption = std::function<QString(Field)>;

// A calculation could not read the field named `caption`, which holds `text`.
QString unreadableNote(const QString& caption, const QString& text);

// A calculation has no finite value for the result named `caption`.
QString notFiniteNote(const QString& caption);

// What the user should know about results written all the same.
QString noticeNote(const CalculationNotice& notice, const NoteCaption& captionOf);

// A paste into a number input that was not a number.
QString pasteRefusedNote(const QString& text);

// A result that still holds an earlier batch's number.
QString staleNote();

}  // namespace mostaric::ui
