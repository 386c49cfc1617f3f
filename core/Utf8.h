// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright 2026 The Grimlark developers
#pragma once

#include <string>
#include <string_view>

namespace grimlark {

/// One character read from UTF-8 bytes: its code point and how many bytes it
/// took, or, where the bytes are not well-formed UTF-8, the one byte there as
/// its code (`valid` false).
struct Utf8Character {
    char32_t code;
    std::size_t length;
    bool valid;
};
/// The character that starts at `at` (< bytes.size()).
Utf8Character decodeUtf8At(std::string_view bytes, std::size_t at);

/// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates,
/// nothing past U+10FFFF).
bool isValidUtf8(std::string_view bytes);

/// Bytes that are mostly UTF-8 (a Unix file name) as UTF-16 text that keeps
/// every byte: each byte that is not part of well-formed UTF-8 becomes the lone
/// surrogate U+DC80 to U+DCFF, which no well-formed UTF-8 can give.
std::u16string decodeUtf8Escaped(std::string_view bytes);

/// The bytes that decodeUtf8Escaped took the text from: encodeUtf8Escaped(
/// decodeUtf8Escaped(b)) == b for any bytes. Another lone surrogate is written
/// as U+FFFD.
std::string encodeUtf8Escaped(std::u16string_view text);

/// `value` in double quotes as a message shows it: at most `most` characters
/// (40 unless said), then an ellipsis; a tab, a control character and the characters that show as
/// nothing or as a blank (U+00A0, U+200B, U+FEFF, ...) named, as "<tab>" or
/// "<U+00A0>", so the user sees what is really there.
std::string quoteValue(std::string_view value, std::size_t most = 40);

} // namespace grimlark
