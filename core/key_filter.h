#pragma once

#include <cstdint>

namespace mostaric {

// The rule of the four number inputs, applied to each typed character code
// (16-bit signed, as a text box hands it over): digits, "." and backspace
// pass unchanged; any other code becomes 0, which cancels the key.
void onNumericKeyPress(std::int16_t& keyCode);

}  // namespace mostaric
