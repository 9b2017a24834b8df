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

// The explanation window `explain`, laid out by explanation_window.ui: a fixed
// page of definitions, formulas, the gravity temperature and the juice yields
// with one button, `goback` ("返  回"). A tool window the taskbar does not
// list, centred on its screen when made; it keeps wherever it is moved to.
//
// `goback` (click, Enter or Space), Enter and Escape with any modifier, and
// the close box emit
// backRequested; the owner hides the window and shows the main window. The
// close box's close goes through, which only hides the window, and emits
// backRequested only if the window was shown.
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
};

}  // namespace mostaric::ui
