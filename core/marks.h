// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calculations.h"
#include "core/field_update.h"
#include "core/fields.h"

// Which fields are marked after the calculations and edits, and what the
// user is told about them, worded in Simplified Chinese. Drawing a mark is
// the front end's business; deciding it and wording it is the core's.
namespace mostaric {

enum class MarkKind {
    Failure,  // a calculation could not use this field
    Notice,   // a result written all the same that needs a word
    Stale,    // a result that still holds an earlier batch's number
};

struct Mark {
    Field field;
    MarkKind kind;
    Calculation owner;  // the calculation whose next run takes the mark away
    std::string message;

    friend bool operator==(const Mark&, const Mark&) = default;
};

// A note to show beside a field.
struct Note {
    Field anchor;
    std::string text;

    friend bool operator==(const Note&, const Note&) = default;
};

// The words a front end shows next to each field: its caption and unit
// (empty where it has none).
class FieldCaptions {
public:
    void set(Field field, std::string caption, std::string unit);
    const std::string& caption(Field field) const { return m_captions[indexOf(field)]; }

    // "葡萄浆重量 Kg", or the caption alone without a unit.
    std::string withUnit(Field field) const;
    // How a note names a field: a result by caption and unit ("您需要加入"
    // stands thrice), others by caption, the hidden juice yield by the list
    // that sets it.
    std::string inNote(Field field) const;

private:
    std::array<std::string, kFieldCount> m_captions;
    std::array<std::string, kFieldCount> m_units;
};

// The note on a paste into a number input that was not a number.
std::string pasteRefusedNote(std::string_view text);

// The marks on the fields, at most one per field. Each change is reported to
// the listener, if any, before the next: the field and its mark now (none
// when taken away). A mark replacing another is reported once.
class Marks {
public:
    using Listener = std::function<void(Field, const Mark*)>;

    explicit Marks(Listener listener = {}) : m_listener(std::move(listener)) { }

    // Replaces the marks of `calculation`, run again, by those `update` calls
    // for (`after`: the fields after it): a failure mark on the field a
    // failure names, stale marks on its results still holding an earlier
    // text, notice marks on each notice's results. Returns the note to show:
    // the failure's, or else the first notice's.
    std::optional<Note> apply(Calculation calculation, const FieldUpdate& update,
                              const CalculatorFields& after, const FieldCaptions& captions);

    void clear(Field field);
    // The stale marks of every calculation that reads `input`, edited now.
    void clearStaleReading(Field input);
    void clearAll();

    const std::optional<Mark>& of(Field field) const { return m_marks[indexOf(field)]; }
    // The marks in the order of the fields.
    std::vector<Mark> all() const;
    // True while some mark gives `message` as its reason.
    bool carries(std::string_view message) const;

private:
    void mark(Mark mark);
    void clearOwnedBy(Calculation owner, std::optional<MarkKind> kind = {});

    Listener m_listener;
    std::array<std::optional<Mark>, kFieldCount> m_marks;
};

}  // namespace mostaric
