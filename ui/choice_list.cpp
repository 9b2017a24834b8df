// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/choice_list.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>

namespace mostaric::ui {

ChoiceList::ChoiceList(QWidget* parent) : QComboBox(parent)
{
    setEditable(false);
    // Qt's default for lists also takes the focus on a wheel notch.
    setFocusPolicy(Qt::StrongFocus);
    // Several styles (Fusion among them) lay a pick-only list over its box,
    // as tall as the screen and without a scroll bar; this asks every style
    // for the list that drops below the box.
    setStyleSheet(QStringLiteral("QComboBox { combobox-popup: 0; }"));
    setMaxVisibleItems(kMostRows);
}

void ChoiceList::showPopup()
{
    // The rows that fit in half the screen, less the list's frames.
    int rows = kMostRows;
    const QScreen* shownOn = screen();
    QAbstractItemView* list = view();
    if (shownOn != nullptr && count() > 0) {
        const QWidget* frame = list->parentWidget();
        int frames = 2 * list->frameWidth();
        if (frame != nullptr) {
            const QMargins margins = frame->contentsMargins();
            frames += margins.top() + margins.bottom();
        }
        const int rowHeight = std::max(1, list->sizeHintForRow(0));
        const int half = shownOn->availableGeometry().height() / 2;
        rows = std::clamp((half - frames) / rowHeight, 1, kMostRows);
    }
    setMaxVisibleItems(rows);
    QComboBox::showPopup();
}

void ChoiceList::wheelEvent(QWheelEvent* event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QComboBox::wheelEvent(event);
}

}  // namespace mostaric::ui
