// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's start-up through the same runProgram as ui/main.cpp, with marks between the steps
// and an end at the main window's first paint. Started by
// mostaric_startup_benchmark; not useful on its own.
#include "bench/first_paint.h"
#include "ui/application.h"
#include "ui/main_window.h"

int main(int argc, char** argv)
{
    using namespace mostaric;
    bench::mark("main");
    return ui::runProgram(
        argc, argv,
        [](ui::Application& program) {
            // Shown but not painted yet: the first paint comes from the loop.
            auto* watch = new bench::FirstPaintWatch(&program.mainWindow());
            program.mainWindow().installEventFilter(watch);
        },
        &bench::mark);
}
