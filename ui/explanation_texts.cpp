#include "ui/explanation_texts.h"

#include <array>
#include <cstring>

namespace mostaric::ui {

namespace {

using Kind = ExplanationControl::Kind;

// The window's controls in reading order, with their texts. The texts of Label11 and
// Label12 (the two references) are ours, one line each: Label12 stands only
// 360 twips (one line) below Label11. Every other text is fixed wording of the page.
constexpr std::array<ExplanationControl, 16> kControls{{
    {"Label10", Kind::Label, 480, 480, 1215, 255, 12,
     u"资料来源：", nullptr},
    {"Label11", Kind::Label, 1560, 480, 4935, 495, 13,
     u"1、家酿葡萄酒工艺手册中有关加糖、加硫的章节；", nullptr},
    {"Label12", Kind::Label, 1560, 840, 4455, 375, 14,
     u"2、葡萄酒爱好者论坛上各位酒友的经验交流。", nullptr},
    {"Label13", Kind::Label, 1560, 1200, 3015, 375, 15,
     u"在此表示感谢！", nullptr},
    {"sm1", Kind::Label, 480, 1560, 735, 255, 0,
     u"说明：", nullptr},
    {"sm_1", Kind::Label, 720, 2040, 5415, 495, 1,
     u"1、葡萄浆：去梗、坏果、烂果等杂质，破碎后，含皮、核            的葡萄汁。",
     u"的葡萄汁。"},
    {"Label1", Kind::Label, 720, 2520, 1095, 255, 3,
     u"2、公式：", nullptr},
    {"Label2", Kind::Label, 960, 2880, 5295, 495, 4,
     u"1）加糖：（（理想酒精度-原来酒精度）*习惯加糖量*葡           萄浆重量*出汁率/测得比重）/ 1000 \r\n",
     u"萄浆重量"},
    {"Label3", Kind::Label, 960, 3480, 5295, 615, 5,
     u"2）加硫（偏重亚硫酸钾）：(习惯加硫量*葡萄浆重量*出                          汁率/测得比重)/500 ",
     u"汁率/测得比重"},
    {"Label4", Kind::Label, 960, 4080, 5655, 495, 6,
     u"   加硫（ 6% 的亚硫酸）：习惯加硫量*葡萄浆重量*                                出汁率/(测得比重*60*1.03) ",
     u"出汁率/("},
    {"Label5", Kind::Label, 960, 4680, 5535, 375, 7,
     u"3）加酵母：习惯加酵母量*葡萄浆重量*出汁率", nullptr},
    {"Label9", Kind::Label, 720, 5160, 4815, 255, 11,
     u"3、比重测量室温为20摄氏度；", nullptr},
    {"Label6", Kind::Label, 720, 5640, 1215, 375, 8,
     u"4、出汁率：", nullptr},
    {"Label7", Kind::Label, 1200, 6000, 5175, 495, 9,
     u"赤霞珠 0.62      蛇龙珠 0.75      品丽珠 0.76   美  乐 0.74      西  拉 0.73      巨  峰 0.83 \r\n",
     u"美  乐"},
    {"Label8", Kind::Label, 1200, 6435, 5175, 375, 10,
     u"玫瑰香 0.76      桂  葡 0.65      山葡萄 0.58", nullptr},
    {"goback", Kind::Button, 4320, 6960, 1500, 500, 2,
     u"返  回", nullptr},
}};

}  // namespace

std::span<const ExplanationControl> explanationControls()
{
    return kControls;
}

const ExplanationControl* findExplanationControl(const char* name)
{
    for (const ExplanationControl& control : kControls) {
        if (std::strcmp(control.name, name) == 0)
            return &control;
    }
    return nullptr;
}

QString storedText(const ExplanationControl& control)
{
    return QString::fromUtf16(control.text);
}

QStringList displayedLines(const ExplanationControl& control)
{
    QString text = storedText(control);
    // The line end and the blanks at the end of the text show nothing.
    while (!text.isEmpty()
           && (text.back() == u' ' || text.back() == u'\r' || text.back() == u'\n'))
        text.chop(1);

    QStringList lines;
    if (control.secondLine == nullptr) {
        lines.append(text);
        return lines;
    }
    const QString second = QString::fromUtf16(control.secondLine);
    const qsizetype secondStart = text.indexOf(second);
    qsizetype firstEnd = secondStart;
    while (firstEnd > 0 && text.at(firstEnd - 1) == u' ')
        --firstEnd;
    if (secondStart <= 0 || firstEnd == secondStart) {
        // The table names no blank run: it is wrong. Show the text as it is.
        lines.append(text);
        return lines;
    }
    lines.append(text.left(firstEnd));
    lines.append(text.mid(secondStart));
    return lines;
}

QString displayedText(const ExplanationControl& control)
{
    return displayedLines(control).join(u'\n');
}

}  // namespace mostaric::ui
