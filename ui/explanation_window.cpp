// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/explanation_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>
#include <QTimer>

#include <utility>

#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/text_fit.h"
#include "ui_explanation_window.h"

namespace mostaric::ui {

ExplanationWindow::ExplanationWindow(QWidget* parent)
    : QWidget(parent), m_ui(std::make_unique<Ui::ExplanationWindow>())
{
    setWindowFlags(Qt::Tool | kFixedWindowFrame);
    setWindowIcon(appIcon());
    // Before the controls exist, which inherit it: a form holds whole points only.
    setFont(songTiFont(10.5));
    m_ui->setupUi(this);
    // The only control that takes the focus: Enter and Space press it.
    connect(m_ui->goback, &QPushButton::clicked, this, &ExplanationWindow::backRequested);
    setFocusProxy(m_ui->goback);
    fitTextsToBoxes(*this);
}

ExplanationWindow::~ExplanationWindow() = default;

void ExplanationWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        // Centred when first shown, once the window system knows the frame.
        if (!std::exchange(m_placed, true))
            centreOnScreen(*this);
        m_ui->goback->setFocus(Qt::OtherFocusReason);
        // Tool windows are shown without being activated on some platforms
        // (Windows); the window was opened by the user, so it takes the
        // keyboard once it is on screen, and Enter or Space press `goback`.
        QTimer::singleShot(0, this, [this] {
            if (isVisible())
                activateWindow();
        });
    }
    QWidget::showEvent(event);
}

void ExplanationWindow::closeEvent(QCloseEvent* event)
{
    // The close box means "back to the main window". The close itself goes
    // through, so a quit request or a logout is never held up by it.
    const bool wasShown = isVisible();
    event->accept();
    if (wasShown)
        Q_EMIT backRequested();
}

void ExplanationWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter presses `goback` even where the button would not take it (with
    // a modifier), and Escape does as well, as it closes any dialog-like page.
    const int key = event->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        m_ui->goback->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace mostaric::ui
