// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "EntryLoader.h"

#include "CodeTables.h"
#include "FieldTable.h"
#include "SqlEntry.h"

#include <cstdio>
#include <optional>
#include <vector>

namespace grimlark {

namespace {

using Status = LoadResult::Status;

constexpr long kModeMax = 4095;          ///< every box ticked
constexpr long kNumberClamp = 100000000; ///< past this, numbers are only "too large"

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

LoadResult refuse(Status status, const char *field, std::string_view value)
{
    return LoadResult{status, field, std::string(value)};
}

bool isBlank(char c);
std::string_view trimmed(std::string_view text);

/// A decimal number with optional sign and fraction, blanks allowed around it;
/// its whole part, or the reason it has none. Values past int range come back
/// clamped so that range checks still refuse them.
struct WholeNumber {
    std::optional<long> value;
    Status fault = Status::Loaded;
};

WholeNumber parseWholeNumber(std::string_view text)
{
    text = trimmed(text);

    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    long magnitude = 0;
    size_t digits = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos, ++digits) {
        if (magnitude < kNumberClamp)
            magnitude = magnitude * 10 + (text[pos] - '0');
    }
    bool fraction = false;
    if (pos < text.size() && text[pos] == '.') {
        for (++pos; pos < text.size() && isDigit(text[pos]); ++pos, ++digits)
            fraction = fraction || text[pos] != '0';
    }
    if (digits == 0 || pos != text.size())
        return {std::nullopt, Status::NotANumber};
    if (fraction)
        return {std::nullopt, Status::NotWholeNumber};
    return {negative ? -magnitude : magnitude, Status::Loaded};
}

/// Reads a list position field: a whole number within the list, or -1 for none.
std::optional<LoadResult> readListPosition(std::string_view text, const CodeList &list,
                                           ListPosition &position)
{
    const WholeNumber number = parseWholeNumber(text);
    if (!number.value)
        return refuse(number.fault, list.caption, text);
    if (*number.value < kNoSelection || *number.value >= list.size())
        return refuse(Status::OutOfRange, list.caption, text);
    position = static_cast<ListPosition>(*number.value);
    return std::nullopt;
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

/// Reads the element code, accepting exactly the codes that the generator writes
/// back unchanged, so that a line loads the same whatever was loaded before:
/// one digit is an element with no level; a level digit 2, 4, 6 or 8 followed by
/// a digit is a level and an element; "-1" is neither element nor level, and
/// "2-1" to "8-1" a level with no element. Blanks around the code are allowed,
/// as around the other coded fields (the servers read them as numbers).
std::optional<LoadResult> readElement(std::string_view field, MonsterEntry &entry)
{
    const std::string_view text = trimmed(field);
    auto isLevel = [](char c) { return c == '2' || c == '4' || c == '6' || c == '8'; };
    auto levelOf = [](char c) { return static_cast<ListPosition>((c - '0') / 2 - 1); };
    if (text == "-1") {
        entry.ELvl = kNoSelection;
        entry.Element = kNoSelection;
    } else if (text.size() == 3 && isLevel(text[0]) && text.substr(1) == "-1") {
        entry.ELvl = levelOf(text[0]);
        entry.Element = kNoSelection;
    } else if (text.size() == 1 && isDigit(text[0])) {
        entry.ELvl = kNoSelection;
        entry.Element = static_cast<ListPosition>(text[0] - '0');
    } else if (text.size() == 2 && isLevel(text[0]) && isDigit(text[1])) {
        entry.ELvl = levelOf(text[0]);
        entry.Element = static_cast<ListPosition>(text[1] - '0');
    } else {
        return refuse(Status::BadElement, kElementList.caption, field);
    }
    return std::nullopt;
}

std::optional<LoadResult> readMode(std::string_view text, MonsterEntry &entry)
{
    const WholeNumber number = parseWholeNumber(text);
    if (!number.value)
        return refuse(number.fault, "Mode", text);
    if (*number.value < 0 || *number.value > kModeMax)
        return refuse(Status::OutOfRange, "Mode", text);
    entry.Mode = modeFlagsFor(static_cast<int>(*number.value));
    return std::nullopt;
}

/// True for a whole number as the servers read one: decimal, or (later
/// layouts' Mode) hexadecimal after "0x".
bool isNumber(std::string_view text)
{
    text = trimmed(text);
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X'))
        return text.find_first_not_of("0123456789abcdefABCDEF", 2) == std::string_view::npos;
    return parseWholeNumber(text).value.has_value();
}

constexpr const char *kLaterEathena =
    "later eAthena layout (58 fields: ID,Sprite_Name,kROName,iROName,LV,...)";

/// True when field 3, the level in the classic layout, holds a name and field 4
/// a number, as in the layouts with three names.
bool hasThreeNames(const std::vector<std::string_view> &fields)
{
    return fields.size() >= 26 && !isNumber(fields[3]) && isNumber(fields[4]);
}

/// The layout that a line of the family other than the classic one is in, or
/// null. What tells them apart in every server's files: in the classic layout
/// field 3 is the level, a number; the later layouts put a third name there.
const char *otherLayout(const std::vector<std::string_view> &fields)
{
    const size_t count = fields.size();
    if (count >= 10) {
        size_t padded = 0;
        for (std::string_view field : fields)
            padded += !field.empty() && isBlank(field.front());
        if (padded * 2 >= count)
            return "tab-aligned layout of files with a \"#ID,...\" header";
    }
    if (count == 55 && isNumber(fields[3]))
        return "jAthena layout (55 fields: 8 drops, then Item1,Item2)";
    if (!hasThreeNames(fields))
        return nullptr;
    if (count == 58) {
        // A classic line with a comma in its display name has this shape too;
        // a hexadecimal Mode is the later layout's alone.
        const std::string_view mode = trimmed(fields[25]);
        const bool hex = mode.size() > 2 && mode[0] == '0' && (mode[1] == 'x' || mode[1] == 'X');
        return hex ? kLaterEathena : nullptr;
    }
    if (count != kFieldCount)
        return nullptr;
    // 57 fields with a name where the level goes: rAthena's order, or a classic
    // line whose level was typed as text. Read as rAthena's, the coded fields
    // tell: a size, a race, an element code and a Mode where that order has them.
    MonsterEntry probe;
    const bool rAthena = !readListPosition(fields[22], kScaleList, probe.Scale) &&
                         !readListPosition(fields[23], kRaceList, probe.Race) &&
                         !readElement(fields[24], probe) && isNumber(fields[25]);
    return rAthena ? "rAthena layout (57 fields: ID,Sprite_Name,kROName,iROName,LV,...)" : nullptr;
}

} // namespace

std::string quoteValue(std::string_view value)
{
    constexpr int kShownCharacters = 40;
    std::string shown = "\"";
    int characters = 0;
    for (std::size_t i = 0; i < value.size(); ++characters) {
        if (characters == kShownCharacters) {
            shown += "\xE2\x80\xA6"; // an ellipsis: the value goes on
            break;
        }
        const auto byte = static_cast<unsigned char>(value[i]);
        const std::size_t length = byte < 0xC0 ? 1 : byte < 0xE0 ? 2 : byte < 0xF0 ? 3 : 4;
        const std::string_view character = value.substr(i, length);
        i += character.size();
        char32_t code = byte;
        if (length > 1 && character.size() == length) {
            code = byte & (0x7F >> length);
            for (std::size_t k = 1; k < length; ++k)
                code = (code << 6) | (static_cast<unsigned char>(character[k]) & 0x3F);
        }
        // Characters that would not show, or show as a blank, are named instead.
        const bool invisible = code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0xA0) ||
                               code == 0xAD || (code >= 0x200B && code <= 0x200F) ||
                               (code >= 0x2028 && code <= 0x202E) ||
                               (code >= 0x2060 && code <= 0x2064) || code == 0xFEFF;
        if (code == '\t') {
            shown += "<tab>";
        } else if (invisible && (length == 1 || character.size() == length)) {
            char name[16];
            (void)std::snprintf(name, sizeof name, "<U+%04X>", static_cast<unsigned>(code));
            shown += name;
        } else {
            shown += character;
        }
    }
    return shown + "\"";
}

