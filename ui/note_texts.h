// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

#include "core/field_update.h"
#include "core/fields.h"

// The words of the main window's notes and marks. The core says what
// happened; these say it to the user.
namespace mostaric::ui {

// A text quoted in a note: whole when short, otherwise its start and its end
// around an ellipsis, so a long text never hides the note.
QString quotedForNote(const QString& text);

// A field's caption and, where it has one, its unit label after a blank:
// "葡萄浆重量 Kg". What screen readers announce the field by.
QString captionWithUnit(Field field);

// How a note names a field: an input or a list by its caption, a result by
// its caption and its unit ("您需要加入" stands thrice), the hidden juice
// yield by the list the user sets it with.
QString noteCaption(Field field);

// A calculation could not read `field`, which holds `text`.
QString unreadableNote(Field field, const QString& text);

// A calculation has no finite value for result `field`.
QString notFiniteNote(Field field);

// What the user should know about results written all the same.
QString noticeNote(const CalculationNotice& notice);

// A paste into a number input that was not a number.
QString pasteRefusedNote(const QString& text);

// A result that still holds an earlier batch's number.
QString staleNote();

}  // namespace mostaric::ui
