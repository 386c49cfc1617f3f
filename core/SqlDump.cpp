// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "SqlDump.h"

#include "Layout.h"
#include "Numbers.h"

#include <cctype>

namespace grimlark {

namespace {

constexpr std::size_t kMostColumns = kMostFields;

/// Reads a statement from left to right; each read takes what it matched.
class Scanner {
public:
    explicit Scanner(std::string_view text) : m_text(text) {}

    bool atEnd() const { return m_text.empty(); }
    char peek() const { return m_text.empty() ? '\0' : m_text.front(); }
    std::string_view rest() const { return m_text; }

    void skipBlanks()
    {
        while (!m_text.empty() && std::isspace(static_cast<unsigned char>(m_text.front())))
            m_text.remove_prefix(1);
    }

    bool take(char c)
    {
        if (peek() != c || m_text.empty())
            return false;
        m_text.remove_prefix(1);
        return true;
    }

    /// A key word in any letter case, not followed by a letter, digit or "_".
    bool takeWord(std::string_view word)
    {
        if (m_text.size() < word.size())
            return false;
        for (std::size_t i = 0; i < word.size(); ++i)
            if (std::toupper(static_cast<unsigned char>(m_text[i])) != word[i])
                return false;
        if (m_text.size() > word.size() && isWordCharacter(m_text[word.size()]))
            return false;
        m_text.remove_prefix(word.size());
        return true;
    }

    /// A table name, bare or in backquotes, in lower case; false for an unclosed quote.
    bool takeName(std::string &name)
    {
        const bool quoted = take('`');
        while (!m_text.empty() && isWordCharacter(m_text.front())) {
            name += static_cast<char>(std::tolower(static_cast<unsigned char>(m_text.front())));
            m_text.remove_prefix(1);
        }
        return !quoted || take('`');
    }

    /// One value: a quoted text, a hexadecimal literal or a number; `hex`
    /// gets a 0x literal's text.
    bool takeValue(std::string &value, std::string &hex)
    {
        if (peek() == '\'' || peek() == '"')
            return takeQuoted(value);
        if ((peek() == 'X' || peek() == 'x') && m_text.size() > 1 && m_text[1] == '\'') {
            const std::size_t end = m_text.find('\'', 2);
            if (end == std::string_view::npos || (end - 2) % 2 ||
                !appendHex(m_text.substr(2, end - 2), value))
                return false;
            m_text.remove_prefix(end + 1);
            return true;
        }
        if (m_text.size() > 2 && m_text[0] == '0' && (m_text[1] == 'x' || m_text[1] == 'X') &&
            hexDigit(m_text[2]) >= 0) {
            std::size_t end = 2;
            while (end < m_text.size() && hexDigit(m_text[end]) >= 0)
                ++end;
            // An odd count of digits has a zero before them, as MariaDB reads it.
            std::string digits((end - 2) % 2 ? "0" : "");
            digits += m_text.substr(2, end - 2);
            appendHex(digits, value);
            hex = std::string(m_text.substr(0, end));
            m_text.remove_prefix(end);
            return !isWordCharacter(peek());
        }
        return takeNumber(value);
    }

private:
    static bool isWordCharacter(char c)
    {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
    }

    std::size_t digitsAt(std::size_t at) const
    {
        std::size_t end = at;
        while (end < m_text.size() && isDigit(m_text[end]))
            ++end;
        return end - at;
    }

    /// [-+]digits[.digits][e[-+]digits], ended by what is not part of a word.
    bool takeNumber(std::string &value)
    {
        std::size_t end = peek() == '-' || peek() == '+' ? 1 : 0;
        std::size_t digits = digitsAt(end);
        if (digits == 0)
            return false;
        end += digits;
        if (end < m_text.size() && m_text[end] == '.') {
            digits = digitsAt(end + 1);
            if (digits == 0)
                return false;
            end += 1 + digits;
        }
        if (end < m_text.size() && (m_text[end] == 'e' || m_text[end] == 'E')) {
            std::size_t at = end + 1;
            if (at < m_text.size() && (m_text[at] == '-' || m_text[at] == '+'))
                ++at;
            digits = digitsAt(at);
            if (digits == 0)
                return false;
            end = at + digits;
        }
        if (end < m_text.size() && (isWordCharacter(m_text[end]) || m_text[end] == '.'))
            return false;
        value = std::string(m_text.substr(0, end));
        m_text.remove_prefix(end);
        return true;
    }

    static bool appendHex(std::string_view digits, std::string &value)
    {
        for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
            const int high = hexDigit(digits[i]), low = hexDigit(digits[i + 1]);
            if (high < 0 || low < 0)
                return false;
            value += static_cast<char>(high * 16 + low);
        }
        return true;
    }

    /// One quoted literal as dumps write them: doubled quotes, backslash escapes.
    bool takeQuoted(std::string &value)
    {
        const char quote = m_text.front();
        m_text.remove_prefix(1);
        while (!m_text.empty()) {
            const char c = m_text.front();
            m_text.remove_prefix(1);
            if (c == quote) {
                if (!take(quote))
                    return true;
                value += quote; // a doubled quote
                continue;
            }
            if (c != '\\' || m_text.empty()) {
                value += c;
                continue;
            }
            const char escaped = m_text.front();
            m_text.remove_prefix(1);
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
                value += '\\'; // kept, as the server keeps them
                value += escaped;
                break;
            default:
                value += escaped;
            }
        }
        return false;
    }

