// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/paste.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/key_filter.h"
#include "core/marks.h"

namespace mostaric {
namespace {

// The blanks a window trims: ASCII's, U+0085, and Unicode's space, line and
// paragraph separators.
constexpr std::array<std::string_view, 25> kBlanks = {
    " ",      "\t",     "\n",     "\v",     "\f",     "\r",     "\u0085", "\u00a0", "\u1680",
    "\u2000", "\u2001", "\u2002", "\u2003", "\u2004", "\u2005", "\u2006", "\u2007", "\u2008",
    "\u2009", "\u200a", "\u2028", "\u2029", "\u202f", "\u205f", "\u3000",
};

std::size_t blankAtStart(std::string_view text)
{
    for (const std::string_view blank : kBlanks) {
        if (text.starts_with(blank))
            return blank.size();
    }
    return 0;
}

std::size_t blankAtEnd(std::string_view text)
{
    for (const std::string_view blank : kBlanks) {
        if (text.ends_with(blank))
            return blank.size();
    }
    return 0;
}

std::string_view trimmed(std::string_view text)
{
    while (const std::size_t size = blankAtStart(text))
        text.remove_prefix(size);
    while (const std::size_t size = blankAtEnd(text))
        text.remove_suffix(size);
    return text;
}

}  // namespace

bool typingGives(std::string_view text)
{
    constexpr char kBackspace = 8;
    // Every byte of a character beyond ASCII fails the filter, as each of its
    // UTF-16 units would.
    return std::ranges::all_of(text, [](char c) {
        return c != kBackspace
            && acceptsKey(static_cast<std::int16_t>(static_cast<unsigned char>(c)));
    });
}

PasteCheck checkPaste(std::string_view text)
{
    PasteCheck check;
    check.offered = trimmed(text);
    if (check.offered.empty())
        return check;
    check.accepted = typingGives(check.offered);
    if (!check.accepted)
        check.note = pasteRefusedNote(check.offered);
    return check;
}

}  // namespace mostaric
