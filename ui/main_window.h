// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

#include <array>
#include <memory>

#include "core/field_update.h"
#include "core/fields.h"
#include "core/marks.h"
#include "ui/field_marks.h"

class QCloseEvent;
class QLabel;
class QPushButton;

namespace mostaric::ui {

namespace Ui {
class MainWindow;
}

// The main window `count1`, laid out by main_window.ui, with the core's
// start-up state from its construction on. The controls hold the field
// texts; each event reads them, runs the core's operation and writes back
// only the texts it wrote. "说  明", Command1, "退  出" and the close box
// only raise signals: the Application acts on them.
class MainWindow : public QWidget {
    Q_OBJECT
public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The calculator's state as the controls hold it now.
    CalculatorFields fields() const;
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
    FieldCaptions captions() const;
    void choose(Field list, const FieldUpdate& update);
    void calculate(Calculation calculation, const FieldUpdate& update);
    void writeText(Field field, const QString& text);
    void clearMark(Field field);
    void hideNoteWhenUnmarked();

    std::unique_ptr<Ui::MainWindow> m_ui;
    std::array<FieldControls, kFieldCount> m_fields{};
    FieldMarks m_marks;
    QString m_lastNote;
};

}  // namespace mostaric::ui
