// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "SqlEntry.h"

#include "FieldTable.h"
#include "TextEntry.h"

#include <algorithm>
#include <cctype>

namespace grimlark {

namespace {

/// A whole number as a number column takes it and gives it back unchanged:
/// digits with an optional minus, no leading zero ("007" would come back "7").
bool isPlainInteger(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 18 || (text.size() > 1 && text.front() == '0') ||
        (negative && text == "0"))
        return false;
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

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

bool startsWithWord(std::string_view &text, std::string_view word)
{
    if (text.size() < word.size())
        return false;
    for (std::size_t i = 0; i < word.size(); ++i)
        if (std::toupper(static_cast<unsigned char>(text[i])) != word[i])
            return false;
    if (text.size() > word.size() &&
        (std::isalnum(static_cast<unsigned char>(text[word.size()])) || text[word.size()] == '_'))
        return false;
    text.remove_prefix(word.size());
    return true;
}

void skipBlanks(std::string_view &text)
{
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
}

/// Reads one quoted literal (the quote at text[0]) as dumps write them.
bool readQuoted(std::string_view &text, std::string &value)
{
    const char quote = text.front();
    text.remove_prefix(1);
    while (!text.empty()) {
        const char c = text.front();
        text.remove_prefix(1);
        if (c == quote) {
            if (!text.empty() && text.front() == quote) { // a doubled quote
                value += quote;
                text.remove_prefix(1);
                continue;
            }
            return true;
        }
        if (c != '\\' || text.empty()) {
            value += c;
            continue;
        }
        const char escaped = text.front();
        text.remove_prefix(1);
        switch (escaped) {
        case '0':
            value += '\0';
            break;
        case 'n':
            value += '\n';
            break;
        case 'r':
            value += '\r';
            break;
        case 't':
            value += '\t';
            break;
        case 'b':
            value += '\b';
            break;
        case 'Z':
            value += '\x1A';
            break;
        case '%':
        case '_':
            value += '\\';
            value += escaped;
            break; // kept, as the server keeps them
        default:
            value += escaped;
        }
    }
    return false;
}

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

bool readHex(std::string_view digits, std::string &value)
{
    if (digits.size() % 2)
        return false;
    for (std::size_t i = 0; i < digits.size(); i += 2) {
        const int high = hexDigit(digits[i]), low = hexDigit(digits[i + 1]);
        if (high < 0 || low < 0)
            return false;
        value += static_cast<char>(high * 16 + low);
    }
    return true;
}

/// Reads one value: a quoted text, a hexadecimal literal or a number.
bool readValue(std::string_view &text, std::string &value)
{
    if (text.empty())
        return false;
    if (text.front() == '\'' || text.front() == '"')
        return readQuoted(text, value);
    if ((text.front() == 'X' || text.front() == 'x') && text.size() > 1 && text[1] == '\'') {
        const std::size_t end = text.find('\'', 2);
        if (end == std::string_view::npos || !readHex(text.substr(2, end - 2), value))
            return false;
        text.remove_prefix(end + 1);
        return true;
    }
    if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        std::size_t end = 2;
        while (end < text.size() && hexDigit(text[end]) >= 0)
            ++end;
        if (!readHex(text.substr(2, end - 2), value))
            return false;
        text.remove_prefix(end);
        return true;
    }
    std::size_t end = 0;
    while (end < text.size() && (std::isalnum(static_cast<unsigned char>(text[end])) ||
                                 text[end] == '-' || text[end] == '+' || text[end] == '.'))
        ++end;
    const std::string_view number = text.substr(0, end);
    if (number.empty() || (std::isalpha(static_cast<unsigned char>(number.front())) &&
                           number.front() != 'e' && number.front() != 'E'))
        return false; // NULL, a function, a column name
    value = std::string(number);
    text.remove_prefix(end);
    return true;
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
            textInNumbers += std::string(textInNumbers.empty() ? "" : ", ") + field.caption;
    }
    std::string statement;
    if (!textInNumbers.empty())
        statement = "-- Text where the table wants a number: " + textInNumbers + "\n";
    return statement + "REPLACE INTO `mob_db` VALUES (" + values + ");";
}

bool isSqlStatement(std::string_view line)
{
    skipBlanks(line);
    return startsWithWord(line, "INSERT") || startsWithWord(line, "REPLACE");
}

SqlRow parseSqlRow(std::string_view line)
{
    std::string_view text = line;
    SqlRow row;
    auto fail = [&row](const char *why) {
        row.values.clear();
        row.fault = why;
        return row;
    };
    skipBlanks(text);
    if (!startsWithWord(text, "INSERT") && !startsWithWord(text, "REPLACE"))
        return fail("This line is not an INSERT or REPLACE statement.");
    skipBlanks(text);
    startsWithWord(text, "IGNORE");
    skipBlanks(text);
    if (!startsWithWord(text, "INTO"))
        return fail("This statement does not say INTO which table it adds.");
    skipBlanks(text);
    const bool quoted = !text.empty() && text.front() == '`';
    if (quoted)
        text.remove_prefix(1);
    std::size_t nameEnd = 0;
    while (nameEnd < text.size() &&
           (std::isalnum(static_cast<unsigned char>(text[nameEnd])) || text[nameEnd] == '_'))
        ++nameEnd;
    std::string table(text.substr(0, nameEnd));
    for (char &c : table)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    text.remove_prefix(nameEnd);
    if (quoted) {
        if (text.empty() || text.front() != '`')
            return fail("This statement's table name is not closed.");
        text.remove_prefix(1);
    }
    if (table != "mob_db" && table != "mob_db2")
        return fail("This statement adds to another table than mob_db or mob_db2.");
    skipBlanks(text);
    if (!startsWithWord(text, "VALUES"))
        return fail("This statement names its columns or has no VALUES; Grimlark reads "
                    "statements of all 57 columns in the table's order.");
    skipBlanks(text);
    if (text.empty() || text.front() != '(')
        return fail("This statement's values are not in parentheses.");
    text.remove_prefix(1);
    for (;;) {
        skipBlanks(text);
        std::string value;
        if (!readValue(text, value))
            return fail("A value of this statement cannot be read (a NULL, an expression, or "
                        "an unclosed text).");
        row.values.push_back(std::move(value));
        skipBlanks(text);
        if (!text.empty() && text.front() == ',') {
            text.remove_prefix(1);
            continue;
        }
        if (!text.empty() && text.front() == ')') {
            text.remove_prefix(1);
            break;
        }
        return fail("This statement's values are not closed by a parenthesis.");
    }
    skipBlanks(text);
    if (!text.empty() && text.front() == ',')
        return fail("This statement adds several monsters; Grimlark loads a statement of one.");
    if (!text.empty() && text.front() == ';')
        text.remove_prefix(1);
    skipBlanks(text);
    if (!text.empty() && text.substr(0, 2) != "--" && text.front() != '#')
        return fail("Something follows this statement on its line.");
    return row;
}

} // namespace grimlark
