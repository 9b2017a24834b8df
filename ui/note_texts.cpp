// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/note_texts.h"

#include <QStringList>

namespace mostaric::ui {
namespace {

// Long enough for any number a user means to type, short enough for a tip.
constexpr qsizetype kQuotedLength = 24;
constexpr qsizetype kQuotedHead = 14;

// Never splits a surrogate pair: a cut that would is moved by one unit.
qsizetype safeCut(const QString& text, qsizetype at)
{
    if (at > 0 && at < text.size() && text.at(at).isLowSurrogate())
        return at - 1;
    return at;
}

}  // namespace

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

QString noticeNote(const CalculationNotice& notice, const NoteCaption& captionOf)
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

QString pasteRefusedNote(const QString& text)
{
    return QStringLiteral("粘贴的内容不是数字：“%1”").arg(quotedForNote(text));
}

QString staleNote()
{
    return QStringLiteral("不是当前的结果：上次计算没有完成，这里仍是之前的数值。");
}

}  // namespace mostaric::ui
