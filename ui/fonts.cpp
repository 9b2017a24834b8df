// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/fonts.h"

#include "ui/platform_hints.h"

#include <QFontDatabase>
#include <QString>
#include <QStringList>

namespace mostaric::ui {

namespace {

// Views, so that nothing is built before main.
constexpr QStringView kSongTi = u"宋体";
constexpr QStringView kKaiTi = u"楷体_GB2312";
constexpr QStringView kTimesNewRoman = u"Times New Roman";

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
    using namespace Qt::Literals::StringLiterals;
    // clang-format off
    QFont::insertSubstitutions(kSongTi.toString(), {
        u"SimSun"_s, u"NSimSun"_s, u"新宋体"_s,            // Windows
        u"Songti SC"_s, u"STSong"_s,                       // macOS
        u"AR PL UMing CN"_s, u"AR PL UMing TW"_s,          // fonts-arphic-uming: SimSun's metrics
        u"AR PL SungtiL GB"_s,                             // fonts-arphic-gbsn00lp
        u"Noto Serif CJK SC"_s, u"Noto Serif SC"_s,        // fonts-noto-cjk, and its other name
        u"Source Han Serif SC"_s, u"Source Han Serif CN"_s,
        u"Noto Sans CJK SC"_s, u"Noto Sans SC"_s,          // fonts-noto-cjk: sans from here on
        u"Source Han Sans SC"_s, u"Source Han Sans CN"_s,
        u"WenQuanYi Zen Hei"_s, u"WenQuanYi Micro Hei"_s,  // fonts-wqy-zenhei, fonts-wqy-microhei
        u"Droid Sans Fallback"_s, u"Microsoft YaHei"_s,    // fonts-droid-fallback
    });
    QFont::insertSubstitutions(kKaiTi.toString(), {
        u"楷体"_s, u"KaiTi"_s,                             // Windows Vista and later
        u"KaiTi_GB2312"_s,                                 // Windows XP
        u"Kaiti SC"_s, u"STKaiti"_s,                       // macOS
        u"AR PL UKai CN"_s, u"AR PL UKai TW"_s,            // fonts-arphic-ukai
        u"AR PL KaitiM GB"_s,                              // fonts-arphic-gkai00mp
        u"LXGW WenKai"_s,                                  // a free Kai face
        u"AR PL UMing CN"_s, u"SimSun"_s,                  // no Kai face: a Song face, then sans
        u"Noto Serif CJK SC"_s, u"Noto Serif SC"_s, u"Source Han Serif SC"_s,
        u"Noto Sans CJK SC"_s, u"Noto Sans SC"_s, u"Source Han Sans SC"_s,
        u"WenQuanYi Zen Hei"_s, u"WenQuanYi Micro Hei"_s, u"Droid Sans Fallback"_s,
    });
    QFont::insertSubstitutions(kTimesNewRoman.toString(), {
        u"Liberation Serif"_s, u"Tinos"_s,                 // fonts-liberation2, same metrics
        u"Times"_s,                                        // macOS
        u"Nimbus Roman"_s, u"Nimbus Roman No9 L"_s,        // fonts-urw-base35
        u"DejaVu Serif"_s,                                 // fonts-dejavu-core
        u"FreeSerif"_s,
    });
    // clang-format on
}

}  // namespace

void registerFontSubstitutes()
{
    [[maybe_unused]] static const bool registered = (insertOnce(), true);
}

QFont songTiFont(qreal pointSize)
{
    registerFontSubstitutes();
    QFont font(kSongTi.toString());
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Normal);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

QString missingChineseFaceMessage()
{
    if (!QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty())
        return {};
    return QStringLiteral("No Chinese font is installed, so the texts show as boxes: ")
        + chineseFaceInstallHint();
}

}  // namespace mostaric::ui
