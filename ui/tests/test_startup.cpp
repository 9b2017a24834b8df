// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: Qt's options on the command line do nothing while QT_QPA_PLATFORM
// acts; without a display the program says so in one line and exits with 1;
// without a Chinese face it notes so and runs on (CTest runs that test once
// more under a font set without Chinese faces). The manual page says each of
// these, and the options and line it names are the ones tried here.

#include "ui/application.h"
#include "ui/main_window.h"

#include "mostaric_build_info.h"

#include <QApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <algorithm>
#include <iterator>
#include <utility>
#include <vector>

namespace {

// A section of the manual page (packaging/mostaric.1.in) as man shows its
// words: macro names and font changes dropped, escaped hyphens plain, lines
// joined by one blank.
QString manualSection(const char* heading)
{
    QFile page(QStringLiteral(MOSTARIC_MANUAL_PAGE));
    if (!page.open(QIODevice::ReadOnly | QIODevice::Text))
        return {};
    QStringList words;
    bool inSection = false;
    const QStringList lines = QString::fromUtf8(page.readAll()).split(u'\n');
    for (QString line : lines) {
        if (line.startsWith(QLatin1String(".SH ")))
            inSection = line.mid(4) == QLatin1String(heading);
        else if (inSection) {
            line.replace(QLatin1String("\\-"), QLatin1String("-"));
            static const QRegularExpression macro(QStringLiteral("^\\.[A-Z]+ ?"));
            line.remove(macro);
            line.remove(u'"');
            if (!line.isEmpty())
                words << line.simplified();
        }
    }
    return words.join(u' ');
}

// What each option of Qt's would do, were it handed to Qt.
struct QtOption {
    const char* name;
    const char* value;  // none for a switch
};
constexpr QtOption kQtOptions[] = {
    {"-platform", "minimal"},
    {"-style", "Windows"},
    {"-stylesheet", nullptr},  // the test's style sheet file
    {"-reverse", nullptr},
};

}  // namespace

class TestStartup : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // Every option the page names is ignored; each would change what Qt does.
    void qtOptionsDoNothing()
    {
        QTemporaryFile sheet;
        QVERIFY(sheet.open() && sheet.write("QWidget { background: red; }") > 0 && sheet.flush());
        const QByteArray sheetName = sheet.fileName().toLocal8Bit();
        const QString options = manualSection("OPTIONS");
        QVERIFY2(options.contains(QLatin1String("ignored")), qPrintable(options));
        QList<QByteArray> arguments{"mostaric"};
        QStringList named;
        static const QRegularExpression option(QStringLiteral("(?<![\\w-])-[a-z]+"));
        for (const QRegularExpressionMatch& match : option.globalMatch(options))
            named << match.captured();
        QVERIFY(!named.isEmpty());
        for (const QString& name : std::as_const(named)) {
            const auto* const known =
                std::find_if(std::begin(kQtOptions), std::end(kQtOptions),
                             [&](QtOption o) { return name == QLatin1String(o.name); });
            QVERIFY2(known != std::end(kQtOptions),
                     qPrintable(name + QLatin1String(": not tried")));
            arguments << known->name;
            if (name == QLatin1String("-stylesheet"))
                arguments << sheetName;
            else if (known->value != nullptr)
                arguments << known->value;
        }
        std::vector<char*> argv;
        for (QByteArray& argument : arguments)
            argv.push_back(argument.data());
        argv.push_back(nullptr);

        QString platform;
        QString style;
        QString styleSheet = QStringLiteral("?");
        QCOMPARE(mostaric::ui::runProgram(static_cast<int>(arguments.size()), argv.data(),
                                          [&](auto& program) {
                                              if (QGuiApplication::layoutDirection()
                                                  == Qt::LeftToRight)
                                                  platform = QGuiApplication::platformName();
                                              style = QApplication::style()->name();
                                              styleSheet = qApp->styleSheet();
                                              program.exit();
                                          }),
                 0);
        QCOMPARE(platform, qEnvironmentVariable("QT_QPA_PLATFORM"));
        QVERIFY(style.compare(QLatin1String("windows"), Qt::CaseInsensitive) != 0);
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
        // The page quotes the line, gives the status and names the variables.
        QVERIFY2(manualSection("DIAGNOSTICS").contains(error.trimmed()), qPrintable(error));
        QVERIFY(
            manualSection("EXIT STATUS").contains(QLatin1String("1 when no graphical display")));
        for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            QVERIFY2(manualSection("ENVIRONMENT").contains(QLatin1String(name)), name);
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
        // Every face package the .deb depends on, as debian_releases.sh lists them.
        const QStringList packages =
            QStringLiteral(MOSTARIC_FONT_PACKAGES).split(u' ', Qt::SkipEmptyParts);
        const bool noted = !packages.isEmpty()
            && std::ranges::all_of(packages, [&](const QString& p) { return note.contains(p); })
            && note.contains(QLatin1String("fonts-noto-cjk")) && !note.contains(u'\n');
        const bool expected = qEnvironmentVariableIsSet("MOSTARIC_TEST_NO_CHINESE_FACE");
        QVERIFY2(expected ? noted : note.isEmpty(), qPrintable(note));
        QCOMPARE(shownOnceActive, expected);
    }
};

QTEST_APPLESS_MAIN(TestStartup)

#include "test_startup.moc"
