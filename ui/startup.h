// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <functional>

namespace mostaric::ui {

class Application;

// The whole program, as main() runs it; returns its exit status.
//
// - Qt is given the program's name (argv[0]) only: the program reads no
//   command line, so Qt's own options in `argv` (-reverse, -stylesheet,
//   -platform, ...) do nothing. Qt's environment settings (QT_QPA_PLATFORM,
//   QT_SCALE_FACTOR, ...) act as usual.
// - Where no graphical display can be opened, it prints one short line on
//   stderr saying so and which variable to set, and the process exits with
//   status 1, in place of Qt's plugin report and abort.
// - Where no installed face draws Chinese, it says so in one line on stderr
//   and in a note on the main window, and runs on.
//
// `started`, if given, is called once the main window is shown, before the
// event loop runs (tests and the drive tool take over from it). `reached`, if
// given, is told each step as it ends: "qapplication", "prepared",
// "constructed" and "started" (the start-up benchmark marks them). The
// program, its tests and the benchmarks all start through here, so what is
// measured is what ships.
int runProgram(int argc, char** argv, const std::function<void(Application&)>& started = {},
               const std::function<void(const char* step)>& reached = {});

}  // namespace mostaric::ui
