// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of the program: "退  出" and the main window's close box
// hide and destroy both windows and end the event loop, also when the
// explanation window was created before.

#include <QApplication>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/tests/main_window_test_support.h"
#include "ui/tests/ui_test_support.h"

using mostaric::test::click;
using mostaric::test::control;
using mostaric::ui::Application;
using mostaric::ui::MainWindow;

class TestExit : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void endsTheEventLoop_data()
    {
        QTest::addColumn<bool>("visitExplanation");
        QTest::addColumn<bool>("byCloseBox");
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("exit at once") << false << false << false;
        QTest::newRow("exit after the explanation") << true << false << false;
        QTest::newRow("exit by keyboard") << false << false << true;
        QTest::newRow("close box") << false << true << false;
        QTest::newRow("close box after the explanation") << true << true << false;
    }
    void endsTheEventLoop()
    {
        QFETCH(bool, visitExplanation);
        QFETCH(bool, byCloseBox);
        QFETCH(bool, byKeyboard);

        int launches = 0;
        Application program([&launches](const QUrl&) {
            ++launches;
            return true;
        });
        program.start();
        QPointer<MainWindow> main = &program.mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.data()));
        QPointer<QWidget> explanation;
        if (visitExplanation) {
            click(*main, QStringLiteral("explain_c"));
            explanation = program.explanationWindow();
            QVERIFY(explanation != nullptr);
            auto* back = explanation->findChild<QPushButton*>(QStringLiteral("goback"));
            QTest::mouseClick(back, Qt::LeftButton);
            QVERIFY(main->isVisible());
            QVERIFY(explanation->isHidden());
        }

        // The user's action runs inside the event loop, as in the program.
        bool acted = false;
        QTimer::singleShot(0, main.data(), [&] {
            acted = true;
            if (byCloseBox) {
                main->close();
            } else if (byKeyboard) {
                auto* exit = control<QPushButton>(*main, QStringLiteral("exit"));
                exit->setFocus(Qt::TabFocusReason);
                QTest::keyClick(exit, Qt::Key_Space);
            } else {
                click(*main, QStringLiteral("exit"));
            }
        });
        // Should the loop not end, this ends it with another code.
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        guard.start(5000);
        const int code = QApplication::exec();

        QVERIFY(acted);
        QCOMPARE(code, 0);
        QVERIFY(program.hasEnded());
        // No window survives.
        QVERIFY(main.isNull());
        QVERIFY(explanation.isNull());
        QVERIFY(program.explanationWindow() == nullptr);
        QCOMPARE(launches, 0);
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows)
            QVERIFY2(!window->isVisible(), qPrintable(window->objectName()));
    }

    void exitBeforeTheLoopStarts()
    {
        // A driver that calls exit() before exec(): the loop ends at once.
        Application program([](const QUrl&) { return true; });
        program.start();
        QPointer<MainWindow> main = &program.mainWindow();
        program.showExplanation();
        QPointer<QWidget> explanation = program.explanationWindow();
        program.exit();
        QVERIFY(program.hasEnded());
        QVERIFY(!main->isVisible());
        QVERIFY(!explanation->isVisible());
        QTimer guard;
        guard.setSingleShot(true);
        connect(&guard, &QTimer::timeout, qApp, [] { QCoreApplication::exit(99); });
        guard.start(5000);
        QCOMPARE(QApplication::exec(), 0);
        QVERIFY(main.isNull());
        QVERIFY(explanation.isNull());
    }

    void applicationAloneDestroysItsWindows()
    {
        // Destroying the Application without exit() (a driver that never
        // started the event loop) destroys both windows too.
        QPointer<QWidget> main;
        QPointer<QWidget> explanation;
        {
            Application program([](const QUrl&) { return true; });
            program.start();
            main = &program.mainWindow();
            program.showExplanation();
            explanation = program.explanationWindow();
            QVERIFY(!explanation.isNull());
        }
        QVERIFY(main.isNull());
        QVERIFY(explanation.isNull());
    }
};

int main(int argc, char** argv) { return mostaric::test::runUiTest<TestExit>(argc, argv); }

#include "test_exit.moc"
