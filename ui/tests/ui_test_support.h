// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include "ui/application.h"

namespace mostaric::test {

// A text of the tests, written as a UTF-8 or UTF-16 literal.
inline QString s(const char* utf8) { return QString::fromUtf8(utf8); }
inline QString s(const char16_t* utf16) { return QString::fromUtf16(utf16); }

// The lines a text of the explanation page shows: without its trailing line
// end and blanks, broken at the run of blanks before `secondLine` (that run
// dropped); one line where `secondLine` is empty.
inline QStringList pageLines(QString text, const QString& secondLine)
{
    while (!text.isEmpty() && (text.back() == u' ' || text.back() == u'\r' || text.back() == u'\n'))
        text.chop(1);
    const qsizetype secondStart = secondLine.isEmpty() ? -1 : text.indexOf(secondLine);
    qsizetype firstEnd = secondStart;
    while (firstEnd > 0 && text.at(firstEnd - 1) == u' ')
        --firstEnd;
    if (secondStart <= 0 || firstEnd == secondStart)
        return {text};
    return {text.left(firstEnd), text.mid(secondStart)};
}

// Runs one Qt Test class on the offscreen platform, in the application the
// program prepares (its style and font substitutes). A modal dialog that opens
// while a test runs would wait for a click forever: it is closed at once and
// the run fails instead of hanging.
template <typename TestClass> int runUiTest(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    mostaric::ui::prepareApplication(app);

    bool modalSeen = false;
    QTimer modalWatch;
    QObject::connect(&modalWatch, &QTimer::timeout, [&modalSeen] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            std::fprintf(stderr, "FAIL: a modal dialog opened: %s\n",
                         qPrintable(modal->windowTitle()));
            modalSeen = true;
            modal->close();
        }
    });
    modalWatch.start(50);

    TestClass test;
    const int failures = QTest::qExec(&test, argc, argv);
    return failures + (modalSeen ? 1 : 0);
}

}  // namespace mostaric::test
