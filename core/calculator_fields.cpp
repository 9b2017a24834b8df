#include "core/calculator_fields.h"

#include <array>

#include "core/gravity_table.h"
#include "core/numeric_text.h"
#include "core/variety_table.h"

namespace mostaric {
namespace {

constexpr std::array<std::string_view, 15> kFieldNames = {
    "pinzhong", "weit", "bizhong", "xiguan", "tangdu", "T1", "Tt2",
    "Tt1", "jiutiji", "s1", "s2", "s3", "jiaomu1", "jiaomu2", "sd",
};

constexpr double kCabernetSauvignonYield = 0.62;
constexpr std::array kCustomarySugarAmounts = {17, 18, 19, 20};

// One switch for the const and the mutable accessor.
template <typename Fields>
auto& textOf(Fields& fields, Field field)
{
    switch (field) {
    case Field::pinzhong: return fields.pinzhong.text;
    case Field::weit: return fields.weit;
    case Field::bizhong: return fields.bizhong.text;
    case Field::xiguan: return fields.xiguan.text;
    case Field::tangdu: return fields.tangdu;
    case Field::T1: return fields.T1;
    case Field::Tt2: return fields.Tt2;
    case Field::Tt1: return fields.Tt1;
    case Field::jiutiji: return fields.jiutiji;
    case Field::s1: return fields.s1;
    case Field::s2: return fields.s2;
    case Field::s3: return fields.s3;
    case Field::jiaomu1: return fields.jiaomu1;
    case Field::jiaomu2: return fields.jiaomu2;
    case Field::sd: return fields.sd;
    }
    return fields.sd;  // not reached: every field is listed above
}

}  // namespace

std::string_view fieldName(Field field)
{
    return kFieldNames.at(static_cast<std::size_t>(field));
}

void ChoiceList::append(std::string item) { items.push_back(std::move(item)); }

void ChoiceList::choose(std::size_t index)
{
    if (index < items.size())
        text = items[index];
}

std::string& CalculatorFields::text(Field field) { return textOf(*this, field); }

const std::string& CalculatorFields::text(Field field) const { return textOf(*this, field); }

void onMainWindowLoad(CalculatorFields& fields)
{
    fields.sd = NumberText(kCabernetSauvignonYield);
    for (const std::string_view name : VarietyListOrder)
        fields.pinzhong.append(std::string(name));
    fillGravityList(fields.bizhong);
    for (const int grams : kCustomarySugarAmounts)
        fields.xiguan.append(NumberText(grams));
    fields.weit = NumberText(0);
    fields.Tt2 = NumberText(0);
    fields.s1 = "30";
    fields.jiaomu1 = "0.2";
}

}  // namespace mostaric
