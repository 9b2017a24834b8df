// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/control_builder.h"

#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

#include <algorithm>

#include "ui/choice_list.h"
#include "ui/fonts.h"
#include "ui/number_input.h"
#include "ui/twips.h"

namespace mostaric::ui {
namespace {

QFont fontOf(FontRole font, const QFont& windowDefault)
{
    switch (font) {
    case FontRole::SongTi10_5: return songTiFont(10.5);
    case FontRole::KaiTi15: return kaiTiFont(15);
    case FontRole::SongTi12: return songTiFont(12);
    case FontRole::TimesNewRoman12: return timesNewRomanFont(12);
    case FontRole::WindowDefault: return windowDefault;
    }
    return windowDefault;
}

QLabel* makeLabel(QWidget& window, const ControlRow& row)
{
    auto* label = new QLabel(&window);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    if (row.kind == ControlKind::Lines) {
        // Broken where the text says; wrapping at the box's width could only
        // add breaks with another font's metrics.
        label->setWordWrap(false);
        label->setMargin(0);
        label->setIndent(0);
        label->setText(displayedLines(row).join(QLatin1Char('\n')));
    } else {
        label->setWordWrap(true);
        label->setText(toQString(row.text));
    }
    return label;
}

QLineEdit* makeBox(QWidget& window, const ControlRow& row)
{
    QLineEdit* box = nullptr;
    if (row.kind == ControlKind::Input) {
        box = new NumberInput(&window);
    } else {
        box = new QLineEdit(&window);
        box->setReadOnly(true);
    }
    box->setText(toQString(row.text));
    if (row.kind == ControlKind::Hidden) {
        box->setFocusPolicy(Qt::NoFocus);
        box->setVisible(false);
    } else if (row.kind == ControlKind::Result) {
        // The same Chinese copy menu as the inputs have.
        box->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(box, &QWidget::customContextMenuRequested, box, [box](const QPoint& at) {
            QMenu* menu = createEditMenu(*box, [] {});
            menu->setAttribute(Qt::WA_DeleteOnClose);
            menu->popup(box->mapToGlobal(at));
        });
    }
    return box;
}

BuiltControl makeControl(QWidget& window, const ControlRow& row)
{
    BuiltControl built{&row};
    switch (row.kind) {
    case ControlKind::Label:
    case ControlKind::Lines: built.widget = built.label = makeLabel(window, row); break;
    case ControlKind::List: built.widget = built.list = new ChoiceList(&window); break;
    case ControlKind::Input:
    case ControlKind::Result:
    case ControlKind::Hidden: built.widget = built.box = makeBox(window, row); break;
    case ControlKind::Button:
        built.widget = built.button = new QPushButton(toQString(row.text), &window);
        built.button->setAutoDefault(true);  // Enter presses the focused button
        built.button->setAccessibleName(built.button->text());
        break;
    }
    built.widget->setObjectName(toQString(row.name));
    built.widget->setGeometry(twipsRect(row.left, row.top, row.width, row.height));
    return built;
}

// Qt leaves controls that take no focus out of setTabOrder, so they get a
// policy for the moment: the whole chain then follows the Tab places, and Tab
// from the last control comes back to the first.
void linkByTabPlace(std::vector<BuiltControl> controls)
{
    std::stable_sort(
        controls.begin(), controls.end(),
        [](const BuiltControl& a, const BuiltControl& b) { return a.row->tab < b.row->tab; });
    std::vector<Qt::FocusPolicy> policies;
    for (const BuiltControl& control : controls) {
        policies.push_back(control.widget->focusPolicy());
        if (policies.back() == Qt::NoFocus)
            control.widget->setFocusPolicy(Qt::TabFocus);
    }
    for (std::size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1].widget, controls[i].widget);
    for (std::size_t i = 0; i < controls.size(); ++i)
        controls[i].widget->setFocusPolicy(policies[i]);
}

// Each caption and unit label names its field for assistive technology: a
// list is then announced with its caption also once it shows a value.
void tieLabelsToFields(const std::vector<BuiltControl>& controls)
{
    for (const BuiltControl& label : controls) {
        if (label.label == nullptr || !label.row->field)
            continue;
        for (const BuiltControl& field : controls) {
            if (field.label == nullptr && field.row->field == label.row->field)
                label.label->setBuddy(field.widget);
        }
    }
}

}  // namespace

QString toQString(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

std::vector<BuiltControl> buildControls(QWidget& window, std::span<const ControlRow> table)
{
    const QFont windowDefault = window.font();
    std::vector<BuiltControl> controls;
    controls.reserve(table.size());
    for (const ControlRow& row : table) {
        controls.push_back(makeControl(window, row));
        controls.back().widget->setFont(fontOf(row.font, windowDefault));
    }
    linkByTabPlace(controls);
    tieLabelsToFields(controls);
    return controls;
}

QStringList displayedLines(const ControlRow& control)
{
    QString text = toQString(control.text);
    // The line end and the blanks at the end of the text show nothing.
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\r' || text.back() == u'\n'))
        text.chop(1);

    if (control.secondLine.empty())
        return {text};
    const qsizetype secondStart = text.indexOf(toQString(control.secondLine));
    qsizetype firstEnd = secondStart;
    while (firstEnd > 0 && text.at(firstEnd - 1) == u' ')
        --firstEnd;
    if (secondStart <= 0 || firstEnd == secondStart)
        return {text};  // the table names no blank run: show the text as it is
    return {text.left(firstEnd), text.mid(secondStart)};
}

}  // namespace mostaric::ui
