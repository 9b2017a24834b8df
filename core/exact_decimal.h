// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <charconv>

// Decimal texts and doubles converted exactly, for standard libraries that
// lack std::from_chars for double (libc++ 19) or whose fixed-precision
// std::to_chars is too large for the web module (its tables are ~100 KB).
// Both give what the standard functions give; the core's tests check that.
namespace mostaric {

// Reads an optional "-", then digits with at most one "." (the longest such
// prefix, at least one digit) as the nearest double, ties to even. A value
// beyond the double range, or too small to tell from zero, gives
// result_out_of_range and leaves `value` alone.
std::from_chars_result decimalToDouble(const char* first, const char* last, double& value);

// A finite `value` in fixed notation with `decimals` digits after the point,
// rounded from its exact binary value to the nearest, ties to even; "-" for
// any negative value, zero included.
std::to_chars_result doubleToFixed(char* first, char* last, double value, int decimals);

}  // namespace mostaric
