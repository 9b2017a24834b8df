// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The web-link button Command1 with a fake browser launcher: it
// hands over the forum address it shows, does not wait, and a failure
// changes nothing but a short note.

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <utility>

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/tests/main_window_test_support.h"
#include "ui/tests/ui_test_support.h"

using mostaric::test::chooseByKeys;
using mostaric::test::click;
using mostaric::test::control;
using mostaric::test::markedFields;
using mostaric::test::retype;
using mostaric::ui::Application;
using mostaric::ui::MainWindow;

class TestWebLink : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void forumAddressIsTheConfiguredOne()
    {
        // MOSTARIC_TEST_FORUM_ADDRESS is the build's MOSTARIC_FORUM_ADDRESS.
        QCOMPARE(mostaric::ui::forumAddress(), QStringLiteral(MOSTARIC_TEST_FORUM_ADDRESS));
        // Always over HTTPS, to the configured host.
        QCOMPARE(mostaric::ui::forumUrl(),
                 QUrl(QStringLiteral("https://" MOSTARIC_TEST_FORUM_ADDRESS)));
        QVERIFY(mostaric::ui::forumUrl().isValid());
        QCOMPARE(mostaric::ui::forumUrl().scheme(), QStringLiteral("https"));
        QCOMPARE(mostaric::ui::forumUrl().host(), QStringLiteral(MOSTARIC_TEST_FORUM_ADDRESS));
    }

    void clickOpensTheAddress_data()
    {
        QTest::addColumn<int>("clicks");
        QTest::addColumn<bool>("byKeyboard");
        QTest::newRow("one click") << 1 << false;
        QTest::newRow("two clicks, two launches") << 2 << false;
        QTest::newRow("space on the focused button") << 1 << true;
    }
    void clickOpensTheAddress()
    {
        QFETCH(int, clicks);
        QFETCH(bool, byKeyboard);
        QList<QUrl> opened;
        Application program([&opened](const QUrl& url) {
            opened << url;
            return true;
        });
        program.start();
        MainWindow& main = program.mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        auto* link = control<QPushButton>(main, QStringLiteral("Command1"));
        QVERIFY(link->text().contains(QStringLiteral(MOSTARIC_TEST_FORUM_ADDRESS)));

        for (int i = 0; i < clicks; ++i) {
            if (byKeyboard) {
                link->setFocus(Qt::TabFocusReason);
                QTest::keyClick(link, Qt::Key_Space);
            } else {
                QTest::mouseClick(link, Qt::LeftButton);
            }
        }
        QCOMPARE(opened.size(), clicks);
        for (const QUrl& url : std::as_const(opened))
            QCOMPARE(url, QUrl(QStringLiteral("https://" MOSTARIC_TEST_FORUM_ADDRESS)));
        QVERIFY(main.isVisible());  // the main window stays
        QVERIFY(program.explanationWindow() == nullptr);
        QVERIFY(main.lastNote().isEmpty());
    }

    void failureLeavesEverything()
    {
        int calls = 0;
        Application program([&calls](const QUrl&) {
            ++calls;
            return false;  // no browser could be started
        });
        program.start();
        MainWindow& main = program.mainWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QVERIFY(chooseByKeys(control<QComboBox>(main, QStringLiteral("bizhong")),
                             QStringLiteral("1.1")));
        retype(control<QLineEdit>(main, QStringLiteral("weit")), QStringLiteral("25"));
        click(main, QStringLiteral("jiaomu"));
        const mostaric::CalculatorFields before = main.fields();

        click(main, QStringLiteral("Command1"));
        QCOMPARE(calls, 1);
        QVERIFY(main.fields() == before);
        QVERIFY(main.isVisible());
        QVERIFY(program.explanationWindow() == nullptr);
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        // A short note in Chinese that names the address.
        QVERIFY(!main.lastNote().isEmpty());
        QVERIFY(main.lastNote().contains(QStringLiteral(MOSTARIC_TEST_FORUM_ADDRESS)));
        QVERIFY(main.lastNote().contains(QString::fromUtf8("浏览器")));
        QVERIFY(markedFields(main).isEmpty());

        // The program goes on as before.
        click(main, QStringLiteral("jiaomu"));
        QCOMPARE(control<QLineEdit>(main, QStringLiteral("jiaomu2"))->text(),
                 QStringLiteral("3.10"));
    }
};

int main(int argc, char** argv) { return mostaric::test::runUiTest<TestWebLink>(argc, argv); }

#include "test_web_link.moc"
