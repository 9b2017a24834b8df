// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QApplication>
#include <QByteArray>
#include <QList>
#include <QMessageLogContext>
#include <QString>
#include <QTimer>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <utility>

#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/platform_hints.h"

namespace mostaric::ui {
namespace {

// While the QApplication is being built, Qt's messages are held back. If it
// cannot load a platform (no display, or none it can reach) it reports at
// length and aborts; we print one line and exit with 1 instead. Otherwise the
// held messages go on to the handler that was in place.
struct HeldMessage {
    QtMsgType type;
    QByteArray file, function, category;
    int line;
    QString text;
};
QtMessageHandler g_previousHandler = nullptr;
QList<HeldMessage> g_heldMessages;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs(noDisplayLine(), stderr);
        std::fflush(stderr);
        std::_Exit(1);  // Qt is half built: leave without running its clean-up
    }
    if (type == QtFatalMsg) {
        if (g_previousHandler != nullptr)
            g_previousHandler(type, context, text);
        return;
    }
    g_heldMessages.push_back({type, QByteArray(context.file), QByteArray(context.function),
                              QByteArray(context.category), context.line, text});
}

void releaseHeldMessages()
{
    qInstallMessageHandler(g_previousHandler);
    for (const HeldMessage& held : std::exchange(g_heldMessages, {})) {
        const QMessageLogContext context(held.file.constData(), held.line,
                                         held.function.constData(), held.category.constData());
        qt_message_output(held.type, context, held.text);
    }
}

// Says, on stderr and below the heading of the main window, that no
// installed face can draw the windows' Chinese texts.
void reportMissingChineseFace(MainWindow& window)
{
    const QString message = missingChineseFaceMessage();
    if (message.isEmpty())
        return;
    std::fprintf(stderr, "mostaric: %s\n", qPrintable(message));
    QWidget* anchor = window.findChild<QWidget*>(QStringLiteral("Label20"));
    window.showNote(anchor, message);  // recorded and announced to screen readers now
    // Shown again once the window is first activated, which takes any tool
    // tip shown before it away at once.
    QObject::connect(
        window.windowHandle(), &QWindow::activeChanged, &window,
        [&window, anchor, message] {
            QTimer::singleShot(0, &window,
                               [&window, anchor, message] { window.showNote(anchor, message); });
        },
        Qt::SingleShotConnection);
}

}  // namespace

int runProgram(int argc, char** argv, const std::function<void(Application&)>& started,
               const std::function<void(const char* step)>& reached)
{
    const auto step = [&reached](const char* name) {
        if (reached)
            reached(name);
    };
    char name[] = "mostaric";
    char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : name, nullptr};
    int qtArgc = 1;
    std::optional<QApplication> app;
    g_previousHandler = qInstallMessageHandler(&holdMessage);
    app.emplace(qtArgc, qtArgv);
    releaseHeldMessages();
    step("qapplication");
    prepareApplication(*app);
    step("prepared");
    Application program;
    step("constructed");
    program.start();
    reportMissingChineseFace(program.mainWindow());
    step("started");
    if (started)
        started(program);
    return QApplication::exec();
}

}  // namespace mostaric::ui
