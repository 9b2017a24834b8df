// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPalette>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>
#include <optional>

#include "core/calculations.h"
#include "core/field_update.h"
#include "core/fields.h"

class QFrame;
class QWidget;

namespace mostaric::ui {

enum class MarkKind {
    Failure,  // a calculation could not use this field: red frame
    Notice,   // a result written all the same that needs a word: amber frame
    Stale,    // a result that still holds an earlier batch's number: greyed text
};

// The note on a paste into a number input that was not a number.
QString pasteRefusedNote(const QString& text);

// A note to show beside a field.
struct FieldNote {
    Field anchor;
    QString text;
};

// Marks on the fields of a window, one per field, each with its reason worded
// for the user in the field's tool tip. Failure and notice marks lay a thin
// frame over the field; a stale mark greys the field's text and says so in
// its accessible description. A marked field carries the property
// calculationFailed, calculationNotice or resultStale. The calculation that
// set a mark takes it away on its next run; the field gets its tool tip,
// description and colours back.
class FieldMarks {
public:
    // `window` holds the frames; `captionOf` names a field in a note by the
    // caption it is known by on the window.
    FieldMarks(QWidget& window, std::function<QWidget*(Field)> widgetOf,
               std::function<QString(Field)> captionOf);

    // Replaces the marks of `calculation`, run again, by those `update` calls
    // for (`after`: the fields after it): a failure mark on the field a
    // failure names, stale marks on its results still holding an earlier
    // text, notice marks on each notice's results. Returns the note to show:
    // the failure's, or else the first notice's.
    std::optional<FieldNote> apply(Calculation calculation, const FieldUpdate& update,
                                   const CalculatorFields& after);

    void clear(Field field);
    // The stale marks of every calculation that reads `input`, edited now.
    void clearStaleReading(Field input);

    // True while some mark gives `message` as its reason.
    bool carries(const QString& message) const;

private:
    struct Mark {
        MarkKind kind = MarkKind::Failure;
        Calculation owner = Calculation::Sugar;
        QString message;
        QPointer<QFrame> frame;
        QString savedToolTip;
        QString savedDescription;
        bool hadOwnPalette = false;
        QPalette savedPalette;
    };

    void mark(Field field, MarkKind kind, Calculation owner, const QString& message);
    void clearOwnedBy(Calculation owner, std::optional<MarkKind> kind = {});

    QWidget& m_window;
    std::function<QWidget*(Field)> m_widgetOf;
    std::function<QString(Field)> m_captionOf;
    std::map<Field, Mark> m_marks;
};

}  // namespace mostaric::ui
