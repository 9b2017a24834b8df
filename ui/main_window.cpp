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

#include "core/calculations.h"
#include "core/gravity_table.h"
#include "core/start_up.h"
#include "core/variety_table.h"
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
      m_marks(*this, [this](Field field) { return fieldWidget(field); })
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

// Accessible names from the captions, and the texts the build decides.
void MainWindow::describeFields()
{
    const FieldCaptions labels = captions();
    for (const FieldInfo& info : kFields) {
        if (info.kind == FieldKind::Hidden)
            continue;
        fieldWidget(info.field)->setAccessibleName(toQString(labels.withUnit(info.field)));
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
    const CalculatorFields start = startUpFields();
    for (const FieldInfo& info : kFields) {
        if (auto* list = qobject_cast<QComboBox*>(fieldWidget(info.field))) {
            for (const std::string_view entry : listEntries(info.field))
                list->addItem(toQString(entry));
            list->setCurrentIndex(list->findText(toQString(start.text(info.field))));
        } else {
            writeText(info.field, toQString(start.text(info.field)));
        }
    }
}

void MainWindow::bindEvents()
{
    const Ui::MainWindow& ui = *m_ui;
    // The user's choices only (activated); choosing a sugar amount does nothing.
    connect(ui.bizhong, &QComboBox::activated, this,
            [this] { choose(Field::bizhong, chooseGravity(fields().text(Field::bizhong))); });
    connect(ui.pinzhong, &QComboBox::activated, this,
            [this] { choose(Field::pinzhong, chooseVariety(fields().text(Field::pinzhong))); });

    connect(ui.jisuan, &QPushButton::clicked, this,
            [this] { calculate(Calculation::Sugar, calculateSugar(fields())); });
    connect(ui.jialiu, &QPushButton::clicked, this,
            [this] { calculate(Calculation::Sulfite, calculateSulfite(fields())); });
    connect(ui.jiaomu, &QPushButton::clicked, this,
            [this] { calculate(Calculation::Yeast, calculateYeast(fields())); });

    connect(ui.explain_c, &QPushButton::clicked, this, &MainWindow::explanationRequested);
    connect(ui.Command1, &QPushButton::clicked, this, &MainWindow::webLinkRequested);
    connect(ui.exit, &QPushButton::clicked, this, &MainWindow::exitRequested);

    // The user's edit of a marked input takes its mark away, and the results
    // computed from the old text are no longer stale but simply old.
    for (const FieldInfo& info : kFields) {
        auto* input = qobject_cast<NumberInput*>(fieldWidget(info.field));
        if (input == nullptr)
            continue;
        connect(input, &QLineEdit::textEdited, this, [this, field = info.field] {
            clearMark(field);
            m_marks.clearStaleReading(field);
        });
        connect(input, &NumberInput::pasteRefused, this,
                [this, input](const QString& text) { showNote(input, pasteRefusedNote(text)); });
    }
    connect(ui.xiguan, &QComboBox::activated, this,
            [this] { m_marks.clearStaleReading(Field::xiguan); });
}

QWidget* MainWindow::fieldWidget(Field field) const { return m_fields[indexOf(field)].widget; }

QPushButton* MainWindow::forumButton() const { return m_ui->Command1; }

void MainWindow::focusFirstControl() { m_ui->s3->setFocus(Qt::OtherFocusReason); }

// The form's captions and units, as the core names fields by them.
FieldCaptions MainWindow::captions() const
{
    FieldCaptions captions;
    for (const FieldInfo& info : kFields) {
        const FieldControls& controls = m_fields[indexOf(info.field)];
        if (controls.caption != nullptr) {
            captions.set(info.field, controls.caption->text().toStdString(),
                         controls.unit != nullptr ? controls.unit->text().toStdString()
                                                  : std::string());
        }
    }
    return captions;
}

CalculatorFields MainWindow::fields() const
{
    CalculatorFields fields;
    for (const FieldInfo& info : kFields) {
        const QWidget* widget = fieldWidget(info.field);
        const auto* list = qobject_cast<const QComboBox*>(widget);
        // A list with no entry chosen gives an empty text.
        const QString text =
            list != nullptr ? list->currentText() : static_cast<const QLineEdit*>(widget)->text();
        fields.text(info.field) = text.toStdString();
    }
    return fields;
}

void MainWindow::choose(Field list, const FieldUpdate& update)
{
    // A choice is an edit of its own list and of every field it writes.
    for (const FieldText& written : update.writes) {
        writeText(written.field, toQString(written.text));
        m_marks.clearStaleReading(written.field);
    }
    m_marks.clearStaleReading(list);
    hideNoteWhenUnmarked();
}

void MainWindow::calculate(Calculation calculation, const FieldUpdate& update)
{
    for (const FieldText& written : update.writes)
        writeText(written.field, toQString(written.text));
    const std::optional<FieldNote> note = m_marks.apply(calculation, update, fields(), captions());
    hideNoteWhenUnmarked();
    if (note) {
        QWidget* widget = fieldWidget(note->anchor);
        showNote(widget->isVisibleTo(this) ? widget : this, note->text);
    }
}

void MainWindow::writeText(Field field, const QString& text)
{
    QWidget* widget = fieldWidget(field);
    auto* box = qobject_cast<QLineEdit*>(widget);
    if (auto* list = qobject_cast<QComboBox*>(widget)) {
        if (list->currentText() != text || list->currentIndex() < 0)
            list->setCurrentIndex(list->findText(text));  // exact, case-sensitive
    } else if (box->text() != text) {
        box->setText(text);  // an unchanged text keeps caret and selection
        // The caret at the start, as a Windows text box puts it: a text wider
        // than its box shows its leading digits, not its tail.
        box->setCursorPosition(0);
    } else {
        return;
    }
    clearMark(field);  // a new text: whatever was wrong with the old one is gone
}

void MainWindow::clearMark(Field field)
{
    m_marks.clear(field);
    hideNoteWhenUnmarked();
}

void MainWindow::hideNoteWhenUnmarked()
{
    if (!m_marks.carries(m_lastNote) && QToolTip::isVisible() && QToolTip::text() == m_lastNote)
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
