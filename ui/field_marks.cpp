// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/field_marks.h"

#include <QColor>
#include <QFrame>
#include <QVariant>
#include <QWidget>

#include <algorithm>

#include "ui/colours.h"
#include "ui/text_conversion.h"

namespace mostaric::ui {
namespace {

// The property a marked field carries, for style sheets and tests.
const char* propertyOf(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Failure: return "calculationFailed";
    case MarkKind::Notice: return "calculationNotice";
    case MarkKind::Stale: break;
    }
    return "resultStale";
}

bool isDark(const QWidget& window)
{
    return window.palette().color(QPalette::Window).lightnessF() < 0.5F;
}

QString frameColour(MarkKind kind, const QWidget& window)
{
    const bool dark = isDark(window);
    const QColor colour =
        kind == MarkKind::Failure ? failureFrameColour(dark) : noticeFrameColour(dark);
    return colour.name(QColor::HexRgb);
}

const char* frameName(MarkKind kind)
{
    return kind == MarkKind::Failure ? "failureMark_%1" : "noticeMark_%1";
}

// The frame takes no focus and no clicks, and changes neither the field nor
// the layout.
QFrame* makeFrame(QWidget& window, const QWidget& field, MarkKind kind)
{
    auto* frame = new QFrame(&window);
    frame->setObjectName(QString::fromLatin1(frameName(kind)).arg(field.objectName()));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setFocusPolicy(Qt::NoFocus);
    frame->setStyleSheet(
        QStringLiteral(
            "QFrame { border: 2px solid %1; border-radius: 2px; background: transparent; }")
            .arg(frameColour(kind, window)));
    frame->setGeometry(field.geometry().adjusted(-2, -2, 2, 2));
    frame->show();
    frame->raise();
    return frame;
}

void drawStale(QWidget& widget)
{
    QPalette palette = widget.palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Text,
                         staleTextColour(palette.color(group, QPalette::Text),
                                         palette.color(group, QPalette::Base)));
    }
    widget.setPalette(palette);
}

}  // namespace

FieldMarks::FieldMarks(QWidget& window, std::function<QWidget*(Field)> widgetOf,
                       NoteCaption captionOf)
    : m_window(window), m_widgetOf(std::move(widgetOf)), m_captionOf(std::move(captionOf))
{ }

std::optional<FieldNote> FieldMarks::apply(Operation operation, const FieldUpdate& update,
                                           const CalculatorFields& after)
{
    clearOwnedBy(operation);
    std::optional<FieldNote> note;
    for (const CalculationNotice& notice : update.notices) {
        const QString message = noticeNote(notice, m_captionOf);
        for (const Field result : notice.results)
            mark(result, MarkKind::Notice, operation, message);
        if (!note && !notice.results.empty())
            note = FieldNote{notice.results.front(), message};
    }
    if (!update.failure)
        return note;

    const CalculationFailure& failure = *update.failure;
    const QString caption = m_captionOf(failure.field);
    const QString message = failure.kind == CalculationFailure::Kind::Unreadable
        ? unreadableNote(caption, toQString(after.text(failure.field)))
        : notFiniteNote(caption);
    mark(failure.field, MarkKind::Failure, operation, message);
    for (const CalculationFields& calculation : kCalculationFields) {
        if (operationOf(calculation.calculation) != operation)
            continue;
        for (const Field result : calculation.writes) {
            if (result != failure.field && !update.wrote(result) && !after.text(result).empty())
                mark(result, MarkKind::Stale, operation, staleNote());
        }
    }
    return FieldNote{failure.field, message};
}

void FieldMarks::mark(Field field, MarkKind kind, Operation owner, const QString& message)
{
    clear(field);
    QWidget* widget = m_widgetOf(field);
    Mark mark;
    mark.kind = kind;
    mark.owner = owner;
    mark.message = message;
    mark.savedToolTip = widget->toolTip();
    mark.savedDescription = widget->accessibleDescription();
    if (kind == MarkKind::Stale) {
        mark.hadOwnPalette = widget->testAttribute(Qt::WA_SetPalette);
        mark.savedPalette = widget->palette();
        drawStale(*widget);
        widget->setAccessibleDescription(message);
    } else if (widget->isVisibleTo(&m_window)) {
        mark.frame = makeFrame(m_window, *widget, kind);
    }
    if (widget->isVisibleTo(&m_window)) {
        widget->setToolTip(mark.savedToolTip.isEmpty()
                               ? message
                               : message + QLatin1Char('\n') + mark.savedToolTip);
    }
    widget->setProperty(propertyOf(kind), true);
    m_marks.insert_or_assign(field, mark);
}

void FieldMarks::clear(Field field)
{
    const auto found = m_marks.find(field);
    if (found == m_marks.end())
        return;
    const Mark& mark = found->second;
    QWidget* widget = m_widgetOf(field);
    widget->setToolTip(mark.savedToolTip);
    widget->setProperty(propertyOf(mark.kind), QVariant());
    if (mark.kind == MarkKind::Stale) {
        widget->setAccessibleDescription(mark.savedDescription);
        widget->setPalette(mark.hadOwnPalette ? mark.savedPalette : QPalette());
    }
    delete mark.frame.data();
    m_marks.erase(found);
}

void FieldMarks::clearOwnedBy(Operation owner, std::optional<MarkKind> kind)
{
    for (const FieldInfo& info : kFields) {
        const auto found = m_marks.find(info.field);
        if (found != m_marks.end() && found->second.owner == owner
            && (!kind || found->second.kind == *kind))
            clear(info.field);
    }
}

void FieldMarks::clearStaleReading(Field input)
{
    for (const CalculationFields& calculation : kCalculationFields) {
        if (std::ranges::find(calculation.reads, input) != calculation.reads.end())
            clearOwnedBy(operationOf(calculation.calculation), MarkKind::Stale);
    }
}

QList<Field> FieldMarks::marked(MarkKind kind) const
{
    QList<Field> fields;
    for (const auto& [field, mark] : m_marks) {
        if (mark.kind == kind)
            fields << field;
    }
    return fields;
}

bool FieldMarks::carries(const QString& message) const
{
    for (const auto& [field, mark] : m_marks) {
        if (mark.message == message)
            return true;
    }
    return false;
}

}  // namespace mostaric::ui
