// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The font helpers resolve to installed faces that draw every character of
// the windows' texts (no boxes), and the program icon is a 96 x 96,
// 16-colour picture, offered drawn at 16 to 256 pixels too.

#include "ui/application.h"
#include "ui/explanation_window.h"
#include "ui/fonts.h"
#include "ui/tests/ui_test_support.h"

#include <string>

#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QPushButton>
#include <QRawFont>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QTextLayout>

#include <algorithm>
#include <functional>

namespace {

using FontMaker = std::function<QFont(qreal)>;

struct NamedFont {
    const char* row;
    const char16_t* family;  // the family the windows name
    FontMaker make;
    bool chinese;  // the face itself must hold the CJK glyphs
};

// A control's font as its form sets it (family and size) over the window's.
QFont formFont(const char16_t* family, qreal pointSize)
{
    QFont font;
    font.setFamilies({QString::fromUtf16(family)});
    font.setPointSizeF(pointSize);
    return font.resolve(mostaric::ui::songTiFont(10.5));
}

const NamedFont kFonts[] = {
    {"songTi", u"宋体", mostaric::ui::songTiFont, true},
    {"kaiTi", u"楷体_GB2312", [](qreal size) { return formFont(u"楷体_GB2312", size); }, true},
    {"timesNewRoman", u"Times New Roman",
     [](qreal size) { return formFont(u"Times New Roman", size); }, false},
};

// Characters of the windows' texts, full- and half-width.
const char16_t kChinese[] = u"葡萄浆说明返回欢迎使用资料来源赤霞珠蛇龙珠巨峰（）：，、！；";
const char16_t kLatin[] = u"Mostaric V 2.0 Kg g/L %vol 0.62 (PPM) 1000";

// Every glyph Qt lays out for `text` with `font`, after its per-character
// fallback, exists in the face that draws it: glyph index 0 is the face's
// "missing" box.
QStringList missingGlyphs(const QFont& font, const QString& text)
{
    QStringList missing;
    QTextLayout layout(text, font);
    layout.beginLayout();
    while (layout.createLine().isValid()) { }
    layout.endLayout();
    const auto runs = layout.glyphRuns();
    for (const QGlyphRun& run : runs) {
        const auto indexes = run.glyphIndexes();
        for (quint32 index : indexes) {
            if (index == 0)
                missing.append(run.rawFont().familyName());
        }
    }
    return missing;
}

// Whether any line of `text`, trimmed, matches `pattern`.
bool anyLineMatches(const QString& text, const QRegularExpression& pattern)
{
    const QStringList lines = text.split(u'\n');
    return std::any_of(lines.begin(), lines.end(), [&pattern](const QString& line) {
        return pattern.match(line.trimmed()).hasMatch();
    });
}

}  // namespace

