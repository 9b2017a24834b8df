// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QList>
#include <QPalette>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

#include "core/fields.h"

class QFrame;
class QWidget;

namespace mostaric::ui {

enum class MarkKind {
    Failure,  // a calculation could not use this field: red frame
    Notice,   // a result written all the same that needs a word: amber frame
    Stale,    // a result that still holds an earlier batch's number: greyed text
};

// Marks on the fields of a window, one per field at a time, each with the
// reason in the field's tool tip. Failure and notice marks lay a thin frame
// over the field; a stale mark draws the field's text greyed and says so in
// its accessible description. A mark belongs to the operation that set it, so
// that operation's next run can take its marks away. Taking a mark away
// gives the field back its tool tip, description and colours.
class FieldMarks {
public:
    // `widgetOf` gives a field's control; `window` holds the frames.
    FieldMarks(QWidget& window, std::function<QWidget*(Field)> widgetOf);

    void mark(Field field, MarkKind kind, int owner, const QString& message);
    void clear(Field field);
    void clearOwnedBy(int owner);
    void clearOwnedBy(int owner, MarkKind kind);

    QList<Field> marked(MarkKind kind) const;
    bool isEmpty() const { return m_marks.empty(); }
    // True while some mark gives `message` as its reason.
    bool carries(const QString& message) const;

private:
    struct Mark {
        MarkKind kind = MarkKind::Failure;
        int owner = 0;
        QString message;
        QPointer<QFrame> frame;
        QString savedToolTip;
        QString savedDescription;
        bool hadOwnPalette = false;
        QPalette savedPalette;
    };

    QWidget& m_window;
    std::function<QWidget*(Field)> m_widgetOf;
    std::map<Field, Mark> m_marks;
};

}  // namespace mostaric::ui