std::string LoadResult::message() const
{
    const std::string quoted = quoteValue(value);
    switch (status) {
    case Status::Loaded:
        return {};
    case Status::NoLine:
        return "Select a line in the list first, then press \"Load Monster Into Editor\".";
    case Status::CommentLine:
        return "Commented lines cannot be loaded into the editor.";
    case Status::TooFewFields:
        return "This line has " + value +
               " fields, but a monster entry needs 57. The line was not loaded.";
    case Status::TooManyFields:
        return "This line has " + value +
               " fields, but a monster entry has 57: a comma inside a name, or a line of " +
               (field.empty() ? "another layout" : "the " + field) + ". The line was not loaded.";
    case Status::BadStatement:
        return value + " The line was not loaded.";
    case Status::OtherLayout:
        return "This line looks like the " + field +
               ", not the classic layout that Grimlark reads (57 fields: ID,Name,JName,LV,HP,"
               "...). The line was not loaded.";
    case Status::NotANumber:
        return "The " + field + " value " + quoted + " is not a number. The line was not loaded.";
    case Status::NotWholeNumber:
        return "The " + field + " value " + quoted +
               " is not a whole number. The line was not loaded.";
    case Status::OutOfRange:
        if (field == "Mode") {
            const WholeNumber number = parseWholeNumber(value);
            if (number.value && *number.value > kModeMax && *number.value < kNumberClamp)
                return "The Mode value " + quoted + " holds flags from 4096 up (" +
                       std::to_string(*number.value & ~long(kModeMax)) +
                       " of it) that the editor has no box for; it takes Modes from 0 to "
                       "4095. The line was not loaded.";
            return "The Mode value " + quoted +
                   " is not a whole number from 0 to 4095. The line was not loaded.";
        }
        return "The " + field + " value " + quoted +
               " is not one of the list's positions. The line was not loaded.";
    case Status::BadElement:
        return "The Element value " + quoted +
               " is not an element code (an element digit, after a level 2, 4, 6 or 8 if"
               " it has one). The line was not loaded.";
    }
    return {};
}

