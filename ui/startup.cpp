// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/startup.h"

#include <QApplication>
#include <QByteArray>
#include <QEvent>
#include <QList>
#include <QMessageLogContext>
#include <QString>
#include <QTimer>

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
class StartupMessages {
public:
    StartupMessages() { s_previous = qInstallMessageHandler(&StartupMessages::hold); }
    ~StartupMessages()
    {
        qInstallMessageHandler(s_previous);
        for (const Held& held : std::exchange(s_held, {})) {
            const QMessageLogContext context(held.file.constData(), held.line,
                                             held.function.constData(), held.category.constData());
            qt_message_output(held.type, context, held.text);
        }
    }
    StartupMessages(const StartupMessages&) = delete;
    StartupMessages& operator=(const StartupMessages&) = delete;

private:
    struct Held {
        QtMsgType type;
        QByteArray file, function, category;
        int line;
        QString text;
    };

    static void hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
    {
        if (type == QtFatalMsg && text.contains(QLatin1String("platform plugin"))) {
            std::fputs(noDisplayLine(), stderr);
            std::fflush(stderr);
            std::_Exit(1);  // Qt is half built: leave without running its clean-up
        }
        if (type == QtFatalMsg) {
            if (s_previous != nullptr)
                s_previous(type, context, text);
            return;
        }
        s_held.push_back({type, QByteArray(context.file), QByteArray(context.function),
                          QByteArray(context.category), context.line, text});
    }

    static inline QtMessageHandler s_previous = nullptr;
    static inline QList<Held> s_held;
};

// Shows a note on a window once it is first activated: activation takes
// any tool tip shown before it away at once.
class NoteOnActivation : public QObject {
public:
    NoteOnActivation(MainWindow& window, QWidget* anchor, QString text)
        : QObject(&window), m_window(window), m_anchor(anchor), m_text(std::move(text))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &m_window && event->type() == QEvent::WindowActivate) {
            QTimer::singleShot(0, &m_window,
                               [window = &m_window, anchor = m_anchor, text = m_text] {
                                   window->showNote(anchor, text);
                               });
            deleteLater();
        }
        return false;
    }

private:
    MainWindow& m_window;
    QWidget* m_anchor;
    QString m_text;
};

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
    new NoteOnActivation(window, anchor, message);
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
    {
        const StartupMessages held;
        app.emplace(qtArgc, qtArgv);
    }
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
