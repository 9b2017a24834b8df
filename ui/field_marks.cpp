// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/field_marks.h"

#include <QColor>
#include <QFrame>
#include <QVariant>
#include <QWidget>

#include <utility>

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

// Red for a failure, amber for a notice: 3:1 or better on light and dark.
QString frameColour(MarkKind kind, const QWidget& window)
{
    const bool dark = window.palette().color(QPalette::Window).lightnessF() < 0.5F;
    const QColor colour = kind == MarkKind::Failure
        ? (dark ? QColor(0xff, 0x6f, 0x61) : QColor(0xc0, 0x39, 0x2b))
        : (dark ? QColor(0xff, 0xb3, 0x40) : QColor(0xb8, 0x6e, 0x00));
    return colour.name(QColor::HexRgb);
}

// The frame takes no focus or clicks and leaves field and layout alone.
QFrame* makeFrame(QWidget& window, const QWidget& field, MarkKind kind)
{
    auto* frame = new QFrame(&window);
    const char* name = kind == MarkKind::Failure ? "failureMark_%1" : "noticeMark_%1";
    frame->setObjectName(QString::fromLatin1(name).arg(field.objectName()));
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

// Halfway from the text's colour to its background: grey yet legible.
void drawStale(QWidget& widget)
{
    QPalette palette = widget.palette();
    const auto halfway = [](float from, float to) { return from + (to - from) * 0.5F; };
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = palette.color(group, QPalette::Text);
        const QColor base = palette.color(group, QPalette::Base);
        palette.setColor(group, QPalette::Text,
                         QColor::fromRgbF(halfway(text.redF(), base.redF()),
                                          halfway(text.greenF(), base.greenF()),
                                          halfway(text.blueF(), base.blueF())));
    }
    widget.setPalette(palette);
}

}  // namespace

QString pasteRefusedNote(const QString& text)
{
    return toQString(mostaric::pasteRefusedNote(text.toStdString()));
}

FieldMarks::FieldMarks(QWidget& window, std::function<QWidget*(Field)> widgetOf)
    : m_window(window), m_widgetOf(std::move(widgetOf))
{ }

void FieldMarks::redraw(Field field, const Mark* mark)
{
    undraw(field);
    if (mark != nullptr)
        draw(*mark);
}

void FieldMarks::draw(const Mark& mark)
{
    QWidget* widget = m_widgetOf(mark.field);
    const QString message = toQString(mark.message);
    Drawing drawing{mark.kind, {}, widget->toolTip(), widget->accessibleDescription(), false, {}};
    if (mark.kind == MarkKind::Stale) {
        drawing.hadOwnPalette = widget->testAttribute(Qt::WA_SetPalette);
        drawing.savedPalette = widget->palette();
        drawStale(*widget);
        widget->setAccessibleDescription(message);
    } else if (widget->isVisibleTo(&m_window)) {
        drawing.frame = makeFrame(m_window, *widget, mark.kind);
    }
    if (widget->isVisibleTo(&m_window)) {
        widget->setToolTip(drawing.savedToolTip.isEmpty()
                               ? message
                               : message + QLatin1Char('\n') + drawing.savedToolTip);
    }
    widget->setProperty(propertyOf(mark.kind), true);
    m_drawings.insert_or_assign(mark.field, drawing);
}

void FieldMarks::undraw(Field field)
{
    const auto found = m_drawings.find(field);
    if (found == m_drawings.end())
        return;
    const Drawing& drawing = found->second;
    QWidget* widget = m_widgetOf(field);
    widget->setToolTip(drawing.savedToolTip);
    widget->setProperty(propertyOf(drawing.kind), QVariant());
    if (drawing.kind == MarkKind::Stale) {
        widget->setAccessibleDescription(drawing.savedDescription);
        widget->setPalette(drawing.hadOwnPalette ? drawing.savedPalette : QPalette());
    }
    delete drawing.frame.data();
    m_drawings.erase(found);
}

}  // namespace mostaric::ui
