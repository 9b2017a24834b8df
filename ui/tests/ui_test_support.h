// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QApplication>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>

#include "ui/application.h"

namespace mostaric::test {

// A text of the tests, written as a UTF-8 or UTF-16 literal.
inline QString s(const char* utf8) { return QString::fromUtf8(utf8); }
inline QString s(const char16_t* utf16) { return QString::fromUtf16(utf16); }

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
