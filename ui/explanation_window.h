// SPDX-FileCopyrightText: 2026 The Mostaric developers
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

// The explanation window `explain` of explanation_window.ui: a fixed page of
// definitions, formulas and tables with one button, `goback` ("返  回"). A
// tool window the taskbar does not list, centred when first shown, then left
// where the user moves it. `goback`, Enter or Escape (with any modifier) and the
// close box emit backRequested (the close box only if the window was shown);
// the owner hides the window. A close goes through: it only hides.
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
