#pragma once

#include <array>
#include <string_view>

namespace mostaric {

struct CalculatorFields;

// A grape variety and the share of the must's weight that is juice.
struct VarietyRow {
    std::string_view name;        // two-character names hold two U+0020 blanks
    std::string_view juiceYield;  // into sd, e.g. "0.62"
};

extern const std::array<VarietyRow, 9> VarietyTable;

// The variety names in the order of the pinzhong list, which is not the
// table's order.
extern const std::array<std::string_view, 9> VarietyListOrder;

// Writes the yield of the variety named exactly by pinzhong's text into sd;
// a text that names no variety writes nothing.
void onVarietyChosen(CalculatorFields& fields);

}  // namespace mostaric
