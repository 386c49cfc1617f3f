// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "EntryLoader.h"

#include "CodeTables.h"
#include "FieldTable.h"

#include <cstdio>
#include <optional>

namespace grimlark {

namespace {

using Status = LoadResult::Status;

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

LoadResult refuse(Status status, const char *field, std::string_view value)
{
    return LoadResult{status, field, std::string(value)};
}

/// A decimal number with optional sign and fraction, blanks allowed around it;
/// its whole part, or the reason it has none. Values past int range come back
/// clamped so that range checks still refuse them.
struct WholeNumber {
    std::optional<long> value;
    Status fault = Status::Loaded;
};

WholeNumber parseWholeNumber(std::string_view text)
{
    auto isBlank = [](char c) { return c == ' ' || c == '\t'; };
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);

    size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    long magnitude = 0;
    size_t digits = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos, ++digits) {
        if (magnitude < 1000000)
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

/// Reads the element code, accepting exactly the codes that the generator writes
/// back unchanged, so that a line loads the same whatever was loaded before:
/// one digit is an element with no level; a level digit 2, 4, 6 or 8 followed by
/// a digit is a level and an element; "-1" is no element (the level is kept) and
/// "2-1" to "8-1" a level with no element.
std::optional<LoadResult> readElement(std::string_view text, MonsterEntry &entry)
{
    auto isLevel = [](char c) { return c == '2' || c == '4' || c == '6' || c == '8'; };
    auto levelOf = [](char c) { return static_cast<ListPosition>((c - '0') / 2 - 1); };
    if (text == "-1") {
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
        return refuse(Status::BadElement, kElementList.caption, text);
    }
    return std::nullopt;
}

std::optional<LoadResult> readMode(std::string_view text, MonsterEntry &entry)
{
    const WholeNumber number = parseWholeNumber(text);
    if (!number.value)
        return refuse(number.fault, "Mode", text);
    if (*number.value < 0 || *number.value > 4095)
        return refuse(Status::OutOfRange, "Mode", text);
    entry.Mode = modeFlagsFor(static_cast<int>(*number.value));
    return std::nullopt;
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
            std::snprintf(name, sizeof name, "<U+%04X>", static_cast<unsigned>(code));
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
    case Status::NotANumber:
        return "The " + field + " value " + quoted + " is not a number. The line was not loaded.";
    case Status::NotWholeNumber:
        return "The " + field + " value " + quoted +
               " is not a whole number. The line was not loaded.";
    case Status::OutOfRange:
        if (field == "Mode")
            return "The Mode value " + quoted +
                   " is not a whole number from 0 to 4095. The line was not loaded.";
        return "The " + field + " value " + quoted +
               " is not one of the list's positions. The line was not loaded.";
    case Status::BadElement:
        return "The Element value " + quoted +
               " is not an element code (an element digit, after a level 2, 4, 6 or 8 if"
               " it has one). The line was not loaded.";
    }
    return {};
}

LoadResult LoadEntryIntoEditor(std::string_view line, MonsterEntry &entry)
{
    if (line.empty())
        return refuse(Status::NoLine, "", "");
    if (line.find("//") != std::string_view::npos)
        return refuse(Status::CommentLine, "", "");

    std::array<std::string_view, kFieldCount> fields;
    size_t count = 0;
    for (size_t start = 0;; ++count) {
        const size_t comma = line.find(',', start);
        if (count < kFieldCount)
            fields[count] = line.substr(start, comma - start);
        if (comma == std::string_view::npos) {
            ++count;
            break;
        }
        start = comma + 1;
    }
    if (count < kFieldCount)
        return refuse(Status::TooFewFields, "", std::to_string(count));

    // Parse into a copy so that a refusal leaves the editor exactly as it was.
    MonsterEntry loaded = entry;
    for (int i = 0; i < kFieldCount; ++i) {
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

} // namespace grimlark
