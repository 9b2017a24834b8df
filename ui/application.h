// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QObject>
#include <QPointer>

#include "ui/browser_launcher.h"

class QApplication;
class QWidget;

namespace mostaric::ui {

class ExplanationWindow;
class MainWindow;

// Once, right after the QApplication exists: font substitutes for the
// windows' Chinese and Western fonts, the application's name ("Mostaric"),
// version ("1.00") and window icon. Loads no font file and nothing slow.
void prepareApplication(QApplication& app);

// The program's life cycle: owns the two windows and moves
// between them.
//
// - Construction creates the main window, which takes the core's start-up
//   state before it is first shown; the explanation window does
//   not exist until "说  明" is first pressed, and is reused after that.
// - "说  明" hides the main window and shows the explanation window; its
//   "返  回" (or its close box) hides it and shows the main window where it
//   was, every field as the user left it.
// - Command1 hands the forum address to the browser launcher and does not
//   wait; a failure shows a short note and changes nothing else.
// - "退  出" and the main window's close box hide both windows, schedule
//   their destruction and end the event loop (or, called before the loop
//   runs, end it as soon as it starts); the windows are destroyed when control
//   returns to the loop (QCoreApplication::exec does so before it returns) or,
//   at the latest, with the Application.
class Application : public QObject {
    Q_OBJECT
public:
    // `launcher` opens the forum page; an empty one means the system's
    // browser (openInSystemBrowser). Tests pass their own so that no browser
    // starts.
    explicit Application(BrowserLauncher launcher = {});
    ~Application() override;

    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Shows the main window centred on its screen, with the focus in s3.
    void start();

    // The main window; valid until exit() (see hasEnded()).
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

Q_SIGNALS:
    // After exit() has hidden the windows and asked the event loop to end.
    void ended();

private:
    BrowserLauncher m_launcher;
    QPointer<MainWindow> m_mainWindow;
    QPointer<ExplanationWindow> m_explanationWindow;
    bool m_ended = false;
};

}  // namespace mostaric::ui
