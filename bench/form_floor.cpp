// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The program's own floor for the start-up benchmark: the main window's form
// as uic builds it, in the program's faces, size and style, and nothing
// behind it: no fitting of texts, no marks, no icon, no calculations. What
// the program takes beyond this is what its own start-up adds to the form.
#include <QApplication>

#include "bench/first_paint.h"
#include "ui/fonts.h"
#include "ui/platform_hints.h"
#include "ui_main_window.h"

int main(int argc, char** argv)
{
    using namespace mostaric;
    bench::mark("main");
    QApplication app(argc, argv);
    bench::mark("qapplication");
    ui::registerFontSubstitutes();
    if (const QString style = ui::styleName(); !style.isEmpty())
        QApplication::setStyle(style);
    bench::mark("prepared");
    QWidget window;
    window.setFont(ui::songTiFont(10.5));
    ui::Ui::MainWindow form;
    form.setupUi(&window);
    bench::mark("constructed");
    return bench::showUntilFirstPaint(window);
}
