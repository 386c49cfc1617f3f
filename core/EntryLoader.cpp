// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "EntryLoader.h"

#include "CodeTables.h"
#include "FieldTable.h"
#include "HerculesEntry.h"
#include "Numbers.h"
#include "RathenaYamlEntry.h"
#include "Utf8.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <vector>

namespace grimlark {

namespace {

using Status = LoadResult::Status;

constexpr long long kModeMost = 0xFFFFFFF; ///< past it, no flag of any layout

LoadResult refuse(Status status, const FieldInfo &field, std::string_view value)
{
    LoadResult result;
    result.status = status;
    result.field = field.name;
    result.value = std::string(value);
    return result;
}

LoadResult refuse(Status status, std::string value = {})
{
    LoadResult result;
    result.status = status;
    result.value = std::move(value);
    return result;
}

/// A whole number's refusal: not a number, or a number with a fraction.
LoadResult refuseNumber(const WholeNumber &number, const FieldInfo &field, std::string_view text)
{
    return refuse(number.hasFraction ? Status::NotWholeNumber : Status::NotANumber, field, text);
}

/// Reads a list position field: a whole number within the list, or -1 for none.
std::optional<LoadResult> readListPosition(std::string_view text, const FieldInfo &field,
                                           const CodeList &list, ListPosition &position)
{
    const WholeNumber number = parseWholeNumber(text);
    if (!number.value)
        return refuseNumber(number, field, text);
    if (*number.value < kNoSelection || *number.value >= list.size())
        return refuse(Status::OutOfRange, field, text);
    position = static_cast<ListPosition>(*number.value);
    return std::nullopt;
}

/// Reads the element code (readElementCode); a code the program would write
/// otherwise ("56", "05") is kept as written.
std::optional<LoadResult> readElement(std::string_view field, const FieldInfo &info,
                                      MonsterEntry &entry)
{
    const std::string_view text = trimmed(field);
    const std::optional<ElementCode> code = readElementCode(text);
    if (!code)
        return refuse(Status::BadElement, info, field);
    entry.ELvl = code->level;
    entry.Element = code->element;
    entry.carried.elementText = code->asWritten ? std::string() : std::string(text);
    return std::nullopt;
}

/// Reads the Mode: its twelve boxes, and the flags above them carried. The
/// later servers read it with strtol(..., 0), so hexadecimal ("0x3195") and
/// octal ("0131") too; the classic ones read a hexadecimal Mode as 0, so it is
/// refused there.
std::optional<LoadResult> readMode(std::string_view text, const FieldInfo &field,
                                   MonsterEntry &entry, bool hexadecimal,
                                   std::vector<std::string> &notes)
{
    long mode = 0;
    entry.carried.modeText.clear();
    if (hexadecimal && isHexNumber(text)) {
        std::string_view digits = trimmed(text).substr(2);
        digits.remove_prefix(std::min(digits.size(), digits.find_first_not_of('0')));
        if (digits.size() > 7) // past 0xFFFFFFF: no flag is that high
            return refuse(Status::OutOfRange, field, text);
        mode = digits.empty() ? 0 : std::strtol(std::string(digits).c_str(), nullptr, 16);
        entry.carried.modeText = std::string(trimmed(text));
    } else if (const std::string_view t = trimmed(text);
               hexadecimal && t.size() > 1 && t[0] == '0' && parseWholeNumber(t).value) {
        // strtol of base 0 reads a leading 0 as octal, up to the first digit
        // that is none ("0131" is 89, "04947" is 4): loaded as the server
        // reads it, written back as it stands, and said.
        std::size_t end = 1;
        while (end < t.size() && t[end] >= '0' && t[end] <= '7')
            ++end;
        mode = end > 12 ? kModeMost + 1
                        : std::strtol(std::string(t.substr(0, end)).c_str(), nullptr, 8);
        if (mode > kModeMost)
            return refuse(Status::OutOfRange, field, text);
        entry.carried.modeText = std::string(t);
        notes.push_back("The later servers read the Mode " + quoteValue(t) +
                        " as an octal number: " + std::to_string(mode) + ".");
    } else {
        const WholeNumber number = parseWholeNumber(text);
        if (!number.value)
            return refuseNumber(number, field, text);
        // parseWholeNumber stops counting past 10^8; a hexadecimal Mode goes to
        // 0xFFFFFFF, and its decimal form (SQL's, the classic line's) must load too.
        const long long exact = std::strtoll(std::string(trimmed(text)).c_str(), nullptr, 10);
        if (exact < 0 || exact > kModeMost)
            return refuse(Status::OutOfRange, field, text);
        mode = static_cast<long>(exact);
    }
    long long rest = 0;
    entry.Mode = modeBoxesOf(formatOf(entry.carried.layout), mode, rest);
    entry.carried.modeAbove = static_cast<int>(rest);
    return std::nullopt;
}

} // namespace

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
               (layout == Layout::Classic ? std::string("another layout")
                                          : std::string("the ") + describe(layout)) +
               ". The line was not loaded.";
    case Status::BadStatement:
        return std::string(sentenceFor(sqlFault)) + " The line was not loaded.";
    case Status::OtherLayout:
        return std::string("This line looks like the ") + describe(layout) +
               ", not the classic layout that Grimlark reads (57 fields: ID,Name,JName,LV,HP,"
               "...). The line was not loaded.";
    case Status::NotANumber:
        return "The " + field + " value " + quoted + " is not a number. The line was not loaded.";
    case Status::NotWholeNumber:
        return "The " + field + " value " + quoted +
               " is not a whole number. The line was not loaded.";
    case Status::OutOfRange:
        if (field == "Mode")
            return "The Mode value " + quoted +
                   " is not a whole number from 0 to 99999999 (0xFFFFFFF in the later "
                   "layout). The line was not loaded.";
        return "The " + field + " value " + quoted +
               " is not one of the list's positions. The line was not loaded.";
    case Status::NotAnEntry:
        return value + " The entry was not loaded.";
    case Status::BadElement:
        return "The Element value " + quoted +
               " is not an element code (an element digit, after a level 2, 4, 6 or 8 if"
               " it has one). The line was not loaded.";
    }
    return {};
}

