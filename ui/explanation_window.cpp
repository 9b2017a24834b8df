// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/explanation_window.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>
#include <QShowEvent>

#include "ui/app_icon.h"
#include "ui/control_builder.h"
#include "ui/explanation_texts.h"
#include "ui/fonts.h"
#include "ui/text_fit.h"
#include "ui/window_frame.h"

namespace mostaric::ui {

ExplanationWindow::ExplanationWindow(QWidget* parent) : QWidget(parent)
{
    setUpFixedWindow(*this, WindowRole::Page, QStringLiteral("explain"), QStringLiteral("说明"),
                     6930, 7710);
    setWindowIcon(appIcon());
    setFont(songTiFont(10.5));

    for (const BuiltControl& control : buildControls(*this, explanationControls())) {
        if (control.button == nullptr)
            continue;
        // The only control that takes the focus: Enter and Space press it.
        m_goback = control.button;
        m_goback->setDefault(true);
        m_goback->setFocusPolicy(Qt::StrongFocus);
        connect(m_goback, &QPushButton::clicked, this, &ExplanationWindow::backRequested);
    }
    setFocusProxy(m_goback);
    fitTextsToBoxes(*this);
}

void ExplanationWindow::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        if (!m_placed) {
            // First showing: centre the window on its screen.
            m_placed = true;
            centreOnScreen(*this);
        }
        m_goback->setFocus(Qt::OtherFocusReason);
        // Tool windows are shown without being activated on some platforms
        // (Windows); the window was opened by the user, so it takes the
        // keyboard once it is on screen, and Enter or Space press `goback`.
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (isVisible())
                    activateWindow();
            },
            Qt::QueuedConnection);
    }
    QWidget::showEvent(event);
}

void ExplanationWindow::closeEvent(QCloseEvent* event)
{
    // The close box means "back to the main window". The close itself goes
    // through, which only hides this window, so a quit request or a logout is
    // never held up by it.
    const bool wasShown = isVisible();
    event->accept();
    if (wasShown)
        Q_EMIT backRequested();
}

void ExplanationWindow::keyPressEvent(QKeyEvent* event)
{
    // Enter presses `goback` even if the focus is not on it; Escape does as
    // well, as it closes any dialog-like page.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Escape) {
        m_goback->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace mostaric::ui
