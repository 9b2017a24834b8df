// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Small helpers for the tests of the main window and the life cycle: find a
// control by its objectName and drive it as a user would, with real key and
// mouse events.

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QTest>
#include <QWidget>

#include <optional>

#include "core/fields.h"

namespace mostaric::test {

inline std::optional<Field> fieldNamed(const QString& name)
{
    for (const FieldInfo& info : kFields) {
        if (QString::fromUtf8(info.name.data(), static_cast<qsizetype>(info.name.size())) == name)
            return info.field;
    }
    return std::nullopt;
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
    QPushButton* button = control<QPushButton>(window, buttonName);
    if (button != nullptr)
        QTest::mouseClick(button, Qt::LeftButton);
}

}  // namespace mostaric::test
