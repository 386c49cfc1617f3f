// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "SqlEntry.h"

#include "FieldTable.h"
#include "Layout.h"
#include "Numbers.h"
#include "SqlDump.h"
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
    const LayoutFormat &format = formatOf(entry.carried.layout);
    std::string values;
    std::string textInNumbers;
    std::string value;
    for (std::size_t position = 0; position < format.fieldCount; ++position) {
        const int classic = format.order[position];
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
        if (!isName && isPlainInteger(value)) {
            values += value;
        } else {
            appendLiteral(values, value);
            if (!isName)
                textInNumbers += std::string(textInNumbers.empty() ? "" : ", ") +
                                 kFields[std::size_t(classic)].name;
        }
    }
    std::string statement;
    if (!textInNumbers.empty())
        statement = "-- Text where the table wants a number: " + textInNumbers + "\n";
    // The tables are MyISAM: nothing rolls back. So the row goes first into a
    // private copy of the table, where the server stores it as it would in
    // the table itself, or (strict mode) refuses it; the old row goes only for
    // a row that is there, with the ID as stored ('1002.6' is 1003), and in
    // every table, keyed or not (Freya's has no key, so REPLACE would add a
    // second row). A client that goes on after a refusal deletes nothing.
    const std::string staging = "`" + std::string(kStagingTable) + "`";
    statement += "DROP TEMPORARY TABLE IF EXISTS " + staging + "; CREATE TEMPORARY TABLE " +
                 staging + " LIKE `mob_db`;\n";
    statement += "INSERT INTO " + staging + " VALUES (" + values + ");\n";
    statement += "DELETE FROM `mob_db` WHERE `ID` IN (SELECT `ID` FROM " + staging +
                 "); INSERT INTO `mob_db` SELECT * FROM " + staging + "; DROP TEMPORARY TABLE " +
                 staging + ";";
    return statement;
}

std::string_view rowOf(std::string_view sqlEntry)
{
    // The comment above names fields only, and no value holds a line break.
    const std::size_t end = sqlEntry.rfind('\n');
    const std::size_t start = sqlEntry.rfind('\n', end - 1) + 1;
    return sqlEntry.substr(start, end - start);
}

} // namespace grimlark
