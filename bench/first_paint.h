// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the two start-up probes share: they write "name nanoseconds KiB" lines
// (the steady clock, CLOCK_MONOTONIC on Linux, and the resident memory at that
// moment, 0 where /proc does not exist) to the file
// descriptor named by the environment variable MOSTARIC_BENCH_FD (standard
// output without it), and end their event loop once their window has been
// painted for the first time. The floors share showUntilFirstPaint.

#include <QCoreApplication>
#include <QEvent>
#include <QObject>
#include <QTimer>
#ifdef QT_WIDGETS_LIB
#include <QApplication>
#include <QScreen>
#include <QWidget>
#endif

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

namespace mostaric::bench {

inline long long monotonicNanoseconds()
{
    using namespace std::chrono;
    return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
}

// Resident memory now, from /proc/self/statm, in KiB; 0 if unknown.
inline long residentKiB()
{
#ifdef _WIN32
    return 0;  // the Windows benchmark measures time only
#else
    const int fd = ::open("/proc/self/statm", O_RDONLY);
    if (fd < 0)
        return 0;
    char text[128] = {};
    const ssize_t n = ::read(fd, text, sizeof text - 1);
    ::close(fd);
    long size = 0;
    long resident = 0;
    if (n <= 0 || std::sscanf(text, "%ld %ld", &size, &resident) != 2)
        return 0;
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
#endif
}

// Writes one mark at once, unbuffered, so that the parent reads it even if
// the process ends abnormally afterwards.
inline void mark(const char* name)
{
    static const int fd = [] {
        const char* text = std::getenv("MOSTARIC_BENCH_FD");
        return text != nullptr ? std::atoi(text) : STDOUT_FILENO;
    }();
    const long long now = monotonicNanoseconds();
    char line[128];
    const int length = std::snprintf(line, sizeof line, "%s %lld %ld\n", name, now, residentKiB());
    if (length > 0 && ::write(fd, line, static_cast<size_t>(length)) < 0)
        std::perror("mark");
}

// Installed on a top-level widget: at its first paint event it marks
// "paint", and once that paint (children included) is done and flushed to
// the window, which is when control is back in the event loop, it marks
// "painted" and ends the loop.
class FirstPaintWatch : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !m_seen) {
            m_seen = true;
            mark("paint");
            QTimer::singleShot(0, this, [] {
                mark("painted");
                QCoreApplication::exit(0);
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool m_seen = false;
};

#ifdef QT_WIDGETS_LIB
// Centres the window on its screen, shows it and runs the event loop up to
// the end of its first paint: how every floor ends its start-up.
inline int showUntilFirstPaint(QWidget& window)
{
    FirstPaintWatch watch;
    window.installEventFilter(&watch);
    const QRect screen = window.screen()->availableGeometry();
    window.move(screen.center() - window.rect().center());
    window.show();
    mark("started");
    return QApplication::exec();
}
#endif

}  // namespace mostaric::bench
