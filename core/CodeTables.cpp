// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "CodeTables.h"

#include "Numbers.h"

#include <algorithm>

namespace grimlark {

std::int16_t modeSum(const ModeFlags &flags)
{
    std::int16_t sum = 0;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (flags[i])
            sum = static_cast<std::int16_t>(sum + kModeFlags[i].weight);
    }
    return sum;
}

ModeFlags modeFlagsFor(int mode)
{
    // By the weights, as the servers read it: 0 ticks no box.
    ModeFlags flags{};
    for (std::size_t i = 0; i < flags.size(); ++i)
        flags[i] = (mode & kModeFlags[i].weight) != 0;
    return flags;
}

ModeFlags modeBoxesOf(const LayoutFormat &format, long long mode, long long &rest)
{
    ModeFlags boxes{};
    long long shown = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const long long bits = format.modeBits[i];
        boxes[i] = (mode & bits) == bits;
        if (boxes[i])
            shown |= bits;
    }
    rest = mode & ~shown;
    return boxes;
}

long long modeNumberOf(const LayoutFormat &format, const ModeFlags &boxes, long long rest)
{
    long long mode = rest;
    for (std::size_t i = 0; i < boxes.size(); ++i)
        if (boxes[i])
            mode |= format.modeBits[i];
    return mode;
}

std::string elementCode(ListPosition level, ListPosition element)
{
    std::string code;
    if (level >= 0 && level < kElementLevelList.size())
        code = std::to_string(2 * (level + 1));
    return code + std::to_string(element);
}

std::optional<ElementCode> readElementCode(std::string_view text)
{
    text = trimmed(text);
    const auto isLevel = [](char c) { return c == '2' || c == '4' || c == '6' || c == '8'; };
    if (text == "-1")
        return ElementCode{};
    if (text.size() == 3 && isLevel(text[0]) && text.substr(1) == "-1")
        return ElementCode{static_cast<ListPosition>((text[0] - '0') / 2 - 1), kNoSelection};
    const bool digits = !text.empty() && text.size() <= 4 &&
                        std::all_of(text.begin(), text.end(), [](char c) { return isDigit(c); });
    if (!digits)
        return std::nullopt;
    int code = 0;
    for (const char c : text)
        code = code * 10 + (c - '0');
    if (code > 9 && (code < 20 || code > 99))
        return std::nullopt;
    ElementCode read;
    read.level = code > 9 ? static_cast<ListPosition>(code / 20 - 1) : kNoSelection;
    read.element = static_cast<ListPosition>(code % 10);
    read.asWritten = elementCode(read.level, read.element) == text;
    return read;
}

} // namespace grimlark
