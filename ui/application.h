// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QIcon>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QUrl>

#include <functional>

class QApplication;
class QWidget;

namespace mostaric::ui {

class Application;
class ExplanationWindow;
class MainWindow;

// Opens a web page outside the program and returns at once without waiting
// for it; false when it could not be handed over.
using BrowserLauncher = std::function<bool(const QUrl&)>;

// The forum's host name, a build setting (MOSTARIC_FORUM_ADDRESS), as Command1
// shows it; the page it opens, over HTTPS; and the user's default browser
// (QDesktopServices: no shell, no command line, no waiting).
QString forumAddress();
QUrl forumUrl();
bool openInSystemBrowser(const QUrl& url);

// The icon of both windows and the program file: the 96 x 96, 16-colour
// bunch of grapes (ui/icons/make_icon.py), with the same picture drawn smooth
// at 16 to 256 pixels for scaled screens. Needs a QGuiApplication.
QIcon appIcon();

// A title bar with its system menu and close box, no minimise or maximise
// button; each window's form fixes its size. The explanation window adds
// Qt::Tool, which keeps it out of the taskbar (a tool window on Windows, a
// utility window on X11).
inline constexpr Qt::WindowFlags kFixedWindowFrame = Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Places the window, frame included, in the middle of its screen's free area.
void centreOnScreen(QWidget& window);

// The whole program, as main() runs it; returns its exit status. The program,
// its tests and the benchmarks all start through here, so what is measured is
// what ships.
// - Qt is given argv[0] only: the program reads no command line, so Qt's own
//   options (-reverse, -platform, ...) do nothing; its environment settings
//   (QT_QPA_PLATFORM, QT_SCALE_FACTOR, ...) act as usual.
// - Without a graphical display it prints one line on stderr saying which
//   variable to set and exits with status 1, in place of Qt's report and abort.
// - Without an installed face that draws Chinese it says so on stderr and in
//   a note on the main window, and runs on.
// `started` is called once the main window is shown, before the event loop
// runs; `reached` is told each step as it ends: "qapplication", "prepared",
// "constructed" and "started" (the start-up benchmark marks them).
int runProgram(int argc, char** argv, const std::function<void(Application&)>& started = {},
               const std::function<void(const char* step)>& reached = {});

// Once, right after the QApplication exists: font substitutes for the
// windows' Chinese and Western fonts, the application's name ("Mostaric"),
// version ("1.00") and window icon. Loads no font file and nothing slow.
void prepareApplication(QApplication& app);

// The program's life cycle: owns the two windows and moves between them.
// - The main window exists from construction on; the explanation window from
//   the first "说  明" on, and is reused after that.
// - "说  明" hides the main window and shows the explanation window; its
//   "返  回" or close box hides it and shows the main window where it was,
//   every field as the user left it.
// - Command1 hands the forum page to the launcher without waiting; a failure
//   shows a short note and changes nothing else.
// - "退  出" and the main window's close box hide both windows, schedule
//   their destruction and end the event loop (called before the loop runs,
//   as soon as it starts).
class Application : public QObject {
    Q_OBJECT
public:
    // `launcher` opens the forum page; an empty one means the system's
    // browser. Tests pass their own so that no browser starts.
    explicit Application(BrowserLauncher launcher = {});
    ~Application() override;

    // Shows the main window centred on its screen, with the focus in s3.
    void start();
    // The main window; valid until exit().
    MainWindow& mainWindow();
    // The explanation window, or nullptr until it is first needed (and again
    // once the program has ended).
    QWidget* explanationWindow() const;
    // True once exit() has run.
    bool hasEnded() const { return m_ended; }

public Q_SLOTS:
    void showExplanation();
    void showMainWindow();
    void openForum();
    void exit();

private:
    BrowserLauncher m_launcher;
    QPointer<MainWindow> m_mainWindow;
    QPointer<ExplanationWindow> m_explanationWindow;
    bool m_ended = false;
};

}  // namespace mostaric::ui
