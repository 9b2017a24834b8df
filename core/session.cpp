// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/session.h"

#include <algorithm>
#include <utility>

#include "core/gravity_table.h"
#include "core/start_up.h"
#include "core/variety_table.h"

namespace mostaric {

void Session::write(Outcome& outcome, const FieldText& written)
{
    // A new text: whatever was wrong with the old one is gone.
    if (m_fields.text(written.field) != written.text) {
        m_fields.text(written.field) = written.text;
        m_marks.clear(written.field);
    }
    outcome.writes.push_back(written);
}

Outcome Session::startUp()
{
    m_marks.clearAll();
    Outcome outcome;
    const CalculatorFields start = startUpFields();
    for (const FieldInfo& info : kFields)
        write(outcome, {info.field, start.text(info.field)});
    return outcome;
}

Outcome Session::edit(Field input, std::string text)
{
    if (fieldKind(input) != FieldKind::Input)
        return {};
    m_fields.text(input) = std::move(text);
    m_marks.clear(input);
    m_marks.clearStaleReading(input);
    return {};
}

Outcome Session::choose(Field list, std::string_view entry)
{
    const auto entries = listEntries(list);
    if (std::ranges::find(entries, entry) == entries.end())
        return {};
    m_fields.text(list) = entry;
    FieldUpdate update;
    if (list == Field::bizhong)
        update = chooseGravity(entry);
    else if (list == Field::pinzhong)
        update = chooseVariety(entry);
    // A choice is an edit of its own list and of every field it writes.
    Outcome outcome;
    for (const FieldText& written : update.writes) {
        write(outcome, written);
        m_marks.clearStaleReading(written.field);
    }
    m_marks.clearStaleReading(list);
    return outcome;
}

Outcome Session::calculate(Calculation calculation)
{
    FieldUpdate update;
    switch (calculation) {
    case Calculation::Sugar: update = calculateSugar(m_fields); break;
    case Calculation::Sulfite: update = calculateSulfite(m_fields); break;
    case Calculation::Yeast: update = calculateYeast(m_fields); break;
    }
    Outcome outcome;
    for (const FieldText& written : update.writes)
        write(outcome, written);
    outcome.note = m_marks.apply(calculation, update, m_fields, m_captions);
    return outcome;
}

}  // namespace mostaric
