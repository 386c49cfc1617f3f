// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Libconfig.h"

#include "Numbers.h"

#include <algorithm>
#include <climits>

namespace grimlark {

const ConfigNode *ConfigNode::find(std::string_view key) const
{
    for (const ConfigNode &child : children)
        if (child.name == key)
            return &child;
    return nullptr;
}

std::string ConfigDocument::message() const
{
    const char *what = "";
    switch (fault) {
    case ConfigFault::None:
        return {};
    case ConfigFault::UnexpectedEnd:
        what = "the text ends inside a setting, a group, a list or a comment";
        break;
    case ConfigFault::UnexpectedCharacter:
        what = "a character that cannot stand there";
        break;
    case ConfigFault::BadNumber:
        what = "a number that is not one, or is past 64 bits";
        break;
    case ConfigFault::BadEscape:
        what = "a backslash that begins no escape";
        break;
    case ConfigFault::TooDeep:
        what = "groups and lists nested too deep";
        break;
    }
    return std::string(what) + " (line " + std::to_string(line) + ", column " +
           std::to_string(column) + ")";
}

namespace {

bool isNameStart(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '*';
}

bool isNameChar(char c)
{
    return isNameStart(c) || c == '-' || c == '_' || c == '.';
}

/// Reads one text, without recursion: an explicit stack of the groups and
/// lists open, each the last child of the one below it (so that the
/// pointers stay valid: only the top one grows).
class Reader {
public:
    Reader(std::string_view text, std::size_t deepest, ConfigDocument &document)
        : m_text(text), m_deepest(deepest), m_document(document)
    {
        m_starts.push_back(0);
        for (std::size_t i = 0; i < text.size(); ++i)
            if (text[i] == '\n')
                m_starts.push_back(i + 1);
    }

    void run()
    {
        m_document.root.kind = ConfigNode::Kind::Group;
        m_stack.push_back({&m_document.root, false});
        while (step()) {
        }
    }

private:
    struct Open {
        ConfigNode *node;
        bool needsComma; ///< a list's or array's item was read: a comma or the end next
    };

    bool fail(ConfigFault fault, std::size_t at)
    {
        m_document.fault = fault;
        place(at, m_document.line, m_document.column);
        return false;
    }

    void place(std::size_t at, std::size_t &line, std::size_t &column) const
    {
        const auto next = std::upper_bound(m_starts.begin(), m_starts.end(), at);
        line = std::size_t(next - m_starts.begin());
        column = at - *(next - 1) + 1;
    }

    bool atEnd() const { return m_at >= m_text.size(); }
    char peek(std::size_t ahead = 0) const
    {
        return m_at + ahead < m_text.size() ? m_text[m_at + ahead] : '\0';
    }

    /// Past blanks and comments (`//`, `#`, `/* */`); false where a comment
    /// does not end.
    bool skipSpace()
    {
        while (!atEnd()) {
            const char c = peek();
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f' || c == '\v') {
                ++m_at;
            } else if (c == '#' || (c == '/' && peek(1) == '/')) {
                const std::size_t end = m_text.find('\n', m_at);
                m_at = end == std::string_view::npos ? m_text.size() : end;
            } else if (c == '/' && peek(1) == '*') {
                const std::size_t end = m_text.find("*/", m_at + 2);
                if (end == std::string_view::npos)
                    return fail(ConfigFault::UnexpectedEnd, m_at);
                m_at = end + 2;
            } else {
                return true;
            }
        }
        return true;
    }

    /// One step: a setting, an item or the end of what is open.
    bool step()
    {
        if (!skipSpace())
            return false;
        Open &top = m_stack.back();
        ConfigNode &open = *top.node;
        if (atEnd()) {
            if (m_stack.size() == 1)
                return false;
            return fail(ConfigFault::UnexpectedEnd, m_at);
        }
        const char c = peek();
        if (open.kind == ConfigNode::Kind::Group) {
            if (c == '}' && m_stack.size() > 1)
                return close();
            if (c == '@' && m_stack.size() == 1 && m_text.substr(m_at, 8) == "@include")
                return include();
            if (!isNameStart(c))
                return fail(ConfigFault::UnexpectedCharacter, m_at);
            ConfigNode setting;
            setting.begin = m_at;
            place(m_at, setting.line, setting.column);
            while (!atEnd() && isNameChar(peek()))
                setting.name += m_text[m_at++];
            if (!skipSpace())
                return false;
            if (peek() != ':' && peek() != '=')
                return fail(atEnd() ? ConfigFault::UnexpectedEnd : ConfigFault::UnexpectedCharacter,
                            m_at);
            ++m_at;
            if (!skipSpace())
                return false;
            return value(std::move(setting));
        }
        const char closing = open.kind == ConfigNode::Kind::List ? ')' : ']';
        if (c == closing)
            return close();
        if (top.needsComma) {
            if (c != ',')
                return fail(ConfigFault::UnexpectedCharacter, m_at);
            ++m_at;
            top.needsComma = false;
            return true;
        }
        ConfigNode item;
        item.begin = m_at;
        place(m_at, item.line, item.column);
        return value(std::move(item));
    }

