// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small helpers for the tests of the main window and the life cycle: find a
// control by its objectName and drive it as a user would, with real key and
// mouse events.

#include <QComboBox>
#include <QLineEdit>
#include <QList>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>

#include <algorithm>

#include "core/fields.h"
#include "core/tests/typical_batch.h"
#include "ui/main_window.h"
#include "ui/text_conversion.h"

namespace mostaric::test {

// The field a test's table names; a name of no field is the test's own fault.
inline Field fieldNamed(const QString& name)
{
    for (const FieldInfo& info : kFields) {
        if (ui::toQString(info.name) == name)
            return info.field;
    }
    qFatal("no field is named %s", qPrintable(name));
}

template <typename T = QWidget> T* control(const QWidget& window, const QString& name)
{
    T* found = window.findChild<T*>(name);
    if (found == nullptr)
        qWarning("no control %s of the right kind", qPrintable(name));
    return found;
}

// Chooses `text` in a drop-down list with the keyboard: Home picks the first
// entry, Down moves on. Each step is a user's choice (QComboBox::activated).
inline bool chooseByKeys(QComboBox* list, const QString& text)
{
    const int target = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (target < 0)
        return false;
    list->setFocus(Qt::TabFocusReason);
    QTest::keyClick(list, Qt::Key_Home);
    for (int i = 0; i < target; ++i)
        QTest::keyClick(list, Qt::Key_Down);
    return list->currentIndex() == target;
}

// Replaces an input's text by typing: select all with the mouse-free way a
// user would (End, Shift+Home), then the keys of `text` one by one.
inline void retype(QLineEdit* input, const QString& text)
{
    input->setFocus(Qt::TabFocusReason);
    QTest::keyClick(input, Qt::Key_End);
    QTest::keyClick(input, Qt::Key_Home, Qt::ShiftModifier);
    if (text.isEmpty()) {
        QTest::keyClick(input, Qt::Key_Backspace);
        return;
    }
    QTest::keyClicks(input, text);
}

inline void click(const QWidget& window, const QString& buttonName)
{
    auto* button = control<QPushButton>(window, buttonName);
    if (button != nullptr)
        QTest::mouseClick(button, Qt::LeftButton);
}

inline QString nameOf(Field field) { return ui::toQString(kFields[indexOf(field)].name); }

// The fields that carry a mark of `kind` now, by the property the mark sets.
inline QList<Field> markedFields(const QWidget& window, ui::MarkKind kind = ui::MarkKind::Failure)
{
    const char* property = kind == ui::MarkKind::Failure ? "calculationFailed"
        : kind == ui::MarkKind::Notice                   ? "calculationNotice"
                                                         : "resultStale";
    QList<Field> marked;
    for (const FieldInfo& info : kFields) {
        if (window.findChild<QWidget*>(nameOf(info.field))->property(property).toBool())
            marked << info.field;
    }
    return marked;
}

// Enters the typical batch as a user would: lists chosen by keys, inputs
// typed; false when a list lacks an entry.
inline bool enterTypicalBatch(const QWidget& window)
{
    return std::ranges::all_of(kTypicalBatchEntries, [&window](const auto& entry) {
        const auto& [field, text] = entry;
        if (fieldKind(field) != FieldKind::Input)
            return chooseByKeys(control<QComboBox>(window, nameOf(field)), ui::toQString(text));
        retype(control<QLineEdit>(window, nameOf(field)), ui::toQString(text));
        return true;
    });
}

// The one main window a test class drives: made and shown before each test
// (or once for the class), with its controls found by name.
class MainWindowFixture : public QObject {
    Q_OBJECT
protected:
    ui::MainWindow* m_window = nullptr;

    // `active`: also wait until the window has the keyboard.
    bool openWindow(bool active = false)
    {
        m_window = new ui::MainWindow;
        m_window->show();
        if (!active)
            return QTest::qWaitForWindowExposed(m_window);
        m_window->activateWindow();
        return QTest::qWaitForWindowActive(m_window);
    }
    void closeWindow()
    {
        delete m_window;
        m_window = nullptr;
    }

    QLineEdit* box(const QString& name) const { return control<QLineEdit>(*m_window, name); }
    QComboBox* list(const QString& name) const { return control<QComboBox>(*m_window, name); }
    QString text(const QString& name) const { return box(name)->text(); }
};

}  // namespace mostaric::test
