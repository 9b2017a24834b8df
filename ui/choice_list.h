// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QComboBox>

class QWheelEvent;

namespace mostaric::ui {

// A pick-only drop-down list that behaves alike on every desktop:
// - the wheel turns it only while it has the keyboard focus (a click or Tab
//   gives it that, the wheel never does), so a notch while the pointer merely
//   passes over it changes nothing;
// - its list opens below the box, above it only where there is no room below,
//   with at most kMostRows rows and a scroll bar, and never covers more than
//   half the screen.
class ChoiceList : public QComboBox {
    Q_OBJECT
public:
    static constexpr int kMostRows = 12;

    explicit ChoiceList(QWidget* parent = nullptr);

    void showPopup() override;

protected:
    void wheelEvent(QWheelEvent* event) override;
};

}  // namespace mostaric::ui
