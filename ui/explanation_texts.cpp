// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/explanation_texts.h"

#include <array>

namespace mostaric::ui {

namespace {

// The window's controls in reading order, with their texts. The texts of Label11 and
// Label12 (the two references) are ours, one line each: Label12 stands only
// 360 twips (one line) below Label11. Every other text is fixed wording of the page.
// clang-format off
constexpr std::array<ControlRow, 16> kControls{{
    {ControlKind::Lines, "Label10", "资料来源：", 480, 480, 1215, 255, 12, FontRole::SongTi10_5},
    {ControlKind::Lines, "Label11", "1、家酿葡萄酒工艺手册中有关加糖、加硫的章节；", 1560, 480, 4935, 495, 13, FontRole::SongTi10_5},
    {ControlKind::Lines, "Label12", "2、葡萄酒爱好者论坛上各位酒友的经验交流。", 1560, 840, 4455, 375, 14, FontRole::SongTi10_5},
    {ControlKind::Lines, "Label13", "在此表示感谢！", 1560, 1200, 3015, 375, 15, FontRole::SongTi10_5},
    {ControlKind::Lines, "sm1", "说明：", 480, 1560, 735, 255, 0, FontRole::SongTi10_5},
    {ControlKind::Lines, "sm_1", "1、葡萄浆：去梗、坏果、烂果等杂质，破碎后，含皮、核            的葡萄汁。", 720, 2040, 5415, 495, 1, FontRole::SongTi10_5, {}, "的葡萄汁。"},
    {ControlKind::Lines, "Label1", "2、公式：", 720, 2520, 1095, 255, 3, FontRole::SongTi10_5},
    {ControlKind::Lines, "Label2", "1）加糖：（（理想酒精度-原来酒精度）*习惯加糖量*葡           萄浆重量*出汁率/测得比重）/ 1000 \r\n", 960, 2880, 5295, 495, 4, FontRole::SongTi10_5, {}, "萄浆重量"},
    {ControlKind::Lines, "Label3", "2）加硫（偏重亚硫酸钾）：(习惯加硫量*葡萄浆重量*出                          汁率/测得比重)/500 ", 960, 3480, 5295, 615, 5, FontRole::SongTi10_5, {}, "汁率/测得比重"},
    {ControlKind::Lines, "Label4", "   加硫（ 6% 的亚硫酸）：习惯加硫量*葡萄浆重量*                                出汁率/(测得比重*60*1.03) ", 960, 4080, 5655, 495, 6, FontRole::SongTi10_5, {}, "出汁率/("},
    {ControlKind::Lines, "Label5", "3）加酵母：习惯加酵母量*葡萄浆重量*出汁率", 960, 4680, 5535, 375, 7, FontRole::SongTi10_5},
    {ControlKind::Lines, "Label9", "3、比重测量室温为20摄氏度；", 720, 5160, 4815, 255, 11, FontRole::SongTi10_5},
    {ControlKind::Lines, "Label6", "4、出汁率：", 720, 5640, 1215, 375, 8, FontRole::SongTi10_5},
    {ControlKind::Lines, "Label7", "赤霞珠 0.62      蛇龙珠 0.75      品丽珠 0.76   美  乐 0.74      西  拉 0.73      巨  峰 0.83 \r\n", 1200, 6000, 5175, 495, 9, FontRole::SongTi10_5, {}, "美  乐"},
    {ControlKind::Lines, "Label8", "玫瑰香 0.76      桂  葡 0.65      山葡萄 0.58", 1200, 6435, 5175, 375, 10, FontRole::SongTi10_5},
    {ControlKind::Button, "goback", "返  回", 4320, 6960, 1500, 500, 2, FontRole::SongTi10_5},
}};
// clang-format on

}  // namespace

std::span<const ControlRow> explanationControls() { return kControls; }

const ControlRow* findExplanationControl(std::string_view name)
{
    for (const ControlRow& control : kControls) {
        if (control.name == name)
            return &control;
    }
    return nullptr;
}

QString storedText(const ControlRow& control) { return toQString(control.text); }

QString displayedText(const ControlRow& control) { return displayedLines(control).join(u'\n'); }

}  // namespace mostaric::ui
