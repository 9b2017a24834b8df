// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QToolTip>

#include <algorithm>
#include <span>
#include <utility>

#include "core/calculations.h"
#include "core/gravity_table.h"
#include "core/start_up.h"
#include "core/variety_table.h"
#include "ui/browser_launcher.h"
#include "ui/calculation_marks.h"
#include "ui/colours.h"
#include "ui/control_builder.h"
#include "ui/main_window_layout.h"
#include "ui/note_texts.h"
#include "ui/number_input.h"
#include "ui/text_fit.h"
#include "ui/window_frame.h"

namespace mostaric::ui {
namespace {

const QString kWeightTip = QStringLiteral("去梗后，含有皮、核的葡萄汁。");

int findExactly(const QComboBox& list, const QString& text)
{
    return list.findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

// The owner of a calculation's marks: the number of the operation that runs it.
constexpr int ownerOf(Calculation calculation) { return static_cast<int>(calculation); }

}  // namespace

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), m_marks(*this, [this](Field field) { return fieldWidget(field); })
{
    setUpFixedWindow(*this, WindowRole::Main, QStringLiteral("count1"), QStringLiteral("欢迎使用"),
                     kMainWindowWidthTwips, kMainWindowHeightTwips);
    for (const BuiltControl& control : buildControls(*this, mainWindowControls()))
        keepControl(control);
    describeFields();
    loadStartState();
    bindEvents();
    focusFirstControl();
    fitTextsToBoxes(*this);  // last: every caption has its final text, font and place
}

MainWindow::~MainWindow() = default;

void MainWindow::keepControl(const BuiltControl& control)
{
    const ControlRow& row = *control.row;
    if (row.tab == 0)
        m_firstControl = control.widget;
    if (row.field && (control.list != nullptr || control.box != nullptr)) {
        const std::size_t index = indexOf(*row.field);
        m_fieldWidgets[index] = control.widget;
        m_lists[index] = control.list;
        m_boxes[index] = control.box;
        return;
    }
    if (control.button == nullptr)
        return;
    static constexpr std::pair<std::string_view, QPushButton * MainWindow::*> kButtons[] = {
        {"jisuan", &MainWindow::m_sugarButton},   {"jialiu", &MainWindow::m_sulfiteButton},
        {"jiaomu", &MainWindow::m_yeastButton},   {"explain_c", &MainWindow::m_explainButton},
        {"Command1", &MainWindow::m_forumButton}, {"exit", &MainWindow::m_exitButton},
    };
    for (const auto& [name, member] : kButtons) {
        if (row.name == name)
            this->*member = control.button;
    }
}

// Accessible names from the captions, and our own texts.
void MainWindow::describeFields()
{
    for (const FieldInfo& info : kFields) {
        if (info.kind == FieldKind::Hidden)
            continue;
        fieldWidget(info.field)->setAccessibleName(captionWithUnit(info.field));
    }

    m_forumButton->setText(toQString(kWelcomeLine) + forumAddress());
    m_forumButton->setAccessibleName(m_forumButton->text());
    m_forumButton->setStyleSheet(
        pinnedButtonStyleSheet(m_forumButton->objectName(), linkButtonColours()));

    QWidget* weight = fieldWidget(Field::weit);
    weight->setToolTip(kWeightTip);
    weight->setAccessibleDescription(kWeightTip);
}

void MainWindow::loadStartState()
{
    const CalculatorFields start = startUpFields();
    for (const FieldInfo& info : kFields) {
        if (QComboBox* list = m_lists[indexOf(info.field)]) {
            for (const std::string_view entry : listEntries(info.field))
                list->addItem(toQString(entry));
            list->setCurrentIndex(
                findExactly(*list, QString::fromStdString(start.text(info.field))));
        } else {
            writeText(info.field, QString::fromStdString(start.text(info.field)));
        }
    }
}

void MainWindow::bindEvents()
{
    // Choices: only the user's (activated), never a programmatic change.
    // Choosing a customary sugar amount triggers nothing.
    connect(m_lists[indexOf(Field::bizhong)], &QComboBox::activated, this,
            [this] { run(Operation::Gravity, chooseGravity(fields().text(Field::bizhong))); });
    connect(m_lists[indexOf(Field::pinzhong)], &QComboBox::activated, this,
            [this] { run(Operation::Variety, chooseVariety(fields().text(Field::pinzhong))); });

    connect(m_sugarButton, &QPushButton::clicked, this,
            [this] { run(Operation::Sugar, calculateSugar(fields())); });
    connect(m_sulfiteButton, &QPushButton::clicked, this,
            [this] { run(Operation::Sulfite, calculateSulfite(fields())); });
    connect(m_yeastButton, &QPushButton::clicked, this,
            [this] { run(Operation::Yeast, calculateYeast(fields())); });

    connect(m_explainButton, &QPushButton::clicked, this, &MainWindow::explanationRequested);
    connect(m_forumButton, &QPushButton::clicked, this, &MainWindow::webLinkRequested);
    connect(m_exitButton, &QPushButton::clicked, this, &MainWindow::exitRequested);

    // The user's edit of a marked input takes its mark away, and the results
    // computed from the old text are no longer stale but simply old.
    for (const FieldInfo& info : kFields) {
        if (info.kind != FieldKind::Input)
            continue;
        QLineEdit* box = m_boxes[indexOf(info.field)];
        connect(box, &QLineEdit::textEdited, this, [this, field = info.field] {
            clearMark(field);
            clearStaleResultsReading(field);
        });
        if (auto* number = qobject_cast<NumberInput*>(box)) {
            connect(number, &NumberInput::pasteRefused, this, [this, number](const QString& text) {
                showNote(number, pasteRefusedNote(text));
            });
        }
    }
    connect(m_lists[indexOf(Field::xiguan)], &QComboBox::activated, this,
            [this] { clearStaleResultsReading(Field::xiguan); });
}

QWidget* MainWindow::fieldWidget(Field field) const { return m_fieldWidgets[indexOf(field)]; }

void MainWindow::focusFirstControl()
{
    if (m_firstControl != nullptr)
        m_firstControl->setFocus(Qt::OtherFocusReason);
}

CalculatorFields MainWindow::fields() const
{
    CalculatorFields fields;
    for (const FieldInfo& info : kFields) {
        const std::size_t index = indexOf(info.field);
        if (const QComboBox* list = m_lists[index])
            fields.text(info.field) =
                list->currentIndex() >= 0 ? list->currentText().toStdString() : std::string();
        else
            fields.text(info.field) = m_boxes[index]->text().toStdString();
    }
    return fields;
}

void MainWindow::run(Operation operation, const FieldUpdate& update)
{
    static_assert(ownerOf(Calculation::Sugar) == static_cast<int>(Operation::Sugar)
                  && ownerOf(Calculation::Yeast) == static_cast<int>(Operation::Yeast));
    for (const FieldText& written : update.writes)
        writeText(written.field, QString::fromStdString(written.text));
    // This operation's earlier marks go: it has run again.
    m_marks.clearOwnedBy(static_cast<int>(operation));

    std::span<const Field> results;
    switch (operation) {
    case Operation::Gravity:
    case Operation::Variety:
        // A choice is an edit of every field it writes, and of its own list.
        clearStaleResultsReading(operation == Operation::Gravity ? Field::bizhong
                                                                 : Field::pinzhong);
        for (const FieldText& written : update.writes)
            clearStaleResultsReading(written.field);
        break;
    case Operation::Sugar: results = calculationFields(Calculation::Sugar).writes; break;
    case Operation::Sulfite: results = calculationFields(Calculation::Sulfite).writes; break;
    case Operation::Yeast: results = calculationFields(Calculation::Yeast).writes; break;
    }

    const MarkPlan plan = planMarks(results, update, fields());
    for (const PlannedMark& mark : plan.marks)
        m_marks.mark(mark.field, mark.kind, static_cast<int>(operation), mark.message);
    hideNoteWhenUnmarked();
    if (plan.anchor) {
        QWidget* widget = fieldWidget(*plan.anchor);
        showNote(widget->isVisibleTo(this) ? widget : this, plan.note);
    }
}

void MainWindow::writeText(Field field, const QString& text)
{
    const std::size_t index = indexOf(field);
    if (QComboBox* list = m_lists[index]) {
        if (list->currentText() != text || list->currentIndex() < 0)
            list->setCurrentIndex(findExactly(*list, text));
    } else if (m_boxes[index]->text() != text) {
        m_boxes[index]->setText(text);  // an unchanged text keeps caret and selection
        // The caret at the start, as a Windows text box puts it: a text wider
        // than its box shows its leading digits, not its tail.
        m_boxes[index]->setCursorPosition(0);
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

void MainWindow::clearStaleResultsReading(Field input)
{
    for (const CalculationFields& calculation : kCalculationFields) {
        if (std::ranges::find(calculation.reads, input) != calculation.reads.end())
            m_marks.clearOwnedBy(ownerOf(calculation.calculation), MarkKind::Stale);
    }
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
    // Closing by the close box ends the program as "退  出" does; the
    // Application closes and destroys the windows itself.
    event->ignore();
    Q_EMIT exitRequested();
}

}  // namespace mostaric::ui
