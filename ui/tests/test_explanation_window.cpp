// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The explanation window `explain`: texts and their lines,
// geometry and keyboard order of every control, window properties, focus,
// keys and the close box.

#include "ui/explanation_window.h"
#include "ui/fonts.h"
#include "ui/tests/ui_test_support.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using mostaric::test::s;
using mostaric::ui::ExplanationWindow;

namespace {

// The controls in reading order, written out again here by hand so that
// the window's own table is checked against an independent copy.
struct Row {
    const char* name;
    bool button;
    int left, top, width, height, tab;
};

// clang-format off
constexpr Row kRows[] = {
    {"Label10", false, 480, 480, 1215, 255, 12},
    {"Label11", false, 1560, 480, 4935, 495, 13},
    {"Label12", false, 1560, 840, 4455, 375, 14},
    {"Label13", false, 1560, 1200, 3015, 375, 15},
    {"sm1", false, 480, 1560, 735, 255, 0},
    {"sm_1", false, 720, 2040, 5415, 495, 1},
    {"Label1", false, 720, 2520, 1095, 255, 3},
    {"Label2", false, 960, 2880, 5295, 495, 4},
    {"Label3", false, 960, 3480, 5295, 615, 5},
    {"Label4", false, 960, 4080, 5655, 495, 6},
    {"Label5", false, 960, 4680, 5535, 375, 7},
    {"Label9", false, 720, 5160, 4815, 255, 11},
    {"Label6", false, 720, 5640, 1215, 375, 8},
    {"Label7", false, 1200, 6000, 5175, 495, 9},
    {"Label8", false, 1200, 6435, 5175, 375, 10},
    {"goback", true, 4320, 6960, 1500, 500, 2},
};
// clang-format on

QString blanks(int n) { return QString(n, u' '); }

}  // namespace

class TestExplanationWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<ExplanationWindow> m_window;

    template <typename T> T* control(const QString& name)
    {
        return m_window->findChild<T*>(name, Qt::FindDirectChildrenOnly);
    }

