// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/application.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <QPushButton>
#include <QResource>
#include <QScreen>
#include <QThread>

#include <initializer_list>

#include "mostaric_build_info.h"
#include "ui/explanation_window.h"
#include "ui/fonts.h"
#include "ui/main_window.h"
#include "ui/platform_hints.h"

namespace mostaric::ui {

QString forumAddress() { return QString::fromUtf8(MOSTARIC_FORUM_ADDRESS); }

// The address names a host; the scheme is ours to choose.
QUrl forumUrl() { return QUrl(QStringLiteral("https://") + forumAddress()); }

// The user's default browser: no shell, no command line, no waiting.
static bool openInSystemBrowser(const QUrl& url) { return QDesktopServices::openUrl(url); }

QIcon appIcon()
{
    static const QIcon icon = [] {
        QIcon result;
        // The pixels as the build unpacked them (ui/CMakeLists.txt): no picture to decode.
        for (const int size : {96, 16, 24, 32, 48, 64, 128, 256}) {
            const QByteArray pixels =
                QResource(QStringLiteral(":/mostaric/icons/mostaric-%1.rgba").arg(size))
                    .uncompressedData();
            // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): bytes as bytes
            const auto* bytes = reinterpret_cast<const uchar*>(pixels.constData());
            result.addPixmap(
                QPixmap::fromImage(QImage(bytes, size, size, QImage::Format_RGBA8888)));
        }
        return result;
    }();
    return icon;
}

void centreOnScreen(QWidget& window)
{
    QScreen* screen = window.screen();
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    // Before the first showing the frame is not known yet and equals the
    // client area; the client area is placed, so the frame follows it.
    const QRect frame = window.frameGeometry();
    QRect centred = frame;
    centred.moveCenter(screen->availableGeometry().center());
    window.setGeometry(window.geometry().translated(centred.topLeft() - frame.topLeft()));
}

// Shows `window` in front, with the keyboard: the user asked for it.
static void bringUp(QWidget& window)
{
    window.show();
    window.raise();
    window.activateWindow();
}

void prepareApplication(QApplication& /*app*/)
{
    registerFontSubstitutes();
    if (const QString style = styleName(); !style.isEmpty())
        QApplication::setStyle(style);
    QCoreApplication::setApplicationName(QStringLiteral("Mostaric"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOSTARIC_VERSION_TEXT));
    QGuiApplication::setWindowIcon(appIcon());
    // Lets desktop shells match the windows to the installed desktop entry.
    QGuiApplication::setDesktopFileName(QStringLiteral(MOSTARIC_APP_ID));
}

Application::Application(BrowserLauncher launcher, QObject* parent)
    : QObject(parent),
      m_launcher(launcher ? std::move(launcher) : BrowserLauncher(&openInSystemBrowser)),
      m_mainWindow(new MainWindow)  // with the start-up state
{
    connect(m_mainWindow, &MainWindow::explanationRequested, this, &Application::showExplanation);
    connect(m_mainWindow, &MainWindow::webLinkRequested, this, &Application::openForum);
    connect(m_mainWindow, &MainWindow::exitRequested, this, &Application::exit);
}

Application::~Application()
{
    delete m_explanationWindow.data();
    delete m_mainWindow.data();
}

void Application::start()
{
    if (m_ended || m_mainWindow == nullptr)
        return;
    centreOnScreen(*m_mainWindow);
    bringUp(*m_mainWindow);
    m_mainWindow->focusFirstControl();
}

MainWindow& Application::mainWindow()
{
    Q_ASSERT(m_mainWindow != nullptr);
    return *m_mainWindow;
}

QWidget* Application::explanationWindow() const { return m_explanationWindow.data(); }

void Application::showExplanation()
{
    if (m_ended || m_mainWindow == nullptr)
        return;
    m_mainWindow->hide();
    if (m_explanationWindow == nullptr) {
        m_explanationWindow = new ExplanationWindow;
        connect(m_explanationWindow, &ExplanationWindow::backRequested, this,
                &Application::showMainWindow);
    }
    bringUp(*m_explanationWindow);
}

void Application::showMainWindow()
{
    if (m_ended || m_mainWindow == nullptr)
        return;
    if (m_explanationWindow != nullptr)
        m_explanationWindow->hide();
    bringUp(*m_mainWindow);  // where it was: hiding keeps the position
}

void Application::openForum()
{
    if (m_ended || m_mainWindow == nullptr)
        return;
    if (!m_launcher(forumUrl())) {
        m_mainWindow->showNote(m_mainWindow->forumButton(),
                               QStringLiteral("未能打开浏览器。论坛网址：%1").arg(forumAddress()));
    }
}

void Application::exit()
{
    if (m_ended)
        return;
    m_ended = true;
    // Hide both windows at once, without further events, and let the event
    // loop destroy them once this handler (a click inside the main window)
    // has returned.
    for (QWidget* window : std::initializer_list<QWidget*>{m_explanationWindow, m_mainWindow}) {
        if (window == nullptr)
            continue;
        window->disconnect(this);
        window->hide();
        window->deleteLater();
    }
    if (QThread::currentThread()->loopLevel() > 0) {
        QCoreApplication::exit(0);
    } else {
        // No event loop runs yet (a driver that calls exit() before exec()):
        // QCoreApplication::exit would be forgotten, so the loop is ended as
        // soon as it starts.
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
}

}  // namespace mostaric::ui
