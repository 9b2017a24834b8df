// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Both windows hold their texts whichever Chinese face stands in alone for
// 宋体 and 楷体_GB2312, one row per face installed here: no clear ink of a
// caption falls outside its box (drawn unclipped in a box four times as
// large, at 100 % and 200 %), the explanation's lines are not drawn over each
// other, and button and list texts fit their text areas.

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

// The ink (at least half cover) of a label drawn unclipped, in its own pixels.
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
            if (qAlpha(image.pixel(x, y)) >= 128)
                ink |= QRect(x / ratio, y / ratio, 1, 1);
        }
    }
    return ink;
}

bool textFits(const QWidget& control, const QString& text, QRect area)
{
    const QRect ink = control.fontMetrics().tightBoundingRect(text);
    return ink.width() <= area.width() && ink.height() <= area.height();
}

}  // namespace

class TestTextFit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void textsFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("face");
        for (const char* face :
             {"AR PL UMing CN", "AR PL UKai CN", "Noto Serif CJK SC", "Noto Sans CJK SC",
              "WenQuanYi Zen Hei", "WenQuanYi Micro Hei", "Droid Sans Fallback"}) {
            if (QFontDatabase::families().contains(QString::fromLatin1(face)))
                QTest::newRow(face) << QString::fromLatin1(face);
        }
    }

    void textsFitTheirBoxes()
    {
        QFETCH(QString, face);
        mostaric::ui::registerFontSubstitutes();
        for (const QString& family : {QStringLiteral("宋体"), QStringLiteral("楷体_GB2312")}) {
            QFont::removeSubstitutions(family);
            QFont::insertSubstitutions(family, {face});
        }
        QCOMPARE(QFontInfo(mostaric::ui::songTiFont(10.5)).family(), face);
        QFont kaiTi(QStringLiteral("楷体_GB2312"));
        kaiTi.setPointSize(15);
        QCOMPARE(QFontInfo(kaiTi).family(), face);

        mostaric::ui::MainWindow main;
        mostaric::ui::ExplanationWindow explanation;
        for (QWidget* window : std::initializer_list<QWidget*>{&main, &explanation}) {
            const auto labels = window->findChildren<QLabel*>();
            for (QLabel* label : labels) {
                const QRect ink = inkOf(*label, 1) | inkOf(*label, 2);
                const QByteArray name = label->objectName().toLatin1();
                QVERIFY2(!ink.isEmpty() && label->rect().contains(ink), name);
                const auto lines = window == &explanation ? label->text().count(u'\n') + 1 : 1;
                const int size = QFontInfo(label->font()).pixelSize();
                QVERIFY2(lines == 1 || ink.height() >= lines * 0.85 * size, name);
            }
            const auto buttons = window->findChildren<QPushButton*>();
            for (QPushButton* button : buttons) {
                QStyleOptionButton option;
                option.initFrom(button);
                QVERIFY2(textFits(*button, button->text(),
                                  button->style()->subElementRect(QStyle::SE_PushButtonContents,
                                                                  &option, button)),
                         qPrintable(button->objectName()));
            }
            const auto lists = window->findChildren<QComboBox*>();
            for (QComboBox* list : lists) {
                QStyleOptionComboBox option;
                option.initFrom(list);
                const QRect area = list->style()->subControlRect(
                    QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
                for (int i = 0; i < list->count(); ++i) {
                    const QString item = list->itemText(i);
                    QVERIFY2(textFits(*list, item, area), qPrintable(item));
                }
            }
        }
    }
};

int main(int argc, char** argv) { return mostaric::test::runUiTest<TestTextFit>(argc, argv); }

#include "test_text_fit.moc"
