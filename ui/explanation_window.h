// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDialog>

#include <memory>

class QCloseEvent;
class QShowEvent;

namespace mostaric::ui {

namespace Ui {
class ExplanationWindow;
}

// The explanation window `explain`, laid out by explanation_window.ui: a fixed
// page of definitions, formulas, the gravity temperature and the juice yields
// with one button, `goback` ("返  回"). A dialog shown modeless, as a tool
// window the taskbar does not list, centred on its screen until it is moved.
//
// `goback` (click, Enter or Space), Escape and the close box emit
// backRequested; the owner hides the window and shows the main window. The
// close box's close goes through, which only hides the window, and emits
// backRequested only if the window was shown.
class ExplanationWindow : public QDialog {
    Q_OBJECT

public:
    explicit ExplanationWindow(QWidget* parent = nullptr);
    ~ExplanationWindow() override;

    // Escape, by way of QDialog: presses `goback` and leaves the hiding to the owner.
    void reject() override;

Q_SIGNALS:
    void backRequested();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<Ui::ExplanationWindow> m_ui;
};

}  // namespace mostaric::ui