    std::string_view m_text;
};

} // namespace

bool isSqlStatement(std::string_view line)
{
    Scanner scan(line);
    scan.skipBlanks();
    return scan.takeWord("INSERT") || scan.takeWord("REPLACE");
}

namespace {

/// Reads "INSERT [IGNORE] INTO table VALUES" up to the first row.
SqlFault readHead(Scanner &scan)
{
    scan.skipBlanks();
    if (!scan.takeWord("INSERT") && !scan.takeWord("REPLACE"))
        return SqlFault::NotAStatement;
    scan.skipBlanks();
    scan.takeWord("IGNORE");
    scan.skipBlanks();
    if (!scan.takeWord("INTO"))
        return SqlFault::NoInto;
    scan.skipBlanks();
    std::string table;
    if (!scan.takeName(table))
        return SqlFault::UnclosedName;
    if (table != "mob_db" && table != "mob_db2" && table != kStagingTable)
        return SqlFault::OtherTable;
    scan.skipBlanks();
    if (!scan.takeWord("VALUES"))
        return SqlFault::NoValues;
    scan.skipBlanks();
    return SqlFault::None;
}

/// Reads one row, "(" values ")", into `row`.
SqlFault readRow(Scanner &scan, SqlRow &row)
{
    if (!scan.take('('))
        return SqlFault::NoParenthesis;
    for (;;) {
        scan.skipBlanks();
        std::string value, hex;
        if (!scan.takeValue(value, hex))
            return SqlFault::BadValue;
        row.values.push_back(std::move(value));
        row.hexNumbers.push_back(std::move(hex));
        // No table has more columns: a huge statement is refused here, not read.
        if (row.values.size() > kMostColumns)
            return SqlFault::TooManyValues;
        scan.skipBlanks();
        if (scan.take(','))
            continue;
        if (scan.take(')'))
            return SqlFault::None;
        return SqlFault::UnclosedValues;
    }
}

/// After the last row: an optional ";", then nothing but a comment.
SqlFault readEnd(Scanner &scan)
{
    scan.take(';');
    scan.skipBlanks();
    if (!scan.atEnd() && scan.rest().substr(0, 2) != "--" && scan.peek() != '#')
        return SqlFault::TrailingText;
    return SqlFault::None;
}

} // namespace

SqlRow parseSqlRow(std::string_view line)
{
    Scanner scan(line);
    SqlRow row;
    SqlFault fault = readHead(scan);
    if (fault == SqlFault::None)
        fault = readRow(scan, row);
    if (fault == SqlFault::None) {
        scan.skipBlanks();
        fault = scan.peek() == ',' ? SqlFault::SeveralRows : readEnd(scan);
    }
    if (fault != SqlFault::None)
        row = {{}, {}, fault};
    return row;
}

std::vector<RecordCut> splitSqlRows(std::string_view line)
{
    Scanner scan(line);
    if (readHead(scan) != SqlFault::None)
        return {};
    const std::string_view head = line.substr(0, line.size() - scan.rest().size());
    std::vector<RecordCut> rows;
    for (;;) {
        const std::size_t start = line.size() - scan.rest().size();
        SqlRow row;
        if (readRow(scan, row) != SqlFault::None)
            return {};
        const std::size_t end = line.size() - scan.rest().size();
        rows.push_back(
            {std::string(head).append(line.substr(start, end - start)).append(";"), start, end});
        scan.skipBlanks();
        if (!scan.take(','))
            break;
        scan.skipBlanks();
    }
    if (rows.size() < 2 || readEnd(scan) != SqlFault::None)
        return {};
    return rows;
}

const char *sentenceFor(SqlFault fault)
{
    switch (fault) {
    case SqlFault::None:
        return "";
    case SqlFault::NotAStatement:
        return "This line is not an INSERT or REPLACE statement.";
    case SqlFault::NoInto:
        return "This statement does not say INTO which table it adds.";
    case SqlFault::UnclosedName:
        return "This statement's table name is not closed.";
    case SqlFault::OtherTable:
        return "This statement adds to another table than mob_db or mob_db2.";
    case SqlFault::NoValues:
        return "This statement names its columns or has no VALUES; Grimlark reads statements "
               "of all 57 columns in the table's order.";
    case SqlFault::NoParenthesis:
        return "This statement's values are not in parentheses.";
    case SqlFault::BadValue:
        return "A value of this statement cannot be read (a NULL, an expression, a malformed "
               "number, or an unclosed text).";
    case SqlFault::UnclosedValues:
        return "This statement's values are not closed by a parenthesis.";
    case SqlFault::SeveralRows:
        return "This statement adds several monsters; Grimlark loads a statement of one.";
    case SqlFault::TrailingText:
        return "Something follows this statement on its line.";
    case SqlFault::TooManyValues:
        return "This statement has more values than any monster table has columns (58).";
    }
    return "";
}

} // namespace grimlark
