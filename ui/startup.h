// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace mostaric::ui {

class Application;

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

}  // namespace mostaric::ui
