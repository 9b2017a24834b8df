// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/field_marks.h"

#include <QColor>
#include <QFrame>
#include <QStringList>
#include <QVariant>
#include <QWidget>

#include <algorithm>

#include "ui/text_conversion.h"

namespace mostaric::ui {
namespace {

// Long enough for any number a user means to type, short enough for a tip.
constexpr qsizetype kQuotedLength = 24;
constexpr qsizetype kQuotedHead = 14;

// Never splits a surrogate pair: a cut that would is moved by one unit.
qsizetype safeCut(const QString& text, qsizetype at)
{
    return at > 0 && at < text.size() && text.at(at).isLowSurrogate() ? at - 1 : at;
}

QString quotedForNote(const QString& text)
{
    if (text.size() <= kQuotedLength)
        return text;
    const qsizetype headEnd = safeCut(text, kQuotedHead);
    const qsizetype tailStart = safeCut(text, text.size() - (kQuotedLength - kQuotedHead - 1));
    return text.left(headEnd) + QChar(0x2026) + text.mid(tailStart);
}

QString unreadableNote(const QString& caption, const QString& text)
{
    if (text.isEmpty())
        return QStringLiteral("“%1”是空的，不是一个数字，请填写后再计算。").arg(caption);
    return QStringLiteral("“%1”不是一个数字：它现在是“%2”，请检查后再计算。")
        .arg(caption, quotedForNote(text));
}

QString notFiniteNote(const QString& caption)
{
    return QStringLiteral("无法计算“%1”：结果超出了数值范围。").arg(caption);
}

QString noticeNote(const CalculationNotice& notice, const std::function<QString(Field)>& captionOf)
{
    if (notice.kind == CalculationNotice::Kind::TargetBelowMust)
        return QStringLiteral("理想酒精度低于此葡萄浆本身能酿出的酒精度，不需要加糖；"
                              "负数是超出的部分。");
    // 请先选择“测得的比重”、“习惯用糖量”，填写“习惯加硫量”再计算
    QStringList chosen;
    QStringList typed;
    for (const Field field : notice.causes) {
        const QString quoted = QStringLiteral("“%1”").arg(captionOf(field));
        (fieldKind(field) == FieldKind::Input ? typed : chosen) << quoted;
    }
    QStringList steps;
    if (!chosen.isEmpty())
        steps << QStringLiteral("选择") + chosen.join(QChar(0x3001));
    if (!typed.isEmpty())
        steps << QStringLiteral("填写") + typed.join(QChar(0x3001));
    return QStringLiteral("请先%1再计算：这里的 0 不是算出来的。").arg(steps.join(QChar(0xff0c)));
}

constexpr QStringView kStaleNote = u"不是当前的结果：上次计算没有完成，这里仍是之前的数值。";

// The property a marked field carries, for style sheets and tests.
const char* propertyOf(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Failure: return "calculationFailed";
    case MarkKind::Notice: return "calculationNotice";
    case MarkKind::Stale: break;
    }
    return "resultStale";
}

// Red for a failure, amber for a notice: 3:1 or better on light and dark.
QString frameColour(MarkKind kind, const QWidget& window)
{
    const bool dark = window.palette().color(QPalette::Window).lightnessF() < 0.5F;
    const QColor colour = kind == MarkKind::Failure
        ? (dark ? QColor(0xff, 0x6f, 0x61) : QColor(0xc0, 0x39, 0x2b))
        : (dark ? QColor(0xff, 0xb3, 0x40) : QColor(0xb8, 0x6e, 0x00));
    return colour.name(QColor::HexRgb);
}

// The frame takes no focus or clicks and leaves field and layout alone.
QFrame* makeFrame(QWidget& window, const QWidget& field, MarkKind kind)
{
    auto* frame = new QFrame(&window);
    const char* name = kind == MarkKind::Failure ? "failureMark_%1" : "noticeMark_%1";
    frame->setObjectName(QString::fromLatin1(name).arg(field.objectName()));
    frame->setAttribute(Qt::WA_TransparentForMouseEvents);
    frame->setFocusPolicy(Qt::NoFocus);
    frame->setStyleSheet(
        QStringLiteral(
            "QFrame { border: 2px solid %1; border-radius: 2px; background: transparent; }")
            .arg(frameColour(kind, window)));
    frame->setGeometry(field.geometry().adjusted(-2, -2, 2, 2));
    frame->show();
    frame->raise();
    return frame;
}

// Halfway from the text's colour to its background: grey yet legible.
void drawStale(QWidget& widget)
{
    QPalette palette = widget.palette();
    const auto halfway = [](float from, float to) { return from + (to - from) * 0.5F; };
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const QColor text = palette.color(group, QPalette::Text);
        const QColor base = palette.color(group, QPalette::Base);
        palette.setColor(group, QPalette::Text,
                         QColor::fromRgbF(halfway(text.redF(), base.redF()),
                                          halfway(text.greenF(), base.greenF()),
                                          halfway(text.blueF(), base.blueF())));
    }
    widget.setPalette(palette);
}

}  // namespace

