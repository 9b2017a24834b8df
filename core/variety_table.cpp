#include "core/variety_table.h"

#include <algorithm>

#include "core/calculator_fields.h"

namespace mostaric {

// Two-character names carry two U+0020 blanks between their characters.
const std::array<VarietyRow, 9> VarietyTable = {{
    {"赤霞珠", "0.62"},
    {"蛇龙珠", "0.75"},
    {"品丽珠", "0.76"},
    {"美  乐", "0.74"},
    {"西  拉", "0.73"},
    {"巨  峰", "0.83"},
    {"玫瑰香", "0.76"},
    {"桂  葡", "0.65"},
    {"山葡萄", "0.58"},
}};

const std::array<std::string_view, 9> VarietyListOrder = {
    "赤霞珠", "蛇龙珠", "桂  葡", "品丽珠", "美  乐",
    "西  拉", "巨  峰", "玫瑰香", "山葡萄",
};

void onVarietyChosen(CalculatorFields& fields)
{
    const auto row = std::ranges::find(VarietyTable, std::string_view(fields.pinzhong.text),
                                       &VarietyRow::name);
    if (row != VarietyTable.end())
        fields.sd = row->juiceYield;
}

}  // namespace mostaric
