// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's static form and its start-up state:
// controls, kinds, texts, geometry, fonts, window properties, keyboard order
// and accessible names.

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QScopeGuard>
#include <QTest>

#include <algorithm>
#include <cmath>

#include "ui/explanation_window.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/tests/main_window_test_support.h"
#include "ui/tests/ui_test_support.h"

using mostaric::test::control;
using mostaric::test::s;
using mostaric::ui::MainWindow;

namespace {

struct Expected {
    const char* name;
    const char* kind;  // label, list, input, result, hidden, button
    const char* text;  // nullptr: the implementer's text
    int left, top, width, height, tab;
};

// Copied from the window's definition table, independently of the program's
// own table.
// clang-format off
const Expected kExpected[] = {
    {"Label20", "label", "Mostaric V 2.0", 1680, 240, 4695, 375, 19},
    {"Label25", "label", "葡萄品种", 600, 840, 975, 375, 39},
    {"Label4", "label", "葡萄浆重量", 2400, 840, 1335, 255, 35},
    {"Label3", "label", "测得的比重", 4320, 840, 1575, 300, 36},
    {"Label6", "label", "习惯用糖量", 6120, 840, 1215, 255, 33},
    {"pinzhong", "list", "", 600, 1080, 1095, 330, 40},
    {"weit", "input", "", 2400, 1080, 975, 315, 12},
    {"Label5", "label", "Kg", 3500, 1080, 375, 255, 34},
    {"bizhong", "list", "", 4320, 1080, 1100, 330, 14},
    {"xiguan", "list", "", 6120, 1080, 1100, 330, 10},
    {"Label7", "label", "g/L", 7320, 1080, 375, 255, 32},
    {"Label1", "label", "此葡萄浆的糖度", 600, 1560, 1815, 255, 38},
    {"Label8", "label", "理想酒精度", 6120, 1560, 1215, 255, 31},
    {"tangdu", "result", "", 600, 1800, 615, 315, 43},
    {"T1", "result", "", 3360, 1800, 615, 315, 13},
    {"Tt2", "input", "Text1", 6120, 1800, 615, 315, 9},
    {"Label27", "label", "度(白利度)", 1320, 1875, 1335, 255, 45},
    {"label26", "label", "能酿出", 2640, 1875, 735, 255, 44},
    {"Label2", "label", "%vol(度)的红酒", 4080, 1875, 1575, 255, 37},
    {"Label9", "label", "%vol(度）", 6840, 1875, 975, 330, 30},
    {"Tt1", "result", "", 1920, 2520, 855, 300, 11},
    {"Label10", "label", "Kg(公斤)的糖才能达到理想酒精度", 2880, 2565, 3375, 375, 29},
    {"Label11", "label", "您需要加入", 600, 2595, 1215, 375, 28},
    {"jisuan", "button", "加糖计算", 6360, 2685, 1250, 400, 5},
    {"Label28", "label", "大概能酿出", 600, 2925, 1095, 375, 46},
    {"jiutiji", "result", "", 1920, 2925, 855, 300, 47},
    {"Label29", "label", "L(升)的红酒", 2880, 2925, 2055, 255, 48},
    {"s1", "input", "Text1", 1920, 3480, 855, 300, 8},
    {"Label13", "label", "mg/L (PPM、一般为30-80mg/L)", 2880, 3480, 2895, 255, 26},
    {"Label12", "label", "习惯加硫量", 600, 3540, 1095, 255, 27},
    {"jialiu", "button", "加硫计算", 6360, 3825, 1250, 400, 6},
    {"s2", "result", "", 1920, 3840, 855, 300, 7},
    {"Label15", "label", "g(克)的偏重亚硫酸钾", 2880, 3840, 2055, 300, 24},
    {"Label14", "label", "您需要加入", 600, 3885, 1095, 375, 25},
    {"s3", "result", "", 1920, 4200, 855, 315, 0},
    {"Label23", "label", "或者是", 1005, 4260, 735, 375, 16},
    {"Label24", "label", "ml(毫升)浓度为6%的亚硫酸溶液", 2880, 4260, 3015, 375, 15},
    {"jiaomu1", "input", "", 1920, 4800, 855, 300, 4},
    {"Label17", "label", "g/Kg (一般为0.2g/Kg)", 2880, 4800, 2895, 255, 22},
    {"Label16", "label", "习惯加酵母量", 600, 4875, 1335, 255, 23},
    {"jiaomu", "button", "酵母计算", 6360, 4905, 1250, 400, 2},
    {"jiaomu2", "result", "", 1920, 5160, 855, 300, 3},
    {"Label19", "label", "g(克)的酵母", 2880, 5160, 1695, 375, 20},
    {"Label18", "label", "您需要加入", 600, 5235, 1215, 375, 21},
    {"Label21", "label", nullptr, 960, 5760, 6375, 375, 18},
    {"Label22", "label", nullptr, 720, 6120, 6855, 375, 17},
    {"Command1", "button", nullptr, 600, 6600, 7035, 480, 49},
    {"sd", "hidden", "", 7080, 7080, 855, 375, 41},
    {"explain_c", "button", "说  明", 1680, 7320, 1500, 500, 42},
    {"exit", "button", "退  出", 4920, 7320, 1500, 500, 1},
};
// clang-format on

QAccessibleInterface* accessible(QWidget* widget)
{
    return QAccessible::queryAccessibleInterface(widget);
}

// The contrast ratio (WCAG's, gamma taken as 2.2) between the commonest colour
// of `part`, what stands behind its text, and the colour farthest from it.
double inkContrast(const QImage& part)
{
    QHash<QRgb, int> counts;
    for (int i = 0; i < part.width() * part.height(); ++i)
        ++counts[part.pixel(i % part.width(), i / part.width())];
    const auto luminance = [](QRgb c) {
        return 0.05 + 0.2126 * std::pow(qRed(c) / 255.0, 2.2)
            + 0.7152 * std::pow(qGreen(c) / 255.0, 2.2) + 0.0722 * std::pow(qBlue(c) / 255.0, 2.2);
    };
    const double back = luminance(
        std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
            return a.second < b.second;
        })->first);
    double best = 1;
    std::for_each(counts.keyBegin(), counts.keyEnd(), [&best, back, &luminance](QRgb ink) {
        best = std::max({best, luminance(ink) / back, back / luminance(ink)});
    });
    return best;
}

}  // namespace

