// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start-up and the way between the two windows:
// prepareApplication, Application::start, "说  明" and "返  回".

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "ui/application.h"
#include "ui/explanation_window.h"
#include "ui/main_window.h"
#include "ui/tests/main_window_test_support.h"
#include "ui/tests/ui_test_support.h"

using mostaric::test::chooseByKeys;
using mostaric::test::click;
using mostaric::test::control;
using mostaric::test::retype;
using mostaric::test::s;
using mostaric::ui::Application;
using mostaric::ui::ExplanationWindow;
using mostaric::ui::MainWindow;

namespace {

// No browser ever starts in these tests.
bool noBrowser(const QUrl& /*page*/) { return true; }

int explanationWindowsAlive()
{
    int count = 0;
    const auto widgets = QApplication::allWidgets();
    for (QWidget* widget : widgets) {
        if (qobject_cast<ExplanationWindow*>(widget) != nullptr)
            ++count;
    }
    return count;
}

}  // namespace

class TestNavigation : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { mostaric::ui::prepareApplication(*qApp); }

    void prepareApplicationSetsNameVersionIcon()
    {
        QCOMPARE(QApplication::applicationName(), s("Mostaric"));
        QCOMPARE(QApplication::applicationVersion(), s("1.00"));
        QVERIFY(!QApplication::windowIcon().isNull());
        // The installed desktop entry is org.mostaric.Mostaric.desktop.
        QCOMPARE(QGuiApplication::desktopFileName(), s("org.mostaric.Mostaric"));
    }

    void startShowsTheMainWindowCentredWithFocusInS3()
    {
        Application program(&noBrowser);
        MainWindow& main = program.mainWindow();
        QVERIFY(!main.isVisible());
        // Start-up ran before the first showing; the explanation window does
        // not exist yet.
        QCOMPARE(control<QLineEdit>(main, QStringLiteral("sd"))->text(), s("0.62"));
        QCOMPARE(control<QComboBox>(main, QStringLiteral("bizhong"))->count(), 56);
        QVERIFY(program.explanationWindow() == nullptr);
        QCOMPARE(explanationWindowsAlive(), 0);
        const auto boxes = main.findChildren<QLineEdit*>();
        for (QLineEdit* box : boxes)
            QVERIFY(box->text() != QLatin1String("Text1"));

        program.start();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QVERIFY(main.isVisible());
        QCOMPARE(main.windowTitle(), s("欢迎使用"));
        QVERIFY(QApplication::focusWidget() != nullptr);
        QCOMPARE(QApplication::focusWidget()->objectName(), s("s3"));
        const QRect screen = main.screen()->availableGeometry();
        QVERIFY(qAbs(main.geometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(main.geometry().center().y() - screen.center().y()) <= 1);
        QVERIFY(program.explanationWindow() == nullptr);
        QCOMPARE(explanationWindowsAlive(), 0);
        QVERIFY(!program.hasEnded());
    }

    void explanationAndBackKeepEveryField_data()
    {
        QTest::addColumn<int>("visits");
        QTest::addColumn<bool>("backByCloseBox");
        QTest::newRow("one visit") << 1 << false;
        QTest::newRow("five visits") << 5 << false;
        QTest::newRow("three visits, back by the close box") << 3 << true;
    }
    void explanationAndBackKeepEveryField()
    {
        QFETCH(int, visits);
        QFETCH(bool, backByCloseBox);
        Application program(&noBrowser);
        program.start();
        MainWindow& main = program.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        // A batch in progress, results included.
        QVERIFY(chooseByKeys(control<QComboBox>(main, QStringLiteral("bizhong")),
                             QStringLiteral("1.08")));
        QVERIFY(chooseByKeys(control<QComboBox>(main, QStringLiteral("pinzhong")), s("美  乐")));
        QVERIFY(
            chooseByKeys(control<QComboBox>(main, QStringLiteral("xiguan")), QStringLiteral("18")));
        retype(control<QLineEdit>(main, QStringLiteral("weit")), QStringLiteral("100"));
        retype(control<QLineEdit>(main, QStringLiteral("Tt2")), QStringLiteral("12.5"));
        click(main, QStringLiteral("jisuan"));
        click(main, QStringLiteral("jialiu"));
        click(main, QStringLiteral("jiaomu"));
        retype(control<QLineEdit>(main, QStringLiteral("s1")), QStringLiteral("45"));
        const mostaric::CalculatorFields before = main.fields();
        QCOMPARE(QString::fromStdString(before.text(mostaric::Field::jiaomu2)), s("14.80"));
        const QPoint position = main.pos();

        QWidget* first = nullptr;
        for (int visit = 0; visit < visits; ++visit) {
            click(main, QStringLiteral("explain_c"));
            QVERIFY(!main.isVisible());
            QWidget* explanation = program.explanationWindow();
            QVERIFY(explanation != nullptr);
            if (first == nullptr)
                first = explanation;
            QCOMPARE(explanation, first);  // one instance, reused
            QCOMPARE(explanationWindowsAlive(), 1);
            QVERIFY(QTest::qWaitForWindowExposed(explanation));
            QVERIFY(explanation->isVisible());

            if (backByCloseBox) {
                explanation->close();
            } else {
                auto* back = explanation->findChild<QPushButton*>(QStringLiteral("goback"));
                QVERIFY(back != nullptr);
                QCOMPARE(back->text(), s("返  回"));
                QTest::mouseClick(back, Qt::LeftButton);
            }
            QVERIFY(!explanation->isVisible());
            QVERIFY(main.isVisible());
            QVERIFY(QTest::qWaitForWindowExposed(&main));
            QCOMPARE(main.pos(), position);
            QVERIFY(main.fields() == before);
            QCOMPARE(control<QComboBox>(main, QStringLiteral("pinzhong"))->count(), 9);
        }
        QCOMPARE(control<QComboBox>(main, QStringLiteral("bizhong"))->currentText(), s("1.08"));
        QCOMPARE(control<QLineEdit>(main, QStringLiteral("Tt1"))->text(),
                 QString::fromStdString(before.text(mostaric::Field::Tt1)));
    }

    void explanationByKeyboard()
    {
        Application program(&noBrowser);
        program.start();
        MainWindow& main = program.mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto* explain = control<QPushButton>(main, QStringLiteral("explain_c"));
        explain->setFocus(Qt::TabFocusReason);
        QTest::keyClick(explain, Qt::Key_Space);
        QWidget* explanation = program.explanationWindow();
        QVERIFY(explanation != nullptr);
        QVERIFY(explanation->isVisible());
        QVERIFY(!main.isVisible());
        QVERIFY(QTest::qWaitForWindowActive(explanation));
        QWidget* focus = QApplication::focusWidget();
        QVERIFY(focus != nullptr);
        QCOMPARE(focus->objectName(), s("goback"));
        QTest::keyClick(focus, Qt::Key_Return);
        QVERIFY(!explanation->isVisible());
        QVERIFY(main.isVisible());
    }

    void atMostOneWindowVisible()
    {
        Application program(&noBrowser);
        program.start();
        MainWindow& main = program.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        const auto visibleWindows = [] {
            int count = 0;
            const auto windows = QApplication::topLevelWidgets();
            for (QWidget* widget : windows) {
                if (widget->isVisible()
                    && (qobject_cast<MainWindow*>(widget) != nullptr
                        || qobject_cast<ExplanationWindow*>(widget) != nullptr))
                    ++count;
            }
            return count;
        };
        QCOMPARE(visibleWindows(), 1);
        click(main, QStringLiteral("explain_c"));
        QCOMPARE(visibleWindows(), 1);
        QVERIFY(program.explanationWindow()->isVisible());
    }
};

int main(int argc, char** argv) { return mostaric::test::runUiTest<TestNavigation>(argc, argv); }

#include "test_navigation.moc"