private Q_SLOTS:
    void init() { m_window = std::make_unique<ExplanationWindow>(); }

    void cleanup() { m_window.reset(); }

    // --- texts -----------------------------------------------------------

    void texts_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("stored");     // as the page is written
        QTest::addColumn<QStringList>("lines");  // as the page shows them

        QTest::newRow("Label10") << "Label10" << s(u"资料来源：") << QStringList{s(u"资料来源：")};
        QTest::newRow("Label13") << "Label13" << s(u"在此表示感谢！")
                                 << QStringList{s(u"在此表示感谢！")};
        QTest::newRow("sm1") << "sm1" << s(u"说明：") << QStringList{s(u"说明：")};
        QTest::newRow("sm_1") << "sm_1"
                              << s(u"1、葡萄浆：去梗、坏果、烂果等杂质，破碎后，含皮、核")
                + blanks(12) + s(u"的葡萄汁。")
                              << QStringList{
                                     s(u"1、葡萄浆：去梗、坏果、烂果等杂质，破碎后，含皮、核"),
                                     s(u"的葡萄汁。")};
        QTest::newRow("Label1") << "Label1" << s(u"2、公式：") << QStringList{s(u"2、公式：")};
        QTest::newRow("Label2") << "Label2"
                                << s(u"1）加糖：（（理想酒精度-原来酒精度）*习惯加糖量*葡")
                + blanks(11) + s(u"萄浆重量*出汁率/测得比重）/") + blanks(1) + s(u"1000")
                + blanks(1) + s(u"\r\n")
                                << QStringList{
                                       s(u"1）加糖：（（理想酒精度-原来酒精度）*习惯加糖量*葡"),
                                       s(u"萄浆重量*出汁率/测得比重）/ 1000")};
        QTest::newRow("Label3") << "Label3"
                                << s(u"2）加硫（偏重亚硫酸钾）：(习惯加硫量*葡萄浆重量*出")
                + blanks(26) + s(u"汁率/测得比重)/500") + blanks(1)
                                << QStringList{
                                       s(u"2）加硫（偏重亚硫酸钾）：(习惯加硫量*葡萄浆重量*出"),
                                       s(u"汁率/测得比重)/500")};
        QTest::newRow("Label4")
            << "Label4"
            << blanks(3) + s(u"加硫（ 6% 的亚硫酸）：习惯加硫量*葡萄浆重量*") + blanks(32)
                + s(u"出汁率/(测得比重*60*1.03)") + blanks(1)
            << QStringList{blanks(3) + s(u"加硫（ 6% 的亚硫酸）：习惯加硫量*葡萄浆重量*"),
                           s(u"出汁率/(测得比重*60*1.03)")};
        QTest::newRow("Label5") << "Label5" << s(u"3）加酵母：习惯加酵母量*葡萄浆重量*出汁率")
                                << QStringList{s(u"3）加酵母：习惯加酵母量*葡萄浆重量*出汁率")};
        QTest::newRow("Label9") << "Label9" << s(u"3、比重测量室温为20摄氏度；")
                                << QStringList{s(u"3、比重测量室温为20摄氏度；")};
        QTest::newRow("Label6") << "Label6" << s(u"4、出汁率：") << QStringList{s(u"4、出汁率：")};
        const QString row1 =
            s(u"赤霞珠 0.62") + blanks(6) + s(u"蛇龙珠 0.75") + blanks(6) + s(u"品丽珠 0.76");
        const QString row2 = s(u"美") + blanks(2) + s(u"乐 0.74") + blanks(6) + s(u"西") + blanks(2)
            + s(u"拉 0.73") + blanks(6) + s(u"巨") + blanks(2) + s(u"峰 0.83");
        QTest::newRow("Label7") << "Label7" << row1 + blanks(3) + row2 + blanks(1) + s(u"\r\n")
                                << QStringList{row1, row2};
        const QString row3 = s(u"玫瑰香 0.76") + blanks(6) + s(u"桂") + blanks(2) + s(u"葡 0.65")
            + blanks(6) + s(u"山葡萄 0.58");
        QTest::newRow("Label8") << "Label8" << row3 << QStringList{row3};
        QTest::newRow("goback") << "goback" << s(u"返  回") << QStringList{s(u"返  回")};
    }

    void texts()
    {
        QFETCH(QString, name);
        QFETCH(QString, stored);
        QFETCH(QStringList, lines);

        QCOMPARE(mostaric::test::pageLines(stored, lines.value(1)), lines);

        const QString shown = lines.join(u'\n');
        if (auto* label = control<QLabel>(name))
            QCOMPARE(label->text(), shown);
        else if (auto* button = control<QPushButton>(name))
            QCOMPARE(button->text(), shown);
        else
            QFAIL("no such control");
    }

    // The two references are ours: numbered "1、" and "2、", one line each
    // (Label12 stands one line below Label11).
    void references()
    {
        const auto* label11 = control<QLabel>(QStringLiteral("Label11"));
        const auto* label12 = control<QLabel>(QStringLiteral("Label12"));
        QVERIFY(label11 && label12);
        QVERIFY(label11->text().startsWith(s(u"1、")));
        QVERIFY(label12->text().startsWith(s(u"2、")));
        QVERIFY(!label11->text().contains(u'\n'));
        QVERIFY(!label12->text().contains(u'\n'));
    }

    // Each shown line fits its box with the font the window uses here, so no
    // line is clipped and none breaks anywhere else.
    void linesFitTheirBoxes_data()
    {
        QTest::addColumn<QString>("name");
        for (const Row& row : kRows) {
            if (!row.button)
                QTest::newRow(row.name) << QString::fromLatin1(row.name);
        }
    }

    void linesFitTheirBoxes()
    {
        QFETCH(QString, name);
        auto* label = control<QLabel>(name);
        QVERIFY(label != nullptr);
        QCOMPARE(label->wordWrap(), false);
        QCOMPARE(label->alignment(), Qt::AlignLeft | Qt::AlignTop);
        QCOMPARE(label->textFormat(), Qt::PlainText);
        const QFontMetrics metrics(label->font());
        const QStringList lines = label->text().split(u'\n');
        for (const QString& line : lines) {
            QVERIFY2(metrics.horizontalAdvance(line) <= label->width(),
                     qPrintable(QStringLiteral("%1 px > %2 px: %3")
                                    .arg(metrics.horizontalAdvance(line))
                                    .arg(label->width())
                                    .arg(line)));
        }
        QVERIFY2(metrics.height() * lines.size() <= label->height(),
                 qPrintable(QStringLiteral("%1 lines of %2 px > %3 px")
                                .arg(lines.size())
                                .arg(metrics.height())
                                .arg(label->height())));
    }

    // The drawn lines of two labels never run into each other (Label8 stands
    // right under the second line of Label7, Label12 one line under Label11).
    void textsDoNotOverlap()
    {
        const auto labels = m_window->findChildren<QLabel*>();
        // The glyphs' own boxes, line by line as the label stacks them: the
        // room a face keeps above and below its glyphs may overlap. Boxes are
        // rounded outwards to whole pixels, so one shared row is only the
        // faint edges of two glyphs.
        auto inkBox = [](const QLabel* label) {
            const QFontMetrics metrics(label->font());
            const QPoint origin = label->geometry().topLeft() + label->contentsRect().topLeft();
            int baseline = origin.y() + metrics.ascent();
            QRect ink;
            const auto lines = label->text().split(u'\n');
            for (const QString& line : lines) {
                ink |= metrics.tightBoundingRect(line).translated(origin.x(), baseline);
                baseline += metrics.lineSpacing();
            }
            return ink;
        };
        for (const QLabel* a : labels) {
            for (const QLabel* b : labels) {
                if (a == b)
                    continue;
                const QRect boxA = inkBox(a);
                const QRect boxB = inkBox(b);
                QVERIFY2(boxA.intersected(boxB).height() <= 1,
                         qPrintable(QStringLiteral("%1 (bottom %2) runs into %3 (top %4)")
                                        .arg(a->objectName())
                                        .arg(boxA.bottom())
                                        .arg(b->objectName())
                                        .arg(boxB.top())));
            }
        }
    }

    // --- controls ----------------------------------------------------------

    void geometry_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("button");
        QTest::addColumn<QRect>("rect");
        for (const Row& row : kRows) {
            // 15 twips to the pixel (96 dpi).
            QTest::newRow(row.name)
                << QString::fromLatin1(row.name) << row.button
                << QRect(row.left / 15, row.top / 15, row.width / 15, row.height / 15);
        }
    }

    void geometry()
    {
        QFETCH(QString, name);
        QFETCH(bool, button);
        QFETCH(QRect, rect);
        QWidget* widget = button ? static_cast<QWidget*>(control<QPushButton>(name))
                                 : static_cast<QWidget*>(control<QLabel>(name));
        QVERIFY(widget != nullptr);
        QCOMPARE(widget->geometry(), rect);
        QVERIFY(!widget->isHidden());
        QVERIFY(widget->isEnabled());

        // 宋体 10.5 pt, regular, upright, not underlined, on every control.
        const QFont font = widget->font();
        QCOMPARE(font.family(), s(u"宋体"));
        QCOMPARE(font.pointSizeF(), 10.5);
        QCOMPARE(font.weight(), QFont::Normal);
        QVERIFY(!font.italic());
        QVERIFY(!font.underline());
        QCOMPARE(QFontInfo(font).family(), QFontInfo(mostaric::ui::songTiFont(10.5)).family());
    }

    void exactlyTheTableControls()
    {
        const auto labels = m_window->findChildren<QLabel*>();
        const auto buttons = m_window->findChildren<QPushButton*>();
        QCOMPARE(labels.size(), 15);
        QCOMPARE(buttons.size(), 1);
        // In reading order, as assistive technology reads them.
        QStringList names;
        const auto children =
            m_window->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
        for (const QWidget* child : children)
            names << child->objectName();
        QStringList expected;
        for (const Row& row : kRows)
            expected << QString::fromLatin1(row.name);
        QCOMPARE(names, expected);
    }

    // The keyboard order runs through the controls that take the focus in the
    // order of their Tab places; only `goback` takes the focus.
    void tabOrder()
    {
        QStringList expected(16);
        for (const Row& row : kRows)
            expected[row.tab] = QString::fromLatin1(row.name);
        expected.removeIf([this](const QString& name) {
            return control<QWidget>(name)->focusPolicy() == Qt::NoFocus;
        });

        auto* first = control<QWidget>(expected.first());
        QVERIFY(first != nullptr);
        QStringList chain;
        QWidget* widget = first;
        do {
            if (widget->parentWidget() == m_window.get() && widget->focusPolicy() != Qt::NoFocus)
                chain.append(widget->objectName());
            widget = widget->nextInFocusChain();
        } while (widget != first && chain.size() <= 32);
        QCOMPARE(chain, expected);

        for (const Row& row : kRows) {
            auto* w = control<QWidget>(QString::fromLatin1(row.name));
            QCOMPARE(w->focusPolicy() != Qt::NoFocus, row.button);
        }
    }

    // --- window ------------------------------------------------------------

    void windowProperties()
    {
        QCOMPARE(m_window->objectName(), QStringLiteral("explain"));
        QCOMPARE(m_window->windowTitle(), s(u"说明"));
        QVERIFY(m_window->isWindow());
        QVERIFY(!m_window->windowIcon().isNull());
        const QFont font = m_window->font();
        QCOMPARE(font.family(), s(u"宋体"));
        QCOMPARE(font.pointSizeF(), 10.5);
    }

    void fixedClientSize()
    {
        const QSize size(6930 / 15, 7710 / 15);
        QCOMPARE(size, QSize(462, 514));
        QCOMPARE(m_window->size(), size);
        QCOMPARE(m_window->minimumSize(), size);
        QCOMPARE(m_window->maximumSize(), size);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->resize(600, 600);
        QCOMPARE(m_window->size(), size);
    }

    void windowFlags()
    {
        const Qt::WindowFlags flags = m_window->windowFlags();
        QVERIFY(flags.testFlag(Qt::WindowTitleHint));
        QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
        QVERIFY(flags.testFlag(Qt::CustomizeWindowHint));
        QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
        QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
        QVERIFY(flags.testFlag(Qt::MSWindowsFixedSizeDialogHint));
        // Not listed in the taskbar: a tool window of its own, without parent.
        QCOMPARE(m_window->windowType(), Qt::Tool);
        QVERIFY(m_window->parentWidget() == nullptr);
        // Screen readers announce a plain window, as for the main window
        // (Qt's role for one is Client), not a dialog.
        QCOMPARE(QAccessible::queryAccessibleInterface(m_window.get())->role(),
                 QAccessible::Client);
    }

    void centredWhenFirstShownThenStays()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        const QRect screen = m_window->screen()->availableGeometry();
        const QPoint offset = m_window->frameGeometry().center() - screen.center();
        QVERIFY2(qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1,
                 qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));

        const QPoint moved = m_window->pos() + QPoint(37, -21);
        m_window->move(moved);
        m_window->hide();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCOMPARE(m_window->pos(), moved);
    }

    void gobackHasFocusWhenShown()
    {
        auto* goback = control<QPushButton>(QStringLiteral("goback"));
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(m_window->focusWidget(), goback);
        QVERIFY(goback->hasFocus());

        // Also after going back to the main window and returning.
        QWidget mainWindow;
        mainWindow.resize(200, 100);
        m_window->hide();
        mainWindow.show();
        QVERIFY(QTest::qWaitForWindowActive(&mainWindow));
        mainWindow.hide();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QCOMPARE(m_window->focusWidget(), goback);
        QTRY_VERIFY(goback->hasFocus());
    }

    void keysPressGoback_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Return") << int(Qt::Key_Return) << int(Qt::NoModifier);
        QTest::newRow("Enter") << int(Qt::Key_Enter) << int(Qt::NoModifier);
        QTest::newRow("Space") << int(Qt::Key_Space) << int(Qt::NoModifier);
        QTest::newRow("Escape") << int(Qt::Key_Escape) << int(Qt::NoModifier);
        // Modified, the button leaves them to the window, which still goes back.
        QTest::newRow("Shift+Escape") << int(Qt::Key_Escape) << int(Qt::ShiftModifier);
        QTest::newRow("Ctrl+Return") << int(Qt::Key_Return) << int(Qt::ControlModifier);
        QTest::newRow("Shift+Enter") << int(Qt::Key_Enter) << int(Qt::ShiftModifier);
    }

    void keysPressGoback()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        auto* goback = control<QPushButton>(QStringLiteral("goback"));
        QVERIFY(goback->isDefault());
        QVERIFY(goback->autoDefault());
        m_window->show();
        QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
        QSignalSpy back(m_window.get(), &ExplanationWindow::backRequested);
        QTest::keyClick(goback, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(back.count(), 1);
        // The window does not hide itself: the owner does.
        QVERIFY(m_window->isVisible());
    }

    void clickEmitsBackRequested()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QSignalSpy back(m_window.get(), &ExplanationWindow::backRequested);
        QTest::mouseClick(control<QPushButton>(QStringLiteral("goback")), Qt::LeftButton);
        QCOMPARE(back.count(), 1);
    }

    void closeBoxGoesBack()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QSignalSpy back(m_window.get(), &ExplanationWindow::backRequested);
        QVERIFY(m_window->close());
        QCOMPARE(back.count(), 1);
        QVERIFY(!m_window->isVisible());

        // The close event itself, as the window system sends it: accepted, so
        // a quit or a logout is not held up while this window is shown.
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        QCloseEvent event;
        QCoreApplication::sendEvent(m_window.get(), &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(back.count(), 2);
    }

    void hiddenWindowMayBeClosed()
    {
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
        m_window->hide();
        QSignalSpy back(m_window.get(), &ExplanationWindow::backRequested);
        QCloseEvent event;
        QCoreApplication::sendEvent(m_window.get(), &event);
        QVERIFY(event.isAccepted());
        QCOMPARE(back.count(), 0);
    }
};

int main(int argc, char** argv)
{
    return mostaric::test::runUiTest<TestExplanationWindow>(argc, argv);
}

#include "test_explanation_window.moc"