namespace {

/// Loads the values of one row, all or nothing.
LoadResult loadFields(const std::vector<std::string_view> &fields, MonsterEntry &entry)
{
    if (const char *layout = otherLayout(fields))
        return refuse(Status::OtherLayout, layout, "");
    if (fields.size() < kFieldCount)
        return refuse(Status::TooFewFields, "", std::to_string(fields.size()));
    if (fields.size() > kFieldCount) // naming the likelier layout where it has the shape
        return refuse(Status::TooManyFields,
                      fields.size() == 58 && hasThreeNames(fields) ? kLaterEathena : "",
                      std::to_string(fields.size()));

    // Parse into a copy so that a refusal leaves the editor exactly as it was.
    MonsterEntry loaded = entry;
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const FieldInfo &info = kFields[i];
        std::optional<LoadResult> fault;
        switch (info.kind) {
        case FieldKind::Text:
            loaded.*info.text = std::string(fields[i]);
            break;
        case FieldKind::Scale:
            fault = readListPosition(fields[i], kScaleList, loaded.Scale);
            break;
        case FieldKind::Race:
            fault = readListPosition(fields[i], kRaceList, loaded.Race);
            break;
        case FieldKind::Element:
            fault = readElement(fields[i], loaded);
            break;
        case FieldKind::Mode:
            fault = readMode(fields[i], loaded);
            break;
        }
        if (fault)
            return *fault;
    }
    entry = std::move(loaded);
    return {};
}

} // namespace

LoadResult LoadEntryIntoEditor(std::string_view line, MonsterEntry &entry)
{
    if (line.empty())
        return refuse(Status::NoLine, "", "");
    // A statement's values may hold "//" (the text-entry comment mark) as data.
    if (isSqlStatement(line)) {
        const SqlRow row = parseSqlRow(line);
        if (!row.fault.empty())
            return refuse(Status::BadStatement, "", row.fault);
        return loadFields(std::vector<std::string_view>(row.values.begin(), row.values.end()),
                          entry);
    }
    if (line.find("//") != std::string_view::npos)
        return refuse(Status::CommentLine, "", "");

    std::vector<std::string_view> fields;
    for (size_t start = 0;;) {
        const size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    return loadFields(fields, entry);
}

} // namespace grimlark