class TestFontsAndIcon : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { mostaric::ui::registerFontSubstitutes(); }

    void registeringTwiceAddsNothing()
    {
        QStringList before = QFont::substitutes(QStringLiteral("宋体"));
        mostaric::ui::registerFontSubstitutes();
        QCOMPARE(QFont::substitutes(QStringLiteral("宋体")), before);
        QCOMPARE(before.removeDuplicates(), 0);
        QVERIFY(before.contains(QStringLiteral("AR PL UMing CN"), Qt::CaseInsensitive));
        QVERIFY(QFont::substitutes(QStringLiteral("楷体_GB2312"))
                    .contains(QStringLiteral("AR PL UKai CN"), Qt::CaseInsensitive));
        QVERIFY(QFont::substitutes(QStringLiteral("Times New Roman"))
                    .contains(QStringLiteral("Liberation Serif"), Qt::CaseInsensitive));
    }

    void fonts_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<qreal>("pointSize");
        for (int i = 0; i < int(std::size(kFonts)); ++i) {
            for (qreal size : {10.5, 12.0, 15.0}) {
                QTest::addRow("%s %g pt", kFonts[i].row, size) << i << size;
            }
        }
    }

    // Each font the windows ask for names its family at the given size,
    // regular and upright, and resolves to an installed face: the family itself or one of
    // its registered substitutes, never an unrelated fallback.
    void fonts()
    {
        QFETCH(int, index);
        QFETCH(qreal, pointSize);
        const NamedFont& named = kFonts[index];
        const QString family = QString::fromUtf16(named.family);
        const QFont font = named.make(pointSize);

        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSizeF(), pointSize);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic());
        QVERIFY(!font.underline());

        const QFontInfo info(font);
        QVERIFY2(!info.exactMatch() || info.family() == family, qPrintable(info.family()));
        QVERIFY2(QFontDatabase::families().contains(info.family()),
                 qPrintable(info.family() + QStringLiteral(" is not installed")));
        QStringList accepted = QFont::substitutes(family);
        accepted.prepend(family);
        QVERIFY2(accepted.contains(info.family(), Qt::CaseInsensitive),
                 qPrintable(family + QStringLiteral(" resolved to ") + info.family()));
        QVERIFY(!info.italic());
        QCOMPARE(info.pointSizeF(), pointSize);
        QVERIFY2(info.weight() <= QFont::Medium && info.weight() >= QFont::Light,
                 qPrintable(QString::number(info.weight())));

        // The face itself draws the characters it is there for.
        const QRawFont raw = QRawFont::fromFont(font);
        QVERIFY(raw.isValid());
        const QString latin = QString::fromUtf16(kLatin);
        for (QChar c : latin)
            QVERIFY2(raw.supportsCharacter(c), qPrintable(QString(c)));
        if (named.chinese) {
            const QFontMetrics metrics(font);
            const QString chinese = QString::fromUtf16(kChinese);
            for (QChar c : chinese) {
                QVERIFY2(raw.supportsCharacter(c), qPrintable(info.family() + u' ' + c));
                QVERIFY2(metrics.inFontUcs4(c.unicode()), qPrintable(QString(c)));
            }
        }
    }

    // No text of any window font shows a box: Chinese through the Times New
    // Roman substitute falls back to a CJK face.
    void noBoxes_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("text");
        for (int i = 0; i < int(std::size(kFonts)); ++i) {
            QTest::addRow("%s chinese", kFonts[i].row) << i << QString::fromUtf16(kChinese);
            QTest::addRow("%s latin", kFonts[i].row) << i << QString::fromUtf16(kLatin);
        }
        const mostaric::ui::ExplanationWindow explanation;
        const auto labels = explanation.findChildren<QLabel*>();
        for (const QLabel* label : labels)
            QTest::addRow("songTi %s", qPrintable(label->objectName())) << 0 << label->text();
        const auto buttons = explanation.findChildren<QPushButton*>();
        for (const QPushButton* button : buttons)
            QTest::addRow("songTi %s", qPrintable(button->objectName())) << 0 << button->text();
    }

    void noBoxes()
    {
        QFETCH(int, index);
        QFETCH(QString, text);
        const QStringList missing = missingGlyphs(kFonts[index].make(10.5), text);
        QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u',')));
    }

    void iconIs96By96()
    {
        const QIcon icon = mostaric::ui::appIcon();
        QVERIFY(!icon.isNull());
        QVERIFY(icon.availableSizes().contains(QSize(96, 96)));
        QCOMPARE(icon.pixmap(QSize(96, 96), 1.0).size(), QSize(96, 96));
        // Decoded once: later calls hand out the same icon.
        QCOMPARE(mostaric::ui::appIcon().cacheKey(), icon.cacheKey());
    }

    void iconHas16Colours()
    {
        const QImage image = mostaric::ui::appIcon()
                                 .pixmap(QSize(96, 96), 1.0)
                                 .toImage()
                                 .convertToFormat(QImage::Format_ARGB32);
        QSet<QRgb> colours;
        int transparent = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb pixel = image.pixel(x, y);
                if (qAlpha(pixel) == 0) {
                    ++transparent;
                    continue;
                }
                QCOMPARE(qAlpha(pixel), 255);
                colours.insert(pixel);
            }
        }
        QVERIFY2(colours.size() <= 15, qPrintable(QString::number(colours.size())));
        QVERIFY(colours.size() >= 8);
        // A picture on a transparent background: corners clear, centre drawn.
        QCOMPARE(qAlpha(image.pixel(0, 95)), 0);
        QCOMPARE(qAlpha(image.pixel(95, 95)), 0);
        QCOMPARE(qAlpha(image.pixel(48, 48)), 255);
        QVERIFY(transparent > 96 * 96 / 5);
    }

    // Scaled screens get the same picture drawn at their size with smooth
    // edges, never the 96-pixel one blown up or shrunk.
    void iconAtEverySize_data()
    {
        QTest::addColumn<int>("size");
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size;
    }

    void iconAtEverySize()
    {
        QFETCH(int, size);
        const QIcon icon = mostaric::ui::appIcon();
        QVERIFY(icon.availableSizes().contains(QSize(size, size)));  // drawn, not scaled
        QCOMPARE(icon.actualSize(QSize(size, size)), QSize(size, size));
        const QImage image = icon.pixmap(QSize(size, size), 1.0).toImage();
        const QImage ours = icon.pixmap(QSize(96, 96), 1.0).toImage();
        const QImage scaled = image.scaled(96, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        int blended = 0;
        int differ = 0;
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < 96; ++x) {
                blended += x < size && y < size && qAlpha(image.pixel(x, y)) % 255 != 0 ? 1 : 0;
                differ += qAbs(qAlpha(scaled.pixel(x, y)) - qAlpha(ours.pixel(x, y))) > 128 ? 1 : 0;
            }
        }
        QVERIFY2(blended >= size / 2 && differ <= 96 * 96 / 20,
                 qPrintable(QStringLiteral("%1 %2").arg(blended).arg(differ)));
    }

    // The pixels the program shows, unpacked by the build, are the committed
    // pictures' at every size.
    void iconShowsThePictures_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<QString>("file");
        QTest::newRow("96") << 96 << QStringLiteral("mostaric.png");
        for (int size : {16, 24, 32, 48, 64, 128, 256})
            QTest::addRow("%d", size) << size << QStringLiteral("mostaric-%1.png").arg(size);
    }

    void iconShowsThePictures()
    {
        QFETCH(int, size);
        QFETCH(QString, file);
        const QImage picture(QStringLiteral(MOSTARIC_UI_SOURCE_DIR "/icons/") + file);
        QCOMPARE(picture.size(), QSize(size, size));
        QCOMPARE(mostaric::ui::appIcon().pixmap(QSize(size, size), 1.0).toImage(),
                 QPixmap::fromImage(picture).toImage());
    }

    // The Windows icon (mostaric.ico) begins with the same 96 x 96 picture in
    // 16 colours, with the same transparent background.
    void windowsIconIsTheSamePicture()
    {
        QImageReader reader(QStringLiteral(MOSTARIC_UI_SOURCE_DIR "/icons/mostaric.ico"));
        QCOMPARE(reader.imageCount(), 8);
        const QImage ico = reader.read();
        QVERIFY2(!ico.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(ico.size(), QSize(96, 96));
        const QImage ours = mostaric::ui::appIcon()
                                .pixmap(QSize(96, 96), 1.0)
                                .toImage()
                                .convertToFormat(QImage::Format_ARGB32);
        const QImage theirs = ico.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < 96; ++y) {
            for (int x = 0; x < 96; ++x) {
                const QRgb a = ours.pixel(x, y);
                const QRgb b = theirs.pixel(x, y);
                QCOMPARE(qAlpha(b), qAlpha(a));
                if (qAlpha(a) != 0)
                    QCOMPARE(b, a);
            }
        }
        // Then every smooth size, for Explorer and the taskbar at any scaling.
        for (const int size : {16, 24, 32, 48, 64, 128, 256}) {
            QVERIFY(reader.jumpToNextImage());
            QCOMPARE(reader.read().size(), QSize(size, size));
        }
    }

    // The version record of the generated resource script.
    void versionRecord_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::newRow("code page") << "^#pragma code_page\\(65001\\)$";
        QTest::newRow("icon") << "^\\w+ ICON \".*/icons/mostaric.ico\"$";
        QTest::newRow("FILEVERSION") << "^FILEVERSION 1,0,0,0$";
        QTest::newRow("PRODUCTVERSION") << "^PRODUCTVERSION 1,0,0,0$";
        QTest::newRow("FILEFLAGS") << "^FILEFLAGS 0x0L$";
        QTest::newRow("FILEOS") << "^FILEOS 0x4L$";
        QTest::newRow("FILETYPE") << "^FILETYPE 0x1L$";
        QTest::newRow("block") << "^BLOCK \"080404B0\"$";
        QTest::newRow("CompanyName") << "^VALUE \"CompanyName\", \"[^\"]*Mostaric[^\"]*\"$";
        QTest::newRow("ProductName") << "^VALUE \"ProductName\", \"Mostaric [^\"]+\"$";
        QTest::newRow("FileVersion") << "^VALUE \"FileVersion\", \"1.00\"$";
        QTest::newRow("ProductVersion") << "^VALUE \"ProductVersion\", \"1.00\"$";
        QTest::newRow("InternalName") << "^VALUE \"InternalName\", \"Mostaric\"$";
        QTest::newRow("OriginalFilename") << "^VALUE \"OriginalFilename\", \"Mostaric.exe\"$";
        QTest::newRow("Translation") << "^VALUE \"Translation\", 0x0804, 1200$";
    }

    void versionRecord()
    {
        QFETCH(QString, pattern);
        QFile file(QStringLiteral(MOSTARIC_GENERATED_RC));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        QVERIFY(!text.contains(QChar::ReplacementCharacter));
        const QRegularExpression re(pattern);
        QVERIFY(re.isValid());
        QVERIFY2(anyLineMatches(text, re), qPrintable(pattern));
    }
};

int main(int argc, char** argv) { return mostaric::test::runUiTest<TestFontsAndIcon>(argc, argv); }

#include "test_fonts_and_icon.moc"
