// Both windows hold their texts whichever Chinese face stands in alone for
// 宋体 and 楷体_GB2312: one row per face installed on this machine. A caption
// fits when no clear ink of it falls outside its box (drawn into a box four
// times as large, with the label's own wrap width, to see what a clipped
// text would lose), on a plain screen and at 200 %; the explanation's lines
// are not drawn over each other; button and list texts fit inside their
// controls' text areas.

#include "ui/explanation_texts.h"
#include "ui/explanation_window.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/tests/ui_test_support.h"

#include <QComboBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionComboBox>
#include <QTest>

namespace {

const char* const kFaces[] = {
    "AR PL UMing CN",    "AR PL UKai CN",       "Noto Serif CJK SC",   "Noto Sans CJK SC",
    "WenQuanYi Zen Hei", "WenQuanYi Micro Hei", "Droid Sans Fallback",
};
const QString kChineseFamilies[] = {QStringLiteral("宋体"), QStringLiteral("楷体_GB2312")};

// Antialiased edges under half cover are not ink a reader would miss.
constexpr int kClearInk = 128;

// The clear ink of a label drawn unclipped, in the label's own pixels, on a
// screen of `ratio` device pixels per pixel.
QRect inkOf(QLabel& label, int ratio)
{
    const QSize box = label.size();
    label.resize(label.wordWrap() ? box.width() : box.width() * 4, box.height() * 4);
    QImage image(label.size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    label.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    label.resize(box);
    QRect ink;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) >= kClearInk)
                ink |= QRect(x / ratio, y / ratio, 1, 1);
        }
    }
    return ink;
}

}  // namespace

class TestTextFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { mostaric::ui::registerFontSubstitutes(); }

    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("face");
        const QStringList installed = QFontDatabase::families();
        for (const char* face : kFaces) {
            if (installed.contains(QString::fromLatin1(face)))
                QTest::newRow(face) << QString::fromLatin1(face);
        }
    }

    void textsFitTheirBoxes()
    {
        QFETCH(QString, face);
        QList<QStringList> saved;
        for (const QString& family : kChineseFamilies) {
            saved << QFont::substitutes(family);
            QFont::removeSubstitutions(family);
            QFont::insertSubstitutions(family, {face});
        }
        auto restore = qScopeGuard([&saved] {
            for (int i = 0; i < 2; ++i) {
                QFont::removeSubstitutions(kChineseFamilies[i]);
                QFont::insertSubstitutions(kChineseFamilies[i], saved[i]);
            }
        });
        QCOMPARE(QFontInfo(mostaric::ui::songTiFont(10.5)).family(), face);
        QCOMPARE(QFontInfo(mostaric::ui::kaiTiFont(15)).family(), face);

        mostaric::ui::MainWindow main;
        mostaric::ui::ExplanationWindow explanation;
        for (QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&explanation)}) {
            for (QLabel* label : window->findChildren<QLabel*>()) {
                const QRect ink = inkOf(*label, 1) | inkOf(*label, 2);
                const QString where = window->objectName() + u'/' + label->objectName();
                QVERIFY2(!ink.isEmpty(), qPrintable(where));
                QVERIFY2(QRect(QPoint(), label->size()).contains(ink),
                         qPrintable(QStringLiteral("%1: ink %2,%3 %4x%5 outside %6x%7")
                                        .arg(where).arg(ink.x()).arg(ink.y()).arg(ink.width())
                                        .arg(ink.height()).arg(label->width()).arg(label->height())));
                if (window == &explanation) {
                    // Its lines stand apart, not drawn over each other.
                    const auto* control =
                        mostaric::ui::findExplanationControl(qPrintable(label->objectName()));
                    QVERIFY(control != nullptr);
                    const qsizetype lines = mostaric::ui::displayedLines(*control).size();
                    QVERIFY2(lines == 1
                                 || ink.height() >= lines * 0.85 * QFontInfo(label->font()).pixelSize(),
                             qPrintable(where));
                }
            }
            for (QPushButton* button : window->findChildren<QPushButton*>()) {
                QStyleOptionButton option;
                option.initFrom(button);
                const QRect area = button->style()->subElementRect(QStyle::SE_PushButtonContents,
                                                                   &option, button);
                QVERIFY2(button->fontMetrics().horizontalAdvance(button->text()) <= area.width()
                             && button->fontMetrics().height() <= area.height(),
                         qPrintable(button->objectName()));
            }
            for (QComboBox* list : window->findChildren<QComboBox*>()) {
                QStyleOptionComboBox option;
                option.initFrom(list);
                const QRect area = list->style()->subControlRect(
                    QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
                for (int i = 0; i < list->count(); ++i) {
                    QVERIFY2(list->fontMetrics().horizontalAdvance(list->itemText(i)) <= area.width()
                                 && list->fontMetrics().tightBoundingRect(list->itemText(i)).height()
                                        <= area.height(),
                             qPrintable(list->objectName() + u' ' + list->itemText(i)));
                }
            }
        }
    }
};

int main(int argc, char** argv)
{
    return mostaric::test::runUiTest<TestTextFit>(argc, argv);
}

#include "test_text_fit.moc"
