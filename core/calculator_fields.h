#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace mostaric {

// Every field of the main window, by its control name.
enum class Field {
    pinzhong, weit, bizhong, xiguan, tangdu, T1, Tt2,
    Tt1, jiutiji, s1, s2, s3, jiaomu1, jiaomu2, sd,
};

// Every field, in the order of the enumeration.
inline constexpr std::array<Field, 15> AllFields = {
    Field::pinzhong, Field::weit, Field::bizhong, Field::xiguan, Field::tangdu,
    Field::T1, Field::Tt2, Field::Tt1, Field::jiutiji, Field::s1,
    Field::s2, Field::s3, Field::jiaomu1, Field::jiaomu2, Field::sd,
};

// The control name of a field, e.g. "Tt2"; the windows use it as objectName.
std::string_view fieldName(Field field);

// A drop-down list the user can only pick from. Its text is the chosen
// item's text, or empty while nothing is chosen.
struct ChoiceList {
    std::vector<std::string> items;
    std::string text;

    void append(std::string item);
    // Makes item `index` the chosen one; an index past the end chooses nothing.
    void choose(std::size_t index);

    friend bool operator==(const ChoiceList&, const ChoiceList&) = default;
};

// The whole state of the calculator: one text per field, nothing else.
struct CalculatorFields {
    ChoiceList pinzhong;
    ChoiceList bizhong;
    ChoiceList xiguan;

    std::string weit;
    std::string Tt2;
    std::string s1;
    std::string jiaomu1;

    std::string tangdu;
    std::string T1;
    std::string Tt1;
    std::string jiutiji;
    std::string s2;
    std::string s3;
    std::string jiaomu2;

    std::string sd;

    // The text of any field; for a list, its chosen text.
    std::string& text(Field field);
    const std::string& text(Field field) const;

    friend bool operator==(const CalculatorFields&, const CalculatorFields&) = default;
};

// Start-up step of the main window: fills the three lists and gives the
// inputs and the juice yield their start texts. Chooses nothing.
void onMainWindowLoad(CalculatorFields& fields);

}  // namespace mostaric
