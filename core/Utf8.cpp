// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#include "Utf8.h"

#include <cstdint>
#include <cstdio>
#include <cstring>

namespace grimlark {

namespace {

/// The length of the well-formed UTF-8 sequence at `p` (1 to 4), or 0 when the
/// bytes there are not one (no overlong forms, no surrogates, nothing past U+10FFFF).
int sequenceLength(const unsigned char *p, const unsigned char *end)
{
    const unsigned char c = *p;
    if (c < 0x80)
        return 1;
    int length = 0;
    unsigned char low = 0x80, high = 0xBF; // allowed range of the second byte
    if (c >= 0xC2 && c <= 0xDF) {
        length = 2;
    } else if (c >= 0xE0 && c <= 0xEF) {
        length = 3;
        if (c == 0xE0)
            low = 0xA0;
        if (c == 0xED)
            high = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        length = 4;
        if (c == 0xF0)
            low = 0x90;
        if (c == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (end - p < length || p[1] < low || p[1] > high)
        return 0;
    for (int i = 2; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80)
            return 0;
    }
    return length;
}

constexpr char16_t kEscapeBase = 0xDC00; // bytes 0x80-0xFF escape to U+DC80-U+DCFF

} // namespace

Utf8Character decodeUtf8At(std::string_view bytes, std::size_t at)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data()) + at;
    const int length = sequenceLength(p, p + (bytes.size() - at));
    if (length == 0)
        return {char32_t(*p), 1, false};
    char32_t code = length == 1 ? char32_t(*p) : char32_t(*p & (0x7F >> length));
    for (int i = 1; i < length; ++i)
        code = (code << 6) | char32_t(p[i] & 0x3F);
    return {code, std::size_t(length), true};
}

bool isValidUtf8(std::string_view bytes)
{
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const auto *const end = p + bytes.size();
    while (p < end) {
        // Database files are mostly ASCII: pass eight such bytes at a time.
        if (end - p >= 8) {
            std::uint64_t word = 0;
            std::memcpy(&word, p, sizeof word);
            if ((word & 0x8080808080808080ull) == 0) {
                p += 8;
                continue;
            }
        }
        const int length = sequenceLength(p, end);
        if (length == 0)
            return false;
        p += length;
    }
    return true;
}

std::u16string decodeUtf8Escaped(std::string_view bytes)
{
    std::u16string text;
    text.reserve(bytes.size());
    for (std::size_t at = 0; at < bytes.size();) {
        const Utf8Character character = decodeUtf8At(bytes, at);
        at += character.length;
        const char32_t code = character.code;
        if (!character.valid) {
            text += char16_t(kEscapeBase + code);
            continue;
        }
        if (code >= 0x10000) {
            text += char16_t(0xD800 + ((code - 0x10000) >> 10));
            text += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            text += char16_t(code);
        }
    }
    return text;
}

std::string encodeUtf8Escaped(std::u16string_view text)
{
    std::string bytes;
    bytes.reserve(text.size());
    auto put = [&bytes](char32_t code) {
        if (code < 0x80) {
            bytes += char(code);
        } else if (code < 0x800) {
            bytes += char(0xC0 | (code >> 6));
            bytes += char(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            bytes += char(0xE0 | (code >> 12));
            bytes += char(0x80 | ((code >> 6) & 0x3F));
            bytes += char(0x80 | (code & 0x3F));
        } else {
            bytes += char(0xF0 | (code >> 18));
            bytes += char(0x80 | ((code >> 12) & 0x3F));
            bytes += char(0x80 | ((code >> 6) & 0x3F));
            bytes += char(0x80 | (code & 0x3F));
        }
    };
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            put(0x10000 + ((char32_t(unit) - 0xD800) << 10) + (text[i + 1] - 0xDC00));
            ++i;
        } else if (unit >= kEscapeBase + 0x80 && unit <= kEscapeBase + 0xFF) {
            bytes += char(unit - kEscapeBase); // an escaped byte, given back
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            put(0xFFFD); // any other lone surrogate has no bytes
        } else {
            put(unit);
        }
    }
    return bytes;
}

std::string quoteValue(std::string_view value, std::size_t most)
{
    std::string shown = "\"";
    std::size_t characters = 0;
    for (std::size_t i = 0; i < value.size(); ++characters) {
        if (characters == most) {
            shown += "\xE2\x80\xA6"; // an ellipsis: the value goes on
            break;
        }
        const Utf8Character decoded = decodeUtf8At(value, i);
        const std::string_view character = value.substr(i, decoded.length);
        i += decoded.length;
        const char32_t code = decoded.code;
        // Characters that would not show, or show as a blank, are named instead.
        const bool invisible = code < 0x20 || code == 0x7F || (code >= 0x80 && code <= 0xA0) ||
                               code == 0xAD || (code >= 0x200B && code <= 0x200F) ||
                               (code >= 0x2028 && code <= 0x202E) ||
                               (code >= 0x2060 && code <= 0x2064) || code == 0xFEFF;
        if (code == '\t') {
            shown += "<tab>";
        } else if (invisible && (decoded.valid || code < 0x80)) {
            char name[16];
            (void)std::snprintf(name, sizeof name, "<U+%04X>", static_cast<unsigned>(code));
            shown += name;
        } else {
            shown += character;
        }
    }
    return shown + "\"";
}

} // namespace grimlark
