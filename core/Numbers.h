// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

namespace grimlark {

// The small parsers every reader of a line shares, each named by what it is
// for: which text counts as a number depends on who reads it.

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

/// A blank as a line's fields may be padded with.
constexpr bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

/// `text` without the blanks around it.
std::string_view trimmed(std::string_view text);

/// True when `a` and `b` are the same text but for the case of ASCII letters
/// (the constants and keys rAthena looks up so).
bool equalIgnoringCase(std::string_view a, std::string_view b);

/// The value of a hexadecimal digit, or -1.
int hexDigit(char c);

/// A decimal number as the loader takes one: optional sign, digits, an optional
/// fraction, blanks around it. `value` holds its whole part (clamped past int
/// range, so range checks still refuse it); `hasFraction` tells a fraction
/// other than zeros; neither when the text is no number.
struct WholeNumber {
    std::optional<long> value;
    bool notANumber = false;
    bool hasFraction = false;
};
WholeNumber parseWholeNumber(std::string_view text);

/// True for "0x" followed by hexadecimal digits, blanks allowed around it: the
/// later layouts' Mode.
bool isHexNumber(std::string_view text);

/// True for a whole number in decimal or hexadecimal ("0x83"): what tells a
/// number field from a name when a line's layout is guessed.
bool isLayoutNumber(std::string_view text);

/// True for a whole number that an SQL number column takes and gives back
/// unchanged: digits with an optional minus, no leading zero ("007" would come
/// back "7"), at most 18 digits.
bool isPlainInteger(std::string_view text);

/// The fields of a text line, cut at each comma, as views into `line`. Cutting
/// stops after `limit` fields: the last one then holds the rest of the line, so
/// that a huge line with no layout's shape costs no more than that.
std::vector<std::string_view> splitFields(std::string_view line,
                                          std::size_t limit = std::size_t(-1));

} // namespace grimlark
