#pragma once

#include <array>
#include <string_view>

namespace mostaric {

struct ChoiceList;
struct CalculatorFields;

// One measured specific gravity at 20 °C and what the must gives by itself.
struct GravityRow {
    std::string_view gravity;  // key and list entry, e.g. "1.06"
    std::string_view alcohol;  // %vol, into T1 and Tt2, e.g. "7.0"
    std::string_view brix;     // degrees Brix, into tangdu
};

extern const std::array<GravityRow, 56> GravityTable;

// Appends every gravity text, in table order, to the list of bizhong.
void fillGravityList(ChoiceList& bizhong);

// Copies the row whose key equals bizhong's text exactly into T1, Tt2 and
// tangdu; a text that matches no key writes nothing.
void onGravityChosen(CalculatorFields& fields);

}  // namespace mostaric
