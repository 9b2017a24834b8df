// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start-up as ui/main.cpp runs it, with marks between the steps
// and an end at the main window's first paint. Started by
// mostaric_startup_benchmark; not useful on its own.
#include <QApplication>

#include "bench/first_paint.h"
#include "ui/application.h"
#include "ui/main_window.h"

int main(int argc, char** argv)
{
    using namespace mostaric;
    bench::mark("main");
    QApplication app(argc, argv);
    bench::mark("qapplication");
    ui::prepareApplication(app);
    bench::mark("prepared");
    ui::Application program;
    bench::mark("constructed");
    bench::FirstPaintWatch watch;
    program.mainWindow().installEventFilter(&watch);
    program.start();
    bench::mark("started");
    return QApplication::exec();
}
