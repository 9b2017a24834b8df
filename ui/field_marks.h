#pragma once

#include <QList>
#include <QPointer>
#include <QString>

#include <functional>
#include <map>

#include "core/fields.h"

class QFrame;
class QWidget;

namespace mostaric::ui {

// Marks on the fields of a window: a thin frame laid over a field that a
// calculation could not use (or a result it could not compute), with the
// reason added to the field's tool tip. A mark belongs to the operation that
// set it, so that operation's next run can take its marks away.
class FieldMarks {
public:
    // `widgetOf` gives a field's control; `window` holds the frames.
    FieldMarks(QWidget& window, std::function<QWidget*(Field)> widgetOf);

    void mark(Field field, int owner, const QString& message);
    void clear(Field field);
    void clearOwnedBy(int owner);

    QList<Field> marked() const;
    bool isEmpty() const { return m_marks.empty(); }

private:
    struct Mark {
        int owner;
        QPointer<QFrame> frame;
        QString savedToolTip;
    };

    QWidget& m_window;
    std::function<QWidget*(Field)> m_widgetOf;
    std::map<Field, Mark> m_marks;
};

}  // namespace mostaric::ui
