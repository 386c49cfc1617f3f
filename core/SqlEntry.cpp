// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "SqlEntry.h"

#include "FieldTable.h"
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

std::string BuildSqlEntry(const MonsterEntry &entry)
{
    std::string values;
    std::string textInNumbers;
    std::string value;
    for (const FieldInfo &field : kFields) {
        value.clear();
        appendFieldValue(value, field, entry);
        if (&field != &kFields.front())
            values += ',';
        if (!isNameField(field) && isPlainInteger(value)) {
            values += value;
            continue;
        }
        appendLiteral(values, value);
        if (!isNameField(field))
            textInNumbers += std::string(textInNumbers.empty() ? "" : ", ") + field.name;
    }
    std::string statement;
    if (!textInNumbers.empty())
        statement = "-- Text where the table wants a number: " + textInNumbers + "\n";
    return statement + "REPLACE INTO `mob_db` VALUES (" + values + ");";
}

} // namespace grimlark
