// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: Qt's options on the command line do nothing while QT_QPA_PLATFORM
// acts; without a display the program says so in one line and exits with 1;
// without a Chinese face it notes so and runs on (CTest runs that test once
// more under a font set without Chinese faces).

#include "ui/application.h"
#include "ui/main_window.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QToolTip>

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void qtOptionsDoNothing()
    {
        QTemporaryFile sheet;
        QVERIFY(sheet.open() && sheet.write("QWidget { background: red; }") > 0 && sheet.flush());
        QByteArray name = sheet.fileName().toLocal8Bit();
        const char* argv[] = {"mostaric",    "-reverse",       "-platform", "minimal",
                              "-stylesheet", name.constData(), nullptr};
        QString platform, styleSheet = QStringLiteral("?");
        QCOMPARE(mostaric::ui::runProgram(6, const_cast<char**>(argv),
                                          [&](auto& program) {
                                              if (QGuiApplication::layoutDirection()
                                                  == Qt::LeftToRight)
                                                  platform = QGuiApplication::platformName();
                                              styleSheet = qApp->styleSheet();
                                              program.exit();
                                          }),
                 0);
        QCOMPARE(platform, qEnvironmentVariable("QT_QPA_PLATFORM"));
        QCOMPARE(styleSheet, QString());
    }

    void noDisplay_data()
    {
        QTest::addColumn<QString>("platform");
        QTest::newRow("default") << QString();
        QTest::newRow("xcb") << QStringLiteral("xcb");
        QTest::newRow("wayland") << QStringLiteral("wayland");
    }

    void noDisplay()
    {
        QFETCH(QString, platform);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(MOSTARIC_PROGRAM), {});
        QVERIFY(program.waitForFinished(-1));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QString error = QString::fromLocal8Bit(program.readAllStandardError());
        QCOMPARE(error.count(u'\n'), 1);
        QVERIFY2(error.contains("no graphical display") && error.contains("DISPLAY"),
                 qPrintable(error));
    }

    void missingChineseFaceIsNoted()
    {
        char name[] = "mostaric";
        char* argv[] = {name, nullptr};
        QString note = QStringLiteral("?");
        bool shownOnceActive = false;
        mostaric::ui::runProgram(1, argv, [&](auto& program) {
            note = program.mainWindow().lastNote();
            // The window's first activation takes any tool tip away; the note
            // comes back after it.
            QTimer::singleShot(0, &program, [&] {
                if (!note.isEmpty() && QTest::qWaitForWindowActive(&program.mainWindow())) {
                    shownOnceActive = QTest::qWaitFor(
                        [&] { return QToolTip::isVisible() && QToolTip::text() == note; });
                }
                program.exit();
            });
        });
        const bool noted = note.contains("fonts-arphic-uming fonts-arphic-ukai")
            && note.contains("fonts-noto-cjk") && !note.contains(u'\n');
        const bool expected = qEnvironmentVariableIsSet("MOSTARIC_TEST_NO_CHINESE_FACE");
        QVERIFY2(expected ? noted : note.isEmpty(), qPrintable(note));
        QCOMPARE(shownOnceActive, expected);
    }
};

QTEST_APPLESS_MAIN(TestStartup)

#include "test_startup.moc"