namespace {

/// Loads the values of one row, all or nothing. `fieldCount` is the line's
/// own count, which `fields` may stop short of (see splitFields).
LoadResult loadFields(std::vector<std::string_view> fields, std::size_t fieldCount,
                      MonsterEntry &entry, std::vector<std::string> notes = {})
{
    const LayoutGuess guess = detectLayout(fields);
    const LayoutFormat &format = formatOf(guess.layout);
    // A layout of its own that is read: its values in the classic order, the
    // name it has more apart.
    const bool reordered = guess.layout != Layout::Classic && format.read && guess.certain &&
                           fieldCount == format.fieldCount && fields.size() == format.fieldCount;
    std::string_view otherName;
    if (reordered) {
        // A value the layout has no field for keeps the editor's start-up one.
        std::vector<std::string_view> classic(kFieldCount);
        for (std::size_t i = 0; i < kFieldCount; ++i)
            if (!holdsField(format, i) && kFields[i].startup)
                classic[i] = kFields[i].startup;
        for (std::size_t i = 0; i < format.fieldCount; ++i)
            (format.order[i] == kOtherName ? otherName : classic[std::size_t(format.order[i])]) =
                fields[i];
        fields = std::move(classic);
        fieldCount = kFieldCount;
    } else if (guess.layout != Layout::Classic && guess.certain) {
        LoadResult result = refuse(Status::OtherLayout);
        result.layout = guess.layout;
        return result;
    }
    if (fieldCount < kFieldCount)
        return refuse(Status::TooFewFields, std::to_string(fieldCount));
    if (fieldCount > kFieldCount) { // naming the likelier layout where it has the shape
        LoadResult result = refuse(Status::TooManyFields, std::to_string(fieldCount));
        result.layout = guess.layout;
        return result;
    }

    // The coded fields are read first, into a monster of their own, so that a
    // refusal leaves the editor exactly as it was; the text fields cannot fail.
    MonsterEntry coded;
    coded.carried.layout = reordered ? guess.layout : Layout::Classic;
    if (reordered && otherName != fields[2]) {
        coded.carried.otherName = std::string(otherName);
        coded.carried.hasOtherName = true;
    }
    for (std::size_t i = 0; i < kFields.size(); ++i) {
        const FieldInfo &info = kFields[i];
        std::optional<LoadResult> fault;
        switch (info.kind) {
        case FieldKind::Text:
            break;
        case FieldKind::Scale:
            fault = readListPosition(fields[i], info, kScaleList, coded.Scale);
            break;
        case FieldKind::Race:
            fault = readListPosition(fields[i], info, kRaceList, coded.Race);
            break;
        case FieldKind::Element:
            fault = readElement(fields[i], info, coded);
            break;
        case FieldKind::Mode:
            fault = readMode(fields[i], info, coded, formatOf(coded.carried.layout).hexMode, notes);
            break;
        }
        if (fault)
            return *fault;
    }
    for (std::size_t i = 0; i < kFields.size(); ++i)
        if (kFields[i].kind == FieldKind::Text)
            (entry.*kFields[i].text).assign(fields[i]);
    entry.Scale = coded.Scale;
    entry.Race = coded.Race;
    entry.Element = coded.Element;
    entry.ELvl = coded.ELvl;
    entry.Mode = coded.Mode;
    entry.carried = std::move(coded.carried);
    LoadResult result;
    result.notes = std::move(notes);
    return result;
}

} // namespace

