// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include "ui/platform_hints.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace mostaric::ui {

namespace {

const QString kSongTi = QStringLiteral("宋体");
const QString kKaiTi = QStringLiteral("楷体_GB2312");
const QString kTimesNewRoman = QStringLiteral("Times New Roman");

// Qt tries the substitutes of a family, in this order, when the family itself
// is not installed; the first one found is used. Each list runs from the most
// to the least alike: the face itself under the names Windows and macOS give
// it, the free faces of the same kind (Debian packages in brackets), then the
// nearest other kind, serif before sans, a full face before a fallback one.
// Where a stand-in is taller or wider than the boxes allow, the windows fit
// their texts (ui/text_fit.h). Qt's per-character fallback still covers any
// glyph the chosen face lacks.
void insertOnce()
{
    // clang-format off
    QFont::insertSubstitutions(kSongTi, {
        QStringLiteral("SimSun"),              // Windows
        QStringLiteral("NSimSun"),
        QStringLiteral("新宋体"),
        QStringLiteral("Songti SC"),           // macOS
        QStringLiteral("STSong"),
        QStringLiteral("AR PL UMing CN"),      // fonts-arphic-uming: SimSun's metrics
        QStringLiteral("AR PL UMing TW"),
        QStringLiteral("AR PL SungtiL GB"),    // fonts-arphic-gbsn00lp
        QStringLiteral("Noto Serif CJK SC"),   // fonts-noto-cjk
        QStringLiteral("Noto Serif SC"),       // the same face, as some distributions name it
        QStringLiteral("Source Han Serif SC"),
        QStringLiteral("Source Han Serif CN"),
        QStringLiteral("Noto Sans CJK SC"),    // fonts-noto-cjk: sans from here on
        QStringLiteral("Noto Sans SC"),
        QStringLiteral("Source Han Sans SC"),
        QStringLiteral("Source Han Sans CN"),
        QStringLiteral("WenQuanYi Zen Hei"),   // fonts-wqy-zenhei
        QStringLiteral("WenQuanYi Micro Hei"), // fonts-wqy-microhei
        QStringLiteral("Droid Sans Fallback"), // fonts-droid-fallback
        QStringLiteral("Microsoft YaHei"),
    });
    QFont::insertSubstitutions(kKaiTi, {
        QStringLiteral("楷体"),                 // Windows Vista and later
        QStringLiteral("KaiTi"),
        QStringLiteral("KaiTi_GB2312"),        // Windows XP
        QStringLiteral("Kaiti SC"),            // macOS
        QStringLiteral("STKaiti"),
        QStringLiteral("AR PL UKai CN"),       // fonts-arphic-ukai
        QStringLiteral("AR PL UKai TW"),
        QStringLiteral("AR PL KaitiM GB"),     // fonts-arphic-gkai00mp
        QStringLiteral("LXGW WenKai"),         // a free Kai face
        QStringLiteral("AR PL UMing CN"),      // no Kai face: a Song face, then sans
        QStringLiteral("SimSun"),
        QStringLiteral("Noto Serif CJK SC"),
        QStringLiteral("Noto Serif SC"),
        QStringLiteral("Source Han Serif SC"),
        QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("Noto Sans SC"),
        QStringLiteral("Source Han Sans SC"),
        QStringLiteral("WenQuanYi Zen Hei"),
        QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("Droid Sans Fallback"),
    });
    QFont::insertSubstitutions(kTimesNewRoman, {
        QStringLiteral("Liberation Serif"),    // fonts-liberation2, same metrics
        QStringLiteral("Tinos"),
        QStringLiteral("Times"),               // macOS
        QStringLiteral("Nimbus Roman"),        // fonts-urw-base35
        QStringLiteral("Nimbus Roman No9 L"),
        QStringLiteral("DejaVu Serif"),        // fonts-dejavu-core
        QStringLiteral("FreeSerif"),
    });
    // clang-format on
}

QFont makeFont(const QString& family, QFont::StyleHint hint, qreal pointSize)
{
    registerFontSubstitutes();
    QFont font(family);
    font.setStyleHint(hint);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

}  // namespace

void registerFontSubstitutes()
{
    static const bool registered = (insertOnce(), true);
    Q_UNUSED(registered);
}

QFont songTiFont(qreal pointSize) { return makeFont(kSongTi, QFont::Serif, pointSize); }

QFont kaiTiFont(qreal pointSize) { return makeFont(kKaiTi, QFont::Serif, pointSize); }

QFont timesNewRomanFont(qreal pointSize)
{
    return makeFont(kTimesNewRoman, QFont::Times, pointSize);
}

QString missingChineseFaceMessage()
{
    if (!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        return {};
    return QStringLiteral("No Chinese font is installed, so the texts show as boxes: ")
        + chineseFaceInstallHint();
}

}  // namespace mostaric::ui