    /// The value of `node`, at its first character: a group, a list or an
    /// array opened, or a scalar read and added.
    bool value(ConfigNode node)
    {
        if (atEnd())
            return fail(ConfigFault::UnexpectedEnd, m_at);
        ConfigNode &parent = *m_stack.back().node;
        const char c = peek();
        if (c == '{' || c == '(' || c == '[') {
            if (parent.kind == ConfigNode::Kind::Array)
                return fail(ConfigFault::UnexpectedCharacter, m_at); // an array holds scalars
            if (m_stack.size() > m_deepest)
                return fail(ConfigFault::TooDeep, m_at);
            node.kind = c == '{'   ? ConfigNode::Kind::Group
                        : c == '(' ? ConfigNode::Kind::List
                                   : ConfigNode::Kind::Array;
            ++m_at;
            parent.children.push_back(std::move(node));
            m_stack.push_back({&parent.children.back(), false});
            return true;
        }
        if (!scalar(node))
            return false;
        node.end = m_at;
        parent.children.push_back(std::move(node));
        return finished(parent.children.back());
    }

    /// After a value: in a group, its `;` or `,` taken with it; in a list,
    /// a comma or the end to come.
    bool finished(ConfigNode &node)
    {
        Open &top = m_stack.back();
        if (top.node->kind != ConfigNode::Kind::Group) {
            top.needsComma = true;
            return true;
        }
        const std::size_t after = m_at;
        if (!skipSpace())
            return false;
        if (peek() == ';' || peek() == ',')
            node.end = ++m_at;
        else
            m_at = after;
        return true;
    }

    bool close()
    {
        ++m_at;
        m_stack.back().node->end = m_at;
        ConfigNode &closed = *m_stack.back().node;
        m_stack.pop_back();
        return finished(closed);
    }

    bool include()
    {
        m_at += 8;
        if (!skipSpace())
            return false;
        ConfigNode name;
        if (peek() != '"')
            return fail(atEnd() ? ConfigFault::UnexpectedEnd : ConfigFault::UnexpectedCharacter,
                        m_at);
        if (!scalar(name))
            return false;
        m_document.includes.push_back(std::move(name.text));
        return true;
    }

    bool scalar(ConfigNode &node)
    {
        const char c = peek();
        if (c == '"' || (c == '<' && peek(1) == '"'))
            return strings(node);
        if ((c >= '0' && c <= '9') || c == '-' || c == '+' || c == '.')
            return number(node);
        std::size_t end = m_at;
        while (end < m_text.size() && isNameChar(m_text[end]))
            ++end;
        const std::string_view word = m_text.substr(m_at, end - m_at);
        if (equalIgnoringCase(word, "true") || equalIgnoringCase(word, "false")) {
            node.kind = ConfigNode::Kind::Boolean;
            node.text = std::string(word);
            node.integer = equalIgnoringCase(word, "true") ? 1 : 0;
            m_at = end;
            return true;
        }
        return fail(ConfigFault::UnexpectedCharacter, m_at);
    }

    /// Strings in double quotes and `<" ... ">` blocks, those that stand
    /// next to each other joined.
    bool strings(ConfigNode &node)
    {
        node.kind = ConfigNode::Kind::String;
        for (;;) {
            if (peek() == '<') {
                const std::size_t end = m_text.find("\">", m_at + 2);
                if (end == std::string_view::npos)
                    return fail(ConfigFault::UnexpectedEnd, m_at);
                node.text.append(m_text.substr(m_at + 2, end - m_at - 2));
                m_at = end + 2;
            } else if (!quoted(node.text)) {
                return false;
            }
            const std::size_t after = m_at;
            if (!skipSpace())
                return false;
            if (peek() != '"' && !(peek() == '<' && peek(1) == '"')) {
                m_at = after;
                return true;
            }
        }
    }

