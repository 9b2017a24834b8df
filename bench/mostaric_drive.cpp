// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Drives the program's windows as a user would, after the start-up of
// ui/main.cpp (runProgram): controls are found by their objectName, lists are picked
// from, keys are typed and buttons clicked.
//
//   mostaric_drive screenshots DIR
//       saves DIR/main-window.png at start-up, DIR/typical-batch.png after the
//       typical batch and DIR/explanation-window.png;
//   mostaric_drive scenario
//       start-up, the typical batch, a visit to the explanation window and
//       back, then "退  出": the run the leak check watches.
//
// Both check the batch's results and end with status 0 only if they hold.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <functional>
#include <string_view>

#include "core/fields.h"
#include "core/tests/typical_batch.h"
#include "ui/application.h"
#include "ui/main_window.h"
#include "ui/text_conversion.h"

namespace {

using mostaric::ui::Application;

// The failures so far, made on first use.
int& failures()
{
    static int count = 0;
    return count;
}

void fail(const QString& what)
{
    std::fprintf(stderr, "FAIL: %s\n", qPrintable(what));
    ++failures();
}

template <typename T> T* control(QWidget* window, const char* name)
{
    T* found = window ? window->findChild<T*>(QString::fromLatin1(name)) : nullptr;
    if (found == nullptr)
        fail(QStringLiteral("no control %1").arg(QString::fromLatin1(name)));
    return found;
}

// Picks an entry as a click in the open list does: the entry becomes current
// and the list reports the user's choice.
void choose(QWidget* window, const char* name, const QString& text)
{
    auto* list = control<QComboBox>(window, name);
    if (list == nullptr)
        return;
    const int index = list->findText(text);
    if (index < 0) {
        fail(QStringLiteral("%1 has no entry %2").arg(QString::fromLatin1(name), text));
        return;
    }
    list->setCurrentIndex(index);
    Q_EMIT list->activated(index);
}

// Selects the box's text and types over it, key by key.
void type(QWidget* window, const char* name, const QString& text)
{
    auto* box = control<QLineEdit>(window, name);
    if (box == nullptr)
        return;
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void click(QWidget* window, const char* name)
{
    if (auto* button = control<QPushButton>(window, name))
        button->click();
}

void expectText(QWidget* window, const char* name, const QString& expected)
{
    auto* box = control<QLineEdit>(window, name);
    if (box != nullptr && box->text() != expected)
        fail(QStringLiteral("%1 is \"%2\", expected \"%3\"")
                 .arg(QString::fromLatin1(name), box->text(), expected));
}

bool waitShown(QWidget* window)
{
    if (window == nullptr || !QTest::qWaitForWindowExposed(window)) {
        fail(QStringLiteral("a window was not shown"));
        return false;
    }
    QTest::qWait(100);  // let the first paint reach the screen
    return true;
}

void save(QWidget* window, const QString& path)
{
    const QImage image = window->grab().toImage();
    if (image.isNull() || !image.save(path))
        fail(QStringLiteral("could not save %1").arg(path));
    else
        std::printf("saved %s (%dx%d)\n", qPrintable(path), image.width(), image.height());
}

const char* nameOf(mostaric::Field field)
{
    return mostaric::fieldInfo(field).name.data();  // the names are NUL-terminated literals
}

void expectTypicalResults(QWidget* main)
{
    for (const auto& [field, expected] : mostaric::test::kTypicalBatchResults)
        expectText(main, nameOf(field), mostaric::ui::toQString(expected));
}

// The typical batch, then the three calculations, and its results checked.
void typicalBatch(QWidget* main)
{
    for (const auto& [field, entry] : mostaric::test::kTypicalBatchEntries) {
        if (mostaric::fieldKind(field) == mostaric::FieldKind::Input)
            type(main, nameOf(field), mostaric::ui::toQString(entry));
        else
            choose(main, nameOf(field), mostaric::ui::toQString(entry));
    }
    click(main, "jisuan");
    click(main, "jialiu");
    click(main, "jiaomu");
    expectTypicalResults(main);
}

void runScreenshots(Application& program, const QString& dir)
{
    QWidget* main = &program.mainWindow();
    if (!QDir().mkpath(dir)) {
        fail(QStringLiteral("cannot create %1").arg(dir));
        return;
    }
    if (!waitShown(main))
        return;
    save(main, dir + QStringLiteral("/main-window.png"));
    typicalBatch(main);
    QTest::qWait(100);
    save(main, dir + QStringLiteral("/typical-batch.png"));
    click(main, "explain_c");
    QWidget* explanation = program.explanationWindow();
    if (!waitShown(explanation))
        return;
    save(explanation, dir + QStringLiteral("/explanation-window.png"));
    click(explanation, "goback");
    click(main, "exit");
}

void runScenario(Application& program)
{
    QWidget* main = &program.mainWindow();
    if (!waitShown(main))
        return;
    typicalBatch(main);
    click(main, "explain_c");
    QWidget* explanation = program.explanationWindow();
    if (!waitShown(explanation))
        return;
    if (main->isVisible())
        fail(QStringLiteral("the main window stayed visible beside the explanation"));
    click(explanation, "goback");
    if (!waitShown(main))
        return;
    expectTypicalResults(main);  // the fields survive the visit
    click(main, "exit");
    if (!program.hasEnded())
        fail(QStringLiteral("\"退  出\" did not end the program"));
}

}  // namespace

int main(int argc, char** argv)
{
    const QString mode = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    if (mode != QLatin1String("scenario") && (mode != QLatin1String("screenshots") || argc <= 2)) {
        std::fprintf(stderr, "usage: %s screenshots DIR | scenario\n", argv[0]);
        return 2;
    }
    const QString dir = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    // The program's own start-up; the run takes over once the loop runs.
    const int status = mostaric::ui::runProgram(argc, argv, [&](Application& program) {
        QTimer::singleShot(0, &program, [&] {
            if (mode == QLatin1String("screenshots"))
                runScreenshots(program, dir);
            else
                runScenario(program);
            if (!program.hasEnded())
                QCoreApplication::exit(1);  // the run broke off: end anyway
        });
    });
    if (status != 0 && failures() == 0)
        fail(QStringLiteral("the event loop ended with status %1").arg(status));
    std::printf("%s: %d failure(s)\n", qPrintable(mode), failures());
    return failures() == 0 ? 0 : 1;
}
