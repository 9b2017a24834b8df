// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

#include "core/fields.h"
#include "core/session.h"
#include "ui/field_marks.h"

class QCloseEvent;
class QLabel;
class QPushButton;

namespace mostaric::ui {

namespace Ui {
class MainWindow;
}

// The main window `count1`, laid out by main_window.ui, with the core's
// start-up state from its construction on. A core Session holds the field
// texts and marks, as for the web page: each event goes to it, and the
// window shows the texts it wrote, its marks and its note. "说  明",
// Command1, "退  出" and the close box only raise signals: the Application
// acts on them.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The calculator's state, as the controls show it.
    const CalculatorFields& fields() const { return m_session.fields(); }
    QPushButton* forumButton() const;
    // Puts the focus on the first control of the keyboard order (s3).
    void focusFirstControl();

    // A short note beside `anchor` that stops nothing: a tool tip that goes
    // away by itself, never a modal dialog. lastNote() is the one shown last.
    void showNote(QWidget* anchor, const QString& text);
    QString lastNote() const { return m_lastNote; }

Q_SIGNALS:
    void explanationRequested();
    void webLinkRequested();
    void exitRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // A field's control and the labels that name it on the form.
    struct FieldControls {
        QWidget* widget = nullptr;
        QLabel* caption = nullptr;
        QLabel* unit = nullptr;  // none after a list or the hidden field
    };

    QWidget* fieldWidget(Field field) const;
    void pairFieldsWithLabels();
    void describeFields();
    void loadStartState();
    void bindEvents();
    void showOutcome(const Outcome& outcome);
    void writeText(Field field, const QString& text);
    void hideNoteWhenUnmarked();

    std::unique_ptr<Ui::MainWindow> m_ui;
    std::array<FieldControls, kFieldCount> m_fields{};
    FieldMarks m_marks;
    Session m_session;  // after m_marks, which draws its marks
    QString m_lastNote;
};

}  // namespace mostaric::ui