    bool quoted(std::string &text)
    {
        const std::size_t start = m_at++;
        while (!atEnd()) {
            const char c = m_text[m_at++];
            if (c == '"')
                return true;
            if (c != '\\') {
                text += c;
                continue;
            }
            if (atEnd())
                break;
            const char e = m_text[m_at++];
            switch (e) {
            case '\\':
            case '"':
                text += e;
                break;
            case 'n':
                text += '\n';
                break;
            case 't':
                text += '\t';
                break;
            case 'r':
                text += '\r';
                break;
            case 'f':
                text += '\f';
                break;
            case 'x': {
                const auto digit = [](char h) {
                    return h >= '0' && h <= '9'   ? h - '0'
                           : h >= 'a' && h <= 'f' ? h - 'a' + 10
                           : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                  : -1;
                };
                const int high = digit(peek()), low = digit(peek(1));
                if (high < 0 || low < 0)
                    return fail(ConfigFault::BadEscape, m_at - 2);
                text += char(high * 16 + low);
                m_at += 2;
                break;
            }
            default:
                return fail(ConfigFault::BadEscape, m_at - 2);
            }
        }
        return fail(ConfigFault::UnexpectedEnd, start);
    }

    /// An integer (decimal, 0x, 0b, 0o; `_` between digits; an L or LL
    /// after) or a float.
    bool number(ConfigNode &node)
    {
        const std::size_t start = m_at;
        std::size_t end = m_at;
        while (end < m_text.size() && (isNameChar(m_text[end]) || m_text[end] == '+' ||
                                       (m_text[end] == '-' && end > start &&
                                        (m_text[end - 1] == 'e' || m_text[end - 1] == 'E'))))
            ++end;
        std::string_view word = m_text.substr(start, end - start);
        node.text = std::string(word);
        m_at = end;
        bool negative = false;
        if (!word.empty() && (word.front() == '-' || word.front() == '+')) {
            negative = word.front() == '-';
            word.remove_prefix(1);
        }
        unsigned base = 10;
        const std::string_view prefix = word.substr(0, 2);
        if (prefix == "0x" || prefix == "0X")
            base = 16;
        else if (prefix == "0b" || prefix == "0B")
            base = 2;
        else if (prefix == "0o" || prefix == "0O")
            base = 8;
        if (base != 10)
            word.remove_prefix(2);
        while (!word.empty() && (word.back() == 'L' || word.back() == 'l'))
            word.remove_suffix(1);
        if (base == 10 && word.find_first_of(".eE") != std::string_view::npos) {
            node.kind = ConfigNode::Kind::Float;
            const std::size_t digits = word.find_first_of("0123456789");
            if (digits == std::string_view::npos ||
                word.find_first_not_of("0123456789.eE+-") != std::string_view::npos)
                return fail(ConfigFault::BadNumber, start);
            return true;
        }
        node.kind = ConfigNode::Kind::Integer;
        unsigned long long value = 0;
        bool digit = false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            const char c = word[i];
            if (c == '_' && digit && i + 1 < word.size() && word[i + 1] != '_')
                continue;
            const int d = c >= '0' && c <= '9'   ? c - '0'
                          : c >= 'a' && c <= 'f' ? c - 'a' + 10
                          : c >= 'A' && c <= 'F' ? c - 'A' + 10
                                                 : 99;
            if (d >= int(base) || value > (ULLONG_MAX - unsigned(d)) / base)
                return fail(ConfigFault::BadNumber, start);
            value = value * base + unsigned(d);
            digit = true;
        }
        if (!digit || (base == 10 &&
                       value > static_cast<unsigned long long>(LLONG_MAX) + (negative ? 1U : 0U)))
            return fail(ConfigFault::BadNumber, start);
        node.integer = negative ? static_cast<long long>(0 - value) : static_cast<long long>(value);
        return true;
    }

    std::string_view m_text;
    std::size_t m_deepest;
    ConfigDocument &m_document;
    std::size_t m_at = 0;
    std::vector<std::size_t> m_starts;
    std::vector<Open> m_stack;
};

} // namespace

ConfigDocument readConfig(std::string_view bytes, std::size_t deepest)
{
    ConfigDocument document;
    Reader(bytes, deepest, document).run();
    if (!document.read())
        document.root = ConfigNode();
    return document;
}

} // namespace grimlark