Layout layoutOfLine(std::string_view line)
{
    LayoutGuess guess;
    if (isSqlStatement(line)) {
        const SqlRow row = parseSqlRow(line);
        guess = detectLayout(std::vector<std::string_view>(row.values.begin(), row.values.end()));
    } else {
        guess = detectLayout(splitFields(line, kMostFields + 1));
    }
    return guess.certain ? guess.layout : Layout::Classic;
}

LoadResult LoadEntryIntoEditor(std::string_view line, MonsterEntry &entry)
{
    if (line.empty())
        return refuse(Status::NoLine);
    if (isYamlEntry(line))
        return loadYamlEntry(line, entry);
    if (isConfigEntry(line))
        return loadHerculesEntry(line, entry);
    // A statement's values may hold "//" (the text-entry comment mark) as data.
    if (isSqlStatement(line)) {
        const SqlRow row = parseSqlRow(line);
        if (row.fault != SqlFault::None) {
            LoadResult result = refuse(Status::BadStatement);
            result.sqlFault = row.fault;
            return result;
        }
        // A 0x literal is bytes where the table wants text (a name) and a
        // number where it wants one, as MariaDB reads it ("0x83" is Mode 131).
        std::vector<std::string> numbers(row.values.size());
        std::vector<std::string_view> values(row.values.begin(), row.values.end());
        const std::size_t names = values.size() > 55 ? values.size() - 55 : 2;
        for (std::size_t i = names + 1; i < values.size(); ++i) {
            const std::string &hex = row.hexNumbers[i];
            if (hex.empty())
                continue;
            // Past 64 bits, the most: a number past every column either way,
            // which the old SQL mode clamps to the column's end, as it does
            // the literal.
            numbers[i] = std::to_string(std::strtoull(hex.c_str() + 2, nullptr, 16));
            values[i] = numbers[i];
        }
        return loadFields(values, values.size(), entry);
    }
    // The servers skip the lines that begin with "//"; elsewhere "//" is data
    // (a name may hold it), except after the last number, where it ends the
    // line for them (a note in their own files).
    if (trimmed(line).substr(0, 2) == "//")
        return refuse(Status::CommentLine);
    std::vector<std::string> notes;
    // Cut no further than the most fields a layout has: a huge line is refused
    // for its count, which the commas alone tell.
    std::vector<std::string_view> fields = splitFields(line, kMostFields + 1);
    if (fields.size() >= kFieldCount) {
        // From the comma before the 57th field on ("//" there ends the line).
        const auto last = std::size_t(fields[kFieldCount - 1].data() - line.data()) - 1;
        const std::size_t comment = line.find("//", last);
        if (comment != std::string_view::npos) {
            notes.push_back("The comment after the last number, " +
                            quoteValue(trimmed(line.substr(comment))) +
                            ", is not carried: the servers stop reading the line there.");
            line = line.substr(0, comment);
            while (!line.empty() && isBlank(line.back()))
                line.remove_suffix(1);
            fields = splitFields(line, kMostFields + 1);
        }
    }
    const std::size_t count = fields.size() <= kMostFields
                                  ? fields.size()
                                  : std::size_t(std::count(line.begin(), line.end(), ',')) + 1;
    return loadFields(fields, count, entry, std::move(notes));
}

} // namespace grimlark
