// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The key filter of the four number inputs: digits, "." and backspace pass,
// every other code becomes 0 (cancelled).

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "core/key_filter.h"

namespace mostaric {
namespace {

// The code a text box goes on with: the key's own, or 0 when it is refused.
std::int16_t filtered(std::int16_t code) { return acceptsKey(code) ? code : std::int16_t{0}; }

TEST(KeyFilter, NamedKeys)
{
    const struct {
        const char* key;
        int code;
        int result;
    } cases[] = {
        {"0", 48, 48},
        {"5", 53, 53},
        {"9", 57, 57},
        {"point", 46, 46},
        {"backspace", 8, 8},
        {"NUL", 0, 0},
        {"copy (ctrl-C)", 3, 0},
        {"paste (ctrl-V)", 22, 0},
        {"cut (ctrl-X)", 24, 0},
        {"tab", 9, 0},
        {"Enter", 13, 0},
        {"Escape", 27, 0},
        {"blank", 32, 0},
        {"plus", 43, 0},
        {"comma", 44, 0},
        {"minus", 45, 0},
        {"slash", 47, 0},
        {"colon", 58, 0},
        {"E", 69, 0},
        {"e", 101, 0},
        {"DEL", 127, 0},
        {"128", 128, 0},
        {"255", 255, 0},
        // Codes whose low byte is a digit, point or backspace must not pass.
        {"256 + '0'", 304, 0},
        {"256 + '.'", 302, 0},
        {"256 + backspace", 264, 0},
        {"CJK 中 (U+4E2D)", 0x4E2D, 0},
        {"full-width 1 (U+FF11)", static_cast<std::int16_t>(0xFF11), 0},
        {"double-byte 0xB030", static_cast<std::int16_t>(0xB030), 0},
        {"-1", -1, 0},
        {"-12345", -12345, 0},
        {"INT16_MIN", INT16_MIN, 0},
        {"INT16_MAX", INT16_MAX, 0},
        {"-48", -48, 0},
        {"-8", -8, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(filtered(static_cast<std::int16_t>(c.code)), c.result);
    }
}

// Every 16-bit code, in ranges; one failure line per range, not per code.
TEST(KeyFilter, EveryCode)
{
    const struct {
        int first;
        int last;
        bool passes;
    } ranges[] = {
        {INT16_MIN, -1, false}, {0, 7, false},    {8, 8, true},
        {9, 45, false},         {46, 46, true},   {47, 47, false},
        {48, 57, true},         {58, 127, false}, {128, INT16_MAX, false},
    };
    for (const auto& r : ranges) {
        std::string wrong;
        for (int code = r.first; code <= r.last; ++code) {
            const auto key = static_cast<std::int16_t>(code);
            if (filtered(key) != (r.passes ? key : 0) && wrong.size() < 80)
                wrong += std::to_string(code) + " ";
        }
        EXPECT_EQ(wrong, "") << "codes " << r.first << ".." << r.last
                             << (r.passes ? " must pass unchanged" : " must become 0");
    }
}

}  // namespace
}  // namespace mostaric
