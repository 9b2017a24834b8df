// SPDX-FileCopyrightText: 2026 The Mostaric developers
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

class ExplanationWindow;
class MainWindow;

// Opens a web page outside the program without waiting for it; false when
// it could not be handed over.
using BrowserLauncher = std::function<bool(const QUrl&)>;

// The forum's host name, a build setting, as Command1 shows it; and the page
// it opens, over HTTPS.
QString forumAddress();
QUrl forumUrl();

// The icon of both windows and the program file (ui/icons/make_icon.py), with
// smooth copies at 16 to 256 pixels for scaled screens.
QIcon appIcon();

// A title bar with its system menu and close box, no minimise or maximise
// button; the forms fix the sizes. The explanation window adds Qt::Tool,
// which keeps it out of the taskbar.
inline constexpr Qt::WindowFlags kFixedWindowFrame = Qt::CustomizeWindowHint | Qt::WindowTitleHint
    | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint;

// Places the window, frame included, in the middle of its screen's free area.
void centreOnScreen(QWidget& window);

// The program's life cycle: owns the two windows and moves between them.
// - The explanation window is made at the first "说  明" and reused; showing
//   it hides the main window, and its "返  回" or close box brings the main
//   window back where it was, every field as the user left it.
// - Command1 hands the forum page to the launcher; a failure shows a note.
// - "退  出" and the main window's close box hide both windows, schedule
//   their destruction and end the event loop (as soon as it starts, if it
//   has not yet).
class Application : public QObject {
    Q_OBJECT
public:
    // `launcher` opens the forum page; empty means the system's browser.
    explicit Application(BrowserLauncher launcher = {}, QObject* parent = nullptr);
    ~Application() override;

    // Shows the main window centred on its screen, with the focus in s3.
    void start();
    // The main window; valid until exit().
    MainWindow& mainWindow();
    // The explanation window, or nullptr before it is first needed and after
    // the end.
    QWidget* explanationWindow() const;
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

// The whole program; returns its exit status. The program, its tests and the
// benchmarks all start here, so what is measured is what ships.
// - Qt gets argv[0] only: its command-line options do nothing, its
//   environment settings (QT_QPA_PLATFORM, QT_SCALE_FACTOR, ...) act.
// - Without a display: one line on stderr and status 1, not Qt's abort.
// - Without a face that draws Chinese: a line on stderr and a note on the
//   main window, and it runs on.
// `started` is called once the main window is shown, before the event loop;
// `reached` is told the steps "qapplication", "prepared", "constructed" and
// "started" as each ends (the start-up benchmark marks them).
int runProgram(
    int argc, char** argv, const std::function<void(Application&)>& started = [](Application&) { },
    const std::function<void(const char* step)>& reached = [](const char*) { });

// Once, right after the QApplication exists: font substitutes, style,
// name, version and window icon. Loads no font file and nothing slow.
void prepareApplication(QApplication& app);

}  // namespace mostaric::ui