class TestMainWindow : public mostaric::test::MainWindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        mostaric::ui::registerFontSubstitutes();
        QVERIFY(openWindow());
    }
    void cleanupTestCase() { closeWindow(); }

    void windowProperties()
    {
        QCOMPARE(m_window->objectName(), s("count1"));
        QCOMPARE(m_window->windowTitle(), s("欢迎使用"));
        QCOMPARE(m_window->size(), QSize(547, 544));
        QCOMPARE(m_window->minimumSize(), QSize(547, 544));
        QCOMPARE(m_window->maximumSize(), QSize(547, 544));
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(m_window->isWindow());
    }

    void everyControlIsThere()
    {
        // Fifty controls, each a direct child named by its control name, and no
        // other named control (the failure marks appear only on failure).
        QStringList names;
        for (const Expected& row : kExpected)
            names << s(row.name);
        QCOMPARE(names.size(), 50);
        QStringList found;
        const auto children =
            m_window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            if (!child->objectName().isEmpty())
                found << child->objectName();
        }
        names.sort();
        found.sort();
        QCOMPARE(found, names);
    }

    void controls_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ownText");
        QTest::addColumn<QRect>("twips");
        for (const Expected& row : kExpected) {
            QTest::newRow(row.name)
                << s(row.name) << s(row.kind) << (row.text != nullptr ? s(row.text) : QString())
                << (row.text == nullptr) << QRect(row.left, row.top, row.width, row.height);
        }
    }
    void controls()
    {
        QFETCH(QString, name);
        QFETCH(QString, kind);
        QFETCH(QString, text);
        QFETCH(bool, ownText);
        QFETCH(QRect, twips);

        QWidget* widget = control(*m_window, name);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->parentWidget(), m_window);
        // 15 twips are one pixel at 96 dpi.
        QCOMPARE(
            widget->geometry(),
            QRect(twips.left() / 15, twips.top() / 15, twips.width() / 15, twips.height() / 15));
        QVERIFY(widget->isEnabled());
        QCOMPARE(widget->isVisible(), kind != QLatin1String("hidden"));

        if (kind == QLatin1String("label")) {
            auto* label = qobject_cast<QLabel*>(widget);
            QVERIFY(label != nullptr);
            if (!ownText)
                QCOMPARE(label->text(), text);
            QVERIFY(label->wordWrap());
            QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
            QCOMPARE(label->focusPolicy(), Qt::NoFocus);
        } else if (kind == QLatin1String("button")) {
            auto* button = qobject_cast<QPushButton*>(widget);
            QVERIFY(button != nullptr);
            if (!ownText)
                QCOMPARE(button->text(), text);
            QVERIFY(button->focusPolicy() & Qt::TabFocus);
        } else if (kind == QLatin1String("list")) {
            auto* list = qobject_cast<QComboBox*>(widget);
            QVERIFY(list != nullptr);
            QVERIFY(!list->isEditable());
            QVERIFY(list->focusPolicy() & Qt::TabFocus);
        } else {
            auto* box = qobject_cast<QLineEdit*>(widget);
            QVERIFY(box != nullptr);
            QCOMPARE(box->isReadOnly(), kind != QLatin1String("input"));
            QCOMPARE(box->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
            QVERIFY(box->hasFrame());
            if (kind == QLatin1String("hidden"))
                QCOMPARE(box->focusPolicy(), Qt::NoFocus);
            else
                QVERIFY(box->focusPolicy() & Qt::TabFocus);
            // The definition's "Text1" is replaced before the window shows.
            QVERIFY(box->text() != QLatin1String("Text1"));
        }
    }

    void startUpTexts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("text");
        QTest::newRow("weit") << "weit"
                              << "0";
        QTest::newRow("sd") << "sd"
                            << "0.62";
        QTest::newRow("Tt2") << "Tt2"
                             << "0";
        QTest::newRow("s1") << "s1"
                            << "30";
        QTest::newRow("jiaomu1") << "jiaomu1"
                                 << "0.2";
        for (const char* result : {"tangdu", "T1", "Tt1", "jiutiji", "s2", "s3", "jiaomu2"})
            QTest::newRow(result) << result << "";
    }
    void startUpTexts()
    {
        QFETCH(QString, name);
        QFETCH(QString, text);
        auto* box = control<QLineEdit>(*m_window, name);
        QVERIFY(box != nullptr);
        QCOMPARE(box->text(), text);
        const mostaric::Field field = mostaric::test::fieldNamed(name);
        QCOMPARE(QString::fromStdString(m_window->fields().text(field)), text);
    }

    void startUpLists_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("first");
        QTest::addColumn<QString>("last");
        QTest::addColumn<int>("count");
        QTest::newRow("pinzhong") << "pinzhong"
                                  << QStringList{s("赤霞珠"), s("蛇龙珠"), s("桂  葡"),
                                                 s("品丽珠"), s("美  乐"), s("西  拉"),
                                                 s("巨  峰"), s("玫瑰香"), s("山葡萄")}
                                  << s("山葡萄") << 9;
        QTest::newRow("bizhong") << "bizhong"
                                 << QStringList{s("1.056"), s("1.057"), s("1.058"), s("1.059"),
                                                s("1.06")}
                                 << s("1.111") << 56;
        QTest::newRow("xiguan") << "xiguan" << QStringList{s("17"), s("18"), s("19"), s("20")}
                                << s("20") << 4;
    }
    void startUpLists()
    {
        QFETCH(QString, name);
        QFETCH(QStringList, first);
        QFETCH(QString, last);
        QFETCH(int, count);
        auto* list = control<QComboBox>(*m_window, name);
        QVERIFY(list != nullptr);
        QCOMPARE(list->count(), count);
        for (int i = 0; i < first.size(); ++i)
            QCOMPARE(list->itemText(i), first.at(i));
        QCOMPARE(list->itemText(count - 1), last);
        QCOMPARE(list->currentIndex(), -1);  // nothing chosen
        QCOMPARE(list->currentText(), QString());
    }

    void noTextOneAnywhere()
    {
        const auto boxes = m_window->findChildren<QLineEdit*>();
        for (QLineEdit* box : boxes)
            QVERIFY2(!box->text().contains(QLatin1String("Text1")), qPrintable(box->objectName()));
    }

    void fonts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("face");  // songti, kaiti, times, default
        QTest::addColumn<qreal>("points");
        for (const Expected& row : kExpected) {
            const QString name = s(row.name);
            if (name == QLatin1String("Label20"))
                QTest::newRow(row.name) << name << "kaiti" << 15.0;
            else if (name == QLatin1String("Label21"))
                QTest::newRow(row.name) << name << "songti" << 12.0;
            else if (name == QLatin1String("Label22"))
                QTest::newRow(row.name) << name << "times" << 12.0;
            else if (name == QLatin1String("sd"))
                QTest::newRow(row.name) << name << "default" << 0.0;
            else
                QTest::newRow(row.name) << name << "songti" << 10.5;
        }
    }
    void fonts()
    {
        QFETCH(QString, name);
        QFETCH(QString, face);
        QFETCH(qreal, points);
        QWidget* widget = control(*m_window, name);
        QVERIFY(widget != nullptr);
        const QFont font = widget->font();
        if (face == QLatin1String("default")) {
            QCOMPARE(font, m_window->font());
            return;
        }
        const QString family = face == QLatin1String("songti") ? s("宋体")
            : face == QLatin1String("kaiti")                   ? s("楷体_GB2312")
                                                               : s("Times New Roman");
        QCOMPARE(font.family(), family);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic());
        QVERIFY(!font.underline());
    }

    void ownTextsFitOnOneLine_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("Label21") << "Label21";
        QTest::newRow("Label22") << "Label22";
        QTest::newRow("Command1") << "Command1";
    }
    void ownTextsFitOnOneLine()
    {
        QFETCH(QString, name);
        QWidget* widget = control(*m_window, name);
        QVERIFY(widget != nullptr);
        QString text;
        if (auto* label = qobject_cast<QLabel*>(widget))
            text = label->text();
        else
            text = qobject_cast<QPushButton*>(widget)->text();
        QVERIFY(!text.isEmpty());
        QVERIFY(!text.contains(QLatin1Char('\n')));
        const int margin = qobject_cast<QPushButton*>(widget) != nullptr ? 12 : 0;
        QVERIFY2(QFontMetrics(widget->font()).horizontalAdvance(text) + margin <= widget->width(),
                 qPrintable(text));
    }

    void command1ShowsTheForumAddress()
    {
        auto* button = control<QPushButton>(*m_window, QStringLiteral("Command1"));
        QVERIFY(button != nullptr);
        QVERIFY(button->text().endsWith(QStringLiteral(MOSTARIC_TEST_FORUM_ADDRESS)));
        QVERIFY(button->text().startsWith(s("欢迎")));
    }

    void command1FaceIsInactiveCaptionGrey()
    {
        // Drawn in the classic system colour for inactive caption text, a calm
        // light grey, unlike the standard buttons.
        auto* link = control<QPushButton>(*m_window, QStringLiteral("Command1"));
        const QImage face = link->grab().toImage();
        const QColor sample = face.pixelColor(face.width() / 2, 4);  // above the text
        QCOMPARE(sample, QColor(0xc0, 0xc0, 0xc0));
        auto* exit = control<QPushButton>(*m_window, QStringLiteral("exit"));
        QVERIFY(exit->styleSheet().isEmpty());
    }

    void weightToolTip()
    {
        QWidget* weight = control(*m_window, QStringLiteral("weit"));
        QCOMPARE(weight->toolTip(), s("去梗后，含有皮、核的葡萄汁。"));
    }

    void resultsTakeFocusButNoTyping_data()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"tangdu", "T1", "Tt1", "jiutiji", "s2", "s3", "jiaomu2"})
            QTest::newRow(name) << name;
    }
    void resultsTakeFocusButNoTyping()
    {
        QFETCH(QString, name);
        auto* box = control<QLineEdit>(*m_window, name);
        QVERIFY(box != nullptr);
        box->setText(QStringLiteral("1.23"));  // as a calculation would
        box->setFocus(Qt::TabFocusReason);
        QVERIFY(box->hasFocus());
        QTest::keyClicks(box, QStringLiteral("45a"));
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QCOMPARE(box->text(), QStringLiteral("1.23"));
        QTest::keyClick(box, Qt::Key_Home);
        QTest::keyClick(box, Qt::Key_End, Qt::ShiftModifier);
        QCOMPARE(box->selectedText(), QStringLiteral("1.23"));  // selectable, so copyable
        box->setText(QString());
    }

    void resultContextMenuCopies()
    {
        auto* box = control<QLineEdit>(*m_window, QStringLiteral("s3"));
        box->setText(QStringLiteral("27.87"));
        box->selectAll();
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(3, 3),
                                box->mapToGlobal(QPoint(3, 3)));
        QApplication::sendEvent(box, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        QStringList names;
        const auto actions = menu->actions();
        for (QAction* action : actions) {
            if (!action->isSeparator())
                names << action->objectName();
        }
        QCOMPARE(names, (QStringList{s("edit-copy"), s("select-all")}));
        auto* copy = menu->findChild<QAction*>(QStringLiteral("edit-copy"));
        QVERIFY(copy->text().startsWith(s("复制")));
        copy->trigger();
        menu->close();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("27.87"));
        QCOMPARE(box->text(), QStringLiteral("27.87"));
        box->setText(QString());
    }

    void listsTakeNoText()
    {
        auto* list = control<QComboBox>(*m_window, QStringLiteral("xiguan"));
        QTest::keyClicks(list, QStringLiteral("abc"));
        QVERIFY(list->currentIndex() == -1 || list->findText(list->currentText()) >= 0);
        QVERIFY(list->lineEdit() == nullptr);
    }

    void hiddenYieldIsOutOfReach()
    {
        auto* sd = control<QLineEdit>(*m_window, QStringLiteral("sd"));
        QVERIFY(!sd->isVisible());
        QVERIFY(sd->isHidden());
        QCOMPARE(sd->focusPolicy(), Qt::NoFocus);
        QVERIFY(sd->isReadOnly());
    }

    void keyboardOrder()
    {
        const QStringList expected = {
            s("s3"),      s("exit"),     s("jiaomu"),  s("jiaomu2"),  s("jiaomu1"),   s("jisuan"),
            s("jialiu"),  s("s2"),       s("s1"),      s("Tt2"),      s("xiguan"),    s("Tt1"),
            s("weit"),    s("T1"),       s("bizhong"), s("pinzhong"), s("explain_c"), s("tangdu"),
            s("jiutiji"), s("Command1"), s("s3"),
        };
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        control(*m_window, QStringLiteral("s3"))->setFocus(Qt::OtherFocusReason);
        QStringList seen{QApplication::focusWidget()->objectName()};
        for (int i = 1; i < expected.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            seen << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(seen, expected);

        // And backwards from s3 to Command1.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget()->objectName(), s("Command1"));
    }

    void firstFocusIsS3()
    {
        MainWindow fresh;
        fresh.show();
        fresh.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&fresh));
        QVERIFY(QApplication::focusWidget() != nullptr);
        QCOMPARE(QApplication::focusWidget()->objectName(), s("s3"));
    }

    void accessibleNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("accessibleName");
        QTest::newRow("pinzhong") << "pinzhong" << s("葡萄品种");
        QTest::newRow("weit") << "weit" << s("葡萄浆重量 Kg");
        QTest::newRow("bizhong") << "bizhong" << s("测得的比重");
        QTest::newRow("xiguan") << "xiguan" << s("习惯用糖量 g/L");
        QTest::newRow("tangdu") << "tangdu" << s("此葡萄浆的糖度 度(白利度)");
        QTest::newRow("T1") << "T1" << s("能酿出 %vol(度)的红酒");
        QTest::newRow("Tt2") << "Tt2" << s("理想酒精度 %vol(度）");
        QTest::newRow("Tt1") << "Tt1" << s("您需要加入 Kg(公斤)的糖才能达到理想酒精度");
        QTest::newRow("jiutiji") << "jiutiji" << s("大概能酿出 L(升)的红酒");
        QTest::newRow("s1") << "s1" << s("习惯加硫量 mg/L (PPM、一般为30-80mg/L)");
        QTest::newRow("s2") << "s2" << s("您需要加入 g(克)的偏重亚硫酸钾");
        QTest::newRow("s3") << "s3" << s("或者是 ml(毫升)浓度为6%的亚硫酸溶液");
        QTest::newRow("jiaomu1") << "jiaomu1" << s("习惯加酵母量 g/Kg (一般为0.2g/Kg)");
        QTest::newRow("jiaomu2") << "jiaomu2" << s("您需要加入 g(克)的酵母");
        QTest::newRow("button jisuan") << "jisuan" << s("加糖计算");
        QTest::newRow("button jialiu") << "jialiu" << s("加硫计算");
        QTest::newRow("button jiaomu") << "jiaomu" << s("酵母计算");
        QTest::newRow("button explain_c") << "explain_c" << s("说  明");
        QTest::newRow("button exit") << "exit" << s("退  出");
    }
    void accessibleNames()
    {
        QFETCH(QString, name);
        QFETCH(QString, accessibleName);
        QWidget* widget = control(*m_window, name);
        QVERIFY(widget != nullptr);
        QAccessibleInterface* iface = accessible(widget);
        QVERIFY(iface != nullptr);
        QCOMPARE(iface->text(QAccessible::Name), accessibleName);
    }

    // Each caption and unit label names its field for assistive technology.
    void labelsNameTheirFields_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        const char* const pairs[][2] = {
            {"Label25", "pinzhong"}, {"Label4", "weit"},     {"Label5", "weit"},
            {"Label3", "bizhong"},   {"Label6", "xiguan"},   {"Label7", "xiguan"},
            {"Label1", "tangdu"},    {"Label27", "tangdu"},  {"label26", "T1"},
            {"Label2", "T1"},        {"Label8", "Tt2"},      {"Label9", "Tt2"},
            {"Label11", "Tt1"},      {"Label10", "Tt1"},     {"Label28", "jiutiji"},
            {"Label29", "jiutiji"},  {"Label12", "s1"},      {"Label13", "s1"},
            {"Label14", "s2"},       {"Label15", "s2"},      {"Label23", "s3"},
            {"Label24", "s3"},       {"Label16", "jiaomu1"}, {"Label17", "jiaomu1"},
            {"Label18", "jiaomu2"},  {"Label19", "jiaomu2"}, {"Label20", ""},
            {"Label21", ""},         {"Label22", ""},
        };
        for (const auto& [label, field] : pairs)
            QTest::newRow(label) << s(label) << s(field);
    }
    void labelsNameTheirFields()
    {
        QFETCH(QString, label);
        QFETCH(QString, field);
        auto* widget = control<QLabel>(*m_window, label);
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->buddy() != nullptr ? widget->buddy()->objectName() : QString(), field);
    }

    // The window pairs each field with the labels the form makes its buddies:
    // every shown field has one caption before or above it and at most one
    // unit to its right; the hidden sd and nothing else has none.
    void formGivesEachFieldOneCaption()
    {
        for (const mostaric::FieldInfo& info : mostaric::kFields) {
            const QString name = mostaric::test::nameOf(info.field);
            QWidget* field = control(*m_window, name);
            QVERIFY2(field != nullptr, qPrintable(name));
            int captions = 0;
            int units = 0;
            const QList<QLabel*> labels = m_window->findChildren<QLabel*>();
            for (const QLabel* label : labels) {
                if (label->buddy() == field)
                    ++(label->x() > field->geometry().right() ? units : captions);
            }
            const bool hidden = info.kind == mostaric::FieldKind::Hidden;
            QCOMPARE(captions, hidden ? 0 : 1);
            QVERIFY2(units <= (hidden ? 0 : 1), qPrintable(name));
        }
    }

    void accessibleWebLinkAndWeightDescription()
    {
        QAccessibleInterface* link = accessible(control(*m_window, QStringLiteral("Command1")));
        QCOMPARE(link->text(QAccessible::Name),
                 control<QPushButton>(*m_window, QStringLiteral("Command1"))->text());
        QAccessibleInterface* weight = accessible(control(*m_window, QStringLiteral("weit")));
        QCOMPARE(weight->text(QAccessible::Description), s("去梗后，含有皮、核的葡萄汁。"));
    }

    void captionsNameTheirFields_data()
    {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("field");
        for (auto [label, field] : {std::pair{"Label25", "pinzhong"},
                                    {"Label3", "bizhong"},
                                    {"Label6", "xiguan"},
                                    {"Label4", "weit"},
                                    {"Label11", "Tt1"}})
            QTest::newRow(label) << s(label) << s(field);
    }
    void captionsNameTheirFields()
    {
        QFETCH(QString, label);
        QFETCH(QString, field);
        QWidget* widget = control(*m_window, field);
        if (auto* list = qobject_cast<QComboBox*>(widget))
            list->setCurrentIndex(1);  // a value shown must not hide the caption
        QStringList labelledBy;
        const auto relations = accessible(widget)->relations(QAccessible::Label);
        for (const auto& [iface, relation] : relations)
            labelledBy << iface->text(QAccessible::Name);
        QVERIFY(labelledBy.contains(control<QLabel>(*m_window, label)->text()));
    }

    void textsReadOnEveryPalette_data()
    {
        QTest::addColumn<QPalette>("palette");  // as a desktop theme sets it
        QTest::newRow("dark") << QPalette(QColor(0x35, 0x35, 0x35));
        QTest::newRow("light") << QPalette(QColor(0xef, 0xef, 0xef));
    }
    void textsReadOnEveryPalette()
    {
        QFETCH(QPalette, palette);
        const auto restore =
            qScopeGuard([old = QApplication::palette()] { QApplication::setPalette(old); });
        QApplication::setPalette(palette);
        MainWindow main;
        mostaric::ui::ExplanationWindow page;
        const auto lists = main.findChildren<QComboBox*>();
        for (auto* list : lists)
            QVERIFY(mostaric::test::chooseByKeys(list, list->itemText(1)));
        for (const char* button : {"jisuan", "jialiu", "jiaomu"})
            mostaric::test::click(main, s(button));
        for (QWidget* window : {static_cast<QWidget*>(&main), static_cast<QWidget*>(&page)}) {
            window->show();
            QVERIFY(QTest::qWaitForWindowExposed(window));
            const QImage shot = window->grab().toImage();
            const auto children =
                window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
            for (QWidget* child : children) {
                const int in = qobject_cast<QLabel*>(child) != nullptr ? 0 : 4;  // inside frames
                const QRectF part = child->geometry().adjusted(in, in, -in, -in);
                const qreal scale = shot.devicePixelRatio();  // 1.5 at 144 dpi
                const double ratio = inkContrast(
                    shot.copy(QRectF(part.topLeft() * scale, part.size() * scale).toRect()));
                QVERIFY2(child->isHidden() || ratio >= 3.0, qPrintable(child->objectName()));
            }
        }
    }
};

int main(int argc, char** argv) { return mostaric::test::runUiTest<TestMainWindow>(argc, argv); }

#include "test_main_window.moc"
