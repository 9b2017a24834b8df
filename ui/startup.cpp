// SPDX-FileCopyrightText: 2026 The Mostaric developers
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
#include <utility>

#include "ui/application.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/platform_hints.h"

namespace mostaric::ui {
namespace {

// Qt's messages are held back (here, made on first use) while the QApplication
// is built. If it cannot load a platform (no display) it would report at length
// and abort; we print one line and exit with 1. Otherwise they go on.
struct MessageHold {
    struct Message {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString text;
    };
    QtMessageHandler previous = nullptr;
    QList<Message> held;
};
MessageHold& messageHold()
{
    static MessageHold hold;
    return hold;
}

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
        std::fputs(noDisplayLine(), stderr);
        std::fflush(stderr);
        std::_Exit(1);  // Qt is half built: leave without running its clean-up
    }
    if (type == QtFatalMsg) {
        if (messageHold().previous != nullptr)
            messageHold().previous(type, context, text);
        return;
    }
    messageHold().held.push_back({type, QByteArray(context.file), QByteArray(context.function),
                                  QByteArray(context.category), context.line, text});
}

void releaseHeldMessages()
{
    qInstallMessageHandler(messageHold().previous);
    const auto messages = std::exchange(messageHold().held, {});
    for (const MessageHold::Message& held : messages) {
        const QMessageLogContext context(held.file.constData(), held.line,
                                         held.function.constData(), held.category.constData());
        qt_message_output(held.type, context, held.text);
    }
}

// Says on stderr and below the main window's heading that no face draws Chinese.
void reportMissingChineseFace(MainWindow& window)
{
    const QString message = missingChineseFaceMessage();
    if (message.isEmpty())
        return;
    std::fprintf(stderr, "mostaric: %s\n", qPrintable(message));
    auto* anchor = window.findChild<QWidget*>(QStringLiteral("Label20"));
    window.showNote(anchor, message);  // recorded and announced to screen readers now
    // Shown again once the window is first activated, which takes any tool
    // tip shown before it away at once.
    const auto showAgain = [&window, anchor, message] { window.showNote(anchor, message); };
    QObject::connect(
        window.windowHandle(), &QWindow::activeChanged, &window,
        [&window, showAgain] { QTimer::singleShot(0, &window, showAgain); },
        Qt::SingleShotConnection);
}

}  // namespace

int runProgram(int argc, char** argv, const std::function<void(Application&)>& started,
               const std::function<void(const char* step)>& reached)
{
    char name[] = "mostaric";
    char* qtArgv[] = {argc > 0 && argv[0] != nullptr ? argv[0] : name, nullptr};
    int qtArgc = 1;
    messageHold().previous = qInstallMessageHandler(&holdMessage);
    QApplication app(qtArgc, qtArgv);
    releaseHeldMessages();
    reached("qapplication");
    prepareApplication(app);
    reached("prepared");
    Application program;
    reached("constructed");
    program.start();
    reportMissingChineseFace(program.mainWindow());
    reached("started");
    started(program);
    return QApplication::exec();
}

}  // namespace mostaric::ui
