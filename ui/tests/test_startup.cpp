// Start-up: Qt reads no option from the command line while its environment
// settings act; without a display the program says so in one line and exits
// with 1; without a Chinese face it says so and runs on. The last row runs
// twice: once as the machine is, once under a font set without Chinese faces.

#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/startup.h"

#include <QApplication>
#include <QProcess>
#include <QStyle>
#include <QTemporaryFile>
#include <QTest>

#include <vector>

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void qtOptionsDoNothing_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::newRow("-reverse") << QStringList{QStringLiteral("-reverse")};
        QTest::newRow("-stylesheet") << QStringList{QStringLiteral("-stylesheet"), QString()};
        QTest::newRow("-platform") << QStringList{QStringLiteral("-platform"), QStringLiteral("minimal")};
        QTest::newRow("-style") << QStringList{QStringLiteral("-style"), QStringLiteral("windows")};
        QTest::newRow("-qwindowtitle") << QStringList{QStringLiteral("-qwindowtitle"), QStringLiteral("x")};
    }

    void qtOptionsDoNothing()
    {
        QFETCH(QStringList, options);
        QTemporaryFile sheet;
        QVERIFY(sheet.open());
        sheet.write("QWidget { background: red; }");
        sheet.flush();
        std::vector<QByteArray> args{QByteArrayLiteral("mostaric")};
        for (const QString& option : options)
            args.push_back(option.isEmpty() ? sheet.fileName().toLocal8Bit() : option.toLocal8Bit());
        std::vector<char*> argv;
        for (QByteArray& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);

        QString platform, styleSheet, title, styleName;
        Qt::LayoutDirection direction = Qt::RightToLeft;
        const int status = mostaric::ui::runProgram(
            int(args.size()), argv.data(), [&](mostaric::ui::Application& program) {
                platform = QGuiApplication::platformName();
                direction = QGuiApplication::layoutDirection();
                styleSheet = qApp->styleSheet();
                styleName = QApplication::style()->name();
                title = program.mainWindow().windowTitle();
                program.exit();
            });
        QCOMPARE(status, 0);
        QCOMPARE(platform, qEnvironmentVariable("QT_QPA_PLATFORM"));
        QCOMPARE(direction, Qt::LeftToRight);
        QCOMPARE(styleSheet, QString());
        QVERIFY(styleName.compare(QStringLiteral("windows"), Qt::CaseInsensitive) != 0);
        QCOMPARE(title, QStringLiteral("欢迎使用"));
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
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "XDG_SESSION_TYPE", "QT_QPA_PLATFORM"})
            environment.remove(QString::fromLatin1(name));
        if (!platform.isEmpty())
            environment.insert(QStringLiteral("QT_QPA_PLATFORM"), platform);
        QProcess program;
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(MOSTARIC_PROGRAM), {});
        QVERIFY(program.waitForFinished(-1));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 1);
        const QStringList lines = QString::fromLocal8Bit(program.readAllStandardError())
                                      .split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.front().contains(QStringLiteral("no graphical display")), qPrintable(lines.front()));
        QVERIFY(lines.front().contains(QStringLiteral("DISPLAY")));
    }

    // FONTCONFIG_FILE names a font set without Chinese faces in the second run.
    void missingChineseFaceIsNoted()
    {
        const bool noChineseFace = qEnvironmentVariableIsSet("MOSTARIC_TEST_NO_CHINESE_FACE");
        char name[] = "mostaric";
        char* argv[] = {name, nullptr};
        QString note;
        bool shown = false;
        mostaric::ui::runProgram(1, argv, [&](mostaric::ui::Application& program) {
            note = program.mainWindow().lastNote();
            shown = program.mainWindow().isVisible();
            program.exit();
        });
        QVERIFY(shown);
        if (!noChineseFace) {
            QCOMPARE(note, QString());
            return;
        }
        QVERIFY2(note.contains(QStringLiteral("fonts-arphic-uming fonts-arphic-ukai")), qPrintable(note));
        QVERIFY(note.contains(QStringLiteral("fonts-noto-cjk")));
        QVERIFY(!note.contains(u'\n'));
    }
};

QTEST_APPLESS_MAIN(TestStartup)

#include "test_startup.moc"
