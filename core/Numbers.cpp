// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Numbers.h"

#include <algorithm>

namespace grimlark {

namespace {
constexpr long kNumberClamp = 100000000; ///< past this, numbers are only "too large"
} // namespace

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return text;
}

int hexDigit(char c)
{
    if (isDigit(c))
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

WholeNumber parseWholeNumber(std::string_view text)
{
    text = trimmed(text);
    std::size_t pos = 0;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-'))
        negative = text[pos++] == '-';
    long magnitude = 0;
    std::size_t digits = 0;
    for (; pos < text.size() && isDigit(text[pos]); ++pos, ++digits)
        if (magnitude < kNumberClamp)
            magnitude = magnitude * 10 + (text[pos] - '0');
    bool fraction = false;
    if (pos < text.size() && text[pos] == '.')
        for (++pos; pos < text.size() && isDigit(text[pos]); ++pos, ++digits)
            fraction = fraction || text[pos] != '0';
    if (digits == 0 || pos != text.size())
        return {std::nullopt, true, false};
    if (fraction)
        return {std::nullopt, false, true};
    return {negative ? -magnitude : magnitude, false, false};
}

bool isHexNumber(std::string_view text)
{
    text = trimmed(text);
    return text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X') &&
           std::all_of(text.begin() + 2, text.end(), [](char c) { return hexDigit(c) >= 0; });
}

bool isLayoutNumber(std::string_view text)
{
    return isHexNumber(text) || parseWholeNumber(text).value.has_value();
}

bool isPlainInteger(std::string_view text)
{
    const bool negative = !text.empty() && text.front() == '-';
    if (negative)
        text.remove_prefix(1);
    if (text.empty() || text.size() > 18 || (text.size() > 1 && text.front() == '0') ||
        (negative && text == "0"))
        return false;
    return std::all_of(text.begin(), text.end(), isDigit);
}

std::vector<std::string_view> splitFields(std::string_view line, std::size_t limit)
{
    std::vector<std::string_view> fields;
    // A monster's line has at most 58 fields: room for them at once.
    fields.reserve(std::min<std::size_t>(limit, 64));
    for (std::size_t start = 0;;) {
        const std::size_t comma =
            fields.size() + 1 < limit ? line.find(',', start) : std::string_view::npos;
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

bool equalIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(),
                      [&lower](char x, char y) { return lower(x) == lower(y); });
}

} // namespace grimlark
