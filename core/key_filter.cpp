#include "core/key_filter.h"

namespace mostaric {

void onNumericKeyPress(std::int16_t& keyCode)
{
    constexpr std::int16_t kBackspace = 8;
    const bool isDigit = keyCode >= '0' && keyCode <= '9';
    if (!isDigit && keyCode != '.' && keyCode != kBackspace)
        keyCode = 0;
}

}  // namespace mostaric
