// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

#include <string>
#include <utility>

#include "core/start_up.h"
#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/number_input.h"
#include "ui/text_conversion.h"
#include "ui/text_fit.h"
#include "ui_main_window.h"

namespace mostaric::ui {

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent),
      m_ui(std::make_unique<Ui::MainWindow>()),
      m_marks(*this, [this](Field field) { return fieldWidget(field); }),
      m_session([this](Field field, const Mark* mark) { m_marks.redraw(field, mark); })
{
    setWindowFlags(Qt::Window | kFixedWindowFrame);
    // Before the controls exist, which inherit it: a form holds whole points only.
    setFont(songTiFont(10.5));
    m_ui->setupUi(this);
    pairFieldsWithLabels();
    describeFields();
    loadStartState();
    bindEvents();
    focusFirstControl();
    fitTextsToBoxes(*this);  // last: every caption has its final text, font and place
}

MainWindow::~MainWindow() = default;

// Each field's caption and unit are the form's labels whose buddy it is, the
// unit right of the field, the caption before or above it; sd has neither.
void MainWindow::pairFieldsWithLabels()
{
    for (const FieldInfo& info : kFields)
        m_fields[indexOf(info.field)].widget = findChild<QWidget*>(toQString(info.name));
    const QList<QLabel*> labels = findChildren<QLabel*>();
    for (QLabel* label : labels) {
        const QWidget* buddy = label->buddy();
        for (FieldControls& controls : m_fields) {
            if (buddy != nullptr && buddy == controls.widget)
                (label->x() > buddy->geometry().right() ? controls.unit : controls.caption) = label;
        }
    }
}

// The session's captions and the accessible names from the form's labels, as
// the core names fields by them, and the texts the build decides.
void MainWindow::describeFields()
{
    FieldCaptions& captions = m_session.captions();
    for (const FieldInfo& info : kFields) {
        const FieldControls& controls = m_fields[indexOf(info.field)];
        if (controls.caption == nullptr)
            continue;
        captions.set(info.field, controls.caption->text().toStdString(),
                     controls.unit != nullptr ? controls.unit->text().toStdString()
                                              : std::string());
        controls.widget->setAccessibleName(toQString(captions.withUnit(info.field)));
        if (info.kind != FieldKind::Result)
            continue;
        // The same Chinese copy menu as the inputs have.
        auto* box = static_cast<QLineEdit*>(fieldWidget(info.field));
        connect(box, &QWidget::customContextMenuRequested, box,
                [box](QPoint at) { popUpEditMenu(*box, box->mapToGlobal(at), {}); });
    }

    QPushButton* forum = m_ui->Command1;
    forum->setText(forum->text() + forumAddress());
    forum->setAccessibleName(forum->text());
}

void MainWindow::loadStartState()
{
    for (const FieldInfo& info : kFields) {
        if (auto* list = qobject_cast<QComboBox*>(fieldWidget(info.field))) {
            for (const std::string_view entry : listEntries(info.field))
                list->addItem(toQString(entry));
        }
    }
    showOutcome(m_session.startUp());
}

void MainWindow::bindEvents()
{
    const Ui::MainWindow& ui = *m_ui;
    const std::pair<QPushButton*, Calculation> runs[] = {
        {ui.jisuan, Calculation::Sugar},
        {ui.jialiu, Calculation::Sulfite},
        {ui.jiaomu, Calculation::Yeast},
    };
    for (const auto& [button, calculation] : runs) {
        connect(button, &QPushButton::clicked, this,
                [this, run = calculation] { showOutcome(m_session.calculate(run)); });
    }

    connect(ui.explain_c, &QPushButton::clicked, this, &MainWindow::explanationRequested);
    connect(ui.Command1, &QPushButton::clicked, this, &MainWindow::webLinkRequested);
    connect(ui.exit, &QPushButton::clicked, this, &MainWindow::exitRequested);

    // The user's edits and choices only (textEdited, activated), never
    // the window's own writes.
    for (const FieldInfo& info : kFields) {
        QWidget* widget = fieldWidget(info.field);
        if (auto* list = qobject_cast<QComboBox*>(widget)) {
            connect(list, &QComboBox::activated, this, [this, list, field = info.field] {
                showOutcome(m_session.choose(field, list->currentText().toStdString()));
            });
        } else if (auto* input = qobject_cast<NumberInput*>(widget)) {
            connect(input, &QLineEdit::textEdited, this,
                    [this, field = info.field](const QString& text) {
                        showOutcome(m_session.edit(field, text.toStdString()));
                    });
            connect(input, &NumberInput::pasteRefused, this, [this, input](const QString& text) {
                showNote(input, pasteRefusedNote(text));
            });
        }
    }
}

QWidget* MainWindow::fieldWidget(Field field) const { return m_fields[indexOf(field)].widget; }

QPushButton* MainWindow::forumButton() const { return m_ui->Command1; }

void MainWindow::focusFirstControl() { m_ui->s3->setFocus(Qt::OtherFocusReason); }

// What the session did: the texts it wrote, then its note. Its marks are
// drawn as they changed.
void MainWindow::showOutcome(const Outcome& outcome)
{
    for (const FieldText& written : outcome.writes)
        writeText(written.field, toQString(written.text));
    hideNoteWhenUnmarked();
    if (outcome.note) {
        QWidget* widget = fieldWidget(outcome.note->anchor);
        showNote(widget->isVisibleTo(this) ? widget : this, toQString(outcome.note->text));
    }
}

void MainWindow::writeText(Field field, const QString& text)
{
    QWidget* widget = fieldWidget(field);
    auto* box = qobject_cast<QLineEdit*>(widget);
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        // An empty text chooses nothing; adding entries chose the first.
        if (list->currentText() != text || list->currentIndex() < 0)
            list->setCurrentIndex(list->findText(text));  // exact, case-sensitive
    } else if (box->text() != text) {
        box->setText(text);  // an unchanged text keeps caret and selection
        // The caret at the start, as a Windows text box puts it: a text wider
        // than its box shows its leading digits, not its tail.
        box->setCursorPosition(0);
    }
}

void MainWindow::hideNoteWhenUnmarked()
{
    if (!m_session.marks().carries(m_lastNote.toStdString()) && QToolTip::isVisible()
        && QToolTip::text() == m_lastNote)
        QToolTip::hideText();
}

void MainWindow::showNote(QWidget* anchor, const QString& text)
{
    m_lastNote = text;
    if (anchor == nullptr)
        anchor = this;
    QAccessibleEvent alert(anchor, QAccessible::Alert);
    QAccessible::updateAccessibility(&alert);
    if (!isVisible())
        return;
    const QPoint below = anchor->mapToGlobal(QPoint(0, anchor->height()));
    QToolTip::showText(below, text, anchor, QRect(), 8000);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close box ends the program as "退  出" does, through the Application.
    event->ignore();
    Q_EMIT exitRequested();
}

}  // namespace mostaric::ui
