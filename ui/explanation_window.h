// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QWidget>

#include <memory>

class QCloseEvent;
class QKeyEvent;
class QShowEvent;

namespace mostaric::ui {

namespace Ui {
class ExplanationWindow;
}

// The explanation window `explain`, laid out by explanation_window.ui: a fixed page of definitions,
// formulas, the gravity temperature and the juice yields, with one button,
// `goback` ("返  回"). It is a top-level window even when given a parent, is
// not listed in the taskbar, and is centred on its screen the first time it
// is shown; later showings keep the place it was moved to.
//
// Pressing `goback` (click, Enter or Space), or Escape anywhere on the page,
// emits backRequested; the owner hides the window and shows the main window.
// The close box does the same: the close hides the window (it is never
// destroyed by it) and, if the window was shown, emits backRequested, so the
// program is never left without a visible window.
class ExplanationWindow : public QWidget {
    Q_OBJECT

public:
    explicit ExplanationWindow(QWidget* parent = nullptr);
    ~ExplanationWindow() override;

Q_SIGNALS:
    void backRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    std::unique_ptr<Ui::ExplanationWindow> m_ui;
    bool m_placed = false;
};

}  // namespace mostaric::ui
