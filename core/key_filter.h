// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>

namespace mostaric {

// The rule of the four number inputs (their key-press step), applied to each
// typed character code (16-bit signed, as a text box hands it over): digits,
// "." and backspace pass; any other code is refused, which cancels the key.
bool acceptsKey(std::int16_t keyCode);

}  // namespace mostaric
