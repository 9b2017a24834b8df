// SPDX-FileCopyrightText: 2026 The Mostaric developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/main_window_layout.h"

#include <array>

namespace mostaric::ui {
namespace {

using F = Field;
using K = ControlKind;
constexpr FontRole kSong = FontRole::SongTi10_5;

constexpr std::string_view kCreditLine = "Mostaric 由家酿爱好者编写，免费使用。";
constexpr std::string_view kContactLine = "Home-made red wine calculator, free to use and share.";

// A caption or unit label takes its text from the field it names.
constexpr auto caption = captionLabel;
constexpr auto unit = unitLabel;

// clang-format off
constexpr std::array<ControlRow, 50> kControls = {{
    {K::Label, "Label20", "Mostaric V 2.0", 1680, 240, 4695, 375, 19, FontRole::KaiTi15},
    caption("Label25", F::pinzhong, 600, 840, 975, 375, 39),
    caption("Label4", F::weit, 2400, 840, 1335, 255, 35),
    caption("Label3", F::bizhong, 4320, 840, 1575, 300, 36),
    caption("Label6", F::xiguan, 6120, 840, 1215, 255, 33),
    fieldControl(F::pinzhong, 600, 1080, 1095, 330, 40),
    fieldControl(F::weit, 2400, 1080, 975, 315, 12),
    unit("Label5", F::weit, 3500, 1080, 375, 255, 34),
    fieldControl(F::bizhong, 4320, 1080, 1100, 330, 14),
    fieldControl(F::xiguan, 6120, 1080, 1100, 330, 10),
    unit("Label7", F::xiguan, 7320, 1080, 375, 255, 32),
    caption("Label1", F::tangdu, 600, 1560, 1815, 255, 38),
    caption("Label8", F::Tt2, 6120, 1560, 1215, 255, 31),
    fieldControl(F::tangdu, 600, 1800, 615, 315, 43),
    fieldControl(F::T1, 3360, 1800, 615, 315, 13),
    fieldControl(F::Tt2, 6120, 1800, 615, 315, 9, kSong, "Text1"),
    unit("Label27", F::tangdu, 1320, 1875, 1335, 255, 45),
    caption("label26", F::T1, 2640, 1875, 735, 255, 44),
    unit("Label2", F::T1, 4080, 1875, 1575, 255, 37),
    unit("Label9", F::Tt2, 6840, 1875, 975, 330, 30),
    fieldControl(F::Tt1, 1920, 2520, 855, 300, 11),
    unit("Label10", F::Tt1, 2880, 2565, 3375, 375, 29),
    caption("Label11", F::Tt1, 600, 2595, 1215, 375, 28),
    {K::Button, "jisuan", "加糖计算", 6360, 2685, 1250, 400, 5},
    caption("Label28", F::jiutiji, 600, 2925, 1095, 375, 46),
    fieldControl(F::jiutiji, 1920, 2925, 855, 300, 47),
    unit("Label29", F::jiutiji, 2880, 2925, 2055, 255, 48),
    fieldControl(F::s1, 1920, 3480, 855, 300, 8, kSong, "Text1"),
    unit("Label13", F::s1, 2880, 3480, 2895, 255, 26),
    caption("Label12", F::s1, 600, 3540, 1095, 255, 27),
    {K::Button, "jialiu", "加硫计算", 6360, 3825, 1250, 400, 6},
    fieldControl(F::s2, 1920, 3840, 855, 300, 7),
    unit("Label15", F::s2, 2880, 3840, 2055, 300, 24),
    caption("Label14", F::s2, 600, 3885, 1095, 375, 25),
    fieldControl(F::s3, 1920, 4200, 855, 315, 0),
    caption("Label23", F::s3, 1005, 4260, 735, 375, 16),
    unit("Label24", F::s3, 2880, 4260, 3015, 375, 15),
    fieldControl(F::jiaomu1, 1920, 4800, 855, 300, 4),
    unit("Label17", F::jiaomu1, 2880, 4800, 2895, 255, 22),
    caption("Label16", F::jiaomu1, 600, 4875, 1335, 255, 23),
    {K::Button, "jiaomu", "酵母计算", 6360, 4905, 1250, 400, 2},
    fieldControl(F::jiaomu2, 1920, 5160, 855, 300, 3),
    unit("Label19", F::jiaomu2, 2880, 5160, 1695, 375, 20),
    caption("Label18", F::jiaomu2, 600, 5235, 1215, 375, 21),
    {K::Label, "Label21", kCreditLine, 960, 5760, 6375, 375, 18, FontRole::SongTi12},
    {K::Label, "Label22", kContactLine, 720, 6120, 6855, 375, 17, FontRole::TimesNewRoman12},
    {K::Button, "Command1", kWelcomeLine, 600, 6600, 7035, 480, 49},
    fieldControl(F::sd, 7080, 7080, 855, 375, 41, FontRole::WindowDefault),
    {K::Button, "explain_c", "说  明", 1680, 7320, 1500, 500, 42},
    {K::Button, "exit", "退  出", 4920, 7320, 1500, 500, 1},
}};
// clang-format on

}  // namespace

std::span<const ControlRow> mainWindowControls() { return kControls; }

}  // namespace mostaric::ui
