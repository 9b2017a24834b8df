// SPDX-FileCopyrightText: 2026 The Mostaric developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator's C interface for the web page (web/core.js). Texts cross
// as UTF-8 in linear memory: the caller writes its arguments back to back
// into input(size) and passes their sizes; a function that answers returns
// JSON, NUL-terminated, valid until the next call, its size output_size().
// Only texts cross: JavaScript never computes or formats a number.

#include "web/mostaric_web.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/key_filter.h"
#include "core/paste.h"
#include "core/start_up.h"

// The export attribute exists on WebAssembly only; natively the test driver
// calls the same functions.
#if defined(__wasm__)
#define MOSTARIC_EXPORT(name) __attribute__((export_name(name)))
#else
#define MOSTARIC_EXPORT(name)
#endif

namespace mostaric::web {
namespace {

std::string g_input;
std::string g_output;

// Escaped as JSON.stringify escapes, so a page's re-serialisation matches.
void appendJsonString(std::string& out, std::string_view text)
{
    constexpr std::string_view kHex = "0123456789abcdef";
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        case '\n': out += "\\n"; break;
        case '\r': out += "\\r"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                out += "\\u00";
                out += kHex[static_cast<unsigned char>(c) >> 4U];
                out += kHex[static_cast<unsigned char>(c) & 0xFU];
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

std::string_view kindName(FieldKind kind)
{
    switch (kind) {
    case FieldKind::Input: return "input";
    case FieldKind::Result: return "result";
    case FieldKind::List: return "list";
    case FieldKind::Hidden: break;
    }
    return "hidden";
}

std::string_view markKindName(MarkKind kind)
{
    switch (kind) {
    case MarkKind::Failure: return "failure";
    case MarkKind::Notice: return "notice";
    case MarkKind::Stale: break;
    }
    return "stale";
}

std::optional<Field> fieldNamed(std::string_view name)
{
    const auto info = std::ranges::find(kFields, name, &FieldInfo::name);
    if (info == kFields.end())
        return std::nullopt;
    return info->field;
}

// The arguments in the input buffer, one after the other.
class Arguments {
public:
    std::string_view next(std::size_t size)
    {
        const std::string_view argument = std::string_view(g_input).substr(m_at, size);
        m_at += argument.size();
        return argument;
    }

private:
    std::size_t m_at = 0;
};

const char* answer(std::string json)
{
    g_output = std::move(json);
    return g_output.c_str();
}

const char* error(std::string_view what, std::string_view name)
{
    std::string json = "{\"error\":";
    appendJsonString(json, std::string(what) + ": " + std::string(name));
    return answer(json + "}");
}

const char* outcomeJson(const Outcome& outcome)
{
    std::string json = "{\"writes\":[";
    for (const FieldText& written : outcome.writes) {
        if (&written != outcome.writes.data())
            json += ',';
        json += '[';
        appendJsonString(json, fieldName(written.field));
        json += ',';
        appendJsonString(json, written.text);
        json += ']';
    }
    json += "],\"marks\":[";
    bool first = true;
    for (const Mark& mark : session().marks().all()) {
        json += first ? "{\"field\":" : ",{\"field\":";
        first = false;
        appendJsonString(json, fieldName(mark.field));
        json += ",\"kind\":";
        appendJsonString(json, markKindName(mark.kind));
        json += ",\"note\":";
        appendJsonString(json, mark.message);
        json += '}';
    }
    json += "],\"note\":";
    if (outcome.note) {
        json += "{\"field\":";
        appendJsonString(json, fieldName(outcome.note->anchor));
        json += ",\"text\":";
        appendJsonString(json, outcome.note->text);
        json += '}';
    } else {
        json += "null";
    }
    return answer(json + "}");
}

std::string stringArray(const auto& texts)
{
    std::string json = "[";
    for (const std::string_view text : texts) {
        if (json.size() > 1)
            json += ',';
        appendJsonString(json, text);
    }
    return json + "]";
}

}  // namespace

Session& session()
{
    static Session theSession;
    return theSession;
}

}  // namespace mostaric::web

using namespace mostaric;
using namespace mostaric::web;

extern "C" {

// A buffer of `size` bytes for the next call's arguments.
MOSTARIC_EXPORT("mostaric_input") char* mostaric_input(std::size_t size)
{
    g_input.assign(size, '\0');
    return g_input.data();
}

MOSTARIC_EXPORT("mostaric_output_size") std::size_t mostaric_output_size()
{
    return g_output.size();
}

// [{"name":"pinzhong","kind":"list"}, ...] in registry order.
MOSTARIC_EXPORT("mostaric_fields") const char* mostaric_fields()
{
    std::string json = "[";
    for (const FieldInfo& info : kFields) {
        json += json.size() > 1 ? ",{\"name\":" : "{\"name\":";
        appendJsonString(json, info.name);
        json += ",\"kind\":";
        appendJsonString(json, kindName(info.kind));
        json += '}';
    }
    return answer(json + "]");
}

MOSTARIC_EXPORT("mostaric_list_entries") const char* mostaric_list_entries(std::size_t nameSize)
{
    const std::string_view name = Arguments().next(nameSize);
    const auto field = fieldNamed(name);
    if (!field || fieldKind(*field) != FieldKind::List)
        return error("not a list", name);
    return answer(stringArray(listEntries(*field)));
}

// The caption and unit the page shows for a field; notes name fields by them.
MOSTARIC_EXPORT("mostaric_set_caption")
const char* mostaric_set_caption(std::size_t nameSize, std::size_t captionSize,
                                 std::size_t unitSize)
{
    Arguments arguments;
    const std::string_view name = arguments.next(nameSize);
    const std::string_view caption = arguments.next(captionSize);
    const std::string_view unit = arguments.next(unitSize);
    const auto field = fieldNamed(name);
    if (!field)
        return error("no such field", name);
    session().captions().set(*field, std::string(caption), std::string(unit));
    return answer("null");
}

MOSTARIC_EXPORT("mostaric_start_up") const char* mostaric_start_up()
{
    return outcomeJson(session().startUp());
}

MOSTARIC_EXPORT("mostaric_edit")
const char* mostaric_edit(std::size_t nameSize, std::size_t textSize)
{
    Arguments arguments;
    const std::string_view name = arguments.next(nameSize);
    const std::string_view text = arguments.next(textSize);
    const auto field = fieldNamed(name);
    if (!field || fieldKind(*field) != FieldKind::Input)
        return error("not an input", name);
    return outcomeJson(session().edit(*field, std::string(text)));
}

MOSTARIC_EXPORT("mostaric_choose")
const char* mostaric_choose(std::size_t nameSize, std::size_t entrySize)
{
    Arguments arguments;
    const std::string_view name = arguments.next(nameSize);
    const std::string_view entry = arguments.next(entrySize);
    const auto field = fieldNamed(name);
    if (!field || fieldKind(*field) != FieldKind::List)
        return error("not a list", name);
    return outcomeJson(session().choose(*field, entry));
}

// "sugar", "sulfite" or "yeast".
MOSTARIC_EXPORT("mostaric_calculate") const char* mostaric_calculate(std::size_t whichSize)
{
    const std::string_view which = Arguments().next(whichSize);
    constexpr std::pair<std::string_view, Calculation> kNames[] = {
        {"sugar", Calculation::Sugar},
        {"sulfite", Calculation::Sulfite},
        {"yeast", Calculation::Yeast},
    };
    const auto named =
        std::ranges::find(kNames, which, &std::pair<std::string_view, Calculation>::first);
    if (named == std::end(kNames))
        return error("no such calculation", which);
    return outcomeJson(session().calculate(named->second));
}

// One UTF-16 code unit of a typed character: 1 when the inputs take it.
MOSTARIC_EXPORT("mostaric_accepts_key") int mostaric_accepts_key(std::uint32_t codeUnit)
{
    return acceptsKey(static_cast<std::int16_t>(static_cast<std::uint16_t>(codeUnit))) ? 1 : 0;
}

// {"offered":"12","accepted":true,"note":null}: what a paste inserts, or the
// note refusing it.
MOSTARIC_EXPORT("mostaric_paste") const char* mostaric_paste(std::size_t textSize)
{
    const PasteCheck check = checkPaste(Arguments().next(textSize));
    std::string json = "{\"offered\":";
    appendJsonString(json, check.offered);
    json += check.accepted ? ",\"accepted\":true,\"note\":" : ",\"accepted\":false,\"note\":";
    if (check.note)
        appendJsonString(json, *check.note);
    else
        json += "null";
    return answer(json + "}");
}

}  // extern "C"
