// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The native side of the web module's check: the seeded batches of
// batches.mjs, run through the same C interface built natively, every
// outcome printed as JSON. Fails when the batches miss one of the outcomes.
// Usage: mostaric_batch_driver <batches> <output file>

#include <array>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <map>
#include <string>
#include <string_view>

#include "core/calculations.h"
#include "core/paste.h"
#include "core/start_up.h"
#include "web/mostaric_web.h"

extern "C" {
char* mostaric_input(std::size_t size);
std::size_t mostaric_output_size();
const char* mostaric_set_caption(std::size_t nameSize, std::size_t captionSize,
                                 std::size_t unitSize);
const char* mostaric_start_up();
const char* mostaric_edit(std::size_t nameSize, std::size_t textSize);
const char* mostaric_choose(std::size_t nameSize, std::size_t entrySize);
const char* mostaric_calculate(std::size_t whichSize);
int mostaric_accepts_key(std::uint32_t codeUnit);
}

namespace {

using namespace mostaric;

// The same xorshift32 as batches.mjs.
class Random {
public:
    explicit Random(std::uint32_t batch) : m_state((batch + 1) * 0x9E3779B1U) { }
    std::uint32_t below(std::uint32_t n)
    {
        m_state ^= m_state << 13U;
        m_state ^= m_state >> 17U;
        m_state ^= m_state << 5U;
        return m_state % n;
    }

private:
    std::uint32_t m_state;
};

std::string digits(Random& random, std::uint32_t count)
{
    std::string text;
    for (std::uint32_t i = 0; i < count; ++i)
        text += static_cast<char>('0' + random.below(10));
    return text;
}

// An input's text: mostly numbers, and each kind of text a calculation trips on.
std::string inputText(Random& random)
{
    constexpr std::array<std::string_view, 9> kUnreadable = {".",   "1.2.3", "..",   "-", "1,5",
                                                             "1e5", " 12",   "葡萄", "😀"};
    switch (random.below(9)) {
    case 3: return "";
    case 4: return std::string(kUnreadable[random.below(9)]);
    case 5: return std::string(250 + random.below(100), '9');
    case 6: {
        const std::string zeros(random.below(330), '0');
        return "0." + zeros + digits(random, 1 + random.below(3));
    }
    case 7: return "-" + digits(random, 1 + random.below(2));
    case 8: {
        std::string text = digits(random, random.below(3)) + ".";
        return text + digits(random, 20 + random.below(20));
    }
    default: {
        std::string text = digits(random, 1 + random.below(3));
        if (random.below(2) == 1)
            text += "." + digits(random, random.below(4));
        return text;
    }
    }
}

std::string quoted(std::string_view text)
{
    std::string json = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\')
            json += '\\';
        json += c;
    }
    return json + "\"";
}

std::string answer(const char* at) { return {at, mostaric_output_size()}; }

std::size_t put(std::string_view first, std::string_view second = {}, std::string_view third = {})
{
    const std::string all = std::string(first).append(second).append(third);
    all.copy(mostaric_input(all.size()), all.size());
    return first.size();
}

// Which of the outcomes a calculation is about to reach.
std::string_view outcomeOf(const FieldUpdate& update, const CalculatorFields& fields)
{
    if (update.failure) {
        if (update.failure->kind == CalculationFailure::Kind::NotFinite)
            return "not finite";
        return fields.text(update.failure->field).empty() ? "empty" : "unreadable";
    }
    if (!update.notices.empty()) {
        return update.notices.front().kind == CalculationNotice::Kind::GuardedEmpty
            ? "guard zeros"
            : "target below must";
    }
    return "typical";
}

constexpr std::array<std::string_view, 4> kInputs = {"weit", "Tt2", "s1", "jiaomu1"};
constexpr std::array<Field, 3> kLists = {Field::pinzhong, Field::bizhong, Field::xiguan};
constexpr std::array<std::string_view, 3> kCalculations = {"sugar", "sulfite", "yeast"};

std::string calculate(std::string_view which, std::map<std::string_view, int>& reached)
{
    const CalculatorFields& fields = web::session().fields();
    const FieldUpdate update = which == "sugar" ? calculateSugar(fields)
        : which == "sulfite"                    ? calculateSulfite(fields)
                                                : calculateYeast(fields);
    ++reached[outcomeOf(update, fields)];
    return answer(mostaric_calculate(put(which)));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: mostaric_batch_driver <batches> <output file>\n";
        return 2;
    }
    const std::string_view count = argv[1];
    std::uint32_t batches = 0;
    std::from_chars(count.data(), count.data() + count.size(), batches);
    std::ofstream out(argv[2], std::ios::binary);

    // Captions as the page's labels give them.
    constexpr std::array<std::array<std::string_view, 3>, 5> kCaptions = {{
        {"weit", "葡萄浆重量", "Kg"},
        {"Tt2", "理想酒精度", ""},
        {"Tt1", "您需要加入", "Kg糖"},
        {"pinzhong", "葡萄品种", ""},
        {"s2", "您需要加入", "g"},
    }};
    for (const auto& [name, caption, unit] : kCaptions) {
        put(name, caption, unit);
        mostaric_set_caption(name.size(), caption.size(), unit.size());
    }

    std::map<std::string_view, int> reached;
    for (std::uint32_t batch = 0; batch < batches; ++batch) {
        Random random(batch);
        out << "batch " << batch << " start " << answer(mostaric_start_up()) << '\n';
        const std::uint32_t operations = 2 + random.below(10);
        for (std::uint32_t i = 0; i < operations; ++i) {
            const std::uint32_t operation = random.below(10);
            if (operation < 4) {
                const std::string_view name = kInputs[random.below(4)];
                const std::string text = inputText(random);
                out << "edit " << name << ' ' << answer(mostaric_edit(put(name, text), text.size()))
                    << '\n';
            } else if (operation < 7) {
                const Field list = kLists[random.below(3)];
                const auto entries = listEntries(list);
                const std::uint32_t index =
                    random.below(static_cast<std::uint32_t>(entries.size()) + 1);
                const std::string_view entry = index < entries.size() ? entries[index] : "0";
                out << "choose " << fieldName(list) << ' '
                    << answer(mostaric_choose(put(fieldName(list), entry), entry.size())) << '\n';
            } else {
                const std::string_view which = kCalculations[random.below(3)];
                out << "calculate " << which << ' ' << calculate(which, reached) << '\n';
            }
        }
        for (const std::string_view which : kCalculations)
            out << "calculate " << which << ' ' << calculate(which, reached) << '\n';
        const std::string pasted = inputText(random);
        const PasteCheck check = checkPaste(pasted);
        out << "paste " << (check.note ? quoted(*check.note) : "null") << ' '
            << quoted(check.accepted ? check.offered : "") << '\n';
        const std::uint32_t key = random.below(65536);
        out << "key " << key << ' ' << (mostaric_accepts_key(key) == 1 ? "true" : "false") << '\n';
    }

    int missing = 0;
    for (const std::string_view outcome :
         {"typical", "empty", "unreadable", "not finite", "guard zeros", "target below must"}) {
        std::cerr << outcome << ": " << reached[outcome] << '\n';
        missing += reached[outcome] == 0 ? 1 : 0;
    }
    if (missing > 0)
        std::cerr << "FAIL: the batches miss " << missing << " of the outcomes\n";
    return missing > 0 || !out ? 1 : 0;
}
