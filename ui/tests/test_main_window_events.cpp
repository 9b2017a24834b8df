// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's events bound to the core: choices made with the keyboard,
// the three calculation buttons clicked with the mouse, and how a failed
// calculation is shown.

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QToolTip>
#include <QWheelEvent>

#include "ui/main_window.h"
#include "ui/tests/main_window_test_support.h"
#include "ui/tests/ui_test_support.h"

using mostaric::Field;
using mostaric::test::chooseByKeys;
using mostaric::test::click;
using mostaric::test::control;
using mostaric::test::markedFields;
using mostaric::test::retype;
using mostaric::test::s;

class TestMainWindowEvents : public mostaric::test::MainWindowFixture {
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(openWindow()); }
    void cleanup() { closeWindow(); }

    void gravityChoice_data()
    {
        QTest::addColumn<QString>("gravity");
        QTest::addColumn<QString>("alcohol");
        QTest::addColumn<QString>("brix");
        // From the gravity table.
        QTest::newRow("first 1.056") << "1.056"
                                     << "7.0"
                                     << "13.7";
        QTest::newRow("1.06 short key") << "1.06"
                                        << "7.6"
                                        << "14.7";
        QTest::newRow("1.069 whole alcohol") << "1.069"
                                             << "9"
                                             << "16.8";
        QTest::newRow("typical 1.08") << "1.08"
                                      << "10.8"
                                      << "19.3";
        QTest::newRow("1.096 repeated alcohol") << "1.096"
                                                << "13.1"
                                                << "22.8";
        QTest::newRow("last 1.111") << "1.111"
                                    << "15.6"
                                    << "26.1";
    }
    void gravityChoice()
    {
        QFETCH(QString, gravity);
        QFETCH(QString, alcohol);
        QFETCH(QString, brix);
        retype(box("Tt2"), QStringLiteral("99"));
        QVERIFY(chooseByKeys(list("bizhong"), gravity));
        QCOMPARE(list("bizhong")->currentText(), gravity);
        QCOMPARE(text("T1"), alcohol);
        QCOMPARE(text("Tt2"), alcohol);
        QCOMPARE(text("tangdu"), brix);
        // Nothing else moved.
        QCOMPARE(text("weit"), QStringLiteral("0"));
        QCOMPARE(text("sd"), QStringLiteral("0.62"));
        QCOMPARE(text("Tt1"), QString());
    }

    void gravityChoiceByPopupClick()
    {
        // The user opens the list and clicks an entry.
        QComboBox* gravity = list("bizhong");
        gravity->showPopup();
        QAbstractItemView* view = gravity->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        const QModelIndex entry =
            view->model()->index(gravity->findText(QStringLiteral("1.08")), 0);
        view->scrollTo(entry);
        const QPoint centre = view->visualRect(entry).center();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, centre);
        QTRY_COMPARE(gravity->currentText(), QStringLiteral("1.08"));
        QCOMPARE(text("T1"), QStringLiteral("10.8"));
        QCOMPARE(text("tangdu"), QStringLiteral("19.3"));
    }

    void programmaticChangeTriggersNothing()
    {
        list("bizhong")->setCurrentIndex(3);
        QCOMPARE(text("T1"), QString());
        QCOMPARE(text("Tt2"), QStringLiteral("0"));
    }

    void varietyChoice_data()
    {
        QTest::addColumn<QString>("variety");
        QTest::addColumn<QString>("yield");
        QTest::newRow("赤霞珠") << s("赤霞珠") << "0.62";
        QTest::newRow("蛇龙珠") << s("蛇龙珠") << "0.75";
        QTest::newRow("桂  葡") << s("桂  葡") << "0.65";
        QTest::newRow("品丽珠") << s("品丽珠") << "0.76";
        QTest::newRow("美  乐") << s("美  乐") << "0.74";
        QTest::newRow("西  拉") << s("西  拉") << "0.73";
        QTest::newRow("巨  峰") << s("巨  峰") << "0.83";
        QTest::newRow("玫瑰香") << s("玫瑰香") << "0.76";
        QTest::newRow("山葡萄") << s("山葡萄") << "0.58";
    }
    void varietyChoice()
    {
        QFETCH(QString, variety);
        QFETCH(QString, yield);
        QVERIFY(chooseByKeys(list("pinzhong"), variety));
        QCOMPARE(text("sd"), yield);
        QVERIFY(!box("sd")->isVisible());
    }

    void customarySugarChoiceTriggersNothing()
    {
        const mostaric::CalculatorFields before = m_window->fields();
        QVERIFY(chooseByKeys(list("xiguan"), QStringLiteral("19")));
        mostaric::CalculatorFields after = m_window->fields();
        QCOMPARE(QString::fromStdString(after.text(Field::xiguan)), QStringLiteral("19"));
        after.text(Field::xiguan) = before.text(Field::xiguan);
        QVERIFY(after == before);
    }

    void typicalBatch()
    {
        // The overview's typical batch, entered as a user would, then the
        // three calculations.
        QVERIFY(mostaric::test::enterTypicalBatch(*m_window));
        QCOMPARE(text("Tt2"), QStringLiteral("12.5"));  // typed over the gravity choice's 10.8
        click(*m_window, QStringLiteral("jisuan"));
        click(*m_window, QStringLiteral("jialiu"));
        click(*m_window, QStringLiteral("jiaomu"));
        for (const auto& [field, expected] : mostaric::test::kTypicalBatchResults)
            QCOMPARE(text(mostaric::test::nameOf(field)), mostaric::ui::toQString(expected));
        QCOMPARE(text("s1"), QStringLiteral("30"));  // the customary doses stay
        QCOMPARE(text("jiaomu1"), QStringLiteral("0.2"));

        QVERIFY(markedFields(*m_window).isEmpty());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
    }

    void calculationsRightAfterStartUp_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QStringList>("results");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("sugar") << "jisuan" << QStringList{s("Tt1"), s("jiutiji")}
                               << QStringList{s("0.000"), s("0.000")};
        QTest::newRow("sulfite") << "jialiu" << QStringList{s("s2"), s("s3")}
                                 << QStringList{s("0.00"), s("0.00")};
        QTest::newRow("yeast") << "jiaomu" << QStringList{s("jiaomu2")} << QStringList{s("0.00")};
    }
    void calculationsRightAfterStartUp()
    {
        QFETCH(QString, button);
        QFETCH(QStringList, results);
        QFETCH(QStringList, texts);
        click(*m_window, button);
        for (int i = 0; i < results.size(); ++i)
            QCOMPARE(control<QLineEdit>(*m_window, results.at(i))->text(), texts.at(i));
    }

    void enterAndSpacePressTheFocusedButton_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }
    void enterAndSpacePressTheFocusedButton()
    {
        QFETCH(int, key);
        m_window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_window));
        auto* yeast = control<QPushButton>(*m_window, QStringLiteral("jiaomu"));
        yeast->setFocus(Qt::TabFocusReason);
        QTest::keyClick(yeast, Qt::Key(key));
        QCOMPARE(text("jiaomu2"), QStringLiteral("0.00"));
    }

    void untouchedFieldsKeepCaret()
    {
        QLineEdit* weight = box("weit");
        retype(weight, QStringLiteral("100"));
        QTest::keyClick(weight, Qt::Key_Home);
        QTest::keyClick(weight, Qt::Key_Right);
        QCOMPARE(weight->cursorPosition(), 1);
        click(*m_window, QStringLiteral("jiaomu"));
        QCOMPARE(text("jiaomu2"), QStringLiteral("12.40"));
        QCOMPARE(weight->text(), QStringLiteral("100"));
        QCOMPARE(weight->cursorPosition(), 1);  // not rewritten
    }

    void resultsShowTheirStart()
    {
        QVERIFY(chooseByKeys(list("bizhong"), QStringLiteral("1.08")));
        QVERIFY(chooseByKeys(list("xiguan"), QStringLiteral("17")));
        retype(box("weit"), QStringLiteral("99999999"));
        retype(box("Tt2"), QStringLiteral("12.5"));
        for (const char* button : {"jisuan", "jialiu", "jiaomu"})
            click(*m_window, s(button));
        for (const char* result : {"Tt1", "jiutiji", "s2", "s3", "jiaomu2"}) {
            QVERIFY(box(result)->fontMetrics().horizontalAdvance(text(result))
                    > box(result)->width());
            box(result)->grab();  // drawing scrolls the text to where the caret is
            QVERIFY2(box(result)->cursorPositionAt(QPoint(1, 10)) == 0, result);
        }
    }

    static void eachList()
    {
        QTest::addColumn<QString>("name");
        for (const char* name : {"pinzhong", "bizhong", "xiguan"})
            QTest::newRow(name) << s(name);
    }
    void wheelTurnsOnlyTheFocusedList_data() { eachList(); }
    void wheelTurnsOnlyTheFocusedList()
    {
        QFETCH(QString, name);
        auto* choices = control<QComboBox>(*m_window, name);
        QCOMPARE(choices->focusPolicy(), Qt::StrongFocus);  // a wheel notch gives no focus
        const mostaric::CalculatorFields before = m_window->fields();
        for (bool focused : {false, true}) {  // the wheel turns only the focused list
            QWheelEvent notch({5, 5}, choices->mapToGlobal(QPointF(5, 5)), {}, {0, -120},
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(choices, &notch);
            QCOMPARE(m_window->fields() == before, !focused);
            m_window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(m_window));
            choices->setFocus(Qt::MouseFocusReason);
        }
    }

    void listDropsBelowItsBox_data() { eachList(); }
    void listDropsBelowItsBox()
    {
        QFETCH(QString, name);
        auto* choices = control<QComboBox>(*m_window, name);
        choices->setFocus(Qt::TabFocusReason);
        QTest::keyClick(choices, Qt::Key_Down, Qt::AltModifier);
        QAbstractItemView* view = choices->view();
        QVERIFY(QTest::qWaitForWindowExposed(view->window()));
        QVERIFY(view->window()->y()
                >= QRect(choices->mapToGlobal(QPoint()), choices->size()).bottom());
        QVERIFY(view->window()->height() <= choices->screen()->availableGeometry().height() / 2);
        const int rows = view->viewport()->height() / view->sizeHintForRow(0);
        QVERIFY(rows >= std::min(choices->count(), 10) && rows <= 15);
        QCOMPARE(view->verticalScrollBar()->isVisible(), rows < choices->count());
        QTest::keyClick(view, Qt::Key_Down);
        const int picked = view->currentIndex().row();
        QTest::keyClick(view, Qt::Key_Return);
        QVERIFY(picked >= 0 && !view->isVisible());
        QCOMPARE(m_window->fields().text(mostaric::test::fieldNamed(name)),
                 choices->itemText(picked).toStdString());
    }

    void failureMarksTheField_data()
    {
        QTest::addColumn<QString>("input");
        QTest::addColumn<QString>("newText");
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QStringList>("keptResults");
        QTest::newRow("weit emptied, sugar")
            << "weit"
            << ""
            << "jisuan" << s("葡萄浆重量") << QStringList{s("Tt1"), s("jiutiji")};
        QTest::newRow("weit emptied, sulfite")
            << "weit"
            << ""
            << "jialiu" << s("葡萄浆重量") << QStringList{s("s2"), s("s3")};
        QTest::newRow("weit emptied, yeast")
            << "weit"
            << ""
            << "jiaomu" << s("葡萄浆重量") << QStringList{s("jiaomu2")};
        QTest::newRow("Tt2 lone point")
            << "Tt2"
            << "."
            << "jisuan" << s("理想酒精度") << QStringList{s("Tt1"), s("jiutiji")};
        QTest::newRow("Tt2 two points")
            << "Tt2"
            << "1.2.3"
            << "jisuan" << s("理想酒精度") << QStringList{s("Tt1"), s("jiutiji")};
        QTest::newRow("s1 two points")
            << "s1"
            << "3..0"
            << "jialiu" << s("习惯加硫量") << QStringList{s("s2"), s("s3")};
        QTest::newRow("jiaomu1 emptied")
            << "jiaomu1"
            << ""
            << "jiaomu" << s("习惯加酵母量") << QStringList{s("jiaomu2")};
    }
    void failureMarksTheField()
    {
        QFETCH(QString, input);
        QFETCH(QString, newText);
        QFETCH(QString, button);
        QFETCH(QString, caption);
        QFETCH(QStringList, keptResults);

        QVERIFY(chooseByKeys(list("bizhong"), QStringLiteral("1.08")));
        QVERIFY(chooseByKeys(list("xiguan"), QStringLiteral("17")));
        retype(box("weit"), QStringLiteral("100"));
        retype(box("Tt2"), QStringLiteral("12.5"));
        // A first successful run gives the results texts to keep.
        click(*m_window, button);
        QStringList before;
        for (const QString& result : keptResults)
            before << control<QLineEdit>(*m_window, result)->text();
        QVERIFY(!before.contains(QString()));

        auto* field = control<QLineEdit>(*m_window, input);
        retype(field, newText);
        QCOMPARE(field->text(), newText);
        click(*m_window, button);

        // The results keep their texts, the field keeps what the user typed,
        // and the field is marked with a note that names it.
        for (int i = 0; i < keptResults.size(); ++i)
            QCOMPARE(control<QLineEdit>(*m_window, keptResults.at(i))->text(), before.at(i));
        QCOMPARE(field->text(), newText);
        QCOMPARE(markedFields(*m_window), QList<Field>{mostaric::test::fieldNamed(input)});
        QVERIFY(field->property("calculationFailed").toBool());
        auto* frame = m_window->findChild<QFrame*>(QStringLiteral("failureMark_") + input);
        QVERIFY(frame != nullptr);
        QVERIFY(frame->isVisible());
        QVERIFY(frame->geometry().contains(field->geometry()));
        QVERIFY(m_window->lastNote().contains(caption));
        QVERIFY(m_window->lastNote().contains(s("不是一个数字")));
        QVERIFY(field->toolTip().contains(caption));
        // Shown at once beside the field, without stopping anything.
        QVERIFY(QToolTip::isVisible());
        QCOMPARE(QToolTip::text(), m_window->lastNote());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(frame->focusPolicy() == Qt::NoFocus);

        // The user's next edit of the field takes the mark away.
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClicks(field, QStringLiteral("5"));
        QVERIFY(markedFields(*m_window).isEmpty());
        QVERIFY(!field->property("calculationFailed").toBool());
        QVERIFY(m_window->findChild<QFrame*>(QStringLiteral("failureMark_") + input) == nullptr);
        if (input == QLatin1String("weit"))
            QCOMPARE(field->toolTip(), s("去梗后，含有皮、核的葡萄汁。"));
        else
            QCOMPARE(field->toolTip(), QString());
    }

    void notFiniteMarksTheResultUntilASuccessfulRun()
    {
        QVERIFY(chooseByKeys(list("bizhong"), QStringLiteral("1.08")));
        QVERIFY(chooseByKeys(list("xiguan"), QStringLiteral("17")));
        const QString huge = QString(300, QLatin1Char('9'));
        retype(box("weit"), huge);
        retype(box("Tt2"), huge);
        click(*m_window, QStringLiteral("jisuan"));

        QCOMPARE(markedFields(*m_window), QList<Field>{Field::Tt1});
        QCOMPARE(text("Tt1"), QString());
        QVERIFY(m_window->lastNote().contains(s("无法计算")));
        QVERIFY(m_window->lastNote().contains(s("Kg(公斤)的糖才能达到理想酒精度")));
        QCOMPARE(text("weit"), huge);

        // Another calculation that succeeds leaves the sugar's mark alone...
        retype(box("weit"), QStringLiteral("100"));
        click(*m_window, QStringLiteral("jiaomu"));
        QCOMPARE(markedFields(*m_window), QList<Field>{Field::Tt1});
        // ...the sugar calculation's own successful run takes it away.
        retype(box("Tt2"), QStringLiteral("12.5"));
        click(*m_window, QStringLiteral("jisuan"));
        QVERIFY(markedFields(*m_window).isEmpty());
        QCOMPARE(text("Tt1"), QStringLiteral("1.659"));
    }

    void gravityChoiceClearsTheTargetsMark()
    {
        QVERIFY(chooseByKeys(list("bizhong"), QStringLiteral("1.08")));
        QVERIFY(chooseByKeys(list("xiguan"), QStringLiteral("18")));
        retype(box("Tt2"), QStringLiteral("."));
        click(*m_window, QStringLiteral("jisuan"));
        QCOMPARE(markedFields(*m_window), QList<Field>{Field::Tt2});
        // A new gravity writes a new target: the mark goes with the old text.
        QVERIFY(chooseByKeys(list("bizhong"), QStringLiteral("1.09")));
        QCOMPARE(text("Tt2"), QStringLiteral("12.3"));
        QVERIFY(markedFields(*m_window).isEmpty());
    }
};

int main(int argc, char** argv)
{
    return mostaric::test::runUiTest<TestMainWindowEvents>(argc, argv);
}

#include "test_main_window_events.moc"