QString pasteRefusedNote(const QString& text)
{
    return QStringLiteral("粘贴的内容不是数字：“%1”").arg(quotedForNote(text));
}

FieldMarks::FieldMarks(QWidget& window, std::function<QWidget*(Field)> widgetOf,
                       std::function<QString(Field)> captionOf)
    : m_window(window), m_widgetOf(std::move(widgetOf)), m_captionOf(std::move(captionOf))
{ }

std::optional<FieldNote> FieldMarks::apply(Calculation calculation, const FieldUpdate& update,
                                           const CalculatorFields& after)
{
    clearOwnedBy(calculation);
    std::optional<FieldNote> note;
    for (const CalculationNotice& notice : update.notices) {
        const QString message = noticeNote(notice, m_captionOf);
        for (const Field result : notice.results)
            mark(result, MarkKind::Notice, calculation, message);
        if (!note && !notice.results.empty())
            note = FieldNote{notice.results.front(), message};
    }
    if (!update.failure)
        return note;

    const CalculationFailure& failure = *update.failure;
    const QString caption = m_captionOf(failure.field);
    const QString message = failure.kind == CalculationFailure::Kind::Unreadable
        ? unreadableNote(caption, toQString(after.text(failure.field)))
        : notFiniteNote(caption);
    mark(failure.field, MarkKind::Failure, calculation, message);
    for (const Field result : calculationFields(calculation).writes) {
        if (result != failure.field && !update.wrote(result) && !after.text(result).empty())
            mark(result, MarkKind::Stale, calculation, kStaleNote.toString());
    }
    return FieldNote{failure.field, message};
}

void FieldMarks::mark(Field field, MarkKind kind, Calculation owner, const QString& message)
{
    clear(field);
    QWidget* widget = m_widgetOf(field);
    Mark mark{kind,  owner, message, {}, widget->toolTip(), widget->accessibleDescription(),
              false, {}};
    if (kind == MarkKind::Stale) {
        mark.hadOwnPalette = widget->testAttribute(Qt::WA_SetPalette);
        mark.savedPalette = widget->palette();
        drawStale(*widget);
        widget->setAccessibleDescription(message);
    } else if (widget->isVisibleTo(&m_window)) {
        mark.frame = makeFrame(m_window, *widget, kind);
    }
    if (widget->isVisibleTo(&m_window)) {
        widget->setToolTip(mark.savedToolTip.isEmpty()
                               ? message
                               : message + QLatin1Char('\n') + mark.savedToolTip);
    }
    widget->setProperty(propertyOf(kind), true);
    m_marks.insert_or_assign(field, mark);
}

void FieldMarks::clear(Field field)
{
    const auto found = m_marks.find(field);
    if (found == m_marks.end())
        return;
    const Mark& mark = found->second;
    QWidget* widget = m_widgetOf(field);
    widget->setToolTip(mark.savedToolTip);
    widget->setProperty(propertyOf(mark.kind), QVariant());
    if (mark.kind == MarkKind::Stale) {
        widget->setAccessibleDescription(mark.savedDescription);
        widget->setPalette(mark.hadOwnPalette ? mark.savedPalette : QPalette());
    }
    delete mark.frame.data();
    m_marks.erase(found);
}

void FieldMarks::clearOwnedBy(Calculation owner, std::optional<MarkKind> kind)
{
    for (const FieldInfo& info : kFields) {
        const auto found = m_marks.find(info.field);
        if (found != m_marks.end() && found->second.owner == owner
            && (!kind || found->second.kind == *kind))
            clear(info.field);
    }
}

void FieldMarks::clearStaleReading(Field input)
{
    for (const CalculationFields& calculation : kCalculationFields) {
        if (std::ranges::find(calculation.reads, input) != calculation.reads.end())
            clearOwnedBy(calculation.calculation, MarkKind::Stale);
    }
}

bool FieldMarks::carries(const QString& message) const
{
    return std::ranges::any_of(
        m_marks, [&message](const auto& entry) { return entry.second.message == message; });
}

}  // namespace mostaric::ui
