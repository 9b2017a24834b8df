#include "ui/fonts.h"

#include <QString>
#include <QStringList>

namespace mostaric::ui {

namespace {

const QString kSongTi = QStringLiteral("宋体");
const QString kKaiTi = QStringLiteral("楷体_GB2312");
const QString kTimesNewRoman = QStringLiteral("Times New Roman");

// Qt tries the substitutes of a family, in this order, when the family itself
// is not installed; the first one found is used. Each list starts with the
// platform's own name of the face (Windows, then macOS), then the free faces
// of Linux distributions (Debian packages in brackets). Qt's per-character
// fallback still covers any glyph the chosen face lacks.
void insertOnce()
{
    QFont::insertSubstitutions(kSongTi, {
        QStringLiteral("SimSun"),             // Windows
        QStringLiteral("NSimSun"),
        QStringLiteral("新宋体"),
        QStringLiteral("Songti SC"),          // macOS
        QStringLiteral("STSong"),
        QStringLiteral("AR PL UMing CN"),     // fonts-arphic-uming
        QStringLiteral("AR PL UMing TW"),
        QStringLiteral("AR PL SungtiL GB"),   // fonts-arphic-gbsn00lp
        QStringLiteral("Noto Serif CJK SC"),  // fonts-noto-cjk
        QStringLiteral("Source Han Serif SC"),
        QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("WenQuanYi Zen Hei"),  // fonts-wqy-zenhei
        QStringLiteral("WenQuanYi Micro Hei"),
        QStringLiteral("Microsoft YaHei"),
    });
    QFont::insertSubstitutions(kKaiTi, {
        QStringLiteral("KaiTi_GB2312"),       // Windows XP
        QStringLiteral("楷体"),                // Windows Vista and later
        QStringLiteral("KaiTi"),
        QStringLiteral("Kaiti SC"),           // macOS
        QStringLiteral("STKaiti"),
        QStringLiteral("AR PL UKai CN"),      // fonts-arphic-ukai
        QStringLiteral("AR PL UKai TW"),
        QStringLiteral("AR PL KaitiM GB"),    // fonts-arphic-gkai00mp
        QStringLiteral("AR PL UMing CN"),     // no Kai face: fall back to Song
        QStringLiteral("Noto Serif CJK SC"),
        QStringLiteral("SimSun"),
        QStringLiteral("Noto Sans CJK SC"),
        QStringLiteral("WenQuanYi Zen Hei"),
    });
    QFont::insertSubstitutions(kTimesNewRoman, {
        QStringLiteral("Liberation Serif"),   // fonts-liberation2, same metrics
        QStringLiteral("Tinos"),
        QStringLiteral("Times"),              // macOS
        QStringLiteral("Nimbus Roman"),       // fonts-urw-base35
        QStringLiteral("Nimbus Roman No9 L"),
        QStringLiteral("DejaVu Serif"),       // fonts-dejavu-core
        QStringLiteral("FreeSerif"),
    });
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

QFont songTiFont(qreal pointSize)
{
    return makeFont(kSongTi, QFont::Serif, pointSize);
}

QFont kaiTiFont(qreal pointSize)
{
    return makeFont(kKaiTi, QFont::Serif, pointSize);
}

QFont timesNewRomanFont(qreal pointSize)
{
    return makeFont(kTimesNewRoman, QFont::Times, pointSize);
}

}  // namespace mostaric::ui
