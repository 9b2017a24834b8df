// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QPalette>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

#include "core/fields.h"
#include "core/marks.h"

class QFrame;
class QWidget;

namespace mostaric::ui {

using mostaric::MarkKind;

// The note on a paste into a number input that was not a number.
QString pasteRefusedNote(const QString& text);

// Draws the core's marks (core/marks.h), as their listener hears of them, on
// the fields of a window, each with its reason in the field's tool tip.
// Failure and notice marks lay a thin frame over the field; a stale mark
// greys the field's text and says so in its accessible description. A marked
// field carries the property calculationFailed, calculationNotice or
// resultStale. A mark taken away gives the field its tool tip, description
// and colours back.
class FieldMarks {
public:
    // `window` holds the frames.
    FieldMarks(QWidget& window, std::function<QWidget*(Field)> widgetOf);
    FieldMarks(const FieldMarks&) = delete;
    FieldMarks& operator=(const FieldMarks&) = delete;

    // Draws `field`'s mark now (none: `mark` is null) in place of the old
    // one: a Marks::Listener.
    void redraw(Field field, const Mark* mark);

private:
    // What a drawn mark changed on its field, to be put back.
    struct Drawing {
        MarkKind kind = MarkKind::Failure;
        QPointer<QFrame> frame;
        QString savedToolTip;
        QString savedDescription;
        bool hadOwnPalette = false;
        QPalette savedPalette;
    };

    void draw(const Mark& mark);
    void undraw(Field field);

    QWidget& m_window;
    std::function<QWidget*(Field)> m_widgetOf;
    std::map<Field, Drawing> m_drawings;
};

}  // namespace mostaric::ui
