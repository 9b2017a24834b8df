// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's floor for the start-up benchmark: the least a Qt 6 Widgets
// program can do to show a window of the main window's size and caption,
// centred on the screen. It ends at its first paint, as the probe does.
//
// With --text it also shows one short label in each of the three faces the
// windows use (AR PL UMing, AR PL UKai, Liberation Serif): the floor of any
// window that draws the program's fonts, which tells the fonts' share of the
// program's figures from the rest.
#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QWidget>

#include <cstring>

#include "bench/first_paint.h"

int main(int argc, char** argv)
{
    using namespace mostaric;
    bench::mark("main");
    QApplication app(argc, argv);
    bench::mark("qapplication");
    bench::mark("prepared");
    QWidget window;
    window.setWindowTitle(QStringLiteral("欢迎使用"));
    window.setFixedSize(547, 544);
    if (argc > 1 && std::strcmp(argv[1], "--text") == 0) {
        const struct {
            const char* family;
            const char16_t* text;
        } labels[] = {
            {"AR PL UMing CN", u"葡萄品种 葡萄浆重量 测得的比重"},
            {"AR PL UKai CN", u"加糖计算 加硫计算 酵母计算"},
            {"Liberation Serif", u"Home-made red wine"},
        };
        int top = 20;
        for (const auto& entry : labels) {
            auto* label = new QLabel(QString::fromUtf16(entry.text), &window);
            label->setFont(QFont(QString::fromLatin1(entry.family), 11));
            label->move(20, top);
            top += 40;
        }
    }
    bench::mark("constructed");
    return bench::showUntilFirstPaint(window);
}
