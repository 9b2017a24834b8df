// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace mostaric {

// A paste into a number input, offered as `text`: less the blanks around it
// (as the windows trim, Unicode spaces included) it is taken whole if typing
// it key by key would give it, else refused whole with a note quoting it.
struct PasteCheck {
    std::string offered;              // the text less surrounding blanks
    bool accepted = false;            // insert `offered`; false when blank or refused
    std::optional<std::string> note;  // why it was refused
};

PasteCheck checkPaste(std::string_view text);

// True when typing `text` would give it: every character passes the key
// filter, and none is a backspace, which acts as a key and leaves nothing.
bool typingGives(std::string_view text);

}  // namespace mostaric
