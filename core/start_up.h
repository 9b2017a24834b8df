// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string_view>
#include <vector>

#include "core/fields.h"

namespace mostaric {

// The main window's state before it is first shown (its load step): the
// inputs' and the juice yield's start texts; no list entry chosen yet.
CalculatorFields startUpFields();

// The entries of a list field, in the order shown; empty for other fields.
std::vector<std::string_view> listEntries(Field list);

}  // namespace mostaric
