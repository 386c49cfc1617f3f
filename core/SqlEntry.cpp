// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "SqlEntry.h"

#include "FieldTable.h"
#include "Layout.h"
#include "Numbers.h"
#include "TextEntry.h"

namespace grimlark {

namespace {

void appendLiteral(std::string &out, std::string_view text)
{
    bool quotable = true;
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        quotable = quotable && byte >= 0x20 && byte < 0x7F && c != '\\';
    }
    if (quotable) {
        out += '\'';
        for (const char c : text) {
            if (c == '\'')
                out += '\''; // a quote is doubled, the same in every SQL mode
            out += c;
        }
        out += '\'';
        return;
    }
    static constexpr char kHex[] = "0123456789ABCDEF";
    if (text.empty()) {
        out += "''";
        return;
    }
    out += "X'";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        out += kHex[byte >> 4];
        out += kHex[byte & 15];
    }
    out += '\'';
}

} // namespace

std::string BuildSqlEntry(const MonsterEntry &entry, const NameBytes *names)
{
    const bool later = entry.carried.layout == Layout::LaterEathena;
    std::string values;
    std::string id; // as the row's first value
    std::string textInNumbers;
    std::string value;
    const std::size_t count = later ? kMostFields : kFieldCount;
    for (std::size_t position = 0; position < count; ++position) {
        const int classic = later ? kLaterOrder[position] : int(position);
        value.clear();
        if (classic == kOtherName)
            value = names ? names->other : otherNameOf(entry);
        else if (names && kFields[std::size_t(classic)].text == &MonsterEntry::Name)
            value = names->name;
        else if (names && kFields[std::size_t(classic)].text == &MonsterEntry::JName)
            value = names->jname;
        else if (kFields[std::size_t(classic)].kind == FieldKind::Mode)
            value = std::to_string(modeValue(entry)); // a number in every table
        else
            appendFieldValue(value, kFields[std::size_t(classic)], entry);
        const bool isName = classic == kOtherName || isNameField(kFields[std::size_t(classic)]);
        if (position != 0)
            values += ',';
        const std::size_t start = values.size();
        if (!isName && isPlainInteger(value)) {
            values += value;
        } else {
            appendLiteral(values, value);
            if (!isName)
                textInNumbers += std::string(textInNumbers.empty() ? "" : ", ") +
                                 kFields[std::size_t(classic)].name;
        }
        if (position == 0)
            id = values.substr(start);
    }
    std::string statement;
    if (!textInNumbers.empty())
        statement = "-- Text where the table wants a number: " + textInNumbers + "\n";
    // Not REPLACE: Freya's own table has no key, so REPLACE would add a second
    // row of the ID. The old row goes first, in every table, keyed or not.
    return statement + "DELETE FROM `mob_db` WHERE `ID`=" + id +
           ";\nINSERT INTO `mob_db` VALUES (" + values + ");";
}

} // namespace grimlark
