#include "ui/field_marks.h"

#include <QFrame>
#include <QVariant>
#include <QWidget>

namespace mostaric::ui {
namespace {

// The frame takes no focus and no clicks, and changes neither the field nor
// the layout.
QFrame* makeFailureFrame(QWidget& window, const QWidget& field)
{
    auto* frame = new QFrame(&window);
    frame->setObjectName(QStringLiteral("failureMark_%1").arg(field.objectName()));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setFocusPolicy(Qt::NoFocus);
    frame->setStyleSheet(QStringLiteral(
        "QFrame { border: 2px solid #c0392b; border-radius: 2px; background: transparent; }"));
    frame->setGeometry(field.geometry().adjusted(-2, -2, 2, 2));
    frame->show();
    frame->raise();
    return frame;
}

}  // namespace

FieldMarks::FieldMarks(QWidget& window, std::function<QWidget*(Field)> widgetOf)
    : m_window(window), m_widgetOf(std::move(widgetOf))
{
}

void FieldMarks::mark(Field field, int owner, const QString& message)
{
    clear(field);
    QWidget* widget = m_widgetOf(field);
    Mark mark{owner, nullptr, widget->toolTip()};
    if (widget->isVisibleTo(&m_window)) {
        mark.frame = makeFailureFrame(m_window, *widget);
        widget->setToolTip(mark.savedToolTip.isEmpty()
                               ? message
                               : message + QLatin1Char('\n') + mark.savedToolTip);
    }
    widget->setProperty("calculationFailed", true);
    m_marks.insert_or_assign(field, mark);
}

void FieldMarks::clear(Field field)
{
    const auto found = m_marks.find(field);
    if (found == m_marks.end())
        return;
    QWidget* widget = m_widgetOf(field);
    widget->setToolTip(found->second.savedToolTip);
    widget->setProperty("calculationFailed", QVariant());
    delete found->second.frame.data();
    m_marks.erase(found);
}

void FieldMarks::clearOwnedBy(int owner)
{
    for (const FieldInfo& info : kFields) {
        const auto found = m_marks.find(info.field);
        if (found != m_marks.end() && found->second.owner == owner)
            clear(info.field);
    }
}

QList<Field> FieldMarks::marked() const
{
    QList<Field> fields;
    for (const auto& [field, mark] : m_marks)
        fields << field;
    return fields;
}

}  // namespace mostaric::ui
